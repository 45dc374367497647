#!/usr/bin/env python3
"""user-guide.py README.md VERSION OUT.txt: writes the Chinese part of the
README as the plain-text guide that ships beside the programs.

Notepad before Windows 10 1903 reads a file without a BOM as ANSI (GBK) and
breaks lines only at CR LF, so the guide is UTF-8 with a BOM and CR LF. Its
word wrap is off by default, so paragraphs are wrapped here, by display
width (a Chinese character or
punctuation mark takes two columns, as in SimSun)."""
import re
import sys
import unicodedata

WIDTH = 76
# Characters a line must not start with (Chinese line-breaking rules).
NO_LINE_START = set("，。、；：？！）》」』”’】…,.;:?!)")
# And must not end with.
NO_LINE_END = set("“‘（《「『【(")


def chinese_part(markdown):
    lines = markdown.splitlines()
    start = lines.index("## 中文说明") + 1
    end = next(i for i in range(start, len(lines)) if lines[i].strip() == "---")
    return lines[start:end]


def plain(text):
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)  # links keep their text
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    return text.replace("`", "")


def columns(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WFA" else 1 for c in text)


def wrap(text, first_indent, indent):
    """Breaks between Chinese characters or at spaces, never inside an English word."""
    # Units: a run of ASCII letters, digits and marks stays whole (with Chinese
    # characters glued between two such runs: "Lornel-版本号.zip"); spaces and
    # every other character are units of their own.
    units = re.findall(r"[!-~]+(?:[\u4e00-\u9fff]+[!-~]+)*| |.", text)
    lines, line = [], first_indent
    for unit in units:
        if unit == " " and line.strip() == "":
            continue
        fits = columns(line) + columns(unit) <= WIDTH
        if fits or line.strip() == "":
            line += unit
            continue
        # A closing mark stays with the character before it, an opening one with the next.
        carry = unit
        while carry[0] in NO_LINE_START and len(line.strip()) > 1 and not line[-1].isspace():
            carry, line = line[-1] + carry, line[:-1]
        while line[-1] in NO_LINE_END and len(line.strip()) > 1:
            carry, line = line[-1] + carry, line[:-1]
        lines.append(line.rstrip())
        line = indent + carry.lstrip(" ")
    lines.append(line.rstrip())
    return lines


def guide(markdown, version):
    out = [f"Lornel 课堂抢答 {version} 使用说明", ""]
    for raw in chinese_part(markdown):
        if re.match(r"\s*!\[", raw) or raw.startswith("```"):
            continue  # pictures are not shipped; code fences mean nothing in Notepad
        heading = re.match(r"#+\s+(.*)", raw)
        if heading:
            out.append(f"【{plain(heading.group(1))}】")
            continue
        item = re.match(r"(\s*)([-*]|\d+\.)\s+(.*)", raw)
        if item:
            lead, mark, body = item.groups()
            mark = "-" if mark in "-*" else mark
            first = lead + mark + " "
            out += wrap(plain(body), first, " " * columns(first))
        elif raw.strip():
            out += wrap(plain(raw.strip()), "", "")
        elif out[-1] != "":
            out.append("")
    while out[-1] == "":
        out.pop()
    return "\ufeff" + "\r\n".join(out) + "\r\n"


def main():
    readme, version, target = sys.argv[1:4]
    with open(readme, encoding="utf-8") as f:
        text = guide(f.read(), version)
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    main()
