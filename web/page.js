// The calculator page: builds the form from the table that the WebAssembly module holds and binds
// its boxes and buttons to the module's page session. Captions, places, fonts, tab order,
// accessible names and what each button does all come from the table.
"use strict";

(async () => {
  const module = await OndaviModule();
  const api = {
    form: module.cwrap("ondavi_form", "string", []),
    setText: module.cwrap("ondavi_set_text", null, ["number", "string"]),
    text: module.cwrap("ondavi_text", "string", ["number"]),
    setDecimalSeparator: module.cwrap("ondavi_set_decimal_separator", null, ["number"]),
    click: module.cwrap("ondavi_click", "number", ["number"]),
    message: module.cwrap("ondavi_message", "string", []),
    messageLines: module.cwrap("ondavi_message_lines", "string", []),
    lastResult: module.cwrap("ondavi_last_result", "string", []),
  };
  const form = JSON.parse(api.form());
  const client = document.getElementById("client");
  const windowElement = document.getElementById("window");
  const announcement = document.getElementById("announcement");
  const boxes = []; // boxes[n] is the input of Textn

  // Twips to CSS pixels, rounded down as the desktop windows place them at 96 dpi.
  const px = (twips) => `${Math.floor(twips / form.twipsPerPixel)}px`;
  const place = (element, [left, top, width, height]) => {
    Object.assign(element.style, { left: px(left), top: px(top), width: px(width), height: px(height) });
  };
  const fontOf = (name) => {
    const font = form.fonts[name];
    return `${font.weight} ${(font.points * 96) / 72}px "${font.face}", var(--face)`;
  };

  document.title = form.caption;
  document.getElementById("caption").textContent = form.caption;
  client.style.width = px(form.clientWidth);
  client.style.height = px(form.clientHeight);
  client.style.font = fontOf("default");

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

  // The table lists the controls in tab order, so the page's order is the form's focus order.
  for (const control of form.controls) {
    let element;
    if (control.kind === "textBox") {
      element = document.createElement("input");
      element.type = "text";
      element.maxLength = form.maxBoxLength;
      element.autocomplete = "off";
      element.spellcheck = false;
      element.readOnly = control.answer;
      // A phone offers its digits keyboard for the fraction boxes; the whole-number boxes keep
      // the full keyboard, which has the minus sign (and the point and letters Val reads).
      if (control.digitsOnly) element.inputMode = "numeric";
      boxes[control.box] = element;
    } else if (control.kind === "commandButton") {
      element = document.createElement("button");
      element.type = "button";
      element.textContent = control.caption;
      element.addEventListener("click", () => press(control.action));
    } else {
      element = document.createElement("div");
      element.className = control.kind === "shape" ? "shape" : "label";
      if (control.kind === "shape") element.setAttribute("aria-hidden", "true");
      element.textContent = control.caption;
      if (control.centred) element.style.textAlign = "center";
    }
    element.id = control.name;
    if (control.accessibleName) element.setAttribute("aria-label", control.accessibleName);
    if (control.font !== "default") element.style.font = fontOf(control.font);
    place(element, control.place);
    frame.append(element);
  }
  // The outlines are drawn beneath the controls, as on the desktop.
  for (const shape of frame.querySelectorAll(".shape")) frame.insertBefore(shape, legend.nextSibling);

  // The browser's language gives the decimal separator answers are shown with.
  const separator =
    new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((part) => part.type === "decimal")
      ?.value ?? ".";
  api.setDecimalSeparator(separator.length === 1 && separator.charCodeAt(0) < 128 ? separator.charCodeAt(0) : 46);

  // A box shows its beginning once written and when the user moves on to another control of the
  // page; the text, caret and selection stay as they are. A box too narrow for its text shows
  // the whole text as its tooltip.
  const showBeginning = (box) => {
    box.scrollLeft = 0;
    if (box.readOnly) box.title = box.scrollWidth > box.clientWidth ? box.value : "";
  };
  for (const box of boxes.slice(1)) {
    box.addEventListener("blur", (event) => {
      if (event.relatedTarget) showBeginning(box);
    });
  }

  // A click copies the boxes into the session, clicks there, and copies back what changed.
  function press(action) {
    boxes.forEach((box, n) => box && api.setText(n, box.value));
    const showedMessage = api.click(action);
    boxes.forEach((box, n) => {
      if (!box) return;
      const text = api.text(n);
      if (box.value !== text) {
        box.value = text;
        if (document.activeElement !== box) box.setSelectionRange(0, 0);
      }
      showBeginning(box);
    });
    if (showedMessage) {
      showPrompt(api.messageLines());
    } else if (api.lastResult()) {
      // Said again even when the answer is the same as before.
      announcement.textContent = "";
      requestAnimationFrame(() => (announcement.textContent = api.lastResult()));
    }
  }

  // Messages and Show Work: a modal dialog titled with the application's title, its OK button
  // focused; Enter, Space and Escape close it and the focus goes back where it was. Ctrl+C with
  // nothing selected copies the whole text.
  const prompt = document.getElementById("prompt");
  const promptText = document.getElementById("prompt-text");
  const ok = document.getElementById("prompt-ok");
  document.getElementById("prompt-title").textContent = form.applicationTitle;
  let returnFocus = null;
  function showPrompt(text) {
    returnFocus = document.activeElement;
    promptText.textContent = text;
    prompt.showModal();
    ok.focus();
  }
  ok.addEventListener("click", () => prompt.close());
  prompt.addEventListener("keydown", (event) => {
    if (event.key === "Enter") {
      event.preventDefault();
      prompt.close();
    }
  });
  // Browsers that restore the focus themselves have done so before this event arrives, and the
  // user may have moved on since: only a focus left nowhere goes back.
  prompt.addEventListener("close", () => {
    if (!document.activeElement || document.activeElement === document.body) returnFocus?.focus();
  });
  prompt.addEventListener("copy", (event) => {
    if (String(document.getSelection())) return;
    event.clipboardData.setData("text/plain", promptText.textContent);
    event.preventDefault();
  });

  // The whole form scales to the width of the window (up to twice its size), so that a phone
  // shows all of it and a desktop shows it large.
  const stage = document.getElementById("stage");
  const naturalWidth = windowElement.offsetWidth;
  const naturalHeight = windowElement.offsetHeight;
  function fit() {
    const style = getComputedStyle(stage);
    const room = stage.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const scale = Math.min(2, room / naturalWidth);
    windowElement.style.transform = `scale(${scale})`;
    stage.style.height = `${naturalHeight * scale}px`;
    // The dialog grows with the form, and keeps its own size where the form shrinks to fit.
    prompt.style.zoom = String(Math.max(1, scale));
  }
  new ResizeObserver(fit).observe(stage);
  fit();

  // Hosted, the page can be installed and used offline; opened from disk it fetches nothing.
  if (location.protocol === "https:" || location.protocol === "http:") {
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "ondavi.webmanifest";
    document.head.append(manifest);
    navigator.serviceWorker?.register("ondavi-sw.js").catch(() => {});
  }

  boxes[1].focus();
  window.ondavi = { api, form, ready: performance.now() };
})();
