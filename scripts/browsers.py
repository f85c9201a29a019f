"""The three browser engines a player may have, each driven as Debian ships
it, behind one small set of hands: Chromium through its driver and the
DevTools protocol, Firefox ESR through WebDriver BiDi, which it speaks itself
(geckodriver is not in Debian 12), and WebKitGTK, Safari's engine family,
through WebKitWebDriver with MiniBrowser (it needs an X display).

Each start has a fresh profile, so nothing is cached from an earlier one.
Coordinates are CSS pixels of the viewport; scripts are bodies of functions
whose value is what they return (JSON-able values only).
"""
import base64
import io
import itertools
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

from PIL import Image

ENGINES = ("chromium", "firefox", "webkit")


def start(engine, width=1024, height=768, ratio=1):
    """A browser whose viewport is width x height CSS pixels, where its screen
    has `ratio` pixels to a CSS pixel (where the engine can have one)."""
    browser = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[engine](width, height, ratio)
    browser.view(width, height, ratio)
    return browser


def missing(engine):
    """Why an engine cannot run here, or None where it can."""
    needs = {"chromium": (["/usr/bin/chromium", "/usr/bin/chromedriver"], "selenium"),
             "firefox": (["/usr/bin/firefox-esr"], "websocket"),
             "webkit": (["/usr/bin/WebKitWebDriver", WebKit.BROWSER], "selenium")}[engine]
    absent = [n for n in needs[0] if not os.path.exists(n)]
    try:
        __import__(needs[1])
    except ImportError:
        absent.append(f"Python's {needs[1]}")
    return f"{engine} cannot be driven here: no {', '.join(absent)}" if absent else None


class Browser:
    # What an engine's driver can do beyond clicks, keys and scripts.
    touch = True           # touch input
    pinches = True         # two fingers that zoom the page, as on a phone
    pixel_ratio = True     # a device pixel ratio other than 1
    clears_cache = True    # emptying the browser's own HTTP cache
    installability = False  # the browser's own verdict on installing the page

    def js_async(self, body):
        """Runs an async function body to its end; its value."""
        return self.js(body)



class Selenium(Browser):
    """An engine behind a classic WebDriver, through Selenium."""

    def open(self, url):
        self.driver.get(url)

    def js(self, body):
        return self.driver.execute_script(body)

    def js_async(self, body):
        self.driver.set_script_timeout(10)
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            f"(async () => {{ {body} }})().then(done, e => done('thrown: ' + e));")

    def quit(self):
        self.driver.quit()


class Chromium(Selenium):
    installability = True
    # Without the networking flags Chromium reaches for Google's hosts, which
    # these machines refuse; the scale factor is the screen's, one CSS pixel
    # to one pixel unless asked: a ratio emulated through the DevTools
    # protocol lays out at it but snaps what it paints to whole CSS pixels,
    # as no real screen of that ratio does.
    # The omnibox's popup, which a headless browser never shows, is a web page
    # of its own that takes some two seconds of CPU as the browser starts, in
    # the middle of the first visit.
    ARGUMENTS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup")
    KEYS = {"Tab": ("Tab", 9, ""), " ": ("Space", 32, " "), "Enter": ("Enter", 13, "\r"), "Escape": ("Escape", 27, "")}

    def __init__(self, width, height, ratio=1):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
        self.ratio = ratio
        options = Options()
        for a in self.ARGUMENTS + (f"--window-size={width},{height}", f"--force-device-scale-factor={ratio}"):
            options.add_argument(a)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def click(self, x, y):
        for down in (True, False):
            self.mouse(x, y, down)

    def mouse(self, x, y, down):
        self.cdp("Input.dispatchMouseEvent", type="mousePressed" if down else "mouseReleased", x=x, y=y,
                 button="left", clickCount=1)

    def tap(self, x, y):
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def pinch(self, x, y, scale):
        """Two fingers 40 px apart about (x, y), moved apart to `scale` times that."""
        def fingers(apart):
            return [{"x": x - apart / 2, "y": y, "id": 0}, {"x": x + apart / 2, "y": y, "id": 1}]
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=fingers(40))
        for step in range(1, 31):
            self.cdp("Input.dispatchTouchEvent", type="touchMove", touchPoints=fingers(40 * (1 + (scale - 1) * step / 30)))
            time.sleep(0.02)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, key, alt=False, shift=False):
        code = self.KEYS.get(key) or (("Key" if key.isalpha() else "Digit") + key.upper(), ord(key.upper()), key)
        base = dict(key=key, code=code[0], windowsVirtualKeyCode=code[1], modifiers=(1 if alt else 0) | (8 if shift else 0))
        if alt:
            self.cdp("Input.dispatchKeyEvent", type="rawKeyDown", key="Alt", code="AltLeft",
                     windowsVirtualKeyCode=18, modifiers=1)
        self.cdp("Input.dispatchKeyEvent", type="keyDown", text="" if alt else code[2], **base)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **base)
        if alt:
            self.cdp("Input.dispatchKeyEvent", type="keyUp", key="Alt", code="AltLeft", windowsVirtualKeyCode=18)

    def view(self, width, height, ratio):
        # The screen's own ratio where it is this one (0: no override).
        mobile = ratio > 1 and ratio != self.ratio
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=0 if ratio == self.ratio else ratio, mobile=mobile)
        # A phone's touch screen: a double tap or two fingers may zoom it.
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5 if mobile else 1)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=ratio > 1 and ratio != self.ratio)

    def screen(self):
        shot = self.cdp("Page.captureScreenshot", format="png")["data"]
        return Image.open(io.BytesIO(base64.b64decode(shot))).convert("RGB")

    def console(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]

    def clear_cache(self):
        self.cdp("Network.clearBrowserCache")
        self.driver.set_network_conditions(offline=True, latency=0, throughput=0)

    def installability_errors(self):
        return self.cdp("Page.getInstallabilityErrors")["installabilityErrors"]


