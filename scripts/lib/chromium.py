"""Headless Chromium through Debian's chromedriver, for the web page's tests, screenshots and
benchmark: a driver at a given window size, with DevTools commands and the page's readiness."""
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def start(width=1024, height=768, mobile=False, language="en-US"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--hide-scrollbars", f"--lang={language}", f"--window-size={width},{height}"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    if mobile:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch": True}})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(120)
    if not mobile:
        # The window's outer size includes no browser chrome when headless; make the page's
        # viewport exactly the size asked for.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
    return driver


def open_page(driver, url, timeout=20):
    """Opens the page and waits until the module is ready and Text1 has the focus."""
    driver.get(url)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if driver.execute_script("return !!window.ondavi"):
            return
        time.sleep(0.02)
    raise TimeoutError(f"the page at {url} did not get ready")
