// The page on a slow phone: served over HTTP, gzipped as static hosts do,
// in headless Chromium with Lighthouse's slow mobile profile (CPU 4x slower,
// 1.47 Mbit/s down, 562.5 ms latency). Prints, for each opening, the time to
// the first comparison, the bytes fetched before it and what they were, the
// layout shifts and the longest task; then the longest task while the
// largest input runs on all five programs, and a press of Previous and of
// Next at the end of that run while predicting. Figures only: nothing is
// asserted, the machines being shared. PAGE names the page's folder.
import { createServer } from "node:http";
import { readFile, readdir } from "node:fs/promises";
import { extname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import { chromium } from "playwright-core";

const folder = resolve(fileURLToPath(new URL("../..", import.meta.url)),
  process.env.PAGE ?? "build-web/web");
const TYPES = { ".html": "text/html", ".css": "text/css", ".js": "text/javascript",
  ".svg": "image/svg+xml", ".ico": "image/x-icon" };
const server = createServer(async (request, response) => {
  const { pathname } = new URL(request.url, "http://page");
  const path = pathname === "/" ? "/index.html" : pathname;
  try {
    let body = await readFile(join(folder, path));
    const headers = { "Content-Type": TYPES[extname(path)] ?? "application/octet-stream" };
    if (/\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
      body = gzipSync(body);
      headers["Content-Encoding"] = "gzip";
    }
    response.writeHead(200, headers).end(body);
  } catch {
    missing.push(path);
    response.writeHead(404).end();
  }
});
const missing = [];
await new Promise((ready) => server.listen(0, "127.0.0.1", ready));
const origin = `http://127.0.0.1:${server.address().port}`;
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;

const files = await Promise.all((await readdir(folder)).map(async (name) => {
  const body = await readFile(join(folder, name));
  return [name, body.length, gzipSync(body).length];
}));
const modules = files.filter(([name]) => /^(naive|last|good|prefix)/.test(name));
console.log(`the program modules, each as stored and gzipped: ${modules.map(([name, size, sent]) =>
  `${name} ${kb(size)} (${kb(sent)})`).join(", ")}; the folder: ${kb(files
  .reduce((sum, [, size]) => sum + size, 0))}`);

const browser = await chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu"] });

// Watches the page from its first script on: when the first comparison is
// shown, and every layout shift and long task. It says "settled" on the
// console each time the tables and the map are done: waiting for that costs
// the page nothing, where Playwright's own waiting would add a long task of
// its own (its script, injected into the page).
function watch() {
  window.seen = { shifts: [], tasks: [], first: null, resources: null };
  new PerformanceObserver((list) => seen.shifts.push(...list.getEntries()
    .filter((shift) => !shift.hadRecentInput).map((shift) => [shift.startTime, shift.value])))
    .observe({ type: "layout-shift", buffered: true });
  new PerformanceObserver((list) => seen.tasks.push(...list.getEntries()
    .map((task) => [task.startTime, task.duration]))).observe({ type: "longtask", buffered: true });
  new MutationObserver(() => {
    const status = document.getElementById("status")?.textContent ?? "";
    if (seen.first === null && /^Comparison 1[ :]/.test(status)) seen.first = performance.now(); // predicting: "1:"
    const busy = ["side-by-side", "map-box"].some((id) => document.getElementById(id)?.hasAttribute("aria-busy"));
    if (seen.first !== null && !busy && !seen.settled) console.log("settled");
    seen.settled = seen.first !== null && !busy;
  }).observe(document, { subtree: true, childList: true, characterData: true, attributeFilter: ["aria-busy"] });
}

async function phone(width) {
  const context = await browser.newContext({ viewport: { width, height: 740 },
    isMobile: width < 500, hasTouch: width < 500 });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send("Network.enable");
  await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: 562.5,
    downloadThroughput: (1474.56 * 1024) / 8, uploadThroughput: (675 * 1024) / 8 });
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  await page.addInitScript(watch);
  return { context, page };
}

const settled = (page) => page.waitForEvent("console",
  { predicate: (message) => message.text() === "settled", timeout: 120000 });

