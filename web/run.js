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

// PROGRAMS, the programs in the order of the page's list, is named in the
// page's head, which starts loading the one the address names.

const $ = (id) => document.getElementById(id);

const modules = new Map(); // program name -> promise of { module, lines, tables }
const ready = new Set(); // the programs whose modules have been made
const isReady = (name) => ready.has(name);

// Waits for the next task, so that work done in pieces lets the page answer
// keys and clicks between them; or for the next frame to have been painted.
const nextTask = () => new Promise((resolve) => setTimeout(resolve));
const nextPaint = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// Loads a program's script once and makes its module, whose standard output
// goes line by line into `lines`. For prefix-overlap-memo, each line that may
// begin a block also takes a copy of the overlap table as it stands then, in
// `tables` under the line's index: the table a block's step starts from.
function loadProgram(name) {
  if (!modules.has(name)) {
    modules.set(name, new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = `${name}.js`;
      script.onerror = () => reject(new Error(`cannot load ${script.src}`));
      script.onload = async () => {
        const program = { lines: [], tables: new Map() };
        const createModule = window[`demo_${name.replaceAll("-", "_")}`];
        program.module = await createModule({
          print: (line) => {
            if (line.startsWith("T: ") && program.module._failureTable) {
              program.tables.set(program.lines.length, overlapTable(program));
            }
            program.lines.push(line);
          },
          printErr: (line) => console.error(`${name}: ${line}`),
        });
        ready.add(name);
        resolve(program);
      };
      document.head.append(script);
    }));
  }
  return modules.get(name);
}

// Everything one call of the program printed, with the tables taken while it
// printed and the one it left; the program itself, to ask its helpers. The
// module keeps what it prints until it is asked for it.
function collect(name, program, call) {
  program.lines.length = 0;
  program.tables = new Map();
  call();
  program.module._handOverOutput();
  return { name, program, output: program.lines.map((line) => `${line}\n`).join(""),
    tables: program.tables, table: overlapTable(program) };
}

// For prefix-overlap-memo, what its overlap table KMPFailureF holds now:
// entry L for every L of the table. Null for the programs without one.
function overlapTable({ module }) {
  if (!module._failureTable) return null;
  const at = module._failureTable() >> 2;
  return Array.from(module.HEAP32.subarray(at, at + module._failureTableSize()));
}

const demonstrations = new Map(); // program name -> promise of its main's run

// The program's own run: its main on its constants. Its first block stands at
// shift 0, so its T and P lines hold the text and the pattern themselves.
function runMain(name) {
  if (!demonstrations.has(name)) {
    demonstrations.set(name, loadProgram(name).then((program) => {
      const run = collect(name, program, () => program.module.callMain([]));
      const [t, p] = run.output.split("\n");
      return { ...run, text: t.slice(3), pattern: p.slice(3) };
    }));
  }
  return demonstrations.get(name);
}

// Runs the program's matcher on a text and a pattern through its entry.
async function runEntry(name, text, pattern) {
  const program = await loadProgram(name);
  const run = collect(name, program,
    () => program.module.ccall("runOn", null, ["string", "string"], [text, pattern]));
  return { ...run, text, pattern };
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
