#!/usr/bin/env python3
"""Takes the web page's screenshots in headless Chromium after the worked example, 1 1/2 + 2/3,
typed from the keyboard: web.png at desktop width and web-phone.png at 360 pixels.
Usage: screenshots-web.py [PAGE [FOLDER [dark] [show-work]]]
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
dark = "dark" in sys.argv[3:]
show_work = "show-work" in sys.argv[3:]

for name, width, height, mobile in (("web", 1024, 420, False), ("web-phone", 360, 640, True)):
    driver = chromium.start(width, height, mobile)
    try:
        if dark:
            driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        chromium.open_page(driver, page.resolve().as_uri())
        ActionChains(driver).send_keys("1", Keys.TAB, "1", Keys.TAB, "2", Keys.TAB, Keys.TAB,
                                       "2", Keys.TAB, "3", Keys.TAB, Keys.TAB, Keys.TAB,
                                       Keys.ENTER).perform()
        if show_work:
            driver.find_element("id", "ShowWork").click()
        suffix = ("-dark" if dark else "") + ("-show-work" if show_work else "")
        path = folder / f"{name}{suffix}.png"
        driver.save_screenshot(str(path))
        print(path)
    finally:
        driver.quit()
