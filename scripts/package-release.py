#!/usr/bin/env python3
"""Packs one portable release zip: Trailglint.exe, README.txt (the user's part
of README.md) and LICENSE.txt.

Usage: package-release.py VERSION EXE OUT.zip

The same input gives the same bytes: the entries come in a fixed order, each
dated SOURCE_DATE_EPOCH (1 January 2026 when it is not set) with fixed
permissions. The text files get a UTF-8 mark and Windows line ends, so that
Notepad shows the Japanese menu captions and the lines.
"""
import os
import re
import sys
import time
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
# README.md's sections a user of the program needs, besides its opening.
USER_SECTIONS = ("Using it", "Settings")


def plain(text):
    """Markdown emphasis, code and links as plain text."""
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    return text.replace("**", "").replace("`", "")


def user_readme(markdown, version):
    title, *rest = markdown.splitlines()
    opening, sections, current = [], {}, None
    for line in rest:
        if line.startswith("## "):
            current = line[3:].strip()
            sections[current] = []
        elif current is None:
            opening.append(line)
        else:
            sections[current].append(line)
    missing = [name for name in USER_SECTIONS if name not in sections]
    if missing:
        sys.exit(f"README.md has no section {', '.join(missing)}")

    # The opening without its picture and the picture's caption.
    paragraphs = "\n".join(opening).strip().split("\n\n")
    kept = [p for p in paragraphs if not p.startswith("![") and not (p.startswith("*") and p.endswith("*"))]

    heading = f"{title.lstrip('# ').strip()} {version}"
    out = [heading, "=" * len(heading), "", *"\n\n".join(kept).splitlines()]
    for name in USER_SECTIONS:
        out += ["", "", name, "-" * len(name), *"\n".join(sections[name]).strip("\n").splitlines()]
    return plain("\n".join(out)) + "\n"


def windows_text(text):
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def main(version, exe, target):
    stamp = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", "1767225600")))
    entries = [
        ("Trailglint.exe", Path(exe).read_bytes(), 0o755),
        ("README.txt", windows_text(user_readme((ROOT / "README.md").read_text("utf-8"), version)), 0o644),
        ("LICENSE.txt", windows_text((ROOT / "LICENSE").read_text("utf-8")), 0o644),
    ]
    with zipfile.ZipFile(target, "w") as archive:
        for name, data, mode in entries:
            entry = zipfile.ZipInfo(name, date_time=stamp[:6])
            entry.create_system = 3  # Unix, so that the permissions below are read
            entry.external_attr = (0o100000 | mode) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, data, compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
