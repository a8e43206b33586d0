// The web page in headless Chromium, opened from disk: for each program, the
// whole output is its expected file, and stepping by keys and by links shows
// the right block, the lines printed after it, and the pair in the caret's
// column. PAGE names the page's folder (default: build-web/web).
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const PROGRAMS = ["naive-rtl", "last-occurrence", "good-suffix", "prefix-overlap",
  "prefix-overlap-memo"];
const tests = new URL("../", import.meta.url);
const pageUrl = pathToFileURL(resolve(fileURLToPath(new URL("../..", import.meta.url)),
  process.env.PAGE ?? "build-web/web", "index.html")).href;

// The blocks of an expected output: each one's text, its caret line, and the
// lines after it up to the next block.
function expectedBlocks(output) {
  const blocks = [];
  const lines = output.split("\n").slice(0, -1);
  for (let i = 0; i < lines.length; i++) {
    if (lines[i].startsWith("T: ")) {
      blocks.push({ text: `${lines.slice(i, i + 4).join("\n")}\n`, lines: lines.slice(i, i + 3), after: "" });
      i += 3;
    } else {
      blocks.at(-1).after += `${lines[i]}\n`;
    }
  }
  return blocks;
}

let browser;
before(async () => {
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
      "--disable-component-update", "--disable-sync", "--no-first-run"],
  });
});
after(() => browser.close());

// Opens the page at address #hash in a new tab, and measures the time from
// navigation to the first block shown.
async function open(hash) {
  const page = await browser.newPage();
  const errors = [];
  page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
  page.on("pageerror", (error) => errors.push(error.message));
  const start = performance.now();
  await page.goto(`${pageUrl}#${hash}`);
  await page.waitForSelector("#block mark");
  return { page, errors, ms: performance.now() - start };
}

// Waits until the page shows comparison k of program name, then reads what
// it shows.
async function shown(page, name, k) {
  await page.waitForFunction(([name, k]) => location.hash === `#${name}/${k}`
    && document.getElementById("status").textContent.startsWith(`Comparison ${k} of `), [name, k]);
  return page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    return {
      status: $("status").textContent,
      block: $("block").textContent,
      after: $("after").textContent,
      notice: $("notice").hidden ? "" : $("notice").textContent,
      // The column of each highlighted character within its line.
      marks: [...$("block").querySelectorAll("mark")].map((mark) => {
        const range = document.createRange();
        range.setStart($("block"), 0);
        range.setEndBefore(mark);
        return range.toString().split("\n").at(-1).length;
      }),
    };
  });
}

for (const name of PROGRAMS) {
  test(name, async (t) => {
    const expected = readFileSync(new URL(`expected/${name}.txt`, tests), "utf8");
    const blocks = expectedBlocks(expected);
    const n = blocks.length;
    const { page, errors, ms } = await open(name);
    t.diagnostic(`${name}: first block shown ${ms.toFixed(0)} ms after navigation`);
    assert.equal(await page.textContent("#output"), expected);

    // A link to the first block with lines after it, else to the middle one.
    const linked = blocks.findIndex((block) => block.after !== "") + 1 || Math.ceil(n / 2);
    const steps = [["", 1], ["End", n], ["ArrowLeft", n - 1], ["Home", 1], ["ArrowRight", 2],
      [`#${name}/${linked}`, linked]];
    for (const [how, k] of steps) {
      if (how.startsWith("#")) await page.goto(`${pageUrl}${how}`);
      else if (how) await page.keyboard.press(how);
      const view = await shown(page, name, k);
      const block = blocks[k - 1];
      const caret = block.lines[2].indexOf("^");
      const s = block.lines[1].slice(3).search(/[^ ]/);
      const same = block.lines[0][caret] === block.lines[1][caret];
      assert.ok(view.status.startsWith(`Comparison ${k} of ${n}: shift s = ${s}, index j = ${caret - 3 - s};`),
        view.status);
      assert.ok(view.status.endsWith(same ? " match." : " do not match."), view.status);
      assert.equal(view.block, block.text, `${how} block ${k}`);
      assert.equal(view.after, block.after, `${how} block ${k}`);
      assert.deepEqual(view.marks, [caret, caret], `${how} block ${k}`);
      assert.equal(view.notice, "");
    }
    assert.deepEqual(errors, []);
  });
}

test("links out of range open the nearest step and say so; Space plays and pauses", async () => {
  const { page, errors } = await open("good-suffix/3");
  for (const [hash, name, k, notice] of [["no-such", "naive-rtl", 1, 'no program "no-such"'],
    ["%E0/2", "naive-rtl", 2, 'no program "%E0"'],
    ["good-suffix/0", "good-suffix", 1, 'no comparison "0"'],
    ["good-suffix/99", "good-suffix", 14, 'no comparison "99"'],
    ["good-suffix/next", "good-suffix", 1, 'no comparison "next"']]) {
    await page.goto(`${pageUrl}#${hash}`);
    const view = await shown(page, name, k);
    assert.ok(view.notice.includes(notice), `${hash}: ${view.notice}`);
  }
  await page.selectOption("#speed", "100");
  await page.focus("#block");
  await page.keyboard.press("Space");
  await shown(page, "good-suffix", 3);
  await page.keyboard.press("Space");
  assert.equal(await page.getAttribute("#play", "aria-pressed"), "false");
  assert.deepEqual(errors, []);
});
