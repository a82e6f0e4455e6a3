#!/usr/bin/env bash
# Installs what is needed, builds everything, and runs one print job through the
# filter exactly as CUPS would: the sample printer's PPD, the sample PDF, and a
# secure-print job with finishing options. The PJL-wrapped job is written to
# out/sample-job.prn and its header is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

mkdir -p out
export PPD="$PWD/ppd/quorvel-kz63-color-mfp.ppd"
export TMPDIR="$PWD/out"
PS=com.lumeral.vrk.printsettings
OPTIONS="media=A4 QVInputSlot=2ndTray MediaType=Default QVStaple=UpperLeftSinglePort \
Collate=true com.apple.print.PrintSettings.PMDuplexing..n.=2 \
$PS.PrintTypeTicketKey=2 $PS.PrintTypeUserNameTicketKey=alice \
$PS.PrintTypePasswordTicketKey=MTIzNA== $PS.DocumentNameTypeTicketKey=1"

build/filter/spoolwrap 1 "${USER:-alice}" "Quarterly report" 2 "$OPTIONS" samples/sample.pdf \
  > out/sample-job.prn
echo "Wrote out/sample-job.prn ($(stat -c %s out/sample-job.prn) bytes). Its PJL header:"
sed -n '1,/^@PJL ENTER LANGUAGE=PDF/p' out/sample-job.prn | cat -v
