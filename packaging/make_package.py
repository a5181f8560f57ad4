#!/usr/bin/env python3
"""Builds the release for Windows users into one folder:

  NAME-VERSION.msi           the Windows Installer package (built by wixl)
  NAME-VERSION-portable.zip  the same programs with README.txt, to run unzipped
  SHA256SUMS                 the SHA-256 of both, as sha256sum writes them

usage: make_package.py CONFIG OUT-DIR [--sign] [--version X.Y.Z]
                       [--without TARGET]... [--product-code GUID]

CONFIG is the package.json that CMake writes from programs.txt and the
project's version. Every byte written is a function of CONFIG, the programs
and (signed) the certificate: each time in the package and the zip is
CONFIG's sourceDateEpoch, the product code is derived from the upgrade code,
the version and the package's content, the package code from the package's
bytes. OUT-DIR is replaced as a whole once everything is built: a run that
fails leaves it as it was.

--sign signs the programs, then the package, with osslsigncode and the
certificate SIGN_PKCS12 (a .pfx file, also one exported the older way, with
RC2-40) whose password is SIGN_PASSWORD, and verifies both. The signing time
is sourceDateEpoch, so the same programs signed with the same certificate
give the same bytes; with SIGN_TIMESTAMP_URL a timestamp server's
countersignature carries the real time instead.
--version, --without and --product-code build a package under another
version, without a program or under another product code: the package test
uses them for an upgrade, for broken packages and for an older build of the
same version.
"""
import argparse
import hashlib
import json
import os
import pathlib
import re
import shutil
import ssl
import struct
import subprocess
import sys
import tempfile
import textwrap
import time
import uuid
import xml.etree.ElementTree as ET
import zipfile

import msi_summary

WIX_NAMESPACE = "http://schemas.microsoft.com/wix/2006/wi"
SHORT_NAME = re.compile(r"^[A-Za-z0-9_~-]{1,8}(\.[A-Za-z0-9_~-]{1,3})?$")
# Upgrade table attributes: carry the feature states over, and count the
# maximum version itself in (so a package of the installed version replaces
# it instead of installing beside it).
MIGRATE_FEATURES = 1
VERSION_MAX_INCLUSIVE = 512
# RemoveExistingProducts right after InstallValidate: the installed version
# goes entirely before this one installs (WiX's own default; wixl puts it last).
REMOVE_EXISTING_PRODUCTS_SEQUENCE = 1401
# A custom action that only sets a property to a formatted text (runs no
# code), right after CostFinalize (1000), where the folders are resolved.
SET_PROPERTY = 51
SET_INSTALL_LOCATION = "SetInstallLocation"
AFTER_COST_FINALIZE = 1001


def fail(message):
    sys.exit(f"make_package: {message}")


def msi_id(text):
    """An identifier Windows Installer accepts (letters, digits, _ and .)."""
    return re.sub(r"[^A-Za-z0-9_.]", "_", text)


def element(parent, tag, **attributes):
    return ET.SubElement(parent, tag, {k: str(v) for k, v in attributes.items()})


def product_code(config, version, content):
    """A name-based UUID of the upgrade code, the version and the package's
    content (content: a digest of the tables and files). A package of an
    installed version whose content differs (signed, rebuilt from another
    commit) is another product, which the upgrade of the same version
    replaces; Windows Installer would refuse another package of an installed
    product (error 1638). The same content is the same product, which
    installs over itself and changes nothing."""
    return uuid.uuid5(uuid.UUID(config["upgradeCode"]), f"{version} {content}")


NO_PRODUCT_CODE = uuid.UUID(int=0)  # in the source whose digest makes the product code
ICON = "program.ico"
README_WIDTH = 80  # README.txt's lines, as a plain editor shows them


def guid(code):
    return "{" + str(code).upper() + "}"


def with_short_names(names):
    """{long name: "SHORT|long"} for names that are no valid 8.3 name
    themselves (a name that is stays as it is). The short names are unique
    among these names, as they must be within one folder."""
    taken = {name.upper() for name in names if SHORT_NAME.match(name)}
    result = {}
    for name in names:
        if SHORT_NAME.match(name):
            result[name] = name
            continue
        stem, dot, extension = name.rpartition(".") if "." in name else (name, "", "")
        stem = re.sub(r"[^A-Z0-9_-]", "", stem.upper())[:6]
        extension = re.sub(r"[^A-Z0-9_-]", "", extension.upper())[:3]
        for number in range(1, 10):
            short = f"{stem}~{number}" + (f".{extension}" if extension else "")
            if short not in taken:
                break
        else:
            fail(f"no short name left for {name}")
        taken.add(short)
        result[name] = f"{short}|{name}"
    return result


