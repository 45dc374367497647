#!/usr/bin/env python3
"""wine-user-reg.py PREFIX KEY NAME VALUE [KEY NAME VALUE...]

Sets values in a stopped Wine prefix's user.reg directly, the way Wine itself
writes them (VALUE as it stands in the file: "text" or dword:0000000a). Each
`wine reg add` starts the whole Wine session of the prefix; this starts none.
The wineserver must not be running: it would write its own copy back.
"""
import os
import sys


def quoted_key(key):
    return "[" + key.replace("\\", "\\\\") + "]"


def set_value(lines, key, name, value):
    header = quoted_key(key)
    entry = '"%s"=%s\n' % (name, value)
    for i, line in enumerate(lines):
        if line.startswith(header + " ") or line.rstrip("\n") == header:
            j = i + 1
            while j < len(lines) and lines[j].strip() and not lines[j].startswith("["):
                if lines[j].startswith('"%s"=' % name):
                    lines[j] = entry
                    return
                j += 1
            lines.insert(j, entry)
            return
    lines.extend(["\n", header + "\n", entry])


def main(argv):
    if len(argv) < 5 or (len(argv) - 2) % 3:
        sys.exit(__doc__)
    path = os.path.join(argv[1], "user.reg")
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.readlines()
    for at in range(2, len(argv), 3):
        set_value(lines, *argv[at:at + 3])
    with open(path + ".new", "w", encoding="utf-8", newline="") as f:
        f.writelines(lines)
    os.replace(path + ".new", path)


if __name__ == "__main__":
    main(sys.argv)
