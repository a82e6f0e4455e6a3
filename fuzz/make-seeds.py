#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<harness>/ from the inputs the
tests use (options, titles, tables, cache files, PPDs, cipher texts). Run it
again after adding test inputs. run.sh never writes here: what the fuzzer
finds goes into build-fuzz/corpus/."""
import os, sys

from seed_files import OUT, PT, ROOT, put, read

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

# page_pass: three control bytes (turn, step, last page), then a PDF whose
# page tree, boxes, rotations or resources are odd.
def pdf(objects, xref=True):
    out, offsets = b"%PDF-1.4\n", []
    for i, o in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (i, o.encode("latin-1"))
    start = len(out)
    if xref:
        out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
        out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    else:  # every offset wrong: readers must rebuild the table
        out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
        out += b"".join(b"%010d 00000 n \n" % (o + 7) for o in offsets)
    return out + b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, start)

def stream(data):
    return "<< /Length %d >>\nstream\n%s\nendstream" % (len(data), data)

MARK = "0 g 5 70 20 20 re f 1 0 0 rg 40 40 10 10 re f"

def doc(root, pages, extra=(), xref=True):
    """Catalog 1, page tree root 2, then the pages' dictionaries (their
    content streams follow them), then extra objects."""
    objects = ["<< /Type /Catalog /Pages 2 0 R >>", root]
    first = 3 + len(pages)
    for i, p in enumerate(pages):
        objects.append(p.replace("CONTENT", "%d 0 R" % (first + i)))
    objects += [stream(MARK)] * len(pages)
    return pdf(objects + list(extra), xref)

def page(box="[0 0 100 100]", more=""):
    return "<< /Type /Page /Parent 2 0 R /MediaBox %s /Contents CONTENT /Resources << >> %s>>" % (box, more)

three = [page(), page("[0 0 60 90]"), page("[10 10 110 80]")]
kids3 = "/Kids [3 0 R 4 0 R 5 0 R]"
seeds = [
    doc("<< /Type /Pages %s /Count 3 >>" % kids3, three),
    doc("<< /Type /Pages %s /Count 1 >>" % kids3, three),
    doc("<< /Type /Pages %s /Count 0 >>" % kids3, three),
    doc("<< /Type /Pages %s /Count 99 >>" % kids3, three),
    doc("<< /Type /Pages %s /Count 3 >>" % kids3, three, xref=False),
    # a node whose kid is the root again
    doc("<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 2 >>", [page()],
        ["<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>"]),
    # the same page twice, a kid that is no dictionary, a null kid
    doc("<< /Type /Pages /Kids [3 0 R 3 0 R 42 null] /Count 4 >>", [page()]),
    doc("<< /Type /Pages /Count 1 >>", [page()]),
    # boxes: huge, inverted, empty, inherited from the root, absent
    doc("<< /Type /Pages %s /Count 3 >>" % kids3,
        [page("[0 0 520000000 520000000]"), page("[100 100 0 0]"), page("[0 0 0 0]")]),
    doc("<< /Type /Pages %s /Count 3 /MediaBox [0 0 50 70] /Rotate 90 >>" % kids3,
        [p.replace("/MediaBox [0 0 100 100] ", "") for p in three]),
    doc("<< /Type /Pages /Kids [3 0 R] /Count 1 >>", ["<< /Type /Page /Parent 2 0 R /Contents CONTENT >>"]),
    doc("<< /Type /Pages /Kids [3 0 R] /Count 1 >>", [page("[0 0 99999999999999999999999 100]")]),
    doc("<< /Type /Pages /Kids [3 0 R] /Count 1 >>", [page("[0 0 143 144.5]")]),
    # odd rotations
    doc("<< /Type /Pages %s /Count 3 >>" % kids3,
        [page(more="/Rotate 45"), page(more="/Rotate -90"), page(more="/Rotate 7000000000")]),
    doc("<< /Type /Pages %s /Count 3 >>" % kids3,
        [page(more="/Rotate 90"), page(more="/Rotate 180.5"), page(more="/Rotate (x)")]),
    # missing resources and a form that draws itself
    doc("<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        ["<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 100] /Contents CONTENT >>",
         page(more="/Resources 99 0 R")]),
    pdf(["<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 100] /Contents 4 0 R "
         "/Resources << /XObject << /Fm0 5 0 R /Im0 6 0 R >> /Font << /F1 7 0 R >> >> >>",
         stream("/Fm0 Do /Im0 Do BT /F1 12 Tf 10 10 Td (x) Tj ET /Missing Do"),
         "<< /Type /XObject /Subtype /Form /BBox [0 0 100 100] /Resources << /XObject << /Fm0 5 0 R >> >> "
         "/Length 7 >>\nstream\n/Fm0 Do\nendstream",
         "<< /Type /XObject /Subtype /Image /Width 100000 /Height 100000 /ColorSpace /DeviceRGB "
         "/BitsPerComponent 8 /Length 3 >>\nstream\nabc\nendstream",
         "<< /Type /Font /Subtype /Type1 /BaseFont /Nowhere >>"]),
]
# a page tree 60 nodes deep
deep = ["<< /Type /Catalog /Pages 2 0 R >>"]
for n in range(2, 62):
    deep.append("<< /Type /Pages /Kids [%d 0 R] /Count 1 >>" % (n + 1))
deep.append("<< /Type /Page /MediaBox [0 0 100 100] /Contents %d 0 R >>" % (len(deep) + 2))
deep.append(stream(MARK))
seeds.append(pdf(deep))
for i, s in enumerate(seeds):
    put("page_pass", bytes([i % 3, i % 2, (0, 7, 3, 2)[i % 4]]) + s)
print("seeds written to", OUT)
