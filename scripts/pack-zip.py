#!/usr/bin/python3
# Writes the release zip so that the same inputs always give the same bytes.
# Usage: pack-zip.py <zip> <epoch> <name>=<file> ...; names ending in .txt are written for
# Notepad: UTF-8 with a byte-order mark and CRLF line ends. Every entry gets the time <epoch>
# (UTC), the order given, MS-DOS as its origin and no extra fields.
import sys
import time
import zipfile

BOM = b'\xef\xbb\xbf'


def for_notepad(data):
    if data.startswith(BOM):
        data = data[len(BOM):]
    text = data.decode('utf-8')  # refuses anything that is not UTF-8
    lines = text.replace('\r\n', '\n').split('\n')
    return BOM + '\r\n'.join(lines).encode('utf-8')


def main():
    out, epoch, entries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    # A zip's times start in 1980.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for entry in entries:
            name, path = entry.split('=', 1)
            with open(path, 'rb') as f:
                data = f.read()
            if name.endswith('.txt'):
                data = for_notepad(data)
            info = zipfile.ZipInfo(name, stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0
            info.external_attr = 0
            archive.writestr(info, data, compresslevel=9)


if __name__ == '__main__':
    main()
