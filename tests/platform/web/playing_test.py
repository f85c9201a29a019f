"""The game played in the page: by mouse, keys, the keyboard alone, at rest,
at random, before the game is up, and where it cannot run."""
import json
import random
import sys
import time

from PIL import ImageChops

from page import CENTRE, ENGINE, FLOW, HOLD_GAME, PageTest, next_focus, number


class PlayingTest(PageTest):
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
        """Tab (Shift+Tab where the button comes before the focus) until it has the focus, then
        Space; after each, the focus where the desktop puts it: Tab to the next shown button, and
        Space, which hides the button, to the next shown one after it."""
        def press(m, button):
            for _ in range(20):
                s = self.page.read()
                if s["focused"] == button:
                    self.page.key(" ")
                    t = self.page.wait_for(lambda t: button not in t["buttons"], f"{button} gone in mission {m}")
                    self.assertEqual(t["focused"] or None, next_focus(button, t["buttons"]), f"after {button} in mission {m}")
                    return
                back = s["focused"] in s["order"] and s["order"].index(s["focused"]) > s["order"].index(button)
                self.page.key("Tab", shift=back)
                # Tab past the last button leaves the page, as in any page, where the desktop goes round.
                if s["focused"] in s["order"] and s["focused"] != s["order"][0 if back else -1]:
                    self.assertEqual(self.page.read()["focused"], next_focus(s["focused"], s["buttons"], -1 if back else 1),
                                     f"Tab from {s['focused']} in mission {m}")
            self.fail(f"Tab never reached {button} in mission {m}")
        press.steps = False
        self.play(press)

    def test_at_rest(self):
        """Nothing is scheduled at rest; Start by key, click or tap takes the ticks that fell due, at once."""
        p = self.page
        for means, rest in (("access key", 10), ("click", 3), ("tap", 3)):
            if means == "tap" and not p.browser.touch:
                print(f"at_rest: the tap left out: {ENGINE}'s driver has no touch input", file=sys.stderr)
                continue
            with self.subTest(means=means):
                p.open()
                self.rest_then_start(means, rest)

    def rest_then_start(self, means, rest):
        p = self.page
        # What one call of the driver's own schedules in the page (WebKit's: one timer).
        driver = -p.js("return __velmo.timers") + p.js("return __velmo.timers")
        before = p.js("return [__velmo.timers, __velmo.frames, Module._velmo_test_random_state(), performance.now()]")
        waited_from = before[3]
        time.sleep(rest)
        self.assertEqual(p.js("return [__velmo.timers, __velmo.frames]"), [before[0] + driver, before[1]],
                         "woke at rest")
        {"access key": lambda: p.key("s", alt=True), "click": lambda: p.click(*CENTRE["Cmdstart"]),
         "tap": lambda: p.tap(*CENTRE["Cmdstart"])}[means]()
        p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 1")
        elapsed = p.js("return performance.now()") - waited_from
        after = p.js("return Module._velmo_test_random_state()")
        count = number(p.press("r")["labels"]["lblright"])
        # The ticks taken, then three draws a circle: find the number of ticks.
        state = before[2]
        states = [state]
        while len(states) < 20000 + 3 * count:
            state = (state * 16598013 + 12820163) % 16777216
            states.append(state)
        taken = [t for t in range(len(states) - 3 * count)
                 if states[t + 3 * count] == after and (states[t] * 201 >> 24) + 100 == count]
        self.assertEqual(len(taken), 1, taken)
        self.assertGreaterEqual(taken[0], rest * 1000 // 2)
        self.assertLessEqual(taken[0], (elapsed + waited_from) // 2 + 1)
        if means != "access key":
            return
        # In the result Tmr1 runs again and still wakes nothing; the wait is one timeout.
        timers, calls = p.js("return __velmo.timers"), p.calls
        time.sleep(1)
        self.assertEqual(p.js("return __velmo.timers"), timers + driver * (p.calls - calls))
        p.press("c")
        self.assertEqual(p.js("return __velmo.timers"), timers + 1 + driver * (p.calls - calls))
        self.assertEqual(p.js("return __velmo.frames"), before[1])
        self.expect_answering(2, p.wait_for(lambda s: "cmdready" in s["buttons"], "mission 2", 5))

    def test_random_input(self):
        """2,000 random clicks and keys (500 through WebKit's slower driver), then each access key still does its part."""
        p = self.page
        rnd = random.Random(20261207)
        keys = ["Tab", " ", "Enter", "Escape", "1", "x"] + list("srcnqz")
        for _ in range(RANDOM_INPUTS.get(ENGINE, 2000)):
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

    def test_early_press(self):
        """Presses before the game is up are kept and played, in their order, once it is, on a
        title screen that looks the same meanwhile, its Start's focus ring included."""
        held = {"change": (lambda html: html.replace(b"</title>", b"</title>\n" + HOLD_GAME, 1))}
        after = self.window_shot()
        self.page.key("Tab")
        ring_after = self.focused_shot(self.page)
        start = CENTRE["Cmdstart"]
        mission, result = (lambda s: "cmdready" in s["buttons"], "mission 1"), (lambda s: "cmdcont" in s["buttons"], "the result")
        for case, press, then, expect in (
                ("clicked", lambda p: p.click(*start), None, mission),
                ("Alt+S", lambda p: p.key("s", alt=True), None, mission),
                ("Start clicked, then Alt+R", lambda p: (p.click(*start), p.key("r", alt=True)), None, result),
                ("Space once up", None, lambda p: p.key(" "), mission),
                ("held across", lambda p: p.mouse(*start, True), lambda p: p.mouse(*start, False), mission)):
            with self.subTest(case=case):
                p = self.title_screen_page(ready=False, **held)
                self.assertEqual(p.js("return [!!window.__start, performance.getEntriesByName('velmo-ready').length]"),
                                 [True, 0])
                # WebKitGTK may blend a pixel two letters share (the r and t of "Start") a level
                # apart before the game is up and after; anything the player could see is more.
                seen = ImageChops.difference(self.window_shot(p), after).point(lambda v: 255 * (v > 1))
                self.assertIsNone(seen.getbbox(), "where the title screen before the game is up is not the game's")
                p.key("Tab")
                seen = ImageChops.difference(self.focused_shot(p), ring_after).point(lambda v: 255 * (v > 1))
                self.assertIsNone(seen.getbbox(), "where Start's focus ring before the game is up is not the game's")
                if press:
                    press(p)
                p.js("__start()")
                if then:
                    p.wait_for(lambda s: s["ready"], "the page ready")
                    then(p)
                p.wait_for(*expect)
                self.assertEqual([p.trouble(), p.js("return __velmo.altKeysKept")], [[], 0])

    def test_access_key_chords(self):
        """An access key is Alt and the letter, with Shift or without: with Ctrl, Meta or AltGr
        (which types characters) the key is the browser's and presses nothing; a held key's
        repeats are kept from the browser and press nothing more."""
        p = self.page
        cases = (("Ctrl+Alt+S", "KeyS", {"ctrlKey": True}, False, False),
                 ("Alt+Meta+S", "KeyS", {"metaKey": True}, False, False),
                 ("AltGr+S", "KeyS", {"altKey": False, "modifierAltGraph": True}, False, False),
                 ("Alt+AltGr+S", "KeyS", {"modifierAltGraph": True}, False, False),
                 ("Alt+X, no button's", "KeyX", {}, False, False),
                 ("Alt+S held", "KeyS", {"repeat": True}, True, False),
                 ("Alt+Shift+S", "KeyS", {"shiftKey": True}, True, True))
        # WebKit's events made by a script take no AltGr.
        if not p.js("return new KeyboardEvent('keydown', {modifierAltGraph: true}).getModifierState('AltGraph')"):
            print(f"access_key_chords: AltGr left out: {ENGINE}'s script-made events have none", file=sys.stderr)
            cases = [c for c in cases if "AltGr" not in c[0]]
        for case, code, init, kept, pressed in cases:
            with self.subTest(case=case):
                seen = p.js(f"const e = new KeyboardEvent('keydown', Object.assign({{code: '{code}', key: '{code[3].lower()}',"
                            f" altKey: true, bubbles: true, cancelable: true}}, {json.dumps(init)}));"
                            "document.body.dispatchEvent(e);"
                            "return [e.defaultPrevented, document.getElementById('Cmdstart').hidden];")
                self.assertEqual(seen, [kept, pressed])
        # The instrument counts each Alt+S the browser was left: those with Alt held.
        left = sum(1 for c in cases if c[1] == "KeyS" and not c[3] and c[2].get("altKey", True))
        self.assertEqual(p.js("const n = __velmo.altKeysKept; __velmo.altKeysKept = 0; return n"), left)
        self.expect_answering(1, p.read())

    def test_cannot_run(self):
        """Where the game cannot start (no WebAssembly, or its file cut short on the way or not
        WebAssembly at all), the page says so and why, and leaves Alt+S to the browser."""
        def no_wasm(html):
            return html.replace(b"</title>", b"</title>\n<script>delete window.WebAssembly;</script>", 1)
        for case, variant, words in (
                ("no WebAssembly", {"change": (no_wasm)}, "Velmo needs JavaScript and WebAssembly."),
                ("cut short", {"wasm": (lambda b: b[:len(b) // 2])}, "Velmo cannot run here: its WebAssembly (velmo.wasm) did not compile."),
                ("not compiling", {"wasm": (lambda b: b[:8] + b"\xff" * 64)}, "Velmo cannot run here: its WebAssembly (velmo.wasm) did not compile.")):
            with self.subTest(case=case):
                p = self.title_screen_page(ready=False, **variant)
                said = p.until("const said = [getComputedStyle(document.getElementById('window')).display, "
                               "document.body.innerText.trim()]; return said[0] === 'none' && said", "the page saying it cannot run")
                self.assertEqual(said[0], "none")
                self.assertTrue(said[1].startswith(words), said[1])
                p.key("s", alt=True)
                self.assertEqual([p.trouble(), p.js("return __velmo.altKeysKept")], [[], 1])


RANDOM_INPUTS = {"webkit": 500}
