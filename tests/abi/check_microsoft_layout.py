#!/usr/bin/env python3
"""Checks the Microsoft C++ ABI layout of the public types against a committed expectation file.

clang, targeting x86_64-pc-windows-msvc with libc++'s and MinGW-w64's headers, compiles every public
header and dumps the table of virtual functions of every polymorphic class and the record layout
(size, alignment, field and base offsets) of every public type, as the host's compiler lays them out.
Every public record must appear in the expectation file: as a `vftable` entry (polymorphic classes),
as a `layout` entry, or as a `std` entry for a type that holds standard-library members, whose
layout only the host's compiler and standard library decide. Each entry says why it is what it is.

  check_microsoft_layout.py --clang CLANG --expected FILE [--print] [--expect-mismatch NAME]... DIR...

DIR are the include directories whose headers are public. --print writes the current layouts in the
file's format (without the reasons). --expect-mismatch NAME inverts the check for a fixture: it
passes only when exactly the named entries differ. Exits 77 (skipped) when clang, libc++'s headers
or MinGW-w64's headers are absent.
"""

import argparse
import difflib
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
from types import SimpleNamespace as Record

SKIP = 77
MINGW_INCLUDE = "/usr/x86_64-w64-mingw32/include"


def system_include_dirs(clang):
    """libc++'s headers beside the clang in use, and MinGW-w64's C headers; None when absent."""
    found = shutil.which(clang) if clang else None
    if not found:
        return None, "clang is not installed"
    libcxx = os.path.join(os.path.dirname(os.path.realpath(found)), "..", "include", "c++", "v1")
    if not os.path.isfile(os.path.join(libcxx, "__config")):
        return None, "libc++'s headers are not installed (Debian: libc++-14-dev)"
    if not os.path.isfile(os.path.join(MINGW_INCLUDE, "stdlib.h")):
        return None, "MinGW-w64's headers are not installed (Debian: mingw-w64-x86-64-dev)"
    return [os.path.normpath(libcxx), MINGW_INCLUDE], None


def compile_flags(system_dirs, include_dirs):
    # libc++ on the MSVC target expects the Microsoft runtime's headers; MinGW's stand in for them,
    # which needs their GNU spelling of attributes, their UCRT branch and no const overloads of the
    # wide-string functions from libc++. None of this touches a layout of the project's types.
    flags = ["--target=x86_64-pc-windows-msvc", "-std=c++17", "-nostdinc++", "-fgnuc-version=4.2.1"]
    flags += ["-D_LIBCPP_NO_VCRUNTIME", "-D_UCRT", "-D_CRT_CONST_CORRECT_OVERLOADS", "-fno-rtti", "-fno-access-control", "-w"]
    return flags + [f for d in system_dirs for f in ("-isystem", d)] + [f for d in include_dirs for f in ("-I", d)]


def public_headers(include_dirs):
    return sorted(h for d in include_dirs for h in glob.glob(os.path.join(d, "**", "*.h"), recursive=True))


