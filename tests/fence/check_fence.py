#!/usr/bin/env python3
"""Proves the module's include fence: with the compile flags of a module
source (from the build's compile_commands.json), a file that includes a
room and host/ compiles, and one that includes engine/ or chartlib/ does not.

Usage: check_fence.py BUILD_DIR PROJECT_ROOT
"""
import json
import pathlib
import shlex
import subprocess
import sys
import tempfile

ALLOWED = ['#include "report/Messages.h"', '#include "host/chart/XDocument.h"']
FENCED = ["engine/output/OutputDocument.h", "chartlib/document/DocumentState.h"]
# Flags of the real compile that name its input and outputs.
WITH_VALUE = {"-o", "-MT", "-MF", "-MQ"}
ALONE = {"-c", "-MD", "-MMD"}


def module_command(build, root):
    entries = json.loads((build / "compile_commands.json").read_text(encoding="utf-8"))
    for entry in entries:
        if pathlib.Path(entry["file"]).resolve().is_relative_to(root / "report"):
            return entry
    sys.exit("no module source in compile_commands.json")


def syntax_only(entry, probe):
    words = entry.get("arguments") or shlex.split(entry["command"])
    kept, skip = [], False
    for word in words:
        if skip:
            skip = False
        elif word in WITH_VALUE:
            skip = True
        elif word not in ALONE and pathlib.Path(word).name != pathlib.Path(entry["file"]).name:
            kept.append(word)
    return kept + ["-fsyntax-only", str(probe)]


def compiles(entry, folder, text):
    probe = folder / "probe.cpp"
    probe.write_text(text + "\nint main() { return 0; }\n", encoding="utf-8")
    run = subprocess.run(syntax_only(entry, probe), cwd=entry["directory"], capture_output=True, text=True)
    return run.returncode == 0, run.stderr


def main():
    build, root = (pathlib.Path(arg).resolve() for arg in sys.argv[1:3])
    entry = module_command(build, root)
    errors = []
    with tempfile.TemporaryDirectory(dir=build) as folder:
        ok, stderr = compiles(entry, pathlib.Path(folder), "\n".join(ALLOWED))
        if not ok:
            errors.append(f"a module file including a room and host/ does not compile:\n{stderr}")
        for header in FENCED:
            ok, stderr = compiles(entry, pathlib.Path(folder), f'#include "{header}"')
            if ok or header not in stderr:
                errors.append(f"a module file can include {header}" + ("" if ok else f":\n{stderr}"))
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
