"""The gallery (docs/gallery, written by scripts/gallery) is in step with the
examples: every example has its picture NN-name.png, a PNG, shown in
index.md beside the example's command file as it is now, and no picture is
left of an example that is gone."""

import argparse
import pathlib
import re
import sys


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--examples", required=True, type=pathlib.Path)
    parser.add_argument("--gallery", required=True, type=pathlib.Path)
    args = parser.parse_args()

    problems = []
    index_path = args.gallery / "index.md"
    index = index_path.read_text(encoding="utf-8") if index_path.exists() else ""
    if not index:
        problems.append(f"{index_path} is missing")
    expected = set()
    for number, example in enumerate(sorted(args.examples.glob("*.sps")), start=1):
        prefix = f"{number:02d}-{example.stem}"
        expected.add(prefix)
        picture = args.gallery / f"{prefix}.png"
        if not picture.exists():
            problems.append(f"{example.name}: no picture {picture.name}")
        elif not picture.read_bytes().startswith(b"\x89PNG\r\n\x1a\n"):
            problems.append(f"{picture.name} is not a PNG")
        if f"]({prefix}.png)" not in index:
            problems.append(f"{example.name}: index.md does not show {prefix}.png")
        if example.read_text(encoding="utf-8") not in index:
            problems.append(f"{example.name}: index.md does not hold its command file as it is now")
    for picture in args.gallery.glob("*.png"):
        stem = re.sub(r"-\d+$", "", picture.stem)
        if stem not in expected and picture.stem not in expected:
            problems.append(f"{picture.name} belongs to no example")
    for problem in problems:
        print(problem)
    if problems:
        print("the gallery is not in step with the examples: run bash scripts/gallery")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