def version_resource(path):
    """(file version "a.b.c.d", language id) from a program's version
    resource, found by the signature of its fixed part."""
    data = path.read_bytes()
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    translation = data.find("Translation\0".encode("utf-16-le"))
    if fixed < 0 or translation < 0:
        fail(f"{path.name} carries no version resource")
    high, low = struct.unpack_from("<II", data, fixed + 8)
    value = (translation + len("Translation\0") * 2 + 3) // 4 * 4
    language = struct.unpack_from("<H", data, value)[0]
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}", language


def wix_source(config, version, programs, code):
    """The WiX 3 source: one component per program in its own folder under
    Program Files, one for the Start-menu folder and its shortcuts, one that
    remembers the install folder; the icon and links in Add/Remove Programs,
    and a major upgrade over any older version."""
    product_name, maker = config["product"], config["maker"]
    settings_key = f"Software\\{maker}\\{product_name}"
    wix = ET.Element("Wix", xmlns=WIX_NAMESPACE)
    product = element(wix, "Product", Id=str(code).upper(), Name=product_name, Language=1033,
                      Codepage=1252, Version=version, Manufacturer=maker,
                      UpgradeCode=config["upgradeCode"])
    element(product, "Package", InstallerVersion=200, Compressed="yes",
            InstallScope="perMachine", Manufacturer=maker,
            Description=f"{product_name} {version}")
    element(product, "MajorUpgrade",
            DowngradeErrorMessage=f"A newer version of {product_name} is already installed.")
    element(product, "Media", Id=1, Cabinet="programs.cab", EmbedCab="yes")
    element(product, "Icon", Id=ICON, SourceFile=ICON)
    link = f"https://{config['makerAddress']}"
    for key, value in {"ARPPRODUCTICON": ICON, "ARPNOMODIFY": 1,
                       "ARPHELPLINK": link, "ARPURLINFOABOUT": link}.items():
        element(product, "Property", Id=key, Value=value)
    # An upgrade installs where the installed version was put.
    remembered = element(product, "Property", Id="INSTALLDIR")
    element(remembered, "RegistrySearch", Id="RememberedInstallDir", Root="HKLM",
            Key=settings_key, Name="InstallDir", Type="raw")

    target_dir = element(product, "Directory", Id="TARGETDIR", Name="SourceDir")
    program_files = element(target_dir, "Directory", Id="ProgramFilesFolder")
    install_dir = element(program_files, "Directory", Id="INSTALLDIR", Name=product_name)
    feature = element(product, "Feature", Id="Programs", Title=product_name, Level=1)
    for program in programs:
        name = program["name"]
        component = element(install_dir, "Component", Id=msi_id(program["target"]), Guid="*")
        element(component, "File", Id=msi_id(name), Source=name, KeyPath="yes")
        element(feature, "ComponentRef", Id=msi_id(program["target"]))
    folder = element(install_dir, "Component", Id="InstallFolder", Guid="*")
    element(folder, "RegistryValue", Root="HKLM", Key=settings_key, Name="InstallDir",
            Type="string", Value="[INSTALLDIR]", KeyPath="yes")
    element(feature, "ComponentRef", Id="InstallFolder")

    # The Start-menu folder and its shortcuts, removed again on uninstall.
    # A shortcut names its program by the folder it is in, not by the file's
    # key: a key names a file of another component, which Windows Installer
    # resolves to nothing when that component is not being installed
    # (validation's ICE69).
    #
    # The shortcuts are no advertised ones in a folder of the user profiles,
    # so validation (ICE38, ICE43) requires a per-user (HKCU) registry value
    # as their component's key path, and a per-machine value there is an
    # error. In this per-machine package the Start menu is the one of all
    # users, and validation's ICE57 warns that the component mixes per-user
    # data with per-machine data. The warning is accepted, as Windows
    # Installer practice does for shortcuts of a per-machine install: the
    # value only marks the component installed for the administrator who
    # installed it, and non-advertised shortcuts never ask Windows Installer
    # to repair it for another user. (The administrators' page says the same.)
    menu_folder = element(target_dir, "Directory", Id="ProgramMenuFolder")
    menu_dir = element(menu_folder, "Directory", Id="MenuDir", Name=product_name)
    menu = element(menu_dir, "Component", Id="StartMenu", Guid="*")
    for program in (p for p in programs if p["kind"] == "gui"):
        element(menu, "Shortcut", Id=msi_id(program["target"] + ".lnk"), Name=program["title"],
                Description=program["description"], Target=f"[INSTALLDIR]{program['name']}",
                WorkingDirectory="INSTALLDIR", Icon=ICON)
    element(menu, "RemoveFolder", Id="MenuDir", On="uninstall")
    element(menu, "RegistryValue", Root="HKCU", Key=settings_key, Name="StartMenu",
            Type="integer", Value=1, KeyPath="yes")
    element(feature, "ComponentRef", Id="StartMenu")
    ET.indent(wix)
    return ET.tostring(wix, encoding="unicode", xml_declaration=True)


