// Naming a wrong answer by the slips it matches. A slip is the program's rule
// with one plausible mistake, compiled into the program's module
// (web/slips.cpp) and described with its program (programs.js). The page
// grades every answer by the program itself; a wrong one that equals what a
// slip gives is named by that slip, and by every other slip that gives it.
// Each slip met is { id, v }: its id and what it gave.

import { PROGRAMS, entrySlip, shiftSlip } from "./programs.js";

const slipsOf = (name) => PROGRAMS[name].slips ?? {};
// A program's slips of a kind: "shift", "table" (the memo's table question)
// or "entry" (the table built).
const listOf = (name, kind) => (kind === "shift" ? slipsOf(name).shift?.list : slipsOf(name)[kind]) ?? [];

// The slips whose move after the mismatch of `block` brings the pattern to
// the wrong shift `guess`.
export function shiftSlipsOf(run, block, guess) {
  const { shift } = slipsOf(run.name);
  if (!shift || block.match || !shift.asks(run, block)) return [];
  return shift.list.map(({ id }) => ({ id, v: shiftSlip(run, id, block.j, block.textChar) }))
    .filter(({ v }) => block.s + v === guess);
}

// The memo's slips whose table, as the run's calls before step k leave it
// under the slip, answers the step's first MaxOverlap call: a wrong "yes".
export function tableSlipsOf(run, blocks, k) {
  const { j } = blocks[k - 1];
  const asked = blocks.slice(0, k - 1).filter((block) => !block.match).map((block) => block.j);
  return listOf(run.name, "table").map(({ id }) => ({ id, v: entrySlip(run, id, j, " ", asked) }))
    .filter(({ v }) => v >= 0);
}

// The slips that give the wrong entry `given`, a whole number in the entry's
// range, for the entry of key `key`: a character (last-occurrence), or an
// index or a length. The memo's are the table as all the run's calls leave it.
export function entrySlipsOf(run, blocks, key, given) {
  const asked = blocks.filter((block) => !block.match).map((block) => block.j);
  return listOf(run.name, "entry").map(({ id }) => ({ id, v: entrySlip(run, id, Number(key) || 0, key, asked) }))
    .filter(({ v }) => v === given);
}

// The name of a program's slip `id` of a kind.
export const slipName = (name, kind, id) => listOf(name, kind).find((slip) => slip.id === id).name;

// An element for each slip of a kind met, with its name and its sentence on
// the step's figures: `verb`, the learner's answer in words before the slip's
// value.
export function slipElements(run, kind, met, verb, figures) {
  return met.map(({ id, v }) => {
    const slip = listOf(run.name, kind).find((one) => one.id === id);
    const element = document.createElement("span");
    element.className = "slip";
    element.dataset.slip = id;
    const name = document.createElement("strong");
    name.textContent = `${slip.name}.`;
    element.append(name, ` ${slip.says({ run, v, said: `${verb} ${v}`, ...figures })}`);
    return element;
  });
}
