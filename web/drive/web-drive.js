// web-drive: the scripted driver of the web edition. It serves the built page (build/web/site)
// on 127.0.0.1, opens it in the system's headless Chromium through puppeteer-core, runs a
// belegix-drive script on it and prints the same JSON lines as belegix-drive. The script is read
// by the desktop driver's own reader (compiled into the page's module); message boxes are the
// page's real dialogs, answered by pressing their buttons.
//
//   node web-drive.js SITE [--pdf FILE] SCRIPT      (SCRIPT a file, or - for standard input)
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");
const puppeteer = require("puppeteer-core");

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".woff2": "font/woff2",
};

// Ends the run: the message goes to standard error once the browser is closed.
function fail(status, message) {
  throw new Exit(status, message);
}
class Exit extends Error {
  constructor(status, message) { super(message); this.status = status; }
}

function emit(line) {
  process.stdout.write(JSON.stringify(line) + "\n");
}

// Writes `text` beside `file` and renames it over the file only when complete. Returns the
// reason word of a failure (see Session::SaveFailed), or null.
function writeWhole(file, text) {
  const folder = path.dirname(file);
  try {
    if (!fs.statSync(folder).isDirectory()) return "folder-is-file";
  } catch (_) {
    return "folder-missing";
  }
  try {
    if (fs.statSync(file).isDirectory()) return "is-folder";
  } catch (_) { /* a new file */ }
  const tmp = path.join(folder, "." + path.basename(file) + ".tmp-" + process.pid);
  try {
    fs.writeFileSync(tmp, text);
  } catch (e) {
    try { fs.unlinkSync(tmp); } catch (_) { /* never made */ }
    return e.code === "EACCES" || e.code === "EPERM" || e.code === "EROFS" ? "permission"
         : e.code === "ENOSPC" || e.code === "EIO" || e.code === "EDQUOT" ? "write-error" : "other";
  }
  try {
    fs.renameSync(tmp, file);
  } catch (_) {
    try { fs.unlinkSync(tmp); } catch (__) { /* gone */ }
    return "rename";
  }
  return null;
}