def table_queries(config, version, programs, staged):
    """What wixl leaves out of the tables, for msibuild to fill in: each
    file's version and language, short names beside the long ones, the
    install folder in Add/Remove Programs, and an upgrade that replaces the
    same version as well as older ones."""
    queries = []
    files = with_short_names([p["name"] for p in programs])
    for name, both in files.items():
        file_version, language = version_resource(staged / name)
        queries.append(f"UPDATE `File` SET `FileName` = '{both}', `Version` = '{file_version}', "
                       f"`Language` = '{language}' WHERE `File` = '{msi_id(name)}'")
        # A versioned file is compared by its version; the hash table is for
        # unversioned files only, and wixl fills it for every file.
        queries.append(f"DELETE FROM `MsiFileHash` WHERE `File_` = '{msi_id(name)}'")
    # The uninstall entry's InstallLocation: the folder as resolved for this
    # install (chosen, remembered or the default), set once it is known.
    queries.append("INSERT INTO `CustomAction` (`Action`, `Type`, `Source`, `Target`) VALUES "
                   f"('{SET_INSTALL_LOCATION}', {SET_PROPERTY}, 'ARPINSTALLLOCATION', "
                   "'[INSTALLDIR]')")
    queries.append("INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES "
                   f"('{SET_INSTALL_LOCATION}', {AFTER_COST_FINALIZE})")
    folder = with_short_names([config["product"]])[config["product"]]
    for directory in ("INSTALLDIR", "MenuDir"):
        queries.append(f"UPDATE `Directory` SET `DefaultDir` = '{folder}' "
                       f"WHERE `Directory` = '{directory}'")
    titles = with_short_names([p["title"] for p in programs if p["kind"] == "gui"])
    for program in (p for p in programs if p["kind"] == "gui"):
        queries.append(f"UPDATE `Shortcut` SET `Name` = '{titles[program['title']]}' "
                       f"WHERE `Shortcut` = '{msi_id(program['target'] + '.lnk')}'")
    # The Upgrade table's attributes are part of its key: replace the row.
    queries.append("DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'")
    queries.append("INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, "
                   f"`ActionProperty`) VALUES ('{guid(config['upgradeCode'])}', '{version}', "
                   f"{MIGRATE_FEATURES | VERSION_MAX_INCLUSIVE}, 'WIX_UPGRADE_DETECTED')")
    # A folder chosen on the command line reaches the elevated part of the
    # install even when a user who is no administrator starts it.
    queries.append("UPDATE `Property` SET `Value` = "
                   "'INSTALLDIR;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' "
                   "WHERE `Property` = 'SecureCustomProperties'")
    queries.append(f"UPDATE `InstallExecuteSequence` SET `Sequence` = "
                   f"{REMOVE_EXISTING_PRODUCTS_SEQUENCE} "
                   "WHERE `Action` = 'RemoveExistingProducts'")
    if any("'" in value for value in [config["product"]] + [p["title"] for p in programs]):
        fail("a name holds a quote, which msibuild's queries cannot carry")
    return queries


def readme_text(config, version, programs, base, code):
    """README.txt for Windows users: the template with the version, the codes
    and the list of programs filled in, with Windows line ends."""
    rows = []
    for program in programs:
        how = ("double-click it" if program["kind"] == "gui"
               else "drop a roster on it, or run it in a command prompt")
        first = f"  {program['name']:<20} "
        rows.append(textwrap.fill(f"{program['title']} ({how})", README_WIDTH,
                                  initial_indent=first, subsequent_indent=" " * len(first)))
    text = pathlib.Path(config["readme"]).read_text(encoding="utf-8")
    for key, value in {"@PRODUCT@": config["product"], "@VERSION@": version,
                       "@VERSION_TEXT@": config["versionText"], "@PACKAGE@": base,
                       "@MAKER@": config["maker"],
                       "@UPGRADE_CODE@": guid(config["upgradeCode"]),
                       "@PRODUCT_CODE@": guid(code),
                       "@PROGRAMS@": "\n".join(rows)}.items():
        text = text.replace(key, value)
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def write_zip(archive, entries, epoch):
    """A zip of (name, bytes) whose every entry carries the release's time
    (as UTC: a zip holds no time zone) and the same permissions, whatever
    the files had here."""
    with zipfile.ZipFile(archive, "w") as portable:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=time.gmtime(epoch)[:6])
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix: the permissions below
            info.external_attr = 0o100644 << 16
            portable.writestr(info, data)


