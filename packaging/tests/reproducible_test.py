#!/usr/bin/env python3
"""The release is a function of the source and its commit alone: builds it a
second time, from a copy of the source in another folder without .git, its
commit time written by `git archive` as an exported tree has it, under
another time zone, locale, umask and HOME, and finds the same bytes as the
build's, which took its time from the commit checked out.

The copy's compiler shares the build's cache: the objects name no folder
(-ffile-prefix-map), so a copy of the tree compiles to the very objects the
build made, and only what depends on the folder or the environment (the
configuration, the resources, the links, the package) is made again.

usage: reproducible_test.py SOURCE CONFIG DIST WORK [CCACHE_DIR]
  SOURCE      the source tree the build was made from
  CONFIG      the build's package.json (its time stamp, where that came from)
  DIST        the build's release folder
  WORK        a folder the test may empty and use
  CCACHE_DIR  the build's compiler cache (none: the copy compiles everything)
"""
import io
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tarfile
import time
import zipfile

# Left out of the copy: what builds and runs put into the source tree.
NOT_SOURCE = {".git", "build", "dist", "out"}
ARCHIVE_TIME = "cmake/commit_time.txt"  # `git archive` writes the commit's time into it


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


def git_checkout(source):
    top = subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=source,
                         capture_output=True, text=True)
    return top.returncode == 0 and pathlib.Path(top.stdout.strip()).resolve() == source


def export_commit_time(source, copy):
    """Writes the copy's commit-time file as `git archive` exports it."""
    exported = subprocess.run(["git", "archive", "--format=tar", "HEAD", "--", ARCHIVE_TIME],
                              cwd=source, capture_output=True)
    if exported.returncode != 0:
        return exported.stderr.decode(errors="replace") or f"{ARCHIVE_TIME} is not in HEAD"
    with tarfile.open(fileobj=io.BytesIO(exported.stdout)) as archive:
        (copy / ARCHIVE_TIME).write_bytes(archive.extractfile(ARCHIVE_TIME).read())
    return None


def main():
    source, config_path, dist, work = (pathlib.Path(a).resolve() for a in sys.argv[1:5])
    cache = sys.argv[5] if len(sys.argv) > 5 else ""
    config = json.loads(config_path.read_text())
    shutil.rmtree(work, ignore_errors=True)
    copy, home = work / "source", work / "home"
    shutil.copytree(source, copy, symlinks=True,
                    ignore=lambda folder, _: NOT_SOURCE if pathlib.Path(folder) == source else [])
    home.mkdir()
    environment = dict(os.environ, TZ="XYZ-14", LC_ALL="C", HOME=str(home))
    # The real routes: the copy finds its time as an exported tree does.
    # Only a build stamped by hand is compared with a copy stamped alike.
    stamped = config["sourceDateOrigin"] == "SOURCE_DATE_EPOCH"
    environment.pop("SOURCE_DATE_EPOCH", None)
    if stamped:
        environment["SOURCE_DATE_EPOCH"] = str(config["sourceDateEpoch"])
    routes = git_checkout(source) and not stamped
    if git_checkout(source):
        failed = export_commit_time(source, copy)
        if failed:
            print(f"FAIL  git archive cannot export the commit's time:\n{failed}")
            return 1

    print(f"Building the release again in {copy}", flush=True)
    started = time.monotonic()
    configure = ["cmake", "--preset", "windows", "-DCALC_TESTS=OFF"]
    if cache:
        configure.append(f"-DCALC_CCACHE_DIR={cache}")
    for command in (configure,
                    ["cmake", "--build", "--preset", "windows", "--target", "calc_package"]):
        built = subprocess.run(command, cwd=copy, env=environment, capture_output=True, text=True,
                               preexec_fn=lambda: os.umask(0o027))
        if built.returncode != 0:
            print(f"FAIL  {' '.join(command)}:\n{built.stdout[-3000:]}{built.stderr[-3000:]}")
            return 1
    again = copy / "build" / "windows"
    second = json.loads((again / "packaging" / "package.json").read_text())
    print(f"The release's time: {config['sourceDateEpoch']} from {config['sourceDateOrigin']}; "
          f"the copy's: {second['sourceDateEpoch']} from {second['sourceDateOrigin']} "
          f"(built in {time.monotonic() - started:.0f} s)")
    if routes and ("commit checked out" not in config["sourceDateOrigin"]
                   or ARCHIVE_TIME not in second["sourceDateOrigin"]):
        print("FAIL  the build should take its time from the commit checked out, the copy "
              f"from what git archive wrote into {ARCHIVE_TIME}")
        return 1
    found = differences(dist, again / "dist")
    if found:
        print("FAIL  the second build differs from the first:\n" + "\n".join(found))
        print(f"(both kept: {dist} and {again / 'dist'})")
        return 1
    print("ok    two builds in two folders give the same bytes:")
    print((dist / "SHA256SUMS").read_text(), end="")
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
