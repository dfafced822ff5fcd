// The web edition's page: draws the window from the design table that the C++ core gives
// (bx_design), shows what the rules left in the window (bx_view) and hands every gesture of the
// student back to the core (bx_run). No rule, text or limit of the planner lives here; the page
// only draws, asks the questions the rules raise and keeps the plan in the browser's storage.
"use strict";

(function () {
  const params = new URLSearchParams(location.search);
  const driven = params.has("drive");  // scripts/web-drive: frozen clock, fresh plan
  const STORE = "belegix-plan";
  const WORDS = { Yes: "Ja", No: "Nein", OK: "OK" };
  const ACCESS = { Yes: "j", No: "n" };

  let mod = null;
  let design = null;
  let view = null;
  const els = {};      // control name -> its element
  const parts = {};    // control name -> inner parts (input, select, options, cells, panels)
  let syncing = 0;     // > 0 while the page itself moves the focus
  let queue = Promise.resolve();
  let busy = 0;
  const stats = [];

  const call = (name, ...args) =>
    mod.ccall(name, "string", args.map((a) => (typeof a === "number" ? "number" : "string")), args);
  const callInt = (name, ...args) =>
    mod.ccall(name, "number", args.map((a) => (typeof a === "number" ? "number" : "string")), args);

  // ---------------------------------------------------------------------------------------------
  // Building the window from the design table

  function css(word) {
    return design.colours[word] || word;
  }

  function svg(markup, cls) {
    const span = document.createElement("span");
    span.className = cls;
    span.setAttribute("aria-hidden", "true");
    span.innerHTML = markup;
    return span;
  }

  const GLYPHS = {
    help: '<svg viewBox="0 0 16 16"><circle cx="8" cy="8" r="7" fill="#000080"/><text x="8" y="12" font-size="11" font-weight="bold" text-anchor="middle" fill="#fff" font-family="Liberation Sans, Arial">?</text></svg>',
    alldone: '<svg viewBox="0 0 16 16"><path d="M2 9l4 4 8-10" fill="none" stroke="#008000" stroke-width="2.5"/></svg>',
    retry: '<svg viewBox="0 0 16 16"><path d="M13 8a5 5 0 1 1-2-4" fill="none" stroke="#008000" stroke-width="2"/><path d="M10 1l2 3-3 1" fill="none" stroke="#008000" stroke-width="2"/></svg>',
    abort: '<svg viewBox="0 0 16 16"><path d="M3 3l10 10M13 3L3 13" stroke="#c00000" stroke-width="2.5"/></svg>',
  };

  function smiley(which, ink) {
    if (!which) return "";
    if (which === "M")
      return `<svg viewBox="0 0 100 100"><circle cx="38" cy="62" r="36" fill="${ink}"/><path d="M62 30Q80 6 95 12" fill="none" stroke="${ink}" stroke-width="7" stroke-linecap="round"/></svg>`;
    const mouth =
      which === "J" ? "M28 66Q50 86 72 66" : which === "L" ? "M28 70Q50 50 72 70" : "M28 66L72 66";
    return `<svg viewBox="0 0 100 100" fill="none" stroke="${ink}" stroke-width="8" stroke-linecap="round"><circle cx="50" cy="50" r="44"/><circle cx="34" cy="37" r="6" fill="${ink}"/><circle cx="66" cy="37" r="6" fill="${ink}"/><path d="${mouth}"/></svg>`;
  }

  function place(el, d) {
    el.style.left = d.left + "px";
    el.style.top = d.top + "px";
    if (d.width) el.style.width = d.width + "px";
    if (d.height) el.style.height = d.height + "px";
    el.style.font = `${d.font.bold ? "bold " : ""}${d.font.pixels}px ${d.font.family}`;
    if (d.font.underline) el.style.textDecoration = "underline";
    el.style.textAlign = d.align;
  }

  function build() {
    const root = document.getElementById("window");
    root.textContent = "";
    root.style.width = design.width + "px";
    root.style.height = design.height + "px";
    const tabOrder = new Map(design.tabOrder.map((n, i) => [n, i + 1]));
    for (const d of design.controls) {
      const parent = d.parent ? els[d.parent] : root;
      let el;
      const p = {};
      switch (d.kind) {
        case "button": {
          el = document.createElement("button");
          el.type = "button";
          if (d.glyph) el.append(svg(GLYPHS[d.glyph], "glyph"));
          p.caption = document.createElement("span");
          el.append(p.caption);
          el.addEventListener("click", () => gesture({ op: "click", control: d.name }));
          break;
        }
        case "combo": {
          el = document.createElement("div");
          p.input = document.createElement("input");
          p.input.type = "text";
          p.input.setAttribute("role", "combobox");
          p.input.setAttribute("aria-autocomplete", "none");
          p.input.autocomplete = "off";
          p.input.spellcheck = false;
          p.select = document.createElement("select");
          p.select.setAttribute("aria-label", "Liste");
          p.select.tabIndex = -1;
          const arrow = document.createElement("span");
          arrow.className = "arrow";
          el.append(p.input, p.select, arrow);
          p.input.addEventListener("input", () =>
            gesture({ op: "edit", control: d.name, text: p.input.value }));
          p.select.addEventListener("change", () =>
            gesture({ op: "pick", control: d.name, index: p.select.selectedIndex }));
          p.input.addEventListener("keydown", (e) => {
            // Down and Up pick the next or previous item, Alt+Down opens the list.
            if (e.key === "ArrowDown" && e.altKey) {
              e.preventDefault();
              p.select.focus();
              if (p.select.showPicker) try { p.select.showPicker(); } catch (_) { /* not allowed */ }
            } else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
              e.preventDefault();
              const i = view.controls[d.name].index + (e.key === "ArrowDown" ? 1 : -1);
              if (i >= 0 && i < view.controls[d.name].items.length)
                gesture({ op: "pick", control: d.name, index: i });
            }
          });
          break;
        }
        case "edit":
          el = document.createElement("input");
          el.type = "text";
          el.autocomplete = "off";
          if (d.maxLength) el.maxLength = d.maxLength;
          el.addEventListener("input", () => gesture({ op: "edit", control: d.name, text: el.value }));
          break;
        case "radiogroup": {
          el = document.createElement("fieldset");
          el.setAttribute("role", "radiogroup");
          p.legend = document.createElement("legend");
          p.legend.className = "sr";
          el.append(p.legend);
          p.options = [];
          break;
        }
        case "grid": {
          el = document.createElement("table");
          el.setAttribute("role", "grid");
          el.setAttribute("aria-readonly", "true");
          const body = document.createElement("tbody");
          p.cells = [];
          design.gridRowHeights.forEach((h, r) => {
            const tr = document.createElement("tr");
            tr.style.height = h + "px";
            const row = [];
            design.gridColumnWidths.forEach((w) => {
              const td = document.createElement(r === 0 ? "th" : "td");
              td.style.width = w + "px";
              if (r === 0) td.setAttribute("scope", "col");
              tr.append(td);
              row.push(td);
            });
            body.append(tr);
            p.cells.push(row);
          });
          el.append(body);
          break;
        }
        case "statusbar": {
          el = document.createElement("footer");
          el.setAttribute("role", "status");
          p.panels = [];
          for (let i = 0; i < 4; i++) {
            const s = document.createElement("span");
            if (i < 3) s.style.width = design.statusPanelWidths[i] + "px";
            else s.style.flex = "1";
            el.append(s);
            p.panels.push(s);
          }
          break;
        }
        case "memo":
          el = document.createElement("div");
          el.setAttribute("role", "note");
          break;
        case "panel":
        case "groupbox":
          // A frame or panel holds other controls: its caption is a part of its own.
          el = document.createElement("div");
          p.caption = document.createElement("span");
          p.caption.className = d.kind === "panel" ? "caption" : "legend";
          el.append(p.caption);
          break;
        default:
          el = document.createElement("div");
      }
      el.classList.add("c", d.kind);
      el.dataset.name = d.name;
      place(el, d);
      if (d.kind === "statusbar") {
        el.style.top = design.height - design.statusBarHeight + "px";
        el.style.height = design.statusBarHeight + "px";
        el.style.width = design.width + "px";
      }
      const focusable = p.input || (["button", "edit"].includes(d.kind) ? el : null);
      if (focusable) {
        focusable.tabIndex = tabOrder.get(d.name) || 0;
        focusable.addEventListener("focus", () => focused(d.name));
      }
      if (d.kind === "groupbox")
        el.addEventListener("click", (e) => {
          if (e.target === el) gesture({ op: "click", control: d.name });
        });
      parent.append(el);
      els[d.name] = el;
      parts[d.name] = p;
    }
  }

  function focused(name) {
    if (syncing || !view) return;
    if (view.focus === name) return;
    gesture({ op: "focus", control: name });
  }

  // Radio options follow the items the rules put in.
  function radioOptions(name, d, c) {
    const p = parts[name];
    const el = els[name];
    if (p.items === JSON.stringify(c.items)) return;
    p.items = JSON.stringify(c.items);
    for (const o of p.options) o.label.remove();
    p.options = [];
    const n = c.items.length;
    const height = d.height || 100;
    const rowHeight = n ? Math.floor((height - 12 - 4) / n) : 0;
    c.items.forEach((text, i) => {
      const label = document.createElement("label");
      const input = document.createElement("input");
      input.type = "radio";
      input.name = name;
      input.value = String(i);
      label.append(input, document.createTextNode(text));
      label.style.top = 12 + i * rowHeight - 2 + "px";
      label.style.height = rowHeight + "px";
      input.addEventListener("focus", () => focused(name));
      input.addEventListener("click", () => gesture({ op: "pick", control: name, index: i }));
      el.append(label);
      p.options.push({ label, input });
    });
  }

  // ---------------------------------------------------------------------------------------------
  // Showing what the rules left in the window

  function render(v) {
    view = v;
    for (const d of design.controls) {
      const c = v.controls[d.name];
      const p = parts[d.name];
      // Only what changed is drawn again.
      const key = JSON.stringify(c);
      if (p.key === key) continue;
      p.key = key;
      const el = els[d.name];
      el.hidden = !c.visible;
      el.style.left = c.left + "px";
      el.style.background = d.kind === "combo" ? "" : css(c.colour);
      el.style.color = css(c.fontColour);
      if (c.hint) el.title = c.hint;
      const disabled = !c.usable;
      switch (d.kind) {
        case "button":
          p.caption.textContent = c.text;
          el.disabled = disabled;
          el.setAttribute("aria-label", c.accessibleName);
          break;
        case "combo": {
          p.input.style.background = css(c.colour);
          if (p.input.value !== c.text) p.input.value = c.text;
          const items = JSON.stringify(c.items);
          if (p.items !== items) {
            p.items = items;
            p.select.textContent = "";
            for (const t of c.items) p.select.append(new Option(t));
          }
          p.select.selectedIndex = c.index;
          p.input.disabled = p.select.disabled = disabled;
          el.classList.toggle("disabled", disabled);
          p.input.setAttribute("aria-label", c.accessibleName);
          p.select.setAttribute("aria-label", c.accessibleName + ": Liste");
          break;
        }
        case "edit":
          if (el.value !== c.text) el.value = c.text;
          el.disabled = disabled;
          el.setAttribute("aria-label", c.accessibleName);
          break;
        case "radiogroup":
          radioOptions(d.name, d, c);
          p.legend.textContent = c.accessibleName;
          p.options.forEach((o, i) => {
            o.input.checked = i === c.index;
            o.input.disabled = disabled;
            o.input.tabIndex = i === Math.max(0, c.index) ? design.tabOrder.indexOf(d.name) + 1 : -1;
          });
          el.disabled = disabled;
          break;
        case "grid":
          break;
        case "statusbar":
          break;
        case "smiley":
          el.innerHTML = smiley(c.text, css(c.fontColour));
          el.setAttribute("role", "img");
          el.setAttribute("aria-label", c.accessibleDescription || c.accessibleName);
          break;
        case "groupbox":
          p.caption.textContent = c.text;
          el.setAttribute("aria-label", c.accessibleName);
          el.setAttribute("role", "group");
          break;
        case "panel":
          p.caption.textContent = c.text;
          if (c.accessibleDescription !== undefined) {
            el.setAttribute("role", "img");
            el.setAttribute("aria-label", c.accessibleDescription);
          }
          break;
        default:
          el.textContent = c.text;
      }
    }
    const grid = design.controls.find((d) => d.kind === "grid");
    if (grid)
      parts[grid.name].cells.forEach((row, r) =>
        row.forEach((td, col) => {
          if (td.textContent !== v.grid[r][col]) td.textContent = v.grid[r][col];
        }));
    const bar = design.controls.find((d) => d.kind === "statusbar");
    if (bar)
      parts[bar.name].panels.forEach((s, i) => {
        if (s.textContent !== v.status[i]) s.textContent = v.status[i];
      });
    document.title = v.title;
    document.getElementById("title").textContent = v.plan.file
      ? v.plan.file + (v.plan.unsaved ? " *" : "")
      : "";
    document.getElementById("undo").disabled = v.plan.undo === 0;
    document.getElementById("redo").disabled = v.plan.redo === 0;
    syncFocus();
  }

  function focusTarget(name) {
    const p = parts[name];
    if (!p) return null;
    if (p.input) return p.input;
    if (p.options) {
      const o = p.options[Math.max(0, view.focusOption)];
      return o ? o.input : null;
    }
    return els[name];
  }

  // The page's focus follows the window's, without running a focus handler.
  function syncFocus() {
    syncing++;
    try {
      if (view.focus) {
        const t = focusTarget(view.focus);
        if (t && document.activeElement !== t) t.focus({ preventScroll: true });
      } else if (document.activeElement && els[document.activeElement.closest(".c")?.dataset.name]) {
        document.activeElement.blur();
      }
    } finally {
      syncing--;
    }
  }

  // ---------------------------------------------------------------------------------------------
  // Message boxes: modal dialogs with the rules' texts and German buttons

  function showBox(box) {
    return new Promise((resolve) => {
      const dlg = document.getElementById("box");
      document.getElementById("box-caption").textContent = box.caption;
      document.getElementById("box-text").textContent = call("bx_screen_text", box.text);
      document.getElementById("box-icon").textContent =
        box.kind === "information" ? "ℹ" : box.kind === "confirmation" ? "?" : "";
      const row = document.getElementById("box-buttons");
      row.textContent = "";
      let done = false;
      const finish = (word) => {
        if (done) return;
        done = true;
        document.removeEventListener("keydown", keys, true);
        dlg.close();
        resolve(word);
      };
      const buttons = box.buttons.map((word) => {
        const b = document.createElement("button");
        b.type = "button";
        b.textContent = WORDS[word] || word;
        b.dataset.answer = word;
        if (ACCESS[word]) b.setAttribute("aria-keyshortcuts", "Alt+" + ACCESS[word].toUpperCase());
        b.addEventListener("click", () => finish(word));
        row.append(b);
        return b;
      });
      const keys = (e) => {
        if (e.altKey && !e.ctrlKey) {
          const word = box.buttons.find((w) => ACCESS[w] === e.key.toLowerCase());
          if (word) {
            e.preventDefault();
            finish(word);
          }
        }
      };
      document.addEventListener("keydown", keys, true);
      // Escape: No where there is one, else OK.
      dlg.oncancel = (e) => {
        e.preventDefault();
        finish(box.buttons.includes("No") ? "No" : box.buttons.includes("OK") ? "OK" : "Closed");
      };
      dlg.showModal();
      buttons[0]?.focus();
      if (window.__belegixDrive) window.__belegixDrive.onBox(box, buttons);
    });
  }

  // ---------------------------------------------------------------------------------------------
  // Gestures: run in order, one at a time; questions asked and the gesture run again

  function gesture(g) {
    busy++;
    const p = (queue = queue.then(() => perform(g)).catch((e) => {
      console.error(e);
      if (window.__belegixDrive) window.__belegixDrive.onError(String(e));
    }).finally(() => busy--));
    return p;
  }

  async function perform(g) {
    const answers = [];
    let shown = 0;
    for (;;) {
      const t0 = performance.now();
      const r = JSON.parse(call("bx_run", JSON.stringify({ ...g, answers })));
      const t1 = performance.now();
      if (r.fail) {
        if (window.__belegixDrive) window.__belegixDrive.onFail(r.fail, r.failure);
        render(JSON.parse(call("bx_view")));
        return r;
      }
      // Boxes before the question (or all of them at the end) are shown one after the other;
      // questions were shown when they were asked.
      const boxes = r.events.filter((e) => e.box).map((e) => e.box);
      for (; shown < boxes.length; shown++)
        if (boxes[shown].buttons.length <= 1) await showBox(boxes[shown]);
      if (r.ask) {
        answers.push(await showBox(r.ask));
        shown++;
        continue;
      }
      if (window.__belegixDrive) window.__belegixDrive.onEvents(r.events);
      const t2 = performance.now();
      render(r.view);
      if (r.printHtml) printPage(r.printHtml);
      keep();
      // What the gesture cost the page: the core's run (the last round) and the drawing.
      stats.push({ op: g.op, rounds: answers.length + 1, run: t1 - t0, render: performance.now() - t2 });
      return r;
    }
  }

  function printPage(html) {
    const page = document.getElementById("page");
    page.innerHTML = html;
    if (!window.__belegixDrive) setTimeout(() => window.print(), 0);
  }

  // ---------------------------------------------------------------------------------------------
  // The plan: browser storage, saving as a download, opening a file

  let keepTimer = 0;
  function keep() {
    if (driven) return;
    clearTimeout(keepTimer);
    keepTimer = setTimeout(() => {
      try {
        localStorage.setItem(STORE, JSON.stringify({
          text: call("bx_file_text"), file: view.plan.file || "", unsaved: view.plan.unsaved,
        }));
      } catch (_) { /* storage full or forbidden: the plan stays in the page */ }
    }, 200);
  }

  function restore() {
    if (driven) return;
    try {
      const kept = JSON.parse(localStorage.getItem(STORE) || "null");
      if (kept && kept.text) callInt("bx_restore", kept.text, kept.file || "", kept.unsaved ? 1 : 0);
    } catch (_) { /* nothing kept */ }
  }

  function save() {
    const name = call("bx_proposed_name");
    const text = call("bx_plan_text", new Date().toISOString().replace(/\.\d+Z$/, "Z"));
    call("bx_saved", name);
    const url = URL.createObjectURL(new Blob([text], { type: "application/x-belegix-plan" }));
    const a = document.createElement("a");
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
    render(JSON.parse(call("bx_view")));
    keep();
  }

  // Opens a plan: the bytes go into the module's file system, where the core reads them with
  // its own checks.
  async function openBytes(path, bytes) {
    const dir = path.slice(0, path.lastIndexOf("/"));
    if (dir) mod.FS.mkdirTree(dir);
    if (bytes !== null) mod.FS.writeFile(path, bytes);
    const r = JSON.parse(call("bx_open", path));
    if (bytes !== null) try { mod.FS.unlink(path); } catch (_) { /* gone */ }
    for (const e of r.events) if (e.box) await showBox(e.box);
    if (window.__belegixDrive) window.__belegixDrive.onEvents(r.events);
    render(r.view);
    keep();
  }

  // A failed save as the driver reports it: the core's box.
  async function saveFailed(file, why) {
    const r = JSON.parse(call("bx_save_failed", file, why));
    for (const e of r.events) if (e.box) await showBox(e.box);
    if (window.__belegixDrive) window.__belegixDrive.onEvents(r.events);
    render(r.view);
  }

  function menu() {
    const file = document.getElementById("file");
    document.getElementById("open").addEventListener("click", () => file.click());
    file.addEventListener("change", () => {
      const f = file.files[0];
      file.value = "";
      if (!f) return;
      queue = queue.then(async () => openBytes(f.name, new Uint8Array(await f.arrayBuffer())));
    });
    document.getElementById("save").addEventListener("click", () => { queue = queue.then(save); });
    document.getElementById("undo").addEventListener("click", () => gesture({ op: "undo" }));
    document.getElementById("redo").addEventListener("click", () => gesture({ op: "redo" }));
    document.getElementById("print").addEventListener("click", () => {
      if (document.getElementById("page").innerHTML) window.print();
    });
    document.addEventListener("keydown", (e) => {
      if (!e.ctrlKey || e.altKey || document.getElementById("box").open) return;
      const k = e.key.toLowerCase();
      if (k === "z" && !e.shiftKey) gesture({ op: "undo" });
      else if (k === "y" || (k === "z" && e.shiftKey)) gesture({ op: "redo" });
      else if (k === "s") queue = queue.then(save);
      else if (k === "o") document.getElementById("file").click();
      else return;
      e.preventDefault();
    });
  }

  // ---------------------------------------------------------------------------------------------
  // Scale, clock, start

  function scale() {
    const frame = document.getElementById("frame");
    const s = Math.min(window.innerWidth / design.width, 4);
    document.getElementById("window").style.transform = `scale(${s})`;
    frame.style.height = Math.ceil(design.height * s) + "px";
  }

  function clock(at) {
    const now = at === undefined ? new Date() : new Date(at);
    const time = now.toLocaleTimeString("de-DE", { hour: "2-digit", minute: "2-digit" });
    const date = now.toLocaleDateString("de-DE", { day: "2-digit", month: "2-digit", year: "2-digit" });
    gesture({ op: "tick", text: time + "|" + date });
  }

  async function start() {
    mod = await BelegixModule({ locateFile: (f) => f });
    design = JSON.parse(call("bx_design"));
    build();
    scale();
    window.addEventListener("resize", scale);
    restore();
    render(JSON.parse(call("bx_view")));
    menu();
    if (!driven) {
      clock();
      setInterval(() => clock(), 1000);
    }
    window.__belegix = {
      call, callInt, gesture, openBytes, saveFailed: (f, w) => (queue = queue.then(() => saveFailed(f, w))), save: () => (queue = queue.then(save)), render,
      idle: () => queue.then(() => busy === 0), view: () => view, design: () => design, els, parts,
      ready: performance.now(), mod: () => mod, clock, stats,
    };
    document.documentElement.dataset.ready = "1";
  }

  start();
})();
