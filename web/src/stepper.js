// The stepper: shows one comparison of the run at a time, the block with the
// compared pair marked, the lines printed right after it and a status line,
// keeps the address on the step shown, and answers the step buttons and keys.
// Everything else a step shows is a step view: a module that registers itself
// with addView and is shown the step each time.

import { $, keepInView } from "./dom.js";
import { LEAD, occurrences } from "./blocks.js";
import { PROGRAMS, explain } from "./programs.js";
import { pendingShift, pendingTable, predictStatus, reach, revealed } from "./exercise.js";
import { addressKept, building, keepAddress, predicting, setTimer, showStep, state } from "./state.js";

// The step views, in the order they registered. Each has `show(step)` and may
// have `open(current)`, called once a new run's first comparison is painted,
// for what takes longer, while `current()` says the opening is still the
// latest.
const views = [];

// A view registered once a run is shown is shown its step in a task of its
// own, so that a bundle of views loaded late makes no long task.
export function addView(view) {
  views.push(view);
  if (state.run) setTimeout(() => view.show(stepOf(state.k)));
}

export async function openViews(current) {
  for (const view of views) {
    if (view.open) await view.open(current);
    if (!current()) return;
  }
}

// What the views are shown of step k: the run, its blocks and the block (null
// when the run has none); whether what follows it may be shown, and then its
// explanation (null on a match); whether the learner may pick a shift at a
// column.
function stepOf(k) {
  const { run, blocks } = state;
  const block = blocks[k - 1] ?? null;
  const open = block !== null && revealed(k);
  return { k, run, blocks, block, open, why: open ? withheld(explain(run, blocks, k), block) : null,
    picking: pendingShift(k) && !pendingTable(k) };
}

// While the learner builds the table, the explanation of a mismatch leaves
// out the value of the entry it consults, and marks nothing in the block,
// until that entry is graded right.
function withheld(why, block) {
  const { table } = PROGRAMS[state.name];
  const key = why && building() ? table?.consulted(state.run, block) : null;
  if (key === null || key === undefined || state.build.graded.get(key)?.right) return why;
  return { ...why, text: table.withheld(state.run, block), evidence: [] };
}

// One line of the block: the character in the caret's column marked as a
// match or a mismatch, with a name for a screen reader, and the span the
// shift rule used (columns from up to to), if any, marked as evidence.
function markedLine(line, column, kind, name, evidence) {
  const plain = (from, to) => {
    if (column < from || column >= to) return [line.slice(from, to)];
    const mark = document.createElement("mark");
    mark.className = kind;
    mark.dataset.name = name;
    mark.textContent = line[column];
    return [line.slice(from, column), mark, line.slice(column + 1, to)];
  };
  if (!evidence) return [...plain(0, line.length), "\n"];
  const used = document.createElement("span");
  used.className = "evidence";
  used.append(...plain(evidence.from, evidence.to));
  return [...plain(0, evidence.from), used, ...plain(evidence.to, line.length), "\n"];
}

// The text's columns, numbered outside the block: units, and tens above them
// where the text is longer than ten.
export function ruler(n) {
  const line = (digit) => " ".repeat(LEAD) + Array.from({ length: n }, (_, i) => digit(i)).join("");
  const units = line((i) => i % 10);
  const tens = line((i) => (i % 10 === 0 && i > 0 ? (i / 10) % 10 : " "));
  return n > 10 ? `${tens}\n${units}` : units;
}

// What the run found, read from its occurrence lines.
function verdict() {
  const found = occurrences(state.blocks, state.run.pattern);
  if (found.length === 0) return "no occurrence.";
  return `found at position${found.length > 1 ? "s" : ""} ${found.join(", ")}.`;
}

// The status of comparison k: the pair and whether it matched, then where the
// next block puts the pattern when it moves, or, after the last one, what the
// run found.
function statusOf(k) {
  const { blocks } = state;
  const { s, j, textChar, patternChar, match } = blocks[k - 1];
  const status = `Comparison ${k} of ${blocks.length}: shift s = ${s}, index j = ${j}; `
    + `pattern[${j}] "${patternChar}" and text[${s + j}] "${textChar}" `
    + (match ? "match." : "do not match.");
  const next = blocks[k];
  if (next === undefined) return `${status} That was the last comparison: ${verdict()}`;
  return next.s === s ? status : `${status} Next: shift s = ${next.s}, moved ${next.s - s}.`;
}

// Shows comparison k, or while predicting the nearest one the learner may
// see: nothing of what follows a step is shown before its questions are
// answered. While an opening loads, or once the address names something
// else, the step shown stays, for the opening to replace.
export function show(k) {
  if (state.loading !== null || (state.address !== null && !addressKept())) return;
  const { blocks } = state;
  const limit = reach();
  showStep(Math.min(Math.max(k, 1), limit));
  const focused = document.activeElement;
  $("first").disabled = $("previous").disabled = state.k <= 1;
  $("next").disabled = $("last").disabled = state.k >= limit;
  $("play").disabled = blocks.length === 0;
  if (focused?.disabled) handFocusOn(focused);
  keepAddress();
  const step = stepOf(state.k);
  showBlock(step);
  for (const view of views) view.show(step);
}

