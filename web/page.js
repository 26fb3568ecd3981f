// The calculator page: builds the form from the table that the WebAssembly module holds and binds
// its boxes and buttons to the module's page session. Captions, places, fonts, tab order,
// accessible names, the narrow arrangement and what each button does all come from the table.
"use strict";

(async function () {
  const unsupported = document.getElementById("unsupported");
  // The module's binary, stored compressed: unpacked by the browser where it can, or else by
  // ondaviInflate.
  const unpacked = async (base64) => {
    const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    if (typeof DecompressionStream !== "function") return ondaviInflate(packed);
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream("gzip"));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  };
  let module;
  try {
    module = await OndaviModule({ wasmBinary: await unpacked(ondaviModuleBinary) });
  } catch (error) {
    // A browser without WebAssembly (or with it turned off) gets words, not a blank page.
    unsupported.textContent = ondaviPage.texts[ondaviPage.language].noWebAssembly;
    unsupported.classList.add("now");
    document.getElementById("window").hidden = true;
    return;
  }
  unsupported.remove();

  // Texts cross into the module as UTF-8 with their length, so that every character arrives.
  // A short ASCII text, as a box holds, is copied a byte a character: encoding or decoding it
  // would cost a new array, many times the time of copying a few digits.
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const SHORT = 64;
  const isAscii = (text) => {
    for (let i = 0; i < text.length; ++i) if (text.charCodeAt(i) > 0x7f) return false;
    return true;
  };
  const taken = (at) => {
    const length = module._ondavi_returned_length();
    const bytes = module.HEAPU8.subarray(at, at + length);
    if (length > SHORT || !bytes.every((byte) => byte <= 0x7f)) return decoder.decode(bytes);
    return String.fromCharCode(...bytes);
  };
  const put = (text) => {
    if (text.length <= SHORT && isAscii(text)) {
      const at = module._ondavi_buffer(text.length);
      const heap = module.HEAPU8; // read after the buffer is made: the heap may grow
      for (let i = 0; i < text.length; ++i) heap[at + i] = text.charCodeAt(i);
      return;
    }
    const bytes = encoder.encode(text);
    const at = module._ondavi_buffer(bytes.length);
    module.HEAPU8.set(bytes, at);
  };
  const api = {
    form: () => taken(module._ondavi_form()),
    setText: (box, text) => {
      put(text);
      module._ondavi_set_text(box);
    },
    solve: (line) => {
      put(line);
      return module._ondavi_solve();
    },
    enter: (line) => {
      put(line);
      return module._ondavi_enter();
    },
    answerLine: () => taken(module._ondavi_answer_line()),
    text: (box) => taken(module._ondavi_text(box)),
    setDecimalSeparator: (code) => module._ondavi_set_decimal_separator(code),
    click: (action) => module._ondavi_click(action),
    message: () => taken(module._ondavi_message()),
    messageLines: () => taken(module._ondavi_message_lines()),
    lastResult: () => taken(module._ondavi_last_result()),
    chooseLanguage: (languages) => {
      put(languages.join("\n"));
      return taken(module._ondavi_choose_language());
    },
    translate: (text) => {
      put(text);
      return taken(module._ondavi_translate());
    },
    setExplanationOpen: (open) => module._ondavi_set_explanation_open(open ? 1 : 0),
    explained: () => module._ondavi_explained(),
    explanationHtml: () => taken(module._ondavi_explanation_html()),
    explanationText: () => taken(module._ondavi_explanation_text()),
    explanationLatex: () => taken(module._ondavi_explanation_latex()),
  };
  // The user's language: ?lang=fr in the address (for a shared link), or the browser's own
  // languages in order of preference (as the page's first script read them); the form, Show Work,
  // the messages and the page's description follow it.
  const asked = ondaviPage.asked;
  const chosen = api.chooseLanguage(ondaviPage.preferred);
  const language = chosen.replace("_", "-");
  document.documentElement.lang = language;
  document.querySelector('meta[name="description"]').content = ondaviPage.texts[chosen].description;
  document.getElementById("prompt-ok").textContent = api.translate("OK");
  const form = JSON.parse(api.form());
  const client = document.getElementById("client");
  const announcement = document.getElementById("announcement");
  const boxes = []; // boxes[n] is the input of Textn
  const EXPLAIN = 7; // the action of "Explain"

  // Places in twips become CSS pixels at 96 dpi, rounded down as the desktop windows place them;
  // the style sheet uses them for the desktop form and ignores them in the narrow arrangement.
  const px = (twips) => `${Math.floor(twips / form.twipsPerPixel)}px`;
  const place = (element, [left, top, width, height]) => {
    const style = element.style;
    style.setProperty("--x", px(left));
    style.setProperty("--y", px(top));
    style.setProperty("--w", px(width));
    style.setProperty("--h", px(height));
  };
  const fontOf = (name) => {
    const font = form.fonts[name];
    return `${font.weight} ${(font.points * 96) / 72}px "${font.face}", var(--face)`;
  };

  document.title = form.caption;
  document.getElementById("caption").textContent = form.caption;
  place(client, [0, 0, form.clientWidth, form.clientHeight]);
  client.style.setProperty("--font", fontOf("default"));

  // Frame1: a group named by its legend, with its border drawn beneath the caption.
  const frame = document.createElement("fieldset");
  frame.id = form.frame.name;
  place(frame, form.frame.place);
  const border = document.createElement("div");
  border.className = "frame-border";
  border.setAttribute("aria-hidden", "true");
  const legend = document.createElement("legend");
  legend.textContent = form.frame.caption;
  frame.append(border, legend);
  client.append(frame);

  // The narrow arrangement's rows and groups hold the controls; on a wide screen they take no
  // room, and each control stands where the table places it. Rows and groups follow the tab
  // order, so the page's order is the form's focus order either way.
  const rows = [];
  const groupOf = ({ row, group }) => {
    if (!rows[row]) {
      rows[row] = document.createElement("div");
      rows[row].className = "row";
    }
    const found = rows[row].querySelector(`:scope > [data-group="${group}"]`);
    if (found) return found;
    const element = document.createElement("div");
    element.className = "group";
    element.dataset.group = group;
    rows[row].append(element);
    return element;
  };
  const stackOf = (group) => {
    let stack = group.querySelector(":scope > .stack");
    if (!stack) {
      stack = document.createElement("div");
      stack.className = "stack";
      group.append(stack);
    }
    return stack;
  };

  const controls = [...form.controls].sort((a, b) => a.tabIndex - b.tabIndex);
  for (const control of controls) {
    let element;
    if (control.kind === "textBox") {
      element = document.createElement("input");
      element.type = "text";
      element.maxLength = form.maxBoxLength;
      element.autocomplete = "off";
      element.spellcheck = false;
      element.setAttribute("autocapitalize", "off");
      element.readOnly = control.answer;
      // A phone offers its digits keyboard for the fraction boxes; the whole-number boxes keep
      // the full keyboard, which has the minus sign (and the point and letters Val reads).
      if (control.digitsOnly) element.inputMode = "numeric";
      if (!control.answer) element.setAttribute("enterkeyhint", control.box < 6 ? "next" : "done");
      boxes[control.box] = element;
    } else if (control.kind === "commandButton") {
      element = document.createElement("button");
      element.type = "button";
      element.textContent = control.caption;
      element.addEventListener("click", () =>
        control.action === EXPLAIN ? explain(element) : press(control.action),
      );
    } else {
      element = document.createElement("div");
      element.className = control.kind === "shape" ? "shape" : "label";
      if (control.kind === "shape") element.setAttribute("aria-hidden", "true");
      element.textContent = control.caption;
      if (control.centred) element.style.textAlign = "center";
    }
    element.id = control.name;
    element.classList.add("control");
    if (control.accessibleName) element.setAttribute("aria-label", control.accessibleName);
    if (control.font !== "default") element.style.setProperty("--font", fontOf(control.font));
    place(element, control.place);
    element.style.setProperty("--room", px(control.room));
    if (!control.narrow) {
      frame.insertBefore(element, legend.nextSibling); // the outlines, beneath the controls
      continue;
    }
    const group = groupOf(control.narrow);
    const part = control.narrow.part;
    element.dataset.part = part;
    group.classList.add(part === "whole" ? "mixed" : part === "numerator" ? "fraction" : part);
    if (part === "numerator" || part === "denominator") {
      stackOf(group).append(element);
    } else if (part === "heading") {
      group.prepend(element);
    } else {
      group.append(element);
    }
  }
  frame.append(...rows);

  // The language asked for, or else the browser's, gives the decimal separator answers are shown
  // with; a language the browser cannot format in leaves the point. A code written as the
  // catalogs are named ("pt_BR", "de_AT.UTF-8") is given as the tag Intl takes ("pt-BR").
  let separator = ".";
  try {
    const tag = (asked || navigator.language).split(/[.@]/)[0].replace(/_/g, "-");
    const decimal = new Intl.NumberFormat(tag)
      .formatToParts(1.5)
      .find((part) => part.type === "decimal");
    if (decimal && decimal.value.length === 1 && decimal.value.charCodeAt(0) < 128) {
      separator = decimal.value;
    }
  } catch (error) {
    separator = ".";
  }
  api.setDecimalSeparator(separator.charCodeAt(0));

  // Which arrangement the style sheet chose.
  const narrow = () =>
    getComputedStyle(document.documentElement).getPropertyValue("--arrangement").trim() ===
    "narrow";

  // A box shows its beginning once written and when the user moves on to another control of the
  // page; the text, caret and selection stay as they are. An answer box too narrow for its text
  // (the desktop form's) shows the whole text as its tooltip; the narrow arrangement sizes each
  // answer box to its text.
  const showBeginning = (box) => {
    box.scrollLeft = 0;
    if (box.readOnly) box.title = box.scrollWidth > box.clientWidth ? box.value : "";
  };
  for (const box of boxes.slice(1)) {
    box.addEventListener("blur", (event) => {
      if (event.relatedTarget) showBeginning(box);
    });
  }

  // The operands outlive a reload, Back and Forward in this tab, and stay on the device.
  const operands = boxes.slice(1, 7);
  const storageKey = "ondavi-operands";
  const keepOperands = () => {
    try {
      sessionStorage.setItem(storageKey, JSON.stringify(operands.map((box) => box.value)));
    } catch (error) {
      // storage turned off: a reload starts empty, as a new window does
    }
  };
  try {
    const kept = JSON.parse(sessionStorage.getItem(storageKey) || "null");
    if (Array.isArray(kept)) kept.forEach((text, i) => (operands[i].value = String(text)));
  } catch (error) {
    // nothing kept
  }
  for (const box of operands) box.addEventListener("input", keepOperands);

  // Enter in an operand box that holds a whole problem presses its operator, and on other text
  // says why it is none. On a box being filled in (empty, or a lone number) Enter (a phone
  // keyboard's "next") moves on to the next operand box in the narrow arrangement, and
  // elsewhere, as in the windows, does nothing. Pasting a whole problem into an operand box
  // fills all six and presses its operator; anything else is pasted as usual.
  operands.forEach((box, i) => {
    box.addEventListener("keydown", (event) => {
      if (event.key !== "Enter") return;
      if (enter(box.value)) {
        event.preventDefault();
      } else if (narrow() && i + 1 < operands.length) {
        event.preventDefault();
        operands[i + 1].focus();
      }
    });
    box.addEventListener("paste", (event) => {
      if (solve(event.clipboardData.getData("text/plain"))) event.preventDefault();
    });
  });
  // Copy in an answer box with nothing selected copies the whole answer line.
  for (const box of boxes.slice(7)) {
    box.addEventListener("copy", (event) => {
      if (box.selectionStart !== box.selectionEnd) return;
      const line = api.answerLine();
      if (!line) return;
      event.clipboardData.setData("text/plain", line);
      event.preventDefault();
    });
  }

  // A click copies the boxes into the session, clicks there, and copies back what changed.
  function press(action) {
    const before = enterBoxes();
    showOutcome(before, api.click(action) === 1);
  }
  // A whole problem is clicked the same way, once it has filled the operand boxes.
  function solve(line) {
    const before = enterBoxes();
    const solved = api.solve(line);
    if (solved) showOutcome(before, solved === 2);
    return solved !== 0;
  }
  // Enter in an operand box, the same way; tells whether anything happened.
  function enter(line) {
    const before = enterBoxes();
    const entered = api.enter(line);
    if (entered) showOutcome(before, entered === 2);
    return entered !== 0;
  }
  function enterBoxes() {
    boxes.forEach((box, n) => box && api.setText(n, box.value));
    return boxes.map((box, n) => box && api.text(n));
  }
  function showOutcome(before, showedMessage) {
    boxes.forEach((box, n) => {
      if (!box) return;
      const text = api.text(n);
      if (text !== before[n]) {
        box.value = text;
        if (document.activeElement !== box) box.setSelectionRange(0, 0);
      }
      if (box.readOnly) box.style.setProperty("--chars", String(box.value.length));
      showBeginning(box);
    });
    keepOperands();
    if (explanationOpen() && api.explained() !== explainedCount) showExplanation();
    // The live region says the new answer, or nothing when the click left none.
    announcement.textContent = "";
    if (showedMessage) {
      showPrompt(api.messageLines());
    } else if (api.lastResult()) {
      requestAnimationFrame(() => (announcement.textContent = api.lastResult()));
    }
  }

  // Messages and Show Work: a modal dialog titled with the application's title, its OK button
  // focused; Enter, Space and Escape close it and the focus goes back where it was. Ctrl+C with
  // nothing selected copies the whole text. While it is open, its text also waits to be printed
  // below the form.
  const prompt = document.getElementById("prompt");
  const promptText = document.getElementById("prompt-text");
  const printWork = document.getElementById("print-work");
  const ok = document.getElementById("prompt-ok");
  document.getElementById("prompt-title").textContent = form.applicationTitle;
  let returnFocus = null;
  // Browsers without modal dialogs (Safari before 15.4, Firefox before 98) get one drawn by the
  // page: open over a dimmed form that takes no clicks, the focus kept on OK, Escape closing it.
  const modal = typeof prompt.showModal === "function";
  function showPrompt(text) {
    returnFocus = document.activeElement;
    promptText.textContent = text;
    printWork.textContent = text;
    if (modal) {
      prompt.showModal();
    } else {
      prompt.setAttribute("role", "dialog");
      prompt.setAttribute("aria-modal", "true");
      prompt.setAttribute("open", "");
      document.documentElement.classList.add("prompt-open");
    }
    ok.focus();
  }
  function closePrompt() {
    if (modal) {
      prompt.close();
    } else if (prompt.hasAttribute("open")) {
      prompt.removeAttribute("open");
      document.documentElement.classList.remove("prompt-open");
      prompt.dispatchEvent(new Event("close"));
    }
  }
  ok.addEventListener("click", closePrompt);
  prompt.addEventListener("keydown", (event) => {
    if (event.key === "Enter" || (!modal && (event.key === "Escape" || event.key === "Esc"))) {
      event.preventDefault();
      closePrompt();
    } else if (!modal && event.key === "Tab") {
      event.preventDefault();
      ok.focus();
    }
  });
  // Browsers that restore the focus themselves have done so before this event arrives, and the
  // user may have moved on since: only a focus left nowhere, or on the closed dialog, goes back.
  prompt.addEventListener("close", () => {
    printWork.textContent = "";
    const focused = document.activeElement;
    if (!focused || focused === document.body || prompt.contains(focused)) {
      if (returnFocus) returnFocus.focus();
    }
  });
  prompt.addEventListener("copy", (event) => {
    if (String(document.getSelection())) return;
    event.clipboardData.setData("text/plain", promptText.textContent);
    event.preventDefault();
  });

  // Explain: the worked solution of the last calculation below the form, beside the boxes rather
  // than over them, until its close button or Escape closes it; while it is open, each new
  // calculation is explained in it at once. Every number and equation is MathML; a browser that
  // does not draw MathML shows each in the calculator's own notation instead.
  const explanation = document.getElementById("explanation");
  const explanationBody = document.getElementById("explanation-body");
  const explanationTitle = document.getElementById("explanation-title");
  const closeButton = document.getElementById("explanation-close");
  const explanationButtons = {
    "explanation-copy": "Copy",
    "explanation-latex": "Copy LaTeX",
    "explanation-print": "Print",
  };
  explanationTitle.textContent = api.translate("Worked solution");
  for (const [id, text] of Object.entries(explanationButtons)) {
    document.getElementById(id).textContent = api.translate(text);
  }
  closeButton.setAttribute("aria-label", api.translate("Close"));
  closeButton.title = api.translate("Close");
  const drawsMathMl = (() => {
    const probe = document.createElement("div");
    probe.className = "unseen";
    probe.innerHTML = '<math><mspace width="40px" height="10px"></mspace></math>';
    document.body.append(probe);
    const width = probe.firstChild.getBoundingClientRect().width;
    probe.remove();
    return Math.abs(width - 40) < 2;
  })();
  document.documentElement.classList.toggle("no-mathml", !drawsMathMl);
  let explainedCount = -1;
  let explainButton = null;
  const explanationOpen = () => !explanation.hidden;
  function showExplanation() {
    explainedCount = api.explained();
    explanationBody.innerHTML = api.explanationHtml();
    if (drawsMathMl) return;
    for (const math of explanationBody.querySelectorAll("math")) {
      const inline = document.createElement("span");
      inline.className = "inline-math";
      inline.textContent = math.getAttribute("alttext");
      math.replaceWith(inline);
    }
  }
  function explain(button) {
    explainButton = button;
    api.click(EXPLAIN);
    showExplanation();
    const opening = !explanationOpen();
    explanation.hidden = false;
    document.documentElement.classList.add("explaining");
    api.setExplanationOpen(true);
    explanation.scrollIntoView({ block: "nearest" });
    if (opening) explanationTitle.focus({ preventScroll: true });
  }
  function closeExplanation() {
    const hadFocus = explanation.contains(document.activeElement);
    explanation.hidden = true;
    document.documentElement.classList.remove("explaining");
    api.setExplanationOpen(false);
    if (hadFocus && explainButton) explainButton.focus();
  }
  closeButton.addEventListener("click", closeExplanation);
  document.addEventListener("keydown", (event) => {
    if ((event.key === "Escape" || event.key === "Esc") && explanationOpen() && !prompt.open &&
        !prompt.hasAttribute("open")) {
      event.preventDefault();
      closeExplanation();
    }
  });
  // Copy puts the text on the clipboard, one step a line, and the same as HTML with MathML for
  // word processors; Copy LaTeX the LaTeX. The copy event carries both types where the browser
  // lets a click copy; elsewhere the clipboard's own interface takes the text.
  let copying = null;
  document.addEventListener(
    "copy",
    (event) => {
      if (!copying) return;
      for (const [type, data] of Object.entries(copying)) event.clipboardData.setData(type, data);
      event.preventDefault();
    },
    true,
  );
  const copy = (data) => {
    copying = data;
    let copied = false;
    try {
      copied = document.execCommand("copy");
    } catch (error) {
      copied = false;
    }
    copying = null;
    if (!copied && navigator.clipboard) {
      navigator.clipboard.writeText(data["text/plain"]).catch(() => {});
    }
    announcement.textContent = "";
    requestAnimationFrame(() => (announcement.textContent = api.translate("Copied.")));
  };
  const mathNamespace = 'xmlns="http://www.w3.org/1998/Math/MathML" ';
  document.getElementById("explanation-copy").addEventListener("click", () =>
    copy({
      "text/plain": api.explanationText(),
      "text/html": api.explanationHtml().replace(/<math /g, "<math " + mathNamespace),
    }),
  );
  document.getElementById("explanation-latex").addEventListener("click", () =>
    copy({ "text/plain": api.explanationLatex() }),
  );
  document.getElementById("explanation-print").addEventListener("click", () => window.print());

  // Hosted, the page can be installed and used offline; opened from disk it fetches nothing.
  if (location.protocol === "https:" || location.protocol === "http:") {
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "ondavi.webmanifest";
    document.head.append(manifest);
    // The worker learns the name the page is hosted under ("" for a folder's own address).
    const page = location.pathname.slice(location.pathname.lastIndexOf("/") + 1);
    if (navigator.serviceWorker) {
      navigator.serviceWorker
        .register("ondavi-sw.js?page=" + encodeURIComponent(page))
        .catch(() => {});
    }
  }

  // A link can carry a whole problem in its fragment (which never leaves the browser): the page
  // opens with it calculated, once. A reload of the same address (or a phone bringing back a
  // discarded tab) keeps what was typed since. A fragment that is no whole problem is passed over.
  const fragmentKey = "ondavi-fragment";
  const solveFragment = (loading) => {
    let line;
    try {
      line = decodeURIComponent(location.hash.slice(1));
    } catch (error) {
      return; // not a fragment in URL encoding
    }
    try {
      if (loading && sessionStorage.getItem(fragmentKey) === location.hash) return;
      sessionStorage.setItem(fragmentKey, location.hash);
    } catch (error) {
      // storage turned off: every load solves it, as a new tab would
    }
    solve(line);
  };
  window.addEventListener("hashchange", () => solveFragment(false));

  boxes[1].focus();
  solveFragment(true);
  window.ondavi = { api, form, ready: performance.now() };
})();
