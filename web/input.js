"use strict";
// The input and the address. A learner's own text and pattern are checked,
// then run by the chosen program; the address (#NAME/k, with
// ?text=T&pattern=P for one's own input) names what is shown, so that a link
// opens the same program, input and step.

const LIMIT = 80; // characters of text, and of pattern

// A character as a message shows it: its code, and itself unless it is a
// control character.
function describe(c) {
  const code = `U+${c.codePointAt(0).toString(16).toUpperCase().padStart(4, "0")}`;
  return /\p{Cc}/u.test(c) ? code : `"${c}" (${code})`;
}

// The first problem with a field's value, or "" when it has none. Only
// printable ASCII is allowed, so that a character is one byte and one column.
function problem(field, value, least) {
  const label = field[0].toUpperCase() + field.slice(1);
  const chars = [...value];
  if (chars.length < least) return `${label}: it is empty; type at least one character.`;
  if (chars.length > LIMIT) {
    return `${label}: ${chars.length} characters; at most ${LIMIT} are allowed.`;
  }
  const i = chars.findIndex((c) => c < " " || c > "~");
  if (i >= 0) {
    return `${label}: ${field}[${i}] is ${describe(chars[i])}, which is not printable ASCII `
      + "(space to ~).";
  }
  return "";
}

// Shows the problems of an input, if any, and says whether it has none.
function checkInput({ text, pattern }) {
  const problems = { text: problem("text", text, 0), pattern: problem("pattern", pattern, 1) };
  for (const [field, message] of Object.entries(problems)) {
    $(field).setAttribute("aria-invalid", String(message !== ""));
  }
  const messages = Object.values(problems).filter((message) => message !== "");
  $("input-error").textContent = messages.join(" ");
  $("input-error").hidden = messages.length === 0;
  return messages.length === 0;
}

// The address after its "#": the program, the step, the input when the query
// names a text or a pattern, and whether the learner is predicting the
// shifts (mode=predict) or building the table (mode=build). The query's
// values are encoded as URLSearchParams encodes them; a missing one is empty.
function readAddress() {
  const hash = location.hash.slice(1);
  const query = hash.indexOf("?");
  const head = query < 0 ? hash : hash.slice(0, query);
  let decoded = head;
  try {
    decoded = decodeURIComponent(head);
  } catch {
    // Malformed: the program's name will not be found, and the notice says so.
  }
  const [name = "", step] = decoded.split("/");
  const values = new URLSearchParams(query < 0 ? "" : hash.slice(query + 1));
  const predict = values.get("mode") === "predict";
  const build = values.get("mode") === "build";
  if (!values.has("text") && !values.has("pattern")) return { name, step, input: null, predict, build };
  return { name, step, predict, build,
    input: { text: values.get("text") ?? "", pattern: values.get("pattern") ?? "" } };
}

