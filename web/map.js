"use strict";
// The map of a run: one row per alignment (a run of consecutive blocks at the
// same shift), top to bottom in the order made, the text's indices as the
// columns. Each row shows the pattern's span at its shift and, at their text
// indices, the comparisons made there, filled for a match and dashed for a
// mismatch, the reason for the move in a mismatch's label; a row that
// completed an occurrence says so. Everything is read
// from the blocks, as the stepper reads them.

let mapCells = []; // the cell of comparison k at index k - 1

// A character as the map shows it: a space as "␣", so that it can be seen.
const visible = (c) => (c === " " ? "\u2423" : c);

function mapItem(className, content) {
  const item = document.createElement("span");
  item.className = className;
  item.textContent = content;
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

// The map drawn: its run and blocks, and the rows of its comparisons so far.
const drawn = { run: null, blocks: [], rows: [], revealed: 0 };

// Until the map of a new run is drawn, there is none.
function clearMap() {
  mapCells = [];
  drawn.run = null;
  $("map").replaceChildren();
  $("map-box").hidden = true;
}

// Every row has its label first, then one cell for each text index it
// covers, all of one width, so that a text index is a column. The first two
// lines are the text's indices (each index a column a shift can be picked
// at) and its characters. The comparisons are drawn up to comparison `upto`,
// all of them unless a predicting learner has not got further.
function drawMap(run, blocks, upto = blocks.length) {
  const { text } = run;
  const columns = Array.from(text, (c, i) => [i, c]);
  const indices = columns.map(([i]) => mapItem("map-index", i % 10));
  indices.forEach((index, i) => { index.dataset.column = i; });
  $("map").replaceChildren(
    mapLine("map-head", mapItem("map-corner", "index"), 0, indices),
    mapLine("map-head", mapItem("map-corner", "text"), 0,
      columns.map(([, c]) => mapItem("map-text", visible(c)))));
  Object.assign(drawn, { run, blocks, rows: [], revealed: 0 });
  mapCells = [];
  extendMap(upto, upto);
  $("map-box").hidden = blocks.length === 0;
}

// Draws the comparisons after those drawn, up to comparison k; of them, those
// up to `revealed` with the reason for their move and what they found.
function extendMap(k, revealed) {
  const { run, blocks, rows } = drawn;
  for (let at = mapCells.length; at < k; at++) {
    const block = blocks[at];
    if (at === 0 || block.s !== blocks[at - 1].s) {
      const cells = Array.from(run.pattern, (c) => mapItem("map-span", visible(c)));
      rows.push({ cells, line: mapLine("map-row", mapItem("map-shift", `s = ${block.s}`), block.s, cells) });
      $("map").append(rows.at(-1).line);
    }
    const cell = rows.at(-1).cells[block.j];
    cell.className = `map-cell ${block.match ? "match" : "mismatch"}`;
    cell.dataset.step = at + 1;
    cell.tabIndex = -1;
    cell.setAttribute("role", "button");
    mapCells.push(cell);
    labelOnMap(at + 1, at < revealed);
  }
}

// Names comparison k's cell: the pair and how it came out, and when it is
// revealed, the reason for a mismatch's move and an occurrence found.
function labelOnMap(k, revealed) {
  const { run, blocks } = drawn;
  const block = blocks[k - 1];
  const why = revealed && !block.match ? `; ${explain(run, blocks, k).phrase}` : "";
  mapCells[k - 1].setAttribute("aria-label", `comparison ${k}: pattern[${block.j}] and `
    + `text[${block.s + block.j}] ${block.match ? "match" : "do not match"}${why}`);
  if (revealed) drawn.revealed = k;
  const found = revealed ? occurrences([block], run.pattern) : [];
  if (found.length > 0) mapCells[k - 1].closest(".map-row").append(mapItem("map-found", `found at ${found[0]}`));
}

// The map of a predicting learner: comparisons up to k, all revealed but the
// last until it is answered.
function mapUpTo(k, revealed) {
  const shown = revealed ? k : k - 1;
  if (mapCells.length > k || drawn.revealed > shown) drawMap(drawn.run, drawn.blocks, 0);
  if (mapCells.length === k && drawn.revealed < shown) labelOnMap(k, true);
  extendMap(k, shown);
}

// Outlines comparison k's cell, the one the keyboard reaches, and scrolls the
// map (not the page) to keep it in view.
function markOnMap(k) {
  const before = $("map").querySelector(".current");
  const focused = $("map").contains(document.activeElement);
  before?.classList.remove("current");
  for (const reachable of $("map").querySelectorAll("[tabindex='0']")) reachable.tabIndex = -1;
  const cell = mapCells[k - 1];
  if (!cell) return;
  cell.classList.add("current");
  cell.tabIndex = 0;
  if (focused) cell.focus({ preventScroll: true });
  const box = $("map-scroll");
  const view = box.getBoundingClientRect();
  const at = cell.getBoundingClientRect();
  const margin = 3 * at.width;
  if (at.left - margin < view.left || at.right + margin > view.right) {
    box.scrollLeft += at.left - view.left - view.width / 2;
  }
  if (at.top - margin < view.top || at.bottom + margin > view.bottom) {
    box.scrollTop += at.top - view.top - view.height / 2;
  }
}

// A cell opens its comparison when clicked or on Enter; the arrow keys move
// along the comparisons without opening them.
function openFromMap(event) {
  const cell = event.target.closest("[data-step]");
  if (!cell) return;
  const k = Number(cell.dataset.step);
  if (event.type === "click" || event.key === "Enter" || event.key === " ") {
    event.preventDefault();
    pause();
    show(k);
    mapCells[k - 1].focus({ preventScroll: true });
  } else if (event.key === "ArrowLeft" || event.key === "ArrowRight") {
    event.preventDefault();
    const other = mapCells[k - 1 + (event.key === "ArrowRight" ? 1 : -1)];
    if (other) {
      cell.tabIndex = -1;
      other.tabIndex = 0;
      other.focus();
    }
  }
}
$("map").addEventListener("click", openFromMap);
$("map").addEventListener("keydown", openFromMap);
