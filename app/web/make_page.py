"""Puts the page together into one HTML file: the template with its style and script inline,
the WebAssembly and every catalog inside, each gzip-compressed and base64-encoded (the page
inflates them with the browser's own DecompressionStream).

Usage: make_page.py OUT TEMPLATE CSS SCRIPT MODULE_JS MODULE_WASM [CATALOG.mo...]
"""
import base64
import gzip
import json
import pathlib
import sys


def packed(path):
    data = pathlib.Path(path).read_bytes()
    return base64.b64encode(gzip.compress(data, compresslevel=9, mtime=0)).decode("ascii")


def inline_script(text):
    # Nothing in a script may end the element it sits in.
    return text.replace("</script", "<\\/script")


def main():
    out, template, css, script, module_js, wasm, *catalogs = sys.argv[1:]
    data = {
        "wasm": packed(wasm),
        "catalogs": {pathlib.Path(mo).stem: packed(mo) for mo in sorted(catalogs)},
    }
    page = pathlib.Path(template).read_text(encoding="utf-8")
    for marker, text in (
        ("@STYLE@", pathlib.Path(css).read_text(encoding="utf-8")),
        ("@DATA@", inline_script("const veskoData = " + json.dumps(data) + ";")),
        ("@MODULE@", inline_script(pathlib.Path(module_js).read_text(encoding="utf-8"))),
        ("@SCRIPT@", inline_script(pathlib.Path(script).read_text(encoding="utf-8"))),
    ):
        page = page.replace(marker, text, 1)
    pathlib.Path(out).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
