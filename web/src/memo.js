// What prefix-overlap-memo's overlap table holds, beside each step: as the
// step began while its outcome is hidden, else as the step left it (the next
// block's copy, or the table the run left), with the entry the step asked for
// marked. The other programs keep no table, and it is hidden.

import { $, cell, columnHead, keepInView } from "./dom.js";
import { tableAfter } from "./why.js";
import { addView } from "./stepper.js";
import { building } from "./state.js";

// Entry L of the overlap table for L = 0 .. m - 1, under a header row of the
// prefixes' lengths, as it stood `when` ("after comparison 6"); the entry
// that comparison's mismatch asked for is marked.
function fillMemoTable(table, when, asked) {
  $("memo-when").textContent = when;
  const [lengths, entries] = [$("memo-lengths"), $("memo-entries")];
  // Made once per pattern; a step changes only the entries that differ, so
  // that stepping does not lay the whole table out again.
  if (lengths.cells.length !== table.length + 1) {
    lengths.replaceChildren(lengths.cells[0], ...Array.from(table, (_, L) => columnHead(L)));
    entries.replaceChildren(entries.cells[0], ...Array.from(table, () => cell("")));
  }
  table.forEach((entry, L) => {
    const td = entries.cells[L + 1];
    if (td.textContent !== String(entry)) td.textContent = entry;
    for (const row of [lengths, entries]) row.cells[L + 1].classList.toggle("asked", L === asked);
  });
}

addView({
  show({ k, run, blocks, block, open, why }) {
    // While building the table, the learner's own table stands in its place.
    $("memo-box").hidden = run.table === null || building();
    if ($("memo-box").hidden) return;
    if (block === null) {
      fillMemoTable(run.table, "after the run", null);
      return;
    }
    fillMemoTable(open ? tableAfter(run, blocks, k) : block.tableBefore,
      `${open ? "after" : "before"} comparison ${k}`, why?.entry ?? null);
    keepInView($("memo-table").parentElement, $("memo-table").querySelector("td.asked"));
  },
});
