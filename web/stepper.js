"use strict";
// The stepper: shows one comparison of the run on the page at a time, the
// block with the compared pair marked, the lines printed right after it and a
// status line, and keeps the address on the step shown.

// The program shown, its input (null for its own demonstration), its run and
// that run's blocks, the comparison k shown (1-based), the learner's answers
// while predicting and the table while building (each null otherwise).
const state = { name: null, input: null, run: null, blocks: [], k: 0, timer: null, opening: 0,
  predict: null, build: null };

// The address of comparison k of the program and input shown, in a mode:
// "predict" (predicting the shifts), "build" (building the table) or none.
function addressOf(name, k, input, mode = "") {
  const query = new URLSearchParams(input ?? {});
  if (mode) query.set("mode", mode);
  return `#${name}/${k}${String(query) ? `?${query}` : ""}`;
}

// The mode shown, as its address names it.
const modeShown = () => (predicting() ? "predict" : building() ? "build" : "");

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
function ruler(n) {
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
// answered.
function show(k) {
  const { name, blocks, run } = state;
  const limit = reach();
  state.k = Math.min(Math.max(k, 1), limit);
  const focused = document.activeElement;
  $("first").disabled = $("previous").disabled = state.k <= 1;
  $("next").disabled = $("last").disabled = state.k >= limit;
  $("play").disabled = blocks.length === 0;
  $("predict").disabled = blocks.length === 0 && !predicting(); // nothing to predict, nothing to leave
  if (focused?.disabled) handFocusOn(focused);
  const address = addressOf(name, Math.max(state.k, 1), state.input, modeShown());
  if (location.hash !== address) history.replaceState(null, "", address); // costly: only on a change
  $("memo-box").hidden = run.table === null;
  showBuild(state.k);
  if (blocks.length === 0) {
    if (run.table) fillMemoTable(run.table, "after the run", null);
    $("why").textContent = "";
    $("block").replaceChildren();
    $("block-box").hidden = $("after-box").hidden = $("question").hidden = true;
    $("status").textContent = `No comparison: the pattern (${run.pattern.length} characters) is `
      + `longer than the text (${run.text.length}), so it fits at no shift; ${verdict()}`;
    return;
  }
  const block = blocks[state.k - 1];
  const [t, p, caret] = block.lines;
  const kind = block.match ? "match" : "mismatch";
  const open = revealed(state.k);
  const why = open ? explain(run, blocks, state.k) : null;
  const evidence = (line) => why?.evidence.find((used) => used.line === line);
  $("block-box").hidden = false;
  const digits = ruler(t.length - LEAD);
  if ($("ruler").textContent !== digits) $("ruler").textContent = digits;
  const pair = (what, i) => ` (${what}[${i}], ${kind})`;
  $("block").replaceChildren(...markedLine(t, block.column, kind, pair("text", block.s + block.j), evidence(0)),
    ...markedLine(p, block.column, kind, pair("pattern", block.j), evidence(1)), `${caret}\n`,
    ...guessLine(state.k), blockEnd());
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
  if (run.table) {
    fillMemoTable(open ? tableAfter(run, blocks, state.k) : block.tableBefore,
      `${open ? "after" : "before"} comparison ${state.k}`, why?.entry ?? null);
    keepInView($("memo-table").parentElement, $("memo-table").querySelector("td.asked"));
  }
  $("status").textContent = predicting() ? predictStatus(state.k) : statusOf(state.k);
  showQuestion(state.k);
  showSource(state.k);
  if (drawn.run === run) {
    if (predicting()) mapUpTo(state.k, open);
    markOnMap(state.k);
  }
}

// A box that scrolls sideways keeps the element `first` and the others in
// view: all of them, centred, when they fit in its width, else `first` in the
// middle.
function keepInView(box, first, others = []) {
  if (!first) return;
  const { left: origin } = box.getBoundingClientRect();
  const spans = [first, ...others].map((element) => element.getBoundingClientRect());
  const left = Math.min(...spans.map((span) => span.left));
  const right = Math.max(...spans.map((span) => span.right));
  const room = box.clientWidth - 16; // less the box's padding
  const middle = right - left <= room ? (left + right) / 2 : (spans[0].left + spans[0].right) / 2;
  box.scrollLeft += middle - origin - box.clientWidth / 2;
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

function pause() {
  const playing = state.timer !== null;
  clearInterval(state.timer);
  state.timer = null;
  $("play").textContent = "Play";
  $("play").setAttribute("aria-pressed", "false");
  announce(true);
  if (playing) show(state.k);
}

function play() {
  if (state.k === state.blocks.length) show(1);
  clearInterval(state.timer);
  state.timer = setInterval(() => (state.k < reach() ? show(state.k + 1) : pause()),
    Number($("speed").value));
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
