// The questions of an exercise, while predicting the shifts. On each step
// after which the pattern moves, the learner says where it starts next; the
// program's own next block is the answer. For prefix-overlap-memo the
// learner also says, before the shift, whether the table answers the first
// MaxOverlap call. Until a step is answered nothing of what comes after it is
// shown. A run with no comparison asks nothing.

import { predicting, state } from "./state.js";

// Step k asks where the pattern starts next when its next block stands at
// another shift, or when it is a mismatch after which no block follows.
export function asksShift(k) {
  const block = state.blocks[k - 1];
  const next = state.blocks[k];
  return block !== undefined && (next ? next.s !== block.s : !block.match);
}

// A mismatch of prefix-overlap-memo after a matched character asks whether
// the table holds the matched prefix's border.
export function asksTable(k) {
  const block = state.blocks[k - 1];
  return block !== undefined && block.tableBefore !== null && !block.match && block.j > 0;
}

export const pendingTable = (k) => predicting() && asksTable(k) && !state.predict.tables.has(k);
export const pendingShift = (k) => predicting() && asksShift(k) && !state.predict.shifts.has(k);
// Whether what follows step k may be shown: always while viewing.
export const revealed = (k) => !pendingTable(k) && !pendingShift(k);

// The last step the learner may see: the first one not yet answered.
export function reach() {
  const { blocks } = state;
  if (!predicting()) return blocks.length;
  let k = 1;
  while (k < blocks.length && revealed(k)) k++;
  return Math.min(k, blocks.length);
}

export function tableQuestion(k) {
  const { j } = state.blocks[k - 1];
  return `Does the table answer the first MaxOverlap call, for the prefix `
    + `"${state.run.pattern.slice(0, j)}" (entry ${j}), without a scan?`;
}

// What the status says of step k while predicting: the comparison and how it
// came out, then the question it asks, if any.
export function predictStatus(k) {
  const { s, j, textChar, patternChar, match } = state.blocks[k - 1];
  const status = `Comparison ${k}: shift s = ${s}, index j = ${j}; pattern[${j}] "${patternChar}" `
    + `and text[${s + j}] "${textChar}" ${match ? "match." : "do not match."}`;
  if (pendingTable(k)) return `${status} ${tableQuestion(k)}`;
  if (pendingShift(k)) return `${status} Where does the pattern start next?`;
  return status;
}