function showBlock({ k, block, open, why }) {
  const { run } = state;
  if (block === null) {
    $("why").textContent = "";
    $("block").replaceChildren();
    $("block-box").hidden = $("after-box").hidden = true;
    $("status").textContent = `No comparison: the pattern (${run.pattern.length} characters) is `
      + `longer than the text (${run.text.length}), so it fits at no shift; ${verdict()}`;
    return;
  }
  const [t, p, caret] = block.lines;
  const kind = block.match ? "match" : "mismatch";
  const evidence = (line) => why?.evidence.find((used) => used.line === line);
  $("block-box").hidden = false;
  const digits = ruler(t.length - LEAD);
  if ($("ruler").textContent !== digits) $("ruler").textContent = digits;
  const pair = (what, i) => ` (${what}[${i}], ${kind})`;
  $("block").replaceChildren(...markedLine(t, block.column, kind, pair("text", block.s + block.j), evidence(0)),
    ...markedLine(p, block.column, kind, pair("pattern", block.j), evidence(1)), `${caret}\n`,
    ...guessLine(k), blockEnd());
  keepInView($("block-box"), $("block").querySelector("mark"), $("block").querySelectorAll(".evidence"));
  const after = open ? block.after : [];
  $("after").replaceChildren(...after.flatMap((line, i) => [i === why?.decisive
    ? Object.assign(document.createElement("strong"), { className: "decisive", textContent: line })
    : line, "\n"]));
  $("after-box").hidden = after.length === 0;
  scrollDownTo($("after"), $("after").querySelector(".decisive"));
  $("legend").hidden = !after.some((line) => line.startsWith("Good suffix = "));
  // While predicting, the explanation comes with the feedback on the answer.
  $("why").textContent = predicting() ? "" : why?.text ?? "";
  $("status").textContent = predicting() ? predictStatus(k) : statusOf(k);
}

// A box that scrolls down, as a long good-suffix report does, shows its top,
// or, when `line` is below its bottom, scrolls until `line` stands a quarter
// of the box above it.
function scrollDownTo(box, line) {
  box.scrollTop = 0;
  box.scrollLeft = 0;
  if (!line) return;
  const below = line.getBoundingClientRect().bottom - box.getBoundingClientRect().bottom;
  if (below > 0) box.scrollTop = below + box.clientHeight / 4;
}

// The empty line that ends every block, which a phone does not spend a line
// of its screen on.
const blockEnd = () => Object.assign(document.createElement("span"), { className: "block-end", textContent: "\n" });

// After a wrong shift, the pattern where the learner put it, on a line of
// its own under the caret.
function guessLine(k) {
  const shift = state.predict?.shifts.get(k);
  if (!shift || shift.right) return [];
  const guess = document.createElement("span");
  guess.className = "guess";
  guess.textContent = state.run.pattern;
  guess.setAttribute("aria-label", `your shift, s = ${shift.guess}`);
  return [" ".repeat(LEAD + shift.guess), guess, "\n"];
}

// A button that has just disabled itself hands focus to the nearest enabled
// button of its group, so that the keyboard's place is not lost.
function handFocusOn(button) {
  const group = [...button.parentElement.querySelectorAll("button")];
  const at = group.indexOf(button);
  const nearest = group.filter((other) => !other.disabled)
    .sort((a, b) => Math.abs(group.indexOf(a) - at) - Math.abs(group.indexOf(b) - at))[0];
  nearest?.focus();
}

// What a step says is announced: the status, the explanation and the lines
// printed after the block. While playing none is announced at every step; on
// pause they are announced once, at the step reached.
function announce(live) {
  for (const id of ["status", "why", "after"]) $(id).setAttribute("aria-live", live ? "polite" : "off");
}

// Stops playing, leaving the step shown as it is: an opening replaces it.
export function stop() {
  clearInterval(state.timer);
  setTimer(null);
  $("play").textContent = "Play";
  $("play").setAttribute("aria-pressed", "false");
  announce(true);
}

// Stops playing and announces the step reached.
export function pause() {
  const playing = state.timer !== null;
  stop();
  if (playing) show(state.k);
}

// Plays on from the step shown, or from the first after the last; a link
// followed meanwhile stops it, leaving the address to its opening.
function play() {
  if (state.k === state.blocks.length) show(1);
  clearInterval(state.timer);
  setTimer(setInterval(() => {
    if (!addressKept()) stop();
    else if (state.k < reach()) show(state.k + 1);
    else pause();
  }, Number($("speed").value)));
  $("play").textContent = "Pause";
  $("play").setAttribute("aria-pressed", "true");
  announce(false);
}

const togglePlay = () => (state.timer ? pause() : play());
const stepTo = (k) => () => { pause(); show(k()); };
const actions = {
  first: stepTo(() => 1),
  previous: stepTo(() => state.k - 1),
  next: stepTo(() => state.k + 1),
  last: stepTo(() => state.blocks.length),
};

for (const [id, action] of Object.entries(actions)) $(id).addEventListener("click", action);
$("play").addEventListener("click", togglePlay);
$("speed").addEventListener("change", () => state.timer && play());

const KEYS = { ArrowLeft: actions.previous, ArrowRight: actions.next, Home: actions.first,
  End: actions.last, " ": togglePlay };
document.addEventListener("keydown", (event) => {
  // Fields, scrolling boxes and the map keep all their keys; buttons, links
  // and the output's summary keep Space and Enter, which press them.
  const { key, target } = event;
  if (event.defaultPrevented || event.altKey || event.ctrlKey || event.metaKey || state.blocks.length === 0
      || target.closest("input, select, textarea, [tabindex='0']")
      || (target.closest("button, a, summary") && (key === " " || key === "Enter"))) return;
  const action = KEYS[key];
  if (action) {
    event.preventDefault();
    action();
  }
});
