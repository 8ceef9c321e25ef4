# Build tool: parses the generated pictures back and checks their headers, sizes and RLE8 frames.
"""Checks the icons, bitmaps and the AVI clip that gen_assets.py writes.

Run: python3 check_assets.py ASSETS_DIR [--preview DIR]
With --preview, every frame of the clip is also written, decoded, as an uncompressed
8-bit BMP (frame00.bmp ...), so that the pictures can be looked at.
"""

import os
import struct
import sys

BI_RGB = 0
BI_RLE8 = 1
AVIIF_KEYFRAME = 0x10
AVIF_HASINDEX = 0x10

# Expected form of each output: what the resources of the two programs need.
ICONS = ("setup_icon.ico", "purgekit_icon.ico")
BITMAPS = {"setup_frame.bmp": (121, 262, 8), "purgekit_side.bmp": (121, 262, 24)}
CLIP = "progress.avi"
CLIP_FRAMES = 17
CLIP_SIZE = (260, 40)
CLIP_MICROSECONDS_PER_FRAME = 100000


class AssetError(Exception):
    pass


def require(condition, message):
    if not condition:
        raise AssetError(message)


def info_header(data, offset):
    """BITMAPINFOHEADER fields as a dict."""
    fields = struct.unpack_from("<IiiHHIIiiII", data, offset)
    names = ("size", "width", "height", "planes", "bit_count", "compression", "size_image",
             "x_ppm", "y_ppm", "clr_used", "clr_important")
    return dict(zip(names, fields))


def check_icon(data, name):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    require((reserved, kind, count) == (0, 1, 1), f"{name}: not a one-image icon file")
    width, height, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    require((width, height, colours) == (32, 32, 16), f"{name}: directory entry is not 32x32x16")
    require((planes, bits) == (1, 4), f"{name}: directory entry is not 4 bits per pixel")
    require(offset + size == len(data), f"{name}: image size does not match the file")
    header = info_header(data, offset)
    require(header["size"] == 40, f"{name}: unexpected header size")
    require((header["width"], header["height"]) == (32, 64), f"{name}: image is not 32x32 + mask")
    require(header["bit_count"] == 4 and header["compression"] == BI_RGB,
            f"{name}: image is not uncompressed 4 bits per pixel")
    xor_size, and_size = 16 * 32, 4 * 32
    require(size == 40 + 16 * 4 + xor_size + and_size, f"{name}: image data has the wrong size")
    return header


def check_bitmap(data, name, width, height, bits):
    magic, file_size, _, _, bits_offset = struct.unpack_from("<2sIHHI", data, 0)
    require(magic == b"BM" and file_size == len(data), f"{name}: not a whole BMP file")
    header = info_header(data, 14)
    require(header["size"] == 40, f"{name}: unexpected header size")
    require((header["width"], header["height"]) == (width, height),
            f"{name}: size is {header['width']}x{header['height']}, not {width}x{height}")
    require(header["bit_count"] == bits and header["compression"] == BI_RGB,
            f"{name}: not uncompressed {bits} bits per pixel (bottom-up)")
    palette = 4 * (header["clr_used"] or (1 << bits if bits <= 8 else 0))
    require(bits_offset == 14 + 40 + palette, f"{name}: pixel data offset is wrong")
    stride = (width * bits + 31) // 32 * 4
    require(len(data) - bits_offset == stride * height, f"{name}: pixel data has the wrong size")
    return header


def riff_chunks(data, start, end, name):
    """Yields (fourcc, data offset, size) of the chunks in data[start:end]."""
    position = start
    while position < end:
        require(position + 8 <= end, f"{name}: chunk header runs past its list")
        fourcc, size = struct.unpack_from("<4sI", data, position)
        require(position + 8 + size <= end, f"{name}: chunk {fourcc!r} runs past its list")
        yield fourcc, position + 8, size
        position += 8 + size + (size & 1)


