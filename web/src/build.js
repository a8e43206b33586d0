// Building the tables (mode=build): the learner fills in the table that the
// program's shift rule consults, entry by entry, and the program grades each
// entry. Every value is the program's own (programs.js). While the run is
// stepped, the entry that each mismatch's rule consults is marked.

import { $, columnHead, keepInView } from "./dom.js";
import { PROGRAMS } from "./programs.js";
import { entrySlipsOf, slipElements } from "./slips.js";
import { addView, show } from "./stepper.js";
import { addressOf, building, gradeEntryAt, setEntries, state } from "./state.js";

// The table as step k stands: made once for a run, with the entry consulted
// at step k marked and kept in view.
function showBuild({ run, block }) {
  const { table } = PROGRAMS[state.name];
  $("build").disabled = !table;
  $("build").setAttribute("aria-pressed", String(building()));
  $("build-box").hidden = !building();
  if (!building()) return;
  $("build-scroll").hidden = $("build-score").hidden = !table;
  if (!table) {
    $("build-what").textContent = `${state.name} consults no table: after every mismatch it moves by one.`;
    return;
  }
  if (state.build.entries === null) makeBuildTable(table);
  const key = block && !block.match ? table.consulted(run, block) : null;
  for (const input of $("build-entries").querySelectorAll("input")) {
    input.classList.toggle("consulted", input.dataset.key === key);
    if (input.dataset.key === key) input.setAttribute("aria-current", "true");
    else input.removeAttribute("aria-current");
  }
  const consulted = $("build-entries").querySelector(".consulted");
  keepInView($("build-scroll"), consulted);
  // Not under the row heads, which stay at the box's left edge.
  const under = consulted && $("build-entries").cells[0].getBoundingClientRect().right
    - consulted.getBoundingClientRect().left;
  if (under > 0) $("build-scroll").scrollLeft -= under + 8;
}

function makeBuildTable(table) {
  const entries = table.entries(state.run, state.blocks);
  setEntries(new Map(entries.map((entry) => [entry.key, entry])));
  $("build-what").textContent = table.what(state.run);
  const [keys, row] = [$("build-keys"), $("build-entries")];
  [keys.cells[0].textContent, row.cells[0].textContent] = table.heads;
  keys.replaceChildren(keys.cells[0], ...entries.map((entry) => columnHead(entry.key === " " ? "␣" : entry.key)));
  row.replaceChildren(row.cells[0], ...entries.map((entry) => {
    const input = document.createElement("input");
    Object.assign(input, { inputMode: "numeric", autocomplete: "off", spellcheck: false, size: 3 });
    input.dataset.key = entry.key;
    input.setAttribute("aria-label", entry.name);
    const td = document.createElement("td");
    td.append(input);
    return td;
  }));
  $("build-feedback").textContent = "";
  showBuildScore();
}

// R of the N entries whose value, as last graded, is right.
function showBuildScore() {
  const right = [...state.build.graded.values()].filter((grade) => grade.right).length;
  $("build-score").textContent = `${right} of ${state.build.entries.size} entries right`;
}

// Grades an entry as typed: a whole number in its range, right when it is
// the program's value; anything else is not a value and counts as nothing.
function gradeEntry(input) {
  const entry = state.build.entries.get(input.dataset.key);
  const given = input.value.trim();
  const range = `a whole number from ${entry.low} to ${entry.high}`;
  let feedback;
  let slips = [];
  let right = false;
  if (!/^-?\d+$/.test(given) || Number(given) < entry.low || Number(given) > entry.high) {
    feedback = `${entry.name}: ${given === "" ? "it is empty" : `"${given}" is not ${range}`}; `
      + `type ${range}.`;
  } else {
    right = Number(given) === entry.value;
    feedback = right ? `Right: ${entry.name} is ${entry.value}.`
      : `Not right: ${entry.name} is ${entry.value}, not ${given}. ${entry.why}`;
    if (!right) {
      slips = slipElements(state.run, "entry", entrySlipsOf(state.run, state.blocks, entry.key, Number(given)),
        "You gave", { key: entry.key, j: Number(entry.key) });
    }
  }
  gradeEntryAt(entry.key, { given, right });
  input.classList.toggle("right", right);
  input.classList.toggle("wrong", !right);
  input.setAttribute("aria-invalid", String(!right));
  $("build-feedback").replaceChildren(feedback, ...slips.flatMap((slip) => [" ", slip]));
  showBuildScore();
  show(state.k); // an entry graded right lets the explanation give its value
}

addView({ show: showBuild });
// An entry is graded on Enter, which then moves on to the next one, and on
// leaving it changed.
$("build-entries").addEventListener("keydown", (event) => {
  if (event.key !== "Enter" || !event.target.matches("input")) return;
  event.preventDefault();
  gradeEntry(event.target);
  event.target.closest("td").nextElementSibling?.querySelector("input").focus();
});
$("build-entries").addEventListener("change", (event) => gradeEntry(event.target));
$("build").addEventListener("click", () => {
  location.hash = addressOf(state.name, Math.max(state.k, 1), state.input, building() ? "" : "build");
});
