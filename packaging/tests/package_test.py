#!/usr/bin/env python3
"""The Windows Installer package as a clerk and an administrator meet it, in
a fresh Wine prefix: installed silently, each window program started from
where it was installed, the shortcuts followed, the same package installed
again, a newer version installed over it, an older one refused, everything
removed again; then packages of one version each installed over the one
before in a folder of the administrator's choice (an earlier build, this
one, this one signed, and signed with another certificate), each leaving
its own programs as the one product installed. First it checks what the
package holds, that a package missing a program or carrying another version
fails those same checks, and signs the release with two throwaway
certificates (one .pfx exported the older way): twice with the same gives
the same bytes, and a run with a wrong password keeps the release it was to
replace.

usage: package_test.py CONFIG DIST PROBE WORK
  CONFIG  package.json (the shipped programs, the version, the names)
  DIST    the folder holding the package, the zip and SHA256SUMS
  PROBE   package_probe.exe, which asks Windows inside the prefix
  WORK    a folder the test may empty and use (the prefix goes there)
"""
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import uuid
import xml.etree.ElementTree as ET
import zipfile

from package_contents import (long_name, msi_properties, msi_summary, msi_table, package_faults,
                              package_files, run)

WINE_TIMEOUT_S = 120
TERMINAL_SERVER_AWARE = 0x8000  # IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE
# Windows 7 to 11 as an application manifest names them (10 stands for 11).
SUPPORTED_OS = {"7": "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                "8": "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                "8.1": "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                "10": "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}
CUSTOM_FOLDER = r"C:\Calculators"
MAKE_PACKAGE = pathlib.Path(__file__).parent.parent / "make_package.py"


class Report:
    def __init__(self):
        self.failures = 0

    def check(self, passed, what, detail=""):
        print(("ok    " if passed else "FAIL  ") + what + (f": {detail}" if detail and not passed else ""))
        self.failures += 0 if passed else 1
        return passed


# --- Packages to install ----------------------------------------------------

def make_package(config_path, out, *options, env=None):
    return run([sys.executable, "-B", str(MAKE_PACKAGE), str(config_path), str(out), *options],
               env=env)


