#!/usr/bin/python3
"""The page in headless Chromium, played as a person plays it: clicks and keys
through the browser's own input (the DevTools protocol), on the page served on
a free loopback port. After every step the page's elements are checked against
the phase tables, and each visible canvas pixel for pixel against the model.

    page_test.py PAGE_FOLDER [-k NAME]
"""
import base64
import io
import os
import random
import shutil
import sys
import tempfile
import time
import unittest

import threading

from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../../scripts"))
import headless_chromium  # noqa: E402
from serve_web import serve  # noqa: E402

PAGE = None
FLOW = {"s": "Cmdstart", "r": "cmdready", "c": "cmdcont", "n": "Cmdnew"}
# Where the flow buttons are, from the design table: their centres.
CENTRE = {"Cmdstart": (400, 220), "cmdready": (400, 304), "cmdcont": (400, 252), "Cmdnew": (664, 92),
          "cmdchange(0)": (356, 280), "cmdchange(1)": (444, 280)}

# Before the page's own scripts: counts what it schedules and what it throws,
# and whether the browser was left an Alt key.
INSTRUMENT = """
window.__velmo = {timers: 0, frames: 0, errors: [], altKeysKept: 0};
for (const name of ['setTimeout', 'setInterval']) {
  const real = window[name];
  window[name] = function () { __velmo.timers++; return real.apply(this, arguments); };
}
const realFrame = window.requestAnimationFrame;
window.requestAnimationFrame = function (f) { __velmo.frames++; return realFrame.call(this, f); };
window.addEventListener('error', e => __velmo.errors.push(String(e.message)));
window.addEventListener('unhandledrejection', e => __velmo.errors.push(String(e.reason)));
window.addEventListener('keydown', e => { if (e.altKey && /^Key[SRCN]$/.test(e.code) && !e.defaultPrevented) __velmo.altKeysKept++; });
"""

# What the page shows, read in one call.
READ = """
const shown = id => { const e = document.getElementById(id); return !!e && !e.hidden; };
const text = id => document.getElementById(id).textContent;
const buttons = [...document.querySelectorAll('button')].filter(b => !b.hidden).map(b => b.id).sort();
const labels = {};
for (const l of document.querySelectorAll('.label')) if (!l.hidden) labels[l.id] = l.textContent;
return {buttons, labels, focused: document.activeElement ? document.activeElement.id : null,
        pictures: [...document.querySelectorAll('canvas.picture')].filter(c => !c.hidden).map(c => c.id)};
"""

# Mismatches between the page and the model: each visible canvas against its
# picture's raster, and the line controls' boxes against the pixels the
# desktop paints for them (from the first end up to, not including, the
# second; as wide as the line).
COMPARE = """
const pictures = ['Pic1', 'Pic3', 'Pic2'];
let bad = [];
// Read through a copy, which the browser keeps for reading.
const pixels = (c) => {
  const copy = document.createElement('canvas');
  copy.width = c.width; copy.height = c.height;
  const g = copy.getContext('2d', {willReadFrequently: true});
  g.drawImage(c, 0, 0);
  return g.getImageData(0, 0, c.width, c.height).data;
};
const at = (data, w, x, y) => (data[4 * (y * w + x)] << 16) | (data[4 * (y * w + x) + 1] << 8) | data[4 * (y * w + x) + 2];
pictures.forEach((id, i) => {
  const c = document.getElementById(id);  // none until first shown
  if (!c || c.hidden) return;
  const w = Module._velmo_test_width(i), h = Module._velmo_test_height(i);
  if (c.width !== w || c.height !== h) { bad.push(id + ' size'); return; }
  const data = pixels(c);
  const model = new Uint32Array(Module.HEAPU32.buffer, Module._velmo_test_pixels(i), w * h);
  for (let p = 0; p < w * h; ++p)
    if ((model[p] & 0xFFFFFF) !== at(data, w, p % w, Math.floor(p / w))) { bad.push(id + ' ' + (p % w) + ',' + Math.floor(p / w)); break; }
});
const l = new Int32Array(Module.HEAP32.buffer, Module._velmo_test_lines(), 8 * 7);
['Line4(0)', 'Line4(1)', 'Line4(2)', 'Line4(3)', 'Line1', 'Line2', 'Line3', 'Line5'].forEach((id, k) => {
  const [shown, x1, y1, x2, y2, width, bgr] = l.slice(7 * k, 7 * k + 7);
  const e = document.getElementById(id);  // none until first shown
  if (!e || e.hidden) {
    if (shown) bad.push(id + ' not shown');
    return;
  }
  const box = y1 === y2 ? [Math.min(x1, x2 + 1), y1, Math.abs(x2 - x1), width]
                        : [x1, Math.min(y1, y2 + 1), width, Math.abs(y2 - y1)];
  const r = e.getBoundingClientRect(), w = document.getElementById('window').getBoundingClientRect();
  const seen = [r.left - w.left, r.top - w.top, r.width, r.height];
  const colour = `rgb(${bgr & 0xFF}, ${bgr >> 8 & 0xFF}, ${bgr >> 16 & 0xFF})`;
  if (!shown || seen.join() !== box.join() || getComputedStyle(e).backgroundColor !== colour)
    bad.push(e.id + ' ' + seen.join() + ' for ' + box.join());
});
return bad;
"""


