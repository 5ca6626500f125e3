#!/usr/bin/env python3
"""Checks the include graph between the product's folders.

A folder is a portable one (contest, settings, results, windows, plugin) or
a Win32 one (controls, resources, and each win32/ folder).  The folders
stand on floors, from the bottom: contest, settings, controls, resources,
results, windows, plugin, each win32/ folder just above its parent.  It fails on an include
of a folder on a higher floor, and when a portable file includes a Windows
header or a file of a Win32 folder that needs Windows (one that includes a
Windows header, or such a file).  Usage: check-layers.py [--arrows] [ROOT]
"""
import os
import re
import sys

PORTABLE = ("contest", "settings", "results", "windows", "plugin")
WIN32 = ("controls", "resources")
# The settings file sits just above the contest: the reset, the result, the
# Cabrillo header and the windows all keep keys in it.
FLOORS = ("contest", "settings", "controls", "resources", "results", "windows", "plugin")
SOURCE = re.compile(r"\.(h|hpp|cpp|rc)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
WINDOWS_HEADER = re.compile(
    r"^(windows|win\w+|ole\w*|objbase|oaidl|oleauto|unknwn|commctrl|shellapi|shlobj|tchar)\.h$",
    re.IGNORECASE)


def folder_of(path):
    """The product folder of a root-relative path, or None."""
    parts = path.split("/")
    if parts[0] not in PORTABLE + WIN32 or len(parts) < 2:
        return None
    if len(parts) > 2 and parts[1] == "win32":
        return parts[0] + "/win32"
    return parts[0]


def is_portable(folder):
    return folder in PORTABLE


def floor_of(folder):
    """The folder's floor: a win32/ folder stands just above its parent."""
    top, _, sub = folder.partition("/")
    return FLOORS.index(top) + (0.5 if sub else 0)


def needs_windows(includes):
    """The files that include a Windows header, directly or through others."""
    needing = set()
    changed = True
    while changed:
        changed = False
        for path, names in includes.items():
            if path not in needing and any(
                    (delimiter == "<" and WINDOWS_HEADER.match(os.path.basename(name)))
                    or name in needing for delimiter, name in names):
                needing.add(path)
                changed = True
    return needing


def read_includes(root):
    """(file, folder, line number, delimiter, included name) of each include."""
    for top in PORTABLE + WIN32:
        for directory, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if not SOURCE.search(name):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")
                with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m:
                            yield path, folder_of(path), number, m.group(1), m.group(2)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    root = args[0] if args else os.path.join(os.path.dirname(__file__), "..")
    found = list(read_includes(root))
    includes = {}
    for path, _, _, delimiter, name in found:
        includes.setdefault(path, []).append((delimiter, name))
    windows_files = needs_windows(includes)
    errors = []
    edges = {}
    for path, folder, number, delimiter, name in found:
        where = f"{path}:{number}"
        if delimiter == "<":
            if is_portable(folder) and WINDOWS_HEADER.match(os.path.basename(name)):
                errors.append(f"{where}: portable file includes <{name}>")
            continue
        target = folder_of(name)
        if target is None or target == folder:
            continue
        if is_portable(folder) and not is_portable(target) and name in windows_files:
            errors.append(f"{where}: portable {folder}/ includes {name}, which needs Windows")
        if floor_of(target) > floor_of(folder):
            errors.append(f"{where}: {folder}/ includes {name} of {target}/, a floor above it")
        edges.setdefault(folder, set()).add(target)
    if "--arrows" in sys.argv:
        for folder in sorted(edges):
            print(f"{folder} -> {', '.join(sorted(edges[folder]))}")
    for error in errors:
        print(error)
    if not errors:
        arrows = sum(len(v) for v in edges.values())
        print(f"layers: {len(edges)} folders, {arrows} arrows between them, all downward")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
