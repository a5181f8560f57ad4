"""What a release holds, read back from its files with msitools and zipfile:
package_faults() lists what is wrong with a package, its zip and their sums,
including the rules Windows Installer's validation would apply to the tables
(each file versioned and none of them hashed, short names, per-user key paths,
shortcuts that name no file of another component, the Start-menu folder
removed, the install folder remembered and shown in Add/Remove Programs, the
same version replaced)."""
import hashlib
import os
import re
import struct
import subprocess
import tempfile
import time
import urllib.parse
import zipfile

# A window program with everything it ships (scoring a roster included) is
# at most 200 KB, a roster program at most 136 KB (KB of 1,024 bytes); the
# exception machinery, the C library's printf or a shared runtime creeping
# back would add 25 to 250 KB.
MAX_PROGRAM_BYTES = {"gui": 200 * 1024, "console": 136 * 1024}
README_WIDTH = 80
SHORT_NAME = re.compile(r"^[A-Za-z0-9_~-]{1,8}(\.[A-Za-z0-9_~-]{1,3})?$")
HKCU, HKLM = "1", "2"
REGISTRY_KEY_PATH = 4  # Component attribute: the key path is a Registry row
SET_PROPERTY = "51"  # CustomAction type: sets a property to a formatted text, runs no code
COST_FINALIZE = 1000  # where the folders are resolved
# A formatted text's reference to a file ([#key], [!key]) or a component ([$key]).
FILE_OR_COMPONENT = re.compile(r"\[([#!$])([^\]]+)\]")
ONLY_DETECT, VERSION_MIN_INCLUSIVE, VERSION_MAX_INCLUSIVE = 2, 256, 512  # Upgrade
# Folders in a user's profile (the Start menu among them): what Windows
# Installer puts there needs a per-user key path and must be removed again.
PROFILE_FOLDERS = {"ProgramMenuFolder", "StartMenuFolder", "StartupFolder", "DesktopFolder",
                   "AppDataFolder", "LocalAppDataFolder", "PersonalFolder"}


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


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


def msi_properties(msi):
    """The Property table as {property: value}."""
    return {row["Property"]: row["Value"] for row in msi_table(msi, "Property")}


def msi_summary(msi):
    """The summary information as msiinfo shows it, times in UTC."""
    shown = run(["msiinfo", "suminfo", str(msi)], env=dict(os.environ, TZ="UTC0", LC_ALL="C"))
    return dict(line.split(": ", 1) for line in shown.stdout.splitlines() if ": " in line)


def long_name(name):
    return name.split("|")[-1]


def package_files(dist, config, version):
    base = f"{config['packageName']}-{version}"
    return dist / f"{base}.msi", dist / f"{base}-portable.zip", dist / "SHA256SUMS"


def name_faults(components, directories, shortcuts, files):
    """Every file, folder and shortcut name has a valid short (8.3) form,
    unique within its folder."""
    faults = []
    named = [(components.get(f["Component_"], {}).get("Directory_"), f["FileName"]) for f in files]
    named += [(d["Directory_Parent"], d["DefaultDir"].split(":")[0]) for d in directories.values()
              if d["Directory"] != "TARGETDIR" and d["DefaultDir"] != "."]
    named += [(s["Directory_"], s["Name"]) for s in shortcuts]
    in_folder = {}
    for folder, name in named:
        short = name.split("|")[0]
        if not SHORT_NAME.match(short):
            faults.append(f"'{name}' has no short name")
        in_folder.setdefault(folder, []).append(short.upper())
    for folder, shorts in in_folder.items():
        if len(set(shorts)) != len(shorts):
            faults.append(f"short names repeat in {folder}: {sorted(shorts)}")
    return faults


