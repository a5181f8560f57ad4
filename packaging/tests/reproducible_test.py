#!/usr/bin/env python3
"""The release is a function of the source and its time stamp alone: builds
it a second time, from a copy of the source in another folder, under another
time zone, locale and umask, and finds the same SHA256SUMS as the build's.

usage: reproducible_test.py SOURCE CONFIG DIST WORK
  SOURCE  the source tree the build was made from
  CONFIG  the build's package.json (for its time stamp and file names)
  DIST    the build's release folder
  WORK    a folder the test may empty and use
"""
import json
import os
import pathlib
import shutil
import subprocess
import sys
import zipfile

# Left out of the copy: what builds and runs put into the source tree.
NOT_SOURCE = {".git", "build", "dist", "out"}


def differences(first, second):
    """Which files of two release folders differ, and for a zip which entries."""
    found = []
    for path in sorted(first.iterdir()):
        other = second / path.name
        if not other.is_file() or path.read_bytes() != other.read_bytes():
            found.append(path.name)
            if path.suffix == ".zip" and other.is_file():
                with zipfile.ZipFile(path) as a, zipfile.ZipFile(other) as b:
                    found += [f"  {i.filename}" for i in a.infolist()
                              if i.filename not in b.namelist()
                              or a.read(i.filename) != b.read(i.filename)
                              or i.date_time != b.getinfo(i.filename).date_time]
    return found


def main():
    source, config_path, dist, work = (pathlib.Path(a).resolve() for a in sys.argv[1:5])
    config = json.loads(config_path.read_text())
    shutil.rmtree(work, ignore_errors=True)
    copy = work / "source"
    shutil.copytree(source, copy, symlinks=True,
                    ignore=lambda folder, _: NOT_SOURCE if pathlib.Path(folder) == source else [])
    environment = dict(os.environ, SOURCE_DATE_EPOCH=str(config["sourceDateEpoch"]),
                       TZ="XYZ-14", LC_ALL="C")
    print(f"Building the release again in {copy} (a few minutes)", flush=True)
    for command in (["cmake", "--preset", "windows", "-DCALC_TESTS=OFF"],
                    ["cmake", "--build", "--preset", "windows", "--target", "calc_package"]):
        built = subprocess.run(command, cwd=copy, env=environment, capture_output=True, text=True,
                               preexec_fn=lambda: os.umask(0o027))
        if built.returncode != 0:
            print(f"FAIL  {' '.join(command)}:\n{built.stdout[-3000:]}{built.stderr[-3000:]}")
            return 1
    again = copy / "build" / "windows" / "dist"
    found = differences(dist, again)
    if found:
        print("FAIL  the second build differs from the first:\n" + "\n".join(found))
        print(f"(both kept: {dist} and {again})")
        return 1
    print("ok    two builds in two folders give the same bytes:")
    print((dist / "SHA256SUMS").read_text(), end="")
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
