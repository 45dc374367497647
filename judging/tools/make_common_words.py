#!/usr/bin/env python3
"""Writes the common words that the pinyin test types, with their pinyin from
word lists made apart from Unihan.

make_common_words.py OUT.txt [ROOT]

The words are the most frequent ones of python3-jieba's dict.txt that are two
or more hanzi; their readings come from the Rime pinyin_simp dictionary
(rime-data-pinyin-simp, from Android's Pinyin IME) and pyim's base dictionary
(elpa-pyim-basedict, from libpinyin), every reading either gives. A word
neither spells is left out and counted in the header. ROOT is a folder the
three packages are unpacked or installed in; without it they are fetched
with apt-get download into a temporary folder and unpacked there, nothing
installed. Run it again only to renew the committed list.
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

COUNT = 3000
PACKAGES = ("python3-jieba", "rime-data-pinyin-simp", "elpa-pyim-basedict")
HANZI = re.compile(r"[\u4e00-\u9fff]{2,}")


def one(root, pattern):
    found = glob.glob(os.path.join(root, pattern), recursive=True)
    if len(found) != 1:
        sys.exit(f"make_common_words: {pattern} under {root}: {found or 'not found'}")
    return found[0]


def unpacked(folder):
    subprocess.run(["apt-get", "download", *PACKAGES], cwd=folder, check=True)
    for deb in glob.glob(os.path.join(folder, "*.deb")):
        subprocess.run(["dpkg-deb", "-x", deb, os.path.join(folder, "root")], check=True)
    return os.path.join(folder, "root")


def add(spellings, word, syllables):
    # Readings whose syllables do not pair with the characters are not words' readings.
    if len(syllables) == len(word):
        spellings.setdefault(word, [])
        reading = "".join(syllables).replace("ü", "v")
        if reading not in spellings[word]:
            spellings[word].append(reading)


def main():
    target = sys.argv[1]
    with tempfile.TemporaryDirectory() as temp:
        root = sys.argv[2] if len(sys.argv) > 2 else unpacked(temp)
        spellings = {}
        # "word<TAB>syllables with spaces<TAB>weight" after the "..." ending the header.
        with open(one(root, "usr/share/rime-data/pinyin_simp.dict.yaml"), encoding="utf-8") as rime:
            in_body = False
            for line in rime:
                fields = line.rstrip("\n").split("\t")
                if in_body and len(fields) >= 2:
                    add(spellings, fields[0], fields[1].split())
                in_body = in_body or line.startswith("...")
        # "syl-la-bles word word ...", ";;" comments.
        with open(one(root, "usr/share/emacs/site-lisp/elpa-src/pyim-basedict-*/pyim-basedict.pyim"),
                  encoding="utf-8") as pyim:
            for line in pyim:
                if line.strip() and not line.startswith(";"):
                    syllables, *words = line.split()
                    for word in words:
                        add(spellings, word, syllables.split("-"))
        frequent = []
        with open(one(root, "usr/lib/python3/dist-packages/jieba/dict.txt"), encoding="utf-8") as jieba:
            for order, line in enumerate(jieba):
                word, frequency = line.split()[:2]
                if HANZI.fullmatch(word):
                    frequent.append((-int(frequency), order, word))
    frequent.sort()

    chosen, unspelled = [], 0
    for _, _, word in frequent:
        if len(chosen) == COUNT:
            break
        word.encode("gbk")  # an answer is GBK: a word it cannot hold would be no test
        if word in spellings:
            chosen.append(word)
        else:
            unspelled += 1
    with open(target, "w", encoding="utf-8", newline="\n") as out:
        out.write(f"# The {COUNT} most frequent words of two or more hanzi in python3-jieba's dict.txt\n"
                  f"# that rime-data-pinyin-simp or elpa-pyim-basedict spells ({unspelled} more frequent\n"
                  "# ones neither spells are left out), each with every reading they give.\n"
                  "# Made by judging/tools/make_common_words.py.\n")
        for word in chosen:
            out.write(f"{word} {' '.join(spellings[word])}\n")
    print(f"make_common_words: {len(chosen)} words, {unspelled} left out")


if __name__ == "__main__":
    main()
