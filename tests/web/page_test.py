#!/usr/bin/env python3
"""The web page in headless Chromium, opened from disk (and once from a local web host): its
layout against the form table, the keyboard, the dialog, what screen readers find, the user's
language and colour preference, and the same answers as the native core, byte for byte.

Usage: page_test.py PATH/ondavi.html PATH/session_runner
"""
import base64
import functools
import http.server
import os
import pathlib
import random
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts" / "lib"))
import chromium  # noqa: E402
from selenium.common.exceptions import WebDriverException  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = pathlib.Path(sys.argv[1]).resolve()
RUNNER = sys.argv[2]
URL = PAGE.as_uri()
ADD, SUBTRACT, MULTIPLY, DIVIDE, SHOW_WORK, CLEAR = 1, 2, 3, 4, 5, 6
NON_NUMERIC = "Non Numeric data Detected, Enter Numbers Only."
WORKED_EXAMPLE = ["1", "1", "2", "", "2", "3", "13", "6", "2", "1", "6", "2.16666666666667"]
ENTER = "arguments[0].forEach((t, i) => document.getElementById('Text' + (i + 1)).value = t)"
BOXES = "return [...document.querySelectorAll('#client input')].map(b => b.value)"
# Where each box and button stands, its text size, whether an answer shows its whole text, the
# pairs of them that overlap, and the arrangement the page chose.
GEOMETRY = """
const controls = [...document.querySelectorAll('#client input, #client button')];
const rects = controls.map(e => e.getBoundingClientRect());
const overlaps = [];
const zoom = parseFloat(getComputedStyle(document.getElementById('window')).zoom) || 1;
const edge = zoom + 0.01;  // the desktop form's neighbours share a one-pixel border
rects.forEach((a, i) => rects.forEach((b, j) => {
  if (j > i && a.left < b.right - edge && b.left < a.right - edge && a.top < b.bottom - edge
      && b.top < a.bottom - edge) overlaps.push([controls[i].id, controls[j].id]);
}));
return {arrangement: getComputedStyle(document.documentElement)
          .getPropertyValue('--arrangement').trim(),
        scrollWidth: document.documentElement.scrollWidth, overlaps,
        controls: controls.map((e, i) => [e.id,
          [rects[i].left + scrollX, rects[i].top + scrollY, rects[i].width, rects[i].height],
          parseFloat(getComputedStyle(e).fontSize) * zoom,
          !e.readOnly || e.scrollWidth <= e.clientWidth])};
"""
# Each label whose letters come closer than a space to the next control on their row: the
# letters as the browser lays them out, any other control's outline.
CLOSE_CAPTIONS = """
const shown = [...document.querySelectorAll('#client .control')]
  .filter(e => !e.classList.contains('shape') && e.getClientRects().length);
const inkOf = e => {
  if (!e.classList.contains('label')) return e.getBoundingClientRect();
  const range = document.createRange();
  range.selectNodeContents(e);
  return range.getBoundingClientRect();
};
const zoom = parseFloat(getComputedStyle(document.getElementById('window')).zoom) || 1;
const close = [];
for (const label of shown.filter(e => e.classList.contains('label'))) {
  const a = inkOf(label), middle = (a.top + a.bottom) / 2;
  const space = parseFloat(getComputedStyle(label).fontSize) * zoom / 4;
  for (const other of shown) {
    const b = inkOf(other);
    if (other === label || b.left <= a.left || b.top > middle || middle >= b.bottom) continue;
    if (b.left - a.right < space) close.push([label.id, other.id, b.left - a.right]);
  }
}
return close;
"""
# The worked solution shown: its problem or hint, then each step in document order, as its
# sentence's text, its equation in the calculator's notation, and each stacked fraction of the
# equation as its numerator's and denominator's text.
EXPLAINED = """
const body = document.getElementById('explanation-body');
if (document.getElementById('explanation').hidden) return null;
return [...body.querySelectorAll('p, li')].map(e => {
  if (e.tagName === 'P') return ['p', e.textContent, '', []];
  const math = e.querySelector(':scope > .equation');
  const sentence = e.querySelector(':scope > .sentence').cloneNode(true);
  sentence.querySelectorAll('math').forEach(m => m.replaceWith(m.getAttribute('alttext')));
  return ['li', sentence.textContent,
          math ? [...math.querySelectorAll('math')].map(m => m.getAttribute('alttext'))
                   .join(' ') : '',
          math ? [...math.querySelectorAll('mfrac')].map(f =>
                   f.children[0].textContent + '/' + f.children[1].textContent) : []];
});
"""
# The answer step's last part ("= 1 7/12") as MathML, element by element: tag, or tag and text.
ANSWER_MATHML = """
const steps = document.querySelectorAll('#explanation-body li');
const parts = steps[steps.length - 1].querySelectorAll('.equation math');
const out = ['math'];
const walk = e => { out.push(e.children.length ? e.localName : e.localName + ':' + e.textContent);
                    [...e.children].forEach(walk); };
[...parts[parts.length - 1].children].forEach(walk);
return out;
"""
# Each equation of the solution, its MathML read back in a line: {numerator/denominator} for a
# stacked fraction, & for the invisible plus between a mixed number's parts.
LINEAR_MATHML = """
const linear = e => e.localName === 'mn' ? e.textContent
  : e.localName === 'mo' ? (e.textContent === '\\u2064' ? '&' : e.textContent)
  : e.localName === 'mfrac' ? '{' + linear(e.children[0]) + '/' + linear(e.children[1]) + '}'
  : [...e.children].map(linear).join('');
return [...document.querySelectorAll('#explanation-body .equation')].map(
  equation => [...equation.querySelectorAll('math')].map(linear).join(''));
"""
# Each stacked fraction of the solution whose numerator is not drawn above its denominator.
UNSTACKED = """
return [...document.querySelectorAll('#explanation-body mfrac')].filter(f => {
  const [top, bottom] = [...f.children].map(e => e.getBoundingClientRect());
  return !(top.bottom <= bottom.top + 1 && top.height > 0 && bottom.height > 0);
}).map(f => f.textContent);
"""
# Contrast between two CSS colours, as WCAG reckons it.
CONTRAST = """
const rgb = css => { const c = document.createElement('canvas').getContext('2d');
  c.fillStyle = css; c.fillRect(0, 0, 1, 1); return [...c.getImageData(0, 0, 1, 1).data]; };
const lumOf = values => values.slice(0, 3).map(v => (v /= 255) <= 0.03928 ? v / 12.92
  : ((v + 0.055) / 1.055) ** 2.4).reduce((s, v, i) => s + v * [0.2126, 0.7152, 0.0722][i], 0);
const ratio = (a, b) => (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
const contrast = (a, b) => ratio(lumOf(rgb(a)), lumOf(rgb(b)));
"""
# The contrast between the letters of a screenshot of text and what lies under them: the
# commonest colour is the ground, the one that differs most from it the letters.
LETTERS = CONTRAST + """
const [png, done] = arguments, image = new Image();
image.onload = () => {
  const canvas = document.createElement('canvas');
  [canvas.width, canvas.height] = [image.width, image.height];
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  const data = context.getImageData(0, 0, image.width, image.height).data, counts = new Map();
  for (let i = 0; i < data.length; i += 4) {
    const key = [data[i], data[i + 1], data[i + 2]].join();
    counts.set(key, (counts.get(key) || 0) + 1);
  }
  const ground = [...counts].sort((a, b) => b[1] - a[1])[0][0].split(',').map(Number);
  done(Math.max(...[...counts.keys()].map(k => ratio(lumOf(k.split(',').map(Number)),
                                                     lumOf(ground)))));
};
image.src = 'data:image/png;base64,' + png;
"""


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = chromium.start(1280, 800)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.open()

    def open(self, url=URL):
        """Opens the page as a new tab would, without operands kept from an earlier load."""
        self.driver.execute_script("try { sessionStorage.clear() } catch (e) {}")
        if "#" in url:
            self.driver.get("about:blank")  # a load, not a move within the page
        chromium.open_page(self.driver, url)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def boxes(self):
        return self.js(BOXES)

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
        self.js(ENTER, operands)

    def shift_tab(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()

    def test_the_desktop_form_stands_where_the_table_says_half_as_large_again(self):
        places = self.js("""
            const client = document.getElementById('client').getBoundingClientRect();
            const frame = document.getElementById('Frame1').getBoundingClientRect();
            const scale = client.width / (window.ondavi.form.clientWidth / 15);
            const at = (e, origin) => { const r = e.getBoundingClientRect();
              return [(r.left - origin.left) / scale, (r.top - origin.top) / scale,
                      r.width / scale, r.height / scale]; };
            return {scale, frame: at(document.getElementById('Frame1'), client),
              controls: window.ondavi.form.controls.map(c =>
                [c.name, c.place, at(document.getElementById(c.name), frame)])};""")
        self.assertAlmostEqual(places["scale"], 1.5)
        self.assertEqual([round(v) for v in places["frame"]], [8, 8, 433, 129])
        for name, place, rect in places["controls"]:
            with self.subTest(control=name):
                self.assertEqual([round(v, 1) for v in rect], [p // 15 for p in place])

    def test_every_screen_and_zoom_keeps_every_control_usable_and_every_answer_whole(self):
        """Phones (touch), a landscape phone, a tablet, and a desktop at 100, 200 and 400% zoom:
        nothing scrolls sideways or overlaps, targets and text are large enough, and long
        answers show whole wherever there is no hover to read them from a tooltip."""
        sizes = [(320, 640, True, 1), (360, 740, True, 1), (412, 915, True, 1),
                 (740, 360, True, 1), (768, 1024, True, 1),
                 (1280, 800, False, 1), (640, 400, False, 2), (320, 200, False, 4)]
        letters = {}
        for width, height, mobile, zoom in sizes:
            driver = chromium.start(width, height, mobile=mobile, zoom=zoom)
            try:
                chromium.open_page(driver, URL)
                for operands, button in ((["12345678", "5", "7", "-98765", "3", "11"], "Multiply"),
                                         (["", "1", "3", "", "", ""], "Add")):
                    driver.execute_script(ENTER, operands)
                    driver.find_element("id", button).click()
                    g = driver.execute_script(GEOMETRY)
                    with self.subTest(width=width, height=height, zoom=zoom, button=button):
                        narrow = g["arrangement"] == "narrow"
                        self.assertEqual(narrow, mobile or width < 720)
                        self.assertLessEqual(g["scrollWidth"], width)
                        smallest = 44 if narrow else 24
                        for name, (left, top, w, h), font, whole in g["controls"]:
                            self.assertGreaterEqual(left, 0, name)
                            self.assertLessEqual(left + w, width + 0.5, name)
                            self.assertGreaterEqual(top, 0, name)
                            self.assertGreaterEqual(min(w, h), smallest - 0.5, name)
                            if narrow:
                                self.assertGreaterEqual(font, 16, name)
                                self.assertTrue(whole, name)
                        self.assertEqual(g["overlaps"], [])
                        if narrow:  # read top to bottom, left to right: the tab order
                            for (a, ra, _, _), (b, rb, _, _) in zip(g["controls"],
                                                                    g["controls"][1:]):
                                right = rb[0] >= ra[0] + ra[2] - 1 and rb[1] < ra[1] + ra[3]
                                self.assertTrue(right or rb[1] >= ra[1] + ra[3] - 1, (a, b))
                letters[(width, zoom)] = driver.execute_script(
                    "return parseFloat(getComputedStyle(document.getElementById('Text1')).fontSize)"
                    " * devicePixelRatio * (getComputedStyle(document.getElementById('window'))"
                    ".zoom || 1)")
            finally:
                driver.quit()
        # Browser zoom enlarges the letters, in device pixels.
        self.assertGreaterEqual(letters[(640, 2)], 1.8 * letters[(1280, 1)])
        self.assertGreaterEqual(letters[(320, 4)], 3 * letters[(1280, 1)])

    def test_a_phone_by_taps_and_by_the_keyboards_next_key(self):
        phone = chromium.start(360, 740, mobile=True)
        try:
            chromium.open_page(phone, URL)
            # Tab order unchanged: the same focus order as the table's.
            order = [c["name"] for c in phone.execute_script("return window.ondavi.form.controls")
                     if c["kind"] in ("textBox", "commandButton")]
            self.assertEqual(phone.execute_script(
                "return [...document.querySelectorAll('#client input, #client button')]"
                ".map(e => e.id)"), order)
            for way in ("taps", "next"):
                with self.subTest(way=way):
                    chromium.open_page(phone, URL)
                    phone.execute_script(ENTER, [""] * 6)
                    for n, text in enumerate(WORKED_EXAMPLE[:6], start=1):
                        if way == "taps":
                            chromium.tap(phone, f"Text{n}")
                        ActionChains(phone).send_keys(text).perform()
                        if way == "next" and n < 6:
                            ActionChains(phone).send_keys(Keys.ENTER).perform()
                            self.assertEqual(phone.execute_script(
                                "return document.activeElement.id"), f"Text{n + 1}")
                    chromium.tap(phone, "Add")
                    self.assertEqual(phone.execute_script(BOXES), WORKED_EXAMPLE)
            self.assertEqual(phone.execute_script(
                "return ['Text1', 'Text5', 'Text6'].map(id => document.getElementById(id)"
                ".getAttribute('enterkeyhint'))"), ["next", "next", "done"])
            # A reload keeps the operands; a new tab starts empty.
            phone.refresh()
            chromium.wait_ready(phone)
            self.assertEqual(phone.execute_script(BOXES)[:6], WORKED_EXAMPLE[:6])
            phone.switch_to.new_window("tab")
            chromium.open_page(phone, URL)
            self.assertEqual(phone.execute_script(BOXES), [""] * 12)
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
                self.open()
                self.enter(WORKED_EXAMPLE[:6])
                self.driver.find_element("id", control).click()
                self.keys(key)
                self.assertEqual(self.boxes()[6], "13" if calculates else "")
                self.assertFalse(self.js("return document.getElementById('prompt').open"))

    def test_a_whole_problem_fills_the_boxes_and_presses_its_operator(self):
        """Pasted into an operand box, entered in one, or carried by a link's fragment."""
        solved = ["3", "1", "4", "1", "2", "3", "19", "12", "1", "7", "12", "1.58333333333333"]
        typed = [""] * 12
        typed[1] = "12"
        paste = ("const data = new DataTransfer(); data.setData('text/plain', arguments[0]);"
                 "document.getElementById('Text2').dispatchEvent(new ClipboardEvent('paste', "
                 "{clipboardData: data, bubbles: true, cancelable: true}))")
        stepped = ["", "5", "6", "", "3", "4", "5", "8", "", "5", "8", "0.625"]
        one = ["", "18", "24", "", "0", "1", "3", "4", "", "3", "4", "0.75"]  # and an empty one
        for way, text, boxes in (("paste", "3 1/4 \u2212 1 2/3\n", solved), ("paste", "12", typed),
                                 ("paste", "18/24", one),
                                 ("enter", "3 1/4 - 1 2/3", solved), ("enter", "12", typed),
                                 ("fragment", "3%201%2F4%20-%201%202%2F3", solved),
                                 ("fragment", "12", [""] * 12),
                                 ("paste", "(1/2 + 1/3) x 3/4", stepped),
                                 ("fragment", "(1/2%20%2B%201/3)%20x%203/4", stepped)):
            with self.subTest(way=way, text=text):
                self.open(URL + ("#" + text if way == "fragment" else ""))
                if way == "paste":
                    self.js(paste, text)
                    if self.js("return document.getElementById('Text2').value") == "":
                        self.js("document.getElementById('Text2').value = arguments[0]", text)
                elif way == "enter":
                    self.driver.find_element("id", "Text2").click()
                    self.keys(text, Keys.ENTER)
                self.assertEqual(self.boxes(), boxes)
                if boxes is stepped:  # Show Work: every step under its heading, the last last
                    self.driver.find_element("id", "ShowWork").click()
                    work = self.js("return document.getElementById('prompt-text').textContent")
                    self.assertTrue(work.startswith("Step 1 of 2: 1/2 + 1/3\n"), work)
                    self.assertIn("\n 5/ 6\n\nStep 2 of 2: 5/6 x 3/4\n", work)
                    self.assertTrue(work.endswith("\n 5/ 8"), work)
                    self.keys(Keys.ESCAPE)
        # A link's problem is solved once: a reload keeps what was typed since, a new
        # fragment is solved again.
        self.open(URL + "#1/2 + 1/3")
        self.driver.find_element("id", "Text1").click()
        self.keys("7")
        self.driver.refresh()
        chromium.wait_ready(self.driver)
        self.assertEqual(self.boxes()[:6], ["7", "1", "2", "", "1", "3"])
        self.js("location.hash = '1/4 + 1/2'")
        self.assertEqual(self.boxes()[6:8], ["3", "4"])
        # Copy in an answer box with nothing selected copies the answer line.
        self.open(URL + "#3 1/4 - 1 2/3")
        self.js("document.addEventListener('copy', e => "
                "window.copied = e.clipboardData.getData('text/plain'))")
        self.driver.find_element("id", "Text12").click()
        self.js("document.getElementById('Text12').setSelectionRange(0, 0)")
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("c").key_up(
            Keys.CONTROL).perform()
        self.assertEqual(self.js("return window.copied"), "19/12 = 1 7/12 = 1.58333333333333")

    def test_a_statements_verdict_is_a_message_and_the_boxes_stay(self):
        paste = ("const data = new DataTransfer(); data.setData('text/plain', arguments[0]);"
                 "document.getElementById('Text2').dispatchEvent(new ClipboardEvent('paste', "
                 "{clipboardData: data, bubbles: true, cancelable: true}))")
        for language, text, message in (
                ("", "5/8 ? 3/5", "So 5/8 > 3/5"),
                ("", "3 1/4 - 1 2/3\n= 2 5/4 - 1 2/3\n= 1 3/4",
                 "Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\n2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\n"
                 "False: 2 5/4 - 1 2/3 = 1 3/4"),
                ("de", "5/8 < 3/5", "Falsch: 5/8 < 3/5")):
            with self.subTest(text=text):
                self.open(URL + ("?lang=" + language if language else "") + "#1 1/2 + 2/3")
                before = self.boxes()
                self.js(paste, text)
                self.assertEqual(
                    self.js("return document.getElementById('prompt-text').textContent"), message)
                self.keys(Keys.ESCAPE)
                self.assertEqual(self.boxes(), before)

    def test_enter_on_text_that_is_no_problem_says_why(self):
        self.open()
        self.driver.find_element("id", "Text2").click()
        self.keys("2 (1 + 1)", Keys.ENTER)
        self.assertTrue(self.js("return document.getElementById('prompt').open"))
        self.assertEqual(self.js("return document.getElementById('prompt-text').textContent"),
                         "not a problem\nwrite x between 2 and (")
        self.keys(Keys.ESCAPE)
        self.assertEqual(self.boxes()[1], "2 (1 + 1)")

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
        self.keys(Keys.TAB)  # from Show Work to Explain, the last
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
                self.open()
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

    def test_without_modal_dialogs_messages_and_show_work_still_show_and_close(self):
        """As in Safari before 15.4 and Firefox before 98: no showModal."""
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "delete HTMLDialogElement.prototype.showModal"})
        try:
            for operands, button, closing in ((["", "1", "2", "", "", ""], "Divide", Keys.ESCAPE),
                                              (WORKED_EXAMPLE[:6], "ShowWork", Keys.ENTER),
                                              (WORKED_EXAMPLE[:6], "ShowWork", None)):
                with self.subTest(button=button, closing=closing):
                    self.open()
                    self.assertFalse(self.js("return 'showModal' in document.createElement"
                                             "('dialog')"))
                    self.enter(operands)
                    self.driver.find_element("id", "Add").click()
                    self.driver.find_element("id", button).click()
                    prompt = self.driver.find_element("id", "prompt")
                    self.assertTrue(prompt.is_displayed())
                    self.assertNotEqual(self.js("return document.getElementById('prompt-text')"
                                                ".textContent"), "")
                    self.assertEqual(self.focused(), "prompt-ok")
                    self.keys(Keys.TAB)  # the focus stays in the dialog
                    self.assertEqual(self.focused(), "prompt-ok")
                    if closing:
                        self.keys(closing)
                    else:
                        self.driver.find_element("id", "prompt-ok").click()
                    self.assertFalse(prompt.is_displayed())
                    self.assertEqual(self.focused(), button)
            # The work of many steps scrolls in a dialog that fits in the window.
            self.open(URL + "#" + " %2B ".join(["1/2"] * 40))
            self.driver.find_element("id", "ShowWork").click()
            self.assertLessEqual(self.js("return document.getElementById('prompt')"
                                         ".getBoundingClientRect().bottom"),
                                 self.js("return innerHeight"))
            self.keys(Keys.ESCAPE)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})

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
                if len(c["caption"]) > 1 and c["caption"][0].isalpha():  # said as it is shown
                    self.assertIn(c["caption"].lower(), c["accessibleName"].lower())
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

    def test_a_language_asked_for_that_writes_a_decimal_comma_takes_and_shows_it(self):
        """?lang= as the catalogs name a language, with a region or a character set too: the
        whole-number box and a whole problem take 2,5 (2 1/2 + 1/3 = 17/6)."""
        answer = ["17", "6", "2", "5", "6", "2,83333333333333"]
        for language in ("de", "pt_BR", "de_AT", "pt_PT", "fr_FR.UTF-8"):
            for way in ("boxes", "problem"):
                with self.subTest(language=language, way=way):
                    self.open(f"{URL}?lang={language}")
                    if way == "boxes":
                        self.enter(["2,5", "", "", "", "1", "3"])
                        self.driver.find_element("id", "Add").click()
                    else:
                        self.driver.find_element("id", "Text1").click()
                        self.keys("2,5 + 1/3", Keys.ENTER)
                    self.assertEqual(self.boxes()[6:], answer)

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
        logged = chromium.start(1280, 800, network_log=True)
        try:
            chromium.open_page(logged, URL)
            self.enter_in(logged, WORKED_EXAMPLE[:6])
            logged.find_element("id", "Add").click()
            urls = chromium.requested_urls(logged)
            self.assertIn(URL, urls)
            self.assertEqual([u for u in urls if u != URL and not u.startswith("data:")], [])
            # Its icon is inside it.
            self.assertTrue(logged.execute_async_script(
                "const done = arguments[0], image = new Image();"
                "image.onload = () => done(image.naturalWidth); image.onerror = () => done(0);"
                "image.src = document.querySelector('link[rel=icon]').href"))
        finally:
            logged.quit()
        # The reasons a text is no problem, in twelve languages, are about 40 KB of it.
        self.assertLessEqual(PAGE.stat().st_size, 360 * 1024)

    def enter_in(self, driver, operands):
        driver.execute_script(ENTER, operands)

    def test_the_live_region_says_no_answer_after_a_click_that_leaves_none(self):
        for operands, button in ((WORKED_EXAMPLE[:6], "cls"), (["", "-1", "2", "", "", ""], "Add"),
                                 (WORKED_EXAMPLE[:6], "ShowWork"), (["", "1", "2", "", "", ""],
                                                                    "Divide")):
            with self.subTest(button=button):
                self.open()
                self.enter(WORKED_EXAMPLE[:6])
                self.driver.find_element("id", "Add").click()
                self.assertTrue(self.announced(
                    "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667"))
                self.enter(operands)
                self.driver.find_element("id", button).click()
                self.keys(Keys.ESCAPE)
                self.assertTrue(self.announced(""))

    def test_every_character_reaches_the_calculator_as_typed(self):
        for whole in ("'12\\u00003'", "String.fromCharCode(0xd800) + '1'"):  # NUL, lone surrogate
            with self.subTest(whole=whole):
                self.open()
                self.js(f"document.getElementById('Text1').value = {whole};"
                        "['1', '2'].forEach((t, i) => document.getElementById('Text' + (i + 2))"
                        ".value = t)")
                self.driver.find_element("id", "Add").click()
                self.assertEqual(self.js("return document.getElementById('prompt-text')"
                                         ".textContent"), NON_NUMERIC)
                self.assertTrue(self.js(f"return document.getElementById('Text1').value === {whole}"))

    def test_the_layout_settles_with_classic_scrollbars(self):
        settled = chromium.start(700, 274, scrollbars=True)
        try:
            chromium.open_page(settled, URL)
            sizes = settled.execute_async_script("""
                const done = arguments[0], sizes = [];
                (function frame() {
                  const r = document.getElementById('window').getBoundingClientRect();
                  sizes.push([document.documentElement.clientWidth, r.width, r.height].join());
                  if (sizes.length < 30) requestAnimationFrame(frame); else done(sizes);
                })();""")
            self.assertEqual(len(set(sizes)), 1, sizes)
        finally:
            settled.quit()

    def test_browsers_without_webassembly_exceptions_or_webassembly(self):
        browser = chromium.start(1280, 800, arguments=["--js-flags=--no-wasm-legacy-eh"])
        try:
            chromium.open_page(browser, URL)
            self.enter_in(browser, ["", "1", "2", "", "", ""])
            browser.find_element("id", "Divide").click()  # a failure, caught
            self.assertEqual(browser.execute_script(
                "return document.getElementById('prompt-text').textContent"),
                "Cannot divide by zero.")
        finally:
            browser.quit()

    def test_browsers_without_decompression_streams_unpack_the_module_in_javascript(self):
        browser = chromium.start(1280, 800)
        try:
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": "delete window.DecompressionStream"})
            chromium.open_page(browser, URL)
            self.enter_in(browser, WORKED_EXAMPLE[:6])
            browser.find_element("id", "Add").click()
            self.assertEqual(browser.execute_script(BOXES), WORKED_EXAMPLE)
        finally:
            browser.quit()

    def test_where_the_calculator_cannot_start_the_page_says_so_in_the_users_language(self):
        """Without WebAssembly, where the calculator never starts (a browser too old for the
        renderer), and with JavaScript off, where every language's sentence shows."""
        never_starts = ("Object.defineProperty(window, 'OndaviModule', {configurable: true, "
                        "get: () => () => new Promise(() => {}), set: () => {}})")
        for address, browser_language, source, sentence, language in (
                ("", "en-US", "delete window.WebAssembly", "noWebAssembly", "en"),
                ("?lang=pt_BR", "en-US", "delete window.WebAssembly", "noWebAssembly", "pt_BR"),
                ("", "uk-UA", "delete window.WebAssembly", "noWebAssembly", "uk"),
                ("?lang=de_AT", "en-US", never_starts, "notStarted", "de"),
                ("", "zh-TW", never_starts, "notStarted", "zh_CN"),
                ("", "ja", None, "noScript", None)):
            with self.subTest(address=address, language=browser_language, sentence=sentence):
                browser = chromium.start(1280, 800, language=browser_language, arguments=[
                    "--blink-settings=scriptEnabled=false"] if source is None else [])
                try:
                    if source:
                        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                                {"source": source})
                    browser.get(URL + address)
                    if language is None:  # every language's, each marked as written in it
                        shown = [[p.get_attribute("lang"), p.get_attribute("textContent")] for p in
                                 browser.find_elements("css selector", "noscript p")]
                        self.assertEqual(shown, [[code.replace("_", "-"), page_sentence(
                            code, sentence)] for code in ["en"] + LANGUAGES])
                        self.assertFalse(browser.find_element("id", "unsupported").is_displayed())
                        self.assertFalse(browser.find_element("id", "window").is_displayed())
                        continue
                    note = browser.execute_async_script("""
                        const done = arguments[0], start = performance.now();
                        (function check() {
                          const p = document.getElementById('unsupported');
                          if (p && getComputedStyle(p).opacity === '1') return done([p.textContent,
                            p.lang]);
                          if (performance.now() - start > 10000) return done([]);
                          requestAnimationFrame(check);
                        })();""")
                    self.assertEqual(note, [page_sentence(language, sentence),
                                            language.replace("_", "-")])
                finally:
                    browser.quit()

    def test_a_caption_with_control_characters_reaches_the_page_as_written(self):
        """A translated caption may hold a line end: the form's JSON still reads."""
        caption = "Número\r\nmisto \"1/2\" \\ " + "".join(map(chr, range(32))) + "\x7f"
        control = self.js("return JSON.parse(arguments[0])", subprocess.run(
            [RUNNER, "--control-json"], input=caption.encode(), capture_output=True,
            check=True).stdout.decode())
        self.assertEqual([control["caption"], control["accessibleName"]], [caption, caption])

    def test_an_unknown_language_leaves_the_point(self):
        unknown = chromium.start(1280, 800)
        try:
            unknown.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
                "source": "Object.defineProperty(Navigator.prototype, 'language', "
                          "{get: () => 'not a language!'})"})
            chromium.open_page(unknown, URL)
            self.enter_in(unknown, ["", "1", "2", "", "", ""])
            unknown.find_element("id", "Add").click()
            self.assertEqual(unknown.execute_script(
                "return document.getElementById('Text12').value"), "0.5")
        finally:
            unknown.quit()

    def in_each_colour_scheme(self, check, after=lambda: None):
        """check(forced) under light and dark, without and with forced colours, each a subtest;
        after() and the browser's own media follow each."""
        for forced in (False, True):
            for scheme in ("light", "dark"):
                features = [{"name": "prefers-color-scheme", "value": scheme}]
                if forced:
                    features.append({"name": "forced-colors", "value": "active"})
                with self.subTest(scheme=scheme, forced=forced):
                    self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                                {"features": features})
                    try:
                        check(forced)
                    finally:
                        after()
                        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                                    {"features": []})

    def test_colours_stand_out_light_dark_and_forced(self):
        self.in_each_colour_scheme(self.check_colours, after=lambda: self.keys(Keys.ESCAPE))

    def check_colours(self, forced):
        """The titles' letters as drawn; edges and the focus ring as computed, where the
        system's forced colours do not decide them."""
        self.driver.find_element("id", "ShowWork").click()  # an empty transcript: a dialog
        for title in ("caption", "prompt-title"):
            x, y, w, h = self.js("const r = document.createRange();"
                                 "r.selectNodeContents(document.getElementById(arguments[0]));"
                                 "const b = r.getBoundingClientRect();"
                                 "return [b.x, b.y, b.width, b.height]", title)
            png = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
                "clip": {"x": x, "y": y, "width": w, "height": h, "scale": 1}})["data"]
            self.assertGreaterEqual(self.driver.execute_async_script(LETTERS, png), 3, title)
        if forced:
            return
        ratios = self.js(CONTRAST + """
            const style = id => getComputedStyle(document.getElementById(id));
            const form = style('window').backgroundColor;
            return {box: contrast(style('Text2').borderTopColor, form),
                    button: contrast(style('Add').borderTopColor, form),
                    ring: contrast(style('prompt-ok').outlineColor,
                                   style('prompt').backgroundColor)};""")
        for part, value in ratios.items():
            self.assertGreaterEqual(value, 3, part)

    def test_the_focused_control_is_drawn_over_its_neighbours(self):
        for focused, neighbour in (("Text1", "Text2"), ("Subtract", "Multiply")):
            with self.subTest(focused=focused):
                self.js("document.getElementById(arguments[0]).focus()", focused)
                self.keys(Keys.TAB)
                self.shift_tab()  # focused from the keyboard: its ring shows
                top = self.js("""
                    const [a, b] = [...arguments].map(id => document.getElementById(id)
                      .getBoundingClientRect());
                    const x = (Math.max(a.left, b.left) + Math.min(a.right, b.right)) / 2;
                    const y = (Math.max(a.top, b.top) + Math.min(a.bottom, b.bottom)) / 2;
                    return document.elementFromPoint(x, y).id;""", focused, neighbour)
                self.assertEqual(top, focused)

    def test_printed_the_form_shows_its_answers_and_the_open_steps(self):
        self.enter(["", "1", "3", "", "", ""])
        self.driver.find_element("id", "Add").click()
        self.driver.find_element("id", "ShowWork").click()
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:
            printed = self.js(CONTRAST + """
                const style = id => getComputedStyle(document.getElementById(id));
                const decimal = document.getElementById('Text12');
                return [style('window').display, style('prompt').display,
                        document.getElementById('print-work').innerText,
                        decimal.scrollWidth <= decimal.clientWidth,
                        contrast(style('caption').color, 'white')];""")
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        self.assertNotEqual(printed[0], "none")
        self.assertEqual(printed[1], "none")
        self.assertIn("    Answer is", printed[2])
        self.assertTrue(printed[3])
        self.assertGreaterEqual(printed[4], 7)

    def explain(self, driver=None):
        """Presses Explain; returns each step of the solution shown, in document order."""
        driver = driver or self.driver
        driver.find_element("id", "Explain").click()
        return driver.execute_script(EXPLAINED)

    def test_explain_shows_each_step_in_mathml_in_the_users_language(self):
        """The hint before any calculation; after 3 1/4 - 1 2/3 the LCD 12, the renamed
        fractions, the borrow and 1 7/12, every fraction stacked; after a problem of three
        operators each operation's heading; in English, French, Russian and Japanese."""
        for language in ("en", "fr", "ru", "ja"):
            words = catalog(language)
            say = lambda english, *numbers: fill(words.get(("explain", english), english),
                                                 numbers)
            with self.subTest(language=language):
                chromium.open_page(self.driver, f"{URL}?lang={language}")
                hint = "Type a problem or two operands and press an operator."
                self.assertEqual(self.explain(), [["p", words.get((None, hint), hint), "", []]])
                self.assertEqual(self.js("return document.getElementById('prompt').open"),
                                 False)
                self.enter(["3", "1", "4", "1", "2", "3"])
                self.driver.find_element("id", "Subtract").click()
                # Open, the solution follows each new calculation without another press.
                steps = self.js(EXPLAINED)
                self.assertEqual(steps, [
                    ["p", "3 1/4 - 1 2/3", "", []],
                    ["li", say("The least common denominator of %1 and %2, by listing "
                               "multiples, is %3.", 4, 3, 12), "", []],
                    ["li", say("Multiples of %1 until one is a multiple of %2: %3.", 4, 3,
                               "4, 8, 12"), "", []],
                    ["li", say("Rename the fraction over %1: multiply both parts by %2:", 12, 3),
                     "1/4 = (1 x 3)/(4 x 3) = 3/12", ["1/4", "1×3/4×3", "3/12"]],
                    ["li", say("Rename the fraction over %1: multiply both parts by %2:", 12, 4),
                     "2/3 = (2 x 4)/(3 x 4) = 8/12", ["2/3", "2×4/3×4", "8/12"]],
                    ["li", say("Write the problem with the renamed fractions:"),
                     "3 1/4 - 1 2/3 = 3 3/12 - 1 8/12", ["1/4", "2/3", "3/12", "8/12"]],
                    ["li", say("%1 is less than %2, so take 1 from the whole number as %3:",
                               "3/12", "8/12", "12/12"),
                     "3 3/12 = 2 + 12/12 + 3/12 = 2 15/12", ["3/12", "12/12", "3/12", "15/12"]],
                    ["li", say("Work out the whole numbers and the fractions apart:"),
                     "2 15/12 - 1 8/12 = (2 - 1) + (15/12 - 8/12) = 1 + 7/12 = 1 7/12",
                     ["15/12", "8/12", "15/12", "8/12", "7/12", "7/12"]],
                    ["li", say("%1 is already in lowest terms.", "7/12"), "", []],
                    ["li", say("Answer:"), "3 1/4 - 1 2/3 = 1 7/12", ["1/4", "2/3", "7/12"]]])
                # The answer as MathML: 1 and 7/12, a whole number beside a stacked fraction.
                self.assertEqual(self.js(ANSWER_MATHML), [
                    "math", "mo:=", "mrow", "mn:1", "mo:\u2064", "mfrac", "mn:7", "mn:12"])
                self.assertEqual(self.js(UNSTACKED), [])
                self.assertTrue(self.solution_below_the_form())
                self.js("const data = new DataTransfer(); data.setData('text/plain', "
                        "'1/2 + 1/3 x (2 - 1/4)'); document.getElementById('Text1')"
                        ".dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, "
                        "bubbles: true, cancelable: true}))")
                headings = self.js("return [...document.querySelectorAll('#explanation-body "
                                   ".heading')].map(h => [h.querySelector('.sentence')"
                                   ".textContent, h.querySelector(':scope > .equation math')"
                                   ".getAttribute('alttext')])")
                self.assertEqual(headings, [
                    [say("Step %1 of %2, brackets first:", 1, 3), "2 - 1/4"],
                    [say("Step %1 of %2, x and / before + and -:", 2, 3), "1/3 x 1 3/4"],
                    [say("Step %1 of %2:", 3, 3), "1/2 + 7/12"]])

    def test_signs_brackets_decimals_and_quotients_in_mathml(self):
        """Each equation's MathML read back in a line: {a/b} a stacked fraction, & the invisible
        plus of a mixed number; a negative right operand in brackets, as print sets it."""
        minus, times = "\u2212", "\u00d7"
        for problem, equations in (
                ("1 1/2 - -1/2", [
                    "1&{1/2}-(-{1/2})=1&{1/2}+{1/2}", "1&{1/2}+{1/2}=1+({1/2}+{1/2})=1+{2/2}",
                    "1+{2/2}=1+1=2", "1&{1/2}-(-{1/2})=2"]),
                ("-2 1/4 x 0.5", [
                    "-2&{1/4}=-{9/4}", "2&{1/4}={2*4+1/4}={9/4}", "0.5={5/10}={1/2}",
                    "-{9/4}*{1/2}={-9*1/4*2}=-{9/8}", "-{9/8}=-1&{1/8}",
                    "-2&{1/4}*0.5=-1&{1/8}"])):
            with self.subTest(problem=problem):
                self.js("const data = new DataTransfer(); data.setData('text/plain', arguments[0]);"
                        "document.getElementById('Text1').dispatchEvent(new ClipboardEvent("
                        "'paste', {clipboardData: data, bubbles: true, cancelable: true}))",
                        problem)
                self.driver.find_element("id", "Explain").click()
                self.assertEqual(self.js(LINEAR_MATHML), [
                    e.replace("-", minus).replace("*", times) for e in equations])

    def test_fraction_bars_stand_out_light_dark_and_forced(self):
        self.enter(["3", "1", "4", "1", "2", "3"])
        self.driver.find_element("id", "Subtract").click()
        self.explain()

        def bar_stands_out(forced):
            # The strip between the answer's 7 and 12 holds the bar alone.
            x, y, w, h = self.js(
                "const f = [...document.querySelectorAll('#explanation-body "
                "mfrac')].pop(), [top, bottom] = [...f.children].map("
                "e => e.getBoundingClientRect()), r = f.getBoundingClientRect();"
                "return [r.x, top.bottom, r.width, bottom.top - top.bottom]")
            png = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
                "clip": {"x": x, "y": y, "width": w, "height": max(h, 1), "scale": 1}})["data"]
            self.assertGreaterEqual(self.driver.execute_async_script(LETTERS, png), 3)

        self.in_each_colour_scheme(bar_stands_out)

    def solution_below_the_form(self, driver=None):
        return (driver or self.driver).execute_script(
            "const form = document.getElementById('window').getBoundingClientRect();"
            "const solution = document.getElementById('explanation').getBoundingClientRect();"
            "return solution.top >= form.bottom && solution.height > 0")

    def test_the_solution_closes_with_its_button_and_escape_and_is_no_dialog(self):
        self.enter(["3", "1", "4", "1", "2", "3"])
        self.driver.find_element("id", "Subtract").click()
        for close in ("button", Keys.ESCAPE):
            with self.subTest(close=close):
                self.explain()
                self.assertEqual(self.focused(), "explanation-title")
                # Not modal: the boxes still take clicks while it is open.
                self.driver.find_element("id", "Add").click()
                self.assertEqual(self.boxes()[6:8], ["59", "12"])
                self.driver.find_element("id", "explanation-title").click()
                if close == "button":
                    self.driver.find_element("id", "explanation-close").click()
                else:
                    self.keys(Keys.ESCAPE)
                self.assertTrue(self.js("return document.getElementById('explanation').hidden"))
                self.assertEqual(self.focused(), "Explain")
        self.assertEqual(self.js("return document.getElementById('explanation-close')"
                                 ".getAttribute('aria-label')"), "Close")

    def test_without_mathml_the_solution_shows_the_calculators_notation(self):
        plain = chromium.start(1280, 800)
        try:
            # As a browser that lays out no MathML: its elements take no room of their own.
            plain.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
                "const sheet = new CSSStyleSheet(); sheet.replaceSync('mspace { display: none "
                "!important }'); document.adoptedStyleSheets = [sheet];")})
            chromium.open_page(plain, URL)
            plain.execute_script(ENTER, ["3", "1", "4", "1", "2", "3"])
            plain.find_element("id", "Subtract").click()
            self.explain(plain)
            shown = plain.execute_script(
                "const body = document.getElementById('explanation-body');"
                "return [body.querySelectorAll('math').length, body.innerText]")
        finally:
            plain.quit()
        self.assertEqual(shown[0], 0)
        for line in ("1/4 = (1 x 3)/(4 x 3) = 3/12",
                     "3 3/12 = 2 + 12/12 + 3/12 = 2 15/12",
                     "The least common denominator of 4 and 3, by listing multiples, is 12.",
                     "Answer: 3 1/4 - 1 2/3 = 1 7/12"):
            self.assertIn(line, shown[1])

    def test_copy_gives_text_and_html_with_mathml_and_latex(self):
        self.enter(["3", "1", "4", "1", "2", "3"])
        self.driver.find_element("id", "Subtract").click()
        self.explain()
        self.js("window.copied = []; document.addEventListener('copy', e => window.copied.push("
                "[e.clipboardData.getData('text/plain'), e.clipboardData.getData('text/html')]))")
        self.driver.find_element("id", "explanation-copy").click()
        self.driver.find_element("id", "explanation-latex").click()
        (text, html), (latex, latex_html) = self.js("return window.copied")
        self.assertTrue(text.startswith(
            "3 1/4 - 1 2/3\nThe least common denominator of 4 and 3, by listing multiples, is "
            "12.\n  Multiples of 4 until one is a multiple of 3: 4, 8, 12.\n"), text)
        self.assertIn("\nAnswer: 3 1/4 - 1 2/3 = 1 7/12\n", text)
        self.assertIn('<math xmlns="http://www.w3.org/1998/Math/MathML" '
                      'alttext="= 1 7/12"><mo>=</mo>', html)
        self.assertIn("<mfrac><mn>7</mn><mn>12</mn></mfrac>", html)
        self.assertIn("Answer: $3\\tfrac{1}{4} - 1\\tfrac{2}{3} = 1\\tfrac{7}{12}$ \\\\\n",
                      latex)
        self.assertEqual(latex_html, "")
        self.assertTrue(self.announced("Copied."))

    def test_printed_the_solution_shows_without_buttons(self):
        self.enter(["3", "1", "4", "1", "2", "3"])
        self.driver.find_element("id", "Subtract").click()
        self.explain()
        pdf = self.driver.execute_cdp_cmd("Page.printToPDF", {})["data"]
        self.assertTrue(base64.b64decode(pdf).startswith(b"%PDF"))
        if shutil.which("pdftotext"):
            with tempfile.TemporaryDirectory() as folder:
                path = pathlib.Path(folder) / "printed.pdf"
                path.write_bytes(base64.b64decode(pdf))
                printed = subprocess.run(["pdftotext", str(path), "-"], capture_output=True,
                                         text=True, check=True).stdout
            self.assertIn("The least common denominator of 4 and 3", printed)
            self.assertNotIn("Copy LaTeX", printed)
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:
            printed = self.js("""
                const shown = e => e.getClientRects().length > 0;
                return [shown(document.getElementById('explanation-body')),
                        document.getElementById('explanation-body').innerText,
                        [...document.querySelectorAll('button')].filter(shown).map(b => b.id),
                        shown(document.getElementById('Text9'))];""")
        finally:
            self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        self.assertTrue(printed[0])
        self.assertIn("3 1/4 - 1 2/3", printed[1])
        self.assertEqual(printed[2], [])
        self.assertTrue(printed[3])  # the answer's mixed number

    def test_on_a_phone_the_solution_scrolls_into_view_and_targets_stay_44_px(self):
        for width, height, mobile, zoom in ((360, 740, True, 1), (640, 400, False, 2),
                                            (320, 200, False, 4)):
            phone = chromium.start(width, height, mobile=mobile, zoom=zoom)
            try:
                chromium.open_page(phone, URL)
                phone.execute_script(ENTER, ["3", "1", "4", "1", "2", "3"])
                phone.find_element("id", "Subtract").click()
                rows = phone.execute_script(
                    "return ['cls', 'ShowWork', 'Explain'].map(id => { const r = document"
                    ".getElementById(id).getBoundingClientRect(); return [r.top, r.width,"
                    " r.height]; })")
                phone.find_element("id", "Explain").click()
                g = phone.execute_script("""
                    const solution = document.getElementById('explanation');
                    const r = solution.getBoundingClientRect();
                    return [r.top < innerHeight && r.bottom > 0,
                            document.documentElement.scrollWidth,
                            [...solution.querySelectorAll('button')].map(b => {
                              const r = b.getBoundingClientRect();
                              return Math.min(r.width, r.height); }),
                            [...solution.querySelectorAll('.part')].filter(
                              p => p.scrollWidth > p.clientWidth + 1).map(p => p.textContent)];
                    """)
                with self.subTest(width=width, zoom=zoom):
                    self.assertEqual(len({round(top) for top, _, _ in rows}), 1)
                    for _, w, h in rows:
                        self.assertGreaterEqual(min(w, h), 44)
                    self.assertTrue(g[0])
                    self.assertLessEqual(g[1], width)
                    for smallest in g[2]:
                        self.assertGreaterEqual(smallest, 44)
                    self.assertEqual(g[3], [])  # every equation breaks before an "=" instead
                    self.assertTrue(self.solution_below_the_form(phone))
            finally:
                phone.quit()

    def test_hosted_it_works_offline_from_good_copies_of_its_own_files_only(self):
        """Beside another application, whose page is the folder's index: visiting the folder's
        address keeps nothing, so the calculator stays the calculator offline."""
        folder = pathlib.Path(tempfile.mkdtemp())
        for file in ("ondavi.html", "ondavi.webmanifest", "ondavi-sw.js", "ondavi-128.png",
                     "ondavi-256.png"):
            shutil.copy(PAGE.parent / file, folder)
        (folder / "other-app.txt").write_text("another application's file")
        (folder / "index.html").write_text("<title>Another application</title>")
        handler = functools.partial(FlakyHandler, directory=str(folder))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/{PAGE.name}"
        cached = ("const done = arguments[0]; caches.open('ondavi').then(c => c.keys())"
                  ".then(keys => done(keys.map(k => k.url.split('/').pop()).sort()))")
        own = sorted(["ondavi.html", "ondavi.webmanifest", "ondavi-128.png", "ondavi-256.png"])
        try:
            chromium.open_page(self.driver, url)
            self.driver.execute_async_script(
                "const done = arguments[0]; navigator.serviceWorker.ready.then(() => done())")
            chromium.open_page(self.driver, url)  # now under the worker
            self.assertEqual(self.js("return document.querySelector('link[rel=manifest]').href"),
                             url.replace(PAGE.name, "ondavi.webmanifest"))
            self.driver.execute_async_script(
                "const done = arguments[0]; Promise.all(['other-app.txt', 'missing.png', "
                "'ondavi.html?utm=1', 'ondavi.html?utm=2'].map(u => fetch(u))).then(() => done())")
            self.assertEqual(self.driver.execute_async_script(cached), own)
            self.driver.get(url.replace(PAGE.name, ""))
            self.assertEqual(self.driver.title, "Another application")
            FlakyHandler.failing.add("/" + PAGE.name)  # once: the good copy answers instead
            chromium.open_page(self.driver, url)
            self.assertEqual(FlakyHandler.failing, set())
            self.assertEqual(self.driver.execute_async_script(cached), own)
        finally:
            server.shutdown()
            server.server_close()
            shutil.rmtree(folder)
        chromium.open_page(self.driver, url)  # the host is gone: the cached page answers
        self.enter(WORKED_EXAMPLE[:6])
        self.driver.find_element("id", "Add").click()
        self.assertEqual(self.boxes(), WORKED_EXAMPLE)
        with self.assertRaises(WebDriverException):  # nothing was kept for the folder's address
            self.driver.get(url.replace(PAGE.name, ""))

    def test_hosted_as_a_folders_index_it_works_offline_and_on_a_stalled_network(self):
        folder = pathlib.Path(tempfile.mkdtemp())
        shutil.copy(PAGE, folder / "index.html")
        for file in ("ondavi.webmanifest", "ondavi-sw.js", "ondavi-128.png", "ondavi-256.png"):
            shutil.copy(PAGE.parent / file, folder)
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(FlakyHandler, directory=str(folder)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/"
        try:
            chromium.open_page(self.driver, url)
            self.driver.execute_async_script(
                "const done = arguments[0]; navigator.serviceWorker.ready.then(() => done())")
            FlakyHandler.stalled.add("/")  # no answer for far longer than the worker waits
            chromium.open_page(self.driver, url, timeout=15)
            self.enter(WORKED_EXAMPLE[:6])
            self.driver.find_element("id", "Add").click()
            self.assertEqual(self.boxes(), WORKED_EXAMPLE)
        finally:
            FlakyHandler.stalled.clear()
            server.shutdown()
            server.server_close()
            shutil.rmtree(folder)
        for address in (url, url + "?from=home"):  # the host is gone
            with self.subTest(address=address):
                chromium.open_page(self.driver, address)
                self.assertEqual(self.js("return document.getElementById('Add').textContent"),
                                 "+")

    def test_every_language_captions_every_control_whole_and_speaks_its_words(self):
        """?lang=LANG: the catalog's captions, whole inside their controls, overlapping none and
        a space at least before the next control, on a desktop and on a phone; a message and Show
        Work's words; <html lang>."""
        phone = chromium.start(360, 740, mobile=True)
        try:
            for language in ["en"] + LANGUAGES:
                words = catalog(language)
                for driver in (self.driver, phone):
                    with self.subTest(language=language, phone=driver is phone):
                        chromium.open_page(driver, f"{URL}?lang={language}")
                        self.assertEqual(driver.execute_script(
                            "return document.documentElement.lang"), language.replace("_", "-"))
                        g = driver.execute_script(GEOMETRY)
                        self.assertEqual(g["overlaps"], [])
                        self.assertEqual(driver.execute_script(CLOSE_CAPTIONS), [])
                        shown = driver.execute_script(
                            "return window.ondavi.form.controls.filter(c => c.caption.length > 1)"
                            ".map(c => { const e = document.getElementById(c.name); return "
                            "[c.name, e.textContent, e.scrollWidth <= e.clientWidth + 1]; })")
                        for name, text, whole in shown:
                            english = ENGLISH_CAPTIONS[name]
                            self.assertEqual(text, words.get((None, english), english), name)
                            self.assertTrue(whole, (name, text))
                        self.assertEqual(driver.execute_script(
                            "return document.querySelector('meta[name=description]').content"),
                            page_sentence(language, "description"))
                        driver.execute_script(ENTER, ["1", "1", "2", "", "2", "3"])
                        driver.find_element("id", "Add").click()
                        driver.find_element("id", "ShowWork").click()
                        work = driver.execute_script(
                            "return document.getElementById('prompt-text').textContent")
                        becomes = words.get(("transcript", "Becomes"), "Becomes")
                        self.assertIn(f"\n    {becomes} \n", work)
                        ActionChains(driver).send_keys(Keys.ESCAPE).perform()
                        driver.execute_script(ENTER, ["", "1", "2", "", "", ""])
                        driver.find_element("id", "Divide").click()
                        self.assertEqual(driver.execute_script(
                            "return document.getElementById('prompt-text').textContent"),
                            words.get(("message", "Cannot divide by zero."),
                                      "Cannot divide by zero."))
                        ActionChains(driver).send_keys(Keys.ESCAPE).perform()
        finally:
            phone.quit()

    def test_the_page_answers_as_the_native_core_does(self):
        clicks = random_clicks(3000)
        native = run_natively(clicks)
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
            self.assertEqual(got, expected, click)

    def test_the_page_answers_as_the_native_core_does_by_taps_on_a_phone(self):
        clicks = random_clicks(40)
        native = run_natively(clicks)
        phone = chromium.start(360, 740, mobile=True)
        try:
            chromium.open_page(phone, URL)
            buttons = {c["action"]: c["name"] for c in phone.execute_script(
                "return window.ondavi.form.controls") if c["kind"] == "commandButton"}
            for (action, *texts), expected in zip(clicks, native):
                phone.execute_script(ENTER, texts)
                chromium.tap(phone, buttons[action])
                shown = phone.execute_script("return document.getElementById('prompt').open")
                message = phone.execute_script(
                    "return document.getElementById('prompt-text').textContent") if shown else ""
                if shown:
                    ActionChains(phone).send_keys(Keys.ESCAPE).perform()
                lines = expected[13].replace("\r\n", "\n").replace("\r", "\n")
                self.assertEqual(phone.execute_script(BOXES) + ["1" if shown else "0", message],
                                 expected[:13] + [lines if shown else ""], (action, texts))
        finally:
            phone.quit()


PO = pathlib.Path(__file__).resolve().parents[2] / "po"
LANGUAGES = [line.strip() for line in (PO / "LINGUAS").read_text().splitlines()
             if line.strip() and not line.startswith("#")]
ENGLISH_CAPTIONS = {"Label2": "Mixed Number", "Label3": "Decimal", "Label4": "Answer",
                    "cls": "clear", "Label5": "Fraction1", "Label6": "Fraction2",
                    "ShowWork": "Show Work", "Explain": "Explain"}

# The page's own sentences, which the page shows in the user's language.
PAGE_SENTENCES = {
    "notStarted": "Ondavi has not started: this browser may lack what it needs (JavaScript and "
                  "WebAssembly). A newer browser runs it.",
    "noWebAssembly": "Ondavi cannot start in this browser: it needs WebAssembly, which this "
                     "browser does not have or has turned off. Safari 11, Chrome 57, Firefox 52, "
                     "Edge 16 and their later versions have it.",
    "noScript": "The calculator needs JavaScript, which this browser has turned off.",
    "description": "A calculator for common fractions and mixed numbers"}


def page_sentence(language, key):
    """One of the page's own sentences in a language, from its catalog; each has one."""
    english = PAGE_SENTENCES[key]
    if language == "en":
        return english
    return catalog(language)[(None, english)]


def fill(sentence, numbers):
    """A worked solution's sentence with %1, %2... replaced by the numbers."""
    for i, number in enumerate(numbers):
        sentence = sentence.replace(f"%{i + 1}", str(number))
    return sentence


def catalog(language):
    """{(context, English): translation} from po/LANGUAGE.po; nothing for English."""
    if language == "en":
        return {}
    words = {}
    for block in (PO / f"{language}.po").read_text(encoding="utf-8").split("\n\n"):
        fields, current = {}, None
        for line in block.splitlines():
            if line.startswith(("msgctxt ", "msgid ", "msgstr ")):
                current, _, rest = line.partition(" ")
                fields[current] = rest[1:-1]
            elif line.startswith('"') and current:
                fields[current] += line[1:-1]
        if fields.get("msgid") and fields.get("msgstr"):
            words[(fields.get("msgctxt"), fields["msgid"])] = fields["msgstr"]
    return words


class FlakyHandler(http.server.SimpleHTTPRequestHandler):
    """Serves a folder quietly; a path in failing is answered once with 503."""
    failing = set()
    stalled = set()  # paths answered only after 30 s

    def do_GET(self):
        if self.path in self.stalled:
            time.sleep(30)
        if self.path in self.failing:
            self.failing.discard(self.path)
            self.send_error(503)
            return
        super().do_GET()

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


def run_natively(clicks):
    """The twelve box texts, whether a message showed and the message, after each click, from
    the page session built natively."""
    out = subprocess.run([RUNNER], input="".join(
        "\t".join([str(c[0])] + [escape(t) for t in c[1:]]) + "\n" for c in clicks),
        capture_output=True, text=True, check=True).stdout.splitlines()
    return [[unescape(field) for field in line.split("\t")] for line in out]


def random_clicks(count):
    """Clicks on operands like the core's property test draws, with entries that stop with a
    message, larger numbers, and Show Work and clear now and then."""
    rng = random.Random(20261208)

    def number():
        return str(rng.randrange(1, 10 ** rng.randint(1, 3)))

    def whole():
        return rng.choice(["", "-", "0", "-" + number(), number(), number(), "1.5", "&H1F",
                           "- 3", "1 1/2", str(rng.randrange(10 ** 15)), "12\x003"])

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
