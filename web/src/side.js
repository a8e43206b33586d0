// The five programs side by side on the input shown: each one's comparisons
// (the blocks read from its run) and the positions it reported, linking to
// that program's run on the same input. Every figure is read from what the
// programs printed.

import { $, cell, nextTask } from "./dom.js";
import { occurrences, readBlocks } from "./blocks.js";
import { NAMES } from "./programs.js";
import { addView, addressOf, runOn, state } from "./shared.js";

// One row per program, in the order of the program list; a program that
// could not be loaded says so.
function fillSideBySide(blocksOfRuns, input) {
  const rows = blocksOfRuns.map((blocks, i) => {
    const link = document.createElement("a");
    link.href = addressOf(NAMES[i], 1, input);
    link.textContent = NAMES[i];
    const row = document.createElement("tr");
    const name = document.createElement("th");
    name.scope = "row";
    name.append(link);
    if (blocks === null) row.append(name, cell("could not be loaded"), cell(""));
    else row.append(name, cell(blocks.length), cell(occurrences(blocks, input.pattern).join(", ") || "none"));
    return row;
  });
  $("side-by-side").tBodies[0].replaceChildren(...rows);
  $("side-by-side").removeAttribute("aria-busy");
}

addView({
  show() {},
  // Each program runs in a task of its own, and its output is read in the next.
  async open(current) {
    const { text, pattern } = state.run;
    const counted = [];
    for (const program of NAMES) {
      const other = await runOn(program, text, pattern).catch(() => null);
      await nextTask();
      if (!current()) return;
      counted.push(other && readBlocks(other));
      await nextTask();
      if (!current()) return;
    }
    fillSideBySide(counted, { text, pattern });
  },
});
