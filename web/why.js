"use strict";
// Why the pattern moved. After a mismatch each program moves the pattern by
// its own rule; the page explains the move by the evidence that rule used.
// Every figure is read from the run or asked of the program itself: the move
// from where the next block puts the pattern, i from the program's
// findLastPos, the border from prefix-overlap's MaxOverlap, the good-suffix
// report's deciding line from the lines printed after the block, and for
// prefix-overlap-memo the border and every table answer from its table as it
// stood before and after the step. (Its MaxOverlap is not asked afterwards:
// it reads and writes a table that a later run may have remade.) No script
// here searches the pattern, computes a border or a shift.

// The overlap table after step k: as it stood when the next block was
// printed, or as the run left it.
const tableAfter = (run, blocks, k) => blocks[k]?.tableBefore ?? run.table;

const ENDS = "the pattern would move on, but it no longer fits in the text: the search ends.";

// The explanation of step k, or null on a match: `text`, a sentence or two
// with the figures; `phrase`, the same in a few words for the map; `evidence`,
// the spans of the block's lines (0 the T line, 1 the P line; columns from
// `from` up to `to`) that the rule used; `decisive`, the index among the lines
// printed after the block of the report line that decided; `entry`, the
// table entry that the step asked for; for last-occurrence, `d`, the
// candidate shift j - i.
function explain(run, blocks, k) {
  const block = blocks[k - 1];
  if (block.match) return null;
  if (!block.why) {
    const next = blocks[k];
    const move = next ? next.s - block.s : null; // null: no block follows
    block.why = { evidence: [], decisive: -1, entry: null,
      ...RULES[run.name](run, block, move, blocks, k) };
  }
  return block.why;
}

// The two sides of a good-suffix report line, "1: X ?== Y" or "2: X ?== Y",
// each as long as the other.
function sidesOf(line) {
  const half = (line.length - "1: ".length - " ?== ".length) / 2;
  return [line.slice(3, 3 + half), line.slice(line.length - half)];
}

// Where the next block puts the pattern, in words, or that none follows.
const moves = (move, how = "") => (move === null ? ENDS : `the pattern moves by ${move}${how}.`);
const moved = (move) => (move === null ? "the pattern no longer fits" : `moved ${move}`);
// Columns of the block's lines: pattern index j at shift s stands in
// column LEAD + s + j.
const span = (line, s, from, length) => ({ line, from: LEAD + s + from, to: LEAD + s + from + length });