def find_list(data, start, end, kind, name):
    for fourcc, offset, size in riff_chunks(data, start, end, name):
        if fourcc == b"LIST" and data[offset:offset + 4] == kind:
            return offset + 4, offset + size
    raise AssetError(f"{name}: no LIST {kind!r}")


def find_chunk(data, start, end, wanted, name):
    for fourcc, offset, size in riff_chunks(data, start, end, name):
        if fourcc == wanted:
            return offset, size
    raise AssetError(f"{name}: no {wanted!r} chunk")


def decode_rle8(data, width, height, name):
    """Decodes one BI_RLE8 image into rows (top row first) of palette indexes.

    Every row must be filled exactly and the image must end with the end-of-bitmap mark."""
    rows = []
    row = []
    position = 0
    while True:
        require(position + 2 <= len(data), f"{name}: RLE8 data ends without end-of-bitmap")
        count, value = data[position], data[position + 1]
        position += 2
        if count > 0:
            row.extend([value] * count)
        elif value == 0:
            rows.append(row)
            row = []
        elif value == 1:
            rows.append(row)
            break
        elif value == 2:
            raise AssetError(f"{name}: RLE8 delta marks are not expected")
        else:
            require(position + value <= len(data), f"{name}: RLE8 literal runs past the data")
            row.extend(data[position:position + value])
            position += value + (value & 1)
        require(len(row) <= width, f"{name}: RLE8 row {len(rows)} is longer than the image")
    require(position == len(data), f"{name}: bytes after the RLE8 end-of-bitmap")
    require(len(rows) == height, f"{name}: RLE8 image has {len(rows)} rows, not {height}")
    require(all(len(r) == width for r in rows), f"{name}: an RLE8 row is not {width} pixels")
    return rows[::-1]


