#!/usr/bin/env python3
"""Copies C++ sources with every non-ASCII byte of their string and character literals written as the
GBK bytes in octal escapes, so that a compiler without -fexec-charset (clang, for the fuzzing build)
produces the same program bytes as gcc with -finput-charset=UTF-8 -fexec-charset=GBK.

usage: gbk_literals.py SOURCE_ROOT TARGET_ROOT DIR...   (copies *.h and *.cpp under each DIR)
"""
import os
import sys


def escape_literal(body: str) -> str:
    out = []
    for ch in body:
        if ord(ch) < 0x80:
            out.append(ch)
        else:
            out.extend("\\%03o" % b for b in ch.encode("gbk"))
    return "".join(out)


def convert(text: str) -> str:
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == '_')):
            open_paren = text.find("(", i + 2)
            delim = text[i + 2:open_paren]
            close = text.find(")" + delim + '"', open_paren)
            body = text[open_paren + 1:close]
            if any(ord(ch) >= 0x80 for ch in body):
                raise SystemExit("raw string literal with non-ASCII text is not supported")
            end = close + len(delim) + 2
            out.append(text[i:end])
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + escape_literal(text[i + 1:j]) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main() -> None:
    source_root, target_root, dirs = sys.argv[1], sys.argv[2], sys.argv[3:]
    for d in dirs:
        for base, _, files in os.walk(os.path.join(source_root, d)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                src = os.path.join(base, name)
                dst = os.path.join(target_root, os.path.relpath(src, source_root))
                with open(src, encoding="utf-8") as f:
                    converted = convert(f.read())
                os.makedirs(os.path.dirname(dst), exist_ok=True)
                if os.path.exists(dst):
                    with open(dst, encoding="ascii", errors="replace") as f:
                        if f.read() == converted:
                            continue
                with open(dst, "w", encoding="utf-8") as f:
                    f.write(converted)


if __name__ == "__main__":
    main()
