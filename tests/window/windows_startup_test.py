"""Starts gridcode.exe FILE once under Wine on the virtual X display of
scripts/test-windows and looks at the screen: Form1 maps at the size its twips
give, and its picture shows FILE's grid in the colours of the values within a
minute of mapping (the screen is looked at again and again until then). With
--screenshot PNG, also saves the window as a picture.
Usage: windows_startup_test.py WINE GRIDCODE_EXE XVFB_SCREEN [--screenshot PNG]
XVFB_SCREEN: the screen as an XWD file (Xvfb -fbdir), 32 bits a pixel."""
import os, struct, subprocess, sys, tempfile, time, zlib

SIZE = (909, 619)  # 13635 x 9285 twips
PICTURE, CELL = (56, 448), 8  # the picture's first cell at 840, 6720 twips; 120 twips a cell
VALUES = {0xFFFFFF: "0", 0x35B779: "1", 0x31688E: "2", 0x440154: "3"}
HEART = ["00000000000000", "00110000001100", "01221100112210", "12332211223321",
         "12333322333321", "01233333333210", "00123333332100", "00012333321000",
         "00001233210000", "00000122100000"]


def form1_geometry():
    info = subprocess.run(["xwininfo", "-name", "Form1"], capture_output=True, text=True).stdout
    fields = dict(line.strip().split(": ", 1) for line in info.splitlines() if ": " in line)
    if fields.get("Map State") != "IsViewable":
        return None
    return [int(fields[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                         "Width", "Height")]


wine, program, screen = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3]
folder = tempfile.mkdtemp()
with open(os.path.join(folder, "heart.dat"), "w", newline="") as grid:
    grid.write("".join(HEART) + "\r\n")
child = subprocess.Popen([wine, program, "heart.dat"], cwd=folder)
try:
    deadline, geometry = time.monotonic() + 120, None
    while geometry is None and time.monotonic() < deadline and child.poll() is None:
        time.sleep(0.5)
        geometry = form1_geometry()
    if geometry is None:
        sys.exit(f"Form1 never mapped (exit status {child.poll()})")
    left, top, width, height = geometry

    def look():
        """The screen's bytes, the offset of its first pixel and the bytes of a
        line, and the values the picture's cells show ("?" for none)."""
        data = open(screen, "rb").read()
        header = struct.unpack(">25I", data[:100])
        start, line = header[0] + 12 * header[19], header[12]
        pixel = lambda x, y: int.from_bytes(data[start + y * line + 4 * x:][:3], "little")
        return data, start, line, ["".join(
            VALUES.get(pixel(left + PICTURE[0] + CELL * column + CELL // 2,
                             top + PICTURE[1] + CELL * row + CELL // 2), "?")
            for column in range(14)) for row in range(10)]

    # The file is loaded and drawn after the window maps, later on a busy
    # machine: the screen is looked at until it shows the grid, or the time is up.
    deadline = time.monotonic() + 60
    data, start, line, shown = look()
    while shown != HEART and time.monotonic() < deadline and child.poll() is None:
        time.sleep(0.5)
        data, start, line, shown = look()
    print(f"Form1 maps at {width} x {height}; its picture shows", *shown)
    if "--screenshot" in sys.argv:  # blue, green, red, unused: to red, green, blue
        rows = b""
        for y in range(top, top + height):
            bgrx, rgb = data[start + y * line + 4 * left:][:4 * width], bytearray(3 * width)
            rgb[0::3], rgb[1::3], rgb[2::3] = bgrx[2::4], bgrx[1::4], bgrx[0::4]
            rows += b"\0" + rgb
        chunk = lambda kind, body: (struct.pack(">I", len(body)) + kind + body +
                                    struct.pack(">I", zlib.crc32(kind + body)))
        with open(sys.argv[sys.argv.index("--screenshot") + 1], "wb") as png:
            png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(
                ">IIBBBBB", width, height, 8, 2, 0, 0, 0)) + chunk(b"IDAT", zlib.compress(rows, 9))
                      + chunk(b"IEND", b""))
    if (width, height) != SIZE:
        sys.exit(f"Form1 maps at {width} x {height}, not {SIZE[0]} x {SIZE[1]}")
    if shown != HEART:
        sys.exit("the picture does not show the file's grid: " + " ".join(HEART))
finally:
    child.kill()
    child.wait()
