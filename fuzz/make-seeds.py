#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<harness>/ from the inputs the
tests use (options, titles, tables, cache files, PPDs, cipher texts). Run it
again after adding test inputs. run.sh never writes here: what the fuzzer
finds goes into build-fuzz/corpus/."""
import hashlib, os, sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus")
PT = "com.lumeral.vrk.printsettings."

def put(harness, data):
    if isinstance(data, str):
        data = data.encode("utf-8", "surrogateescape")
    d = os.path.join(OUT, harness)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, hashlib.sha1(data).hexdigest()[:16]), "wb") as f:
        f.write(data)

def read(rel):
    with open(os.path.join(ROOT, rel), "rb") as f:
        return f.read()

options = [
    "",
    "media=A4 com.apple.print.PrintSettings.PMDuplexing..n.=1 number-up=1",
    "Collate=false media=Letter",
    "QVInputSlot=BypassTray MediaType=ThickPaper2 QVMSILeadingEdge=LongEdgeR",
    "QVInputSlot=2ndTray MediaType=ThickPaper QVStaple=UpperLeftSinglePort orientation-requested=5",
    "QVPunch=true QVStaple=None Collate=true",
    PT + "PrintTypeTicketKey=2 " + PT + "PrintTypeUserNameTicketKey=/97/98/99 " + PT +
        "PrintTypePasswordTicketKey=QUJD " + PT + "DocumentNameTypeTicketKey=2 " + PT + "DocumentNameTicketKey=/230/151/165",
    PT + "JBAManageTypeListTicketKey=2 " + PT + "JBAAdminUserInputRadioBtnTicket=1 " + PT +
        "JBAUserIDListCtrlTicket=1 " + PT + "JBAInputUserIDTextEditTicket=bob " + PT +
        "JBAInputUserPasswordTextEditTicket=pw " + PT + "JBALoginTextEditTicket=/76/111 " + PT +
        "JBAIPAddressStringTicket=10.1.200.15 " + PT + "JBAPllrPrintDateTicketKey=01/02/2026",
    "com.apple.print.PrintSettings.PMLayoutRows..n.=2 com.apple.print.PrintSettings.PMLayoutColumns..n.=2",
    "number-up=4 page-set=odd com.apple.print.PrintSettings.PMCopies..n.=2 QVTurnPage=true QVPDFRasterizedMode=true",
    "'" + PT + "DocumentNameTicketKey=a b' \"media=A4\" x={a=b c=d}",
    PT + "PrintTypeProductTypeTicketKey=3 QVColorMode=Black QVOutputMode=HighQuality QVTrapping=false",
]
for i, o in enumerate(options):
    ppd = bytes([i % 4])
    put("print_options", ppd + b"alice\0report\0" + b"1\0" + o.encode())
put("print_options", b"\x00\xe5\xb1\xb1\xe7\x94\xb0\0\xe5\xa0\xb1\xe5\x91\x8a\xe6\x9b\xb8\0" + b"3\0" + options[6].encode())

for v in ["/65/66/67", "/65/300/67", "a/65/66", "/", "", "/65/4294967361", "/65/-191", "/ 65/+66", "/230/151/165"]:
    put("value_escape", v)

for v in ["abc", "\\~", "日本語のパスワード", "\u00e9t\u00e9", "\U0001F600", "\xff\xfe", "a" * 300]:
    put("codeset", b"\x10" + v.encode("utf-8", "surrogateescape"))
put("codeset", b"\x03\xe3\x81\x82\xe3\x81\x84")

for kind, value in [(0, '"secret"'), (1, "alice"), (0, "x" * 300), (1, '"a\nb"'), (2, "v"), (0, "\u65e5" * 100)]:
    put("pjl_line", bytes([kind, 0]) + value.encode())

for t in ["report", "a" * 40, "a" * 31 + "\u3042", "tab\there", "\u6587\u66f8", "\uff71\uff72", "x\x7f"]:
    for c in (0, 1, 6, 7):
        put("document_name", bytes([c]) + t.encode())

convs = [
    "application/pdf application/vnd.cups-pdf 66 fakefilter\n",
    "# comment\napplication/pdf\tapplication/vnd.cups-pdf 1000 expensive\napplication/pdf application/vnd.cups-pdf 0 pdftopdf\n",
    "#application/pdf application/vnd.cups-pdf 66 commented\n",
]
try:
    with open("/usr/share/cups/mime/mime.convs", "rb") as f:
        convs.append(f.read().decode("latin-1"))
except OSError:
    pass
for c in convs:
    put("conversion_table", "application/pdf\n" + c)

cache = [
    "PrintFeaturePDETiger\nQVStaple:LeftDoublePort@0@3@2@\n",
    "PrintFeaturePDEPanther\nA:1@0@0@1@\nPrintFeaturePDETiger\nB:1@0@1@1@B:2@0@1@2@\n",
    "QVPunch:True@0@2@1@QVStaple:None@1@0@0@",
    "A:1@65535@0@0@B:1@65536@0@0@C:1@-1@0@0@D:1@0@99999999999999999999999@0@\n",
    "A:1@0@0@1@@4@4@4@A:1@0@0@1@\r\n",
]
for i, c in enumerate(cache):
    put("xppd_cache", bytes([i % 4]) + c.encode())

for rel in ["ppd/quorvel-kz63-color-mfp.ppd", "ppd/quorvel-rx42-mfp.ppd", "ppd/quorvel-wt74-printer.ppd"] + [
        "tests/constraints/fixtures/" + f for f in sorted(os.listdir(os.path.join(ROOT, "tests/constraints/fixtures")))] + [
        "tests/panelkit/fixtures/utility.ppd"]:
    put("ppd_reads", read(rel))

for text in ["10.1.200.15\n", "127.0.0.1\n", "fe80::1%en0\n", "2001:db8::1\n", "::\n", "1.2.3.4.5\n", "256.1.1.1\n",
             "0010.1.1.1\n", "::ffff:10.0.0.1\n"]:
    put("host_address", text.encode() + b"\x00\x7f\x00\x00\x01\x00\xc0\xa8\x00\x05\x01" + bytes(16))

for t in ["QUI=", "QUJD", "QQ==", "QU JD", "====", "QUJ=QUJD", "\xff\xff\xff\xff", "ZGVmZw=="]:
    for cap in (0, 1, 64):
        put("kvt_base64", bytes([cap]) + t.encode("latin-1"))

put("validate_input", bytes([1, 1, 0, 0x20, 0, 0x7e]) + bytes(76) + "abc".encode("utf-16-be"))
put("validate_input", bytes([25, 200]) + bytes(80) + "\u3042 \u3000x".encode("utf-16-be"))

for s in ['"Alert OK Btn" = "\\U306f\\U3044";\n', '/* c */ "Message22k" = "Enter 1 to 999.";\n', '"key";\n',
          '"a" = "b"; // tail\n"c" = "d";', '<?xml version="1.0"?><plist version="1.0"><dict><key>a</key><string>b</string></dict></plist>']:
    put("strings_table", s)
    put("strings_table", b"\xff\xfe" + s.encode("utf-16-le"))
print("seeds written to", OUT)
