#!/usr/bin/env python3
"""The web page's speed in headless Chromium, beside the native core's on the same machine in the
same run: the time from navigation to Text1 focused with the module ready (median of 10 loads),
and one click of "+" on the worked example and on the slowest input found, through the page's
module and through the same page session built natively (medians of 15 samples).
Usage: web_bench.py PATH/ondavi.html PATH/session_runner
"""
import pathlib
import statistics
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "scripts" / "lib"))
import chromium  # noqa: E402

ADD = 1
CASES = {
    "1 1/2 + 2/3": ["1", "1", "2", "", "2", "3"],
    "8664213173616000/8086598962041600 + nothing": ["", "8664213173616000", "8086598962041600",
                                                    "", "", ""],
}
IN_PAGE = """
const [action, texts, done] = arguments, api = window.ondavi.api;
const click = () => { texts.forEach((t, i) => api.setText(i + 1, t)); api.click(action); };
let rounds = 1;  // enough rounds for a sample of 25 ms, well above the timer's resolution
for (let start = performance.now(); performance.now() - start < 25; ++rounds) click();
const samples = [];
for (let s = 0; s < 15; ++s) {
  const start = performance.now();
  for (let i = 0; i < rounds; ++i) click();
  samples.push((performance.now() - start) * 1000 / rounds);
}
samples.sort((a, b) => a - b);
done(samples[7]);
"""


def main(page, runner):
    url = pathlib.Path(page).resolve().as_uri()
    driver = chromium.start()
    try:
        loads = []
        for _ in range(10):
            chromium.open_page(driver, url)
            assert driver.execute_script("return document.activeElement.id") == "Text1"
            loads.append(driver.execute_script("return window.ondavi.ready"))
        print(f"page load to Text1 focused and the module ready: median "
              f"{statistics.median(loads):.1f} ms (min {min(loads):.1f}, max {max(loads):.1f})")
        print(f"{'click':<48}{'page':>12}{'native':>12}{'ratio':>8}")
        for name, texts in CASES.items():
            in_page = driver.execute_async_script(IN_PAGE, ADD, texts)
            native = float(subprocess.run([runner, "--time", str(ADD)] + texts,
                                          capture_output=True, text=True, check=True).stdout)
            print(f"{name:<48}{in_page:>9.1f} us{native:>9.1f} us{in_page / native:>7.1f}x")
    finally:
        driver.quit()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
