#!/usr/bin/env python3
"""Local stand-in for the maker's web services, for the transfer tests.

Listens on 127.0.0.1 on a free port, writes the port to <dir>/server.port and records what it
received under <dir>/state/ (written before each answer, so a test reads it after its call).
Ends by itself after --lifetime seconds in case nobody stops it.
"""
import argparse
import email.utils
import io
import os
import threading
import time
import zipfile
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

# The frame archive changed last at this moment.
ARCHIVE_TIME = email.utils.parsedate_to_datetime("Sun, 14 Mar 2021 15:09:26 GMT")
SLOW_PIECE = 2048
SLOW_PIECES = 200
SLOW_DELAY = 0.3

state_dir = ""


def state_path(name):
    return os.path.join(state_dir, name)


def write_state(name, data):
    if isinstance(data, str):
        data = data.encode("utf-8")
    tmp = state_path(name + ".tmp")
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, state_path(name))


def frame_archive():
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in (("Sunset.xml", "<mask name='Sunset'/>"), ("readme.txt", "frames")):
            info = zipfile.ZipInfo(name, date_time=(2021, 3, 14, 15, 9, 26))
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, text * 50)
    return buffer.getvalue()


def pattern(size):
    return bytes((i * 7 + 3) % 256 for i in range(size))


def parse_multipart(body, boundary):
    """The parts of a multipart body as (headers, content) pairs; None when malformed."""
    delimiter = b"--" + boundary
    if not body.startswith(delimiter + b"\r\n"):
        return None
    parts = []
    position = 0
    while True:
        start = position + len(delimiter)
        if body[start:start + 2] == b"--":
            return parts if body[start + 2:] == b"\r\n" else None
        if body[start:start + 2] != b"\r\n":
            return None
        following = body.find(b"\r\n" + delimiter, start + 2)
        if following < 0:
            return None
        piece = body[start + 2:following]
        head, separator, content = piece.partition(b"\r\n\r\n")
        if not separator:
            return None
        headers = head.decode("utf-8").split("\r\n")
        parts.append((headers, content))
        position = following + 2


def disposition_value(headers, key):
    for line in headers:
        if line.lower().startswith("content-disposition:"):
            for item in line.split(";")[1:]:
                name, _, value = item.strip().partition("=")
                if name == key:
                    return value.strip('"')
    return ""


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def record_headers(self, name):
        write_state(name, "".join(f"{k}: {v}\n" for k, v in self.headers.items()))

    def answer(self, status, body=b"", headers=(), length=True):
        self.send_response(status)
        for key, value in headers:
            self.send_header(key, value)
        if length:
            self.send_header("Content-Length", str(len(body)))
        else:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()

    def do_GET(self):
        self.record_headers("get-headers.txt")
        path, _, query = self.path.partition("?")
        if path == "/photoframes/pickedframes.php":
            since = self.headers.get("If-Modified-Since")
            if since:
                try:
                    if email.utils.parsedate_to_datetime(since) >= ARCHIVE_TIME:
                        self.answer(304)
                        return
                except (TypeError, ValueError):
                    pass
            body = frame_archive()
            write_state("served.bin", body)
            stamp = email.utils.format_datetime(ARCHIVE_TIME, usegmt=True)
            self.answer(200, body, [("Content-Type", "application/zip"), ("Last-Modified", stamp)])
        elif path == "/plain/data.bin":
            body = pattern(5000)
            write_state("served.bin", body)
            self.answer(200, body, [("Content-Type", "application/octet-stream")])
        elif path == "/fault/no-length":
            body = pattern(70000)
            write_state("served.bin", body)
            self.answer(200, body, length=False)
        elif path == "/fault/short":
            self.send_response(200)
            self.send_header("Content-Length", "10000")
            self.end_headers()
            self.wfile.write(pattern(4000))
            self.wfile.flush()
            self.close_connection = True
        elif path == "/fault/slow":
            pieces = int(query.partition("pieces=")[2] or SLOW_PIECES)
            self.slow_body(pieces)
        elif path == "/fault/404":
            self.answer(404, b"<html>not here</html>", [("Content-Type", "text/html")])
        elif path == "/fault/500":
            self.answer(500, b"<html>broken</html>", [("Content-Type", "text/html")])
        elif path == "/fault/drop":
            self.close_connection = True
        else:
            self.answer(404, b"unknown")

    def slow_body(self, pieces):
        self.send_response(200)
        self.send_header("Content-Length", str(SLOW_PIECE * pieces))
        self.end_headers()
        sent = 0
        try:
            for _ in range(pieces):
                self.wfile.write(pattern(SLOW_PIECE))
                self.wfile.flush()
                sent += 1
                time.sleep(SLOW_DELAY)
        except OSError:
            pass
        # The client's end shows as a failed write some pieces later.
        write_state("slow-pieces.txt", str(sent))
        self.close_connection = True

    def do_POST(self):
        self.record_headers("post-headers.txt")
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
        write_state("post-body.bin", body)
        content_type = self.headers.get("Content-Type", "")
        boundary = content_type.partition("boundary=")[2].strip().encode("ascii")
        parts = parse_multipart(body, boundary) if boundary else None
        listing = []
        for index, (headers, content) in enumerate(parts or []):
            write_state(f"part{index}.bin", content)
            listing.append(f"{disposition_value(headers, 'name')}\t"
                           f"{disposition_value(headers, 'filename')}\t{len(content)}\n")
        write_state("parts.txt", "".join(listing))
        well_formed = parts is not None and len(body) == length
        if self.path == "/en/submitlang.php":
            self.answer(200, b"OK" if well_formed else b"BAD", [("Content-Type", "text/plain")])
        else:
            self.answer(404, b"unknown")


def main():
    global state_dir
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True)
    parser.add_argument("--lifetime", type=float, default=900)
    args = parser.parse_args()
    state_dir = os.path.join(args.dir, "state")
    os.makedirs(state_dir, exist_ok=True)
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Timer(args.lifetime, lambda: os._exit(0)).start()
    port_file = os.path.join(args.dir, "server.port")
    with open(port_file + ".tmp", "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(port_file + ".tmp", port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
