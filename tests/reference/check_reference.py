#!/usr/bin/env python3
"""Fails when the generated tables of docs/reference/ differ from what
reference_tables writes from the code's tables, or when a keyword of the code
has no row in its subcommand's section of ggraph.md.

A generated table stands between
  <!-- generated: reference_tables TABLE ... -->  and  <!-- end generated -->.

Usage: check_reference.py --generator BIN --pages DIR [--write]
  --write  rewrites the generated tables instead of comparing them
"""
import argparse
import pathlib
import re
import subprocess
import sys

BLOCK = re.compile(r"(<!-- generated: reference_tables (\S+)[^>]*-->\n)(.*?)(<!-- end generated -->)", re.S)
HEADING = re.compile(r"^#{2,3} (.+)$", re.M)


def generated(generator, table):
    return subprocess.run([generator, table], check=True, capture_output=True, text=True).stdout


def block_errors(page, generator, write):
    text = page.read_text(encoding="utf-8")
    errors = []

    def replace(match):
        wanted = generated(generator, match.group(2))
        if match.group(3) != wanted:
            errors.append(f"{page.name}: the '{match.group(2)}' table differs from the code's tables")
        return match.group(1) + wanted + match.group(4)

    new_text = BLOCK.sub(replace, text)
    if write and new_text != text:
        page.write_text(new_text, encoding="utf-8")
        return []
    return errors


def sections(text):
    """Heading text -> the text up to the next heading."""
    found = {}
    marks = list(HEADING.finditer(text))
    for index, mark in enumerate(marks):
        end = marks[index + 1].start() if index + 1 < len(marks) else len(text)
        found[mark.group(1).strip()] = text[mark.end():end]
    return found


def keyword_errors(page, generator):
    by_heading = sections(page.read_text(encoding="utf-8"))
    errors = []
    for line in generated(generator, "keyword-list").splitlines():
        command, subcommand, keyword = line.split()
        heading = f"{command.upper()} {subcommand}"
        section = by_heading.get(heading, by_heading.get(subcommand))
        if section is None:
            errors.append(f"{page.name}: no section '### {subcommand}'")
        elif f"| `{keyword}` |" not in section:
            errors.append(f"{page.name}: the keyword {keyword} of {subcommand} has no row")
    return errors


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--generator", required=True)
    parser.add_argument("--pages", required=True, type=pathlib.Path)
    parser.add_argument("--write", action="store_true")
    args = parser.parse_args()
    errors = []
    for page in sorted(args.pages.glob("*.md")):
        errors += block_errors(page, args.generator, args.write)
    errors += keyword_errors(args.pages / "ggraph.md", args.generator)
    for error in errors:
        print(error, file=sys.stderr)
    if errors and not args.write:
        print("(tests/reference/check_reference.py --write rewrites the generated tables)", file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
