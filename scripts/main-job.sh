#!/usr/bin/env bash
# The road of one print job, as a person takes it: the print dialog on a CUPS
# queue of the driver, CUPS running the driver's filter, and the printer.
#
#   1. installs what is needed and builds the filter, the print dialog and
#      its two extensions (into build/, or $BUILD_DIR);
#   2. installs the driver into a folder of its own and starts a private
#      cupsd there (scripts/cups-private.sh), with a printer played by a
#      listener on 127.0.0.1;
#   3. adds the queue KZ63 with `lpadmin -m` from the shipped sample PPD;
#   4. runs printdialog with samples/secure-print.script (secure print with
#      accounting and finishing) and prints samples/sample.pdf;
#   5. shows the PJL header the printer received (the whole job is kept in
#      out/sample-job.prn);
#   6. stops cupsd and removes everything it made, also when a step fails.
#
# It needs no CUPS configuration of the machine and leaves the machine's own
# cupsd alone. As root, cupsd runs the filter as the user "lp", so the work
# folder is made below /tmp.
set -euo pipefail
cd "$(dirname "$0")/.."
SOURCE=$PWD
BUILD_DIR=${BUILD_DIR:-build}
SCRIPT=${SCRIPT:-samples/secure-print.script}
PDF=samples/sample.pdf

scripts/setup.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target spoolwrap printdialog featurepanel accountpanel printdialog_plugins

WORK=""
LISTENER=""
cleanup()
{
    local status=$?
    trap - EXIT INT TERM
    if [ -n "$WORK" ]; then
        scripts/cups-private.sh stop "$WORK/cups" || true
        if [ -n "$LISTENER" ] && kill -0 "$LISTENER" 2>/dev/null; then
            kill "$LISTENER" 2>/dev/null || true
            wait "$LISTENER" 2>/dev/null || true
        fi
        rm -rf "$WORK"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail()
{
    echo "main-job: $*" >&2
    # The reasons cupsd and the filter gave: errors and warnings of the log.
    local reasons=""
    if [ -n "$WORK" ] && [ -f "$WORK/cups/log/error_log" ]; then
        reasons=$(grep -E '^[EW] ' "$WORK/cups/log/error_log" | tail -n 15 || true)
    fi
    if [ -n "$reasons" ]; then
        echo "main-job: what cupsd logged:" >&2
        echo "$reasons" >&2
    fi
    exit 1
}

WORK=$(mktemp -d /tmp/quorvel-road.XXXXXX)
chmod 0755 "$WORK"

# The driver as `cmake --install` puts it, into a folder of this run.
DESTDIR="$WORK/stage" cmake --install "$BUILD_DIR" --component cups-driver >"$WORK/install.log" \
    || { cat "$WORK/install.log" >&2; fail "the driver did not install"; }
FILTER=$(find "$WORK/stage" -path '*/filter/spoolwrap' -type f | head -n 1)
PPD_DIR=$(dirname "$(find "$WORK/stage" -name 'quorvel-kz63-color-mfp.ppd' -type f | head -n 1)")
[ -x "$FILTER" ] && [ -d "$PPD_DIR" ] || fail "no filter or PPDs in $WORK/stage"

# The printer: a listener on 127.0.0.1 that keeps one job byte for byte, as
# a printer's raw port (AppSocket) takes it. perl is part of every Debian.
RECEIVED=$WORK/received.prn
perl -MIO::Socket::INET -e '
    my ($job, $portfile) = @ARGV;
    my $server = IO::Socket::INET->new(LocalAddr => "127.0.0.1", LocalPort => 0,
                                       Listen => 1, ReuseAddr => 1) or die "listen: $!\n";
    open(my $p, ">", "$portfile.new") or die "$portfile: $!\n";
    print $p $server->sockport(), "\n";
    close($p);
    rename("$portfile.new", $portfile) or die "$portfile: $!\n";
    my $client = $server->accept() or die "accept: $!\n";
    binmode($client);
    open(my $out, ">:raw", "$job.part") or die "$job: $!\n";
    my $buffer;
    while (sysread($client, $buffer, 65536)) { print $out $buffer; }
    close($out);
    rename("$job.part", $job) or die "$job: $!\n";
' "$RECEIVED" "$WORK/printer.port" &
LISTENER=$!
for _ in $(seq 100); do
    [ -s "$WORK/printer.port" ] && break
    kill -0 "$LISTENER" 2>/dev/null || fail "the printer's listener did not start"
    sleep 0.1
done
[ -s "$WORK/printer.port" ] || fail "the printer's listener did not start"
PRINTER_URI="socket://127.0.0.1:$(cat "$WORK/printer.port")"

scripts/cups-private.sh start "$WORK/cups" --filter "$FILTER" --ppd-dir "$PPD_DIR" \
    || fail "the private cupsd did not start"
# The CUPS commands and the print dialog talk to that cupsd alone; HOME keeps
# the person's own ~/.cups/lpoptions out of the run.
eval "$(scripts/cups-private.sh env "$WORK/cups")"
export HOME="$WORK/cups/home"

lpadmin -p KZ63 -E -v "$PRINTER_URI" -m Quorvel/quorvel-kz63-color-mfp.ppd 2>"$WORK/lpadmin.err" \
    || { cat "$WORK/lpadmin.err" >&2; fail "lpadmin did not add the queue"; }
echo "Queue KZ63: the shipped KZ63 PPD, printer $PRINTER_URI"

echo "printdialog --dest KZ63 --script $SCRIPT --print $PDF"
"$BUILD_DIR/host/printdialog" --dest KZ63 --data-dir "$WORK/dialog" --script "$SOURCE/$SCRIPT" \
    --print "$SOURCE/$PDF" --title "Quarterly report" || fail "the print dialog did not print the job"

# The printer has the job once the listener has kept it. A job that CUPS
# stopped or aborted brings nothing more.
for tick in $(seq 600); do
    [ -f "$RECEIVED" ] && break
    kill -0 "$LISTENER" 2>/dev/null || break
    if [ $((tick % 10)) -eq 0 ] \
        && grep -qE '\[Job [0-9]+\] Job (stopped|aborted)' "$WORK/cups/log/error_log" 2>/dev/null; then
        fail "CUPS did not finish the job"
    fi
    sleep 0.1
done
[ -f "$RECEIVED" ] || fail "the printer received no job within a minute"
wait "$LISTENER" || true
LISTENER=""

mkdir -p out
cp "$RECEIVED" out/sample-job.prn
echo "The printer received $(stat -c %s out/sample-job.prn) bytes (kept in out/sample-job.prn). Its PJL header:"
sed -n '1,/^@PJL ENTER LANGUAGE=PDF/p' out/sample-job.prn | cat -v
