#!/usr/bin/python3
"""Serves the page's folder on this machine only, as any static web host would.

    scripts/serve_web.py [FOLDER]      (FOLDER: build/web)

Listens on http://127.0.0.1:8000/, or on the next free port, and says which;
Ctrl+C stops it. The tests and benchmarks serve the page the same way, on any
free port.
"""
import functools
import http.server
import os
import sys
import threading
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly as it arrives only when it says what it is.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json", ".woff2": "font/woff2"}

    def log_message(self, *args):
        pass


class PageHandler(Handler):
    """The page as the tests and benchmarks serve it: a script of theirs first in its head,
    and, where one asks, its markup changed, another velmo.wasm, or a slow host."""
    head = ""  # a script put first in the page's head
    change = None  # bytes -> bytes, of index.html
    wasm = None  # bytes -> bytes: what is served for velmo.wasm, from the real one
    delay = 0  # seconds the host takes over each answer

    def do_GET(self):
        time.sleep(self.delay)
        path = self.path.split("?")[0]
        if path == "/velmo.wasm" and self.wasm:
            with open(os.path.join(self.directory, "velmo.wasm"), "rb") as f:
                return self.send(self.wasm(f.read()), "application/wasm")
        if path not in ("/", "/index.html"):
            return super().do_GET()
        with open(os.path.join(self.directory, "index.html"), "rb") as f:
            html = f.read().replace(b"<head>", b"<head>\n<script>" + self.head.encode() + b"</script>", 1)
        self.send(self.change(html) if self.change else html, "text/html; charset=utf-8")

    def send(self, body, kind):
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def served(folder, **variant):
    """The page served on a free port from a thread, through PageHandler with the variant's
    attributes; the server's `handler` is that class, for a test to change as it goes."""
    handler = type("Variant", (PageHandler,), {k: staticmethod(v) if callable(v) else v for k, v in variant.items()})
    server = serve(folder, 0, handler=handler)
    server.handler = handler
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


# Where the game's buttons are, from the design table: their centres in window pixels.
CENTRE = {"Cmdstart": (400, 220), "cmdready": (400, 304), "cmdcont": (400, 252), "Cmdnew": (664, 92),
          "cmdchange(0)": (356, 280), "cmdchange(1)": (444, 280)}


def serve(folder, first_port=8000, tries=100, handler=Handler):
    """A server of the folder on the first free port from first_port (0: any)."""
    handler = functools.partial(handler, directory=folder)
    for port in range(first_port, first_port + tries) if first_port else [0]:
        try:
            return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        except OSError:
            continue
    raise OSError(f"no free port from {first_port}")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "build/web"
    server = serve(folder)
    print(f"Velmo is served on http://127.0.0.1:{server.server_port}/ (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
