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
  run.style.marginLeft = `${from * 1.3}em`;
  run.append(...cells);
  line.append(label, run);
  return line;
}

// Until the map of a new run is drawn, there is none.
function clearMap() {
  mapCells = [];
  $("map").replaceChildren();
  $("map-box").hidden = true;
}

// Every row has its label first, then one cell for each text index it
// covers, all of one width, so that a text index is a column. The first two
// lines are the text's indices and its characters.
function drawMap(run, blocks) {
  const { text, pattern } = run;
  const columns = Array.from(text, (c, i) => [i % 10, c]);
  const lines = [
    mapLine("map-head", mapItem("map-corner", "index"), 0,
      columns.map(([i]) => mapItem("map-index", i))),
    mapLine("map-head", mapItem("map-corner", "text"), 0,
      columns.map(([, c]) => mapItem("map-text", visible(c)))),
  ];
  mapCells = [];
  let cells = null; // the pattern's cells on the current row, by index j
  blocks.forEach((block, at) => {
    const k = at + 1;
    if (at === 0 || block.s !== blocks[at - 1].s) {
      cells = Array.from(pattern, (c) => mapItem("map-span", visible(c)));
      lines.push(mapLine("map-row", mapItem("map-shift", `s = ${block.s}`), block.s, cells));
    }
    const cell = cells[block.j];
    cell.className = `map-cell ${block.match ? "match" : "mismatch"}`;
    cell.dataset.step = k;
    cell.tabIndex = -1;
    cell.setAttribute("role", "button");
    cell.setAttribute("aria-label", `comparison ${k}: pattern[${block.j}] and `
      + `text[${block.s + block.j}] ${block.match ? "match" : `do not match; ${explain(run, blocks, k).phrase}`}`);
    mapCells.push(cell);
    const found = occurrences([block], pattern);
    if (found.length > 0) lines.at(-1).append(mapItem("map-found", `found at ${found[0]}`));
  });
  $("map").replaceChildren(...lines);
  $("map-box").hidden = blocks.length === 0;
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