class Firefox(Browser):
    """Firefox ESR over WebDriver BiDi, a JSON protocol on a WebSocket."""
    # Its touch actions reach the page's events, not the desktop build's zoom:
    # two fingers moved apart leave the page's scale at 1 whatever its CSS.
    pinches = False
    PREFS = {
        "browser.shell.checkDefaultBrowser": False,
        "browser.startup.homepage_override.mstone": "ignore",
        "browser.aboutwelcome.enabled": False,
        "datareporting.policy.dataSubmissionEnabled": False,
        "toolkit.telemetry.reportingpolicy.firstRun": False,
        "app.update.disabledForTesting": True,
        "remote.prefs.recommended": True,
        # Nothing fetched from outside the machine, which it cannot reach.
        "network.captive-portal-service.enabled": False,
        "network.connectivity-service.enabled": False,
        "browser.safebrowsing.update.enabled": False,
        "extensions.update.enabled": False,
        "services.settings.server": "http://127.0.0.1:9/",
    }
    KEYS = {"Tab": "\ue004", " ": " ", "Enter": "\ue006", "Escape": "\ue00c"}
    ALT = "\ue00a"

    def __init__(self, width, height, ratio=1):
        import websocket
        self.profile = tempfile.mkdtemp(prefix="velmo-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            for name, value in self.PREFS.items():
                f.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0", f"--width={width}", f"--height={height}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        address = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            raise RuntimeError("Firefox did not open its WebDriver BiDi port")
        # The rest of its chatter is not ours to read, but must not fill the pipe.
        import threading
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        # Firefox refuses a WebSocket that names an origin.
        self.socket = websocket.create_connection(address + "/session", suppress_origin=True)
        self.ids = itertools.count(1)
        self.logged = []
        self.send("session.new", capabilities={})
        # The window it starts with never has the focus, and keys in a window
        # without it move the focus but press nothing; a window it opens has.
        self.context = self.send("browsingContext.create", type="window")["context"]
        self.send("session.subscribe", events=["log.entryAdded"])
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height})

    def send(self, method, **params):
        n = next(self.ids)
        self.socket.send(json.dumps({"id": n, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded":
                entry = message["params"]
                if entry.get("level") in ("error", "warn"):
                    self.logged.append(entry.get("text"))
            if message.get("id") == n:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message.get('error')}: {message.get('message')}")
                return message["result"]

    def open(self, url):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def js(self, body):
        result = self.send("script.callFunction", target={"context": self.context}, awaitPromise=True,
                           functionDeclaration="async function () { const v = await (async () => { " + body +
                           " })(); return JSON.stringify(v === undefined ? null : v); }")
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"].get("text"))
        return json.loads(result["result"]["value"])

    def act(self, *sources):
        self.send("input.performActions", context=self.context, actions=list(sources))

    def pointer(self, kind, x, y, presses=("pointerDown", "pointerUp")):
        return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
                "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)}] +
                           [{"type": p, "button": 0} for p in presses]}

    def click(self, x, y):
        self.act(self.pointer("mouse", x, y))

    def mouse(self, x, y, down):
        self.act(self.pointer("mouse", x, y, ("pointerDown" if down else "pointerUp",)))

    def tap(self, x, y):
        self.act(self.pointer("touch", x, y))


    def key(self, key, alt=False, shift=False):
        value = self.KEYS.get(key, key)
        keys = ([self.ALT] if alt else []) + (["\ue008"] if shift else []) + [value]
        actions = [{"type": "keyDown", "value": k} for k in keys] + [{"type": "keyUp", "value": k} for k in reversed(keys)]
        self.act({"type": "key", "id": "keyboard", "actions": actions})

    def view(self, width, height, ratio):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=ratio)

    def screen(self):
        shot = self.send("browsingContext.captureScreenshot", context=self.context)["data"]
        return Image.open(io.BytesIO(base64.b64decode(shot))).convert("RGB")

    def console(self):
        self.send("session.status")  # takes in what has been logged so far
        logged, self.logged = self.logged, []
        return logged

    def clear_cache(self):
        self.send("network.setCacheBehavior", cacheBehavior="bypass")

    def quit(self):
        try:
            self.socket.close()
        finally:
            self.process.kill()
            self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(Selenium):
    """WebKitGTK's MiniBrowser through WebKitWebDriver, classic WebDriver."""
    BROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    touch = False        # its driver has no touch pointer
    pixel_ratio = False  # nor a device pixel ratio to emulate
    clears_cache = False  # nor a way to empty its HTTP cache

    def __init__(self, width, height, ratio=1):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        from selenium.webdriver.webkitgtk.service import Service
        options = Options()
        options.binary_location = self.BROWSER
        options.add_argument("--automation")
        # Selenium's own WebKitGTK class takes its driver one way in Debian 12
        # (executable_path) and another in 13 (a Service); the driver started
        # here and spoken to as a remote one is the same in both.
        self.service = Service("/usr/bin/WebKitWebDriver")
        self.service.start()
        try:
            self.driver = webdriver.Remote(command_executor=self.service.service_url, options=options)
        except BaseException:
            self.service.stop()
            raise

    def quit(self):
        try:
            super().quit()
        finally:
            self.service.stop()

    def click(self, x, y):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y)).click()
        actions.perform()

    def mouse(self, x, y, down):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self.driver)
        moved = actions.pointer_action.move_to_location(round(x), round(y))
        if down:
            moved.pointer_down()
        else:
            moved.pointer_up()
        actions.perform()

    def key(self, key, alt=False, shift=False):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        value = {"Tab": Keys.TAB, " ": Keys.SPACE, "Enter": Keys.ENTER, "Escape": Keys.ESCAPE}.get(key, key)
        held = ([Keys.ALT] if alt else []) + ([Keys.SHIFT] if shift else [])
        chain = ActionChains(self.driver)
        for k in held:
            chain.key_down(k)
        chain.key_down(value).key_up(value)
        for k in reversed(held):
            chain.key_up(k)
        chain.perform()

    def view(self, width, height, ratio):
        # The window's size less what its frame takes is the viewport's.
        self.driver.set_window_size(width, height)
        for _ in range(3):
            inner = self.js("return [innerWidth, innerHeight]")
            if inner == [width, height]:
                break
            size = self.driver.get_window_size()
            self.driver.set_window_size(size["width"] + width - inner[0], size["height"] + height - inner[1])
            time.sleep(0.1)
        # With no window manager, the window under the pointer has the focus,
        # and without it no element shows its own (a button's focus ring);
        # Xvfb's pointer starts in the middle of its screen.
        size, screen = self.driver.get_window_size(), self.js("return [screen.width, screen.height]")
        self.driver.set_window_position((screen[0] - size["width"]) // 2, (screen[1] - size["height"]) // 2)

    def screen(self):
        return Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")

    def console(self):
        return []  # its driver keeps no log; the page's own console calls are counted in the page
