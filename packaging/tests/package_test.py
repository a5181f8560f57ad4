#!/usr/bin/env python3
"""The Windows Installer package as a clerk meets it, in a fresh Wine prefix:
installed silently, each window program started from where it was installed,
the shortcuts followed, a newer version installed over it, an older one
refused, and everything removed again. First it checks what the package holds,
and that a package missing a program or carrying another version fails those
same checks.

usage: package_test.py CONFIG DIST PROBE WORK
  CONFIG  package.json (the shipped programs, the version, the names)
  DIST    the folder holding the package, the zip and SHA256SUMS
  PROBE   package_probe.exe, which asks Windows inside the prefix
  WORK    a folder the test may empty and use (the prefix goes there)
"""
import hashlib
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zipfile

MAX_PROGRAM_BYTES = 200 * 1024
WINE_TIMEOUT_S = 120


class Report:
    def __init__(self):
        self.failures = 0

    def check(self, passed, what, detail=""):
        print(("ok    " if passed else "FAIL  ") + what + (f": {detail}" if detail and not passed else ""))
        self.failures += 0 if passed else 1
        return passed


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


# --- What the package holds -------------------------------------------------

def msi_table(msi, table):
    """The rows of one table of the package, each a dict by column name."""
    # msiinfo writes a table's binary streams into the current folder.
    with tempfile.TemporaryDirectory() as streams:
        exported = run(["msiinfo", "export", str(msi.resolve()), table], cwd=streams)
    if exported.returncode != 0:
        return []
    lines = exported.stdout.replace("\r\n", "\n").split("\n")
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:] if line]


def long_name(name):
    return name.split("|")[-1]


def package_files(dist, config, version):
    base = f"{config['packageName']}-{version}"
    return dist / f"{base}.msi", dist / f"{base}-portable.zip", dist / "SHA256SUMS"


def package_faults(config, files, version, programs):
    """What is wrong with the package (msi, zip, sums) for this version and
    these programs; empty when nothing is."""
    faults = []
    msi, archive, sums_file = files
    names = sorted(pathlib.Path(p["file"]).name for p in programs)
    titles = sorted(p["title"] for p in programs if p["kind"] == "gui")
    if not msi.is_file() or not archive.is_file() or not sums_file.is_file():
        return [f"{msi.name}, {archive.name} or {sums_file.name} is missing"]

    properties = {row["Property"]: row["Value"] for row in msi_table(msi, "Property")}
    expected = {"ProductVersion": version, "ProductName": config["product"],
                "Manufacturer": config["maker"], "UpgradeCode": "{" + config["upgradeCode"] + "}",
                "ALLUSERS": "1"}
    for key, value in expected.items():
        if properties.get(key) != value:
            faults.append(f"{key} is {properties.get(key)!r}, not {value!r}")
    icons = {row["Name"] for row in msi_table(msi, "Icon")}
    if properties.get("ARPPRODUCTICON") not in icons:
        faults.append("no Add/Remove Programs icon")
    files = sorted(long_name(row["FileName"]) for row in msi_table(msi, "File"))
    if files != names:
        faults.append(f"the package holds {files}, not {names}")
    shortcuts = sorted(long_name(row["Name"]) for row in msi_table(msi, "Shortcut"))
    if shortcuts != titles:
        faults.append(f"the shortcuts are {shortcuts}, not {titles}")
    if msi_table(msi, "CustomAction"):
        faults.append("the package runs custom actions")

    with zipfile.ZipFile(archive) as portable:
        entries = sorted(portable.namelist())
        readme = portable.read("README.txt") if "README.txt" in entries else b""
        for program in programs:
            name = pathlib.Path(program["file"]).name
            size = portable.getinfo(name).file_size if name in entries else 0
            if program["kind"] == "gui" and size > MAX_PROGRAM_BYTES:
                faults.append(f"{name} is {size} bytes, over {MAX_PROGRAM_BYTES}")
    if entries != sorted(names + ["README.txt"]):
        faults.append(f"the zip holds {entries}")
    if readme.count(b"\n") == 0 or readme.count(b"\n") != readme.count(b"\r\n"):
        faults.append("README.txt is empty or not in Windows line ends")

    sums = sums_file.read_text()
    for path in (msi, archive):
        line = f"{hashlib.sha256(path.read_bytes()).hexdigest()}  {path.name}"
        if line not in sums.splitlines():
            faults.append(f"SHA256SUMS does not list {path.name} as it is")
    return faults