def table_faults(msi, config, version, programs, properties, files, shortcuts):
    """The tables against the rules a Windows administrator's validation
    applies, and against what the About box and the read-me promise.
    properties, files and shortcuts: the tables package_faults read."""
    faults = []
    actions = msi_table(msi, "CustomAction")
    if any(a["Type"] != SET_PROPERTY for a in actions):
        faults.append("the package runs custom actions")
    components = {row["Component"]: row for row in msi_table(msi, "Component")}
    directories = {row["Directory"]: row for row in msi_table(msi, "Directory")}
    registry = {row["Registry"]: row for row in msi_table(msi, "Registry")}

    for row in files:
        if not re.fullmatch(r"\d+\.\d+\.\d+\.\d+", row["Version"]) or not row["Language"]:
            faults.append(f"{long_name(row['FileName'])} carries no version and language")
    faults += name_faults(components, directories, shortcuts, files)

    def in_profile(directory):
        while directory:
            if directory in PROFILE_FOLDERS:
                return True
            directory = directories.get(directory, {}).get("Directory_Parent")
        return False

    removed = {row["DirProperty"] for row in msi_table(msi, "RemoveFile")
               if not row["FileName"] and row["InstallMode"] in ("2", "3")}
    for name, component in components.items():
        linked = any(s["Component_"] == name and s["Target"].startswith("[") for s in shortcuts)
        if linked or in_profile(component["Directory_"]):
            key = registry.get(component["KeyPath"], {})
            if not int(component["Attributes"]) & REGISTRY_KEY_PATH or key.get("Root") != HKCU:
                faults.append(f"component {name} is not keyed by a per-user registry value")
        if in_profile(component["Directory_"]) and component["Directory_"] not in PROFILE_FOLDERS \
                and component["Directory_"] not in removed:
            faults.append(f"the folder {component['Directory_']} stays behind on uninstall")
    # A reference to another component's file resolves to nothing when that
    # component is not being installed (validation's ICE69).
    owners = {row["File"]: row["Component_"] for row in files}
    for shortcut in shortcuts:
        for kind, key in FILE_OR_COMPONENT.findall(shortcut["Target"] + shortcut["Arguments"]):
            if (owners.get(key) if kind in "#!" else key) != shortcut["Component_"]:
                faults.append(f"the shortcut {shortcut['Shortcut']} names [{kind}{key}] "
                              "of another component")
    versioned = {row["File"] for row in files if row["Version"]}
    hashed = sorted(versioned & {row["File_"] for row in msi_table(msi, "MsiFileHash")})
    if hashed:
        faults.append(f"versioned files are hashed (MsiFileHash): {hashed}")
    descriptions = sorted(p["description"] for p in programs if p["kind"] == "gui")
    if sorted(s["Description"] for s in shortcuts) != descriptions:
        faults.append("the shortcuts lack their descriptions")

    if properties.get("ARPNOMODIFY") != "1":
        faults.append("Add/Remove Programs offers to modify")
    for link in ("ARPHELPLINK", "ARPURLINFOABOUT"):
        url = urllib.parse.urlparse(properties.get(link, ""))
        if url.scheme != "https" or url.hostname != config["makerAddress"]:
            faults.append(f"{link} is not the About box's address {config['makerAddress']}")

    # The folder of an earlier install: searched where the package writes it.
    search = {r["Property"]: r["Signature_"] for r in msi_table(msi, "AppSearch")}
    locator = {r["Signature_"]: r for r in msi_table(msi, "RegLocator")}.get(
        search.get("INSTALLDIR"), {})
    if not locator or not any(
            r["Value"] == "[INSTALLDIR]" and r["Root"] == locator["Root"] == HKLM
            and r["Key"] == locator["Key"] and r["Name"] == locator["Name"]
            for r in registry.values()):
        faults.append("INSTALLDIR is not remembered for the next version")
    if "INSTALLDIR" not in properties.get("SecureCustomProperties", "").split(";"):
        faults.append("INSTALLDIR given on the command line would not reach the install")
    sequence = {r["Action"]: int(r["Sequence"]) for r in msi_table(msi, "InstallExecuteSequence")}
    if not any(a["Type"] == SET_PROPERTY and a["Source"] == "ARPINSTALLLOCATION"
               and a["Target"] == "[INSTALLDIR]"
               and COST_FINALIZE < sequence.get(a["Action"], 0) < sequence["InstallValidate"]
               for a in actions):
        faults.append("ARPINSTALLLOCATION is not set to the resolved INSTALLDIR")

    upgrades = [(u["VersionMin"], u["VersionMax"], int(u["Attributes"]))
                for u in msi_table(msi, "Upgrade")
                if u["UpgradeCode"] == "{" + config["upgradeCode"] + "}"]
    if not any(low == "" and high == version and a & VERSION_MAX_INCLUSIVE and not a & ONLY_DETECT
               for low, high, a in upgrades):
        faults.append(f"the package does not replace an installed {version} or older")
    if not any(low == version and high == "" and a & ONLY_DETECT
               and not a & VERSION_MIN_INCLUSIVE for low, high, a in upgrades):
        faults.append("the package does not refuse to replace a newer version")
    return faults