class Signer:
    """osslsigncode with the certificate named by the environment. The
    password goes to it in a file, never on a command line."""

    def __init__(self, work, epoch):
        pfx, password = os.environ.get("SIGN_PKCS12"), os.environ.get("SIGN_PASSWORD")
        if not pfx or password is None:
            fail("--sign needs SIGN_PKCS12 (the .pfx file) and SIGN_PASSWORD (its password)")
        self.tool = shutil.which("osslsigncode") or fail("osslsigncode is not installed")
        self.pfx = pathlib.Path(pfx)
        self.url = os.environ.get("SIGN_TIMESTAMP_URL")
        self.epoch = epoch
        self.password = work / "password"
        self.password.touch(mode=0o600)
        self.password.write_text(password)
        # Verifying trusts the system's authorities and the certificates that
        # came with the key, so a self-signed test certificate verifies too.
        self.authorities = work / "authorities.pem"
        system = pathlib.Path(ssl.get_default_verify_paths().openssl_cafile)
        self.authorities.write_text(
            (system.read_text() if system.is_file() else "") + self.certificates())
        self.signer = self.certificates("-clcerts")

    def certificates(self, *which):
        """The .pfx's certificates as PEM (which: openssl's choice of them).
        A .pfx that older Windows exports write is encrypted with RC2-40,
        which OpenSSL 3 reads only with its legacy algorithms."""
        first = None
        for legacy in ([], ["-legacy"]):
            read = run(["openssl", "pkcs12", *legacy, "-in", str(self.pfx), "-nokeys", *which,
                        "-passin", f"file:{self.password}"])
            if read.returncode == 0:
                return read.stdout
            first = first or read
        fail(f"cannot read {self.pfx}:\n{first.stderr}")

    def identity(self):
        """Who signs: the certificate's subject and its thumbprint (the SHA-1
        of the certificate, as Windows shows it)."""
        shown = run(["openssl", "x509", "-noout", "-subject", "-nameopt", "RFC2253",
                     "-fingerprint", "-sha1"], input=self.signer)
        if shown.returncode != 0:
            fail(f"cannot read the signer's certificate in {self.pfx}:\n{shown.stderr}")
        fields = {key.lower(): value.strip() for key, value in
                  (line.split("=", 1) for line in shown.stdout.splitlines() if "=" in line)}
        return fields.get("subject", "?"), fields.get("sha1 fingerprint", "?").replace(":", "")

    def sign(self, path, description):
        signed = path.with_name(path.name + ".signed")
        command = [self.tool, "sign", "-pkcs12", str(self.pfx), "-readpass", str(self.password),
                   "-h", "sha256", "-n", description, "-in", str(path), "-out", str(signed)]
        # Without a timestamp server the signature's time is the release's,
        # so a signing run gives the same bytes every time.
        command[2:2] = ["-ts", self.url] if self.url else ["-time", str(self.epoch)]
        done = run(command)
        if done.returncode != 0:
            fail(f"cannot sign {path.name}:\n{done.stdout}{done.stderr}")
        os.replace(signed, path)
        verified = run([self.tool, "verify", "-CAfile", str(self.authorities), "-in", str(path)])
        if verified.returncode != 0:
            fail(f"the signature of {path.name} does not verify:\n{verified.stdout}")


def content_digest(config, version, programs, staged):
    """A digest of everything the package holds but its product code: the
    WiX source and the queries that complete its tables, and every file."""
    digest = hashlib.sha256()
    digest.update(wix_source(config, version, programs, NO_PRODUCT_CODE).encode())
    for query in table_queries(config, version, programs, staged):
        digest.update(query.encode() + b"\0")
    for name in [p["name"] for p in programs] + [ICON]:
        digest.update(name.encode() + b"\0" + sha256(staged / name).encode())
    return digest.hexdigest()