def build_package(config_path, out, *options):
    made = run([sys.executable, str(pathlib.Path(__file__).parent.parent / "make_package.py"),
                str(config_path), str(out), *options])
    if made.returncode != 0:
        sys.exit(f"cannot build a test package: {made.stdout}{made.stderr}")


def raised(version):
    major, minor, build = version.split(".")
    return f"{major}.{minor}.{int(build) + 1}"


def lowered(version):
    major, minor, build = version.split(".")
    return f"{major}.{int(minor) - 1}.{build}"


# --- A fresh Wine prefix ----------------------------------------------------

class Prefix:
    def __init__(self, path):
        self.path = path
        self.env = dict(os.environ, WINEPREFIX=str(path), WINEDEBUG="-all",
                        # No Mono or Gecko, and no menu entries on this machine
                        # for the shortcuts the package makes.
                        WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d")
        self.env.pop("DISPLAY", None)

    def wine(self, *args, program="wine"):
        """Runs a Wine command, its output through a file: Wine's services
        that it starts would hold a pipe open long after it ends."""
        with tempfile.TemporaryFile(mode="w+") as output:
            try:
                rc = subprocess.run([program, *args], stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.STDOUT, env=self.env,
                                    timeout=WINE_TIMEOUT_S).returncode
            except subprocess.TimeoutExpired:
                rc = -1
            output.seek(0)
            return rc, output.read()

    def create(self):
        """A new prefix with Wine's null graphics driver: windows work
        without any display. The first boot makes a desktop without a driver,
        so the prefix boots again once the driver is set."""
        shutil.rmtree(self.path, ignore_errors=True)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        print("Creating a fresh Wine prefix for the package test (about 20 s)", flush=True)
        self.wine("-i", program="wineboot")
        self.wine("-w", program="wineserver")
        self.wine("reg", "add", r"HKCU\Software\Wine\Drivers", "/v", "Graphics", "/d", "null", "/f")
        self.wine("-k", program="wineserver")
        self.wine(program="wineboot")

    def remove(self):
        self.wine("-k", program="wineserver")
        shutil.rmtree(self.path, ignore_errors=True)

    def unix(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        assert drive.upper() == "C", windows_path
        return self.path / "drive_c" / rest.strip("\\").replace("\\", "/")

    def install_folders(self, product):
        return [self.path / "drive_c" / folder / product
                for folder in ("Program Files (x86)", "Program Files")
                if (self.path / "drive_c" / folder / product).exists()]

    def shortcuts(self, product):
        # Wine puts a per-machine package's shortcuts in the user's Start menu.
        menus = [self.path / "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs",
                 *self.path.glob("drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")]
        return [link for menu in menus for link in menu.glob(f"{product}/*.lnk")]

    def registered(self, product):
        """The product codes that Add/Remove Programs lists under this name."""
        _, listed = self.wine("uninstaller", "--list")
        return [line.split("|||")[0] for line in listed.splitlines()
                if line.split("|||")[-1].strip() == product]

    def registry_value(self, key, name):
        _, answer = self.wine("reg", "query", key, "/v", name)
        for line in answer.splitlines():
            parts = line.split(None, 2)
            if len(parts) == 3 and parts[0] == name:
                return parts[2].strip()
        return None

    def installer_products(self, product):
        """How many products Windows Installer itself knows by this name."""
        _, answer = self.wine("reg", "query", r"HKLM\Software\Classes\Installer\Products", "/s")
        return sum(1 for line in answer.splitlines()
                   if line.split(None, 2)[:1] == ["ProductName"] and line.rstrip().endswith(product))


def windows(path):
    return "Z:" + str(path).replace("/", "\\")


# --- The test -----------------------------------------------------------------

def check_installed(report, prefix, probe, config, programs, version, label):
    """One installed copy of this version, each program where it belongs."""
    product = config["product"]
    folders = prefix.install_folders(product)
    if not report.check(len(folders) == 1, f"{label}: one install folder", f"found {folders}"):
        return
    folder = folders[0]
    names = sorted(pathlib.Path(p["file"]).name for p in programs)
    report.check(sorted(f.name for f in folder.iterdir()) == names,
                 f"{label}: the install folder holds {', '.join(names)}",
                 f"it holds {sorted(f.name for f in folder.iterdir())}")
    installed = "C:\\" + str(folder.relative_to(prefix.path / "drive_c")).replace("/", "\\")
    for program in (p for p in programs if p["kind"] == "gui"):
        path = f"{installed}\\{pathlib.Path(program['file']).name}"
        rc, said = prefix.wine(str(probe), "window", path, program["title"])
        report.check(rc == 0, f"{label}: {path} opens its window \"{program['title']}\"", said.strip())

    links = {link.stem: link for link in prefix.shortcuts(product)}
    titles = sorted(p["title"] for p in programs if p["kind"] == "gui")
    report.check(sorted(links) == titles, f"{label}: Start-menu shortcuts {titles}",
                 f"found {sorted(links)}")
    for program in (p for p in programs if p["kind"] == "gui" and p["title"] in links):
        rc, said = prefix.wine(str(probe), "shortcut", windows(links[program["title"]]))
        fields = dict(field.split("=", 1) for field in said.strip().split("|") if "=" in field)
        target = f"{installed}\\{pathlib.Path(program['file']).name}"
        icon = fields.get("icon", "")
        report.check(rc == 0 and fields.get("target", "").lower() == target.lower()
                     and icon.lower().endswith(".ico") and prefix.unix(icon).is_file(),
                     f"{label}: the shortcut \"{program['title']}\" starts {target}, with its icon",
                     said.strip())

    codes = prefix.registered(product)
    if report.check(len(codes) == 1, f"{label}: one entry in Add/Remove Programs", f"found {codes}"):
        key = rf"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{codes[0]}"
        shown = prefix.registry_value(key, "DisplayVersion")
        report.check(shown == version, f"{label}: Add/Remove Programs shows version {version}",
                     f"it shows {shown}")
    report.check(prefix.installer_products(product) == 1,
                 f"{label}: Windows Installer knows one {product}")


def main():
    config_path, dist, probe, work = (pathlib.Path(a) for a in sys.argv[1:5])
    config = json.loads(config_path.read_text())
    programs = config["programs"]
    version = config["version"]
    report = Report()

    # What the package holds, and that a broken one fails the same checks.
    faults = package_faults(config, package_files(dist, config, version), version, programs)
    report.check(not faults, f"the package {version} holds what it should", "; ".join(faults))
    shutil.rmtree(work, ignore_errors=True)
    left_out = programs[-1]["target"]
    for what, options, built in (
            (f"without {left_out}", ["--without", left_out], version),
            (f"of version {lowered(version)}", ["--version", lowered(version)], lowered(version))):
        out = work / "broken" / options[-1]
        build_package(config_path, out, *options)
        faults = package_faults(config, package_files(out, config, built), version, programs)
        report.check(bool(faults), f"a package {what} fails these checks", "no fault found")

    upgrade_version = raised(version)
    upgrade = work / "upgrade"
    build_package(config_path, upgrade, "--version", upgrade_version)
    msi = package_files(dist, config, version)[0]
    newer = package_files(upgrade, config, upgrade_version)[0]

    prefix = Prefix(work / "prefix")
    prefix.create()
    try:
        rc, said = prefix.wine("msiexec", "/i", windows(msi), "/qn")
        if report.check(rc == 0, f"{msi.name} installs silently", said):
            check_installed(report, prefix, probe, config, programs, version, "installed")
            folders = prefix.install_folders(config["product"])
            for program in programs:
                exe = windows(folders[0] / pathlib.Path(program["file"]).name) if folders else ""
                rc, said = prefix.wine(str(probe), "version", exe)
                report.check(rc == 0 and said.strip() == f"{version}.0",
                             f"installed: {pathlib.Path(program['file']).name} is version {version}",
                             said.strip())

        rc, said = prefix.wine("msiexec", "/i", windows(newer), "/qn")
        if report.check(rc == 0, f"{newer.name} installs over it", said):
            check_installed(report, prefix, probe, config, programs, upgrade_version, "upgraded")
        rc, _ = prefix.wine("msiexec", "/i", windows(msi), "/qn")
        report.check(rc != 0 and prefix.install_folders(config["product"])
                     and len(prefix.registered(config["product"])) == 1,
                     f"{msi.name} does not replace the newer version")

        rc, said = prefix.wine("msiexec", "/x", windows(newer), "/qn")
        report.check(rc == 0, f"{newer.name} uninstalls silently", said)
        report.check(not prefix.install_folders(config["product"]),
                     "nothing is left in Program Files")
        report.check(not prefix.shortcuts(config["product"]), "no shortcut is left")
        report.check(not prefix.registered(config["product"])
                     and prefix.installer_products(config["product"]) == 0,
                     "nothing is left in Add/Remove Programs")
    finally:
        prefix.remove()
    shutil.rmtree(work, ignore_errors=True)

    print(f"package test: {report.failures} check(s) failed" if report.failures
          else "package test: every check passed")
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