def unsigned_size(program):
    """A program's size without its signature: the certificate table at the
    end of a signed program starts where the header's security directory
    says (its size depends on the certificate chain, not on the program)."""
    if program[:2] != b"MZ":
        return len(program)
    header = struct.unpack_from("<I", program, 0x3C)[0]
    optional = header + 24
    directories = optional + (96 if struct.unpack_from("<H", program, optional)[0] == 0x10B
                              else 112)
    start, size = struct.unpack_from("<II", program, directories + 4 * 8)  # security
    return start if size and start + size == len(program) else len(program)


def time_faults(msi, archive, epoch):
    """Every time the package and the zip show is the release's."""
    faults = []
    summary = msi_summary(msi)
    stamp = time.asctime(time.gmtime(epoch))
    for field in ("Created", "Last saved"):
        if summary.get(field) != stamp:
            faults.append(f"the package's {field} time is {summary.get(field)}, not {stamp}")
    with zipfile.ZipFile(archive) as portable:
        # A zip keeps times to two seconds.
        stamped = [i.filename for i in portable.infolist()
                   if i.date_time != time.gmtime(epoch - epoch % 2)[:6]]
    if stamped:
        faults.append(f"zip entries with another time: {stamped}")
    return faults


def package_faults(config, files, version, programs):
    """What is wrong with the package (msi, zip, sums) for this version and
    these programs; empty when nothing is."""
    faults = []
    msi, archive, sums_file = files
    names = sorted(p["name"] for p in programs)
    titles = sorted(p["title"] for p in programs if p["kind"] == "gui")
    if not msi.is_file() or not archive.is_file() or not sums_file.is_file():
        return [f"{msi.name}, {archive.name} or {sums_file.name} is missing"]

    properties = msi_properties(msi)
    file_rows = msi_table(msi, "File")
    shortcut_rows = msi_table(msi, "Shortcut")
    expected = {"ProductVersion": version, "ProductName": config["product"],
                "Manufacturer": config["maker"], "UpgradeCode": "{" + config["upgradeCode"] + "}",
                "ALLUSERS": "1"}
    for key, value in expected.items():
        if properties.get(key) != value:
            faults.append(f"{key} is {properties.get(key)!r}, not {value!r}")
    icons = {row["Name"] for row in msi_table(msi, "Icon")}
    if properties.get("ARPPRODUCTICON") not in icons:
        faults.append("no Add/Remove Programs icon")
    held = sorted(long_name(row["FileName"]) for row in file_rows)
    if held != names:
        faults.append(f"the package holds {held}, not {names}")
    linked = sorted(long_name(row["Name"]) for row in shortcut_rows)
    if linked != titles:
        faults.append(f"the shortcuts are {linked}, not {titles}")
    faults += table_faults(msi, config, version, programs, properties, file_rows,
                           shortcut_rows)
    faults += time_faults(msi, archive, config["sourceDateEpoch"])

    with zipfile.ZipFile(archive) as portable:
        entries = sorted(portable.namelist())
        readme = portable.read("README.txt") if "README.txt" in entries else b""
        for program in programs:
            name = program["name"]
            size = unsigned_size(portable.read(name)) if name in entries else 0
            if size > MAX_PROGRAM_BYTES[program["kind"]]:
                faults.append(f"{name} is {size} bytes, over {MAX_PROGRAM_BYTES[program['kind']]}")
    if entries != sorted(names + ["README.txt"]):
        faults.append(f"the zip holds {entries}")
    if readme.count(b"\n") == 0 or readme.count(b"\n") != readme.count(b"\r\n"):
        faults.append("README.txt is empty or not in Windows line ends")
    if any(len(line) > README_WIDTH for line in readme.decode(errors="replace").splitlines()):
        faults.append(f"README.txt has lines over {README_WIDTH} characters")
    for code in ("ProductCode", "UpgradeCode"):
        if properties.get(code, "?").encode() not in readme:
            faults.append(f"README.txt does not name the package's {code}")
    if b"Start menu)" in readme:
        faults.append("README.txt sends a portable copy's user to the Start menu")

    sums = sums_file.read_text()
    for path in (msi, archive):
        line = f"{hashlib.sha256(path.read_bytes()).hexdigest()}  {path.name}"
        if line not in sums.splitlines():
            faults.append(f"SHA256SUMS does not list {path.name} as it is")
    return faults
