# Install rules of the CUPS driver: the filter into the CUPS filter folder and
# the PPDs into the CUPS model folder under "Quorvel", where cups-driverd finds
# them for `lpinfo -m` and `lpadmin -m Quorvel/<file>.ppd`.
#
# Where the files go:
# - default prefix (/usr/local): the folders this machine's CUPS uses, as
#   cups-config tells them (absolute paths, e.g. /usr/lib/cups/filter and
#   /usr/share/cups/model/Quorvel on Debian);
# - any other prefix: the same folders relative to CUPS's own prefix, below
#   CMAKE_INSTALL_PREFIX (e.g. <prefix>/lib/cups/filter), so that a package
#   build or a test installs into a folder of its own. `cmake --install build
#   --prefix DIR` works then, and DESTDIR works in both cases.
#
# Cache variables (empty = worked out as above):
#   QV_CUPS_SERVERBIN  CUPS program folder; the filter goes into its "filter/"
#   QV_CUPS_DATADIR    CUPS data folder; the PPDs go into "model/<vendor>/"
#   QV_PPD_VENDOR_DIR  vendor folder under "model/" (default "Quorvel")
# The driver's files form the install component "cups-driver":
#   cmake --install build --component cups-driver

set(QV_CUPS_SERVERBIN "" CACHE STRING
    "CUPS program folder, absolute or relative to the prefix (empty: from cups-config)")
set(QV_CUPS_DATADIR "" CACHE STRING
    "CUPS data folder, absolute or relative to the prefix (empty: from cups-config)")
set(QV_PPD_VENDOR_DIR "Quorvel" CACHE STRING "Vendor folder of the PPDs under the CUPS model folder")

find_program(QV_CUPS_CONFIG cups-config)

# Asks cups-config for one folder; empty when it cannot tell.
function(qv_cups_config_dir flag out)
  set(value "")
  if(QV_CUPS_CONFIG)
    execute_process(COMMAND ${QV_CUPS_CONFIG} ${flag}
                    OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status
                    ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT value MATCHES "^/")
      set(value "")
    endif()
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# A cups-config folder such as "/usr/lib/cups" relative to the prefix it sits
# in ("lib/cups" below "/usr"); the fallback when it is not below a known one.
function(qv_relative_to_prefix absolute fallback out)
  set(relative "${fallback}")
  foreach(prefix /usr/local /usr /opt/local)
    string(LENGTH "${prefix}/" length)
    string(LENGTH "${absolute}" total)
    if(total GREATER length)
      string(SUBSTRING "${absolute}" 0 ${length} head)
      if(head STREQUAL "${prefix}/")
        string(SUBSTRING "${absolute}" ${length} -1 relative)
        break()
      endif()
    endif()
  endforeach()
  set(${out} "${relative}" PARENT_SCOPE)
endfunction()

qv_cups_config_dir(--serverbin _qv_cups_serverbin)
qv_cups_config_dir(--datadir _qv_cups_datadir)
if(_qv_cups_serverbin STREQUAL "")
  set(_qv_cups_serverbin "/usr/lib/cups")
endif()
if(_qv_cups_datadir STREQUAL "")
  set(_qv_cups_datadir "/usr/share/cups")
endif()

