// The page's behaviour: which element does what comes from the description's roles (#Roles);
// the rules and the commands themselves run in the WebAssembly module.
"use strict";
(function () {
  const roles = JSON.parse(document.getElementById("Roles").textContent);
  const byName = (name) => document.getElementById(name);
  let ready = false;
  let busy = false;
  let module = null;

  // The lists start with no item chosen.
  for (const name of roles.lists) byName(name).selectedIndex = -1;

  // A dimension box holds its text as the input rule reads it, whatever changed it.
  const valueOf = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, "value");
  const held = (text) => {
    if (!ready) return text;
    let out = "";
    for (const character of text) {
      out += String.fromCodePoint(module._solvanix_in_dimension_box(character.codePointAt(0)));
    }
    return out;
  };
  const hold = (box) => {
    const text = valueOf.get.call(box);
    const kept = held(text);
    if (kept === text) return;
    const caret = held(text.slice(0, box.selectionEnd ?? text.length)).length;
    valueOf.set.call(box, kept);
    box.setSelectionRange(caret, caret);
  };
  for (const name of roles.dimensionBoxes) {
    const box = byName(name);
    Object.defineProperty(box, "value", {
      configurable: true,
      get() { return valueOf.get.call(this); },
      set(text) { valueOf.set.call(this, held(String(text)).slice(0, this.maxLength)); },
    });
    // Typed and pasted text goes in already as the box holds it, as one edit that undo takes
    // back; setting the value afterwards would leave nothing to undo.
    box.addEventListener("beforeinput", (event) => {
      if (!["insertText", "insertFromPaste", "insertReplacementText"].includes(event.inputType)) {
        return;
      }
      const data = event.data ?? event.dataTransfer?.getData("text/plain") ?? "";
      const kept = held(data);
      if (kept === data) return;
      event.preventDefault();
      document.execCommand("insertText", false, kept);
    });
    box.addEventListener("input", (event) => { if (!event.isComposing) hold(box); });
    box.addEventListener("compositionend", () => hold(box));
  }

  // A list shows one of its items or nothing: no typed character reaches it; the arrows move to
  // the next or previous item of a closed list; Delete clears its shown item.
  const moveTo = (list, index) => {
    if (index === list.selectedIndex) return;
    list.selectedIndex = index;
    list.dispatchEvent(new Event("input", {bubbles: true}));
    list.dispatchEvent(new Event("change", {bubbles: true}));
  };
  for (const name of roles.lists) {
    const list = byName(name);
    list.addEventListener("keydown", (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey) return;
      if (event.key === "ArrowDown") {
        moveTo(list, Math.min(list.selectedIndex + 1, list.options.length - 1));
      } else if (event.key === "ArrowUp") {
        if (list.selectedIndex > 0) moveTo(list, list.selectedIndex - 1);
      } else if (event.key === "Delete") {
        moveTo(list, -1);
      } else if (event.key.length !== 1 && event.key !== "Backspace" && event.key !== "Enter") {
        return;
      }
      event.preventDefault();
    });
  }

  // Tab goes round the description's focus order.
  const order = roles.focusOrder.map(byName);
  document.addEventListener("keydown", (event) => {
    if (event.key === "F1") {
      event.preventDefault();
      about();
      return;
    }
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey) return;
    const from = order.indexOf(document.activeElement);
    if (from < 0) return;
    event.preventDefault();
    order[(from + (event.shiftKey ? order.length - 1 : 1)) % order.length].focus();
  });

  // A command that leaves a box open goes on when the box closes, and may open another: the
  // page takes no other command until the module says the last one is over. The box's close
  // event comes a moment after the box has closed: the event or the next command, whichever
  // comes first, lets the run go on, so that a command never overtakes the rest of the last one.
  const box = byName("MessageBox");
  const settle = () => {
    if (busy && !box.open) busy = module._solvanix_box_closed() !== 0;
  };
  box.addEventListener("close", settle);
  const run = (command) => {
    if (!ready) return;
    settle();
    if (busy) return;
    // Routes that fire no input event (setRangeText, a script) meet the rule before any read.
    for (const name of roles.dimensionBoxes) hold(byName(name));
    busy = module["_" + command]() !== 0;
  };
  const about = () => run("solvanix_about");
  byName(roles.calculate).addEventListener("click", () => run("solvanix_calculate"));
  for (const name of roles.about) byName(name).addEventListener("click", about);

  // The module's code is decoded, gunzipped by the browser and compiled once the window has
  // painted.
  const start = () => {
    const text = atob(byName("ModuleBinary").textContent);
    const gzipped = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) gzipped[i] = text.charCodeAt(i);
    const config = {
      onRuntimeInitialized() {
        module = config;
        ready = true;
        for (const name of roles.dimensionBoxes) hold(byName(name));
        document.documentElement.dataset.ready = "";
      },
    };
    const unzipped = new Blob([gzipped]).stream().pipeThrough(new DecompressionStream("gzip"));
    new Response(unzipped).arrayBuffer().then((wasmBinary) => {
      config.wasmBinary = wasmBinary;
      SolvanixModule(config);  // eslint-disable-line no-undef
    });
  };
  // The module starts once the window's first paint is on the screen, so that decoding and
  // compiling it holds nothing of that paint back. A page that is not drawn (a hidden tab) records
  // no paint: it starts a second later then.
  let started = false;
  const startOnce = () => {
    if (started) return;
    started = true;
    start();
  };
  // The module's script and code come after this one: they are there once the document is parsed.
  document.addEventListener("DOMContentLoaded", () => {
    new PerformanceObserver((entries, observer) => {
      if (!entries.getEntriesByName("first-contentful-paint").length) return;
      observer.disconnect();
      startOnce();
    }).observe({type: "paint", buffered: true});
    setTimeout(startOnce, 1000);
  });
})();
