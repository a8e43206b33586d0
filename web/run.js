"use strict";
// Running a program. Each program is the suite's own C++ program compiled to
// WebAssembly, one module per program, loaded once. The page runs its main,
// which searches the program's own text for its own pattern, or its entry
// runOn, which runs the same matcher through the same occurrence driver on a
// learner's text and pattern. A run keeps every line the program printed.
//
// The page's scripts are classic scripts, loaded in order and sharing their
// top-level names: browsers refuse module scripts on a page opened from disk,
// and the page must work from there.

const PROGRAMS = ["naive-rtl", "last-occurrence", "good-suffix", "prefix-overlap",
  "prefix-overlap-memo"];

const $ = (id) => document.getElementById(id);

const modules = new Map(); // program name -> promise of { module, lines }

// Loads a program's script once and makes its module, whose standard output
// goes line by line into `lines`.
function loadProgram(name) {
  if (!modules.has(name)) {
    modules.set(name, new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = `${name}.js`;
      script.onerror = () => reject(new Error(`cannot load ${script.src}`));
      script.onload = async () => {
        const lines = [];
        const createModule = window[`demo_${name.replaceAll("-", "_")}`];
        const module = await createModule({
          print: (line) => lines.push(line),
          printErr: (line) => console.error(`${name}: ${line}`),
        });
        resolve({ module, lines });
      };
      document.head.append(script);
    }));
  }
  return modules.get(name);
}

// Everything one call of the program printed.
function collect({ module, lines }, call) {
  lines.length = 0;
  call();
  return lines.map((line) => `${line}\n`).join("");
}

// For prefix-overlap-memo, what its overlap table KMPFailureF holds after a
// run with a pattern of length m: entry L for L = 0 .. m - 1. Null for the
// programs without one.
function overlapTable({ module }, m) {
  return module._failureEntry ? Array.from({ length: m }, (_, L) => module._failureEntry(L)) : null;
}

const demonstrations = new Map(); // program name -> promise of its main's run

// The program's own run: its main on its constants. Its first block stands at
// shift 0, so its T and P lines hold the text and the pattern themselves.
function runMain(name) {
  if (!demonstrations.has(name)) {
    demonstrations.set(name, loadProgram(name).then((program) => {
      const output = collect(program, () => program.module.callMain([]));
      const [t, p] = output.split("\n");
      const pattern = p.slice(3);
      return { text: t.slice(3), pattern, output, table: overlapTable(program, pattern.length) };
    }));
  }
  return demonstrations.get(name);
}

// Runs the program's matcher on a text and a pattern through its entry.
async function runEntry(name, text, pattern) {
  const program = await loadProgram(name);
  const output = collect(program,
    () => program.module.ccall("runOn", null, ["string", "string"], [text, pattern]));
  return { text, pattern, output, table: overlapTable(program, pattern.length) };
}

// The runs of one input, kept while the page shows that input.
let runsInput = null;
const runs = new Map(); // program name -> promise of its run on that input
function runOn(name, text, pattern) {
  const input = JSON.stringify([text, pattern]);
  if (input !== runsInput) {
    runs.clear();
    runsInput = input;
  }
  if (!runs.has(name)) runs.set(name, runEntry(name, text, pattern));
  return runs.get(name);
}
