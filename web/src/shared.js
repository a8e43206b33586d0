// The first bundle's interface (main.js), which it names `demos`, as the
// later bundle's views reach it: the page's state, read only; opening a step;
// registering a step view; the programs' runs; an address; registering the
// maker of exercises. Modules of the
// later bundle take these from here, never from the modules behind them,
// which would be copies of their own.

export const { state, show, pause, addView, runOn, runEntry, addressOf, makeExercisesWith } = globalThis.demos;
