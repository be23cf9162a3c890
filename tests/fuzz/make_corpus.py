#!/usr/bin/env python3
"""Build the fuzzer's seed corpus: every input file of examples/ and
tests/data/ (the fuzz regressions included), and every input text written
into the tests as a string literal that starts with the format tag (a raw
string, or adjacent plain literals up to the first piece that is not a
literal). Files are named by the SHA-1 of their contents, so reruns add
nothing twice.

usage: make_corpus.py SOURCE_DIR OUT_DIR
"""
import ast
import hashlib
import pathlib
import re
import sys

RAW = re.compile(r'R"([^(\s]*)\((ORMYXP6.*?)\)\1"', re.S)
# A run of adjacent plain literals whose first starts with the tag.
PLAIN = re.compile(r'"ORMYXP6(?:[^"\\\n]|\\.)*"(?:\s*"(?:[^"\\\n]|\\.)*")*')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def literal_text(run):
    out = []
    for m in LITERAL.finditer(run):
        try:
            out.append(ast.literal_eval('"' + m.group(1) + '"'))
        except (ValueError, SyntaxError):
            return None
    return "".join(out)


def seeds(src):
    for pat in ("examples/*.inp", "tests/data/**/*.inp"):
        for p in sorted(src.glob(pat)):
            if p.is_file():
                yield p.read_bytes()
    for p in sorted(list(src.glob("tests/*.cpp")) + list(src.glob("tests/*.h"))):
        text = p.read_text(errors="replace")
        for m in RAW.finditer(text):
            yield m.group(2).encode()
        for m in PLAIN.finditer(text):
            t = literal_text(m.group(0))
            if t:
                yield t.encode("latin-1", "replace")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    src, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    new = 0
    for data in seeds(src):
        f = out / hashlib.sha1(data).hexdigest()
        if not f.exists():
            f.write_bytes(data)
            new += 1
    print(f"{new} new seeds in {out} ({len(list(out.iterdir()))} in all)")


if __name__ == "__main__":
    main()
