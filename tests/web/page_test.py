#!/usr/bin/env python3
"""The web page in headless Chromium, opened from disk (and once from a local web host): its
layout against the form table, the keyboard, the dialog, what screen readers find, the user's
language and colour preference, and the same answers as the native core, byte for byte.

Usage: page_test.py PATH/ondavi.html PATH/session_runner
"""
import functools
import http.server
import os
import pathlib
import random
import subprocess
import sys
import threading
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts" / "lib"))
import chromium  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = pathlib.Path(sys.argv[1]).resolve()
RUNNER = sys.argv[2]
URL = PAGE.as_uri()
ADD, SUBTRACT, MULTIPLY, DIVIDE, SHOW_WORK, CLEAR = 1, 2, 3, 4, 5, 6
WORKED_EXAMPLE = ["1", "1", "2", "", "2", "3", "13", "6", "2", "1", "6", "2.16666666666667"]


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = chromium.start(1024, 600)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        chromium.open_page(self.driver, URL)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def boxes(self):
        return self.js("return [...document.querySelectorAll('#client input')].map(b => b.value)")

    def announced(self, text):
        """Waits for the live region to say the text; tells whether it did."""
        return self.driver.execute_async_script("""
            const [text, done] = arguments, start = performance.now();
            (function check() {
              if (document.getElementById('announcement').textContent === text) return done(true);
              if (performance.now() - start > 5000) return done(false);
              requestAnimationFrame(check);
            })();""", text)

    def focused(self):
        return self.js("return document.activeElement.id")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def enter(self, operands):
        self.js("arguments[0].forEach((t, i) => document.getElementById('Text' + (i + 1)).value = t)",
                operands)

    def shift_tab(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()

    def test_controls_stand_where_the_table_says_at_desktop_and_phone_width(self):
        phone = chromium.start(360, 640, mobile=True)
        try:
            for driver, width in ((self.driver, 1024), (phone, 360)):
                chromium.open_page(driver, URL)
                places = driver.execute_script("""
                    const frame = document.getElementById('Frame1').getBoundingClientRect();
                    const client = document.getElementById('client').getBoundingClientRect();
                    const scale = client.width / parseFloat(getComputedStyle(
                        document.getElementById('client')).width);
                    const at = (e, origin) => { const r = e.getBoundingClientRect();
                      return [(r.left - origin.left) / scale, (r.top - origin.top) / scale,
                              r.width / scale, r.height / scale]; };
                    return {scale, frame: at(document.getElementById('Frame1'), client),
                      controls: window.ondavi.form.controls.map(c =>
                        [c.name, c.place, at(document.getElementById(c.name), frame)]),
                      right: document.getElementById('window').getBoundingClientRect().right,
                      scrollWidth: document.documentElement.scrollWidth};""")
                self.assertLessEqual(places["scrollWidth"], width)
                self.assertLessEqual(places["right"], width)
                self.assertEqual([round(v) for v in places["frame"]], [8, 8, 433, 129])
                for name, place, rect in places["controls"]:
                    with self.subTest(width=width, control=name):
                        self.assertEqual([round(v, 1) for v in rect], [p // 15 for p in place])
        finally:
            phone.quit()

    def test_a_tap_on_a_phone_presses_a_button(self):
        phone = chromium.start(360, 640, mobile=True)
        try:
            chromium.open_page(phone, URL)
            phone.execute_script("arguments[0].forEach((t, i) => document.getElementById("
                                 "'Text' + (i + 1)).value = t)", WORKED_EXAMPLE[:6])
            x, y = phone.execute_script("const r = document.getElementById('Add')"
                                        ".getBoundingClientRect(); return [r.x + r.width / 2, "
                                        "r.y + r.height / 2]")
            for kind in ("touchStart", "touchEnd"):
                phone.execute_cdp_cmd("Input.dispatchTouchEvent", {
                    "type": kind, "touchPoints": [{"x": x, "y": y}] if kind == "touchStart"
                    else []})
            self.assertEqual(phone.execute_script(
                "return [...document.querySelectorAll('#client input')].map(b => b.value)"),
                WORKED_EXAMPLE)
        finally:
            phone.quit()

    def test_the_worked_example_typed_from_the_keyboard(self):
        self.assertEqual(self.focused(), "Text1")
        self.keys("1", Keys.TAB, "1", Keys.TAB, "2", Keys.TAB, Keys.TAB, "2", Keys.TAB, "3",
                  Keys.TAB, Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused(), "Add")
        self.keys(Keys.ENTER)
        self.assertEqual(self.boxes(), WORKED_EXAMPLE)
        self.assertTrue(self.announced(
            "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667"))

    def test_keys_on_a_focused_control(self):
        for control, key, calculates in (("Add", Keys.SPACE, True), ("Add", Keys.ENTER, True),
                                         ("Text6", Keys.ENTER, False)):
            with self.subTest(control=control, key=repr(key)):
                chromium.open_page(self.driver, URL)
                self.enter(WORKED_EXAMPLE[:6])
                self.driver.find_element("id", control).click()
                self.keys(key)
                self.assertEqual(self.boxes()[6], "13" if calculates else "")
                self.assertFalse(self.js("return document.getElementById('prompt').open"))

    def test_tab_and_shift_tab_follow_the_tab_order(self):
        order = [c["name"] for c in self.js("return window.ondavi.form.controls")
                 if c["kind"] in ("textBox", "commandButton")]
        visited = []
        for _ in order:
            visited.append(self.focused())
            self.keys(Keys.TAB)
        self.assertEqual(visited, order)
        self.driver.find_element("id", "ShowWork").click()  # an empty transcript: a dialog
        self.keys(Keys.ESCAPE)
        backwards = []
        for _ in order:
            backwards.append(self.focused())
            self.shift_tab()
        self.assertEqual(backwards, order[::-1])

    def test_messages_and_show_work_open_a_dialog(self):
        transcript = " 1 1/2   +    2/3\n    Becomes \n 9/ 6   +   4/ 6\n    Answer is\n 13/ 6"
        for operands, button, text, closing in (
                (["", "-1", "2", "", "", ""], "Add", "Use Whole Number Boxs for your negative "
                 "signs.", Keys.ENTER),
                (["1 1/2", "", "", "", "", ""], "Multiply", "Non Numeric data Detected, Enter "
                 "Numbers Only.", Keys.SPACE),
                (["", "1", "2", "", "", ""], "Divide", "Cannot divide by zero.", Keys.ESCAPE),
                (WORKED_EXAMPLE[:6], "ShowWork", transcript, Keys.ESCAPE)):
            with self.subTest(button=button, text=text):
                chromium.open_page(self.driver, URL)
                self.enter(operands)
                if button == "ShowWork":
                    self.driver.find_element("id", "Add").click()
                self.driver.find_element("id", button).click()
                self.assertTrue(self.js("return document.getElementById('prompt').open"))
                self.assertEqual(self.js("return document.getElementById('prompt-title')"
                                         ".textContent"), "Ondavi")
                self.assertEqual(self.js("return document.getElementById('prompt-text')"
                                         ".textContent"), text)
                self.assertEqual(self.focused(), "prompt-ok")
                self.keys(closing)
                self.assertFalse(self.js("return document.getElementById('prompt').open"))
                self.assertEqual(self.focused(), button)

    def test_ctrl_c_in_show_work_copies_the_whole_transcript(self):
        self.enter(["", "1", "2", "", "1", "6"])
        self.driver.find_element("id", "Add").click()
        self.driver.find_element("id", "ShowWork").click()
        self.js("document.addEventListener('copy', e => "
                "window.copied = e.clipboardData.getData('text/plain'))")
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("c").key_up(
            Keys.CONTROL).perform()
        self.assertEqual(self.js("return window.copied"),
                         "  1/2   +    1/6\n    Becomes \n 3/ 6   +   1/ 6\n    Answer is\n"
                         " 4/ 6\n    After Reduction by GCF 2\n 2/ 3")

    def test_screen_readers_find_names_read_only_answers_and_no_decoration(self):
        self.enter(WORKED_EXAMPLE[:6])
        self.driver.find_element("id", "Add").click()
        self.assertTrue(self.announced(
            "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667"))
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        seen = []
        for node in nodes:
            if node.get("ignored"):
                continue
            role = node.get("role", {}).get("value")
            name = node.get("name", {}).get("value", "")
            properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
            if role in ("textbox", "button", "group", "heading", "StaticText"):
                seen.append((role, name, bool(properties.get("readonly"))))
        form = self.js("return window.ondavi.form")
        expected = [("heading", form["caption"], False), ("group", form["frame"]["caption"], False)]
        for c in form["controls"]:
            if c["kind"] == "textBox":
                expected.append(("textbox", c["accessibleName"], c["answer"]))
            elif c["kind"] == "commandButton":
                expected.append(("button", c["accessibleName"], False))
        widgets = [s for s in seen if s[0] != "StaticText"]
        self.assertEqual(widgets, expected)
        texts = [s[1] for s in seen if s[0] == "StaticText"]
        self.assertIn("13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667", texts)
        self.assertEqual(self.js("return document.getElementById('announcement')"
                                 ".getAttribute('aria-live')"), "polite")

    def test_a_long_answer_shows_its_beginning_and_a_tooltip_only_when_cut_off(self):
        self.enter(["", "1", "3", "", "", ""])
        self.driver.find_element("id", "Add").click()
        state = self.js("return ['Text7', 'Text12'].map(id => { const b = "
                        "document.getElementById(id); return [b.value, b.title, b.scrollLeft]; })")
        self.assertEqual(state, [["1", "", 0], ["0.333333333333333", "0.333333333333333", 0]])
        self.driver.find_element("id", "Text11").click()
        self.keys(Keys.TAB)  # into the decimal, scrolled to its end as the user reads it
        self.js("const b = document.getElementById('Text12'); b.scrollLeft = b.scrollWidth")
        self.assertGreater(self.js("return document.getElementById('Text12').scrollLeft"), 0)
        self.keys(Keys.TAB)
        self.assertEqual(self.js("return document.getElementById('Text12').scrollLeft"), 0)
        # Typing, then moving the focus away and back, leaves what was typed as it was.
        self.driver.find_element("id", "Text2").click()
        self.keys(Keys.END, "45", Keys.TAB)
        self.shift_tab()
        self.assertEqual(self.boxes()[1], "145")

    def test_answers_use_the_languages_decimal_separator(self):
        german = chromium.start(1024, 600, language="de-DE")
        try:
            chromium.open_page(german, URL)
            german.execute_script("['', '1', '2'].forEach((t, i) => "
                                  "document.getElementById('Text' + (i + 1)).value = t)")
            german.find_element("id", "Add").click()
            self.assertEqual(german.execute_script(
                "return document.getElementById('Text12').value"), "0,5")
        finally:
            german.quit()

    def test_the_page_follows_a_dark_preference(self):
        lightness = ("return ['body', '#Text1', '#Text7'].map(s => { const c = getComputedStyle("
                     "document.querySelector(s)); return [c.backgroundColor, c.color].map(v => "
                     "v.match(/\\d+/g).slice(0, 3).reduce((a, b) => a + +b, 0) / 765); })")
        light = self.js(lightness)
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        try:
            dark = self.js(lightness)
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        for (light_back, light_text), (dark_back, dark_text) in zip(light, dark):
            self.assertGreater(light_back, light_text)
            self.assertLess(dark_back, dark_text)

    def test_opened_from_disk_it_fetches_nothing_and_stays_small(self):
        self.assertEqual(self.js("return location.protocol"), "file:")
        self.assertEqual(self.js("return performance.getEntriesByType('resource').length"), 0)
        self.assertLessEqual(PAGE.stat().st_size, 300 * 1024)

    def test_hosted_it_installs_and_works_offline(self):
        handler = functools.partial(QuietHandler, directory=str(PAGE.parent))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/{PAGE.name}"
        try:
            chromium.open_page(self.driver, url)
            self.assertTrue(self.driver.execute_async_script(
                "const done = arguments[0]; navigator.serviceWorker.ready.then(() => "
                "caches.match('ondavi.html')).then(r => done(!!r))"))
            self.assertEqual(self.js("return document.querySelector('link[rel=manifest]').href"),
                             url.replace(PAGE.name, "ondavi.webmanifest"))
        finally:
            server.shutdown()
            server.server_close()
        chromium.open_page(self.driver, url)  # the host is gone: the cached page answers
        self.enter(WORKED_EXAMPLE[:6])
        self.driver.find_element("id", "Add").click()
        self.assertEqual(self.boxes(), WORKED_EXAMPLE)

    def test_the_page_answers_as_the_native_core_does(self):
        clicks = random_clicks(3000)
        native = subprocess.run([RUNNER], input="".join(
            "\t".join([str(c[0])] + [escape(t) for t in c[1:]]) + "\n" for c in clicks),
            capture_output=True, text=True, check=True).stdout.splitlines()
        page = self.driver.execute_script("""
            const api = window.ondavi.api;
            return arguments[0].map(([action, ...texts]) => {
              texts.forEach((t, i) => api.setText(i + 1, t));
              const shown = api.click(action);
              const row = [];
              for (let n = 1; n <= 12; ++n) row.push(api.text(n));
              return row.concat([shown ? '1' : '0', api.message()]);
            });""", clicks)
        self.assertEqual(len(native), len(clicks))
        for click, expected, got in zip(clicks, native, page):
            self.assertEqual(got, [unescape(field) for field in expected.split("\t")], click)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "r": "\r"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def random_clicks(count):
    """Clicks on operands like the core's property test draws, with entries that stop with a
    message, larger numbers, and Show Work and clear now and then."""
    rng = random.Random(20261208)

    def number():
        return str(rng.randrange(1, 10 ** rng.randint(1, 3)))

    def whole():
        return rng.choice(["", "-", "0", "-" + number(), number(), number(), "1.5", "&H1F",
                           "- 3", "1 1/2", str(rng.randrange(10 ** 15))])

    def digits():
        return rng.choice(["", "0", number(), number(), number(), str(rng.randrange(10 ** 16)),
                           "-1", "a"] if rng.random() < 0.2 else ["", "0", number(), number()])

    clicks = []
    for _ in range(count):
        action = rng.choice([ADD, SUBTRACT, MULTIPLY, DIVIDE] * 4 + [SHOW_WORK, CLEAR])
        clicks.append([action, whole(), digits(), digits(), whole(), digits(), digits()])
    return clicks


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
