#!/usr/bin/env python3
"""Fails when a folder includes a header from a folder it must not.

Usage: scripts/layering/check.py [--root DIR] [--rules FILE] [--help]

Reads every #include "..." line of the project's C++ files, finds the header it names (beside the
including file, from the project root, or under an include/ folder), and checks the pair of folders
against the rules file (scripts/layering/allowed.txt): each of its lines, `FOLDER: FOLDER...`, names
the folders that files in FOLDER may include besides their own. A file belongs to the longest FOLDER
of the rules that contains it; files in no listed folder are not checked. Exit 0 when every include
is allowed, 1 with one line per include that is not, 2 on a usage or rules error.
"""
import argparse
import os
import re
import sys

SOURCE_SUFFIXES = ('.h', '.hpp', '.cpp', '.cc')
SKIPPED = {'.git', 'build', 'third_party', 'node_modules'}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([^"]+)"', re.M)


def read_rules(path):
    """The rules in file order; a folder may only allow folders listed above it, so none is cyclic."""
    rules = {}
    with open(path, encoding='utf-8') as text:
        for number, line in enumerate(text, 1):
            line = line.split('#', 1)[0].strip()
            if not line:
                continue
            folder, sep, allowed = line.partition(':')
            if not sep or not folder.strip():
                raise ValueError(f'{path}:{number}: expected "FOLDER: FOLDER..."')
            below = [name for name in allowed.split() if name not in rules]
            if below:
                raise ValueError(f'{path}:{number}: {folder.strip()} allows {" ".join(below)}, not listed above it')
            rules[folder.strip()] = set(allowed.split())
    return rules


def source_files(root):
    for folder, folders, files in os.walk(root):
        folders[:] = sorted(f for f in folders if f not in SKIPPED)
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(folder, name), root)


def header_index(files):
    """Maps each name a header can be included by to its path: its path, and its path below include/."""
    index = {}
    for path in files:
        index.setdefault(path, path)
        parts = path.split(os.sep)
        if 'include' in parts:
            below = '/'.join(parts[parts.index('include') + 1:])
            index.setdefault(below, path)
    return index


def owner(path, folders):
    """The longest rules folder that contains `path`, or None."""
    best = None
    for folder in folders:
        if path.startswith(folder + '/') and (best is None or len(folder) > len(best)):
            best = folder
    return best


def violations(root, rules):
    files = list(source_files(root))
    index = header_index(files)
    for path in files:
        source = owner(path, rules)
        if source is None:
            continue
        with open(os.path.join(root, path), encoding='utf-8', errors='replace') as text:
            content = text.read()
        for match in INCLUDE.finditer(content):
            name = match.group(1)
            beside = os.path.normpath(os.path.join(os.path.dirname(path), name))
            header = index.get(beside) or index.get(name)
            target = owner(header, rules) if header else None
            if target is None or target == source or target in rules[source]:
                continue
            line = content.count('\n', 0, match.start()) + 1
            yield f'{path}:{line}: {source} must not include {target} ("{name}")'


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[1],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--root', default=os.path.dirname(os.path.dirname(here)), help='the project root')
    parser.add_argument('--rules', default=os.path.join(here, 'allowed.txt'), help='the rules file')
    arguments = parser.parse_args()
    try:
        rules = read_rules(arguments.rules)
    except (OSError, ValueError) as error:
        print(f'check.py: {error}', file=sys.stderr)
        return 2
    found = list(violations(arguments.root, rules))
    for line in found:
        print(line, file=sys.stderr)
    print(f'layering: {len(found)} include(s) against {os.path.relpath(arguments.rules, arguments.root)}')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
