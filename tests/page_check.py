"""The page in a real browser: headless Chromium driven by Selenium, the page served from
127.0.0.1 by a throwaway server, cards made in the browser's origin-private file system and
handed to window.vesko.openCard as "Open card..." hands over a folder. What it shows and
writes is held against vesko-cli on the same bytes.

Usage: page_check.py PAGE VESKO_CLI SAMPLE_CARD
"""
import base64
import functools
import http.server
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

failures = []


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def check(condition, what):
    if not condition:
        failures.append(what)
        print("page check: FAILED:", what, file=sys.stderr)


def browser(work, language="en-US"):
    options = Options()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", f"--lang={language}",
                     f"--user-data-dir={tempfile.mkdtemp(dir=work)}"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


# What the page's script gets to do in the browser: a card made in the origin-private file
# system, shown as "Open card..." would show it, and the card's bytes read back.
HELPERS = """
window.checks = {
  async folder(name, base64) {
    const root = await navigator.storage.getDirectory();
    await root.removeEntry(name, {recursive: true}).catch(() => {});
    const folder = await root.getDirectoryHandle(name, {create: true});
    if (base64 !== null) {
      await checks.put(folder, base64);
    }
    return folder;
  },
  async put(folder, base64) {
    const writable = await (await folder.getFileHandle("config.bin", {create: true}))
        .createWritable();
    await writable.write(Uint8Array.from(atob(base64), (c) => c.charCodeAt(0)));
    await writable.close();
  },
  async bytes(name) {
    const folder = await (await navigator.storage.getDirectory()).getDirectoryHandle(name);
    const file = await (await folder.getFileHandle("config.bin")).getFile();
    const bytes = new Uint8Array(await file.arrayBuffer());
    return btoa(String.fromCharCode(...bytes));
  },
  shown() {
    const shown = {};
    for (const input of document.querySelectorAll("#page [data-key]")) {
      shown[input.dataset.key] = input.tagName === "SELECT"
          ? (input.selectedIndex < 0 ? null : input.options[input.selectedIndex].text)
          : input.value;
    }
    shown["firmware-version"] = document.getElementById("IDC_FIRMWARE_VERSION").value;
    return shown;
  },
  box() {
    const box = document.getElementById("box");
    return box.open ? {caption: document.getElementById("box-caption").textContent,
                       text: document.getElementById("box-text").textContent} : null;
  },
};
"""


def run(driver, script, *arguments):
    """Runs `script` (the body of an async function of `args`) in the page; its result."""
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "(async (args) => {" + script + "})([...arguments].slice(0, -1))"
        ".then(done, (error) => done({error: String(error)}));", *arguments)


