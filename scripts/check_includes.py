#!/usr/bin/env python3
"""Fails when a file of the module includes a room above its own, the
benchmarks include the tests' helpers, or the chart library includes the
engine other than through host/.

The rooms and their order come from docs/architecture.md: the numbered list
under "## The rooms", bottom first, each entry starting with the room's folder
in backticks. Every listed room must exist, and every folder of the project
that holds C++ files must be a room or one of the parts outside the module.

Usage: check_includes.py [PROJECT_ROOT]
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ROOM_ENTRY = re.compile(r"^\d+\.\s+`([A-Za-z_]+)/`")
# C++ folders that are not the module: module code never includes them.
OUTSIDE = {"engine", "chartlib", "cli", "tests", "bench", "testkit", "tools"}
IGNORED = {"build", "node_modules"}
# Parts outside the module that must not include some others.
KEPT_APART = {"bench": {"tests"}, "chartlib": {"engine"}}
SUFFIXES = {".h", ".cpp"}


def read_rooms(doc):
    rooms = []
    in_list = False
    for line in doc.read_text(encoding="utf-8").splitlines():
        if line.startswith("## "):
            in_list = line.strip() == "## The rooms"
            continue
        match = ROOM_ENTRY.match(line) if in_list else None
        if match:
            rooms.append(match.group(1))
    return rooms


def cpp_folders(root):
    folders = set()
    for child in root.iterdir():
        if not child.is_dir() or child.name.startswith(".") or child.name.startswith(tuple(IGNORED)):
            continue
        if any(path.suffix in SUFFIXES for path in child.rglob("*")):
            folders.add(child.name)
    return folders


def include_errors(root, rooms):
    rank = {room: index for index, room in enumerate(rooms)}
    errors = []
    for room in rooms:
        for path in sorted((root / room).rglob("*")):
            if path.suffix not in SUFFIXES:
                continue
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                where = f"{path.relative_to(root)}:{number}: {match.group(1)}"
                if "/" not in match.group(1):
                    if room != "host":
                        errors.append(f"{where}: name the header with its folder (host/engine/, host/chart/ or a room)")
                    continue
                target = match.group(1).split("/", 1)[0]
                if target == "..":
                    errors.append(f"{where}: name the header from the project root, not from its own folder")
                elif target in OUTSIDE:
                    errors.append(f"{where}: the module does not include {target}/")
                elif target in rank and rank[target] > rank[room]:
                    errors.append(f"{where}: {room}/ includes {target}/, a room above it")
    return errors


def apart_errors(root):
    errors = []
    for part, others in KEPT_APART.items():
        for path in sorted((root / part).rglob("*")):
            if path.suffix not in SUFFIXES:
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
                match = INCLUDE.match(line)
                if match and match.group(1).split("/", 1)[0] in others:
                    errors.append(f"{path.relative_to(root)}:{number}: {match.group(1)}: {part}/ does not include it")
    return errors


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent).resolve()
    rooms = read_rooms(root / "docs" / "architecture.md")
    errors = []
    if not rooms:
        errors.append("docs/architecture.md lists no rooms under '## The rooms'")
    errors += [f"room {room}/ of docs/architecture.md does not exist" for room in rooms if not (root / room).is_dir()]
    errors += [
        f"folder {folder}/ holds C++ files but is neither a room of docs/architecture.md nor outside the module"
        for folder in sorted(cpp_folders(root) - set(rooms) - OUTSIDE)
    ]
    errors += include_errors(root, rooms)
    errors += apart_errors(root)
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
