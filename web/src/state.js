// The page's state and its address, written here alone. The address
// (#NAME/k, with ?text=T&pattern=P for one's own input and mode=predict or
// mode=build, or mode=practice&case=CASE&seed=N for an exercise made from a
// seed) names what is shown, so that a link opens the same program,
// input, step and mode; the page keeps it on the step shown.

// The program shown, its input (null for its own demonstration), its run and
// that run's blocks, the comparison k shown (1-based; 0 when the run has
// none), the timer while playing, the number of the latest opening and the
// program it is loading (null once its run is shown), the address last shown,
// the learner's answers while predicting and the table while building, and
// while practising the case and the seed (each null otherwise).
export const state = { name: null, input: null, run: null, blocks: [], k: 0, timer: null, opening: 0,
  loading: null, address: null, predict: null, build: null, practice: null };

export const predicting = () => state.predict !== null;
export const building = () => state.build !== null;
// The mode shown, as its address names it.
export const practising = () => state.practice !== null;
export const modeShown = () => (practising() ? "practice" : predicting() ? "predict" : building() ? "build" : "");

// The address of comparison k of a program and input, in a mode: "predict"
// (predicting the shifts), "build" (building the table) or none.
export function addressOf(name, k, input, mode = "") {
  const query = new URLSearchParams(input ?? {});
  if (mode) query.set("mode", mode);
  return `#${name}/${k}${String(query) ? `?${query}` : ""}`;
}

// The address of an exercise of a program's case made from a seed, at step k;
// without a seed, the page picks one.
export function practiceAddress(name, k, { case: practised, seed }) {
  const query = new URLSearchParams({ mode: "practice", case: practised, ...(seed === undefined ? {} : { seed }) });
  return `#${name}/${k}?${query}`;
}

// The address after its "#": the program, the step, the input when the query
// names a text or a pattern, the mode, and the case and seed of an exercise,
// as given (null when missing). The query's values are encoded as
// URLSearchParams encodes them; a missing one is empty.
export function readAddress() {
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
  const mode = ["predict", "build", "practice"].find((mode) => values.get("mode") === mode) ?? "";
  const input = values.has("text") || values.has("pattern")
    ? { text: values.get("text") ?? "", pattern: values.get("pattern") ?? "" } : null;
  return { name, step, input, mode, practice: { case: values.get("case"), seed: values.get("seed") } };
}

// Whether the address is still the one the page last showed: a link followed
// or an address typed changes it before the page hears of it.
export const addressKept = () => location.hash === state.address;

// Keeps the address on the step shown, as one history entry.
export function keepAddress() {
  const k = Math.max(state.k, 1);
  state.address = practising() ? practiceAddress(state.name, k, state.practice)
    : addressOf(state.name, k, state.input, modeShown());
  if (location.hash !== state.address) history.replaceState(null, "", state.address); // costly: only on a change
}

// A new opening: it, and any before it, loads `name` until its run is shown.
export function beginOpening(name) {
  state.loading = name;
  return ++state.opening;
}

// An opening that failed: the step shown, if any, stays, with its address;
// with none, the address is emptied, so that choosing any program opens it.
export function endOpening() {
  state.loading = null;
  history.replaceState(null, "", state.address ?? "#");
}

// The run opened, in its mode, before any step of it is shown; an exercise
// of a case (`practice`, its case and seed) is predicted.
export function openRun({ name, input, run, blocks, mode, practice = null }) {
  Object.assign(state, { name, input, run, blocks, k: 0, loading: null, address: null,
    predict: mode === "predict" || practice ? newExercise() : null,
    build: mode === "build" ? { entries: null, graded: new Map() } : null,
    practice: practice && { ...practice, counted: false } });
}

export const showStep = (k) => { state.k = k; };
export const setTimer = (timer) => { state.timer = timer; };

// While predicting: the answers given, by step k, each { guess, right } for a
// shift and { yes, right } for the memo's table question.
const newExercise = () => ({ shifts: new Map(), tables: new Map() });
export const restartExercise = () => {
  state.predict = newExercise();
  if (state.practice) state.practice.counted = false;
};
// An exercise of a case is counted towards mastery once it is done.
export const countExercise = () => { state.practice.counted = true; };
export const answerShiftAt = (k, answer) => state.predict.shifts.set(k, answer);
export const answerTableAt = (k, answer) => state.predict.tables.set(k, answer);

// While building: the table's entries by key, and each entry's grading by
// key, { given, right }.
export const setEntries = (entries) => { state.build.entries = entries; };
export const gradeEntryAt = (key, grade) => state.build.graded.set(key, grade);
