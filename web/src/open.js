// Opening what the address names: the program, its input and step, in its
// mode, or the nearest valid ones, saying so in the notice line. Its first
// comparison is shown as soon as its run is read; then, once that is
// painted, the other programs load and the later bundle's views open (the
// side-by-side table, the chart and the map), each in tasks of its own, so
// that the page keeps answering keys and clicks meanwhile.

import { $, nextPaint, nextTask } from "./dom.js";
import { readBlocks } from "./blocks.js";
import { NAMES, PROGRAMS } from "./programs.js";
import { isReady, loadProgram, runMain, runOn } from "./run.js";
import { checkInput } from "./input.js";
import { showCases } from "./practice.js";
import { openViews, show, stop } from "./stepper.js";
import { addressOf, beginOpening, endOpening, modeShown, openRun, practiceAddress, readAddress, state }
  from "./state.js";

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

// The maker of exercises to practise a case (instances.js, in the later
// bundle), registered once that bundle is loaded.
let makeExercise = null;
export const makeExercisesWith = (maker) => { makeExercise = maker; };

const MAX_SEED = 2 ** 32 - 1;

// What is wrong with an exercise's case or seed as the address gives them, or
// "" for nothing; the address's words are quoted, never shown as markup.
function exerciseProblem(name, { case: practised, seed }) {
  const cases = PROGRAMS[name].practice.cases.map((one) => one.id);
  const quoted = (value) => `"${value.length > 30 ? `${value.slice(0, 30)}…` : value}"`;
  const listed = `${name}'s cases to practise are ${cases.slice(0, -1).join(", ")} and ${cases.at(-1)}.`;
  if (!cases.includes(practised)) return `There is no case ${quoted(practised)}: ${listed}`;
  if (seed !== null && !(/^\d{1,10}$/.test(seed) && Number(seed) <= MAX_SEED)) {
    return `The seed ${quoted(seed)} is not a whole number from 0 to ${MAX_SEED}. ${listed}`;
  }
  return "";
}

// The exercise an address asks for, made from its seed (a seed picked now
// when it names none, and written into the address): its case, its seed and
// its text and pattern; or a problem to say, or null once the opening is
// not the latest.
async function exerciseOf(name, asked, current, notices) {
  const practised = asked.case ?? PROGRAMS[name].practice.cases[0].id;
  const problem = exerciseProblem(name, { ...asked, case: practised });
  if (problem) return { problem };
  let seed = asked.seed === null ? crypto.getRandomValues(new Uint32Array(1))[0] : Number(asked.seed);
  if (asked.case === null || asked.seed === null) {
    history.replaceState(null, "", practiceAddress(name, 1, { case: practised, seed }));
  }
  let made = null;
  try {
    await loadLater();
    if (current()) made = await makeExercise(name, practised, seed, current);
  } catch (error) {
    if (current()) return { problem: `No exercise could be made (${error.message}): choose Practise to try again.` };
  }
  if (!current()) return null;
  if (made === null) {
    return { problem: `No exercise of case ${practised} was found from seed ${seed}: choose Practise to try again.` };
  }
  if (made.seed !== seed) {
    notices.push(`Seed ${seed} gives no exercise of case ${practised}: this is seed ${made.seed}, the next one `
      + "that does; nothing is lost, its link opens it again.");
    seed = made.seed;
    history.replaceState(null, "", practiceAddress(name, 1, { case: practised, seed }));
  }
  return { practice: { case: practised, seed }, input: { text: made.text, pattern: made.pattern } };
}

// Input from the address that is not allowed stays in the fields with its
// message, and the program's own demonstration is shown.
export async function openAddress() {
  stop();
  const { name: asked, step, input: linked, mode, practice: asksPractice } = readAddress();
  const notices = [];
  let name = asked;
  if (!NAMES.includes(name)) {
    name = NAMES[0];
    if (asked !== "") notices.push(`There is no program "${asked}": showing ${name}.`);
  }
  let input = linked && checkInput(linked) ? linked : null;
  const opening = beginOpening(name);
  const current = () => opening === state.opening;
  nameProgram(name);
  if (!isReady(name)) $("status").textContent = `Loading ${name}…`;
  // An exercise to practise a case is predicted on its own text and pattern.
  let practice = null;
  let problem = "";
  if (mode === "practice" && !PROGRAMS[name].practice) {
    notices.push(`${name} moves by one after every mismatch, whatever it met: it has no case to practise.`);
  } else if (mode === "practice") {
    showCases(name, asksPractice.case ?? PROGRAMS[name].practice.cases[0].id);
    const exercise = await exerciseOf(name, asksPractice, current, notices);
    if (exercise === null) return;
    ({ practice = null, input = null, problem = "" } = exercise);
  }
  const address = location.hash;
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
  let k = step === undefined || mode === "predict" || mode === "practice" ? 1 : Number(step);
  if (!(Number.isInteger(k) && k >= 1 && k <= count)) {
    k = Number.isNaN(k) || k < 1 ? 1 : count;
    notices.push(`${name} has no comparison "${step}": showing comparison ${k} of ${blocks.length}.`);
  }
  openRun({ name, input, run, blocks, mode, practice });
  for (const id of ["side-by-side", "map-box", "growth"]) $(id).setAttribute("aria-busy", "true");
  $("output").textContent = run.output;
  // Input from the address that is not allowed stays in the fields, to be mended.
  const fields = linked !== null && input === null ? linked : run;
  $("text").value = fields.text;
  $("pattern").value = fields.pattern;
  if (fields === run) checkInput(run);
  showNotice(notices.join(" "));
  show(k);
  if (problem) $("status").textContent = problem; // the demonstration is shown under it
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

// One's own input is predicted, not practised: an exercise is made from a seed.
const inputMode = () => (modeShown() === "practice" ? "predict" : modeShown());

// Starts the page on the address it was opened at, and on every change of it.
export function start() {
  $("own-input").addEventListener("submit", (event) => {
    event.preventDefault();
    const input = { text: $("text").value, pattern: $("pattern").value };
    if (!checkInput(input)) return; // the run shown stays
    const address = addressOf(state.name ?? NAMES[0], 1, input, inputMode());
    if (location.hash === address) openAddress();
    else location.hash = address;
  });
  $("own").addEventListener("click", () => {
    location.hash = addressOf(state.name ?? NAMES[0], 1, null, inputMode());
  });
  window.addEventListener("hashchange", openAddress);
  openAddress();
}
