// The map of a run: one row per alignment (a run of consecutive blocks at the
// same shift), top to bottom in the order made, the text's indices as the
// columns. Each row shows the pattern's span at its shift and, at their text
// indices, the comparisons made there, filled for a match and dashed for a
// mismatch, the reason for the move in a mismatch's label; a row that
// completed an occurrence says so. Everything is read
// from the blocks, as the stepper reads them. While predicting, it shows the
// comparisons up to the step shown, and its index row offers the columns to
// pick a shift at.

import { $, nextPaint } from "./dom.js";
import { occurrences } from "./blocks.js";
import { explain } from "./programs.js";
import { markCell } from "./map-grid.js";
import { addView, state } from "./shared.js";

let mapCells = []; // the cell of comparison k at index k - 1

// A character as the map shows it: a space as "␣", so that it can be seen.
const visible = (c) => (c === " " ? "\u2423" : c);

function mapItem(className, content) {
  const item = document.createElement("span");
  item.className = className;
  item.textContent = content;
  return item;
}

// A character of the text or the pattern, drawn by the style sheet from
// data-c and left out of what a screen reader reads: a comparison's cell says
// its characters in its name.
function mapChar(className, c) {
  const item = document.createElement("span");
  item.className = className;
  item.dataset.c = visible(c);
  return item;
}

// One line of the map: its label, then its cells from text index `from` on.
function mapLine(className, label, from, cells) {
  const line = document.createElement("div");
  line.className = className;
  const run = document.createElement("span");
  run.className = "map-cells";
  run.style.marginLeft = `calc(${from} * var(--cell))`;
  run.append(...cells);
  line.append(label, run);
  return line;
}

// The map drawn: its run and blocks, the rows of its comparisons so far and
// the last of them revealed; and the step it was last shown.
const drawn = { run: null, blocks: [], rows: [], revealed: 0, step: null };

// Until the map of a new run is drawn, there is none; its section keeps its
// place, so that what follows it moves only once, when the map is drawn.
function clearMap() {
  mapCells = [];
  drawn.run = null;
  $("map-head").replaceChildren();
  $("map").replaceChildren();
}

// Every line has its label first, then its characters, one to a column of
// one width for each text index it covers, so that a text index is a column;
// a row's pattern shows its spaces as blanks. Above the grid,
// the text's indices (each index a column a shift can be picked at) and its
// characters, which the cells' names repeat for a screen reader. The
// comparisons are drawn up to comparison `upto`, all of them unless a
// predicting learner has not got further.
function drawMap(run, blocks, upto = blocks.length) {
  const { text } = run;
  const indices = Array.from(text, (_, i) => mapItem("map-index", i % 10));
  indices.forEach((index, i) => { index.dataset.column = i; });
  $("map-head").replaceChildren(
    mapLine("map-columns", mapItem("map-corner", "index"), 0, indices),
    mapLine("map-columns", mapItem("map-corner", "text"), 0, Array.from(text, (c) => mapChar("map-text", c))));
  // Read only as the columns to pick a shift at, while predicting.
  for (const line of $("map-head").children) line.setAttribute("aria-hidden", "true");
  pickOnMap(drawn.step?.picking ?? false);
  $("map").replaceChildren();
  $("map").setAttribute("aria-colcount", text.length + 1);
  Object.assign(drawn, { run, blocks, rows: [], revealed: 0 });
  mapCells = [];
  extendMap(upto, upto);
  $("map-box").hidden = blocks.length === 0;
}

// Draws the comparisons after those drawn, up to comparison k; of them, those
// up to `revealed` with the reason for their move and what they found. A row
// is an alignment, headed by its shift; a comparison's cell is in the column
// of its text index, over the pattern's characters, which are not read.
function extendMap(k, revealed) {
  const { run, blocks, rows } = drawn;
  for (let at = mapCells.length; at < k; at++) {
    const block = blocks[at];
    if (at === 0 || block.s !== blocks[at - 1].s) {
      const header = mapItem("map-shift", `s = ${block.s}`);
      header.setAttribute("role", "rowheader");
      header.setAttribute("aria-label", `shift ${block.s}`);
      const line = mapLine("map-row", header, block.s, []);
      line.setAttribute("role", "row");
      // The pattern at this shift, its characters drawn as one run a column
      // apart, under the cells of its comparisons.
      const span = line.querySelector(".map-cells");
      span.dataset.c = run.pattern;
      span.style.width = `calc(${run.pattern.length} * var(--cell))`;
      rows.push({ span, line });
      $("map").append(line);
    }
    const { span } = rows.at(-1);
    const cell = mapChar(`map-cell ${block.match ? "match" : "mismatch"}`, run.pattern[block.j]);
    cell.style.left = `calc(${block.j} * var(--cell))`;
    const column = block.s + block.j + 2; // after the row header's
    cell.dataset.step = at + 1;
    cell.tabIndex = -1;
    cell.setAttribute("role", "gridcell");
    cell.setAttribute("aria-colindex", column);
    // Along the row in the order of its columns, as a reader moves along it.
    span.insertBefore(cell, [...span.children]
      .find((other) => Number(other.getAttribute("aria-colindex")) > column) ?? null);
    mapCells.push(cell);
    labelOnMap(at + 1, at < revealed);
  }
}

