#!/usr/bin/env python3
"""Builds the release for Windows users into one folder:

  NAME-VERSION.msi           the Windows Installer package (built by wixl)
  NAME-VERSION-portable.zip  the same programs with README.txt, to run unzipped
  SHA256SUMS                 the SHA-256 of both, as sha256sum writes them

usage: make_package.py CONFIG OUT-DIR [--version X.Y.Z] [--without TARGET]...

CONFIG is the package.json that CMake writes from programs.txt and the
project's version. --version and --without build a package under another
version or without a program: the package test uses them for an upgrade and
for broken packages.
"""
import argparse
import hashlib
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile

WIX_NAMESPACE = "http://schemas.microsoft.com/wix/2006/wi"


def msi_id(text):
    """An identifier Windows Installer accepts (letters, digits, _ and .)."""
    return re.sub(r"[^A-Za-z0-9_.]", "_", text)


def element(parent, tag, **attributes):
    return ET.SubElement(parent, tag, {k: str(v) for k, v in attributes.items()})


def wix_source(config, version, programs):
    """The WiX 3 source: one component per program in its own folder under
    Program Files, a Start-menu shortcut per window program, the icon in
    Add/Remove Programs, and a major upgrade over any older version."""
    wix = ET.Element("Wix", xmlns=WIX_NAMESPACE)
    product = element(wix, "Product", Id="*", Name=config["product"], Language=1033,
                      Codepage=1252, Version=version, Manufacturer=config["maker"],
                      UpgradeCode=config["upgradeCode"])
    element(product, "Package", InstallerVersion=200, Compressed="yes",
            InstallScope="perMachine", Manufacturer=config["maker"],
            Description=f"{config['product']} {version}")
    element(product, "MajorUpgrade",
            DowngradeErrorMessage=f"A newer version of {config['product']} is already installed.")
    element(product, "Media", Id=1, Cabinet="programs.cab", EmbedCab="yes")
    element(product, "Icon", Id="program.ico", SourceFile="program.ico")
    element(product, "Property", Id="ARPPRODUCTICON", Value="program.ico")

    target_dir = element(product, "Directory", Id="TARGETDIR", Name="SourceDir")
    program_files = element(target_dir, "Directory", Id="ProgramFilesFolder")
    install_dir = element(program_files, "Directory", Id="INSTALLDIR", Name=config["product"])
    feature = element(product, "Feature", Id="Programs", Title=config["product"], Level=1)
    for program in programs:
        name = pathlib.Path(program["file"]).name
        component = element(install_dir, "Component", Id=msi_id(program["target"]), Guid="*")
        element(component, "File", Id=msi_id(name), Source=name, KeyPath="yes")
        if program["kind"] == "gui":
            element(component, "Shortcut", Id=msi_id(program["target"] + ".lnk"),
                    Directory="MenuDir", Name=program["title"], Target=f"[#{msi_id(name)}]",
                    WorkingDirectory="INSTALLDIR", Icon="program.ico")
        element(feature, "ComponentRef", Id=msi_id(program["target"]))

    # The Start-menu folder, removed again on uninstall: a component of its
    # own, whose key path is a registry value, as Windows Installer wants.
    menu_folder = element(target_dir, "Directory", Id="ProgramMenuFolder")
    menu_dir = element(menu_folder, "Directory", Id="MenuDir", Name=config["product"])
    menu_component = element(menu_dir, "Component", Id="StartMenuFolder", Guid="*")
    element(menu_component, "RemoveFolder", Id="MenuDir", On="uninstall")
    element(menu_component, "RegistryValue", Root="HKLM",
            Key=f"Software\\{config['maker']}\\{config['product']}", Name="StartMenuFolder",
            Type="integer", Value=1, KeyPath="yes")
    element(feature, "ComponentRef", Id="StartMenuFolder")
    ET.indent(wix)
    return ET.tostring(wix, encoding="unicode", xml_declaration=True)


def readme_text(config, version, programs, base):
    """README.txt for Windows users: the template with the version and the
    list of programs filled in, with Windows line ends."""
    rows = []
    for program in programs:
        name = pathlib.Path(program["file"]).name
        kind = "in the Start menu" if program["kind"] == "gui" else "in a command prompt"
        rows.append(f"  {name:<20} {program['title']} ({kind})")
    text = pathlib.Path(config["readme"]).read_text(encoding="utf-8")
    for key, value in {"@PRODUCT@": config["product"], "@VERSION@": version,
                       "@VERSION_TEXT@": config["versionText"], "@PACKAGE@": base,
                       "@PROGRAMS@": "\n".join(rows)}.items():
        text = text.replace(key, value)
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("config", type=pathlib.Path)
    parser.add_argument("out", type=pathlib.Path)
    parser.add_argument("--version", help="package under this version instead")
    parser.add_argument("--without", action="append", default=[], metavar="TARGET",
                        help="leave this program out")
    args = parser.parse_args()

    config = json.loads(args.config.read_text(encoding="utf-8"))
    version = args.version or config["version"]
    programs = [p for p in config["programs"] if p["target"] not in args.without]
    base = f"{config['packageName']}-{version}"
    args.out.mkdir(parents=True, exist_ok=True)
    for old in [*args.out.glob("*.msi"), *args.out.glob("*.zip"), args.out / "SHA256SUMS"]:
        old.unlink(missing_ok=True)

    msi = args.out / f"{base}.msi"
    archive = args.out / f"{base}-portable.zip"
    with tempfile.TemporaryDirectory() as work:
        # wixl reads sources by paths relative to the WiX source only: gather
        # them beside it, under the names they are shipped with.
        source_dir = pathlib.Path(work)
        for program in programs:
            source = pathlib.Path(program["file"])
            (source_dir / source.name).write_bytes(source.read_bytes())
        (source_dir / "program.ico").write_bytes(pathlib.Path(config["icon"]).read_bytes())
        wxs = source_dir / f"{base}.wxs"
        wxs.write_text(wix_source(config, version, programs), encoding="utf-8")
        built = subprocess.run([config["wixl"], "-o", str(msi.resolve()), wxs.name],
                               cwd=source_dir, capture_output=True, text=True)
        if built.returncode != 0:
            sys.exit(f"make_package: wixl failed:\n{built.stdout}{built.stderr}")

    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as portable:
        for program in programs:
            portable.write(program["file"], pathlib.Path(program["file"]).name)
        portable.writestr("README.txt", readme_text(config, version, programs, base))

    sums = "".join(f"{sha256(path)}  {path.name}\n" for path in (msi, archive))
    (args.out / "SHA256SUMS").write_text(sums, encoding="ascii")
    print(f"Package {version} in {args.out}: {msi.name}, {archive.name}, SHA256SUMS")


if __name__ == "__main__":
    main()
