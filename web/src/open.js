// Opening what the address names: the program, its input and step, in its
// mode, or the nearest valid ones, saying so in the notice line. Its first
// comparison is shown as soon as its run is read; then, once that is
// painted, the other programs load and the later bundle's views open (the
// side-by-side table, the chart and the map), each in tasks of its own, so
// that the page keeps answering keys and clicks meanwhile.

import { $, nextPaint, nextTask } from "./dom.js";
import { readBlocks } from "./blocks.js";
import { NAMES } from "./programs.js";
import { isReady, loadProgram, runMain, runOn } from "./run.js";
import { checkInput } from "./input.js";
import { openViews, show, stop } from "./stepper.js";
import { addressOf, beginOpening, endOpening, modeShown, openRun, readAddress, state } from "./state.js";

// The program named, its description and its place in the list, shown at
// once while its run loads.
function nameProgram(name) {
  $("program").textContent = name;
  for (const about of $("about").children) about.classList.toggle("shown", about.dataset.program === name);
  for (const link of document.querySelectorAll("#programs a")) {
    link.toggleAttribute("aria-current", link.hash === `#${name}`);
  }
}

function showNotice(text) {
  $("notice").textContent = text;
  $("notice").hidden = text === "";
}

// The later bundle, with the views that come after the first comparison:
// loaded once, after it; one that fails is tried again at the next opening.
let later = null;
function loadLater() {
  later ??= new Promise((resolve, reject) => {
    const script = Object.assign(document.createElement("script"), { src: "later.js", onload: resolve,
      onerror: () => {
        script.remove();
        later = null;
        reject(new Error("later.js was not found"));
      } });
    document.head.append(script);
  });
  return later;
}

// Input from the address that is not allowed stays in the fields with its
// message, and the program's own demonstration is shown.
export async function openAddress() {
  stop();
  const address = location.hash;
  const { name: asked, step, input: linked, mode } = readAddress();
  const notices = [];
  let name = asked;
  if (!NAMES.includes(name)) {
    name = NAMES[0];
    if (asked !== "") notices.push(`There is no program "${asked}": showing ${name}.`);
  }
  const input = linked && checkInput(linked) ? linked : null;
  const opening = beginOpening(name);
  const current = () => opening === state.opening;
  nameProgram(name);
  if (!isReady(name)) $("status").textContent = `Loading ${name}…`;
  let run;
  try {
    run = await (input ? runOn(name, input.text, input.pattern) : runMain(name));
  } catch (error) {
    if (!current()) return;
    // The step shown, if any, stays; choosing the program again tries again.
    endOpening();
    if (state.name) nameProgram(state.name);
    $("status").textContent = `${name} could not be loaded (${error.message}); choose it again to try once more.`;
    return;
  }
  await nextTask(); // the run, then its reading and showing
  // The address changed meanwhile: its own opening shows it. Showing this run
  // would write this address over the newer one before that opening reads it.
  if (!current() || location.hash !== address) return;
  const blocks = readBlocks(run);
  const count = Math.max(blocks.length, 1);
  // An exercise starts at the first comparison, whatever step is named.
  let k = step === undefined || mode === "predict" ? 1 : Number(step);
  if (!(Number.isInteger(k) && k >= 1 && k <= count)) {
    k = Number.isNaN(k) || k < 1 ? 1 : count;
    notices.push(`${name} has no comparison "${step}": showing comparison ${k} of ${blocks.length}.`);
  }
  openRun({ name, input, run, blocks, mode });
  for (const id of ["side-by-side", "map-box", "growth"]) $(id).setAttribute("aria-busy", "true");
  $("output").textContent = run.output;
  // Input from the address that is not allowed stays in the fields, to be mended.
  const fields = linked !== null && input === null ? linked : run;
  $("text").value = fields.text;
  $("pattern").value = fields.pattern;
  if (fields === run) checkInput(run);
  showNotice(notices.join(" "));
  show(k);
  // An opening from an address scrolls the page to the stage, so that the
  // stage, as tall as any of its steps makes it, is wholly in view; a step
  // never scrolls, so that Next stays where the learner pressed it.
  if (address !== "") $("stage").scrollIntoView({ block: "start" });
  await nextPaint();
  if (!current()) return;
  for (const other of NAMES) loadProgram(other).catch(() => {}); // a failure is said where it is run
  try {
    await loadLater();
    if (current()) await openViews(current);
  } catch (error) {
    console.error(error.message);
  }
}

// Starts the page on the address it was opened at, and on every change of it.
export function start() {
  $("own-input").addEventListener("submit", (event) => {
    event.preventDefault();
    const input = { text: $("text").value, pattern: $("pattern").value };
    if (!checkInput(input)) return; // the run shown stays
    const address = addressOf(state.name ?? NAMES[0], 1, input, modeShown());
    if (location.hash === address) openAddress();
    else location.hash = address;
  });
  $("own").addEventListener("click", () => {
    location.hash = addressOf(state.name ?? NAMES[0], 1, null, modeShown());
  });
  window.addEventListener("hashchange", openAddress);
  openAddress();
}
