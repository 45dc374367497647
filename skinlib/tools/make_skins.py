#!/usr/bin/env python3
"""Builds the binary .SHE skins from the readable descriptions in skinlib/skins.

usage: make_skins.py OUTPUT_DIR SOURCE.skin...

Each source is "key = value" lines; '#' not followed by six hex digits starts a comment. Colours are #RRGGBB;
a gradient is two colours. Keys left out are derived from the ones given, and
every skin must pass the readability checks below, or the build stops.
"""
import os
import re
import struct
import sys
import zlib

MAGIC = bytes([0x2E, 0x53, 0x48, 0x45, 0x00, 0x03])
TAG_END, TAG_NAME, TAG_COLOUR, TAG_METRIC = 0, 1, 2, 3

# Slot order of skin_format.h.
COLOURS = [
    "face", "face-text", "light", "highlight", "shadow", "dark-shadow", "field", "field-text",
    "accent", "accent-text", "button-top", "button-bottom", "button-text", "button-border",
    "hot-top", "hot-bottom", "hot-text", "pressed-top", "pressed-bottom", "pressed-text",
    "disabled-face", "disabled-text", "frame", "frame-light", "progress-track", "progress-top",
    "progress-bottom", "mark",
]
METRICS = [  # name, lowest, highest, default, named values
    ("button-radius", 0, 20, 4, {}),
    ("panel-radius", 0, 20, 4, {}),
    ("border-width", 1, 3, 1, {}),
    ("frame-style", 0, 1, 0, {"single": 0, "etched": 1}),
    ("caption-style", 0, 1, 0, {"plain": 0, "tab": 1}),
    ("gloss", 0, 1, 0, {"no": 0, "yes": 1}),
    ("block-width", 0, 32, 0, {"auto": 0}),
    ("block-gap", 0, 8, 2, {}),
]
GRADIENTS = {"button": "button", "hot": "hot", "pressed": "pressed", "progress": "progress"}

# Text colours that the program itself puts on the skin's face: radio captions,
# group box captions and plain black labels.
PROGRAM_TEXT = {"#000080": 0x000080, "#008080": 0x008080, "#800080": 0x800080, "#000000": 0}


# '#' starts a comment unless it begins a colour.
COMMENT = re.compile(r"#(?![0-9A-Fa-f]{6}\b).*$")


class SkinError(Exception):
    pass


def parse_colour(text, where):
    if not re.fullmatch(r"#[0-9A-Fa-f]{6}", text):
        raise SkinError(f"{where}: '{text}' is not #RRGGBB")
    return int(text[1:], 16)


def mix(a, b, t):
    """a blended toward b by t (0..1)."""
    out = 0
    for shift in (16, 8, 0):
        ca, cb = (a >> shift) & 255, (b >> shift) & 255
        out |= int(round(ca + (cb - ca) * t)) << shift
    return out


