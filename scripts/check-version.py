#!/usr/bin/python3
# Checks that a built vespin.exe carries the project version in its version resource and manifest.
# Usage: check-version.py <build dir> [<exe>]; the version comes from the build's CMake cache, the
# shown version from the About box's text. Debian's python3-pefile reads the resources.
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

import pefile

ROOT = Path(__file__).resolve().parent.parent
RT_MANIFEST = 24


def project_version(build_dir):
    cache = (build_dir / 'CMakeCache.txt').read_text()
    return re.search(r'^CMAKE_PROJECT_VERSION:\w+=(\d+)\.(\d+)\.(\d+)$', cache, re.M).groups()


def shown_version():
    header = (ROOT / 'about/about_strings.h').read_text()
    return re.search(r'#define ABOUT_VERSION\s+"Version ([^"]+)"', header).group(1)


def version_resource(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    tables, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b'StringFileInfo':
            for table in info.StringTable:
                tables[table.LangID.decode()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b'VarFileInfo':
            translations += [var.entry.get(b'Translation') for var in info.Var]
    return (numbers(fixed.FileVersionMS, fixed.FileVersionLS),
            numbers(fixed.ProductVersionMS, fixed.ProductVersionLS), tables, translations)


def manifest_identity(pe):
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id == RT_MANIFEST:
            data = entry.directory.entries[0].directory.entries[0].data.struct
            root = ET.fromstring(pe.get_data(data.OffsetToData, data.Size))
            return root.find('{urn:schemas-microsoft-com:asm.v1}assemblyIdentity').attrib
    return {}


def main():
    build_dir = Path(sys.argv[1])
    exe = Path(sys.argv[2]) if len(sys.argv) > 2 else build_dir / 'bin/vespin.exe'
    major, minor, patch = project_version(build_dir)
    quad = (int(major), int(minor), int(patch), 0)
    dotted = '.'.join(map(str, quad))
    shown = shown_version()
    expected_strings = {
        'CompanyName': 'Brimholt', 'FileDescription': 'Vespin デスクトップ時計とカレンダー',
        'FileVersion': dotted, 'InternalName': 'vespin', 'LegalCopyright': 'Copyright (C) 2026 Brimholt',
        'OriginalFilename': 'vespin.exe', 'ProductName': 'Vespin', 'ProductVersion': shown,
    }

    pe = pefile.PE(str(exe))
    file_version, product_version, tables, translations = version_resource(pe)
    identity = manifest_identity(pe)
    faults = []
    if file_version != quad or product_version != quad:
        faults.append(f'file and product version {file_version}, {product_version}; the project is {dotted}')
    if f'{major}.{minor}{patch}' != shown:
        faults.append(f'the About box shows {shown}; the project version {dotted} is shown as {major}.{minor}{patch}')
    # Japanese, in Unicode (code page 1200), so Explorer finds and reads the strings.
    if list(tables) != ['041104B0'] or translations != ['0x0411 0x04b0']:
        faults.append(f'string tables {list(tables)}, translations {translations}; want one Japanese Unicode table')
    for key, want in expected_strings.items():
        got = next(iter(tables.values()), {}).get(key)
        if got != want:
            faults.append(f'{key} is {got!r}, want {want!r}')
    if identity.get('name') != 'Brimholt.Vespin' or identity.get('version') != dotted:
        faults.append(f'manifest assemblyIdentity {identity}, want Brimholt.Vespin {dotted}')

    for fault in faults:
        print(f'check-version: {exe}: {fault}', file=sys.stderr)
    if faults:
        return 1
    print(f'check-version: {exe} is version {dotted} ("{shown}"), Japanese strings, manifest {dotted}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
