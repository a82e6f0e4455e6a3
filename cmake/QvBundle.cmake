# Print-dialog extension bundles.
#
#   qv_add_bundle(NAME SOURCES file... LIBS target... [INFO_PLIST file] [RESOURCES folder])
#
# Builds the folder NAME.plugin/ in the current build folder: the shared
# object NAME.so (a MODULE library, loaded with dlopen), Info.plist and
# Resources/. A bundle links its own copy of the framework's static libraries,
# and two bundles are loaded into one host, so a bundle exports its factory
# (kPluginFactorySymbol, marked QV_PLUGIN_FACTORY) and nothing else: its own
# code is compiled with hidden visibility, the static libraries' symbols are
# kept local (--exclude-libs) and a version script names the factory as the
# only global symbol. With tests on, the test "bundle.NAME.exports" checks
# the exported symbols with nm.

# kPluginFactorySymbol of platform/PrintDialogPlugin.h.
set(QV_PLUGIN_FACTORY_SYMBOL QvCreatePlugin)

function(qv_add_bundle name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "INFO_PLIST;RESOURCES" "SOURCES;LIBS")
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "qv_add_bundle(${name}): no SOURCES")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name}.plugin)

  add_library(${name} MODULE ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${dir}
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  # Hidden visibility does not reach the std:: templates the bundle's own code
  # instantiates (libstdc++ declares its namespace visible), so a version
  # script keeps the export list to the factory.
  set(exports ${CMAKE_CURRENT_BINARY_DIR}/${name}.exports)
  file(CONFIGURE OUTPUT ${exports} CONTENT "{ global: ${QV_PLUGIN_FACTORY_SYMBOL}; local: *; };\n")
  set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${exports})
  # --no-undefined: a missing symbol fails the link, not the host's dlopen.
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL -Wl,--version-script=${exports} -Wl,--no-undefined)

  # Copied on every build, so an edited resource never goes stale.
  set(copy "")
  if(ARG_INFO_PLIST)
    list(APPEND copy COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ARG_INFO_PLIST} ${dir}/Info.plist)
  endif()
  if(ARG_RESOURCES)
    list(APPEND copy COMMAND ${CMAKE_COMMAND} -E copy_directory ${ARG_RESOURCES} ${dir}/Resources)
  endif()
  if(copy)
    add_custom_target(${name}_resources ${copy} VERBATIM)
    add_dependencies(${name} ${name}_resources)
  endif()

  if(QV_BUILD_TESTS)
    add_test(NAME bundle.${name}.exports
             COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DMODULE=$<TARGET_FILE:${name}>
                     -DEXPECTED=${QV_PLUGIN_FACTORY_SYMBOL} -P ${PROJECT_SOURCE_DIR}/cmake/QvCheckExports.cmake)
  endif()
endfunction()
