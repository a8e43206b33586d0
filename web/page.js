"use strict";
// Steps through what a demonstration program prints. Each program is the
// suite's own C++ program compiled to WebAssembly; the page runs its main and
// keeps every line it writes. Of an alignment block the page works out only
// what a reader can read off it: the shift from the spaces before the
// pattern, the compared index from the caret's column, and whether the two
// characters above the caret are the same. It never compares or shifts
// anything itself.
//
// A classic script, not a module: browsers refuse module scripts on pages
// opened from disk, and the page must work from there.

const PROGRAMS = ["naive-rtl", "last-occurrence", "good-suffix", "prefix-overlap",
  "prefix-overlap-memo"];
const LEAD = 3; // "T: ", "P: " and the caret line's lead are three columns wide

const $ = (id) => document.getElementById(id);
const outputs = new Map(); // program name -> promise of its whole output

// Loads a program's script once, runs its main and resolves to everything it
// printed to standard output (each line handed over without its newline).
function runProgram(name) {
  if (!outputs.has(name)) {
    outputs.set(name, new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = `${name}.js`;
      script.onerror = () => reject(new Error(`cannot load ${script.src}`));
      script.onload = async () => {
        const lines = [];
        const createProgram = window[`demo_${name.replaceAll("-", "_")}`];
        const program = await createProgram({
          print: (line) => lines.push(line),
          printErr: (line) => console.error(`${name}: ${line}`),
        });
        program.callMain([]);
        resolve(lines.map((line) => `${line}\n`).join(""));
      };
      document.head.append(script);
    }));
  }
  return outputs.get(name);
}

// Splits an output into its alignment blocks (T line, P line, caret line,
// empty line), each with the lines printed right after it.
function readBlocks(output) {
  const lines = output.split("\n").slice(0, -1);
  const blocks = [];
  for (let i = 0; i < lines.length; i++) {
    if (lines[i].startsWith("T: ") && lines[i + 1]?.startsWith("P: ") && lines[i + 3] === "") {
      blocks.push({ lines: lines.slice(i, i + 3), after: [] });
      i += 3;
    } else if (blocks.length > 0) {
      blocks.at(-1).after.push(lines[i]);
    }
  }
  return blocks;
}

// What a reader sees in a block: the caret's column, the shift s (the spaces
// before the pattern), the pattern index j, and the compared pair.
function readBlock({ lines: [t, p, caret] }) {
  const column = caret.indexOf("^");
  const s = p.slice(LEAD).match(/^ */)[0].length;
  return { column, s, j: column - LEAD - s, textChar: t[column], patternChar: p[column] };
}

// A line with the character in the caret's column marked.
function markedLine(line, column, kind) {
  const mark = document.createElement("mark");
  mark.className = kind;
  mark.textContent = line[column];
  return [line.slice(0, column), mark, `${line.slice(column + 1)}\n`];
}

const state = { name: null, blocks: [], k: 0, timer: null, opening: 0 };

function show(k) {
  const { name, blocks } = state;
  state.k = Math.min(Math.max(k, 1), blocks.length);
  const block = blocks[state.k - 1];
  const { column, s, j, textChar, patternChar } = readBlock(block);
  const kind = textChar === patternChar ? "match" : "mismatch";
  const [t, p, caret] = block.lines;
  $("block").replaceChildren(...markedLine(t, column, kind), ...markedLine(p, column, kind),
    `${caret}\n\n`);
  // On a narrow screen the block scrolls sideways: keep the pair in view.
  $("block").scrollLeft = $("block").querySelector("mark").offsetLeft - $("block").clientWidth / 2;
  $("after").textContent = block.after.map((line) => `${line}\n`).join("");
  $("after-box").hidden = block.after.length === 0;
  $("status").textContent = `Comparison ${state.k} of ${blocks.length}: shift s = ${s}, `
    + `index j = ${j}; pattern[${j}] "${patternChar}" and text[${s + j}] "${textChar}" `
    + (kind === "match" ? "match." : "do not match.");
  $("first").disabled = $("previous").disabled = state.k === 1;
  $("next").disabled = $("last").disabled = state.k === blocks.length;
  history.replaceState(null, "", `#${name}/${state.k}`);
}

// The address after its "#", decoded when it is well formed.
function address() {
  const hash = location.hash.slice(1);
  try {
    return decodeURIComponent(hash);
  } catch {
    return hash;
  }
}

// Opens the program and step that the address names (#NAME or #NAME/k), or
// the nearest valid ones, saying so in the notice line.
async function openAddress() {
  pause();
  const opening = ++state.opening;
  const [asked = "", step] = address().split("/");
  const notices = [];
  let name = asked;
  if (!PROGRAMS.includes(name)) {
    name = PROGRAMS[0];
    if (asked !== "") notices.push(`There is no program "${asked}": showing ${name}.`);
  }
  let output;
  try {
    output = await runProgram(name);
  } catch (error) {
    showNotice(`${name} could not be run: ${error.message}.`);
    return;
  }
  if (opening !== state.opening) return; // the address changed meanwhile
  const blocks = readBlocks(output);
  let k = step === undefined ? 1 : Number(step);
  if (!(Number.isInteger(k) && k >= 1 && k <= blocks.length)) {
    k = Number.isNaN(k) || k < 1 ? 1 : blocks.length;
    notices.push(`${name} has no comparison "${step}": showing comparison ${k} of ${blocks.length}.`);
  }
  Object.assign(state, { name, blocks });
  $("program").textContent = name;
  $("output").textContent = output;
  for (const link of document.querySelectorAll("#programs a")) {
    link.toggleAttribute("aria-current", link.hash === `#${name}`);
  }
  showNotice(notices.join(" "));
  show(k);
}

function showNotice(text) {
  $("notice").textContent = text;
  $("notice").hidden = text === "";
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

window.addEventListener("hashchange", openAddress);
openAddress();
