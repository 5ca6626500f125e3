#!/usr/bin/env python3
"""Writes a zip that two builds of one commit make byte for byte alike.

    pack-zip.py ZIP TIME MEMBER...

TIME is the members' time: seconds since 1970, or git:FOLDER for the time of
that checkout's last commit (1980 outside a git checkout).  Each MEMBER is a
file, stored under its own name, or FILE=NAME, stored as NAME (a "/" in NAME
makes a folder).  Members keep the order given, with MS-DOS attributes of a
plain archived file and the strongest deflate.
"""
import os
import subprocess
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # zip times start in 1980


def member_time(spec):
    if not spec.startswith("git:"):
        return int(spec)
    try:
        out = subprocess.run(["git", "-C", spec[4:], "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout
        return int(out.strip())
    except (OSError, subprocess.CalledProcessError, ValueError):
        return ZIP_EPOCH


def main(target, when, members):
    stamp = time.gmtime(max(member_time(when), ZIP_EPOCH))[:6]
    partial = target + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED) as archive:
        for member in members:
            path, _, name = member.partition("=")
            info = zipfile.ZipInfo(name or os.path.basename(path), stamp)
            info.create_system = 0  # MS-DOS attributes: a plain archived file
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as data:
                archive.writestr(info, data.read(), compresslevel=9)
    os.replace(partial, target)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