// Names comparison k's cell: the pair and how it came out, and when it is
// revealed, the reason for a mismatch's move; a row that found an occurrence
// says so in its header once it is revealed.
function labelOnMap(k, revealed) {
  const { run, blocks } = drawn;
  const block = blocks[k - 1];
  const i = block.s + block.j;
  const why = revealed && !block.match ? `; ${explain(run, blocks, k).phrase}` : "";
  mapCells[k - 1].setAttribute("aria-label", `comparison ${k}: pattern[${block.j}] "${run.pattern[block.j]}", `
    + `text[${i}] "${run.text[i]}", ${block.match ? "match" : "mismatch"}${why}`);
  drawn.revealed = revealed ? k : Math.min(drawn.revealed, k - 1);
  const [found] = occurrences([block], run.pattern);
  if (found === undefined) return;
  const row = mapCells[k - 1].closest(".map-row");
  const header = row.querySelector(".map-shift");
  row.querySelector(".map-found")?.remove();
  header.setAttribute("aria-label", `shift ${block.s}`);
  if (!revealed) return;
  const mark = mapItem("map-found", `found at ${found}`);
  mark.setAttribute("aria-hidden", "true");
  row.append(mark);
  header.setAttribute("aria-label", `shift ${block.s}, found at ${found}`);
}

// Takes the last comparison drawn off the map, and its row once that is
// empty, as a predicting learner steps back.
function dropLast() {
  const k = mapCells.length;
  labelOnMap(k, false);
  mapCells.pop().remove();
  if (k === 1 || drawn.blocks[k - 1].s !== drawn.blocks[k - 2].s) drawn.rows.pop().line.remove();
}

// The map of a predicting learner: comparisons up to k, all revealed but the
// last until it is answered. Only the comparisons that change are drawn
// again, so that a step back costs what a step on does.
function mapUpTo(k, revealed) {
  const shown = revealed ? k : k - 1;
  while (mapCells.length > k) dropLast();
  if (drawn.revealed > shown) labelOnMap(k, false);
  if (mapCells.length === k && drawn.revealed < shown) labelOnMap(k, true);
  extendMap(k, shown);
}

// Marks comparison k's cell, if it is drawn, as the one shown.
const markOnMap = (k) => markCell(mapCells[k - 1]);

// While a shift is asked, the index row's columns pick it, as the ruler's do
// (predict.js answers them); drawn or not, the row follows the question.
function pickOnMap(on) {
  const indices = $("map-head").querySelectorAll(".map-index");
  if (indices.length === 0 || indices[0].classList.contains("column") === on) return;
  indices[0].closest(".map-columns").toggleAttribute("aria-hidden", !on);
  for (const index of indices) {
    index.classList.toggle("column", on);
    if (on) {
      index.setAttribute("role", "button");
      index.setAttribute("aria-label", `shift ${index.dataset.column}`);
      index.tabIndex = index.dataset.column === "0" ? 0 : -1;
    } else {
      for (const name of ["role", "aria-label", "tabindex"]) index.removeAttribute(name);
    }
  }
}

addView({
  // The map of a new run waits for its opening; a predicting learner's grows
  // with the steps answered.
  show(step) {
    drawn.step = step;
    if (drawn.run !== step.run) clearMap();
    pickOnMap(step.picking);
    if (drawn.run !== step.run) return;
    if (state.predict && step.block) mapUpTo(step.k, step.open);
    markOnMap(step.k);
  },
  // Drawn a hundred comparisons a frame, each laid out before the next are
  // drawn; while predicting, up to the step shown.
  async open(current) {
    const { run, blocks } = state;
    drawMap(run, blocks, 0);
    for (let drawnTo = 0; !state.predict && drawnTo < blocks.length;) {
      await nextPaint();
      if (!current()) return;
      drawnTo = Math.min(drawnTo + 100, blocks.length);
      extendMap(drawnTo, drawnTo);
    }
    await nextPaint(); // the cell shown is found where the last ones were laid out
    if (!current()) return;
    if (state.predict && drawn.step.block) mapUpTo(drawn.step.k, drawn.step.open);
    markOnMap(drawn.step.k);
    $("map-box").removeAttribute("aria-busy");
  },
});