def check_clip(data, name):
    """Checks the AVI clip; answers its palette and its decoded frames."""
    require(data[0:4] == b"RIFF" and data[8:12] == b"AVI ", f"{name}: not a RIFF AVI file")
    riff_end = 8 + struct.unpack_from("<I", data, 4)[0]
    require(riff_end == len(data), f"{name}: RIFF size does not match the file")
    hdrl_start, hdrl_end = find_list(data, 12, riff_end, b"hdrl", name)

    avih, avih_size = find_chunk(data, hdrl_start, hdrl_end, b"avih", name)
    require(avih_size == 56, f"{name}: avih is not 56 bytes")
    (micro, _, _, flags, total, initial, streams, buffer_size, width,
     height) = struct.unpack_from("<10I", data, avih)
    require(micro == CLIP_MICROSECONDS_PER_FRAME, f"{name}: {micro} microseconds per frame")
    require(total == CLIP_FRAMES and initial == 0, f"{name}: {total} frames")
    require(streams == 1, f"{name}: {streams} streams, not one")
    require((width, height) == CLIP_SIZE, f"{name}: clip is {width}x{height}")
    require(flags & AVIF_HASINDEX, f"{name}: avih does not announce the index")

    stream_lists = [offset for fourcc, offset, _ in riff_chunks(data, hdrl_start, hdrl_end, name)
                    if fourcc == b"LIST" and data[offset:offset + 4] == b"strl"]
    require(len(stream_lists) == 1, f"{name}: {len(stream_lists)} stream lists, not one")
    strl_start, strl_end = find_list(data, hdrl_start, hdrl_end, b"strl", name)
    strh, strh_size = find_chunk(data, strl_start, strl_end, b"strh", name)
    require(strh_size == 56, f"{name}: strh is not 56 bytes")
    kind, handler = data[strh:strh + 4], data[strh + 4:strh + 8]
    scale, rate, start, length, stream_buffer = struct.unpack_from("<5I", data, strh + 20)
    require(kind == b"vids", f"{name}: the stream is {kind!r}, not video")
    require(handler in (b"RLE ", b"\0\0\0\0"), f"{name}: handler {handler!r} needs a codec")
    require(rate == 10 * scale and start == 0, f"{name}: stream rate is {rate}/{scale}")
    require(length == CLIP_FRAMES, f"{name}: stream length {length}")
    frame_rect = struct.unpack_from("<4h", data, strh + 48)
    require(frame_rect == (0, 0) + CLIP_SIZE, f"{name}: frame rectangle {frame_rect}")

    strf, strf_size = find_chunk(data, strl_start, strl_end, b"strf", name)
    require(strf_size == 40 + 256 * 4, f"{name}: strf does not hold a 256-colour palette")
    header = info_header(data, strf)
    require((header["width"], header["height"]) == CLIP_SIZE, f"{name}: strf size differs")
    require(header["bit_count"] == 8, f"{name}: {header['bit_count']} bits per pixel")
    require(header["compression"] == BI_RLE8, f"{name}: frames are not BI_RLE8")
    palette = [tuple(data[strf + 40 + 4 * i:strf + 43 + 4 * i][::-1]) for i in range(256)]

    movi_start, movi_end = find_list(data, 12, riff_end, b"movi", name)
    frames = [(offset, size) for fourcc, offset, size in riff_chunks(data, movi_start, movi_end,
                                                                     name)]
    require(len(frames) == CLIP_FRAMES, f"{name}: movi holds {len(frames)} chunks")
    require(all(data[offset - 8:offset - 4] == b"00dc" for offset, _ in frames),
            f"{name}: a movi chunk is not a compressed video frame")
    largest = max(size for _, size in frames)
    require(buffer_size >= largest and stream_buffer >= largest,
            f"{name}: suggested buffer smaller than the largest frame")
    require(header["size_image"] <= stream_buffer, f"{name}: strf image size past the buffer")

    index, index_size = find_chunk(data, 12, riff_end, b"idx1", name)
    require(index_size == 16 * CLIP_FRAMES, f"{name}: idx1 has {index_size // 16} entries")
    movi_fourcc = movi_start - 4
    for number, (offset, size) in enumerate(frames):
        ckid, entry_flags, entry_offset, entry_size = struct.unpack_from(
            "<4sIII", data, index + 16 * number)
        require(ckid == b"00dc" and entry_flags & AVIIF_KEYFRAME,
                f"{name}: index entry {number} is not a key frame")
        require(movi_fourcc + entry_offset == offset - 8 and entry_size == size,
                f"{name}: index entry {number} does not point at its frame")

    decoded = [decode_rle8(data[offset:offset + size], *CLIP_SIZE, f"{name} frame {number}")
               for number, (offset, size) in enumerate(frames)]
    return palette, decoded


def palette_bmp(palette, rows):
    """An uncompressed bottom-up 8-bit BMP of the given rows (top row first)."""
    width, height = len(rows[0]), len(rows)
    stride = (width + 3) // 4 * 4
    pixels = b"".join(bytes(row) + bytes(stride - width) for row in reversed(rows))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, BI_RGB, len(pixels), 0, 0,
                        256, 0) + colours + pixels)


def check_all(contents):
    """Checks a {file name: bytes} map of every output; answers the clip's palette and frames."""
    for name in ICONS:
        check_icon(contents[name], name)
    for name, (width, height, bits) in BITMAPS.items():
        check_bitmap(contents[name], name, width, height, bits)
    return check_clip(contents[CLIP], CLIP)


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--preview"):
        raise SystemExit("usage: check_assets.py ASSETS_DIR [--preview DIR]")
    folder = sys.argv[1]
    contents = {}
    for name in ICONS + tuple(BITMAPS) + (CLIP,):
        with open(os.path.join(folder, name), "rb") as source:
            contents[name] = source.read()
    try:
        palette, frames = check_all(contents)
    except AssetError as error:
        raise SystemExit(f"check_assets: {error}")
    if len(sys.argv) == 4:
        os.makedirs(sys.argv[3], exist_ok=True)
        for number, rows in enumerate(frames):
            with open(os.path.join(sys.argv[3], f"frame{number:02d}.bmp"), "wb") as out:
                out.write(palette_bmp(palette, rows))
    print(f"check_assets: {len(contents)} files in {folder} are well-formed")


if __name__ == "__main__":
    main()
