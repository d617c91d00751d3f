"""The page in real headless Chromium, driven with real key events and clicks."""
import json
import os
import subprocess
import sys
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import browser
from browser import focused, keys, text

VALUES = ["Label4", "Label1", "Label2"] + ["Label%d" % n for n in (23, 24, 25, 26, 27, 28, 30,
                                                                   29, 31, 32)]
INPUTS = ["Text1", "Text2", "Combo1", "Combo3", "Combo5", "Combo6"]
FOCUS_ORDER = ["Text1", "Text2", "Command1", "Picture1", "Picture2", "Combo1", "Combo3", "Combo5",
               "Combo6"]
GOLDEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden")


def box(driver):
    """The open message box: title, text, icon shown, focused element; None when closed."""
    return driver.execute_script("""
        const box = document.getElementById('MessageBox');
        if (!box.open) return null;
        const icon = [...box.querySelectorAll('.icon')].find(i => i.style.display !== 'none');
        return {title: document.getElementById('MessageBoxTitle').textContent,
                text: document.getElementById('MessageBoxText').textContent,
                icon: icon.classList[1], focus: document.activeElement.id,
                role: box.getAttribute('role')};""")


def ax_nodes(driver, inside=None):
    """(role, name, description) of every node the accessibility tree exposes; with `inside`, of
    the nodes within a node of that role."""
    driver.execute_cdp_cmd("Accessibility.enable", {})
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_id = {n["nodeId"]: n for n in nodes}

    def value(node, key):
        return (node.get(key) or {}).get("value", "")

    def within(node):
        while node.get("parentId") in by_id:
            node = by_id[node["parentId"]]
            if value(node, "role") == inside:
                return True
        return False
    return [(value(n, "role"), value(n, "name"), value(n, "description")) for n in nodes
            if not n.get("ignored") and (inside is None or within(n))]


