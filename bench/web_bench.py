"""The browser page's figures: its size raw and gzipped, its first contentful paint in headless
Chromium against the floor page (the same boxes and captions, no program, no pictures), as the
median of interleaved loads, and the time from a click on OK to 13 filled labels.
   web_bench.py <build-web> [rounds]"""
import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
os.environ.setdefault("SOLVANIX_WEB_BUILD_DIR", sys.argv[1] if len(sys.argv) > 1 else "build-web")
import browser  # noqa: E402

ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 31


def first_paint(driver, page):
    driver.get("about:blank")
    driver.get("file://" + page)
    return driver.execute_async_script("""
        const done = arguments[0];
        const look = () => {
          const [paint] = performance.getEntriesByName('first-contentful-paint');
          if (paint) done(paint.startTime); else setTimeout(look, 10);
        };
        look();""")


def main():
    data = open(browser.PAGE, "rb").read()
    print("solvanix.html: %d bytes (%.1f KB), %d bytes gzipped (%.1f KB)" % (
        len(data), len(data) / 1024, len(gzip.compress(data, 9)), len(gzip.compress(data, 9)) / 1024))
    driver = browser.start()
    try:
        page, floor = [], []
        for _ in range(ROUNDS):
            page.append(first_paint(driver, browser.PAGE))
            floor.append(first_paint(driver, browser.FLOOR))
        p, f = statistics.median(page), statistics.median(floor)
        print("first contentful paint, median of %d interleaved loads: page %.1f ms, floor %.1f ms"
              " (%.2fx)" % (ROUNDS, p, f, p / f))

        browser.load(driver)
        width, height, downs, shown = browser.worked_examples()[0]
        browser.enter_example(driver, width, height, downs)
        times = driver.execute_script("""
            const values = arguments[0];
            const ok = document.getElementById(arguments[1]);
            const times = [];
            for (let i = 0; i < 500; ++i) {
              for (const name of values) document.getElementById(name).textContent = '';
              const start = performance.now();
              ok.click();
              const filled = values.every(n => document.getElementById(n).textContent !== '');
              times.push(filled ? performance.now() - start : -1);
            }
            return times;""", ["Label4", "Label1", "Label2"] + ["Label%d" % n for n in range(23, 33)],
            "Command1")
        if min(times) < 0:
            raise SystemExit("a click left a label empty")
        print("OK click to 13 filled labels, median of %d clicks: %.3f ms (90th percentile %.3f ms)"
              % (len(times), statistics.median(times), sorted(times)[int(len(times) * 0.9)]))
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