function serve(site) {
  const server = http.createServer((req, res) => {
    const url = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = path.join(site, url === "/" ? "index.html" : url);
    if (!file.startsWith(site)) { res.writeHead(403); res.end(); return; }
    fs.readFile(file, (err, data) => {
      if (err) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
      res.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

async function main() {
  const args = process.argv.slice(2);
  const site = path.resolve(args.shift() || "");
  let pdf = null;
  let scriptName = null;
  while (args.length) {
    const a = args.shift();
    if (a === "--pdf" && args.length) pdf = path.resolve(args.shift());
    else if (!scriptName && (a === "-" || !a.startsWith("-"))) scriptName = a;
    else fail(2, "usage: web-drive [--pdf FILE] SCRIPT");
  }
  if (!scriptName) fail(2, "usage: web-drive [--pdf FILE] SCRIPT");
  let source;
  try {
    source = fs.readFileSync(scriptName === "-" ? 0 : scriptName, "utf8");
  } catch (_) {
    fail(2, "cannot read the script " + scriptName);
  }

  const server = await serve(site);
  const browser = await puppeteer.launch({
    executablePath: process.env.BELEGIX_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=full", "--lang=de-DE",
           "--no-first-run", "--disable-extensions"],
  });
  let status = 0;
  try {
    status = await run(browser, server.address().port, source, pdf);
  } catch (e) {
    if (e instanceof Exit) {
      status = e.status;
      process.stderr.write("web-drive: " + e.message + "\n");
    }
    else { process.stderr.write("web-drive: " + (e.stack || e) + "\n"); status = 1; }
  } finally {
    await browser.close().catch(() => {});
    server.close();
  }
  process.exitCode = status;
}

async function run(browser, port, source, pdf) {
  const page = await browser.newPage();
  await page.setViewport({ width: 862, height: 700 });
  page.on("pageerror", (e) => process.stderr.write("web-drive: page: " + e + "\n"));
  await page.goto(`http://127.0.0.1:${port}/?drive=1`, { waitUntil: "load" });
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
  await page.evaluate(() => document.fonts.ready);

  // The driver's side in the page: the queue of answers, the boxes pressed, the lines to print.
  await page.evaluate(() => {
    const d = (window.__belegixDrive = {
      answers: [], lines: [], failure: null, times: [],
      onBox(box, buttons) {
        let word = box.buttons.length === 1 ? box.buttons[0] : null;
        if (box.buttons.length > 1) {
          if (!d.answers.length) {
            d.failure = [3, "a message box with several buttons has no answer: " + JSON.stringify(box.text)];
            word = null;
          } else {
            word = d.answers.shift();
            if (!box.buttons.includes(word)) {
              d.failure = [3, "the answer " + word + " is not a button of the box " + JSON.stringify(box.text)];
              word = null;
            }
          }
        }
        // A box that cannot be answered stays open; the driver ends.
        if (word) setTimeout(() => buttons.find((b) => b.dataset.answer === word).click(), 0);
      },
      onEvents(events) { for (const e of events) d.lines.push(e); },
      onFail(status, message) { d.failure = [status, message]; },
      onError(message) { d.failure = [1, message]; },
      timing(ms) { d.times.push(ms); },
    });
  });

  const parsed = await page.evaluate((s) => JSON.parse(window.__belegix.call("bx_parse_script", s)), source);
  if (parsed.error) fail(2, `line ${parsed.error.line}: ${parsed.error.reason}`);

  // Waits until the page has done the gesture (its questions answered or left open).
  async function settle() {
    for (;;) {
      const state = await page.evaluate(async () => {
        const d = window.__belegixDrive;
        if (d.failure) return { failure: d.failure, lines: d.lines.splice(0) };
        const idle = await Promise.race([
          window.__belegix.idle(), new Promise((r) => setTimeout(() => r(false), 50))]);
        return { idle, failure: d.failure, lines: d.lines.splice(0) };
      });
      for (const l of state.lines) await line(l);
      if (state.failure) {
        if (state.failure[0] === 2) fail(2, `line ${current.line}: ${state.failure[1]}`);
        fail(state.failure[0], state.failure[1]);
      }
      if (state.idle) return;
    }
  }

  let closed = false;
  async function line(l) {
    if (l.print && pdf) await page.pdf({ path: pdf, format: "A4", printBackground: true });
    if (l.closed) closed = true;
    emit(l);
  }

  let current = null;
  for (const cmd of parsed.commands) {
    current = cmd;
    const g = { control: cmd.control, source: cmd.source };
    switch (cmd.op) {
      case "click": await gesture({ ...g, op: "click" }); break;
      case "pick": await gesture({ ...g, op: "pick", index: cmd.index }); break;
      case "type": await gesture({ ...g, op: "type", text: cmd.text }); break;
      case "focus": await gesture({ ...g, op: "focus" }); break;
      case "key": await gesture({ ...g, op: "key", text: cmd.text, focused: cmd.focused }); break;
      case "undo": await gesture({ op: "undo", source: "undo" }); break;
      case "redo": await gesture({ op: "redo", source: "redo" }); break;
      case "close": await gesture({ op: "close", source: "close" }); break;
      case "answer":
        await page.evaluate((w) => window.__belegixDrive.answers.push(w), cmd.answer);
        break;
      case "tick":
        // The clock stands at 2016-06-01 08:00:00 local time.
        await page.evaluate(() => window.__belegix.clock(new Date(2016, 5, 1, 8, 0, 0).getTime()));
        await settle();
        break;
      case "dump": emit(await dump()); break;
      case "screenshot": {
        const el = await page.$("#window");
        try {
          await el.screenshot({ path: path.resolve(cmd.text) });
        } catch (_) {
          process.stderr.write(`web-drive: line ${cmd.line}: cannot write ${cmd.text}\n`);
        }
        break;
      }
      case "save": {
        const file = path.resolve(cmd.text);
        const text = await page.evaluate(() =>
          window.__belegix.call("bx_plan_text", new Date().toISOString().replace(/\.\d+Z$/, "Z")));
        const why = writeWhole(file, text);
        if (why) {
          await page.evaluate((f, w) => { window.__belegix.saveFailed(f, w); }, file, why);
        } else {
          await page.evaluate((f) => {
            window.__belegix.call("bx_saved", f);
            window.__belegix.render(JSON.parse(window.__belegix.call("bx_view")));
          }, file);
        }
        await settle();
        break;
      }
      case "open": {
        const file = path.resolve(cmd.text);
        let kind = "missing";
        let bytes = null;
        try {
          const st = fs.statSync(file);
          if (st.isDirectory()) kind = "folder";
          else { bytes = fs.readFileSync(file).toString("base64"); kind = "file"; }
        } catch (_) { /* missing: the core says so */ }
        await page.evaluate(async (f, k, b) => {
          const m = window.__belegix.mod();
          if (k === "folder") m.FS.mkdirTree(f);
          const data = b === null ? null : Uint8Array.from(atob(b), (c) => c.charCodeAt(0));
          await window.__belegix.openBytes(f, data);
          if (k === "folder") m.FS.rmdir(f);
        }, file, kind, bytes);
        await settle();
        break;
      }
    }
    if (closed) break;
  }

  async function gesture(g) {
    await page.evaluate((x) => { window.__belegix.gesture(x); }, g);
    await settle();
  }

  async function dump() {
    return page.evaluate(() => {
      const d = JSON.parse(window.__belegix.call("bx_dump"));
      // Sizes left to the text: as the browser laid them out.
      for (const [name, c] of Object.entries(d.dump.controls)) {
        const el = window.__belegix.els[name];
        if (c.geometry[2] === null) c.geometry[2] = el.offsetWidth;
        if (c.geometry[3] === null) c.geometry[3] = el.offsetHeight;
      }
      return d;
    });
  }

  const pending = await page.evaluate(() => window.__belegixDrive.answers.length);
  if (pending > 0) fail(3, pending + " queued answer(s) left unused");
  return 0;
}

main().catch((e) => {
  process.stderr.write("web-drive: " + e.message + "\n");
  process.exitCode = e instanceof Exit ? e.status : 1;
});
