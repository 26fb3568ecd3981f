#!/usr/bin/env python3
"""Takes the web page's screenshots in headless Chromium after the worked example, 1 1/2 + 2/3,
typed into the boxes and "+" pressed: web.png (desktop, 100%), web-phone.png (a 360-pixel
phone), web-phone-dark.png (the same under a dark preference) and web-tablet.png (a 768-pixel
tablet held upright).
Usage: screenshots-web.py [PAGE [FOLDER]]
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "lib"))
import chromium  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

root = pathlib.Path(__file__).resolve().parents[1]
page = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else root / "build/web/web/ondavi.html")
folder = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else root / "docs/screenshots")

SHOTS = (("web", 1024, 420, False, "light"), ("web-phone", 360, 740, True, "light"),
         ("web-phone-dark", 360, 740, True, "dark"), ("web-tablet", 768, 1024, True, "light"))
for name, width, height, mobile, scheme in SHOTS:
    driver = chromium.start(width, height, mobile)
    try:
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        chromium.open_page(driver, page.resolve().as_uri())
        for n, text in ((1, "1"), (2, "1"), (3, "2"), (5, "2"), (6, "3")):
            driver.find_element("id", f"Text{n}").click()
            ActionChains(driver).send_keys(text).perform()
        if mobile:
            chromium.tap(driver, "Add")
        else:
            driver.find_element("id", "Add").click()
        driver.execute_script("document.activeElement.blur(); scrollTo(0, 0)")
        path = folder / f"{name}.png"
        driver.save_screenshot(str(path))
        print(path)
    finally:
        driver.quit()
