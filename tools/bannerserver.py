#!/usr/bin/env python3
"""A stand-in for the maker's banner server, to try the picture panel locally.

    tools/bannerserver.py [PORT]          serves on 127.0.0.1:PORT (default 8765)

It answers "/api/misc/banners" with three banners and "/api/misc/files/NAME"
with pictures it draws itself (PNG, uncompressed BMP). Point the program at it
with the settings entry BannerServer=http://127.0.0.1:PORT and make a folder
"Picture" in the program's current directory.
"""
import http.server
import struct
import sys
import zlib


def png(width, height, pixel):
    rows = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


def bmp(width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(bytes(reversed(pixel(x, y))) for x in range(width))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows


def stripes(x, y):
    band = (x // 24 + y // 24) % 3
    fade = 120 + (x * 135) // 360
    return [(fade, 40, 40), (40, fade, 60), (40, 70, fade)][band]


def rings(x, y):
    d = ((x - 180) ** 2 + (y - 120) ** 2) ** 0.5
    shade = int(d) % 40 * 5
    return (250 - shade, 180, 60 + shade)


PICTURES = {
    "survey.png": lambda: png(360, 240, stripes),
    "rings.bmp": lambda: bmp(360, 240, rings),
}
LIST = (
    '{"code":0,"data":[\n'
    '  {"img": "survey.png", "value": "https://example.com/survey"},\n'
    '  {"img": "rings.bmp", "value": "https://example.com/rings"}\n'
    "]}\n"
)


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/api/misc/banners":
            body, kind = LIST.encode(), "application/json"
        elif self.path.startswith("/api/misc/files/") and self.path[16:] in PICTURES:
            body, kind = PICTURES[self.path[16:]](), "application/octet-stream"
        else:
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


if __name__ == "__main__":
    port = int(sys.argv[1]) if len(sys.argv) > 1 else 8765
    http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler).serve_forever()
