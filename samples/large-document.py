#!/usr/bin/env python3
"""Writes a large Hueline document: N objects of every artwork kind on an A4 CMYK page.

The same seed and count give the same file, byte for byte, on any Python 3: the numbers come from
the script's own generator (splitmix64), not from the random module, whose algorithms may change.

    samples/large-document.py --objects 10000 --seed 1 --output large.json
"""

import argparse
import json
import sys

PAGE_WIDTH = 595.276
PAGE_HEIGHT = 841.89
PROCESS_INKS = ["Cyan", "Magenta", "Yellow", "Black"]
# Spot inks the engine's colour book holds (so they give no ink warning), one in each appearance space.
SPOT_INKS = [
    {"name": "PANTONE 186 C", "lab": [43, 68, 38]},
    {"name": "PANTONE 349 C", "lab": [39, -42, 22]},
    {"name": "PANTONE 286 C", "rgb": [0, 56, 168]},
]
FONTS = ["DejaVu Sans", "DejaVu Serif"]
WORDS = ["Orchard", "Gold", "Batch", "250 g", "Best before", "Net", "Lot 7", "Äpfel", "Crème", "№ 42"]
KINDS = ["rectangle", "stroked rectangle", "ellipse", "triangle", "polyline", "text"]


class SplitMix64:
    MASK = (1 << 64) - 1

    def __init__(self, seed):
        self.state = seed & self.MASK

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & self.MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.MASK
        return z ^ (z >> 31)

    def uniform(self, low, high):
        return low + (high - low) * (self.next() >> 11) / float(1 << 53)

    def index(self, count):
        return self.next() % count


def point(value):
    return round(value, 3)


class ArtworkMaker:
    def __init__(self, seed):
        self.random = SplitMix64(seed)
        self.ink_names = PROCESS_INKS + [ink["name"] for ink in SPOT_INKS]

    def paint(self):
        """One or two inks overprinting, a spot ink about one time in three."""
        first = self.ink_names[self.random.index(len(self.ink_names))]
        paint = {first: self.random.index(100) + 1}
        if self.random.index(2) == 0:
            second = PROCESS_INKS[self.random.index(len(PROCESS_INKS))]
            paint.setdefault(second, self.random.index(100) + 1)
        return paint

    def stroke(self):
        return {"width": point(self.random.uniform(0.05, 2)), "inks": self.paint()}

    def corner(self, margin):
        return self.random.uniform(0, PAGE_WIDTH - margin), self.random.uniform(margin, PAGE_HEIGHT)

    def bounds(self):
        left, top = self.corner(40)
        width, height = self.random.uniform(2, 40), self.random.uniform(2, 40)
        return [point(left), point(top), point(left + width), point(top - height)]

    def points(self, count):
        x, y = self.corner(30)
        return [[point(x + self.random.uniform(0, 30)), point(y - self.random.uniform(0, 30))] for _ in range(count)]

    def item(self, kind):
        if kind == "rectangle":
            return {"type": "rectangle", "bounds": self.bounds(), "fill": self.paint()}
        if kind == "stroked rectangle":
            return {"type": "rectangle", "bounds": self.bounds(), "fill": self.paint(), "stroke": self.stroke()}
        if kind == "ellipse":
            return {"type": "ellipse", "bounds": self.bounds(), "fill": self.paint(), "stroke": self.stroke()}
        if kind == "triangle":
            return {"type": "path", "points": self.points(3), "fill": self.paint()}
        if kind == "polyline":
            return {"type": "path", "points": self.points(4), "closed": False, "stroke": self.stroke()}
        x, y = self.corner(10)
        return {"type": "text", "at": [point(x), point(y - 10)], "size": point(self.random.uniform(3, 12)),
                "font": FONTS[self.random.index(len(FONTS))], "text": WORDS[self.random.index(len(WORDS))],
                "fill": self.paint()}


def document(objects, seed):
    maker = ArtworkMaker(seed)
    return {
        "format": "Hueline document",
        "version": 1,
        "colorModel": "CMYK",
        "page": {"width": PAGE_WIDTH, "height": PAGE_HEIGHT, "origin": [0, 0]},
        "inks": SPOT_INKS,
        # The kinds take turns, so every kind is there from six objects on.
        "artwork": [maker.item(KINDS[n % len(KINDS)]) for n in range(objects)],
    }


def write(doc, out):
    # One artwork item a line: a large file stays readable and diffable.
    head = {key: value for key, value in doc.items() if key != "artwork"}
    text = json.dumps(head, ensure_ascii=False)[:-1] + ', "artwork": [\n'
    text += ",\n".join(json.dumps(item, ensure_ascii=False) for item in doc["artwork"])
    out.write(text + "\n]}\n")


def main():
    parser = argparse.ArgumentParser(description="Writes a large Hueline document on an A4 CMYK page.")
    parser.add_argument("--objects", type=int, default=1000, help="number of artwork items (default 1000)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the numbers (default 1)")
    parser.add_argument("--output", help="file to write (default: standard output)")
    args = parser.parse_args()
    if args.objects < 0 or args.seed < 0:
        parser.error("--objects and --seed must not be negative")
    doc = document(args.objects, args.seed)
    if args.output:
        with open(args.output, "w", encoding="utf-8", newline="\n") as out:
            write(doc, out)
    else:
        sys.stdout.reconfigure(encoding="utf-8", newline="\n")
        write(doc, sys.stdout)


if __name__ == "__main__":
    main()
