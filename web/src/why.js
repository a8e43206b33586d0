// The words of an explanation. After a mismatch each program moves the
// pattern by its own rule, and the page explains the move by the evidence
// that rule used (each program's rule is in programs.js). Every figure is
// read from the run or asked of the program itself: the move from where the
// next block puts the pattern, and the rule's figures from the program's own
// helpers, the good-suffix report or the memo's table copies. Nothing here
// searches the pattern, computes a border or a shift.

import { LEAD } from "./blocks.js";

// The overlap table after step k: as it stood when the next block was
// printed, or as the run left it.
export const tableAfter = (run, blocks, k) => blocks[k]?.tableBefore ?? run.table;

export const ENDS = "the pattern would move on, but it no longer fits in the text: the search ends.";

// Where the next block puts the pattern, in words, or that none follows.
export const moves = (move, how = "") => (move === null ? ENDS : `the pattern moves by ${move}${how}.`);
export const moved = (move) => (move === null ? "the pattern no longer fits" : `moved ${move}`);

// Columns of the block's lines: pattern index j at shift s stands in
// column LEAD + s + j.
export const span = (line, s, from, length) => ({ line, from: LEAD + s + from, to: LEAD + s + from + length });

// The two sides of a good-suffix report line, "1: X ?== Y" or "2: X ?== Y",
// each as long as the other.
export function sidesOf(line) {
  const half = (line.length - "1: ".length - " ?== ".length) / 2;
  return [line.slice(3, 3 + half), line.slice(line.length - half)];
}

// The prefix-overlap rule, for a mismatch after the prefix of length j
// matched and that prefix's border as the program gave it.
export function overlapRule(run, { s, j }, move, border) {
  if (j === 0) {
    return { phrase: `empty prefix, ${moved(move)}`,
      text: `Nothing matched: the empty prefix has no border, and ${moves(move)}` };
  }
  const prefix = `"${run.pattern.slice(0, j)}"`;
  if (border === 0) {
    return { phrase: `no border, ${moved(move)}`,
      text: `The matched prefix ${prefix} has no border (MaxOverlap gives 0), so `
        + (move === null ? ENDS : `the pattern moves by j - border = ${j} - 0 = ${move}, past the whole `
          + "prefix, and compares again from the pattern's first character.") };
  }
  const shown = `"${run.pattern.slice(0, border)}"`;
  return { evidence: [span(1, s, 0, border), span(0, s, j - border, border)],
    phrase: `border ${shown}, ${moved(move)}`,
    text: `The matched prefix ${prefix} has the longest border ${shown} (MaxOverlap gives ${border}), so `
      + (move === null ? ENDS : `the pattern moves by j - border = ${j} - ${border} = ${move}, bringing that border `
        + "under the text where the prefix ended; its characters are compared again.") };
}
