// The web page as a person uses it, in the system's headless Chromium: real clicks on the
// page's controls, a question answered with the keyboard (Alt+N) in the page's own dialog,
// Strg+Z, and a reload that keeps the plan. Each check compares the page with the core's own
// view of the window, so no text of the planner is written here.
//
//   node page_test.js SITE
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");
const puppeteer = require("puppeteer-core");

const site = path.resolve(process.argv[2]);
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
                ".wasm": "application/wasm", ".woff2": "font/woff2" };

function check(ok, what) {
  if (!ok) throw new Error("page test failed: " + what);
  console.log("ok: " + what);
}

(async () => {
  const server = http.createServer((req, res) => {
    const url = decodeURIComponent(new URL(req.url, "http://x").pathname);
    const file = path.join(site, url === "/" ? "index.html" : url);
    fs.readFile(file, (err, data) => {
      if (err) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
      res.end(data);
    });
  });
  await new Promise((r) => server.listen(0, "127.0.0.1", r));
  const browser = await puppeteer.launch({ executablePath: process.env.BELEGIX_CHROMIUM || "/usr/bin/chromium",
                                           headless: true, args: ["--no-sandbox", "--disable-gpu"] });
  let status = 0;
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1000, height: 800 });
    const ready = () => page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    const idle = () => page.evaluate(() => window.__belegix.idle());
    const view = () => page.evaluate(() => window.__belegix.view());
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await ready();

    // The window is scaled as a whole to the page's width.
    const width = await page.evaluate(() => document.getElementById("window").getBoundingClientRect().width);
    check(Math.abs(width - 1000) < 1, "the design is scaled to the page width");

    // Real clicks: the intro button, an option of step 1, its "Fertig".
    await page.click("[data-name=BitBtnHinweise]");
    await idle();
    let v = await view();
    check(!v.controls.MemoIntro.visible, "a click on the intro button closes the intro screen");
    await page.click('[data-name=ProfilRadioGroup] input[value="3"]');
    await idle();
    await page.click("[data-name=ProfilBitBtn]");
    await idle();
    v = await view();
    check(v.controls.ProfilRadioGroup.index === 3 && v.plan.undo > 0, "the picked profile is the plan's");
    const heading = await page.$eval("[data-name=ProfilLabel]", (e) => e.textContent);
    check(heading === v.controls.ProfilLabel.text && heading !== "", "the page shows what the rules wrote");
    const undoSteps = v.plan.undo;

    // A question in a modal dialog, answered from the keyboard: Alt+N is "Nein".
    await page.click("[data-name=BeendenBitBtn]");
    await page.waitForSelector("dialog#box[open]");
    const buttons = await page.$$eval("#box-buttons button", (bs) => bs.map((b) => b.textContent));
    check(JSON.stringify(buttons) === JSON.stringify(["Ja", "Nein"]), "the question has the buttons Ja and Nein");
    await page.keyboard.down("Alt");
    await page.keyboard.press("n");
    await page.keyboard.up("Alt");
    await idle();
    v = await view();
    check(!v.closed && !(await page.$("dialog#box[open]")), "Alt+N answers No and the planner stays");

    // Strg+Z undoes the last step.
    await page.keyboard.down("Control");
    await page.keyboard.press("z");
    await page.keyboard.up("Control");
    await idle();
    v = await view();
    check(v.plan.undo === undoSteps - 1 && v.controls.ProfilBitBtn.usable, "Strg+Z undoes a step");
    await page.keyboard.down("Control");
    await page.keyboard.press("y");
    await page.keyboard.up("Control");
    await idle();
    v = await view();
    check(v.plan.undo === undoSteps, "Strg+Y redoes it");

    // A reload keeps the plan.
    await new Promise((r) => setTimeout(r, 400));
    const before = JSON.stringify({ c: v.controls, g: v.grid });
    await page.reload();
    await ready();
    v = await view();
    check(JSON.stringify({ c: v.controls, g: v.grid }) === before, "a reload shows the same plan");
  } catch (e) {
    console.error(e.message);
    status = 1;
  } finally {
    await browser.close();
    server.close();
  }
  process.exitCode = status;
})();
