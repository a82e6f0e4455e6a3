#!/usr/bin/env python3
"""Writes the seed corpora of the dialog side's harnesses under
fuzz/corpus/<harness>/: the scripts of the dialog tests, the bundles' own
layouts, saved-settings and cache files as the dialog writes them, and the
texts the field tests type. Run it again after adding test inputs."""
import glob, os, re, struct

from seed_files import OUT, PT, ROOT, put, read

# Scripts: the string literals of the dialog tests that hold script lines.
verbs = ("panel ", "choose ", "check ", "press ", "type ", "radio ", "step ", "page ", "preset ", "print", "save")
for test in glob.glob(os.path.join(ROOT, "tests", "**", "*.cpp"), recursive=True):
    text = open(test, encoding="utf-8", errors="replace").read()
    for literal in re.findall(r'"((?:[^"\\\n]|\\.)*\\n(?:[^"\\\n]|\\.)*)"', text):
        script = literal.encode().decode("unicode_escape", errors="replace")
        if script.lstrip().startswith(verbs):
            put("script_parser", script)
put("script_parser", "# comment\n\n  panel features\r\npage 2\nchoose QVColorMode #1\ncheck 10 on\n"
    "step 15 down\ntype 1022 a b\ntype 20 \nchoose 11 \"Key \\\" q\"\npress @PFWndOKButton#2\n"
    "preset save Two sided\npreset load Two sided\nhelp\ndump\nprint\n")

# Layouts: every layout the bundles ship, and one in binary form.
layouts = glob.glob(os.path.join(ROOT, "account", "Resources", "*.plist")) + \
    glob.glob(os.path.join(ROOT, "features", "Resources", "*.plist"))
for path in layouts:
    put("layout_reader", open(path, "rb").read())
put("layout_reader", b"bplist00\xd1\x01\x02UTitleUKey 1\x08\x0b\x11\x00\x00\x00\x00\x00\x00\x01\x01"
    b"\x00\x00\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x17")

def plist(body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" '
            '"http://www.apple.com/DTDs/PropertyList-1.0.dtd">\n<plist version="1.0">\n' + body + '\n</plist>\n')

saved = plist("<dict><key>PrintSettings</key><array><dict><key>Key</key><string>" + PT +
              "PrintTypeTicketKey</string><key>Value</key><string>2</string><key>Locked</key><true/></dict>"
              "<dict><key>Key</key><string>" + PT + "DocumentNameTicketKey</string><key>Value</key>"
              "<string>/97/44/98</string><key>Locked</key><false/></dict></array><key>PPDChoices</key><array>"
              "<dict><key>Option</key><string>QVColorMode</string><key>Choice</key><string>Black</string>"
              "</dict></array></dict>")
presets = plist("<dict><key>Two sided</key>" + saved.split("<plist version=\"1.0\">\n")[1].split("\n</plist>")[0] +
                "</dict>")
wrong = plist("<dict><key>PrintSettings</key><dict/><key>PPDChoices</key><array><string>x</string>"
              "<dict><key>Option</key><integer>3</integer></dict></array></dict>")
for control in (1, 2, 3, 7, 15):
    for body in (saved, presets, wrong, plist("<array/>"), saved[: len(saved) // 2], "not a plist"):
        put("saved_settings", bytes([control]) + b"Two sided\n" + PT.encode() + b"Key\nv,a'l\n" + body.encode())

cache = plist("<dict><key>KZ63com.lumeral.vrk.printsettings.PrintTypeReference</key><string>2</string>"
              "<key>JBAUserIDTextEditPref</key><string>alice</string><key>n</key><integer>1</integer></dict>")
for control in (0, 1, 3):
    for body in (cache, plist("<array/>"), cache[:40], "\x00\x01binary"):
        put("preference_cache", bytes([control]) + b"JBAUserIDTextEditPref\nbob\n" + body.encode())

def units(text):
    return b"".join(struct.pack(">H", ord(c)) for c in text)

typed = ["alice", "1234", "0012", "12345678901234567890", "Report 1", "\uff76\uff85", "caf\u00e9", "a b", "",
         "\u3000", "x" * 40, "\u00ff\u0100", "\ud83d"]
for i, text in enumerate(typed):
    put("field_input", bytes([i]) + units(text))
    put("print_type_formatter", bytes([i, 8]) + units(text))
    put("print_type_formatter", bytes([0x80 | i, 3]) + units(text))

for field in range(4):
    for text in ("12.7", "0.50", "0", "25", "1.0", "15.0", "0.59", "007", ".5", "1.", "1..0", "99999999999",
                 "1e3", "-1", "0.05", "2.54"):
        put("margin_number", bytes([field, 0, 0, 0, field * 7]) + text.encode())

for text in ("3", "3,10,25", "3, 10 ,25", "00010", ",3", "3,", "3,,4", "1", "9999", "10000", " ",
             ",".join(str(p) for p in range(2, 23)), "2," + "0" * 260 + "5", "2,3"):
    put("page_input", bytes([19]) + text.encode())

for control in range(16):
    for text in ("alice", "a,b", "/x", "it's", "back\\slash", "caf\u00e9 \u65e5\u672c", "\U0001F600", "x" * 255,
                 "\u65e5" * 85, "a b\tc", "\"q\""):
        put("value_round_trip", bytes([control]) + text.encode())
