"use strict";
// The tables: the five programs side by side on the input shown, and what
// prefix-overlap-memo's overlap table holds after its run. Every figure is
// read from what the programs printed or hold.

// One row per program, in the order of the program list: its comparisons
// (the blocks read from its run) and the positions it reported, linking to
// that program's run on the same input.
function fillSideBySide(blocksOfRuns, input) {
  const rows = blocksOfRuns.map((blocks, i) => {
    const positions = occurrences(blocks, input.pattern);
    const link = document.createElement("a");
    link.href = addressOf(PROGRAMS[i], 1, input);
    link.textContent = PROGRAMS[i];
    const row = document.createElement("tr");
    const name = document.createElement("th");
    name.scope = "row";
    name.append(link);
    row.append(name, cell(blocks.length), cell(positions.join(", ") || "none"));
    return row;
  });
  $("side-by-side").tBodies[0].replaceChildren(...rows);
  $("side-by-side").removeAttribute("aria-busy");
}

function cell(content) {
  const td = document.createElement("td");
  td.textContent = content;
  return td;
}

function columnHead(content) {
  const th = document.createElement("th");
  th.scope = "col";
  th.textContent = content;
  return th;
}

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