def luminance(c):
    def channel(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (c >> 16) & 255, (c >> 8) & 255, c & 255
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def readable_on(c):
    return 0xFFFFFF if contrast(c, 0xFFFFFF) >= contrast(c, 0x101010) else 0x101010


def read_source(path):
    values = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = COMMENT.sub("", line).strip()
            if not line:
                continue
            if "=" not in line:
                raise SkinError(f"{path}:{number}: expected 'key = value'")
            key, value = (part.strip() for part in line.split("=", 1))
            if key in values:
                raise SkinError(f"{path}:{number}: '{key}' given twice")
            values[key] = (value, f"{path}:{number}")
    return values


def build_skin(path):
    given = read_source(path)
    known = set(COLOURS) | {m[0] for m in METRICS} | set(GRADIENTS) | {"name"}
    for key, (_, where) in given.items():
        if key not in known:
            raise SkinError(f"{where}: unknown key '{key}'")
    if "name" not in given:
        raise SkinError(f"{path}: no name")
    name = given["name"][0].encode("utf-8")
    if not 1 <= len(name) <= 63:
        raise SkinError(f"{path}: name must be 1 to 63 bytes")

    c = {}
    for key, (value, where) in given.items():
        if key in GRADIENTS:
            parts = value.split()
            if len(parts) != 2:
                raise SkinError(f"{where}: a gradient is two colours")
            c[key + "-top"], c[key + "-bottom"] = (parse_colour(p, where) for p in parts)
        elif key in COLOURS:
            c[key] = parse_colour(value, where)
    for required in ("face", "face-text", "accent", "button-top", "button-bottom"):
        if required not in c:
            raise SkinError(f"{path}: '{required}' is required")

    def default(key, value):
        c.setdefault(key, value)

    face, accent = c["face"], c["accent"]
    default("light", mix(face, 0xFFFFFF, 0.55))
    default("highlight", mix(face, 0xFFFFFF, 0.85))
    default("shadow", mix(face, 0x000000, 0.38))
    default("dark-shadow", mix(face, 0x000000, 0.65))
    default("field", 0xFFFFFF)
    default("field-text", c["face-text"])
    default("accent-text", readable_on(accent))
    default("button-text", readable_on(mix(c["button-top"], c["button-bottom"], 0.5)))
    default("button-border", mix(c["button-bottom"], 0x000000, 0.35))
    default("hot-top", mix(c["button-top"], 0xFFFFFF, 0.45))
    default("hot-bottom", mix(c["button-bottom"], accent, 0.25))
    default("hot-text", c["button-text"])
    default("pressed-top", mix(c["button-bottom"], 0x000000, 0.18))
    default("pressed-bottom", mix(c["button-top"], 0x000000, 0.08))
    default("pressed-text", c["button-text"])
    default("disabled-face", mix(face, 0xFFFFFF, 0.35))
    default("disabled-text", mix(c["disabled-face"], 0x000000, 0.45))
    default("frame", mix(face, 0x000000, 0.35))
    default("frame-light", mix(face, 0xFFFFFF, 0.75))
    default("progress-track", mix(face, 0xFFFFFF, 0.6))
    default("progress-top", mix(accent, 0xFFFFFF, 0.3))
    default("progress-bottom", accent)
    default("mark", accent)

    metrics = []
    for key, low, high, fallback, named in METRICS:
        if key in given:
            value, where = given[key]
            number = named.get(value)
            if number is None:
                if not re.fullmatch(r"\d+", value):
                    raise SkinError(f"{where}: '{value}' is not a number for '{key}'")
                number = int(value)
            if not low <= number <= high:
                raise SkinError(f"{where}: {key} must be {low} to {high}")
        else:
            number = fallback
        metrics.append(number)

    check_readable(path, c, metrics)

    payload = bytearray()

    def record(tag, body):
        payload.extend(struct.pack("<BH", tag, len(body)))
        payload.extend(body)

    record(TAG_NAME, name)
    for slot, key in enumerate(COLOURS):
        v = c[key]
        record(TAG_COLOUR, bytes([slot, (v >> 16) & 255, (v >> 8) & 255, v & 255]))
    for slot, value in enumerate(metrics):
        record(TAG_METRIC, bytes([slot, value]))
    record(TAG_END, b"")
    return MAGIC + struct.pack("<I", zlib.crc32(payload) & 0xFFFFFFFF) + bytes(payload)


def check_readable(path, c, metrics):
    """Readable on a classroom display: dark text on light faces, or the reverse."""
    problems = []

    def need(fg, bg, least, what):
        ratio = contrast(c[fg] if isinstance(fg, str) else fg, c[bg])
        if ratio < least:
            problems.append(f"{what}: contrast {ratio:.2f} < {least}")

    need("face-text", "face", 7.0, "face text")
    need("field-text", "field", 7.0, "field text")
    for state in ("button", "hot", "pressed"):
        for end in ("top", "bottom"):
            need(f"{state}-text", f"{state}-{end}", 4.5, f"{state} text on {end}")
    need("disabled-text", "disabled-face", 2.2, "disabled text")
    need("accent-text", "accent", 4.5, "accent text")
    need("accent", "field", 2.5, "focus ring on field")
    need("mark", "field", 3.0, "radio mark")
    need("frame", "face", 1.6, "frame line")
    need("progress-bottom", "progress-track", 1.8, "progress blocks")
    # The program's own caption colours are large bold text: 3:1 is the floor.
    backgrounds = ["face"] + (["light"] if metrics[4] == 1 else [])
    for label, value in PROGRAM_TEXT.items():
        for bg in backgrounds:
            need(value, bg, 3.0, f"program text {label} on {bg}")
    if problems:
        raise SkinError(f"{path}: not readable enough:\n  " + "\n  ".join(problems))


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    try:
        for source in argv[2:]:
            number = re.search(r"skin(\d\d)\.skin$", source)
            if not number:
                raise SkinError(f"{source}: expected a name like skin07.skin")
            data = build_skin(source)
            target = os.path.join(out_dir, f"skin{number.group(1)}.she")
            tmp = target + ".tmp"
            with open(tmp, "wb") as f:
                f.write(data)
            os.replace(tmp, target)
    except SkinError as error:
        print(f"make_skins: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
