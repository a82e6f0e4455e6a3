#!/bin/sh
# Runs cupstestppd on one of our PPDs with every check reported as an error,
# against a private CUPS_SERVERBIN whose filter/ folder holds the built
# spoolwrap, so the *cupsFilter line is checked against the real program.
#
# Usage: cupstestppd_test.sh SPOOLWRAP PPD
#
# Passes when cupstestppd reports PASS with exit status 0 and prints no
# warning other than the "shares a common prefix" note for option names the
# driver has to use as they are (QVIntSheet / QVIntSheetMediaType); and when,
# with an empty filter folder, it fails on exactly the missing spoolwrap,
# which proves the PPD names that program.

set -u

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 SPOOLWRAP PPD"
spoolwrap=$1
ppd=$2

[ -f "$spoolwrap" ] && [ -x "$spoolwrap" ] || fail "spoolwrap not built or not executable: $spoolwrap"
[ -r "$ppd" ] || fail "PPD not readable: $ppd"
command -v cupstestppd >/dev/null 2>&1 || fail "cupstestppd not found (Debian package cups-client)"

work=$(mktemp -d "${TMPDIR:-/tmp}/qv-ppdtest.XXXXXX") || fail "cannot create a temporary folder"
trap 'rm -rf "$work"' EXIT INT TERM

# cupstestppd refuses filters that others may write to, so install a copy
# with the usual filter permissions rather than a link into the build tree.
mkdir -p "$work/serverbin/filter" "$work/empty/filter" || fail "cannot create filter folders"
cp "$spoolwrap" "$work/serverbin/filter/spoolwrap" || fail "cannot copy spoolwrap"
chmod 0755 "$work/serverbin" "$work/serverbin/filter" "$work/serverbin/filter/spoolwrap"

name=$(basename "$ppd")

# Concise run: the verdict line and the exit status.
out=$(CUPS_SERVERBIN="$work/serverbin" cupstestppd -W none "$ppd" 2>&1)
rc=$?
echo "$out"
[ $rc -eq 0 ] || fail "$name: cupstestppd exit status $rc"
echo "$out" | head -n 1 | grep -q ": PASS\$" || fail "$name: cupstestppd did not report PASS"

# Detailed run: no failures, and no warnings beyond the known prefix note.
detail=$(CUPS_SERVERBIN="$work/serverbin" cupstestppd -W none -v "$ppd" 2>&1)
if echo "$detail" | grep -q "FAIL"; then
    echo "$detail"
    fail "$name: detailed results hold a failure"
fi
unexpected=$(echo "$detail" | grep "WARN" | grep -v "QVIntSheet shares a common prefix with QVIntSheetMediaType")
if [ -n "$unexpected" ]; then
    echo "$detail"
    fail "$name: unexpected warnings: $unexpected"
fi

# Without spoolwrap the same PPD must fail, and only for that missing program.
neg=$(CUPS_SERVERBIN="$work/empty" cupstestppd -W none "$ppd" 2>&1)
nrc=$?
[ $nrc -ne 0 ] || fail "$name: passes even without spoolwrap, so its *cupsFilter line is not checked"
echo "$neg" | grep -q "Missing cupsFilter file \"$work/empty/filter/spoolwrap\"" \
    || { echo "$neg"; fail "$name: failure without spoolwrap does not name filter/spoolwrap"; }
[ "$(echo "$neg" | grep -c "FAIL\*\*")" -eq 1 ] \
    || { echo "$neg"; fail "$name: more failures than the missing filter"; }

echo "ok: $name"
exit 0