def with_control(driver, key):
    ActionChains(driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()


class Page(unittest.TestCase):
    language = "fr-FR"

    @classmethod
    def setUpClass(cls):
        cls.driver = browser.start(cls.language)
        cls.examples = browser.worked_examples()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        browser.load(self.driver)

    def shown(self):
        return [text(self.driver, name) for name in VALUES]


class French(Page):
    def test_worked_examples_from_the_keyboard(self):
        self.assertEqual(len(self.examples), 3)
        presses = [Keys.ENTER, Keys.SPACE, None]  # None: a click
        for (width, height, downs, shown), press in zip(self.examples, presses):
            with self.subTest(width=width, height=height):
                browser.load(self.driver)
                browser.enter_example(self.driver, width, height, downs)
                self.assertEqual(focused(self.driver), "Command1")
                if press is None:
                    self.driver.find_element("id", "Command1").click()
                else:
                    keys(self.driver, press)
                self.assertIsNone(box(self.driver))
                self.assertEqual(self.shown(), shown)
                summary = ("Calcul terminé. Matrice : %s ; Ratio écran : %s ;" % tuple(shown[:2]),
                           "Recul totale utile : %s mètres." % shown[12])
                live = lambda d: text(d, "Announcement")
                self.driver.implicitly_wait(0)
                for _ in range(50):
                    if live(self.driver):
                        break
                    self.driver.execute_async_script("setTimeout(arguments[0], 20)")
                self.assertTrue(live(self.driver).startswith(summary[0]), live(self.driver))
                self.assertTrue(live(self.driver).endswith(summary[1]), live(self.driver))
                self.assertIn(("StaticText", live(self.driver), ""),
                              ax_nodes(self.driver, inside="status"))

    def test_tab_goes_round_the_focus_order_both_ways(self):
        self.assertEqual(focused(self.driver), "Text1")
        forward = []
        for _ in FOCUS_ORDER:
            keys(self.driver, Keys.TAB)
            forward.append(focused(self.driver))
        self.assertEqual(forward, FOCUS_ORDER[1:] + FOCUS_ORDER[:1])
        backward = []
        for _ in FOCUS_ORDER:
            ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
                Keys.SHIFT).perform()
            backward.append(focused(self.driver))
        self.assertEqual(backward, list(reversed(FOCUS_ORDER)))

    def test_boxes_come_during_the_run_and_close_every_way(self):
        warning = ("Calculs érronés", "L'écran est plus haut que large !!!", "warning")
        failure = ("Calcul impossible", "valeurs incorrectes !!!", "warning")
        closings = [Keys.ENTER, Keys.SPACE, Keys.ESCAPE, None]
        for closing in closings:
            with self.subTest(closing=closing):
                browser.load(self.driver)
                # Taller than wide: the first results are on show while the warning waits.
                browser.enter_example(self.driver, "2", "6", self.examples[0][2])
                keys(self.driver, Keys.ENTER)
                opened = box(self.driver)
                self.assertEqual((opened["title"], opened["text"], opened["icon"]), warning)
                self.assertEqual((opened["focus"], opened["role"]), ("MessageBoxOk", "alertdialog"))
                self.assertEqual(text(self.driver, "Label4"), "(1024x768)")
                self.assertEqual(text(self.driver, "Label32"), "")
                dialogs = [n for n in ax_nodes(self.driver) if n[0] == "alertdialog"]
                self.assertEqual(dialogs, [("alertdialog", warning[0], warning[1])])
                self.close(closing)
                self.assertIsNone(box(self.driver))
                self.assertNotEqual(text(self.driver, "Label32"), "")
                # The failure box: an empty height, after which only Label4 changed.
                before = self.shown()
                self.driver.find_element("id", "Text2").clear()
                self.driver.find_element("id", "Command1").click()
                opened = box(self.driver)
                self.assertEqual((opened["title"], opened["text"], opened["icon"]), failure)
                self.close(closing)
                self.assertEqual(self.shown(), before)

    def core_run(self):
        """What the native core shows for the inputs as the page holds them, in the order of the
        run (that of VALUES), with "!warning" where the warning comes and "!failure" at the end of
        a run that fails."""
        inputs = [text(self.driver, name) for name in INPUTS]
        printer = os.path.join(browser.NATIVE, "tests", "web", "solvanix_core_printer")
        printed = subprocess.run([printer], input="C\t" + "\t".join(inputs) + "\n",
                                 capture_output=True, text=True, check=True).stdout
        return printed.rstrip("\n").split("\t")[1:]

    # At each box, the labels show what the run had shown before it and nothing after; a box that
    # comes after another opens when the first closes; a command while a box is open, or another
    # is to come, starts nothing.
    def test_boxes_in_the_order_of_the_run_with_its_results_between(self):
        titles = {"!warning": "Calculs \u00e9rron\u00e9s", "!failure": "Calcul impossible"}
        no_matrix = [self.examples[0][2][0], 0] + self.examples[0][2][2:]
        for downs, boxes in ((self.examples[0][2], ["!warning"]),
                             (no_matrix, ["!warning", "!failure"])):
            with self.subTest(boxes=boxes):
                browser.load(self.driver)
                browser.enter_example(self.driver, "2", "6", downs)
                run = self.core_run()
                self.assertEqual([t for t in run if t.startswith("!")], boxes)
                keys(self.driver, Keys.ENTER)
                for marker in boxes:
                    before = [t for t in run[:run.index(marker)] if not t.startswith("!")]
                    self.assertEqual(box(self.driver)["title"], titles[marker])
                    self.assertEqual(self.shown(), before + [""] * (len(VALUES) - len(before)))
                    # Another OK, the about box: neither starts while the run is not over.
                    self.driver.execute_script("""
                        document.getElementById('Command1').dispatchEvent(
                            new MouseEvent('click', {bubbles: true}));
                        document.getElementById('Version_1').dispatchEvent(
                            new MouseEvent('click', {bubbles: true}));
                        document.dispatchEvent(new KeyboardEvent('keydown', {key: 'F1'}));""")
                    self.assertEqual(box(self.driver)["title"], titles[marker])
                    if marker != boxes[-1]:
                        self.close(Keys.ENTER)
                # F1 the moment the last box closes, before its close event: the rest of the run
                # comes first, then the about box.
                self.driver.execute_script("""
                    document.getElementById('MessageBoxOk').click();
                    document.dispatchEvent(new KeyboardEvent('keydown', {key: 'F1'}));""")
                self.assertEqual(box(self.driver)["title"], "SOLVANIX v1.64 Light")
                shown = [t for t in run if not t.startswith("!")]
                self.assertEqual(self.shown(), shown + [""] * (len(VALUES) - len(shown)))
                self.close(Keys.ENTER)
                self.assertIsNone(box(self.driver))
                self.driver.execute_async_script("setTimeout(arguments[0], 100)")
                summary = text(self.driver, "Announcement")
                if "!failure" in boxes:
                    self.assertEqual(summary, "")
                else:
                    self.assertTrue(summary.startswith("Calcul termin\u00e9."), summary)

    def close(self, closing):
        if closing is None:
            self.driver.find_element("id", "MessageBoxOk").click()
        else:
            keys(self.driver, closing)
        self.driver.execute_async_script("setTimeout(arguments[0], 20)")

    def test_about_box_from_either_version_label_and_f1(self):
        for route in ("Version_1", "Version_2", Keys.F1):
            with self.subTest(route=route):
                if route == Keys.F1:
                    keys(self.driver, Keys.F1)
                else:
                    self.driver.find_element("id", route).click()
                opened = box(self.driver)
                self.assertEqual(opened["title"], "SOLVANIX v1.64 Light")
                self.assertEqual(opened["icon"], "information")
                self.assertEqual(len(opened["text"].split("\n")), 3)
                keys(self.driver, Keys.ENTER)
                self.assertIsNone(box(self.driver))
        cursor = self.driver.execute_script(
            "return getComputedStyle(document.getElementById('Version_1')).cursor")
        self.assertEqual(cursor, "help")

    def test_inputs_hold_only_what_their_rule_reads(self):
        cases = [  # (box, keys typed, then a value set by script, what it holds after each)
            ("Text1", "2,5", None, "2.5"),
            ("Text1", "1234567", None, "12345"),
            ("Text2", "\uff11\uff0c\uff15", None, "1.5"),
            ("Text2", "", "3,25\u2212", "3.25-"),
        ]
        for name, typed, script, held in cases:
            with self.subTest(name=name, typed=typed, script=script):
                element = self.driver.find_element("id", name)
                element.clear()
                element.click()
                if typed:
                    keys(self.driver, typed)
                if script is not None:
                    self.driver.execute_script("arguments[0].value = arguments[1]", element,
                                               script)
                self.assertEqual(text(self.driver, name), held)
        # A comma typed or pasted becomes a point, and undo still takes the whole edit back.
        self.driver.execute_cdp_cmd("Browser.grantPermissions",
                                    {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        for route in ("typed", "pasted"):
            with self.subTest(undo=route):
                element = self.driver.find_element("id", "Text2")
                element.clear()
                element.click()
                if route == "typed":
                    keys(self.driver, "3,5")
                else:
                    self.driver.execute_async_script(
                        "navigator.clipboard.writeText('3,5').then(arguments[0])")
                    with_control(self.driver, "v")
                self.assertEqual(text(self.driver, "Text2"), "3.5")
                with_control(self.driver, "z")
                self.assertEqual(text(self.driver, "Text2"), "")
        lists = [  # (list, keys, what it shows)
            ("Combo1", ["2", "a", Keys.BACKSPACE, Keys.SPACE], ""),
            ("Combo6", [Keys.ARROW_DOWN] * 3 + [Keys.ARROW_UP], "0.73"),
            ("Combo5", [Keys.ARROW_UP, Keys.ARROW_DOWN, "9"], "16"),
            ("Combo3", [Keys.ARROW_DOWN, Keys.DELETE], ""),
            ("Combo3", [Keys.ARROW_DOWN] * 5, "HD"),
        ]
        for name, pressed, shows in lists:
            with self.subTest(name=name, pressed=pressed):
                browser.load(self.driver)
                self.driver.execute_script("document.getElementById(arguments[0]).focus()", name)
                keys(self.driver, *pressed)
                self.assertEqual(text(self.driver, name), shows)
        self.driver.execute_script("document.getElementById('Combo3').value = 'QXGA'")
        self.assertEqual(text(self.driver, "Combo3"), "")
        # setRangeText fires no input event: the rule holds before OK reads the box.
        self.driver.execute_script("""
            const box = document.getElementById('Text1');
            box.value = '';
            box.setRangeText('1\uff16', 0, 0);
            document.getElementById('Command1').click();""")
        while box(self.driver) is not None:
            keys(self.driver, Keys.ENTER)
        self.assertEqual(text(self.driver, "Text1"), "16")

    def test_a_value_too_wide_is_painted_hashes_and_read_whole(self):
        browser.enter_example(self.driver, "99999", "9999", self.examples[0][2])
        keys(self.driver, Keys.ENTER)
        opened = box(self.driver)
        self.assertIsNone(opened)
        painted = self.driver.execute_script("""
            return [...document.querySelectorAll('.nofit')].map(e => [e.id, e.textContent,
                getComputedStyle(e, '::after').content]);""")
        self.assertTrue(painted)
        names = {n[1] for n in ax_nodes(self.driver)}
        for name, whole, content in painted:
            self.assertEqual(content, '"###" / ""', name)
            self.assertNotIn("#", whole)
            self.assertIn(whole, names)
        fits = self.driver.execute_script(
            "return document.getElementById('Label4').classList.contains('nofit')")
        self.assertFalse(fits)

    def test_accessible_names_and_descriptions(self):
        nodes = ax_nodes(self.driver)
        expected = [
            ("textbox", "Largeur totale", "en mètres"),
            ("textbox", "Hauteur totale", "en mètres"),
            ("combobox", "Nombre de projecteurs", ""),
            ("combobox", "Recouvrement", "en pixels"),
            ("image", "Bannière SOLVANIX : un projecteur et son faisceau", ""),
            ("image", "mètres carrés", ""),
            ("button", "OK", ""),
        ]
        for node in expected:
            self.assertIn(node, nodes)

    def test_page_title_size_and_no_network_request(self):
        self.assertEqual(self.driver.title, "SOLVANIX V1.64 Light")
        size = self.driver.execute_script(
            "const r = document.getElementById('Form1').getBoundingClientRect();"
            "return [r.width, r.height]")
        self.assertEqual(size, [938, 586])
        requests = [json.loads(entry["message"])["message"] for entry in
                    self.driver.get_log("performance")]
        urls = [m["params"]["request"]["url"] for m in requests
                if m["method"] == "Network.requestWillBeSent"]
        self.assertTrue(urls)
        self.assertEqual([u for u in urls if not u.startswith(("file:", "data:"))], [])

    def test_golden_screenshots_at_scale_1_and_2(self):
        from PIL import Image, ImageChops
        width, height, downs, _ = self.examples[0]
        browser.enter_example(self.driver, width, height, downs)
        keys(self.driver, Keys.ENTER)
        for scale in (1, 2):
            with self.subTest(scale=scale):
                actual = os.path.join(browser.BUILD, "page-%dx.png" % scale)
                browser.screenshot(self.driver, actual, scale)
                golden = os.path.join(GOLDEN, "page-%dx.png" % scale)
                if os.environ.get("SOLVANIX_UPDATE_GOLDEN"):
                    os.makedirs(GOLDEN, exist_ok=True)
                    Image.open(actual).save(golden, optimize=True)
                a, b = Image.open(actual).convert("RGB"), Image.open(golden).convert("RGB")
                self.assertEqual(a.size, (938 * scale, 586 * scale))
                self.assertEqual(a.size, b.size)
                difference = ImageChops.difference(a, b).convert("L").point(
                    lambda v: 255 if v > 48 else 0)
                differing = sum(1 for v in difference.getdata() if v)
                self.assertLess(differing, a.size[0] * a.size[1] * 0.002,
                                "%s differs from %s" % (actual, golden))


class English(Page):
    language = "en-US"

    def test_point_separator_shown_and_read_back(self):
        width, height, downs, shown = self.examples[0]
        browser.enter_example(self.driver, width, height, downs)
        keys(self.driver, Keys.ENTER)
        self.assertEqual(self.shown(), [s.replace(",", ".") for s in shown])


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