// Opens the program, input and step that the address names, or the nearest
// valid ones, saying so in the notice line. Input from the address that is
// not allowed stays in the fields with its message, and the program's own
// demonstration is shown.
async function openAddress() {
  pause();
  const opening = ++state.opening;
  const address = location.hash;
  const { name: asked, step, input: linked, predict, build } = readAddress();
  const notices = [];
  let name = asked;
  if (!PROGRAMS.includes(name)) {
    name = PROGRAMS[0];
    if (asked !== "") notices.push(`There is no program "${asked}": showing ${name}.`);
  }
  const input = linked && checkInput(linked) ? linked : null;
  // The program named is shown at once; its run follows.
  $("program").textContent = name;
  for (const about of $("about").children) about.classList.toggle("shown", about.dataset.program === name);
  markProgram(name);
  if (!isReady(name)) $("status").textContent = `Loading ${name}…`;
  let run;
  try {
    run = await (input ? runOn(name, input.text, input.pattern) : runMain(name));
  } catch (error) {
    showNotice(`${name} could not be run: ${error.message}.`);
    return;
  }
  await nextTask(); // the run, then its reading and showing
  // The address changed meanwhile: its own opening shows it. Showing this run
  // would write this address over the newer one before that opening reads it.
  if (opening !== state.opening || location.hash !== address) return;
  const blocks = readBlocks(run);
  const count = Math.max(blocks.length, 1);
  // An exercise starts at the first comparison, whatever step is named.
  let k = step === undefined || predict ? 1 : Number(step);
  if (!(Number.isInteger(k) && k >= 1 && k <= count)) {
    k = Number.isNaN(k) || k < 1 ? 1 : count;
    notices.push(`${name} has no comparison "${step}": showing comparison ${k} of ${blocks.length}.`);
  }
  Object.assign(state, { name, input, run, blocks, predict: predict ? newExercise() : null,
    build: build ? newBuild() : null });
  for (const id of ["side-by-side", "map-box", "growth"]) $(id).setAttribute("aria-busy", "true");
  growth.drawing++; // the chart of the input shown before is dropped
  $("output").textContent = run.output;
  // Input from the address that is not allowed stays in the fields, to be mended.
  const fields = linked !== null && input === null ? linked : run;
  $("text").value = fields.text;
  $("pattern").value = fields.pattern;
  if (fields === run) checkInput(run);
  showNotice(notices.join(" "));
  clearMap();
  show(k);
  // An opening from an address scrolls the page to the stage, so that the
  // stage, as tall as any of its steps makes it, is wholly in view; a step
  // never scrolls, so that Next stays where the learner pressed it.
  if (address !== "") $("stage").scrollIntoView({ block: "start" });
  // The other programs load once this comparison is on the screen. Each runs
  // in a task of its own and its output is read in the next, and the map is
  // drawn a hundred comparisons a frame, each laid out before the next is
  // drawn, so that the page keeps answering keys and clicks meanwhile.
  await nextPaint();
  if (opening !== state.opening) return;
  PROGRAMS.forEach(loadProgram);
  loadSources().catch((error) => console.error(error.message));
  const counted = [];
  for (const program of PROGRAMS) {
    const other = await runOn(program, run.text, run.pattern);
    await nextTask();
    if (opening !== state.opening) return;
    counted.push(readBlocks(other));
    await nextTask();
    if (opening !== state.opening) return;
  }
  fillSideBySide(counted, { text: run.text, pattern: run.pattern });
  showGrowth({ text: run.text, pattern: run.pattern });
  drawMap(run, blocks, 0);
  for (let drawnTo = 0; !predicting() && drawnTo < blocks.length;) {
    await nextPaint();
    if (opening !== state.opening) return;
    drawnTo = Math.min(drawnTo + 100, blocks.length);
    extendMap(drawnTo, drawnTo);
  }
  await nextPaint(); // the cell shown is found where the last ones were laid out
  if (opening !== state.opening) return;
  if (predicting()) mapUpTo(state.k, revealed(state.k));
  markOnMap(state.k);
  $("map-box").removeAttribute("aria-busy");
}

// Marks the program shown in the list.
function markProgram(name) {
  for (const link of document.querySelectorAll("#programs a")) {
    link.toggleAttribute("aria-current", link.hash === `#${name}`);
  }
}

function showNotice(text) {
  $("notice").textContent = text;
  $("notice").hidden = text === "";
}

$("own-input").addEventListener("submit", (event) => {
  event.preventDefault();
  const input = { text: $("text").value, pattern: $("pattern").value };
  if (!checkInput(input)) return; // the run shown stays
  const address = addressOf(state.name ?? PROGRAMS[0], 1, input, modeShown());
  if (location.hash === address) openAddress();
  else location.hash = address;
});
$("own").addEventListener("click", () => {
  location.hash = addressOf(state.name ?? PROGRAMS[0], 1, null, modeShown());
});

window.addEventListener("hashchange", openAddress);
openAddress();
