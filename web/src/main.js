// The page's first bundle: everything its first comparison needs. The step
// views it holds register themselves as they are imported: the memo's table,
// the questions of an exercise and the table to build, in that order; the
// code's box is placed from the first paint, for the later bundle to fill;
// "?" lists the keys.
//
// What it exports is the page's one interface, which the bundle names
// `demos`: the later bundle's views reach the page through it alone, and so
// may a test. `state` is read, never written, from outside; `show(k)` and
// `pause()` open a step; `addView(view)` registers a step view; `runOn` and
// `runEntry` run a program, each module loaded once for the page; `addressOf`
// makes an address; `makeExercisesWith(maker)` registers the maker of
// exercises to practise a case.

import "./memo.js";
import "./predict.js";
import "./build.js";
import "./code-box.js";
import "./keys.js";
import "./practice.js";
import { start } from "./open.js";

export { state, addressOf } from "./state.js";
export { show, pause, addView } from "./stepper.js";
export { runOn, runEntry } from "./run.js";
export { makeExercisesWith } from "./open.js";

start();
