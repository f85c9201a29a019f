#!/usr/bin/python3
"""The page in each browser engine a player may have (Chromium, Firefox ESR,
WebKitGTK), played as a person plays it: clicks, taps and keys through the
browser's own input, on the page served on a free loopback port. After every
step the page's elements are checked against the phase tables, each visible
canvas pixel for pixel against the model, and the ink of its text against
the desktop's view.

    page_test.py ENGINE PAGE_FOLDER RENDER_WINDOW [-k NAME]

RENDER_WINDOW is the desktop's view drawing chosen controls to a PNG
(tests/platform/qt/render_window.cpp).
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page  # noqa: E402

if __name__ == "__main__":
    page.ENGINE, page.PAGE, page.RENDER_WINDOW = sys.argv[1:4]
    del sys.argv[1:4]
    if page.browsers.missing(page.ENGINE):
        print(f"skipped: {page.browsers.missing(page.ENGINE)}")
        sys.exit(77)
    page.SERVER = page.served(page.PAGE)
    from offline_test import OfflineTest  # noqa: E402,F401
    from playing_test import PlayingTest  # noqa: E402,F401
    from looks_test import LooksTest  # noqa: E402,F401
    unittest.main()
