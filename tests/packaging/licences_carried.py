#!/usr/bin/env python3
"""A package carries the notice and the licence text of everything Qt's bill of materials lists for
what ships in it, accounts for every DLL in it, and holds the texts its licences ask for.

usage: licences_carried.py --qt QT_PREFIX --from PART... [--require PATH[:TEXT]]... PACKAGE
PACKAGE is a folder or a zip; NOTICES.txt and licences/ may stand in a subfolder of it. Each
--require names a file (a glob) that must be there, and a text one such file must contain.
"""
import argparse
import sys
import tempfile
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'packaging' / 'legal'))
import notices  # noqa: E402 (the reader of Qt's bill of materials that made the package's notices)

parser = argparse.ArgumentParser()
parser.add_argument('package', type=Path)
parser.add_argument('--qt', type=Path, required=True)
parser.add_argument('--from', dest='start', nargs='+', required=True)
parser.add_argument('--require', action='append', default=[])
args = parser.parse_args()
root = args.package
if zipfile.is_zipfile(root):
    unpacked = tempfile.TemporaryDirectory()  # (gone when the check ends)
    root = Path(unpacked.name)
    zipfile.ZipFile(args.package).extractall(root)
failures = []
found = sorted(root.rglob('NOTICES.txt'))
if not found:
    sys.exit(f'FAIL: {args.package} has no NOTICES.txt')
said = found[0].read_text(encoding='utf-8')
texts = found[0].parent / 'licences'

components = notices.qt_components(args.qt, args.start)
for c in components:
    missing = [line for line in [f'{c.name} {c.version}'.rstrip()] + c.copyright.splitlines() if line not in said]
    if missing:
        failures.append(f'NOTICES.txt lacks {c.name}\'s notice: {missing[0]!r}')
    for licence_id in c.licence_ids():
        name, wanted = notices.licence_text(licence_id, c, args.qt / 'legal')
        if not (texts / name).is_file() or (texts / name).read_bytes() != wanted:
            failures.append(f'no text of {licence_id} (named by {c.name}) in licences/')
# Every DLL has its notice: a file of Qt's, that of the package of Qt's bill of materials that holds
# it (without one, a part named), any other under its own name
sbom = sorted((args.qt / 'sbom').glob('qtbase-*.spdx'))
packages, files, relations = notices.read_spdx(sbom[0]) if sbom else ({}, {}, [])
holder = {Path(files[b]['FileName']).name.lower(): f'Qt {packages[a]["PackageName"]} '
          for a, kind, b in relations if kind == 'CONTAINS' and b in files and a in packages}
if not sbom:
    holder = {f'qt6{part[5:].lower()}.dll': 'Qt (' for part in args.start} | {p.lower(): 'Qt (' for p in args.start}
for dll in root.rglob('*.dll'):
    if holder.get(dll.name.lower(), dll.name) not in said:
        failures.append(f'{dll.relative_to(root)} has no notice in NOTICES.txt')
for requirement in args.require:
    pattern, _, text = requirement.partition(':')
    matches = sorted(root.rglob(pattern))
    if not any(text in m.read_text(encoding='utf-8', errors='replace') for m in matches):
        failures.append(f'no {pattern}' + (f' saying {text!r}' if matches else ''))
for failure in failures:
    print('FAIL:', failure)
print(f'{len(components)} components of Qt checked in {args.package.name}; {len(failures)} faults')
sys.exit(1 if failures else 0)
