// The page's own script: the window's elements (vesko.view), the card (vesko.card), and the
// order of calls into the window's logic, which runs in WebAssembly. It decides nothing about
// settings: the logic does, as in the other windows.
"use strict";

(() => {
  // As the dialog template has them.
  const Kind = { button: 0, list: 1, edit: 2, label: 3, icon: 4 };
  const Style = {
    tabStop: 1 << 0, defaultButton: 1 << 1, rightAligned: 1 << 2, centered: 1 << 3,
    sunken: 1 << 4, readOnly: 1 << 10,
  };
  const Buttons = { ok: 0, okCancel: 1, yesNo: 2 };
  const errorIcon = 1;
  const IDOK = 1;
  const IDCANCEL = 2;

  const $ = (id) => document.getElementById(id);
  let module = null;
  let texts = {};

  // One call into the logic at a time, in the order the user acted: a call may wait for an
  // answer in a box or for the card, and the logic is not to be entered meanwhile.
  let queue = Promise.resolve();
  function call(name, ...args) {
    const run = () => Promise.resolve(module.ccall(
      name, "number", args.map(() => "number"), args, { async: true }));
    queue = queue.then(run, run);
    return queue;
  }

  const view = {
    texts: {},             // what the page says, in its language
    controls: new Map(),   // by the template's identifier
    elements: [],          // in template order
    firstTabStop: null,
    unit: (value, axis) => `calc(${value} * var(--dlu-${axis}))`,

    dialog(width, height, caption) {
      $("page").style.width = view.unit(width, "x");
      $("page").style.height = view.unit(height, "y");
      view.setCaption(caption);
    },

    create(c) {
      const element = document.createElement(
        c.kind === Kind.button ? "button" : c.kind === Kind.list ? "select"
          : c.kind === Kind.edit ? "input" : "label");
      if (c.name) {
        element.id = c.name;
      }
      if (c.key && (c.kind === Kind.list || c.kind === Kind.edit)) {
        element.dataset.key = c.key;  // the setting's key, as vesko-cli names it
      }
      Object.assign(element.style, {
        left: view.unit(c.x, "x"), top: view.unit(c.y, "y"),
        width: view.unit(c.width, "x"), height: view.unit(c.height, "y"),
      });
      if (c.kind === Kind.button) {
        element.type = "button";
        element.textContent = c.caption;
        element.classList.toggle("default", (c.styles & Style.defaultButton) !== 0);
        element.addEventListener("click", () => call("vesko_command", c.id));
      } else if (c.kind === Kind.list) {
        element.addEventListener("change", () => call("vesko_selection_changed", c.id));
      } else if (c.kind === Kind.edit) {
        element.type = "text";
        element.spellcheck = false;
        element.autocomplete = "off";
        element.readOnly = (c.styles & Style.readOnly) !== 0;
        element.classList.toggle("centered", (c.styles & Style.centered) !== 0);
        element.addEventListener("input", () => call("vesko_text_changed", c.id));
      } else {
        element.append(document.createElement("span"));
        element.firstChild.textContent = c.caption;
        element.classList.toggle("right", (c.styles & Style.rightAligned) !== 0);
        element.classList.toggle("sunken", (c.styles & Style.sunken) !== 0);
      }
      if (c.kind === Kind.list || c.kind === Kind.edit) {
        element.setAttribute("aria-label", c.label);
        if (c.description) {
          element.setAttribute("aria-description", c.description);
        }
        const row = view.elements[c.labels];
        if (row && element.id && !row.htmlFor) {
          row.htmlFor = element.id;
        }
      }
      const tabStop = (c.styles & Style.tabStop) !== 0;
      if (!tabStop && c.kind !== Kind.label) {
        element.tabIndex = -1;
      }
      if (tabStop && !view.firstTabStop) {
        view.firstTabStop = element;
      }
      view.elements.push(element);
      if (c.id >= 0) {
        view.controls.set(c.id, element);
      }
      $("page").append(element);
    },

    addEntry(id, text) {
      view.controls.get(id).add(new Option(text));
    },

    // A fresh window for the next card: the logic takes every control as it was built.
    reset() {
      for (const element of view.elements) {
        view.enableElement(element, true);
        if (element.tagName === "SELECT") {
          element.selectedIndex = -1;
        } else if (element.tagName === "INPUT") {
          element.value = "";
        }
      }
    },

    getSelection: (id) => view.controls.get(id).selectedIndex,
    setSelection(id, index) {
      const list = view.controls.get(id);
      list.selectedIndex = index >= 0 && index < list.length ? index : -1;
    },
    getText: (id) => view.controls.get(id).value,
    setText(id, text) {
      view.controls.get(id).value = text;
    },
    enableElement(element, enabled) {
      if (element.tagName === "LABEL") {
        element.classList.toggle("disabled", !enabled);
      } else {
        element.disabled = !enabled;
      }
    },
    enable(id, enabled) {
      view.enableElement(view.controls.get(id), enabled);
    },
    limitText(id, count) {
      view.controls.get(id).maxLength = count;
    },
    placeCaretAtEnd(id) {
      const edit = view.controls.get(id);
      edit.setSelectionRange(edit.value.length, edit.value.length);
      edit.scrollLeft = edit.scrollWidth;
    },
    setFocus(id) {
      view.controls.get(id).focus();
    },
    setCaption(caption) {
      $("caption").textContent = caption;
      document.title = caption;
    },

    // A modal box; the answer is 1 for OK or Yes. A stray Enter must not say Yes.
    showMessage(text, caption, buttons, icon) {
      const box = $("box");
      $("box-caption").textContent = caption;
      $("box-text").textContent = text;
      $("box-text").toggleAttribute("data-icon", icon !== 0);
      $("box-text").dataset.icon = icon;
      const row = $("box-buttons");
      row.replaceChildren();
      const choices = buttons === Buttons.yesNo ? [[texts.yes, 1], [texts.no, 0]]
        : buttons === Buttons.okCancel ? [[texts.ok, 1], [texts.cancel, 0]] : [[texts.ok, 1]];
      const escape = buttons === Buttons.ok ? 1 : 0;
      const chosen = buttons === Buttons.yesNo ? 0 : 1;
      return new Promise((resolve) => {
        const answer = (value) => {
          box.onclose = null;
          box.close();
          resolve(value);
        };
        let focus = null;
        for (const [label, value] of choices) {
          const button = document.createElement("button");
          button.type = "button";
          button.textContent = label;
          button.addEventListener("click", () => answer(value));
          row.append(button);
          if (value === chosen) {
            focus = button;
          }
        }
        box.oncancel = (event) => {
          event.preventDefault();
          answer(escape);
        };
        box.showModal();
        focus.focus();
      });
    },

    // The other windows end here; the page offers the next card.
    endDialog(ok) {
      $("window").hidden = true;
      $("status").textContent = ok ? (card.mode === "file" ? texts.downloaded : texts.written)
        : texts.closed;
      offerCard();
    },

    // A browser lays text out a little wider than the other windows: a label that does not
    // fit its box is set a little tighter, as much as it takes. Once, with the window shown.
    fitCaptions() {
      if (view.fitted) {
        return;
      }
      view.fitted = true;
      for (const element of view.elements) {
        const text = element.firstChild;
        if (element.tagName !== "LABEL" || !text || text.textContent.length < 2) {
          continue;
        }
        const style = getComputedStyle(element);
        const over = text.offsetWidth -
          (element.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight));
        if (over > 0) {
          text.style.letterSpacing = `${-over / (text.textContent.length - 1)}px`;
        }
      }
    },

    // What the logic did not foresee ends the window, writing nothing more; the "Error" box
    // says what is known, and the page offers the next card.
    failed(what, caption) {
      $("window").hidden = true;
      if (!texts.ok) {  // the page is not built yet: no box to say it in
        $("status").textContent = what;
        return;
      }
      $("status").textContent = "";
      offerCard();
      view.showMessage(what, caption, Buttons.ok, errorIcon);
    },
  };

  // The card: the folder the user picked, or a config.bin the user opened, whose new bytes
  // go out as a download. What the logic asks for comes back in text, bytes and number.
  const card = {
    mode: null,
    folder: null,
    file: null,  // the opened file: { name, bytes, modified }
    text: "",
    bytes: new Uint8Array(0),
    number: 0,

    async call(operation, args) {
      try {
        return await card[operation](...args);
      } catch (error) {
        card.text = `${(error && error.name) || "Error"}\n${(error && error.message) || error}`;
        return -1;
      }
    },

    async list() {
      const names = [];
      if (card.mode === "folder") {
        for await (const name of card.folder.keys()) {
          names.push(name);
        }
      } else if (card.file) {
        names.push(card.file.name);
      }
      card.text = names.join("\n");
      return 0;
    },

    // The picked folder's name, for a question about it.
    async name() {
      card.text = card.folder ? card.folder.name : "";
      return 0;
    },

    // Not there: 1, while the folder itself is; a folder gone with its card throws.
    async missing(error) {
      if (error.name !== "NotFoundError") {
        throw error;
      }
      await card.folder.keys().next();
      return 1;
    },

    async read(name) {
      if (card.mode !== "folder") {
        if (!card.file || card.file.name !== name) {
          return 1;
        }
        card.bytes = card.file.bytes.slice();
        card.number = card.file.modified;
        return 0;
      }
      let file;
      try {
        file = await (await card.folder.getFileHandle(name)).getFile();
      } catch (error) {
        return card.missing(error);
      }
      card.bytes = new Uint8Array(await file.arrayBuffer());
      card.number = file.lastModified;
      return 0;
    },

    // The browser writes into a file of its own beside the old one and puts it in the old
    // one's place when it closes: a failure leaves the old file as it was.
    async write(name, bytes, whole) {
      if (card.mode !== "folder") {
        const old = card.file.bytes;
        const next = whole ? bytes : new Uint8Array(Math.max(old.length, bytes.length));
        if (!whole) {
          next.set(old);
          next.set(bytes);
        }
        card.keep(name, next);
        return 0;
      }
      const handle = await card.folder.getFileHandle(name);
      const writable = await handle.createWritable({ keepExistingData: !whole });
      try {
        await writable.write({ type: "write", position: 0, data: bytes });
        await writable.close();
      } catch (error) {
        await writable.abort().catch(() => {});
        throw error;
      }
      card.number = (await handle.getFile()).lastModified;
      return 0;
    },

    async create(name, bytes) {
      if (card.mode !== "folder") {
        if (card.file) {
          return 1;
        }
        card.keep(name, bytes);
        return 0;
      }
      try {
        await card.folder.getFileHandle(name);
        return 1;
      } catch (error) {
        if (await card.missing(error) !== 1) {
          return -1;
        }
      }
      const handle = await card.folder.getFileHandle(name, { create: true });
      try {
        const writable = await handle.createWritable();
        await writable.write(bytes);
        await writable.close();
      } catch (error) {
        await card.folder.removeEntry(name).catch(() => {});
        throw error;
      }
      card.number = (await handle.getFile()).lastModified;
      return 0;
    },

    // An opened file's new bytes, handed to the user as the download of a new config.bin.
    keep(name, bytes) {
      const modified = card.file ? card.file.modified + 1 : 1;
      card.file = { name, bytes: bytes.slice(), modified };
      card.number = modified;
      const link = document.createElement("a");
      link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
      link.download = name;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    },
  };

  // Shows the window on the card now held: the one entry point for both kinds of card.
  async function showCard() {
    $("status").textContent = "";
    view.reset();
    $("window").hidden = false;
    $("open-card").hidden = true;
    $("open-file-label").hidden = true;
    view.fitCaptions();
    await call("vesko_open");
    (view.firstTabStop || $("page")).focus();
  }

  const canPickFolders = typeof window.showDirectoryPicker === "function";

  function offerCard() {
    $("open-card").hidden = !canPickFolders;
    $("open-file-label").hidden = canPickFolders;
  }

  // A dialog unit of the window's font, as the other windows count it: a quarter of its
  // average character width (from the alphabet, rounded as Windows rounds it) and an eighth
  // of its height. CSS pixels, so that the page's zoom scales the window.
  function measureDialogUnits() {
    const context = document.createElement("canvas").getContext("2d");
    context.font = getComputedStyle(document.documentElement).font;
    const metrics = context.measureText("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const baseX = Math.floor((Math.floor(Math.round(metrics.width) / 26) + 1) / 2);
    const height = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
    const root = document.documentElement.style;
    if (baseX > 0) {
      root.setProperty("--dlu-x", `${baseX / 4}px`);
    }
    if (height > 0) {
      root.setProperty("--dlu-y", `${Math.round(height) / 8}px`);
    }
  }

  async function inflate(base64) {
    const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }

  // The first of the user's languages there is a catalog for: with its country ("pt_BR"),
  // else the language alone ("de"); none means English.
  function catalogFor(languages) {
    for (const tag of languages) {
      const [language, country] = tag.split("-");
      for (const name of [`${language}_${(country || "").toUpperCase()}`, language]) {
        if (veskoData.catalogs[name]) {
          return name;
        }
      }
    }
    return null;
  }

  async function start() {
    module = await createVesko({
      wasmBinary: await inflate(veskoData.wasm),
      veskoView: view,
      veskoCard: card,
    });
    const language = catalogFor(navigator.languages || [navigator.language || "en"]);
    if (language) {
      const bytes = await inflate(veskoData.catalogs[language]);
      const kept = module._malloc(bytes.length);  // for as long as the page lives
      module.HEAPU8.set(bytes, kept);
      module.ccall("vesko_use_catalog", "number", ["number", "number"], [kept, bytes.length]);
      document.documentElement.lang = language.replace("_", "-");
    }
    measureDialogUnits();
    module.ccall("vesko_build", "number", [], []);
    texts = view.texts;
    $("open-card").textContent = texts.openCard;
    $("open-file-caption").textContent = texts.openFile;
    $("note").textContent = canPickFolders ? texts.cardNote : texts.fileNote;
    $("window").addEventListener("keydown", (event) => {
      if (event.key === "Escape") {
        event.preventDefault();
        call("vesko_command", IDCANCEL);
      } else if (event.key === "Enter" && event.target.tagName !== "BUTTON") {
        event.preventDefault();
        call("vesko_command", IDOK);
      }
    });
    $("open-card").addEventListener("click", async () => {
      let folder;
      try {
        folder = await window.showDirectoryPicker({ mode: "readwrite" });
      } catch (error) {
        return;  // the user chose none
      }
      await window.vesko.openCard(folder);
    });
    $("open-file").addEventListener("change", async (event) => {
      const chosen = event.target.files[0];
      event.target.value = "";
      if (chosen) {
        await window.vesko.openFile(chosen);
      }
    });
    offerCard();
  }

  window.vesko = {
    // The top folder of a card, as showDirectoryPicker gives it; settles once it is shown.
    async openCard(folder) {
      card.mode = "folder";
      card.folder = folder;
      card.file = null;
      await showCard();
    },
    // A config.bin opened from a file input, where folders cannot be written.
    async openFile(file) {
      card.mode = "file";
      card.folder = null;
      // Whatever the browser named it ("config (1).bin"), it is the card's config.bin.
      const name = /^config\.bin$/i.test(file.name) ? file.name : "config.bin";
      card.file = { name, bytes: new Uint8Array(await file.arrayBuffer()), modified: 1 };
      await showCard();
    },
    ready: start(),
    // Settles once every call the user's actions made so far has ended: for scripts and
    // tests, which act as the user does.
    settled: () => queue,
  };
})();
