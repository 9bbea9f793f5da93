#!/usr/bin/python3
"""The Windows program file is the game's: a desktop program (no console window), its icon with a
32 x 32 image among its sizes, and its version record, read back from the built file.

usage: version_record.py PROGRAM.exe
"""

import sys

import pefile

# The record as the game's identity has it, spelled out here as the check of it.
EXPECTED_STRINGS = {
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "ProductName": "ZoomkinRace!",
    "InternalName": "ZoomkinRace!",
    "OriginalFilename": "ZoomkinRace!.exe",
}
EXPECTED_VERSION = (1, 0, 0, 0)
EXPECTED_LANGUAGE = 0x0409


def check(failures, ok, what):
    if ok:
        print(f"ok: {what}")
    else:
        failures.append(what)
        print(f"FAIL: {what}")


def icon_sizes(pe):
    """(width, height) of every image in the program's icon groups."""
    sizes = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            continue
        for name in kind.directory.entries:
            for language in name.directory.entries:
                data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                count = int.from_bytes(data[4:6], "little")
                for i in range(count):
                    entry = data[6 + 14 * i: 6 + 14 * (i + 1)]
                    sizes.append((entry[0] or 256, entry[1] or 256))
    return sizes


def main():
    exe = sys.argv[1]
    pe = pefile.PE(exe)
    failures = []
    gui = pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]
    check(failures, pe.OPTIONAL_HEADER.Subsystem == gui,
          f"a desktop program, no console (subsystem {pe.OPTIONAL_HEADER.Subsystem})")
    sizes = icon_sizes(pe)
    check(failures, (32, 32) in sizes, f"its icon has a 32 x 32 image (sizes {sizes})")

    fixed = pe.VS_FIXEDFILEINFO[0]
    def version(ms, ls):
        return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    for what, ms, ls in (("file", fixed.FileVersionMS, fixed.FileVersionLS),
                         ("product", fixed.ProductVersionMS, fixed.ProductVersionLS)):
        got = version(ms, ls)
        check(failures, got == EXPECTED_VERSION, f"{what} version {'.'.join(map(str, got))}")

    tables = {}
    translations = []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[int(table.LangID[:4], 16)] = {
                    k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations += var.entry.get(b"Translation", "").split()
    check(failures, list(tables) == [EXPECTED_LANGUAGE],
          f"one string table, in language {', '.join(hex(k) for k in tables)}")
    strings = tables.get(EXPECTED_LANGUAGE, {})
    for key, value in EXPECTED_STRINGS.items():
        check(failures, strings.get(key) == value, f"{key} is {strings.get(key)!r}")
    check(failures, translations[:1] == ["0x0409"],
          f"the record's language is {translations[:1]}")

    if failures:
        print(f"version_record: {len(failures)} check(s) failed", file=sys.stderr)
        return 1
    print("version_record: the program file is the game's")
    return 0


if __name__ == "__main__":
    sys.exit(main())