const RULES = {
  "naive-rtl": (run, block, move) => ({
    text: "Nothing from this alignment is used: after any mismatch the naive scan tries "
      + `the next shift, whatever matched, and starts again at the pattern's last character; ${moves(move)}`,
    phrase: moved(move),
  }),

  "last-occurrence": (run, { s, j, textChar }, move) => {
    const c = `"${textChar}"`;
    const i = run.program.module.ccall("findLastPos", "number", ["string", "number"],
      [run.pattern, textChar.charCodeAt(0)]);
    const d = j - i;
    const evidence = i < 0 ? [] : [span(1, s, i, 1)];
    if (i < 0) {
      return { d, evidence, phrase: `${c} not in the pattern, d = ${d}, ${moved(move)}`,
        text: `The text's ${c} does not occur in the pattern: findLastPos gives -1, so `
          + `d = j - i = ${j} - (-1) = ${d}; `
          + (move === null ? ENDS : `the pattern moves by ${move}, wholly past that ${c}.`) };
    }
    const where = `The pattern's last ${c} is at index i = ${i} (findLastPos), so d = j - i = ${j} - ${i} = ${d}`;
    if (d > 0) {
      return { d, evidence, phrase: `last ${c} at ${i}, d = ${d}, ${moved(move)}`,
        text: `${where}; ${moves(move, `, bringing that ${c} under the text's ${c}`)}` };
    }
    return { d, evidence, phrase: `last ${c} at ${i}, right of j, d = ${d}, ${moved(move)}`,
      text: `${where}: that ${c} lies right of the mismatch, and a move by d would go backwards; `
        + (move === null ? ENDS : `the pattern moves by ${move} instead.`) };
  },

  "good-suffix": (run, { s, j }, move, blocks, k) => {
    const m = run.pattern.length;
    if (j === m - 1) {
      return { phrase: `nothing matched, ${moved(move)}`,
        text: "Nothing matched before this mismatch on the pattern's last character: there is "
          + `no good suffix and no report; ${moves(move)}` };
    }
    // The report, as printed after the block: "Good suffix = ", then the
    // lines tried; the last one decided when its two sides are the same.
    const report = blocks[k - 1].after;
    const suffixLine = report.findIndex((line) => line.startsWith("Good suffix = "));
    const good = `"${report[suffixLine].slice("Good suffix = ".length)}"`;
    const tried = report.slice(suffixLine + 1);
    const last = tried.at(-1) ?? "";
    const [left, right] = sidesOf(last);
    const half = left.length;
    const decisive = suffixLine + tried.length;
    if (left !== right) {
      return { phrase: `no copy of ${good} or prefix, ${moved(move)}`,
        text: `The good suffix ${good} matched. No other copy of it lies further left (the lines 1:) `
          + `and no pattern prefix matches its end (the lines 2:), so ${moves(move, ", its whole length")}` };
    }
    if (last.startsWith("1: ")) {
      // Phase 1 tries k = j, j - 1, ..., one line each.
      const at = j + 1 - tried.filter((line) => line.startsWith("1: ")).length;
      return { decisive, evidence: [span(1, s, at, half)],
        phrase: `copy of ${good} at ${at}, ${moved(move)}`,
        text: `The good suffix ${good} matched; the line "${last}" found another copy of it at `
          + `k = ${at}, so ${moves(move, ", bringing that copy under the text the good suffix matched")}` };
    }
    return { decisive, evidence: [span(1, s, 0, half)],
      phrase: `prefix "${left}" of ${good}, ${moved(move)}`,
      text: `The good suffix ${good} matched, with no other copy of it further left; the line `
        + `"${last}" found the pattern's prefix of length k = ${half} matching its end, so `
        + moves(move, ", bringing that prefix under the end of the matched text") };
  },

  "prefix-overlap": (run, block, move) => overlapRule(run, block, move,
    run.program.module.ccall("MaxOverlap", "number", ["string"], [run.pattern.slice(0, block.j)])),

  // MaxOverlap stores every border it finds in entry L, so entry L after the
  // step is the border it gave; -1 there means it found none and gave 0.
  "prefix-overlap-memo": (run, block, move, blocks, k) => {
    const L = block.j;
    const before = block.tableBefore[L];
    const after = tableAfter(run, blocks, k)[L];
    const rule = overlapRule(run, block, move, Math.max(after, 0));
    const prefix = `"${run.pattern.slice(0, L)}"`;
    let calls;
    let phrase;
    if (L === 0) {
      calls = "One call of MaxOverlap, for the empty prefix: entry 0 held -1, so it was scanned "
        + "(there is nothing to compare) and nothing was stored.";
      phrase = "scanned";
    } else if (before >= 0) {
      calls = `Both calls of MaxOverlap were answered from the table: entry ${L} already held ${before}.`;
      phrase = "both from the table";
    } else if (after >= 0) {
      calls = `The first call of MaxOverlap scanned ${prefix} and stored ${after} in entry ${L}; `
        + "the second was answered from the table.";
      phrase = "scanned and stored, then from the table";
    } else {
      calls = `Both calls of MaxOverlap scanned ${prefix}: it has no border, so nothing was stored `
        + `and entry ${L} stays -1.`;
      phrase = "scanned twice";
    }
    return { ...rule, entry: L, text: `${rule.text} ${calls}`, phrase: `${rule.phrase}; ${phrase}` };
  },
};

// The prefix-overlap rule, for a mismatch after the prefix of length j
// matched and that prefix's border as the program gave it.
function overlapRule(run, { s, j }, move, border) {
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