const round = (ms) => `${Math.round(ms)} ms`;
const largest = new URLSearchParams({ text: "a".repeat(80), pattern: `${"a".repeat(39)}b` });
const openings = [["naive-rtl", 360], ["naive-rtl", 1100], ["last-occurrence", 360],
  ["good-suffix", 360], ["prefix-overlap", 360], ["prefix-overlap-memo", 360],
  ["prefix-overlap-memo", 1100], [`good-suffix/1?${largest}`, 360], [`good-suffix/1?${largest}`, 1100],
  // The exercises made from the most instances of 200 seeds: 34 and 38 tried.
  ["prefix-overlap/1?mode=practice&case=nested&seed=32", 360], ["good-suffix/1?mode=practice&case=prefix&seed=50", 360]];
for (const [address, width] of openings) {
  const { context, page } = await phone(width);
  const opened = settled(page);
  await page.goto(`${origin}/#${address}`, { waitUntil: "commit" });
  await opened;
  await page.waitForTimeout(1000); // shifts and tasks after the table
  const seen = await page.evaluate(() => ({ ...seen, resources: performance
    .getEntriesByType("resource").concat(performance.getEntriesByType("navigation"))
    .map((entry) => [entry.name.split("/").pop() || "index.html", entry.startTime, entry.transferSize]) }));
  const before = seen.resources.filter(([, start]) => start < seen.first);
  const modules = before.map(([name]) => name).filter((name) => /^(naive|last|good|prefix)/.test(name));
  const kind = address.includes("mode=practice") ? ` (practice, ${address.split("&")[1]})`
    : address.includes("?") ? " (own input)" : "";
  console.log(`${address.split("?")[0]}${kind} at ${width} px: `
    + `first comparison at ${round(seen.first)}, ${kb(before.reduce((sum, [, , size]) => sum + size, 0))} `
    + `fetched before it (${before.length} files; modules: ${modules.join(", ") || "none"}); `
    + `layout shifts ${seen.shifts.reduce((sum, [, value]) => sum + value, 0).toFixed(3)}; `
    + `longest task ${round(Math.max(0, ...seen.tasks.map(([, ms]) => ms)))}`);
  if (address === "naive-rtl" && width === 360) {
    // The largest input run on all five, as a learner submits it.
    await page.fill("#text", largest.get("text"));
    await page.fill("#pattern", largest.get("pattern"));
    const from = await page.evaluate(() => performance.now());
    const ran = settled(page);
    await page.press("#pattern", "Enter");
    await ran;
    await page.waitForTimeout(1000);
    const tasks = await page.evaluate((from) => seen.tasks.filter(([start]) => start > from), from);
    const comparisons = await page.textContent("#side-by-side tbody td");
    console.log(`the largest input run on all five at 360 px (naive-rtl: ${comparisons} comparisons): longest task `
      + `${round(Math.max(0, ...tasks.map(([, ms]) => ms)))}, ${tasks.length} over 50 ms`);
  }
  await context.close();
}
// Previous and Next at the end of the largest run while predicting, on a
// desktop's CPU: each press timed from the click to the page laid out again.
{
  const page = await browser.newPage({ viewport: { width: 1366, height: 768 } });
  await page.goto(`${origin}/#prefix-overlap-memo/1?mode=predict&${largest}`);
  await page.waitForSelector("#map-box:not([aria-busy]) [data-step]");
  const times = await page.evaluate(async () => {
    const $ = (id) => document.getElementById(id);
    // Every question answered as it comes (any answer will do), up to the last comparison.
    const asked = (id) => !$("question").hidden && !$(id).hidden;
    while (asked("table-question") || asked("shift-question") || !$("next").disabled) {
      if (asked("table-question")) $("table-yes").click();
      else if (asked("shift-question")) {
        $("guess").value = "0";
        $("shift-question").requestSubmit();
      } else $("next").click();
    }
    const press = async (id) => {
      await new Promise((resolve) => setTimeout(resolve));
      const start = performance.now();
      $(id).click();
      document.body.getBoundingClientRect();
      return performance.now() - start;
    };
    const previous = [];
    const next = [];
    for (let i = 0; i < 5; i++) previous.push(await press("previous"));
    for (let i = 0; i < 5; i++) next.push(await press("next"));
    return { previous, next };
  });
  const spread = (list) => `${Math.round(Math.min(...list))} to ${Math.round(Math.max(...list))} ms`;
  console.log(`predicting the largest run, at its end: Previous ${spread(times.previous)} a press, `
    + `Next ${spread(times.next)}`);
  await page.close();
}
console.log(`files not found: ${[...new Set(missing)].join(", ") || "none"}`);
await browser.close();
server.close();
