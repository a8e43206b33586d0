"use strict";
// The stepper: shows one comparison of the run on the page at a time, the
// block with the compared pair marked, the lines printed right after it and a
// status line, and keeps the address on the step shown.

// The program shown, its input (null for its own demonstration), its run and
// that run's blocks, and the comparison k shown (1-based).
const state = { name: null, input: null, run: null, blocks: [], k: 0, timer: null, opening: 0 };

// The address of comparison k of the program and input shown.
function addressOf(name, k, input) {
  return `#${name}/${k}${input ? `?${new URLSearchParams(input)}` : ""}`;
}

// A line with the character in the caret's column marked.
function markedLine(line, column, kind) {
  const mark = document.createElement("mark");
  mark.className = kind;
  mark.textContent = line[column];
  return [line.slice(0, column), mark, `${line.slice(column + 1)}\n`];
}

function show(k) {
  const { name, blocks, run } = state;
  state.k = Math.min(Math.max(k, 1), blocks.length);
  $("first").disabled = $("previous").disabled = state.k <= 1;
  $("next").disabled = $("last").disabled = state.k === blocks.length;
  $("play").disabled = blocks.length === 0;
  history.replaceState(null, "", addressOf(name, Math.max(state.k, 1), state.input));
  if (blocks.length === 0) {
    $("block").replaceChildren();
    $("block").hidden = $("after-box").hidden = true;
    $("status").textContent = `No comparison: the pattern (${run.pattern.length} characters) is `
      + `longer than the text (${run.text.length}), so it fits at no shift.`;
    return;
  }
  const block = blocks[state.k - 1];
  const { column, s, j, textChar, patternChar, match } = block;
  const kind = match ? "match" : "mismatch";
  const [t, p, caret] = block.lines;
  $("block").hidden = false;
  $("block").replaceChildren(...markedLine(t, column, kind), ...markedLine(p, column, kind),
    `${caret}\n\n`);
  // On a narrow screen the block scrolls sideways: keep the pair in view.
  $("block").scrollLeft = $("block").querySelector("mark").offsetLeft - $("block").clientWidth / 2;
  $("after").textContent = block.after.map((line) => `${line}\n`).join("");
  $("after-box").hidden = block.after.length === 0;
  $("status").textContent = `Comparison ${state.k} of ${blocks.length}: shift s = ${s}, `
    + `index j = ${j}; pattern[${j}] "${patternChar}" and text[${s + j}] "${textChar}" `
    + (match ? "match." : "do not match.");
}

function pause() {
  clearInterval(state.timer);
  state.timer = null;
  $("play").textContent = "Play";
  $("play").setAttribute("aria-pressed", "false");
}

function play() {
  if (state.k === state.blocks.length) show(1);
  clearInterval(state.timer);
  state.timer = setInterval(() => (state.k < state.blocks.length ? show(state.k + 1) : pause()),
    Number($("speed").value));
  $("play").textContent = "Pause";
  $("play").setAttribute("aria-pressed", "true");
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
  // Form controls and the output's summary keep their own keys.
  if (event.altKey || event.ctrlKey || event.metaKey || state.blocks.length === 0
      || event.target.closest("select, input, summary")) return;
  const action = KEYS[event.key];
  if (action) {
    event.preventDefault();
    action();
  }
});
