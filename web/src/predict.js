// Predicting the shifts: the run shown as an exercise (mode=predict). The
// learner answers each step's questions (exercise.js), graded by the
// program's own next block, or for the memo's table question by the entry
// as it stood when the step's block was printed; after the last step, the
// score with a link to each step answered wrongly.

import { $ } from "./dom.js";
import { LEAD } from "./blocks.js";
import { explain } from "./programs.js";
import { shiftSlipsOf, slipElements, slipName, tableSlipsOf } from "./slips.js";
import { asksShift, asksTable, pendingShift, pendingTable, revealed, tableQuestion } from "./exercise.js";
import { addView, ruler, show } from "./stepper.js";
import { addressOf, answerShiftAt, answerTableAt, practising, predicting, restartExercise, state } from "./state.js";

// The first problem with a typed shift, or "" when it is a shift from 0 to n.
function shiftProblem(value, n) {
  if (value === "") return `Type a shift: a whole number from 0 to ${n}.`;
  if (/^-\d+$/.test(value)) return `${value} is negative: a shift is 0 or more.`;
  if (!/^\d+$/.test(value)) return `"${value}" is not a whole number: type a shift from 0 to ${n}.`;
  if (Number(value) > n) return `${value} is larger than the text's length, ${n}: type a shift from 0 to ${n}.`;
  return "";
}

// Grades a shift for the step shown against where the next block puts the
// pattern; when none follows, any shift at which the pattern would run past
// the text's end is right.
function answerShift(value) {
  const k = state.k;
  if (!pendingShift(k) || pendingTable(k)) return;
  const { text, pattern } = state.run;
  const problem = shiftProblem(value.trim(), text.length);
  if (problem) {
    $("feedback").textContent = problem;
    return;
  }
  const guess = Number(value);
  const next = state.blocks[k];
  const right = next ? guess === next.s : guess + pattern.length > text.length;
  answerShiftAt(k, { guess, right, slips: right ? [] : shiftSlipsOf(state.run, state.blocks[k - 1], guess) });
  show(k);
  $("next").focus();
}

// Grades a table answer by what entry j held when the step's block was printed.
function answerTable(yes) {
  const k = state.k;
  if (!pendingTable(k)) return;
  const { j, tableBefore } = state.blocks[k - 1];
  const right = yes === tableBefore[j] >= 0;
  answerTableAt(k, { yes, right, slips: right ? [] : tableSlipsOf(state.run, state.blocks, k) });
  show(k);
  $("guess").focus();
}

// A wrong shift, drawn dotted under the caret, which a phone leaves unsaid.
function notRight(guess, s) {
  const drawn = document.createElement("span");
  drawn.className = "wide-only";
  drawn.textContent = " (drawn dotted under the caret)";
  const said = document.createElement("span");
  said.append(`Not right: you said s = ${guess}`, drawn, `; the pattern starts next at s = ${s}.`);
  return said;
}

// What step k's answers earned, with the program's own reasons: the
// verdicts, each followed by the slips a wrong answer matched, then the
// explanation.
function feedbackOf(k) {
  const block = state.blocks[k - 1];
  const { run } = state;
  const parts = [];
  const table = state.predict.tables.get(k);
  const shift = state.predict.shifts.get(k);
  if (table) {
    // Once the shift is answered too, the explanation says what each call did.
    const held = block.tableBefore[block.j];
    // Its slips were named with its own feedback; the shift's take the room after.
    parts.push(...(shift
      ? [`The table question: ${table.right ? "right" : "not right"}, entry ${block.j} held ${held}.`]
      : [`${table.right ? "Right" : "Not right"}: entry ${block.j} held ${held} when the comparison was `
        + `made, so the first call was ${held >= 0 ? "answered from the table" : "a scan"}.`,
      ...slipElements(run, "table", table.slips, "", { j: block.j })]));
  }
  if (shift) {
    const next = state.blocks[k];
    const verdict = shift.right ? "Right" : "Not right";
    parts.unshift(!next ? `${verdict}: you said s = ${shift.guess}. No block follows: the pattern no longer `
      + "fits in the text, and the search ends."
      : shift.right ? `Right: s = ${next.s}.` : notRight(shift.guess, next.s),
    ...slipElements(run, "shift", shift.slips, "You moved by", { j: block.j, c: block.textChar }));
    const why = explain(run, state.blocks, k);
    parts.push(why ? why.text : `"${block.after[0]}": after an occurrence the next search starts `
      + "one shift further on.");
  } else if (table) {
    parts.push("Now: where does the pattern start next?");
  }
  return parts.flatMap((part, i) => (i ? [" ", part] : [part]));
}

// The question panel, the ruler's columns to pick a shift at, and the score,
// as they stand at step k; what follows the stage waits while predicting.
function showQuestion({ k, picking }) {
  const asking = predicting() && (asksShift(k) || asksTable(k));
  $("question").hidden = !asking;
  $("why").hidden = predicting();
  for (const id of ["side-box", "growth", "output-box"]) $(id).hidden = predicting();
  $("predict").setAttribute("aria-pressed", String(predicting() && !practising()));
  $("predict").disabled = state.blocks.length === 0 && !predicting(); // nothing to predict, nothing to leave
  showScore();
  pickOnRuler(picking);
  if (!asking) {
    $("feedback").replaceChildren();
    return;
  }
  $("table-question").hidden = !pendingTable(k);
  $("table-question-text").textContent = pendingTable(k) ? tableQuestion(k) : "";
  // Each question shows until it is answered; the feedback then says what
  // the learner answered.
  $("shift-question").hidden = !picking;
  for (const control of [$("guess"), $("check")]) control.disabled = !picking;
  $("guess").value = "";
  $("feedback").replaceChildren(...(revealed(k) || state.predict.tables.has(k) ? feedbackOf(k) : []));
}