def build_msi(config, version, programs, staged, msi, code):
    """The package from the staged files, its tables completed, its times the
    release's, its package code a name-based UUID of its content."""
    wxs = staged / "package.wxs"
    wxs.write_text(wix_source(config, version, programs, code), encoding="utf-8")
    # wixl reads sources by paths relative to the WiX source only.
    built = run([config["wixl"], "-o", str(msi.resolve()), wxs.name], cwd=staged)
    if built.returncode != 0:
        fail(f"wixl failed:\n{built.stdout}{built.stderr}")
    command = [config["msibuild"], str(msi)]
    for query in table_queries(config, version, programs, staged):
        command += ["-q", query]
    completed = run(command)
    if completed.returncode != 0 or completed.stderr.strip():
        fail(f"msibuild failed:\n{completed.stdout}{completed.stderr}")
    epoch = config["sourceDateEpoch"]
    msi_summary.stamp(msi, epoch, uuid.UUID(int=0))
    content = hashlib.sha256(msi.read_bytes()).hexdigest()
    msi_summary.stamp(msi, epoch, uuid.uuid5(uuid.UUID(config["upgradeCode"]), content))


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


def replace_folder(folder, files):
    """Makes `folder` hold exactly `files` (paths, moved in), replacing what
    it held only once the new folder is complete."""
    folder.parent.mkdir(parents=True, exist_ok=True)
    fresh = pathlib.Path(tempfile.mkdtemp(prefix=f".{folder.name}.new-", dir=folder.parent))
    for path in files:
        shutil.move(path, fresh / path.name)
    fresh.chmod(0o777 & ~current_umask())
    old = folder.parent / f".{folder.name}.old-{fresh.name.rsplit('-', 1)[-1]}"
    if folder.exists():
        os.replace(folder, old)
    os.replace(fresh, folder)
    shutil.rmtree(old, ignore_errors=True)


def current_umask():
    mask = os.umask(0)
    os.umask(mask)
    return mask


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("config", type=pathlib.Path)
    parser.add_argument("out", type=pathlib.Path)
    parser.add_argument("--sign", action="store_true",
                        help="sign with SIGN_PKCS12, SIGN_PASSWORD [, SIGN_TIMESTAMP_URL]")
    parser.add_argument("--version", help="package under this version instead")
    parser.add_argument("--without", action="append", default=[], metavar="TARGET",
                        help="leave this program out")
    parser.add_argument("--product-code", type=uuid.UUID, help="use this product code instead")
    args = parser.parse_args()

    config = json.loads(args.config.read_text(encoding="utf-8"))
    version = args.version or config["version"]
    epoch = config["sourceDateEpoch"]
    programs = [p for p in config["programs"] if p["target"] not in args.without]
    base = f"{config['packageName']}-{version}"

    # Built apart, and put in the place of the output folder only once all
    # is done: a failure (a wrong password, say) leaves the last release.
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        msi = work / f"{base}.msi"
        archive = work / f"{base}-portable.zip"
        sums = work / "SHA256SUMS"
        signer = Signer(work, epoch) if args.sign else None
        who = signer.identity() if signer else None
        # The files as shipped, under their shipped names: signed when asked
        # to, each carrying the release's time (the cabinet takes it from them).
        staged = work / "staged"
        staged.mkdir()
        for program in programs:
            shutil.copyfile(program["file"], staged / program["name"])
            if signer:
                signer.sign(staged / program["name"], program["title"])
        shutil.copyfile(config["icon"], staged / ICON)
        for path in staged.iterdir():
            os.utime(path, (epoch, epoch))

        code = args.product_code or product_code(
            config, version, content_digest(config, version, programs, staged))
        build_msi(config, version, programs, staged, msi, code)
        if signer:
            signer.sign(msi, config["product"])
        entries = [(p["name"], (staged / p["name"]).read_bytes()) for p in programs]
        entries.append(("README.txt", readme_text(config, version, programs, base, code).encode()))
        write_zip(archive, entries, epoch)
        sums.write_text("".join(f"{sha256(path)}  {path.name}\n" for path in (msi, archive)),
                        encoding="ascii")
        replace_folder(args.out, [msi, archive, sums])
    state = "signed" if args.sign else "unsigned"
    print(f"Package {version} ({state}) in {args.out}: {msi.name}, {archive.name}, SHA256SUMS")
    if who:
        print(f"Signed by {who[0]}, certificate thumbprint {who[1]}")


if __name__ == "__main__":
    main()
