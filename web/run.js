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

const modules = new Map(); // program name -> promise of { module, output, tables }
const ready = new Set(); // the programs whose modules have been made
const isReady = (name) => ready.has(name);

// Waits for the next task, so that work done in pieces lets the page answer
// keys and clicks between them; or for the next frame to have been painted.
const nextTask = () => new Promise((resolve) => setTimeout(resolve));
const nextPaint = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// Loads a program's script once and makes its module, whose standard output
// is added to `output` as the module hands it over, in whole lines. For
// prefix-overlap-memo, the lines come with the module's copies of the overlap
// table as each block began, kept in `tables` under the index of the block's
// T line: the table that block's step starts from.
function loadProgram(name) {
  if (!modules.has(name)) {
    modules.set(name, new Promise((resolve, reject) => {
      const script = document.createElement("script");
      script.src = `${name}.js`;
      script.onerror = () => reject(new Error(`cannot load ${script.src}`));
      script.onload = async () => {
        const program = { output: "", tables: new Map() };
        const createModule = window[`demo_${name.replaceAll("-", "_")}`];
        program.module = await createModule({
          print: (lines) => {
            program.output += `${lines}\n`;
            const { module } = program;
            if (!module._failureTableCopies) return;
            const at = module._failureTableCopies() >> 2;
            const copies = module.HEAP32.slice(at, at + module._failureTableCopiesSize());
            const size = 1 + module._failureTableSize(); // T line's index, then the table
            for (let copy = 0; copy < copies.length; copy += size) {
              program.tables.set(copies[copy], copies.subarray(copy + 1, copy + size));
            }
          },
          printErr: (line) => console.error(`${name}: ${line}`),
        });
        await nextTask(); // the module made; its first run in a task of its own
        ready.add(name);
        resolve(program);
      };
      document.head.append(script);
    }));
  }
  return modules.get(name);
}

// Everything one call of the program printed, with the tables its blocks
// began from and the one it left; the program itself, to ask its helpers. The
// module keeps what it prints until it is asked for it, once per call, so
// that the tables' line indices are those of the call's output.
function collect(name, program, call) {
  program.output = "";
  program.tables = new Map();
  call();
  program.module._handOverOutput();
  return { name, program, output: program.output, tables: program.tables, table: overlapTable(program) };
}

// For prefix-overlap-memo, what its overlap table KMPFailureF holds now:
// entry L for every L of the table, copied out of the module's memory. Null
// for the programs without one.
function overlapTable({ module }) {
  if (!module._failureTable) return null;
  const at = module._failureTable() >> 2;
  return module.HEAP32.slice(at, at + module._failureTableSize());
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
