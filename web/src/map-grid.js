// The map as an ARIA grid (map.js draws it): one tab stop, on the cell of
// the comparison shown; the arrow keys, Home and End move between the cells,
// and a click, Enter or Space opens one.

import { $ } from "./dom.js";
import { pause, show } from "./shared.js";

// Marks a cell (none while it is not drawn) as the current one and makes it
// the grid's one tab stop.
export function markCell(cell) {
  $("map").querySelector("[aria-current]")?.removeAttribute("aria-current");
  if (!cell) return;
  cell.setAttribute("aria-current", "true");
  tabTo(cell, $("map").contains(document.activeElement));
}

// Moves the grid's tab stop to a cell, and the focus when it was in the grid,
// and scrolls the map (not the page) to keep the cell in view.
function tabTo(cell, focus) {
  for (const reachable of $("map").querySelectorAll("[tabindex='0']")) reachable.tabIndex = -1;
  cell.tabIndex = 0;
  if (focus) cell.focus({ preventScroll: true });
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

// Where each key moves from `cell`, as in a grid: left and right along its
// alignment, up and down to the nearest cell of the alignment before or after,
// Home and End to the run's first and last comparison.
function movesFrom(cell) {
  const row = cell.closest(".map-row");
  const column = (other) => Number(other.getAttribute("aria-colindex"));
  const distance = (other) => Math.abs(column(other) - column(cell));
  const nearest = (line) => [...(line?.querySelectorAll("[data-step]") ?? [])]
    .reduce((best, other) => (!best || distance(other) < distance(best) ? other : best), null);
  const along = [...row.querySelectorAll("[data-step]")];
  return {
    ArrowLeft: () => along[along.indexOf(cell) - 1],
    ArrowRight: () => along[along.indexOf(cell) + 1],
    ArrowUp: () => nearest(row.previousElementSibling),
    ArrowDown: () => nearest(row.nextElementSibling),
    Home: () => $("map").querySelector('[data-step="1"]'),
    End: () => $("map").querySelector(`[data-step="${$("map").querySelectorAll("[data-step]").length}"]`),
  };
}

// A cell opens its comparison when clicked, or on Enter or Space; the other
// keys move between the cells without opening them.
function openFromMap(event) {
  const cell = event.target.closest("[data-step]");
  if (!cell) return;
  const k = Number(cell.dataset.step);
  if (event.type === "click" || event.key === "Enter" || event.key === " ") {
    event.preventDefault();
    pause();
    show(k);
    cell.focus({ preventScroll: true });
    return;
  }
  const move = movesFrom(cell)[event.key];
  if (!move || event.altKey || event.ctrlKey || event.metaKey) return;
  event.preventDefault();
  const other = move();
  if (other) tabTo(other, true);
}

$("map").addEventListener("click", openFromMap);
$("map").addEventListener("keydown", openFromMap);