if(CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(_qv_serverbin "${_qv_cups_serverbin}")
  set(_qv_datadir "${_qv_cups_datadir}")
else()
  qv_relative_to_prefix("${_qv_cups_serverbin}" "lib/cups" _qv_serverbin)
  qv_relative_to_prefix("${_qv_cups_datadir}" "share/cups" _qv_datadir)
endif()
if(NOT QV_CUPS_SERVERBIN STREQUAL "")
  set(_qv_serverbin "${QV_CUPS_SERVERBIN}")
endif()
if(NOT QV_CUPS_DATADIR STREQUAL "")
  set(_qv_datadir "${QV_CUPS_DATADIR}")
endif()

# Install destinations, and the same as absolute paths for the tests.
set(QV_INSTALL_FILTER_DIR "${_qv_serverbin}/filter")
set(QV_INSTALL_PPD_DIR "${_qv_datadir}/model/${QV_PPD_VENDOR_DIR}")
foreach(dir FILTER PPD)
  if(QV_INSTALL_${dir}_DIR MATCHES "^/")
    set(QV_INSTALL_${dir}_FULL_DIR "${QV_INSTALL_${dir}_DIR}")
  else()
    set(QV_INSTALL_${dir}_FULL_DIR "${CMAKE_INSTALL_PREFIX}/${QV_INSTALL_${dir}_DIR}")
  endif()
endforeach()

# CUPS refuses to run a filter that group or others may write, and reads the
# PPDs as an unprivileged user: fixed modes, whatever the installer's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# CMake makes missing folders with mkdir(), which the umask still trims (a
# root umask of 077 gives folders that cupsd's user cannot enter). Remember
# which folders of the two destinations do not exist yet, and give exactly
# those mode 0755 once the files are in; folders that were there are left
# alone.
install(CODE "
  set(_qv_new_dirs \"\")
  foreach(_qv_dir \"${QV_INSTALL_FILTER_DIR}\" \"${QV_INSTALL_PPD_DIR}\")
    if(NOT IS_ABSOLUTE \"\${_qv_dir}\")
      set(_qv_dir \"\${CMAKE_INSTALL_PREFIX}/\${_qv_dir}\")
    endif()
    set(_qv_dir \"\$ENV{DESTDIR}\${_qv_dir}\")
    while(NOT EXISTS \"\${_qv_dir}\" AND NOT _qv_dir STREQUAL \"/\" AND NOT _qv_dir STREQUAL \"\")
      list(APPEND _qv_new_dirs \"\${_qv_dir}\")
      get_filename_component(_qv_dir \"\${_qv_dir}\" DIRECTORY)
    endwhile()
  endforeach()
  set_property(GLOBAL PROPERTY QV_NEW_INSTALL_DIRS \"\${_qv_new_dirs}\")
" COMPONENT cups-driver)

install(TARGETS spoolwrap
        RUNTIME DESTINATION "${QV_INSTALL_FILTER_DIR}"
        PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                    GROUP_READ GROUP_EXECUTE
                    WORLD_READ WORLD_EXECUTE
        COMPONENT cups-driver)
# The page pass modules go beside the filter, which loads the page pass module
# from its own folder (filter/PagePassModule.h); that module loads the raster
# pass module from the same folder. Shared objects, not programs: no execute
# bits, and no file in the filter folder that CUPS could run.
install(TARGETS spoolwrap_pagepass spoolwrap_rasterpass
        LIBRARY DESTINATION "${QV_INSTALL_FILTER_DIR}"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        COMPONENT cups-driver)

file(GLOB _qv_ppds CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/ppd/*.ppd")
install(FILES ${_qv_ppds}
        DESTINATION "${QV_INSTALL_PPD_DIR}"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        COMPONENT cups-driver)

install(CODE "
  get_property(_qv_new_dirs GLOBAL PROPERTY QV_NEW_INSTALL_DIRS)
  foreach(_qv_dir IN LISTS _qv_new_dirs)
    if(IS_DIRECTORY \"\${_qv_dir}\")
      file(CHMOD \"\${_qv_dir}\" DIRECTORY_PERMISSIONS
           OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
" COMPONENT cups-driver)

message(STATUS "spoolwrap installs into ${QV_INSTALL_FILTER_FULL_DIR}")
message(STATUS "PPDs install into ${QV_INSTALL_PPD_FULL_DIR}")

# The print dialog: printdialog into the program folder and the extension
# bundles into the plug-in folder it searches by default
# (QV_PLUGIN_INSTALL_DIR, relative to the prefix; printdialog finds it
# relative to its own folder). Install component "print-dialog":
#   cmake --install build --component print-dialog
if(TARGET printdialog)
  install(TARGETS printdialog RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT print-dialog)
  foreach(_qv_bundle featurepanel accountpanel)
    if(TARGET ${_qv_bundle})
      get_target_property(_qv_bundle_dir ${_qv_bundle} LIBRARY_OUTPUT_DIRECTORY)
      install(DIRECTORY "${_qv_bundle_dir}"
              DESTINATION "${QV_PLUGIN_INSTALL_DIR}"
              USE_SOURCE_PERMISSIONS
              COMPONENT print-dialog)
    endif()
  endforeach()
  message(STATUS "printdialog installs into ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}, its plug-ins into ${CMAKE_INSTALL_PREFIX}/${QV_PLUGIN_INSTALL_DIR}")
endif()