def run_clang(clang, flags, source, extra):
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "probe.cpp")
        with open(path, "w", encoding="utf-8") as out:
            out.write(source)
        command = [clang] + flags + extra + [path]
        result = subprocess.run(command, cwd=work, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("check_microsoft_layout: clang failed:\n" + result.stderr[-4000:])
    return result.stdout


NODE = re.compile(r"^([| `-]*?)([A-Za-z]+) 0x[0-9a-f]+ (.*)$")
PATH = re.compile(r"(/[^:<>,\s]+):\d+:\d+")
SCOPES = ("NamespaceDecl", "CXXRecordDecl", "ClassTemplateDecl", "LinkageSpecDecl", "TranslationUnitDecl")


def public_records(clang, flags, headers):
    """Every class, struct and class template defined at namespace or class scope in `headers`."""
    source = "".join('#include "%s"\n' % header for header in headers)
    dump = run_clang(clang, flags, source, ["-fsyntax-only", "-Xclang", "-ast-dump"])
    wanted = set(headers)
    records = {}
    stack = []  # (depth, kind, name) of the enclosing nodes
    current_file = None
    last = None  # the record whose DefinitionData line comes next
    for line in dump.splitlines():
        if last is not None and "DefinitionData " in line:
            last.polymorphic = " polymorphic " in line + " "
            last = None
            continue
        match = NODE.match(line)
        if not match:
            continue
        depth, kind, rest = len(match.group(1)), match.group(2), match.group(3)
        paths = PATH.findall(rest)
        own_file = paths[0] if rest.startswith("</") and paths else current_file
        if paths:
            current_file = paths[-1]
        while stack and stack[-1][0] >= depth:
            stack.pop()
        in_scope = all(entry[1] in SCOPES for entry in stack)
        if kind == "CXXRecordDecl" and rest.endswith(" definition"):
            name = rest.split()[-2]
            parent = stack[-1][1] if stack else None
            own_name = None if parent == "ClassTemplateDecl" else name  # the template carries it
            if in_scope and own_file in wanted and name not in ("class", "struct", "union"):
                qualified = "::".join([entry[2] for entry in stack if entry[2]] + ([own_name] if own_name else []))
                is_template = any(entry[1] == "ClassTemplateDecl" for entry in stack)
                last = records.setdefault(qualified, Record(name=qualified, is_template=is_template, polymorphic=False))
            stack.append((depth, kind, own_name))
        else:
            stack.append((depth, kind, rest.split()[-1] if kind in ("NamespaceDecl", "ClassTemplateDecl") else None))
    return records


def normalize_name(name):
    name = re.sub(r"\b(class|struct|union|enum) ", "", name.strip())
    while "> >" in name:
        name = name.replace("> >", ">>")
    return name


def strip_template_arguments(name):
    while True:
        stripped = re.sub(r"<[^<>]*>", "", name)
        if stripped == name:
            return name
        name = stripped


def probe_source(headers, names):
    """Includes every header and makes clang lay out, and build the table of, each named type."""
    lines = ['#include "%s"' % header for header in headers]
    for index, (kind, name) in enumerate(sorted(names)):
        if kind == "vftable":
            lines.append("void Probe%d(%s* object) { delete object; }" % (index, name))
        else:
            lines.append('static_assert(sizeof(%s) > 0, "");' % name)
    return "\n".join(lines) + "\n"


def parse_vftables(dump):
    """The table of each class from clang's dump: the class that brings the table pointer, then the slots."""
    tables = {}
    lines = dump.splitlines()
    for index, line in enumerate(lines):
        header = re.match(r"^VFTable for (.*) \(\d+ entr(?:y|ies)\)\.$", line)
        if not header:
            continue
        path = re.findall(r"'([^']*)'", header.group(1))
        slots = []
        for slot in lines[index + 1 :]:
            if not slot.strip():
                break
            slots.append("  " + re.sub(r" \[\w+ = [^\]]*\]", "", slot.strip()))
        destructor = [slot for slot in slots if re.match(r"^\s*\d+ \| [^(]*::~\w+\(\)", slot)]
        owner = re.match(r"^\s*\d+ \| ([^(]*)::~", destructor[0]).group(1) if destructor else path[-1]
        body = ["  table of " + path[0]] + slots
        known = tables.setdefault(normalize_name(owner), [])
        if body[0] not in known:
            known += body
    return tables


STD_TYPE = re.compile(r"^(const )?((class|struct|union) )?std::(?!array<|u?int\d+_t\b|size_t\b|ptrdiff_t\b)")


def parse_layouts(dump):
    """Each record's size, alignment and top-level members from clang's dump, and whether it holds a
    standard-library class (other than std::array, an aggregate around a plain array in every standard
    library), at any depth and also as the element of an array, whose layout is that library's own."""
    layouts = {}
    types = {}
    for block in dump.split("*** Dumping AST Record Layout")[1:]:
        lines = [line.split("|", 1) for line in block.splitlines() if "|" in line]
        name = normalize_name(re.sub(r" \(empty\)$", "", lines[0][1].strip()))
        members = []
        for offset, text in lines[1:]:
            if offset.strip():
                types.setdefault(name, []).append(normalize_name(text.strip().rsplit(" ", 1)[0]))
                if text.startswith("   ") and not text.startswith("     "):
                    members.append("  %s | %s" % (offset.strip(), normalize_name(text)))
            elif text.strip().startswith("["):
                members.append("  " + text.strip().strip("[]").rstrip(","))
            elif text.strip().startswith("nvsize"):
                members.append("  " + text.strip().strip("[]"))
                break
        layouts.setdefault(name, members)
    holding = {name for name, texts in types.items() if any(STD_TYPE.match(text) for text in texts)}
    grown = True
    while grown:
        grown = False
        for name, texts in types.items():
            plain = [text for text in texts if "*" not in text and "&" not in text]
            if name not in holding and any(other in text for other in holding for text in plain):
                holding.add(name)
                grown = True
    return {name: (members, name in holding) for name, members in layouts.items()}


KINDS = ("vftable", "layout", "std")


def read_expected(path):
    """Entries `KIND NAME` in file order, each with its reasons (`why:` lines) and its lines."""
    entries = {}
    entry = None
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            words = line.split(" ", 1)
            if words[0] in KINDS and len(words) == 2:
                entry = {"why": [], "lines": []}
                entries[(words[0], normalize_name(words[1]))] = entry
            elif entry is not None and line.startswith("why: "):
                entry["why"].append(line[len("why: ") :])
            elif entry is not None and line.startswith("  "):
                entry["lines"].append(line)
            else:
                sys.exit("%s:%d: neither an entry, a reason nor a layout line" % (path, number))
    return entries


def actual_entries(records, expected, tables, layouts):
    """What the dump says for every expected entry and every public record that has none."""
    actual = {}
    for name in {name for _, name in expected} | {r.name for r in records.values() if not r.is_template}:
        if name in layouts:
            members, holds_std = layouts[name]
            actual[("std", name) if holds_std else ("layout", name)] = [] if holds_std else members
        if name in tables:
            actual[("vftable", name)] = tables[name]
    return actual


def missing_entries(records, expected, actual):
    """The public records, and the template instantiations, that the expectation file leaves out."""
    covered = {strip_template_arguments(name) for _, name in expected}
    templates = [("template", r.name) for r in records.values() if r.is_template and r.name not in covered]
    return sorted([key for key in actual if key not in expected] + templates)


def print_entries(actual):
    for kind, name in sorted(actual, key=lambda key: (key[1], KINDS.index(key[0]))):
        print("%s %s\nwhy: \n%s\n" % (kind, name, "\n".join(actual[(kind, name)])))


def compare(expected, actual):
    """Reports each entry that differs, is absent from the dump or gives no reason; returns those."""
    differing = set()
    for key, entry in expected.items():
        label = "%s %s" % key
        if not entry["why"] or not "".join(entry["why"]).strip():
            print("%s: no reason given (a `why:` line)" % label)
            differing.add(key)
        if key not in actual:
            print("%s: clang's dump has no such entry" % label)
            differing.add(key)
        elif actual[key] != entry["lines"]:
            diff = difflib.unified_diff(entry["lines"], actual[key], "expected", "Microsoft ABI", lineterm="")
            print("%s differs:\n%s" % (label, "\n".join(diff)))
            differing.add(key)
    return differing


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--clang", required=True)
    parser.add_argument("--expected", required=True)
    parser.add_argument("--print", action="store_true")
    parser.add_argument("--expect-mismatch", action="append", default=[], metavar="NAME")
    parser.add_argument("include_dirs", nargs="+")
    args = parser.parse_args()
    system_dirs, absent = system_include_dirs(args.clang)
    if system_dirs is None:
        print("check_microsoft_layout: skipped: " + absent)
        return SKIP
    flags = compile_flags(system_dirs, args.include_dirs)
    headers = public_headers(args.include_dirs)
    records = public_records(args.clang, flags, headers)
    expected = read_expected(args.expected)
    kinds = {r.name: "vftable" if r.polymorphic else "layout" for r in records.values() if not r.is_template}
    probes = set(expected) | {(kind, name) for name, kind in kinds.items()}
    dump_flags = ["-c", "-o", os.devnull, "-Xclang", "-fdump-vtable-layouts", "-Xclang", "-fdump-record-layouts"]
    dump = run_clang(args.clang, flags, probe_source(headers, probes), dump_flags)
    actual = actual_entries(records, expected, parse_vftables(dump), parse_layouts(dump))
    if args.print:
        print_entries(actual)
        return 0
    differing = compare(expected, actual)
    missing = missing_entries(records, expected, actual)
    for kind, name in missing:
        print("%s %s: public, but not in %s" % (kind, name, args.expected))
    if args.expect_mismatch:
        wanted = {normalize_name(name) for name in args.expect_mismatch}
        found = {name for _, name in differing}
        print("expected to differ: %s; differ: %s" % (sorted(wanted), sorted(found)))
        return 0 if found == wanted and not missing else 1
    return 1 if differing or missing else 0


if __name__ == "__main__":
    sys.exit(main())
