#!/usr/bin/python3
"""Serves the page's folder on this machine only, as any static web host would.

    scripts/serve_web.py [FOLDER]      (FOLDER: build/web)

Listens on http://127.0.0.1:8000/, or on the next free port, and says which;
Ctrl+C stops it. The tests and benchmarks serve the page the same way, on any
free port.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly as it arrives only when it says what it is.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json", ".woff2": "font/woff2"}

    def log_message(self, *args):
        pass


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