def wait_for_box(driver, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        box = driver.execute_script("return checks.box();")
        if box:
            return box
        time.sleep(0.05)
    return None


def answer(driver, button):
    """Presses `button` in the open box, then waits until the window has done with it."""
    driver.execute_script(
        "[...document.querySelectorAll('#box-buttons button')]"
        ".find((b) => b.textContent === arguments[0]).click();", button)


def click(driver, element):
    driver.execute_script(f"document.getElementById('{element}').click();")


def settled(driver):
    run(driver, "await window.vesko.settled();")


def open_card(driver, name, card_bytes):
    return run(driver, """
        await window.vesko.ready;
        await window.vesko.openCard(await checks.folder(args[0], args[1]));
        return checks.shown();""", name, base64.b64encode(card_bytes).decode() if card_bytes
               is not None else None)


def card_bytes(driver, name):
    return base64.b64decode(run(driver, "return await checks.bytes(args[0]);", name))


def cli(vesko_cli, *arguments):
    return subprocess.run([vesko_cli, *arguments], check=True, capture_output=True, text=True)


def without_time(data):
    return data[:100] + data[112:]


def main():
    page, vesko_cli, sample = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
    sample_bytes = (sample / "config.bin").read_bytes()
    work = pathlib.Path(tempfile.mkdtemp())
    site = work / "site"
    site.mkdir()
    shutil.copy(page, site / "vesko.html")
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_port}/vesko.html"
    driver = browser(work)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": HELPERS})
        driver.get(url)

        # The sample card, control by control, as vesko-cli shows the same bytes.
        shown = open_card(driver, "sample", sample_bytes)
        card = json.loads(cli(vesko_cli, "show", "--json", str(sample)).stdout)[0]
        expected = {key: str(value) for key, value in card["settings"].items()}
        expected["firmware-version"] = card["read-only"]["firmware-version"]
        check(shown == expected, f"the sample card shows {shown}, vesko-cli {expected}")
        check(driver.switch_to.active_element.get_attribute("id") == "IDOK",
              "the focus starts on OK (Save)")

        # Every list heard by its label with its entry, as a screen reader reads the page.
        tree = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        heard = {node["name"]["value"]: node["value"]["value"] for node in tree
                 if node.get("role", {}).get("value") == "combobox" and "value" in node}
        named = driver.execute_script(
            "return [...document.querySelectorAll('#page select')]"
            ".map((list) => [list.getAttribute('aria-label'), list.dataset.key]);")
        check(len(heard) == len(named) == 19 and
              all(heard.get(label) == expected[key] for label, key in named),
              f"the lists as a screen reader hears them: {heard}")

        # Two settings changed and saved: the bytes vesko-cli writes for the same change.
        driver.execute_script("""
            const audio = document.querySelector('[data-key="audio"]');
            audio.selectedIndex = 1;
            audio.dispatchEvent(new Event('change'));
            const number = document.querySelector('[data-key="vehicle-number"]');
            number.value = 'NEW_7';
            number.dispatchEvent(new Event('input'));""")
        click(driver, "IDOK")
        box = wait_for_box(driver)
        check(box and box["caption"] == "Success", f"OK (Save) ends with {box}")
        answer(driver, "OK")
        settled(driver)
        copy = work / "cli-card"
        shutil.copytree(sample, copy)
        cli(vesko_cli, "set", str(copy), "audio=OFF", "vehicle-number=NEW_7")
        check(without_time(card_bytes(driver, "sample")) ==
              without_time((copy / "config.bin").read_bytes()),
              "the page and vesko-cli write other bytes for the same change")
        check("written" in driver.find_element("id", "status").text,
              "the page says the settings were written")

        # A card changed behind the page is asked about; "No" writes nothing.
        open_card(driver, "changed", sample_bytes)
        other = bytearray(sample_bytes)
        other[8] = 20
        run(driver, "await checks.put(await (await navigator.storage.getDirectory())"
                    ".getDirectoryHandle('changed'), args[0]);",
            base64.b64encode(bytes(other)).decode())
        click(driver, "IDOK")
        box = wait_for_box(driver)
        check(box and box["caption"] == "config.bin has changed" and "Time Zone" in box["text"],
              f"a card changed behind the page: {box}")
        answer(driver, "No")
        settled(driver)
        check(card_bytes(driver, "changed") == bytes(other), "No wrote to the card")

        # A refusal writes nothing.
        driver.execute_script("""
            const ssid = document.querySelector('[data-key="wifi-ssid"]');
            ssid.value = '';
            ssid.dispatchEvent(new Event('input'));""")
        click(driver, "IDOK")
        box = wait_for_box(driver)
        check(box and box["text"] == "Please Enter WiFi SSID.", f"an empty SSID: {box}")
        answer(driver, "OK")
        settled(driver)
        check(card_bytes(driver, "changed") == bytes(other), "a refused save wrote")

        # A folder without config.bin is asked about by its name; "No" writes nothing.
        open_card(driver, "empty", None)
        click(driver, "IDOK")
        box = wait_for_box(driver)
        check(box and box["caption"] == "New config.bin" and
              box["text"].startswith("There is no config.bin in empty."),
              f"a folder without config.bin: {box}")
        answer(driver, "No")
        settled(driver)
        check(run(driver, """const folder = await (await navigator.storage.getDirectory())
                                 .getDirectoryHandle('empty');
                             for await (const name of folder.keys()) return name;
                             return null;""") is None, "No made a file")

        # Format SD Card, then Default Set: what vesko-cli writes for format and defaults.
        open_card(driver, "reset", sample_bytes)
        click(driver, "IDC_FORMAT_SD")
        wait_for_box(driver)
        answer(driver, "OK")
        click(driver, "IDC_DEFAULT_SET")
        box = wait_for_box(driver)
        check(box and box["caption"] == "Default Set", f"Default Set asks: {box}")
        answer(driver, "OK")
        settled(driver)
        copy = work / "cli-reset"
        shutil.copytree(sample, copy)
        cli(vesko_cli, "format", str(copy))
        cli(vesko_cli, "defaults", str(copy))
        check(without_time(card_bytes(driver, "reset")) ==
              without_time((copy / "config.bin").read_bytes()),
              "Format SD Card and Default Set wrote other bytes than vesko-cli")

        # Where folders cannot be written: a file in, a download out.
        downloads = work / "downloads"
        downloads.mkdir()
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": "delete window.showDirectoryPicker;"})
        driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                               {"behavior": "allow", "downloadPath": str(downloads)})
        driver.get(url)
        run(driver, "await window.vesko.ready;")
        check(driver.find_element("id", "open-card").get_attribute("hidden") is not None and
              driver.find_element("id", "open-file-label").get_attribute("hidden") is None,
              "without folders the page offers a file")
        long_card = sample_bytes + bytes(range(72))
        (work / "config.bin").write_bytes(long_card)
        driver.find_element("id", "open-file").send_keys(str(work / "config.bin"))
        end = time.time() + 10
        while driver.find_element("id", "window").get_attribute("hidden") is not None:
            check(time.time() < end, "the opened file was never shown")
            time.sleep(0.05)
        settled(driver)
        click(driver, "IDOK")
        wait_for_box(driver)
        answer(driver, "OK")
        settled(driver)
        downloaded = downloads / "config.bin"
        end = time.time() + 10
        while not downloaded.exists() and time.time() < end:
            time.sleep(0.1)
        check(downloaded.exists() and downloaded.read_bytes()[128:] == long_card[128:] and
              without_time(downloaded.read_bytes()[:128]) == without_time(long_card[:128]),
              "the download is the opened file, saved, with its bytes past 128")
    finally:
        driver.quit()

    # In the browser's language, from the catalogs inside the page.
    german = browser(work, "de")
    try:
        german.get(url)
        run(german, "await window.vesko.ready;")
        check(german.find_element("id", "IDOK").text == "OK (Speichern)",
              f"German: {german.find_element('id', 'IDOK').text!r}")
    finally:
        german.quit()

    # Opened from disk, as a driver double-clicks it.
    local = browser(work)
    try:
        local.get((site / "vesko.html").as_uri())
        shown = run(local, """
            await window.vesko.ready;
            await window.vesko.openFile(new File([Uint8Array.from(atob(args[0]),
                                                  (c) => c.charCodeAt(0))], "config.bin"));
            return document.getElementById("IDC_VIDEO_RESOLUTION").value !== undefined &&
                   !document.getElementById("window").hidden;""",
                    base64.b64encode(sample_bytes).decode())
        check(shown is True, f"opened from disk: {shown}")
    finally:
        local.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)

    print(f"page check: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
