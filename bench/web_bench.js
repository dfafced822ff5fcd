// The web edition's figures (bench/web): what the first load transfers (gzip), how long the page
// takes from 127.0.0.1 until it can be used, what each action of a student's pass costs, and what
// asking a question costs (the gesture runs again with the answer). Figures only.
//
//   node web_bench.js SITE STUDENT_PASS_SCRIPT [LOADS] [PASSES]
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");
const zlib = require("zlib");
const puppeteer = require("puppeteer-core");

const [site, passScript, loadsArg, passesArg] = process.argv.slice(2);
const loads = Number(loadsArg || 9);
const passes = Number(passesArg || 20);
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
                ".wasm": "application/wasm", ".woff2": "font/woff2" };

const median = (v) => { const s = [...v].sort((a, b) => a - b); const n = s.length;
                        return n % 2 ? s[(n - 1) / 2] : (s[n / 2 - 1] + s[n / 2]) / 2; };
const pct = (v, p) => { const s = [...v].sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.floor(p * s.length))]; };
const ms = (x) => x.toFixed(2) + " ms";

async function main() {
  // Load size: the files of the first load, each compressed as a web server would (gzip -9).
  const loaded = new Set();
  const server = http.createServer((req, res) => {
    const url = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = path.join(site, url === "/" ? "index.html" : url);
    fs.readFile(file, (err, data) => {
      if (err) { res.writeHead(404); res.end(); return; }
      loaded.add(path.relative(site, file));
      res.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
                           "Cache-Control": "no-store" });
      res.end(data);
    });
  });
  await new Promise((r) => server.listen(0, "127.0.0.1", r));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await puppeteer.launch({ executablePath: process.env.BELEGIX_CHROMIUM || "/usr/bin/chromium",
                                           headless: true, args: ["--no-sandbox", "--disable-gpu"] });
  const usable = [], painted = [];
  for (let i = 0; i < loads; i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    await page.goto(url + "?drive=1");
    await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    const t = await page.evaluate(async () => {
      const ready = window.__belegix.ready;
      await document.fonts.ready;
      await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
      return { ready, painted: performance.now() };
    });
    usable.push(t.ready);
    painted.push(t.painted);
    await context.close();
  }
  let raw = 0, gz = 0;
  const rows = [];
  for (const f of [...loaded].sort()) {
    const data = fs.readFileSync(path.join(site, f));
    const z = zlib.gzipSync(data, { level: 9 }).length;
    raw += data.length;
    gz += z;
    rows.push(`  ${f.padEnd(34)} ${String(data.length).padStart(8)} B  ${String(z).padStart(8)} B gzip`);
  }
  console.log("first load (files the page fetched):");
  console.log(rows.join("\n"));
  console.log(`  total                              ${String(raw).padStart(8)} B  ${String(gz).padStart(8)} B gzip`);
  console.log(`usable (module started, window drawn), median of ${loads}: ${ms(median(usable))} (slowest ${ms(Math.max(...usable))})`);
  console.log(`fonts loaded and painted, median of ${loads}: ${ms(median(painted))} (slowest ${ms(Math.max(...painted))})`);

  // Actions: the student's pass, gesture by gesture, through the page.
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(url + "?drive=1");
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
  const script = fs.readFileSync(passScript, "utf8");
  const result = await page.evaluate(async (script, passes) => {
    const b = window.__belegix;
    // Boxes are answered at once with their first button (the pass raises information only).
    window.__belegixDrive = { onBox: (box, buttons) => setTimeout(() => buttons[0].click(), 0),
                              onEvents() {}, onFail() {}, onError() {} };
    const cmds = JSON.parse(b.call("bx_parse_script", script)).commands;
    await b.gesture({ op: "click", control: "BitBtnHinweise" });
    b.stats.length = 0;
    const passTimes = [];
    for (let p = 0; p < passes; p++) {
      const t0 = performance.now();
      for (const c of cmds) {
        const g = { op: c.op, control: c.control, index: c.index, text: c.text, source: c.source };
        await b.gesture(g);
      }
      passTimes.push(performance.now() - t0);
    }
    const stats = b.stats.splice(0);
    // A question: "  Ende" answered No, as the page runs it: once without the answer (the
    // question comes back), once with it.
    const ask = [], answered = [];
    for (let i = 0; i < 200; i++) {
      let t = performance.now();
      b.call("bx_run", JSON.stringify({ op: "click", control: "BeendenBitBtn", answers: [] }));
      ask.push(performance.now() - t);
      t = performance.now();
      b.call("bx_run", JSON.stringify({ op: "click", control: "BeendenBitBtn", answers: ["No"] }));
      answered.push(performance.now() - t);
    }
    return { stats, passTimes, ask, answered };
  }, script, passes);
  const total = result.stats.map((s) => s.run + s.render);
  const run = result.stats.map((s) => s.run);
  const render = result.stats.map((s) => s.render);
  console.log(`actions: ${result.stats.length} gestures (${passes} passes of the student's pass)`);
  console.log(`  core (bx_run) median ${ms(median(run))}, 95 % ${ms(pct(run, 0.95))}, slowest ${ms(Math.max(...run))}`);
  console.log(`  drawing median ${ms(median(render))}, 95 % ${ms(pct(render, 0.95))}, slowest ${ms(Math.max(...render))}`);
  console.log(`  whole action median ${ms(median(total))}, 95 % ${ms(pct(total, 0.95))}, slowest ${ms(Math.max(...total))}`);
  console.log(`  complete pass median ${ms(median(result.passTimes))}`);
  console.log(`question ("  Ende", No): round without the answer median ${ms(median(result.ask))}, ` +
              `round with it ${ms(median(result.answered))}`);
  await browser.close();
  server.close();
}

main().catch((e) => { console.error(e); process.exit(1); });
