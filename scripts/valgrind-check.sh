#!/usr/bin/env bash
# Runs spoolwrap under valgrind (memcheck) on the golden jobs and on bad input:
# no invalid access, no definite or indirect leak, and no file descriptor left
# open at exit besides standard input, output and error (--track-fds=yes).
#
#   scripts/valgrind-check.sh [BUILD_DIR]     (default: build, then build-hard)
#
# The build must be one without sanitizers (valgrind cannot run them).
#
# Prints one line per job and exits 1 when any job fails the check.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-}
if [ -z "$BUILD" ]; then
  for b in "$ROOT/build" "$ROOT/build-hard"; do
    [ -x "$b/filter/spoolwrap" ] && ! grep -q '^QV_SANITIZE:BOOL=ON' "$b/CMakeCache.txt" && BUILD=$b && break
  done
fi
SPOOLWRAP="$BUILD/filter/spoolwrap"
[ -x "$SPOOLWRAP" ] || { echo "no spoolwrap under ${BUILD:-build-hard or build}" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 2; }

WORK=$(mktemp -d /tmp/qv-valgrind.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
PPD_DIR="$ROOT/ppd"
SAMPLE="$ROOT/samples/sample.pdf"
PT=com.lumeral.vrk.printsettings.
FAILED=0

# Inputs made once.
printf '' >"$WORK/empty.pdf"
printf '%%!PS-Adobe-3.0\nnot a PDF\n' >"$WORK/text.ps"
head -c 500 "$SAMPLE" >"$WORK/truncated.pdf"
printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\ntrailer<</Root 1 0 R>>\n%%%%EOF\n' >"$WORK/nopages.pdf"
sed 's/^\([0-9]\{10\}\) 00000 n/0000000001 00000 n/' "$SAMPLE" >"$WORK/brokenxref.pdf"
printf '*PPD-Adobe: "4.3"\n*OpenUI *QVStaple: PickOne\n\001garbage\n' >"$WORK/bad.ppd"
BIG=$(head -c 24000 /dev/zero | tr '\0' k)
BYTES=$(for b in $(seq 1 255); do printf '/%d' "$b"; done)
mkdir -p "$WORK/cups/data/mime" "$WORK/cups/etc" "$WORK/cups/bin/filter"
echo "application/pdf application/vnd.cups-pdf 66 fakefilter" >"$WORK/cups/data/mime/test.convs"
FAKE_CUPS="CUPS_DATADIR=$WORK/cups/data CUPS_SERVERROOT=$WORK/cups/etc CUPS_SERVERBIN=$WORK/cups/bin"

# run NAME PPD OPTIONS INPUT [ENV...] [-- SHELL-PREFIX]: INPUT "-" reads the
# sample from standard input, anything else is argument 6.
run() {
  local name=$1 ppd=$2 options=$3 input=$4
  shift 4
  local envs=() prefix=""
  while [ $# -gt 0 ]; do
    if [ "$1" = "--" ]; then prefix=$2; break; fi
    envs+=("$1"); shift
  done
  local tmp="$WORK/tmp-$name"
  mkdir -p "$tmp"
  local log="$WORK/$name.vg"
  local args=(42 alice report 1 "$options")
  [ "$input" != "-" ] && args+=("$input")
  (
    eval "$prefix"
    # Standard input is a pipe, as from cupsd: a regular file there would be
    # sent without the temporary copy.
    cat "${STDIN_FILE:-$SAMPLE}" | exec env -i PATH=/usr/bin:/bin LANG=C PPD="$ppd" TMPDIR="$tmp" \
      SPOOLWRAP_JOBCOPY_MARKER="$WORK/no-marker" "${envs[@]}" \
      valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite,indirect \
        --show-leak-kinds=definite,indirect --track-fds=yes --error-exitcode=99 \
        --child-silent-after-fork=yes --suppressions="$ROOT/scripts/valgrind.supp" \
        --log-file="$log" ${WRAP_ENV:+--trace-children=yes /usr/bin/env "$WRAP_ENV"} "$SPOOLWRAP" "${args[@]}" >"$WORK/$name.out" 2>"$WORK/$name.err"
  )
  local status=$?
  local errors fds result=ok
  errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -n 1)
  # Descriptors the filter opened itself and left open; those inherited from
  # whoever started it (valgrind's own log among them) are not its own.
  fds=$(awk '/Open (file descriptor|AF_[A-Z0-9]* socket) [0-9]+/ { open = 1; next }
             open && /<inherited from parent>/ { open = 0; next }
             open && /^==[0-9]+== *$/ { count++; open = 0 }
             END { print count + 0 }' "$log")
  [ "${errors:-x}" = 0 ] || result="FAIL: ${errors:-no} memcheck errors"
  [ "$fds" = 0 ] || result="FAIL: $fds descriptors left open at exit"
  [ "$status" = 99 ] && result="FAIL: memcheck errors"
  local left
  left=$(ls -A "$tmp" | grep -v '^zk[0-9]*\.job$' | tr '\n' ' ')
  [ -n "$left" ] && result="FAIL: left in TMPDIR: $left"
  printf '%-28s exit %-3s %s\n' "$name" "$status" "$result"
  if [ "$result" != ok ]; then
    FAILED=1
    grep -v 'inherited from parent' "$log" | grep -A14 -E 'Invalid|uninitialised|Conditional|definitely lost in|indirectly lost in|Syscall param|Open file descriptor' | head -60
  fi
}

echo "spoolwrap under valgrind: $SPOOLWRAP"
# Golden jobs.
run plain "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" -
run secure-accounting "$PPD_DIR/quorvel-rx42-mfp.ppd" \
  "${PT}PrintTypeTicketKey=2 ${PT}PrintTypeUserNameTicketKey=bob ${PT}PrintTypePasswordTicketKey=QUJD ${PT}DocumentNameTypeTicketKey=1 ${PT}JBAManageTypeListTicketKey=2 ${PT}JBAAdminUserInputRadioBtnTicket=1 ${PT}JBAUserIDListCtrlTicket=1 ${PT}JBAInputUserIDTextEditTicket=carol ${PT}JBAInputUserPasswordTextEditTicket=pw ${PT}JBALoginTextEditTicket=carol" "$SAMPLE"
run finishing-wt74 "$PPD_DIR/quorvel-wt74-printer.ppd" \
  "QVInputSlot=BypassTray MediaType=ThickPaper2 QVMSILeadingEdge=ShortEdge QVStaple=UpperLeftSinglePort orientation-requested=5 Collate=true" -
run page-pass-turn "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVTurnPage=true orientation-requested=6" "$SAMPLE"
run page-pass-copies "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=false" -
run raster "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVPDFRasterizedMode=true" "$SAMPLE"
run layout-pdftopdf "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "number-up=2" "$SAMPLE"
touch "$WORK/marker"
run job-copy "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" - SPOOLWRAP_JOBCOPY_MARKER="$WORK/marker"
# Bad input.
run empty "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" "$WORK/empty.pdf"
run non-pdf "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVTurnPage=true" "$WORK/text.ps"
run truncated "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVTurnPage=true" "$WORK/truncated.pdf"
run no-pages "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVTurnPage=true" "$WORK/nopages.pdf"
run broken-xref "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" "$WORK/brokenxref.pdf"
run broken-xref-pass "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "QVTurnPage=true" "$WORK/brokenxref.pdf"
run bad-ppd "$WORK/bad.ppd" "" -
run bad-ppd-layout "$WORK/bad.ppd" "number-up=2" -
run options-100k "$PPD_DIR/quorvel-rx42-mfp.ppd" \
  "${PT}PrintTypeTicketKey=2 ${PT}PrintTypePasswordTicketKey=$BIG ${PT}PrintTypeUserNameTicketKey=$BIG ${PT}DocumentNameTicketKey=$BIG ${PT}JBAIPAddressStringTicket=$BIG" -
run every-byte "$PPD_DIR/quorvel-rx42-mfp.ppd" \
  "${PT}PrintTypeTicketKey=2 ${PT}PrintTypePasswordTicketKey=$BYTES ${PT}PrintTypeUserNameTicketKey=$BYTES ${PT}DocumentNameTypeTicketKey=2 ${PT}DocumentNameTicketKey=$BYTES ${PT}JBAUserPasswordTextEditTicket=$BYTES" -
# valgrind itself cannot start without a usable TMPDIR, so the filter runs
# here with none at all (libcups then uses /tmp); a TMPDIR naming a missing
# folder is covered by tests/filter/BadInputTest.cpp.
WRAP_ENV="-uTMPDIR" run no-tmpdir "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" -
WRAP_ENV="-uTMPDIR" run no-tmpdir-file "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" "$SAMPLE"
# 8 KB of file size: the 64 KB copy of standard input cannot be completed
# (valgrind's own report stays below the limit).
{ cat "$SAMPLE"; head -c 65536 /dev/zero | tr '\0' '%'; printf '\n%%%%EOF\n'; } >"$WORK/padded.pdf"
STDIN_FILE="$WORK/padded.pdf" run disk-full "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "" - -- "trap '' XFSZ; ulimit -f 8"
printf '#!/bin/sh\nkill -SEGV $$\n' >"$WORK/cups/bin/filter/fakefilter"; chmod 755 "$WORK/cups/bin/filter/fakefilter"
# shellcheck disable=SC2086
run filter-crashes "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "page-set=odd" "$SAMPLE" $FAKE_CUPS
printf '#!/bin/sh\nprintf "garbage\\000\\377"\n' >"$WORK/cups/bin/filter/fakefilter"
# shellcheck disable=SC2086
run filter-garbage "$PPD_DIR/quorvel-kz63-color-mfp.ppd" "page-set=odd" "$SAMPLE" $FAKE_CUPS
exit "$FAILED"
