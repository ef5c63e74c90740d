#!/usr/bin/env python3
# Every text of the program is in the catalogues:
#  1. no string literal with Japanese in it is shown without passing through the translation
#     functions (a text written straight into a caption or a message would stay Japanese);
#  2. each catalogue holds exactly the texts the sources ask for, every one translated.
#
#   catalogue_check.py SOURCE_DIR LUPDATE CATALOGUE.ts...
import re
import subprocess
import sys
import tempfile
from pathlib import Path

TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP"}
# Data rather than interface: font family names, and the checker, which has its own texts.
NOT_INTERFACE = {"platform/FontMapper.cpp", "platform/StdFont.h", "palette/PropertyDialogLook.cpp"}
NOT_INTERFACE_DIRS = ("check/",)
# Qt's own texts that the program only looks for.
FOREIGN_CONTEXTS = {"QLineEdit"}

TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|[A-Za-z_]\w*|\S',
                   re.S)


def untranslated_literals(text):
    """Literals with non-ASCII characters whose innermost call is not a translating one."""
    calls = []
    previous = None
    for m in TOKEN.finditer(text):
        tok = m.group(0)
        if tok.startswith("//") or tok.startswith("/*"):
            previous = None
            continue
        if tok == "(":
            calls.append(previous)
        elif tok == ")":
            if calls:
                calls.pop()
        elif tok.endswith('"') and any(ord(c) > 127 for c in tok):
            if not calls or calls[-1] not in TRANSLATING:
                yield text.count("\n", 0, m.start()) + 1, tok
        previous = tok


def messages(ts_text):
    def decode(s):
        s = re.sub(r'<byte value="x([0-9a-f]+)"/>', lambda m: chr(int(m.group(1), 16)), s)
        for a, b in (("&lt;", "<"), ("&gt;", ">"), ("&quot;", '"'), ("&apos;", "'"), ("&amp;", "&")):
            s = s.replace(a, b)
        return s
    out = {}
    for c in re.finditer(r"<context>\s*<name>(.*?)</name>(.*?)</context>", ts_text, re.S):
        for m in re.finditer(r"<message>.*?<source>(.*?)</source>.*?(<translation[^>]*?/>|<translation[^>]*>.*?</translation>)",
                             c.group(2), re.S):
            translation = m.group(2)
            finished = "unfinished" not in translation and "vanished" not in translation and "obsolete" not in translation
            out[(c.group(1), decode(m.group(1)))] = finished
    return out


def main():
    src = Path(sys.argv[1])
    lupdate = sys.argv[2]
    problems = []
    for path in sorted(list(src.rglob("*.cpp")) + list(src.rglob("*.h"))):
        rel = path.relative_to(src).as_posix()
        if rel in NOT_INTERFACE or rel.startswith(NOT_INTERFACE_DIRS):
            continue
        for line, literal in untranslated_literals(path.read_text(encoding="utf-8")):
            problems.append(f"{rel}:{line}: not translated: {literal}")

    for catalogue in sys.argv[3:]:
        have = messages(Path(catalogue).read_text(encoding="utf-8"))
        with tempfile.TemporaryDirectory() as tmp:
            fresh = Path(tmp) / Path(catalogue).name
            subprocess.run([lupdate, "-silent", "-locations", "none", "-source-language", "ja", str(src), "-ts", str(fresh)],
                           check=True, stdout=subprocess.DEVNULL)
            wanted = set(messages(fresh.read_text(encoding="utf-8")))
        for key in sorted(wanted - set(have)):
            problems.append(f"{Path(catalogue).name}: missing {key}")
        for key in sorted(set(have) - wanted):
            problems.append(f"{Path(catalogue).name}: no longer used {key}")
        for key, finished in sorted(have.items()):
            if key in wanted and not finished and key[0] not in FOREIGN_CONTEXTS:
                problems.append(f"{Path(catalogue).name}: not translated {key}")

    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
