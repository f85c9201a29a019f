"""The page installed and played offline, and replaced by a new version."""

import os
import shutil
import sys
import tempfile

from page import CENTRE, ENGINE, PAGE, Page, PageTest, served


class OfflineTest(PageTest):
    def test_installable(self):
        """Every icon of the manifest loads at its size, and Chromium finds nothing missing to install the page."""
        p = self.page
        if p.browser.installability:
            self.assertEqual(p.browser.installability_errors(), [])
        else:
            print(f"installable: the browser's own verdict left out: {ENGINE} gives none", file=sys.stderr)
        icons = p.browser.js_async("""
            const m = await (await fetch('velmo.webmanifest')).json();
            return Promise.all(m.icons.map(async i => {
              const b = await createImageBitmap(await (await fetch(i.src)).blob());
              return [i.sizes, b.width + 'x' + b.height, i.purpose]; }));""")
        self.assertEqual({i[2] for i in icons}, {"any", "maskable"})
        for declared, loaded, _ in icons:
            self.assertEqual(declared, loaded)

    def test_return_visit(self):
        """After one visit the page comes from its service worker: its title screen as quickly
        with its host slow as with it quick, and a game with its host gone."""
        server = served(PAGE)
        p = Page(f"http://127.0.0.1:{server.server_port}/")
        self.addCleanup(p.close)
        self.assertEqual(len(p.kept()), 1)
        # Every file of the page but the worker, whatever the browser's own cache keeps.
        files = {os.path.relpath(os.path.join(r, f), PAGE) for r, _, names in os.walk(PAGE) for f in names} - {"service-worker.js"}
        self.assertEqual(set(p.browser.js_async("const c = await caches.open((await caches.keys())[0]);"
                                                "return (await c.keys()).map(r => new URL(r.url).pathname.slice(1));")),
                         files | {""})
        if not p.browser.clears_cache:
            print(f"return visit: emptying the HTTP cache left out: {ENGINE}'s driver cannot; the worker is seen serving",
                  file=sys.stderr)
        title = {}
        for host in ("quick", "slow", "gone"):
            with self.subTest(host=host):
                server.handler.delay = 2 if host == "slow" else 0
                if host == "gone":
                    server.shutdown()
                    server.server_close()
                if p.browser.clears_cache:
                    p.browser.clear_cache()
                p.open(ready=host == "gone")
                self.assertTrue(p.js("return !!navigator.serviceWorker.controller"), "the worker serves the page")
                title[host] = p.js("const paint = performance.getEntriesByName('first-contentful-paint')[0];"
                                   "return paint ? paint.startTime : performance.now();")
        self.assertLess(title["slow"], title["quick"] + 500, f"the title screen, in ms from navigation: {title}")
        self.expect_answering(1, p.press("s"))
        p.click(*CENTRE["cmdchange(1)"])
        self.expect_result(1, p.press("r"))
        p.key("c", alt=True)
        self.expect_answering(2, p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 2", 5))

    def test_new_version(self):
        """A new version's files replace the old cache on the next visit."""
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        site = shutil.copytree(PAGE, os.path.join(folder, "page"))
        server = served(site)
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        p = Page(f"http://127.0.0.1:{server.server_port}/")
        self.addCleanup(p.close)
        old = p.kept()
        self.assertEqual(len(old), 1)
        for name, change in (("service-worker.js", lambda t: t.replace(old[0], "velmo-9.9.9+new")),
                             ("index.html", lambda t: t.replace("<title>Velmo</title>", "<title>Velmo</title><!-- new -->"))):
            with open(os.path.join(site, name)) as f:
                text = change(f.read())
            with open(os.path.join(site, name), "w") as f:
                f.write(text)
        p.open()
        kept = p.browser.js_async("""
            for (let tries = 0; tries < 150; ++tries) {
              const k = await caches.keys();
              if (k.length === 1 && k[0] === 'velmo-9.9.9+new') {
                const t = await (await (await caches.open(k[0])).match('index.html')).text();
                return [k, t.includes('<!-- new -->')];
              }
              await new Promise(r => setTimeout(r, 50));
            }
            return await caches.keys();""")
        self.assertEqual(kept, [["velmo-9.9.9+new"], True])
