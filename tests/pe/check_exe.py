#!/usr/bin/env python3
"""Checks a built ORVENTLancher.exe without running it: machine, GUI
subsystem, stripped and under 1 MiB, its symbols beside it (EXE's name with
.debug) with the lines of the program's own code, no runtime DLLs beside the
system's, none of the system DLLs it loads when first used, the version
resource (the build's version, translation 0411/04B0, the string values), the
embedded manifest with the Windows versions it supports, and the icon group
128.

Usage: check_exe.py EXE MACHINE VERSION   (MACHINE: i386 or amd64;
VERSION: the build's, as its version.txt holds it)
Prints one line per check and a closing 'N passed, N failed' line.
"""
import os
import re
import struct
import sys

MACHINES = {"i386": 0x14C, "amd64": 0x8664}
RT_ICON_GROUP, RT_VERSION, RT_MANIFEST = 14, 16, 24


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
        self.machine, sections, _, _, _, opt_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        dirs = opt + (96 if magic == 0x10B else 112)
        self.import_rva = struct.unpack_from("<I", data, dirs + 8)[0]
        self.resource_rva = struct.unpack_from("<I", data, dirs + 16)[0]
        self.sections, self.names = [], []
        strings = struct.unpack_from("<I", data, pe + 12)[0] + 18 * struct.unpack_from("<I", data, pe + 16)[0]
        for i in range(sections):
            s = opt + opt_size + 40 * i
            vsize, va, rsize, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((va, max(vsize, rsize), raw))
            name = data[s:s + 8].rstrip(b"\0").decode("latin-1")
            # Long names ("/4") stand in the COFF string table.
            if name.startswith("/") and strings:
                at = strings + int(name[1:])
                name = data[at:data.index(b"\0", at)].decode("latin-1")
            self.names.append(name)

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError("rva %x outside sections" % rva)

    def cstring(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")

    def imports(self):
        names, o = [], self.offset(self.import_rva)
        while True:
            name_rva = struct.unpack_from("<I", self.data, o + 12)[0]
            if name_rva == 0:
                return names
            names.append(self.cstring(name_rva).lower())
            o += 20

    def resource(self, rtype, rid):
        base = self.offset(self.resource_rva)

        def entries(off):
            named, ids = struct.unpack_from("<HH", self.data, base + off + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, base + off + 16 + 8 * i)
                yield name, target

        for name, target in entries(0):
            if name != rtype:
                continue
            for name2, target2 in entries(target & 0x7FFFFFFF):
                if name2 != rid:
                    continue
                for _, target3 in entries(target2 & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + target3)
                    o = self.offset(rva)
                    return self.data[o:o + size]
        return None


def main():
    exe, machine, expected = sys.argv[1], sys.argv[2], sys.argv[3].strip()
    pe = Pe(open(exe, "rb").read())
    results = []

    def check(what, ok):
        results.append(ok)
        print(("ok     " if ok else "FAILED ") + what)

    size = len(pe.data)
    check("machine is " + machine, pe.machine == MACHINES[machine])
    check("stripped: %d bytes, under 1 MiB, no debug sections" % size,
          size < 1024 * 1024 and not any(name.startswith(".debug") for name in pe.names))
    debug = os.path.splitext(exe)[0] + ".debug"
    symbols = open(debug, "rb").read() if os.path.exists(debug) else b""
    check("symbols beside it: %s holds the lines of the program's own code" % os.path.basename(debug),
          b"selector/dlg_page1.cpp" in symbols)
    check("GUI subsystem", pe.subsystem == 2)
    runtime = [n for n in pe.imports() if n.startswith(("libstdc++", "libgcc", "libwinpthread"))]
    check("C and C++ runtime linked in (imports: %s)" % ", ".join(pe.imports()), not runtime)
    lazy = [n for n in pe.imports() if n.lower() in ("comdlg32.dll", "ole32.dll", "version.dll")]
    check("comdlg32, ole32 and version loaded when first used, not imported", not lazy)

    version = pe.resource(RT_VERSION, 1) or b""
    at = version.find(struct.pack("<I", 0xFEEF04BD))
    fixed = struct.unpack_from("<IIII", version, at + 8) if at >= 0 else (0, 0, 0, 0)
    def dotted(ms, ls):
        return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    check("file version %s (%s)" % (expected, dotted(fixed[0], fixed[1])), dotted(fixed[0], fixed[1]) == expected)
    check("product version %s (%s)" % (expected, dotted(fixed[2], fixed[3])), dotted(fixed[2], fixed[3]) == expected)
    text = version.decode("utf-16-le", "replace")
    check("string table 041104b0", "041104b0" in text)
    check("translation 0x0411/0x04B0", struct.pack("<HH", 0x0411, 0x04B0) in version)
    for key, value in [("FileDescription", "ORVENT Project Selector"), ("InternalName", "ORVENTLancher"),
                       ("OriginalFilename", "ORVENTLancher.EXE"), ("ProductName", "ORVENTLancher.EXE"),
                       ("FileVersion", expected), ("ProductVersion", expected), ("LegalCopyright", "HALVORN")]:
        at = text.find(key + "\0")
        check("%s holds %s" % (key, value), at >= 0 and value in text[at:at + len(key) + 80])

    manifest = (pe.resource(RT_MANIFEST, 1) or b"").decode("utf-8", "replace")
    check("manifest embedded", bool(manifest))
    check("manifest: runs as invoker", 'level="asInvoker"' in manifest)
    identity = re.search(r'<assemblyIdentity\s+version="([0-9.]+)"', manifest)
    check("manifest: version %s (%s)" % (expected, identity.group(1) if identity else "none"),
          identity is not None and identity.group(1) == expected)
    check("manifest: DPI-aware per monitor, system-aware before", ">true/pm</dpiAware>" in manifest)
    check("manifest: per-monitor v2 first", re.search(r">\s*PerMonitorV2\s*,\s*PerMonitor\s*</dpiAwareness>", manifest) is not None)
    check("manifest: common controls 6", "Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest)
    # Without them newer Windows takes the program for one made for Vista and shims it.
    compatibility = "urn:schemas-microsoft-com:compatibility.v1" in manifest
    for name, guid in [("7", "35138b9a-5d96-4fbd-8e2d-a2440225f93a"), ("8", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38"),
                       ("8.1", "1f676c76-80e1-4239-95bb-83d0f6d0da78"), ("10 and 11", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a")]:
        check("manifest: supports Windows " + name,
              compatibility and re.search(r'<supportedOS\s+Id="\{%s\}"' % guid, manifest, re.I) is not None)

    group = pe.resource(RT_ICON_GROUP, 128) or b"\0" * 6
    count = struct.unpack_from("<H", group, 4)[0]
    # GRPICONDIRENTRY: width, height, ... 14 bytes each after the 6-byte header.
    widths = sorted(group[6 + 14 * i] or 256 for i in range(count) if len(group) >= 6 + 14 * (i + 1))
    check("icon 128: the small and large sizes at 96 to 192 DPI (%s)" % widths,
          all(w in widths for w in (16, 20, 24, 32, 40, 48, 64)))

    print("%d passed, %d failed" % (results.count(True), results.count(False)))
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
