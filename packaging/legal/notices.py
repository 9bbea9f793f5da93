#!/usr/bin/env python3
"""What a package of the game holds besides the game, and under which licences, written beside it.

  notices.py --qt QT_PREFIX --from NAME... [--runtime FILE...] [--debian-package NAME...]
             [--source-file FILE...] --title TEXT --out DIR

Qt's parts come from the bill of materials that Qt wrote when it was built (QT_PREFIX/sbom/*.spdx,
Qt 6.8 on): every package reachable from the parts the game uses (--from: a CMake target such as
Qt6::Widgets, or the name of a file Qt installed, such as qwindows.dll), through what each depends
on or contains. A Qt without one (6.4) has its attribution files instead, kept in QT_PREFIX/legal:
then Qt and every component that its attribution files name are listed. The toolchain's
runtime libraries (--runtime, files the package carries; --debian-package, libraries linked in)
bring the copyright files of the Debian packages they come from (Qt's own files among the
runtimes are left to the bill of materials). Qt's files that a package carries as they are
(--source-file, such as its loader for the browser) bring the licence their headers name.

Writes DIR/NOTICES.txt (each component, its version, licence and copyright) and DIR/licences/ (the
text of every licence those name, and the Debian copyright files). Fails, naming it, on a licence
whose text is nowhere to be found. Also importable: the checks read the bill of materials with it.
"""
import argparse
import json
import re
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

# Qt is offered under a commercial licence too; a copy made here is never under it.
NOT_TAKEN = {'LicenseRef-Qt-Commercial'}
# Older attribution files' ids for licences that have other ids now
OLD_IDS = {'GPL-2.0': 'GPL-2.0-only', 'GPL-3.0': 'GPL-3.0-only', 'LGPL-3.0': 'LGPL-3.0-only'}
# Debian's names for the texts it keeps in /usr/share/common-licenses
COMMON_LICENSES = {'GPL-2.0-only': 'GPL-2', 'GPL-3.0-only': 'GPL-3', 'LGPL-3.0-only': 'LGPL-3',
                   'Apache-2.0': 'Apache-2.0', 'BSL-1.0': 'BSL-1.0', 'CC0-1.0': 'CC0-1.0',
                   'MPL-2.0': 'MPL-2.0'}


@dataclass
class Component:
    name: str
    version: str
    licence: str  # an SPDX expression
    copyright: str
    key: str = ''  # its SPDX id, or attribution file and entry
    licence_files: list = field(default_factory=list)  # its attribution's, for licences Qt keeps no text of
    debian_copyright: Path | None = None  # a toolchain package's: it states the licences itself

    def licence_ids(self):
        if self.debian_copyright:
            return []
        # (an id may hold spaces in older attribution files, which write the operators in lower case)
        ids = {OLD_IDS.get(t.strip(), t.strip()) for t in re.split(r'\s+(?:AND|OR|WITH)\s+|[()]', self.licence, flags=re.I)}
        return sorted(ids - {'', 'NOASSERTION', 'NONE'} - NOT_TAKEN)


def read_spdx(path):
    """The packages and the files of an SPDX tag-value document, by id, and its relationships."""
    packages, files, relations, current = {}, {}, [], None
    text = Path(path).read_text(encoding='utf-8')
    # multi-line values stand between <text> and </text>
    for tag, value in re.findall(r'^(\w+): (<text>.*?</text>|[^\n]*)$', text, re.S | re.M):
        value = value.removeprefix('<text>').removesuffix('</text>').strip()
        if tag == 'PackageName':
            current = {'PackageName': value}
        elif tag == 'FileName':
            current = {'FileName': value}
        elif tag == 'SPDXID' and current is not None:
            current['SPDXID'] = value
            (packages if 'PackageName' in current else files)[value] = current
        elif tag == 'Relationship':
            relations.append(value.split())
        elif current is not None:
            current.setdefault(tag, value)
    return packages, files, relations


