#!/usr/bin/env bash
# Runs printdialog under valgrind (memcheck) on scripted dialogs with the
# driver's own bundles and PPDs, as the dialog tests drive them, and on bad
# input: no invalid access and no definite or indirect leak, in the host or
# in either bundle.
#
#   scripts/valgrind-dialog.sh [BUILD_DIR]     (default: build)
#
# The build must be one without sanitizers (valgrind cannot run them).
# Prints one line per run and exits 1 when any run fails the check.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
DIALOG="$BUILD/host/printdialog"
[ -x "$DIALOG" ] || { echo "no printdialog under $BUILD" >&2; exit 2; }
grep -q '^QV_SANITIZE:BOOL=ON' "$BUILD/CMakeCache.txt" 2>/dev/null &&
  { echo "$BUILD is built with sanitizers; valgrind needs a plain build" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }
PLUGINS=$(sed -n 's/^QV_BUILD_PLUGIN_DIR:INTERNAL=//p' "$BUILD/CMakeCache.txt")
[ -d "$PLUGINS" ] || { echo "no plug-in folder in $BUILD" >&2; exit 2; }

WORK=$(mktemp -d /tmp/qv-valgrind-dialog.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
KZ63="$ROOT/ppd/quorvel-kz63-color-mfp.ppd"
RX42="$ROOT/ppd/quorvel-rx42-mfp.ppd"
WT74="$ROOT/ppd/quorvel-wt74-printer.ppd"
FAILED=0

# run NAME EXPECTED_STATUS SCRIPT PRINTDIALOG-ARGS...: the script goes in on
# standard input; each run has a data folder of its own unless DATA is set.
run() {
  local name=$1 expected=$2 script=$3
  shift 3
  local data=${DATA:-$WORK/data-$name}
  local log="$WORK/$name.vg"
  printf '%b' "$script" >"$WORK/$name.script"
  env -i PATH=/usr/bin:/bin LANG=C HOME="$WORK/home" TMPDIR="$WORK" \
    QV_NOW=2026-12-24T09:05:07 QV_COMPUTER_NAME="Office Mac" QV_HOST_NAME=office.example \
    QV_HOST_ADDRESSES=192.168.0.5 \
    valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite,indirect \
      --show-leak-kinds=definite,indirect --error-exitcode=99 \
      --suppressions="$ROOT/scripts/valgrind.supp" --log-file="$log" \
      "$DIALOG" --plugins "$PLUGINS" --data-dir "$data" --script - "$@" \
      <"$WORK/$name.script" >"$WORK/$name.out" 2>"$WORK/$name.err"
  local status=$?
  local errors result=ok
  errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -n 1)
  [ "${errors:-x}" = 0 ] || result="FAIL: ${errors:-no} memcheck errors"
  [ "$status" = 99 ] && result="FAIL: memcheck errors"
  [ "$status" != 99 ] && [ "$status" != "$expected" ] && result="FAIL: exit $status, expected $expected"
  printf '%-28s exit %-3s %s\n' "$name" "$status" "$result"
  if [ "$result" != ok ]; then
    FAILED=1
    grep -A14 -E 'Invalid|uninitialised|Conditional|definitely lost in|indirectly lost in|Syscall param' "$log" | head -60
    tail -n 5 "$WORK/$name.err"
  fi
}

SECURE='panel printtype\nchoose 101 "Job Type Secure"\ntype 1022 alice\ntype 1026 123\npress @SetupWndOKButton\ntype 1026 1234\nchoose 1024 #2\ntype 1025 /etc\npress @SetupWndOKButton\nprint\n'
ACCOUNTING='panel printtype\nchoose 101 "Job Type Secure"\ntype 1022 alice\ntype 1026 1234\npress @SetupWndOKButton\npanel accounting\npress 1002\nchoose 3006 "JBA Input Name"\ntype 3007 acct01\ntype 3009 s3cr3t1\npress 3001\nprint\n'
FEATURES='panel features\npage 5\nchoose MediaType Envelope\npage 6\nchoose QVStaple LeftDoublePort\ndump\npage 5\nchoose MediaType Stationary\npage 6\nchoose QVStaple LeftDoublePort\ndump\n'
MAILBOX='panel features\nchoose Jog EndOfSet\npage 6\nchoose QVStaple LeftDoublePort\npanel printtype\nchoose 101 "Job Type MBN"\ntype 1041 0\npress @SetupWndOKButton\ntype 1041 099\ntype 1042 5678\npress @SetupWndOKButton\nprint\n'

echo "printdialog under valgrind: $DIALOG"
run secure-print 0 "$SECURE" --ppd "$KZ63" --options --dump
DATA="$WORK/data-kept" run accounting 0 "$ACCOUNTING" --ppd "$KZ63" --options
DATA="$WORK/data-kept" run last-used 0 'print\n' --ppd "$KZ63" --options --dump
DATA="$WORK/data-kept" run preset-save 0 'panel features\nchoose Jog EndOfSet\npreset save Jog\n' --ppd "$KZ63"
DATA="$WORK/data-kept" run preset-load 0 'preset load Jog\nprint\n' --ppd "$KZ63" --options
run features 0 "$FEATURES" --ppd "$KZ63"
run mailbox 0 "$MAILBOX" --ppd "$KZ63" --options
run sample-rx42 0 'panel printtype\nchoose 101 "Job Type Sample"\ntype 1012 bob\npress @SetupWndOKButton\nprint\n' --ppd "$RX42" --options
run printer-wt74 0 'panel features\ndump\n' --ppd "$WT74" --options --dump
# Bad input: a script line naming no control, a window left open, a saved
# settings file that is no property list, a data folder that is a file.
run unknown-target 2 'panel features\npress 99999\n' --ppd "$KZ63" --options
run window-open 2 'panel printtype\nchoose 101 "Job Type Secure"\n' --ppd "$KZ63" --options
mkdir -p "$WORK/data-broken/printers/kz63"
printf 'not a plist\0\377' >"$WORK/data-broken/printers/kz63/LastUsedSettings.plist"
DATA="$WORK/data-broken" run broken-saved-file 0 'print\n' --ppd "$KZ63" --printer-id kz63 --options
printf 'a file' >"$WORK/data-file"
DATA="$WORK/data-file" run data-folder-is-file 0 'print\n' --ppd "$KZ63" --options
exit "$FAILED"
