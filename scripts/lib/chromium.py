"""Headless Chromium through Debian's chromedriver, for the web page's tests, screenshots and
benchmark: a driver at a given window size (a phone with touch, or a desktop at a zoom level),
with DevTools commands, the network log and the page's readiness."""
import json
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start(width=1024, height=768, mobile=False, language="en-US", zoom=1, scrollbars=False,
          arguments=(), network_log=False):
    """A desktop window of width x height CSS pixels at the zoom level (the device scale factor),
    or with mobile, a phone's touch screen at twice the pixels. Classic scrollbars take room
    only with scrollbars; arguments go to Chromium as they are."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     f"--lang={language}", f"--window-size={width},{height}", *arguments):
        options.add_argument(argument)
    if not scrollbars:
        options.add_argument("--hide-scrollbars")
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    if network_log:
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    if mobile:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch": True}})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(120)
    if not mobile:
        # The window's outer size includes no browser chrome when headless; make the page's
        # viewport exactly the size asked for, at the zoom asked for.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": zoom, "mobile": False})
    return driver


def open_page(driver, url, timeout=20):
    """Opens the page and waits until the module is ready and Text1 has the focus."""
    driver.get(url)
    wait_ready(driver, url, timeout)


def wait_ready(driver, url="the page", timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if driver.execute_script("return !!window.ondavi"):
            return
        time.sleep(0.02)
    raise TimeoutError(f"{url} did not get ready")


def requested_urls(driver):
    """Every URL the browser asked for since the log was last read, from the DevTools log."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
    return urls


def tap(driver, element_id):
    """Touches the middle of an element and lifts the finger, as a phone's user does."""
    x, y = driver.execute_script(
        "const e = document.getElementById(arguments[0]); e.scrollIntoView({block: 'center'});"
        "const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]",
        element_id)
    for kind in ("touchStart", "touchEnd"):
        driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
            "type": kind, "touchPoints": [{"x": x, "y": y}] if kind == "touchStart" else []})
