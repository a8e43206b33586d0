"use strict";
// Building the tables: the learner fills in the table that the program's
// shift rule consults, entry by entry, and the program grades each entry.
// Every value is the program's own: its findLastPos, goodSuffixShift and
// MaxOverlap, asked through the page's entry, and for prefix-overlap-memo its
// table KMPFailureF as the run left it. No script here computes a value. While
// the run is stepped, the entry that each mismatch's rule consults is marked.
//
// Uses $ and collect (run.js), sidesOf (why.js), state, addressOf and
// keepInView (stepper.js) and columnHead (tables.js); the stepper calls showBuild at every step.

// state.build while building: the table's entries, and each entry's grading
// by key, { given, right }. Null otherwise.
const newBuild = () => ({ entries: null, graded: new Map() });
const building = () => state.build !== null;

// For each program but naive-rtl, which consults nothing: what the table
// holds, the heads of its two rows, and its entries in their order, each
// with its key, the program's value, the range an entry may take, a name for
// a screen reader and, for a wrong answer, one sentence of why.
const TABLES = {
  "last-occurrence": {
    what: (run) => `For each character of the text, in the order it first appears, the index `
      + `findLastPos gives: the last place of that character in the pattern "${run.pattern}", or -1.`,
    heads: ["character", "findLastPos"],
    entries: (run) => [...new Set(run.text)].map((c) => {
      const value = run.program.module.ccall("findLastPos", "number", ["string", "number"],
        [run.pattern, c.charCodeAt(0)]);
      return { key: c, value, low: -1, high: run.pattern.length - 1, name: `findLastPos of "${c}"`,
        why: value < 0 ? `"${c}" does not occur in the pattern, so findLastPos gives -1.`
          : `The last "${c}" of the pattern is at index ${value}.` };
    }),
  },
  "good-suffix": {
    what: () => "For each mismatch index j, after the characters right of it matched, the shift "
      + "goodSuffixShift gives.",
    heads: ["j", "shift"],
    entries: (run) => Array.from({ length: Math.max(run.pattern.length - 1, 0) }, (_, i) => {
      const j = run.pattern.length - 2 - i;
      let value;
      const { output } = collect(run.name, run.program, () => {
        value = run.program.module.ccall("goodSuffixShift", "number", ["string", "number"], [run.pattern, j]);
      });
      // The report's last line tried decides when its two sides are the same;
      // else no copy and no prefix was found, and the shift is m.
      const last = output.split("\n").at(-2);
      const [left, right] = sidesOf(last);
      const decided = left === right ? last : null;
      return { key: String(j), value, low: 1, high: run.pattern.length, name: `good-suffix shift at j = ${j}`,
        why: decided ? `The report's line "${decided}" decides it.`
          : `No line of the report finds another copy or a prefix, so the shift is the pattern's length.` };
    }),
  },
  "prefix-overlap": {
    what: () => "For each prefix length L, the length of the longest border of the pattern's first L "
      + "characters, as MaxOverlap gives it.",
    heads: ["L", "border"],
    entries: (run) => Array.from({ length: Math.max(run.pattern.length - 1, 0) }, (_, i) => {
      const prefix = run.pattern.slice(0, i + 1);
      const value = run.program.module.ccall("MaxOverlap", "number", ["string"], [prefix]);
      return { key: String(i + 1), value, low: 0, high: i, name: `border of "${prefix}"`,
        why: value === 0 ? `"${prefix}" has no border, so MaxOverlap gives 0.`
          : `The longest border of "${prefix}" is "${prefix.slice(0, value)}".` };
    }),
  },
  // An entry holds a border only where the run asked for it (a mismatch at
  // j = L) and its scan found one.
  "prefix-overlap-memo": {
    what: () => "Entry L of KMPFailureF as the run leaves it: the border stored for the pattern's "
      + "first L characters, or -1 where none was stored.",
    heads: ["L", "entry"],
    entries: (run, blocks) => Array.from(run.table, (value, L) => {
      const prefix = `"${run.pattern.slice(0, L)}"`;
      const asked = blocks.some((block) => !block.match && block.j === L);
      return { key: String(L), value, low: -1, high: L - 1, name: `entry ${L} of KMPFailureF, for ${prefix}`,
        why: value >= 0 ? `The run asked for entry ${L}, and its scan found the border ${value} of ${prefix} and stored it.`
          : asked ? `The run asked for entry ${L}, but ${prefix} has no border, so nothing was stored.`
            : `The run never asked for entry ${L}, so nothing was stored.` };
    }),
  },
};

// The entry that the rule of step k consults, or null: the mismatched text
// character, or the mismatch index j where something matched before it.
function consulted(k) {
  const block = state.blocks[k - 1];
  if (!block || block.match) return null;
  const m = state.run.pattern.length;
  return {
    "last-occurrence": block.textChar,
    "good-suffix": block.j < m - 1 ? String(block.j) : null,
    "prefix-overlap": block.j > 0 ? String(block.j) : null,
    "prefix-overlap-memo": String(block.j),
  }[state.run.name] ?? null;
}

// The table as step k stands: made once for a run, with the entry consulted
// at step k marked and kept in view.
function showBuild(k) {
  const table = TABLES[state.name];
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
  const key = consulted(k);
  for (const input of $("build-entries").querySelectorAll("input")) {
    input.classList.toggle("consulted", input.dataset.key === key);
    if (input.dataset.key === key) input.setAttribute("aria-current", "true");
    else input.removeAttribute("aria-current");
  }
  keepInView($("build-scroll"), $("build-entries").querySelector(".consulted"));
}

function makeBuildTable(table) {
  const entries = table.entries(state.run, state.blocks);
  state.build.entries = new Map(entries.map((entry) => [entry.key, entry]));
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
  let right = false;
  if (!/^-?\d+$/.test(given) || Number(given) < entry.low || Number(given) > entry.high) {
    feedback = `${entry.name}: ${given === "" ? "it is empty" : `"${given}" is not ${range}`}; `
      + `type ${range}.`;
  } else {
    right = Number(given) === entry.value;
    feedback = right ? `Right: ${entry.name} is ${entry.value}.`
      : `Not right: ${entry.name} is ${entry.value}, not ${given}. ${entry.why}`;
  }
  state.build.graded.set(entry.key, { given, right });
  input.classList.toggle("right", right);
  input.classList.toggle("wrong", !right);
  input.setAttribute("aria-invalid", String(!right));
  $("build-feedback").textContent = feedback;
  showBuildScore();
}

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
  location.hash = addressOf(state.name, state.k, state.input, building() ? "" : "build");
});
