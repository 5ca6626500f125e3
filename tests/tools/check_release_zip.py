#!/usr/bin/env python3
"""Checks a zip of the release as Windows' own extractor reads it.

    check_release_zip.py ZIP TIME MEMBER...

TIME and each MEMBER as for scripts/pack-zip.py (MEMBER: FILE or
FILE=NAME); @LIST reads members from LIST, one a line.  The zip must hold
exactly these members in this order, each a plain file: no directory bit,
the MS-DOS attributes of an archived file and MS-DOS as its host system, the
members' time, a name of the kit's folder layout (relative, "/" between
folders), and the size and CRC of its file.  Read with zipfile alone.
"""
import os
import subprocess
import sys
import time
import zipfile
import zlib

ARCHIVED = 0x20  # FILE_ATTRIBUTE_ARCHIVE, and nothing else
MS_DOS = 0


def expected_time(spec):
    """The members' time as a zip stores it: from 1980, in even seconds."""
    if spec.startswith("git:"):
        out = subprocess.run(["git", "-C", spec[4:], "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout
        seconds = int(out)
    else:
        seconds = int(spec)
    stamp = time.gmtime(max(seconds, 315532800))[:6]
    return stamp[:5] + (stamp[5] // 2 * 2,)


def members_of(args):
    for arg in args:
        if arg.startswith("@"):
            with open(arg[1:], encoding="utf-8") as listed:
                yield from (line.rstrip("\n") for line in listed if line.strip())
        else:
            yield arg


def layout_fault(name):
    parts = name.split("/")
    if "\\" in name or name.startswith("/") or ":" in name:
        return "not a relative name with / between folders"
    if any(part in ("", ".", "..") for part in parts):
        return "an empty, . or .. part"
    return None


def member_faults(info, path, name, when):
    faults = []
    if info.filename != name:
        faults.append(f"named {info.filename!r}, not {name!r}")
    if layout_fault(info.filename):
        faults.append(layout_fault(info.filename))
    if info.is_dir() or info.external_attr & 0x10:
        faults.append("a directory")
    if info.external_attr != ARCHIVED:
        faults.append(f"attributes 0x{info.external_attr:x}, not 0x{ARCHIVED:x}")
    if info.create_system != MS_DOS:
        faults.append(f"host system {info.create_system}, not MS-DOS")
    if info.date_time != when:
        faults.append(f"time {info.date_time}, not {when}")
    with open(path, "rb") as source:
        data = source.read()
    if info.file_size != len(data) or info.CRC != zlib.crc32(data):
        faults.append(f"size {info.file_size} and CRC {info.CRC:08x}, "
                      f"not {len(data)} and {zlib.crc32(data):08x} of {path}")
    return faults


def main(target, when_spec, args):
    when = expected_time(when_spec)
    wanted = []
    for member in members_of(args):
        path, _, name = member.partition("=")
        wanted.append((path, name or os.path.basename(path)))
    faults = []
    with zipfile.ZipFile(target) as archive:
        infos = archive.infolist()
        if [i.filename for i in infos] != [name for _, name in wanted]:
            faults.append(f"members {[i.filename for i in infos]}, "
                          f"not {[name for _, name in wanted]}")
        for info, (path, name) in zip(infos, wanted):
            faults += [f"{info.filename}: {f}" for f in member_faults(info, path, name, when)]
        bad = archive.testzip()  # every member read back against its CRC
        if bad is not None:
            faults.append(f"{bad}: its data does not match its CRC")
    for fault in faults:
        print(f"{target}: {fault}")
    print(f"{target}: {len(infos)} members, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