class Page:
    """One browser on the served page, and the player's hands on it."""

    def __init__(self, url=None):
        self.driver = headless_chromium.start(console=True)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": INSTRUMENT})
        self.url = url or f"http://127.0.0.1:{SERVER.server_port}/"
        self.open()

    def open(self):
        self.driver.get(self.url)
        self.wait_for(lambda s: "Cmdstart" in s["buttons"], "the title screen")
        self.place()

    def place(self):
        """Where the window is on the page, and at what scale."""
        self.left, self.top, self.scale = self.js(
            "const r = document.getElementById('window').getBoundingClientRect(); return [r.left, r.top, r.width / 760];")

    def view(self, width, height, pixel_ratio):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=pixel_ratio,
                 mobile=pixel_ratio > 1)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=pixel_ratio > 1)
        time.sleep(0.1)
        self.place()

    def at(self, x, y):
        return self.left + x * self.scale, self.top + y * self.scale

    def js(self, script):
        return self.driver.execute_script(script)

    def read(self):
        return self.js(READ)

    def wait_for(self, check, what, seconds=5):
        end = time.monotonic() + seconds
        while True:
            state = self.read()
            if check(state):
                return state
            if time.monotonic() > end:
                raise AssertionError(f"{what} did not come: {state}")
            time.sleep(0.02)

    def cdp(self, command, **params):
        self.driver.execute_cdp_cmd(command, params)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=self.at(x, y)[0], y=self.at(x, y)[1], button="left",
                     clickCount=1)

    def tap(self, x, y):
        px, py = self.at(x, y)
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": px, "y": py}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def kept(self):
        """The page's caches, once its service worker runs it."""
        self.driver.set_script_timeout(10)
        return self.driver.execute_async_script(
            "const done = arguments[0];"
            "navigator.serviceWorker.ready.then(() => { if (navigator.serviceWorker.controller) return caches.keys();"
            "  return new Promise(r => navigator.serviceWorker.oncontrollerchange = r).then(() => caches.keys()); })"
            ".then(done);")

    def screen(self):
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
        return Image.open(io.BytesIO(base64.b64decode(shot))).convert("RGB")

    def key(self, key, alt=False):
        """A key by its DOM name ('Tab', ' ', 's'), with Alt held if asked."""
        named = {"Tab": ("Tab", 9, ""), " ": ("Space", 32, " "), "Enter": ("Enter", 13, "\r"),
                 "Escape": ("Escape", 27, "")}
        code = named[key] if key in named else (
            ("Key" if key.isalpha() else "Digit") + key.upper(), ord(key.upper()), key)
        text = code[2]
        base = dict(key=key, code=code[0], windowsVirtualKeyCode=code[1], modifiers=1 if alt else 0)
        if alt:
            self.cdp("Input.dispatchKeyEvent", type="rawKeyDown", key="Alt", code="AltLeft",
                     windowsVirtualKeyCode=18, modifiers=1)
        self.cdp("Input.dispatchKeyEvent", type="keyDown", text="" if alt else text, **base)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **base)
        if alt:
            self.cdp("Input.dispatchKeyEvent", type="keyUp", key="Alt", code="AltLeft", windowsVirtualKeyCode=18)

    def mismatches(self):
        return self.js(COMPARE)

    def trouble(self):
        """Console errors and uncaught exceptions so far."""
        logged = [e["message"] for e in self.driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        return logged + self.js("return __velmo.errors")

    def close(self):
        self.driver.quit()


def number(caption):
    return int(caption.strip())


class PageTest(unittest.TestCase):
    def setUp(self):
        self.page = Page()
        self.addCleanup(self.page.close)

    def tearDown(self):
        self.assertEqual(self.page.trouble(), [])
        self.assertEqual(self.page.js("return __velmo.altKeysKept"), 0, "an access key reached the browser")

    # The phases, as the visible flow buttons and labels show them.
    def expect_answering(self, m, s):
        self.assertIn("cmdready", s["buttons"])
        self.assertFalse({"Cmdstart", "cmdcont", "Cmdnew"} & set(s["buttons"]))
        self.assertTrue(s["labels"]["Lblask"].startswith(f"Mission {m}:"), s["labels"])
        self.assertFalse(any(k.startswith("Lblscore") for k in s["labels"]))
        self.assertEqual(self.page.mismatches(), [], f"mission {m}")

    def expect_result(self, m, s):
        labels = s["labels"]
        self.assertEqual(s["buttons"], ["Cmdnew"] if m == 10 else ["cmdcont"])
        self.assertEqual(labels["lblrightots"], "RIGHT ANSWER")
        exact, floor = (6000, 0) if m == 10 else (1000, None)
        points = exact - abs(number(labels["Lblcount1"]) - number(labels["lblright"]))
        self.assertEqual(number(labels[f"Lblscore2({m - 1})"]), points if floor is None else max(points, floor))
        self.assertEqual(labels["Lblscore1(0)"], "Score - Mission 1:")
        self.assertEqual(self.page.mismatches(), [], f"result of mission {m}")

    def expect_waiting(self, s):
        self.assertEqual(s["buttons"], [])
        self.assertEqual(s["labels"]["Lblwait"], "WAIT A MOMENT...")
        self.assertEqual(s["pictures"], [])

    def play(self, press):
        """A whole game; press(m, button) presses one of the flow buttons."""
        p = self.page
        press(0, "Cmdstart")
        for m in range(1, 11):
            s = p.wait_for(lambda s: "cmdready" in s["buttons"], f"mission {m}", 5)
            self.expect_answering(m, s)
            if press.steps:
                for step in ("cmdchange(1)", "cmdchange(0)"):
                    p.click(*CENTRE[step])
                self.assertEqual(p.mismatches(), [], f"mission {m} after its steps")
            press(m, "cmdready")
            s = p.wait_for(lambda s: "cmdready" not in s["buttons"], f"the result of mission {m}")
            self.expect_result(m, s)
            if m < 10:
                press(m, "cmdcont")
                self.expect_waiting(p.wait_for(lambda s: "Lblwait" in s["labels"], "the wait"))
        s = p.read()
        total = sum(number(s["labels"][f"Lblscore2({k})"]) for k in range(10))
        self.assertEqual(number(s["labels"]["Lblscore2(10)"]), total)
        press(10, "Cmdnew")
        s = p.wait_for(lambda s: s["buttons"] == ["Cmdstart"], "the title screen")
        self.assertEqual(set(s["labels"]), {"lblotsikko", "lblorvan", "lblwritten"})

    def test_mouse_and_access_keys(self):
        """Odd missions by access keys, even ones by clicks; the steps by clicks."""
        def press(m, button):
            if m % 2:
                self.page.key({v: k for k, v in FLOW.items()}[button], alt=True)
            else:
                self.page.click(*CENTRE[button])
        press.steps = True
        self.play(press)

    def test_keyboard_only(self):
        """Tab until the button has the focus, then Space."""
        def press(m, button):
            for _ in range(20):
                if self.page.read()["focused"] == button:
                    self.page.key(" ")
                    return
                self.page.key("Tab")
            self.fail(f"Tab never reached {button} in mission {m}")
        press.steps = False
        self.play(press)

    def test_at_rest(self):
        """Nothing is scheduled at rest; Start after 10 s takes the 5,000 ticks due at once."""
        p = self.page
        before = p.js("return [__velmo.timers, __velmo.frames, Module._velmo_test_random_state()]")
        waited_from = p.js("return performance.now()")
        time.sleep(10)
        self.assertEqual(p.js("return [__velmo.timers, __velmo.frames]"), before[:2], "woke at rest")
        p.key("s", alt=True)
        s = p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 1")
        elapsed = p.js("return performance.now()") - waited_from
        after = p.js("return Module._velmo_test_random_state()")
        p.key("r", alt=True)
        count = number(p.wait_for(lambda s: "lblright" in s["labels"], "the result")["labels"]["lblright"])
        # The ticks taken, then three draws a circle: find the number of ticks.
        state, ticks = before[2], 0
        states = [state]
        while len(states) < 20000 + 3 * count:
            state = (state * 16598013 + 12820163) % 16777216
            states.append(state)
        taken = [t for t in range(len(states) - 3 * count)
                 if states[t + 3 * count] == after and (states[t] * 201 >> 24) + 100 == count]
        self.assertEqual(len(taken), 1, taken)
        ticks = taken[0]
        self.assertGreaterEqual(ticks, 10000 // 2)
        self.assertLessEqual(ticks, (elapsed + waited_from) // 2 + 1)
        # In the result Tmr1 runs again and still wakes nothing; the wait is one timeout.
        timers = p.js("return __velmo.timers")
        time.sleep(1)
        self.assertEqual(p.js("return __velmo.timers"), timers)
        p.key("c", alt=True)
        p.wait_for(lambda s: "Lblwait" in s["labels"], "the wait")
        self.assertEqual(p.js("return __velmo.timers"), timers + 1)
        self.assertEqual(p.js("return __velmo.frames"), before[1])
        self.expect_answering(2, p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 2", 5))

    def test_random_input(self):
        """2,000 random clicks and keys, then each access key still does its part."""
        p = self.page
        rnd = random.Random(20261207)
        keys = ["Tab", " ", "Enter", "Escape", "1", "x"] + list("srcnqz")
        for _ in range(2000):
            if rnd.random() < 0.5:
                buttons = p.read()["buttons"] if rnd.random() < 0.5 else []
                target = CENTRE.get(rnd.choice(buttons)) if buttons and rnd.random() < 0.5 else None
                p.click(*(target or (rnd.randrange(760), rnd.randrange(555))))
            else:
                key = rnd.choice(keys)
                p.key(key, alt=key in "srcnqz" or rnd.random() < 0.1)
        self.assertEqual(p.mismatches(), [])
        answered = set()
        for _ in range(40):
            s = p.wait_for(lambda s: set(s["buttons"]) & set(FLOW.values()), "a flow button", 5)
            letter = next(k for k, b in FLOW.items() if b in s["buttons"])
            p.key(letter, alt=True)
            p.wait_for(lambda s: FLOW[letter] not in s["buttons"], f"Alt+{letter.upper()} to act")
            answered.add(letter)
            if answered == set(FLOW):
                break
        self.assertEqual(answered, set(FLOW))
        self.assertEqual(p.mismatches(), [])

    # Installs and plays offline.

    def test_installable(self):
        """Chromium finds nothing missing to install it, and every icon of its manifest loads at its size."""
        p = self.page
        self.assertEqual(p.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        p.driver.set_script_timeout(10)
        icons = p.driver.execute_async_script("""
            const done = arguments[0];
            fetch('velmo.webmanifest').then(r => r.json()).then(m => Promise.all(m.icons.map(i =>
              fetch(i.src).then(r => r.blob()).then(createImageBitmap).then(b => [i.sizes, b.width + 'x' + b.height, i.purpose]))))
              .then(done);""")
        self.assertEqual({i[2] for i in icons}, {"any", "maskable"})
        for declared, loaded, _ in icons:
            self.assertEqual(declared, loaded)

    def test_offline(self):
        """After one visit the page plays with the network off, its host gone and the browser's own cache empty."""
        server = serve(PAGE, 0)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        p = Page(f"http://127.0.0.1:{server.server_port}/")
        self.addCleanup(p.close)
        self.assertEqual(len(p.kept()), 1)
        server.shutdown()
        server.server_close()
        p.cdp("Network.clearBrowserCache")
        p.driver.set_network_conditions(offline=True, latency=0, throughput=0)
        p.open()
        p.key("s", alt=True)
        self.expect_answering(1, p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 1"))
        p.click(*CENTRE["cmdchange(1)"])
        p.key("r", alt=True)
        self.expect_result(1, p.wait_for(lambda s: "cmdcont" in s["buttons"], "the result"))
        p.key("c", alt=True)
        self.expect_answering(2, p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 2", 5))

    def test_new_version(self):
        """A new version's files replace the old cache on the next visit."""
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        site = shutil.copytree(PAGE, os.path.join(folder, "page"))
        server = serve(site, 0)
        threading.Thread(target=server.serve_forever, daemon=True).start()
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
        p.driver.set_script_timeout(10)
        kept = p.driver.execute_async_script("""
            const done = arguments[0];
            const look = () => caches.keys().then(k => k.length === 1 && k[0] === 'velmo-9.9.9+new'
              ? caches.open(k[0]).then(c => c.match('index.html')).then(r => r.text()).then(t => done([k, t.includes('<!-- new -->')]))
              : setTimeout(look, 50));
            look();""")
        self.assertEqual(kept, [["velmo-9.9.9+new"], True])

    # Fits any window and answers touch.

    def test_fits_any_viewport(self):
        """The window fits each viewport with its aspect, at scale 1 where that fits; pictures stay sharp."""
        p = self.page
        p.key("s", alt=True)
        p.key("r", alt=True)
        p.key("c", alt=True)
        p.wait_for(lambda s: "Pic1" in s["pictures"], "mission 2's picture", 5)  # every point red, green, blue or white
        mission_2 = {(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)}
        for width, height, ratio, scale in ((390, 844, 3, None), (844, 390, 3, None), (1024, 768, 1, 1),
                                            (1920, 1080, 1, 1), (1600, 1200, 1, 2)):
            with self.subTest(viewport=f"{width} x {height}"):
                p.view(width, height, ratio)
                left, top, w, h = p.js("const r = document.getElementById('window').getBoundingClientRect();"
                                       "return [r.left, r.top, r.width, r.height];")
                self.assertTrue(0 <= left and 0 <= top and left + w <= width + 0.01 and top + h <= height + 0.01)
                self.assertAlmostEqual(w / h, 760 / 555, places=3)
                self.assertEqual((left % 1, top % 1), (0, 0))
                if scale:
                    self.assertEqual((w, h), (760 * scale, 555 * scale))
                else:
                    self.assertAlmostEqual(max(w / width, h / height), 1, places=3)
                # Inside the picture every screen pixel is one of its colours: nothing blends.
                shot, k = p.screen(), ratio * p.scale
                box = [round(v * ratio) for v in (p.at(16, 320) + p.at(537, 545))]
                colours = set(shot.crop((box[0] + 2, box[1] + 2, box[2] - 2, box[3] - 2)).getdata())
                self.assertEqual(colours - mission_2, set(), f"scale {k:.2f}")

    def test_touch(self):
        """Taps play Start, a step, Ready and Continue, and the page neither zooms nor scrolls."""
        p = self.page
        p.view(390, 844, 3)
        p.tap(*CENTRE["Cmdstart"])
        s = p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 1")
        p.tap(*CENTRE["cmdchange(1)"])
        p.tap(*CENTRE["cmdchange(1)"])  # a double tap: two steps, no zoom
        start = number(s["labels"]["Lblcount1"])
        p.wait_for(lambda t: number(t["labels"]["Lblcount1"]) == start + 2, "two steps")
        p.tap(*CENTRE["cmdready"])
        p.wait_for(lambda s: "cmdcont" in s["buttons"], "the result")
        p.tap(*CENTRE["cmdcont"])
        p.wait_for(lambda s: "Lblwait" in s["labels"], "the wait")
        self.assertEqual(p.js("return [visualViewport.scale, scrollX, scrollY, getSelection().toString()]"),
                         [1, 0, 0, ""])


if __name__ == "__main__":
    PAGE = sys.argv.pop(1)
    SERVER = serve(PAGE, 0)
    threading.Thread(target=SERVER.serve_forever, daemon=True).start()
    unittest.main()
