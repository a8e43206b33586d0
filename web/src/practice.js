// Practising a case of a program's rule (mode=practice): an exercise made
// from a seed (instances.js), predicted as any run is, with the questions of
// the case practised marked. An exercise with every question of its case
// right counts towards mastery: three in a row master the case. Kept in
// localStorage, or for the visit where that fails.

import { $ } from "./dom.js";
import { PROGRAMS, ofCase } from "./programs.js";
import { revealed } from "./exercise.js";
import { addView } from "./stepper.js";
import { addressOf, countExercise, practiceAddress, practising, state } from "./state.js";

const IN_A_ROW = 3;

// A case's record, { row, mastered }: the exercises in a row with every
// question of the case right, and whether that ever reached three.
const visit = new Map();
function recordOf(name, practised) {
  const key = `practice ${name} ${practised}`;
  if (visit.has(key)) return visit.get(key);
  try {
    return JSON.parse(localStorage.getItem(key)) ?? { row: 0, mastered: false };
  } catch {
    return { row: 0, mastered: false }; // no storage, or what it held is not a record
  }
}
function keepRecord(name, practised, record) {
  const key = `practice ${name} ${practised}`;
  visit.set(key, record);
  try {
    localStorage.setItem(key, JSON.stringify(record));
  } catch {
    // Kept for the visit.
  }
}

// Once the exercise is done: whether every question asked at a step of the
// case was answered right.
function countDone({ run, blocks }) {
  const { predict, practice } = state;
  const steps = blocks.map((_, i) => i + 1).filter((k) => ofCase(run, blocks, k, practice.case));
  const right = steps.every((k) => [predict.shifts.get(k), predict.tables.get(k)]
    .every((answer) => answer?.right ?? true));
  const record = recordOf(state.name, practice.case);
  const row = right ? record.row + 1 : 0;
  keepRecord(state.name, practice.case, { row, mastered: record.mastered || row >= IN_A_ROW });
  countExercise();
}

// The choice of a program's case to practise, each case marked once
// mastered, with `practised` chosen; hidden for none. Shown as an opening
// begins, so that nothing moves when its exercise arrives.
export function showCases(name, practised) {
  const { practice: program } = PROGRAMS[name];
  $("practice-box").hidden = !program || practised === null;
  if ($("practice-box").hidden) return;
  $("practice-case").replaceChildren(...program.cases.map(({ id, name: words }) => {
    const option = Object.assign(document.createElement("option"), { value: id,
      textContent: `${id}: ${words}${recordOf(name, id).mastered ? " (mastered)" : ""}` });
    option.selected = id === practised;
    return option;
  }));
}

function showPractice({ k, run, blocks, block }) {
  $("practice").disabled = !PROGRAMS[state.name].practice;
  $("practice").setAttribute("aria-pressed", String(practising()));
  $("practice-progress").hidden = !practising();
  $("practice-mark").hidden = !(practising() && block !== null && ofCase(run, blocks, k, state.practice.case));
  if (!practising()) {
    showCases(state.name, null);
    return;
  }
  if (!state.practice.counted && blocks.length > 0 && k === blocks.length && revealed(k)) countDone({ run, blocks });
  showCases(state.name, state.practice.case);
  const { row, mastered } = recordOf(state.name, state.practice.case);
  $("practice-progress").textContent = `${Math.min(row, IN_A_ROW)} of ${IN_A_ROW} in a row`
    + (mastered ? ": mastered" : "");
}

addView({ show: showPractice });
$("practice").addEventListener("click", () => {
  location.hash = practising() ? addressOf(state.name, Math.max(state.k, 1), state.input)
    : practiceAddress(state.name, 1, { case: PROGRAMS[state.name].practice.cases[0].id });
});
$("practice-case").addEventListener("change", () => {
  location.hash = practiceAddress(state.name, 1, { case: $("practice-case").value });
});
$("new-exercise").addEventListener("click", () => {
  location.hash = practiceAddress(state.name, 1, { case: state.practice.case });
});
