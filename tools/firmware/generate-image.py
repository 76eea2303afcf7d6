#!/usr/bin/python3
"""Writes resources/firmware/zolvo-2.8.hex, the firmware image built into the program.

The bytes are a stand-in for the device's own program: every byte is derived
from its address through SHA-256, so a rerun gives the same file byte for
byte. Only the layout of the records is fixed, and it is asserted below.
"""

import hashlib
import pathlib

FLASH_SIZE = 0x7000
PAGE_SIZE = 0x80
IMAGE_END = 0x154A  # the main block covers 0x0000..0x1549

OUTPUT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "firmware" / "zolvo-2.8.hex"

# Bytes the program's own checks rely on: two 2-byte records.
FIXED = {0x0068: bytes([0xAA, 0x55]), 0x6FFE: bytes([0x55, 0xAA])}

# Six 32-byte records; see layout() for why they are needed.
LONG_RECORDS = [0x1000 + 32 * i for i in range(6)]


def layout():
    """(address, length) of the data records of the main block, in order.

    The block is 0x154A bytes and must come out as 337 records, one of them
    the 2-byte record at 0x0068. With 16-byte records at most, the 104 bytes
    before it take 7 records and the 5344 after it 334, 342 in all, so five
    records too many: a few records must be longer. The records stay on
    16-byte boundaries (0x0060 holds 8 bytes, 0x006A 6 and the last one 10);
    that makes 343 records, and six pairs of 16-byte records merged into
    32-byte ones bring it to 337.
    """
    records = [(address, 16) for address in range(0x0000, 0x0060, 16)]
    records += [(0x0060, 8), (0x0068, 2), (0x006A, 6)]
    address = 0x0070
    while address < 0x1540:
        length = 32 if address in LONG_RECORDS else 16
        records.append((address, length))
        address += length
    records.append((0x1540, 10))
    return records


def data_byte(address):
    digest = hashlib.sha256(b"zolvo firmware 2.8 %d" % (address // 32)).digest()
    return digest[address % 32]


def record_bytes(address, length):
    if address in FIXED:
        assert len(FIXED[address]) == length
        return FIXED[address]
    data = bytearray()
    for a in range(address, address + length):
        value = data_byte(a)
        # Erased flash reads 0xFF: keep the stand-in from looking erased.
        if value == 0xFF and data and data[-1] == 0xFF:
            value = 0x00
        data.append(value)
    return bytes(data)


def hex_record(address, record_type, data):
    fields = bytes([len(data), address >> 8, address & 0xFF, record_type]) + data
    checksum = (-sum(fields)) & 0xFF
    return ":" + (fields + bytes([checksum])).hex().upper()


def main():
    records = layout()
    records.append((0x6FFE, 2))

    # The layout the program and its tests take for granted.
    main_block = records[:-1]
    assert len(main_block) == 337
    assert len(records) == 338
    assert main_block[0][0] == 0x0000
    for (address, length), (next_address, _) in zip(main_block, main_block[1:]):
        assert address + length == next_address, hex(address)
    assert main_block[-1][0] + main_block[-1][1] == IMAGE_END
    assert (0x0068, 2) in main_block
    assert sum(1 for _, length in main_block if length == 16) == 327
    assert all(length % 2 == 0 and length <= 0xFF for _, length in records)

    image = {}
    for address, length in records:
        for offset, value in enumerate(record_bytes(address, length)):
            image[address + offset] = value
    assert max(image) < FLASH_SIZE
    pages = sorted({address // PAGE_SIZE * PAGE_SIZE for address in image})
    assert len(pages) == 44
    assert pages == list(range(0x0000, 0x1501, PAGE_SIZE)) + [0x6F80]
    assert FLASH_SIZE // PAGE_SIZE == 224
    for page in pages:
        assert any(image.get(a, 0xFF) != 0xFF for a in range(page, page + PAGE_SIZE)), hex(page)

    lines = [hex_record(0, 0x02, bytes([0, 0]))]
    lines += [hex_record(address, 0x00, record_bytes(address, length)) for address, length in records]
    lines.append(hex_record(0, 0x01, b""))
    assert lines[0] == ":020000020000FC" and lines[-1] == ":00000001FF"

    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    OUTPUT.write_text("\n".join(lines) + "\n", encoding="ascii", newline="\n")


if __name__ == "__main__":
    main()