// Lets the learner pick a shift at a column of the ruler, with one tab stop
// and the arrow keys between columns; made once for a text, and kept while
// the ruler shows it. The columns read as the plain digits they replace. The
// map's index row offers the same columns (map.js).
function pickOnRuler(on) {
  const { text } = state.run;
  const made = $("ruler").querySelector(".column") !== null;
  if (!on && made) $("ruler").textContent = $("ruler").textContent;
  if (on && !made) {
    const columns = Array.from(text, (_, i) => {
      const column = document.createElement("button");
      Object.assign(column, { type: "button", className: "column", textContent: i % 10, tabIndex: i ? -1 : 0 });
      column.dataset.column = i;
      column.setAttribute("aria-label", `shift ${i}`);
      return column;
    });
    const [tens] = ruler(text.length).split("\n");
    $("ruler").replaceChildren(...(text.length > 10 ? [`${tens}\n`] : []), " ".repeat(LEAD), ...columns);
  }
  $("ruler").toggleAttribute("aria-hidden", !on);
}

// After the last step: how many predictions were right, and a link to each
// step answered wrongly.
function showScore() {
  const { blocks, predict, name, input } = state;
  const done = predicting() && blocks.length > 0 && state.k === blocks.length && revealed(state.k);
  $("score").hidden = !done;
  if (!done) return;
  const count = (answers) => [...answers.values()].filter((answer) => answer.right).length;
  let summary = `${count(predict.shifts)} of ${predict.shifts.size} shifts predicted`;
  if (name === "prefix-overlap-memo") {
    summary += `; ${count(predict.tables)} of ${predict.tables.size} table questions`;
  }
  $("score-text").textContent = `${summary}.`;
  const wrong = [...blocks.keys()].map((at) => at + 1).filter((k) => predict.shifts.get(k)?.right === false
    || predict.tables.get(k)?.right === false);
  $("wrong").replaceChildren(...wrong.map((k) => {
    const link = document.createElement("a");
    link.href = addressOf(name, k, input);
    const shift = predict.shifts.get(k);
    link.textContent = `Comparison ${k}`
      + (shift?.right === false ? `: you said s = ${shift.guess}` : ": the table question");
    const item = document.createElement("li");
    item.append(link);
    return item;
  }));
  $("wrong-heading").hidden = wrong.length === 0;
  // The slips met, by how often, each linking to the first step it was met at.
  const met = new Map(); // "kind id" -> { kind, id, count, k }
  for (const k of wrong) {
    for (const [kind, answer] of [["table", predict.tables.get(k)], ["shift", predict.shifts.get(k)]]) {
      for (const { id } of answer?.slips ?? []) {
        const seen = met.get(`${kind} ${id}`) ?? { kind, id, count: 0, k };
        met.set(`${kind} ${id}`, { ...seen, count: seen.count + 1 });
      }
    }
  }
  $("slips").replaceChildren(...[...met.values()].map(({ kind, id, count, k }) => {
    const link = document.createElement("a");
    link.href = addressOf(name, k, input);
    link.textContent = `${slipName(name, kind, id)}: ${count === 1 ? "once" : `${count} times`}, `
      + `first at comparison ${k}`;
    const item = document.createElement("li");
    item.dataset.slip = id;
    item.append(link);
    return item;
  }));
  $("slips-heading").hidden = met.size === 0;
}

// A shift picked at a column of the ruler or the map's index row: by click
// or tap, Enter or Space; the arrow keys move between the columns of one row.
function pickColumn(event) {
  const column = event.target.closest(".column[data-column]");
  if (!column) return;
  const i = Number(column.dataset.column);
  if (event.type === "click" || event.key === "Enter" || event.key === " ") {
    event.preventDefault();
    answerShift(String(i));
  } else if (event.key === "ArrowLeft" || event.key === "ArrowRight") {
    event.preventDefault();
    event.stopPropagation();
    const row = [...column.parentElement.querySelectorAll("[data-column]")];
    const other = row[i + (event.key === "ArrowRight" ? 1 : -1)];
    if (other) {
      column.tabIndex = -1;
      other.tabIndex = 0;
      other.focus();
    }
  }
}

addView({ show: showQuestion });
for (const box of [$("ruler"), $("map-head")]) {
  box.addEventListener("click", pickColumn);
  box.addEventListener("keydown", pickColumn);
}
$("shift-question").addEventListener("submit", (event) => {
  event.preventDefault();
  answerShift($("guess").value);
});
$("table-yes").addEventListener("click", () => answerTable(true));
$("table-no").addEventListener("click", () => answerTable(false));
// Predict leaves predicting, or predicts the run shown: while practising, its
// exercise's text and pattern.
$("predict").addEventListener("click", () => {
  const leaving = predicting() && !practising();
  location.hash = addressOf(state.name, leaving ? Math.max(state.k, 1) : 1, state.input, leaving ? "" : "predict");
});
$("again").addEventListener("click", () => {
  restartExercise();
  show(1);
  $("next").focus();
});
$("another").addEventListener("click", () => {
  $("text").focus();
  $("text").scrollIntoView({ block: "center" });
});
