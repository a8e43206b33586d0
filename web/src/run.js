// Running a program. Each program is the suite's own C++ program compiled to
// WebAssembly, one module per program, loaded once. The page runs its main,
// which searches the program's own text for its own pattern, or its entry
// runOn, which runs the same matcher through the same occurrence driver on a
// learner's text and pattern. A run keeps every line the program printed.

import { nextTask } from "./dom.js";

const modules = new Map(); // program name -> promise of { module, output, tables }
const ready = new Set(); // the programs whose modules have been made
export const isReady = (name) => ready.has(name);

// The promise that `make` gives for `key`, made once and kept in `kept`; one
// that fails is forgotten, so that a later call tries again.
function once(kept, key, make) {
  if (!kept.has(key)) {
    const made = make();
    made.catch(() => kept.get(key) === made && kept.delete(key));
    kept.set(key, made);
  }
  return kept.get(key);
}

// Loads a program's script once and makes its module, whose standard output
// is added to `output` as the module hands it over, in whole lines. For
// prefix-overlap-memo, the lines come with the module's copies of the overlap
// table as each block began, kept in `tables` under the index of the block's
// T line: the table that block's step starts from.
export const loadProgram = (name) => once(modules, name, () => new Promise((resolve, reject) => {
  const script = document.createElement("script");
  const failed = (error) => {
    script.remove(); // a later load runs the script afresh
    reject(error);
  };
  script.src = `${name}.js`;
  script.onerror = () => failed(new Error(`${script.src} was not found`));
  script.onload = async () => {
    try {
      const program = { output: "", tables: new Map() };
      const createModule = window[`demo_${name.replaceAll("-", "_")}`];
      if (typeof createModule !== "function") throw new Error(`${script.src} made no module`);
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
    } catch (error) {
      failed(error);
    }
  };
  document.head.append(script);
}));

// Everything one call of the program printed, with the tables its blocks
// began from and the one it left; the program itself, to ask its helpers. The
// module keeps what it prints until it is asked for it, once per call, so
// that the tables' line indices are those of the call's output.
export function collect(name, program, call) {
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
export const runMain = (name) => once(demonstrations, name, () => loadProgram(name).then((program) => {
  const run = collect(name, program, () => program.module.callMain([]));
  const [t, p] = run.output.split("\n");
  return { ...run, text: t.slice(3), pattern: p.slice(3) };
}));

// Runs the program's matcher on a text and a pattern through its entry.
export async function runEntry(name, text, pattern) {
  const program = await loadProgram(name);
  const run = collect(name, program,
    () => program.module.ccall("runOn", null, ["string", "string"], [text, pattern]));
  return { ...run, text, pattern };
}

// The runs of one input, kept while the page shows that input.
let runsInput = null;
const runs = new Map(); // program name -> promise of its run on that input
export function runOn(name, text, pattern) {
  const input = JSON.stringify([text, pattern]);
  if (input !== runsInput) {
    runs.clear();
    runsInput = input;
  }
  return once(runs, name, () => runEntry(name, text, pattern));
}
