"""Opens the page in headless Chromium from a local server, over and over, on a card in the
browser's own file system: prints the median and the 10th and 90th percentiles, in ms, of the
time from the page's start to a shown card (as the page's own clock counts it), one number
each on a line.

Usage: page_bench.py PAGE CARD RUNS
"""
import base64
import functools
import http.server
import pathlib
import shutil
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    page, card, runs = sys.argv[1], pathlib.Path(sys.argv[2]), int(sys.argv[3])
    work = pathlib.Path(tempfile.mkdtemp())
    shutil.copy(page, work / "vesko.html")
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=work))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = Options()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", f"--user-data-dir={work / 'profile'}"):
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    url = f"http://127.0.0.1:{server.server_port}/vesko.html"
    try:
        driver.get(url)
        driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            (async () => {
              const root = await navigator.storage.getDirectory();
              const folder = await root.getDirectoryHandle("card", {create: true});
              const writable = await (await folder.getFileHandle("config.bin", {create: true}))
                  .createWritable();
              await writable.write(Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0)));
              await writable.close();
            })().then(done);""", base64.b64encode((card / "config.bin").read_bytes()).decode())
        times = []
        for _ in range(runs + 1):  # the first warms the browser's caches
            driver.get(url)
            times.append(driver.execute_async_script("""
                const done = arguments[arguments.length - 1];
                (async () => {
                  await window.vesko.ready;
                  const root = await navigator.storage.getDirectory();
                  await window.vesko.openCard(await root.getDirectoryHandle("card"));
                  return performance.now();
                })().then(done);"""))
        times = sorted(times[1:])
        deciles = statistics.quantiles(times, n=10)
        print(f"{statistics.median(times):.0f}\n{deciles[0]:.0f}\n{deciles[-1]:.0f}")
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