def qt_components_from_sbom(sbom, start, legal):
    """The components reachable from START (CMake targets or installed files' names) in Qt's bill
    of materials, through DEPENDS_ON and CONTAINS; Qt's build-only and system parts left out."""
    packages, files, relations = read_spdx(sbom)
    edges = {}
    for a, kind, b in relations:
        if kind in ('DEPENDS_ON', 'CONTAINS'):
            edges.setdefault(a, []).append(b)
    roots = set()
    for name in start:
        # (a target is the package of its name: Qt6::Widgets is Widgets)
        found = [pid for pid, p in packages.items() if p['PackageName'] == name.removeprefix('Qt6::')]
        found += [a for a, kind, b in relations if kind == 'CONTAINS' and b in files
                  and Path(files[b]['FileName']).name.lower() == name.lower()]
        if not found and not name.startswith('Qt6::'):  # (targets of Qt's that hold no code are in no package)
            sys.exit(f'notices: {sbom} names no part of Qt called {name}')
        roots.update(found)
    if not roots:
        sys.exit(f'notices: {sbom} names none of {start}')
    seen, todo = set(), list(roots)
    while todo:
        pid = todo.pop()
        if pid in seen or pid not in packages:
            continue
        seen.add(pid)
        todo += edges.get(pid, [])
    chosen = []
    for pid in sorted(seen):
        p = packages[pid]
        # system libraries belong to the system the game runs on; Qt's internal interface targets
        # hold no code of their own
        if '-system-3rdparty-' in pid or p['PackageName'].endswith('Internal'):
            continue
        licence = p.get('PackageLicenseConcluded', 'NOASSERTION')
        if licence == 'NOASSERTION':
            licence = p.get('PackageLicenseDeclared', 'NOASSERTION')
        # (a bundled component's own licence files are named in the attribution it was made from)
        source = re.search(r'Information extracted from:\s*/src_dir/qtbase/(\S+)\s*Entry index: (\d+)',
                           p.get('PackageComment', ''))
        own = attribution_licence_files(legal / source[1], int(source[2])) if source else []
        # named as its attribution names it, and the part of Qt it is in (Qt's own parts first)
        named = re.search(r'^\s*Name: (.+)$', p.get('PackageComment', ''), re.M)
        part = re.match(r'(\w+?)_Attribution_', p['PackageName'])
        name = f'{named[1]} (in {part[1]})' if named and part else named[1] if named else p['PackageName']
        if '-qt-module-' in pid or '-qt-plugin-' in pid:
            name = f'Qt {name}'
        chosen.append(Component(name, p.get('PackageVersion', 'unknown'), licence,
                                p.get('PackageCopyrightText', ''), pid, own))
    # (one component may be bundled twice over, zlib for one: it is named once)
    unique = {(c.name, c.version, c.licence, c.copyright): c for c in chosen}
    return sorted(unique.values(), key=lambda c: ('-3rdparty-' in c.key, c.name.lower()))


def attribution_entries(path):
    entries = json.loads(path.read_text(encoding='utf-8'), strict=False)  # (some hold tabs in strings)
    return entries if isinstance(entries, list) else [entries]


def attribution_licence_files(path, index):
    entry = attribution_entries(path)[index] if path.is_file() else {}
    named = entry.get('LicenseFiles', entry.get('LicenseFile', []))
    return [path.parent / f for f in ([named] if isinstance(named, str) else named) if (path.parent / f).is_file()]


def qt_components_from_attributions(legal):
    """Without a bill of materials: Qt itself and every component that the attribution files of
    the source's library folders name but Qt Test's (over-inclusive: parts Qt was configured
    without, and other platforms' parts, are named too)."""
    version = re.search(r' (?:\d+:)?([\d.]+)', (legal / 'source-package').read_text())[1]  # (Debian's, upstream part)
    chosen = [Component('Qt (Core, Gui, Widgets and their plugins)', version,
                        'LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only',
                        'Copyright (C) The Qt Company Ltd. and other contributors.', 'qtbase')]
    for path in sorted((legal / 'src').rglob('qt_attribution.json')):
        if path.is_relative_to(legal / 'src' / 'testlib'):  # (Qt Test never ships)
            continue
        for index, entry in enumerate(attribution_entries(path)):
            if entry.get('QtUsage', '').lower().startswith('used in tests'):
                continue
            c = Component(entry.get('Name', entry.get('Id', path.parent.name)), entry.get('Version', 'unknown'),
                          entry.get('LicenseId', 'NOASSERTION'), entry.get('Copyright', ''),
                          f'{path.relative_to(legal)}#{index}', attribution_licence_files(path, index))
            chosen.append(c)
    return chosen


def debian_package_of(path):
    out = subprocess.run(['dpkg-query', '-S', str(path)], capture_output=True, text=True)
    if out.returncode:
        out = subprocess.run(['dpkg-query', '-S', str(Path(path).resolve())], capture_output=True, text=True)
    if out.returncode:
        sys.exit(f'notices: no Debian package holds {path}')
    return out.stdout.split(':')[0].split(',')[0]  # (the first of the packages that share the file)


def toolchain_components(runtimes, packages):
    """The Debian packages that the toolchain's runtimes come from, each with its copyright file."""
    by_package = {}
    for runtime in runtimes:
        by_package.setdefault(debian_package_of(runtime), []).append(Path(runtime).name)
    for package in packages:
        by_package.setdefault(package, [])
    chosen = []
    for package, names in sorted(by_package.items()):
        version = subprocess.run(['dpkg-query', '-W', '-f=${Version}', package],
                                 capture_output=True, text=True, check=True).stdout
        what = f'{", ".join(names)} from ' if names else ''
        chosen.append(Component(f'{what}Debian package {package}', version,
                                f'as its copyright file says: licences/{debian_copyright_name(package)}',
                                '', package, debian_copyright=Path('/usr/share/doc') / package / 'copyright'))
    return chosen