def build_package(config_path, out, *options):
    made = make_package(config_path, out, *options)
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
        # A home of its own: whatever Wine writes into a home (the menu
        # builder's entries for the shortcuts the package makes) stays here.
        self.home = path.parent / "home"
        self.env = dict(os.environ, WINEPREFIX=str(path), WINEDEBUG="-all", HOME=str(self.home),
                        # No Mono or Gecko, and no menu builder. (One entry a
                        # DLL list and its setting; entries apart take ";".)
                        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
        for name in ("DISPLAY", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"):
            self.env.pop(name, None)

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
        self.home.mkdir(parents=True, exist_ok=True)
        print("Creating a fresh Wine prefix for the package test (about 20 s)", flush=True)
        self.wine("-i", program="wineboot")
        self.wine("-w", program="wineserver")
        self.wine("reg", "add", r"HKCU\Software\Wine\Drivers", "/v", "Graphics", "/d", "null", "/f")
        self.wine("-k", program="wineserver")
        self.wine(program="wineboot")

    def remove(self):
        self.wine("-k", program="wineserver")
        # The Wine server's folder in the temporary folder, which the prefix names.
        server = self.path / "wineserver"
        if server.is_file() and server.read_text().strip():
            shutil.rmtree(pathlib.Path(os.environ.get("TMPDIR", "/tmp")) / server.read_text().strip(),
                          ignore_errors=True)
        shutil.rmtree(self.path, ignore_errors=True)

    def unix(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        assert drive.upper() == "C", windows_path
        return self.path / "drive_c" / rest.strip("\\").replace("\\", "/")

    def install_folders(self, product):
        candidates = [self.path / "drive_c" / folder / product
                      for folder in ("Program Files (x86)", "Program Files")]
        return [f for f in [*candidates, self.unix(CUSTOM_FOLDER)] if f.exists()]

    def msiexec(self, *args):
        return self.wine("msiexec", *args, "/qn")

    def settings(self, root, config):
        """What the package keeps in the registry (the 32-bit view, as a
        32-bit package writes it), or None when it keeps nothing there."""
        key = rf"{root}\Software\{config['maker']}\{config['product']}"
        rc, answer = self.wine("reg", "query", key, "/reg:32")
        return answer if rc == 0 else None

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


def probe_fields(said):
    """package_probe's "name=value|name=value" answer as a dict."""
    return dict(field.split("=", 1) for field in said.strip().split("|") if "=" in field)


def verify_signature(path, cert):
    """osslsigncode's check of a signed file, trusting the test certificate."""
    return run(["osslsigncode", "verify", "-CAfile", str(cert), "-in", str(path)])


# --- The test -----------------------------------------------------------------

def check_installed(report, prefix, probe, config, programs, version, label, full=True):
    """One installed copy of this version, each program where it belongs;
    returns its folder. full: also start each window program and follow
    each shortcut."""
    product = config["product"]
    folders = prefix.install_folders(product)
    if not report.check(len(folders) == 1, f"{label}: one install folder", f"found {folders}"):
        return None
    folder = folders[0]
    names = sorted(p["name"] for p in programs)
    report.check(sorted(f.name for f in folder.iterdir()) == names,
                 f"{label}: the install folder holds {', '.join(names)}",
                 f"it holds {sorted(f.name for f in folder.iterdir())}")
    installed = "C:\\" + str(folder.relative_to(prefix.path / "drive_c")).replace("/", "\\")
    links = {link.stem: link for link in prefix.shortcuts(product)}
    titles = sorted(p["title"] for p in programs if p["kind"] == "gui")
    report.check(sorted(links) == titles, f"{label}: Start-menu shortcuts {titles}",
                 f"found {sorted(links)}")
    for program in (p for p in programs if p["kind"] == "gui" and full):
        path = f"{installed}\\{program['name']}"
        rc, said = prefix.wine(str(probe), "window", path, program["title"])
        report.check(rc == 0, f"{label}: {path} opens its window \"{program['title']}\"", said.strip())
    for program in (p for p in programs if p["kind"] == "gui" and full and p["title"] in links):
        rc, said = prefix.wine(str(probe), "shortcut", windows(links[program["title"]]))
        fields = probe_fields(said)
        target = f"{installed}\\{program['name']}"
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
        shown = prefix.registry_value(key, "InstallLocation") or ""
        report.check(shown.lower() == installed.lower() + "\\",
                     f"{label}: Add/Remove Programs shows the install folder {installed}",
                     f"it shows {shown!r}")
    report.check(prefix.installer_products(product) == 1,
                 f"{label}: Windows Installer knows one {product}")
    return folder


def check_programs(report, prefix, probe, config, msi, folder):
    """What Windows reads from each installed program: the version the
    package's File table claims for it, the copyright, the manifest and the
    terminal-server flag."""
    claimed = {long_name(row["FileName"]): row["Version"] for row in msi_table(msi, "File")}
    for name, version in claimed.items():
        path = windows(folder / name)
        rc, said = prefix.wine(str(probe), "version", path)
        fields = probe_fields(said)
        report.check(rc == 0 and fields.get("version") == version
                     and fields.get("copyright") == config["copyright"],
                     f"{name} is version {version}, \"{config['copyright']}\"", said.strip())
        rc, said = prefix.wine(str(probe), "image", path)
        faults = manifest_faults(said) if rc == 0 else [said.strip()]
        report.check(not faults, f"{name}: manifest asInvoker for Windows 7 to 11, "
                     "no DPI awareness or visual styles; terminal-server aware", "; ".join(faults))


def manifest_faults(said):
    """What is wrong with the header flags and manifest package_probe read."""
    first, _, manifest = said.partition("\n")
    faults = []
    flags = int(first.split("=")[1], 16) if first.startswith("characteristics=") else 0
    if not flags & TERMINAL_SERVER_AWARE:
        faults.append(f"not terminal-server aware ({first.strip()})")
    try:
        root = ET.fromstring(manifest.strip().encode())
    except ET.ParseError as error:
        return faults + [f"the manifest does not parse: {error}"]
    local = {element: element.tag.split("}")[-1] for element in root.iter()}
    levels = [(e.get("level"), e.get("uiAccess")) for e, tag in local.items()
              if tag == "requestedExecutionLevel"]
    if levels != [("asInvoker", "false")]:
        faults.append(f"execution levels {levels}")
    declared = {e.get("Id", "").strip("{}").lower()
                for e, tag in local.items() if tag == "supportedOS"}
    missing = [name for name, os_id in SUPPORTED_OS.items() if os_id not in declared]
    if missing:
        faults.append(f"Windows {', '.join(missing)} not declared")
    if any(tag in ("dpiAware", "dpiAwareness") for tag in local.values()):
        faults.append("declares DPI awareness")
    if any(e.get("name") == "Microsoft.Windows.Common-Controls" for e in local):
        faults.append("asks for visual styles")
    return faults


def check_removed(report, prefix, config, label):
    product = config["product"]
    report.check(not prefix.install_folders(product), f"{label}: no program is left")
    report.check(not prefix.shortcuts(product), f"{label}: no shortcut is left")
    report.check(not prefix.registered(product) and prefix.installer_products(product) == 0,
                 f"{label}: nothing is left in Add/Remove Programs")
    report.check(all(prefix.settings(root, config) is None for root in ("HKLM", "HKCU")),
                 f"{label}: nothing is left in the registry")


class Certificate:
    """A throwaway self-signed code-signing certificate and its .pfx (legacy:
    encrypted with RC2-40, as older Windows exports write it)."""

    def __init__(self, work, name, legacy=False):
        self.cert, self.pfx = work / f"{name}.pem", work / f"{name}.pfx"
        key = work / f"{name}.key"
        self.made = [run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                          "-keyout", str(key), "-out", str(self.cert), "-subj", f"/CN={name}",
                          "-addext", "extendedKeyUsage=codeSigning"]),
                     run(["openssl", "pkcs12", "-export", *(["-legacy"] if legacy else []),
                          "-inkey", str(key), "-in", str(self.cert), "-out", str(self.pfx),
                          "-passout", "pass:throwaway"])]
        shown = run(["openssl", "x509", "-noout", "-fingerprint", "-sha1", "-in", str(self.cert)])
        self.thumbprint = shown.stdout.strip().split("=")[-1].replace(":", "").upper()

    def signing(self, password="throwaway"):
        env = dict(os.environ, SIGN_PKCS12=str(self.pfx), SIGN_PASSWORD=password)
        env.pop("SIGN_TIMESTAMP_URL", None)
        return env


def check_signed(report, config, out, plain, certificate, label):
    """The package in `out` and each program in its zip carry the
    certificate's signature; each program without it is `plain`'s."""
    msi, archive, _ = package_files(out, config, config["version"])
    checked = verify_signature(msi, certificate.cert)
    report.check(checked.returncode == 0, f"{label}: osslsigncode verifies {msi.name}",
                 checked.stdout[-400:])
    work = out / "programs"
    work.mkdir()
    with zipfile.ZipFile(archive) as portable, zipfile.ZipFile(plain) as unsigned:
        for program in config["programs"]:
            name = program["name"]
            exe = work / name
            exe.write_bytes(portable.read(name))
            checked = verify_signature(exe, certificate.cert)
            stripped = run(["osslsigncode", "remove-signature", "-in", str(exe),
                            "-out", str(work / (name + ".unsigned"))])
            report.check(checked.returncode == 0 and stripped.returncode == 0
                         and (work / (name + ".unsigned")).read_bytes() == unsigned.read(name),
                         f"{label}: {name} is signed, and without its signature is the unsigned "
                         "build's", checked.stdout[-400:] + stripped.stderr)
    shutil.rmtree(work)


def signing(report, config_path, dist, config, work):
    """Signs the release with two throwaway certificates, the second's .pfx
    exported the older way; checks what a signing run must refuse and keep.
    Returns the folders signed with each, and the certificates."""
    work.mkdir(parents=True)
    first, second = Certificate(work, "Quenrow test"), Certificate(work, "Quenrow legacy", True)
    for certificate in (first, second):
        for made in certificate.made:
            if not report.check(made.returncode == 0, f"openssl {made.args[1]}: a throwaway "
                                f"certificate ({certificate.pfx.name})", made.stderr):
                return None
    version = config["version"]
    plain_msi, plain_archive, _ = package_files(dist, config, version)
    nopass = make_package(config_path, work / "nopass", "--sign",
                          env={k: v for k, v in first.signing().items() if k != "SIGN_PASSWORD"})
    report.check(nopass.returncode != 0 and "SIGN_PASSWORD" in nopass.stderr,
                 "signing without the password stops instead of building unsigned", nopass.stdout)
    # A signing run that fails keeps the release it was to replace.
    kept = work / "kept"
    shutil.copytree(dist, kept)
    before = {path.name: path.read_bytes() for path in kept.iterdir()}
    wrong = make_package(config_path, kept, "--sign", env=first.signing("wrong"))
    report.check(wrong.returncode != 0 and "cannot read" in wrong.stderr
                 and {path.name: path.read_bytes() for path in kept.iterdir()} == before
                 and sorted(p.name for p in work.iterdir() if p.name.startswith(".")) == [],
                 "a signing run with a wrong password fails and leaves the release as it was",
                 wrong.stdout + wrong.stderr)

    signed = {}
    for certificate, out in ((first, work / "signed"), (first, work / "signed-again"),
                             (second, work / "signed-legacy")):
        made = make_package(config_path, out, "--sign", env=certificate.signing())
        if not report.check(made.returncode == 0, f"the package builds signed with "
                            f"{certificate.pfx.name}", made.stdout + made.stderr):
            return None
        report.check(f"thumbprint {certificate.thumbprint}" in made.stdout,
                     f"the signing run names the certificate's thumbprint "
                     f"{certificate.thumbprint}", made.stdout)
        signed[out.name] = package_files(out, config, version)
    faults = package_faults(config, signed["signed"], version, config["programs"])
    report.check(not faults, "the signed package holds what the unsigned one does",
                 "; ".join(faults))
    report.check(all(a.read_bytes() == b.read_bytes()
                     for a, b in zip(signed["signed"], signed["signed-again"])),
                 "two signing runs of the same programs give the same bytes")
    check_signed(report, config, work / "signed", plain_archive, first, "signed")
    check_signed(report, config, work / "signed-legacy", plain_archive, second,
                 "signed with a legacy .pfx")
    tampered = work / "tampered.exe"
    with zipfile.ZipFile(signed["signed"][1]) as portable:
        data = bytearray(portable.read(config["programs"][0]["name"]))
    data[len(data) // 3] ^= 0xFF
    tampered.write_bytes(bytes(data))
    report.check(verify_signature(tampered, first.cert).returncode != 0,
                 "a program changed after signing fails to verify")
    codes = [msi_properties(m)["ProductCode"]
             for m in (plain_msi, signed["signed"][0], signed["signed-legacy"][0])]
    report.check(len(set(codes)) == 3,
                 "unsigned, signed and signed by another: each another product", str(codes))
    return {"first": (work / "signed", first), "second": (work / "signed-legacy", second)}


def main():
    config_path, dist, probe, work = (pathlib.Path(a) for a in sys.argv[1:5])
    config = json.loads(config_path.read_text())
    programs = config["programs"]
    version = config["version"]
    report = Report()

    # What the package holds, and that a broken one fails the same checks.
    files = package_files(dist, config, version)
    faults = package_faults(config, files, version, programs)
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

    rebuilt = work / "rebuilt"
    build_package(config_path, rebuilt)
    report.check(all(a.read_bytes() == b.read_bytes()
                     for a, b in zip(files, package_files(rebuilt, config, version))),
                 "packaging the same programs again gives the same bytes")
    earlier = work / "earlier"  # as builds of one version were made before: a new code each
    build_package(config_path, earlier, "--product-code", str(uuid.uuid4()))
    upgrade_version = raised(version)
    upgrade = work / "upgrade"
    build_package(config_path, upgrade, "--version", upgrade_version)
    msi = files[0]
    newer = package_files(upgrade, config, upgrade_version)[0]
    product_code = msi_properties(msi)["ProductCode"]
    report.check(product_code != msi_properties(newer)["ProductCode"],
                 "another version is another product")
    signed = signing(report, config_path, dist, config, work / "signing")

    prefix = Prefix(work / "prefix")
    prefix.create()
    try:
        rc, said = prefix.msiexec("/i", windows(msi))
        if report.check(rc == 0, f"{msi.name} installs silently", said):
            folder = check_installed(report, prefix, probe, config, programs, version, "installed")
            if folder:
                check_programs(report, prefix, probe, config, msi, folder)
        rc, said = prefix.msiexec("/i", windows(msi))
        if report.check(rc == 0, "the same package installs again", said):
            check_installed(report, prefix, probe, config, programs, version,
                            "the same package again", full=False)

        rc, said = prefix.msiexec("/i", windows(newer))
        if report.check(rc == 0, f"{newer.name} installs over it", said):
            check_installed(report, prefix, probe, config, programs, upgrade_version, "upgraded")
        rc, _ = prefix.msiexec("/i", windows(msi))
        report.check(rc != 0 and prefix.install_folders(config["product"])
                     and len(prefix.registered(config["product"])) == 1,
                     f"{msi.name} does not replace the newer version")
        rc, said = prefix.msiexec("/x", windows(newer))
        report.check(rc == 0, f"{newer.name} uninstalls silently", said)
        check_removed(report, prefix, config, "uninstalled")

        # Packages of one version, each over the one before, in a folder of
        # the administrator's choice: an earlier build, this one, this one
        # signed, and signed with another certificate. Each leaves its own
        # programs and is the one product installed.
        rc, said = prefix.msiexec("/i", windows(package_files(earlier, config, version)[0]),
                                  f"INSTALLDIR={CUSTOM_FOLDER}")
        report.check(rc == 0 and prefix.install_folders(config["product"])
                     == [prefix.unix(CUSTOM_FOLDER)]
                     and CUSTOM_FOLDER in (prefix.settings("HKLM", config) or ""),
                     f"an earlier build installs into {CUSTOM_FOLDER} and remembers it", said)
        over = [("the unsigned package over an earlier build", dist, None)]
        if signed:
            over += [("the signed package over the unsigned one", *signed["first"]),
                     ("a package signed by another over it", *signed["second"])]
        for label, out, certificate in over:
            package = package_files(out, config, version)[0]
            rc, said = prefix.msiexec("/i", windows(package))
            if not report.check(rc == 0, f"{label} installs", said):
                continue
            folder = check_installed(report, prefix, probe, config, programs, version, label,
                                     full=False)
            report.check(folder == prefix.unix(CUSTOM_FOLDER),
                         f"{label}: stays in {CUSTOM_FOLDER}", f"went to {folder}")
            codes = prefix.registered(config["product"])
            report.check(codes == [msi_properties(package)["ProductCode"]],
                         f"{label}: replaces it", f"found {codes}")
            exe = (folder or work) / programs[0]["name"]
            with zipfile.ZipFile(package_files(out, config, version)[1]) as portable:
                shipped = portable.read(programs[0]["name"])
            report.check(exe.is_file() and exe.read_bytes() == shipped,
                         f"{label}: {exe.name} is the package's own")
            if certificate:
                report.check(verify_signature(exe, certificate.cert).returncode == 0,
                             f"{label}: {exe.name} carries the signature of {certificate.pfx.stem}")
        rc, said = prefix.msiexec("/x", windows(package))
        report.check(rc == 0, "the last package uninstalls silently", said)
        check_removed(report, prefix, config, "uninstalled again")
    finally:
        prefix.remove()
    written = sorted(str(f.relative_to(prefix.home)) for f in prefix.home.rglob("*"))
    report.check(not written, "Wine wrote nothing into the home", ", ".join(written[:5]))
    shutil.rmtree(work, ignore_errors=True)

    print(f"package test: {report.failures} check(s) failed" if report.failures
          else "package test: every check passed")
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
