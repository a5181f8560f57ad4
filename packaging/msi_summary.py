"""Reads and rewrites, in place, the times and the package code that a
Windows Installer package keeps in its summary information.

A package is an OLE compound file; its summary information is the stream
"\\x05SummaryInformation", a property set. wixl and msibuild write the time
of the build there and a random package code; stamp() puts the release's
time and a chosen code in their place, byte for byte where they stood, so
nothing else in the file moves.
"""
import datetime
import struct

SUMMARY_STREAM = "\x05SummaryInformation"
PID_REVISION_NUMBER = 9  # the package code, "{GUID}"
PID_TIMES = (11, 12, 13)  # last printed, created, last saved
VT_LPSTR = 30
VT_FILETIME = 64
FREE_SECTOR = 0xFFFFFFFF
END_OF_CHAIN = 0xFFFFFFFE
FILETIME_1601 = datetime.datetime(1601, 1, 1, tzinfo=datetime.timezone.utc)


class CompoundFile:
    """Where each byte of one stream of a compound file lies in the file."""

    def __init__(self, data):
        if data[:8] != bytes.fromhex("d0cf11e0a1b11ae1"):
            raise ValueError("not an OLE compound file")
        self.data = data
        self.sector = 1 << struct.unpack_from("<H", data, 0x1E)[0]
        self.mini_sector = 1 << struct.unpack_from("<H", data, 0x20)[0]
        (fat_sectors, first_directory, _, self.mini_cutoff, first_mini_fat, _,
         first_difat, difat_sectors) = struct.unpack_from("<8I", data, 0x2C)
        fat_list = list(struct.unpack_from("<109I", data, 0x4C))
        sector = first_difat
        for _ in range(difat_sectors):
            entries = struct.unpack_from(f"<{self.sector // 4}I", data, self.offset(sector))
            fat_list += entries[:-1]
            sector = entries[-1]
        self.fat = []
        for sector in fat_list[:fat_sectors]:
            self.fat += struct.unpack_from(f"<{self.sector // 4}I", data, self.offset(sector))
        directory = self.read(self.chain(first_directory, self.fat, self.sector))
        self.entries = {}
        for start in range(0, len(directory), 128):
            entry = directory[start:start + 128]
            length = struct.unpack_from("<H", entry, 64)[0]
            if entry[66] == 0 or length < 2:
                continue
            name = entry[:length - 2].decode("utf-16-le")
            self.entries[name] = struct.unpack_from("<II", entry, 116)
        root_start, root_size = self.entries["Root Entry"]
        self.mini_stream = self.chain(root_start, self.fat, self.sector)[:root_size]
        mini_fat_bytes = self.read(self.chain(first_mini_fat, self.fat, self.sector))
        self.mini_fat = list(struct.unpack(f"<{len(mini_fat_bytes) // 4}I", mini_fat_bytes))

    def offset(self, sector):
        return (sector + 1) * self.sector

    def chain(self, start, table, size):
        """The file offsets of the bytes of a chain of sectors."""
        offsets = []
        sector = start
        while sector not in (END_OF_CHAIN, FREE_SECTOR):
            if len(offsets) > len(self.data):
                raise ValueError("a sector chain runs in a circle")
            if table is self.fat:
                base = self.offset(sector)
                offsets += range(base, base + size)
            else:
                base = sector * size
                offsets += self.mini_stream[base:base + size]
            sector = table[sector]
        return offsets

    def read(self, offsets):
        return bytes(self.data[o] for o in offsets)

    def stream(self, name):
        """The file offsets of a stream's bytes, in order."""
        start, size = self.entries[name]
        if size < self.mini_cutoff:
            return self.chain(start, self.mini_fat, self.mini_sector)[:size]
        return self.chain(start, self.fat, self.sector)[:size]


def properties(summary):
    """{property id: (type, offset of its value)} of the first section."""
    section = struct.unpack_from("<I", summary, 44)[0]
    count = struct.unpack_from("<I", summary, section + 4)[0]
    found = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", summary, section + 8 + 8 * index)
        found[pid] = (struct.unpack_from("<I", summary, section + offset)[0], section + offset + 4)
    return found


def filetime(epoch):
    """A Windows FILETIME (100 ns since 1601, UTC) for seconds since 1970."""
    since = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc) - FILETIME_1601
    return (since.days * 86400 + since.seconds) * 10_000_000


def stamp(path, epoch, package_code):
    """Sets every time of the summary to epoch and the package code to
    package_code (a uuid.UUID), in the file at path."""
    data = bytearray(path.read_bytes())
    cfb = CompoundFile(data)
    where = cfb.stream(SUMMARY_STREAM)
    summary = bytearray(cfb.read(where))
    found = properties(summary)
    for pid in PID_TIMES:
        kind, at = found.get(pid, (None, 0))
        if kind == VT_FILETIME:
            struct.pack_into("<Q", summary, at, filetime(epoch))
    kind, at = found.get(PID_REVISION_NUMBER, (None, 0))
    code = ("{" + str(package_code).upper() + "}").encode("ascii") + b"\0"
    if kind != VT_LPSTR or struct.unpack_from("<I", summary, at)[0] != len(code):
        raise ValueError(f"{path.name}: no package code of {len(code) - 1} characters to replace")
    summary[at + 4:at + 4 + len(code)] = code
    for offset, byte in zip(where, summary):
        data[offset] = byte
    path.write_bytes(bytes(data))

