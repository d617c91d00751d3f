"""Headless Chromium driving solvanix.html from disk, for the tests, the benchmark and the
screenshots. Run with Debian's /usr/bin/python3, which sees python3-selenium."""
import os
import subprocess

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

BUILD = os.environ.get("SOLVANIX_WEB_BUILD_DIR", "build-web")
PAGE = os.path.abspath(os.path.join(BUILD, "solvanix.html"))
FLOOR = os.path.abspath(os.path.join(BUILD, "floor.html"))
NATIVE = os.path.join(BUILD, "native")


def start(language="fr-FR"):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                     "--window-size=1024,768", "--lang=" + language,
                     "--disable-features=Translate", "--font-render-hinting=none"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    driver = webdriver.Chrome(options=options)
    driver.set_script_timeout(30)
    return driver


def load(driver, page=PAGE):
    driver.get("file://" + page)
    if page == PAGE:
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"),
            "the module did not start")


def keys(driver, *sequence):
    """Real key events, as a user types them, to whatever has the focus."""
    chain = ActionChains(driver)
    for key in sequence:
        chain.send_keys(key)
    chain.perform()


def focused(driver):
    return driver.execute_script("return document.activeElement.id")


def text(driver, name):
    return driver.execute_script(
        "const e = document.getElementById(arguments[0]);"
        "return e instanceof HTMLSelectElement ? (e.selectedIndex < 0 ? '' :"
        " e.options[e.selectedIndex].text) : e instanceof HTMLInputElement ? e.value :"
        " e.textContent", name)


def worked_examples():
    """What a user types for each worked example, and what the window then shows."""
    printer = os.path.join(NATIVE, "tests", "support", "print_worked_example")
    examples = []
    number = 1
    while True:
        typed = subprocess.run([printer, str(number)], capture_output=True, text=True)
        if typed.returncode != 0:
            return examples
        shown = subprocess.run([printer, str(number), "shown"], capture_output=True, text=True,
                               check=True)
        width, height, *downs = typed.stdout.split()
        examples.append((width, height, [int(n) for n in downs], shown.stdout.rstrip("\n").split("\t")))
        number += 1


def enter_example(driver, width, height, downs):
    """From the page as loaded, focus in Text1: the keys a user presses, Tab between inputs."""
    keys(driver, width, Keys.TAB, height, Keys.TAB, Keys.TAB, Keys.TAB, Keys.TAB)
    for i, count in enumerate(downs):
        keys(driver, *([Keys.ARROW_DOWN] * count), *([Keys.TAB] if i + 1 < len(downs) else []))
    keys(driver, Keys.TAB, Keys.TAB, Keys.TAB)  # round to Text1, Text2, then OK


def screenshot(driver, path, scale):
    """The client area Form1 at the given device scale, as PNG."""
    import base64
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 938, "height": 586, "deviceScaleFactor": scale, "mobile": False})
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {
        "format": "png", "clip": {"x": 0, "y": 0, "width": 938, "height": 586, "scale": 1}})
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    with open(path, "wb") as file:
        file.write(base64.b64decode(shot["data"]))