def source_file_components(paths):
    """Files of Qt's that a package carries as they are, each under the licence its own header names."""
    chosen = []
    for path in paths:
        head = Path(path).read_text(encoding='utf-8', errors='replace')[:2000]
        licence = re.search(r'SPDX-License-Identifier: (.+)', head)
        if not licence:
            sys.exit(f'notices: {path} names no licence in its header')
        chosen.append(Component(Path(path).name, '', licence[1].strip(), '\n'.join(re.findall(r'(Copyright .+)', head)),
                                str(path)))
    return chosen


def text_name(licence_id):
    """The file of a licence's text in licences/: its id, with what Windows refuses in a name replaced."""
    return re.sub(r'[^A-Za-z0-9.+]+', '-', licence_id).strip('-') + '.txt'


def debian_copyright_name(package):
    return f'debian-{package}.copyright.txt'


def licence_text(licence_id, component, legal):
    """The file name in licences/ and the text of LICENCE_ID: Qt's copy or Debian's, shared by every
    component that names it, or else the component's own licence files, under a name of its own."""
    for candidate in (legal / 'LICENSES' / f'{licence_id}.txt',
                      Path('/usr/share/common-licenses') / COMMON_LICENSES.get(licence_id, '-')):
        if candidate.is_file():
            return text_name(licence_id), candidate.read_bytes()
    if component.licence_files:
        return (text_name(f'{component.name}-{licence_id}'),
                b'\n\n'.join(f.read_bytes() for f in component.licence_files))
    sys.exit(f'notices: no text of the licence {licence_id}, which {component.name} names')


def common_licences_named(copyright_file):
    """The texts a Debian copyright file points to in /usr/share/common-licenses, which a package
    for another system must carry itself."""
    named = set(re.findall(r'/usr/share/common-licenses/([\w.+-]+)', copyright_file.read_text(errors='replace')))
    return [path for name in sorted(named) if (path := Path('/usr/share/common-licenses') / name).is_file()]


def write(components, title, qt, out):
    legal = qt / 'legal'
    texts = out / 'licences'
    texts.mkdir(parents=True, exist_ok=True)
    lines = [title, '=' * len(title), '',
             'The game itself is under the MIT licence, the face it draws its captions in under the SIL',
             'Open Font License (LICENSE.txt and LICENSE-LiberationSans.txt, beside the game). Besides',
             f'them it holds the components below: Qt\'s base, built from Debian\'s source package',
             f'{(legal / "source-package").read_text().strip()}, and the runtime libraries of the compiler that',
             'built it. Qt is offered under a commercial licence too; this copy is not under it. The',
             'texts of the licences named below are in licences/ beside this file.', '']
    for c in components:
        lines += ['-' * 78, f'{c.name} {c.version}'.rstrip(), f'  Licence: {c.licence}']
        for licence_id in c.licence_ids():
            name, text = licence_text(licence_id, c, legal)
            (texts / name).write_bytes(text)
            lines.append(f'  {licence_id}: licences/{name}')
        if c.debian_copyright:
            (texts / debian_copyright_name(c.key)).write_bytes(c.debian_copyright.read_bytes())
            for common in common_licences_named(c.debian_copyright):
                (texts / f'debian-common-licenses-{common.name}.txt').write_bytes(common.read_bytes())
                lines.append(f'  {common}: licences/debian-common-licenses-{common.name}.txt')
        if c.copyright:
            lines += ['  ' + line for line in c.copyright.splitlines()]
        lines.append('')
    (out / 'NOTICES.txt').write_text('\n'.join(lines), encoding='utf-8')


def qt_components(qt, start):
    sboms = sorted((qt / 'sbom').glob('qtbase-*.spdx'))
    return qt_components_from_sbom(sboms[0], start, qt / 'legal') if sboms else qt_components_from_attributions(qt / 'legal')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--qt', type=Path, required=True)
    parser.add_argument('--from', dest='start', nargs='+', required=True)
    parser.add_argument('--runtime', nargs='*', default=[])
    parser.add_argument('--debian-package', nargs='*', default=[])
    parser.add_argument('--source-file', action='append', default=[])
    parser.add_argument('--title', required=True)
    parser.add_argument('--out', type=Path, required=True)
    parser.add_argument('--summary', nargs=2, type=Path, metavar=('LICENCE', 'OUT'),
                        help='also write OUT: the game\'s LICENCE, then a line for each component')
    args = parser.parse_args()
    runtimes = [r for r in args.runtime if not Path(r).resolve().is_relative_to(args.qt.resolve())]  # (not Qt's)
    components = (qt_components(args.qt, args.start) + source_file_components(args.source_file)
                  + toolchain_components(runtimes, args.debian_package))
    write(components, args.title, args.qt, args.out)
    if args.summary:
        licence, out = args.summary
        lines = [licence.read_text(encoding='utf-8'), '', 'Besides the game, this copy holds the components below, each',
                 'under its own licence: NOTICES.txt and the licences folder beside the game give them', 'in full.', '']
        lines += [f'- {c.name} {c.version}: {c.licence}' for c in components]
        out.write_text('\n'.join(lines) + '\n', encoding='utf-8')


if __name__ == '__main__':
    main()
