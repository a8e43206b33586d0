// What each program does differently, one description per program, in the
// order of the page's list: its rule's explanation of a mismatch, the table
// its rule consults (for the learner to build) with the entry each mismatch
// consults, and its source files with the statements lit when they run. Every
// figure comes from the program's own helpers, which page.cmake exports from
// its module and which are asked here alone. A sixth program needs a
// description here, its place in page.cmake's list and its helpers in
// entry.cpp.

import { collect } from "./run.js";
import { ENDS, moved, moves, overlapRule, sidesOf, span, tableAfter } from "./why.js";

export const LIMIT = 80; // characters of text, and of pattern, that a learner may run

// The programs' helpers, asked through the page's entry.
const findLastPos = (run, c) => run.program.module.ccall("findLastPos", "number", ["string", "number"],
  [run.pattern, c.charCodeAt(0)]);
const maxOverlap = (run, prefix) => run.program.module.ccall("MaxOverlap", "number", ["string"], [prefix]);
// What a slip gives (web/slips.cpp): the move after a mismatch at j on the
// text character c, or the table's entry for c or for the index or length L;
// the memo's, after the run's MaxOverlap calls for the lengths `asked`.
export const shiftSlip = (run, id, j, c) => run.program.module.ccall("shiftSlip", "number",
  ["string", "string", "number", "number"], [id, run.pattern, j, c.charCodeAt(0)]);
export const entrySlip = (run, id, L, c, asked = []) => run.program.module.ccall("entrySlip", "number",
  ["string", "string", "number", "number", "array", "number"], [id, run.pattern, L, c.charCodeAt(0),
    Uint8Array.from(asked), asked.length]);
// goodSuffixShift's shift at j, with the report it printed.
function goodSuffixShift(run, j) {
  let shift;
  const { output } = collect(run.name, run.program, () => {
    shift = run.program.module.ccall("goodSuffixShift", "number", ["string", "number"], [run.pattern, j]);
  });
  return { shift, report: output.split("\n").slice(0, -1) };
}

// A figure subtracted, in parentheses when it is negative: "4 - (-1)".
const signed = (value) => (value < 0 ? `(${value})` : String(value));

// The statements that every right-to-left and every prefix-overlap program
// runs at a step: the block printed, its pair compared, then the move.
const RTL_LINES = { print: "printAlignment(text, pattern, s, j);", compare: "if (pattern[j] == text[s + j]) {",
  found: "return s;", back: "j--;" };
const KMP_LINES = { print: RTL_LINES.print, compare: RTL_LINES.compare, found: "return s;", forward: "j++;",
  test: "if (length == MaxOverlap(prefix))", byOne: "shift = 1;", byBorder: "shift = length - MaxOverlap(prefix);" };

// The slips of the prefix-overlap rule, after a mismatch at j >= 1: each
// moves by v where the rule moves by j less the longest border of the first j
// characters.
const OVERLAP_SHIFT_SLIPS = {
  asks: (run, block) => block.j >= 1,
  list: [
    { id: "by-the-border", name: "Moved by the border",
      says: ({ v }) => `You moved by the border itself, ${v}.` },
    { id: "past-the-prefix", name: "Moved past the whole prefix",
      says: ({ run, j }) => `You moved by j = ${j}, as if "${run.pattern.slice(0, j)}" had no border.` },
    { id: "shortest-border", name: "The shortest border",
      says: ({ run, j, v }) => `You took the shortest border, "${run.pattern.slice(0, j - v)}", not the longest.` },
    { id: "wrong-prefix", name: "One character too many",
      says: ({ run, j }) => `You took the border of "${run.pattern.slice(0, j + 1)}", mismatched character included.` },
  ],
};

// The slips of the good-suffix rule at j < m - 1, as a move or as the table's
// entry at j alike.
const GOOD_SUFFIX_SLIPS = [
  { id: "no-prefix-phase", name: "Forgot phase 2",
    says: ({ run, j, said }) => `${said} = m, as if there were no phase 2, which looks for a prefix matching the `
      + `end of "${run.pattern.slice(j + 1)}".` },
  { id: "strong-rule", name: "The strong rule",
    says: ({ run, j, said }) => `${said}, skipping a copy with "${run.pattern[j]}" in front, as the strong rule `
      + "does; this program does not." },
  { id: "leftmost-copy", name: "The leftmost copy",
    says: ({ run, j, said }) => `${said}, to the leftmost copy of "${run.pattern.slice(j + 1)}"; phase 1 takes the `
      + "rightmost." },
];

// Each program: `rule(run, block, move, blocks, k)`, the explanation of the
// mismatch at step k, whose next block moves the pattern by `move` (null when
// none follows): `text`, a sentence or two with the figures; `phrase`, the
// same in a few words for the map; `evidence`, the spans of the block's lines
// (0 the T line, 1 the P line) that the rule used; `decisive`, the index of
// the report line that decided; `entry`, the table entry asked for; `d`, for
// last-occurrence, the candidate shift j - i. `table`, null for naive-rtl:
// what it holds, its rows' heads, its entries (each with its key, the
// program's value, the range an entry may take, a name for a screen reader
// and one sentence of why), the key each mismatch consults and `withheld`,
// the explanation of such a mismatch without that entry's value, while the
// learner builds it. `code`: the
// files, the statements by what they do, and the names of those that made
// the move at step k. `slips`: the rule with one plausible mistake each
// (web/slips.cpp), by which a wrong answer is named: `shift`, at the steps it
// `asks` for them, `entry`, for the table built, and the memo's `table`, for
// its table question; each with its id, a name and `says(figures)`, one
// sentence with the step's figures: `v`, what the slip gives; `said`, the
// learner's answer in words; `j`, `c` and `key`. `practice`, for every
// program but naive-rtl: its cases, each with an id and a few words, and
// `caseOf(run, block, blocks, k)`, the case of the mismatch at step k (null
// for none), read from the program's helpers and the run as the explanation
// reads them.
export const PROGRAMS = {
  "naive-rtl": {
    rule: (run, block, move) => ({
      text: "Nothing from this alignment is used: after any mismatch the naive scan tries "
        + `the next shift, whatever matched, and starts again at the pattern's last character; ${moves(move)}`,
      phrase: moved(move),
    }),
    table: null,
    code: { files: ["rtl/naive-rtl.cpp"], lines: { ...RTL_LINES, next: "s++;" }, moved: () => ["next"] },
  },

  "last-occurrence": {
    rule: (run, { s, j, textChar }, move) => {
      const c = `"${textChar}"`;
      const i = findLastPos(run, textChar);
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
    table: {
      what: (run) => `For each character of the text, in the order it first appears, the index `
        + `findLastPos gives: the last place of that character in the pattern "${run.pattern}", or -1.`,
      heads: ["character", "findLastPos"],
      entries: (run) => [...new Set(run.text)].map((c) => {
        const value = findLastPos(run, c);
        return { key: c, value, low: -1, high: run.pattern.length - 1, name: `findLastPos of "${c}"`,
          why: value < 0 ? `"${c}" does not occur in the pattern, so findLastPos gives -1.`
            : `The last "${c}" of the pattern is at index ${value}.` };
      }),
      consulted: (run, block) => block.textChar,
      withheld: (run, { textChar }) => `findLastPos gives the entry you are building for "${textChar}", i, and the `
        + "pattern moves by d = j - i, or by one when d is 0 or less.",
    },
    code: { files: ["rtl/last-occurrence.cpp"],
      lines: { ...RTL_LINES, lastPos: "int d = j - findLastPos(pattern, text[s + j]);", byOne: "s += 1;", byD: "s += d;" },
      moved: (run, blocks, k) => ["lastPos", explain(run, blocks, k).d > 0 ? "byD" : "byOne"] },
    practice: { cases: [
      { id: "absent", name: "the character is not in the pattern" },
      { id: "left", name: "its last occurrence is left of j" },
      { id: "right", name: "it is right of j: a move by one" },
    ], caseOf: (run, { j, textChar }) => {
      const i = findLastPos(run, textChar);
      return i < 0 ? "absent" : i < j ? "left" : "right";
    } },
    slips: {
      shift: { asks: () => true, list: [
        { id: "no-guard", name: "No guard",
          says: ({ v }) => `You moved by d = ${v}; at 0 or less the rule moves by one.` },
        { id: "left-of-j", name: "Looked only left of j",
          says: ({ run, c }) => `You looked for "${c}" only left of j; its last one is at ${findLastPos(run, c)}, `
            + "right of j." },
        { id: "from-the-end", name: "Counted from the end",
          says: ({ run, c, v }) => {
            const i = signed(findLastPos(run, c));
            return `You counted from the end, not from j: m - 1 - i = ${run.pattern.length - 1} - ${i} = ${v}.`;
          } },
      ] },
      entry: [
        { id: "first-occurrence", name: "The first, not the last",
          says: ({ key, v }) => `You gave the first "${key}" of the pattern, at ${v}; findLastPos gives the last.` },
        { id: "distance-from-end", name: "Distance from the end",
          says: ({ key, v }) => `You gave the last "${key}"'s distance from the pattern's end, ${v}, not its index.` },
      ],
    },
  },

  "good-suffix": {
    rule: (run, { s, j }, move, blocks, k) => {
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
    table: {
      what: () => "For each mismatch index j, after the characters right of it matched, the shift "
        + "goodSuffixShift gives.",
      heads: ["j", "shift"],
      entries: (run) => Array.from({ length: Math.max(run.pattern.length - 1, 0) }, (_, i) => {
        const j = run.pattern.length - 2 - i;
        const { shift, report } = goodSuffixShift(run, j);
        // The report's last line tried decides when its two sides are the
        // same; else no copy and no prefix was found, and the shift is m.
        const [left, right] = sidesOf(report.at(-1));
        return { key: String(j), value: shift, low: 1, high: run.pattern.length, name: `good-suffix shift at j = ${j}`,
          why: left === right ? `The report's line "${report.at(-1)}" decides it.`
            : "No line of the report finds another copy or a prefix, so the shift is the pattern's length." };
      }),
      consulted: (run, block) => (block.j < run.pattern.length - 1 ? String(block.j) : null),
      withheld: (run, { j }) => `The good suffix "${run.pattern.slice(j + 1)}" matched: the pattern moves by what `
        + `goodSuffixShift gives, the entry you are building for j = ${j}.`,
    },
    // A report's deciding line says which return gave the shift: a copy found
    // in phase 1, a prefix in phase 2, or neither.
    code: { files: ["rtl/good-suffix.cpp"],
      lines: { ...RTL_LINES, nothing: "int shift = 1;", call: "shift = goodSuffixShift(pattern, j);",
        copy: "return m - k - g;", prefix: "return m - k;", whole: "return m;" },
      moved: (run, blocks, k) => {
        const block = blocks[k - 1];
        if (block.j === run.pattern.length - 1) return ["nothing"];
        const decided = block.after[explain(run, blocks, k).decisive];
        return ["call", !decided ? "whole" : decided.startsWith("1: ") ? "copy" : "prefix"];
      } },
    // The case is the return that gave the shift, as the report's deciding
    // line says.
    practice: { cases: [
      { id: "copy", name: "phase 1 finds another copy" },
      { id: "prefix", name: "phase 2 finds a prefix" },
      { id: "whole", name: "neither: a move by m" },
    ], caseOf: (run, block, blocks, k) => (block.j < run.pattern.length - 1
      ? PROGRAMS["good-suffix"].code.moved(run, blocks, k)[1] : null) },
    slips: {
      shift: { asks: (run, block) => block.j < run.pattern.length - 1, list: [...GOOD_SUFFIX_SLIPS,
        { id: "bad-character", name: "The bad-character rule",
          says: ({ c, said }) => `${said}, as the bad-character rule would for the text's "${c}"; this program uses `
            + "the good suffix alone." }] },
      entry: GOOD_SUFFIX_SLIPS,
    },
  },

  "prefix-overlap": {
    rule: (run, block, move) => overlapRule(run, block, move, maxOverlap(run, run.pattern.slice(0, block.j))),
    table: {
      what: () => "For each prefix length L, the length of the longest border of the pattern's first L "
        + "characters, as MaxOverlap gives it.",
      heads: ["L", "border"],
      entries: (run) => Array.from({ length: Math.max(run.pattern.length - 1, 0) }, (_, i) => {
        const prefix = run.pattern.slice(0, i + 1);
        const value = maxOverlap(run, prefix);
        return { key: String(i + 1), value, low: 0, high: i, name: `border of "${prefix}"`,
          why: value === 0 ? `"${prefix}" has no border, so MaxOverlap gives 0.`
            : `The longest border of "${prefix}" is "${prefix.slice(0, value)}".` };
      }),
      consulted: (run, block) => (block.j > 0 ? String(block.j) : null),
      withheld: (run, { j }) => `The pattern moves by j less the longest border of "${run.pattern.slice(0, j)}", `
        + `which MaxOverlap gives: the entry you are building for L = ${j}.`,
    },
    code: { files: ["overlap/prefix-overlap.cpp", "overlap/kmp.cpp"], lines: KMP_LINES,
      moved: (run, blocks, k) => ["test", blocks[k - 1].j === 0 ? "byOne" : "byBorder"] },
    // A border's own border is a shorter border of the prefix too.
    practice: { cases: [
      { id: "border", name: "the prefix has a border" },
      { id: "no-border", name: "a prefix of 2 or more without a border" },
      { id: "nested", name: "the prefix has two borders or more" },
    ], caseOf: (run, { j }) => {
      const border = j > 0 ? maxOverlap(run, run.pattern.slice(0, j)) : 0;
      if (border > 0) return maxOverlap(run, run.pattern.slice(0, border)) > 0 ? "nested" : "border";
      return j >= 2 ? "no-border" : null;
    } },
    slips: {
      shift: OVERLAP_SHIFT_SLIPS,
      entry: [
        { id: "shortest-border", name: "The shortest border",
          says: ({ run, key, v }) => `You gave the shortest border of "${run.pattern.slice(0, key)}", ${v}; `
            + "MaxOverlap gives the longest." },
        { id: "prefix-elsewhere", name: "A prefix found elsewhere",
          says: ({ run, key, v }) => `"${run.pattern.slice(0, v)}" occurs again in "${run.pattern.slice(0, key)}", `
            + "but not at its end: it is no border." },
      ],
    },
  },

  // Its MaxOverlap is not asked: it reads and writes a table that a later run
  // may have remade. Every answer is read from the table's copies before and
  // after the step instead. MaxOverlap stores every border it finds in entry
  // L, so entry L after the step is the border it gave; -1 there means it
  // found none and gave 0.
  "prefix-overlap-memo": {
    rule: (run, block, move, blocks, k) => {
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
    // An entry holds a border only where the run asked for it (a mismatch at
    // j = L) and its scan found one.
    table: {
      what: () => "Entry L of KMPFailureF as the run leaves it: the border stored for the pattern's "
        + "first L characters, or -1 where none was stored.",
      heads: ["L", "entry"],
      entries: (run, blocks) => Array.from(run.table, (value, L) => {
        const prefix = `"${run.pattern.slice(0, L)}"`;
        const asked = blocks.some((block) => !block.match && block.j === L);
        return { key: String(L), value, low: -1, high: L - 1, name: `entry ${L} of KMPFailureF, for ${prefix}`,
          why: value >= 0 ? `The run asked for entry ${L}, and its scan found the border ${value} of ${prefix} and stored it.`
            : asked ? `The run asked for entry ${L}, but ${prefix} has no border, so nothing was stored.`
              : `The run never asked for entry ${L}, so nothing was stored.` };
      }),
      consulted: (run, block) => String(block.j),
      withheld: (run, { j }) => `MaxOverlap is asked for "${run.pattern.slice(0, j)}"; what entry ${j} holds after it `
        + "is the entry you are building.",
    },
    // Entry j as the step began and after it: a border known before answers
    // both calls from the table; one stored by the first call's scan answers
    // the second.
    code: { files: ["overlap/prefix-overlap-memo.cpp", "overlap/kmp.cpp"],
      lines: { ...KMP_LINES, known: "return KMPFailureF[L];", store: "KMPFailureF[L] = p;" },
      moved: (run, blocks, k) => {
        const { j, tableBefore } = blocks[k - 1];
        const [before, after] = [tableBefore[j], tableAfter(run, blocks, k)[j]];
        return ["test", j === 0 ? "byOne" : "byBorder", ...(after >= 0 ? ["known"] : []),
          ...(before < 0 && after >= 0 ? ["store"] : [])];
      } },
    // The table question's case, from the table's copy as the step began.
    practice: { cases: [
      { id: "from-table", name: "the table answers the first call" },
      { id: "rescan", name: "a length met before without a border" },
    ], caseOf: (run, { j, tableBefore }, blocks, k) => {
      if (j === 0) return null;
      if (tableBefore[j] >= 0) return "from-table";
      return blocks.slice(0, k - 1).some((block) => !block.match && block.j === j) ? "rescan" : null;
    } },
    // Its table slips hold the table as the run's calls would leave it under
    // the slip; `table`, for a wrong "yes" to the table question.
    slips: {
      shift: OVERLAP_SHIFT_SLIPS,
      table: [
        { id: "zero-remembered", name: "Zero remembered",
          says: ({ run, j }) => `"${run.pattern.slice(0, j)}" was scanned before, but its border 0 was not stored: `
            + `entry ${j} still holds -1.` },
        { id: "filled-in-advance", name: "Filled in advance",
          says: ({ run, j }) => `The table is not filled in advance: entry ${j} is written when the run first asks `
            + `for "${run.pattern.slice(0, j)}", not yet.` },
      ],
      entry: [
        { id: "zero-stored", name: "Zero stored",
          says: ({ run, key }) => `"${run.pattern.slice(0, key)}" has no border, and 0 is not stored: entry ${key} `
            + "keeps -1." },
        { id: "unasked-filled", name: "Filled though never asked",
          says: ({ run, key, v }) => `The run never asked for "${run.pattern.slice(0, key)}", so entry ${key} `
            + `keeps -1, though its border is ${v}.` },
      ],
    },
  },
};

export const NAMES = Object.keys(PROGRAMS);

// Whether step k, a mismatch, asks a question of case `practised` of its
// program.
export function ofCase(run, blocks, k, practised) {
  const block = blocks[k - 1];
  return !block.match && PROGRAMS[run.name].practice?.caseOf(run, block, blocks, k) === practised;
}

// The explanation of step k by its program's rule, or null on a match; made
// once for a block. Every rule's explanation has evidence (maybe none), a
// deciding report line (-1 for none) and a table entry (null for none).
export function explain(run, blocks, k) {
  const block = blocks[k - 1];
  if (block.match) return null;
  if (!block.why) {
    const next = blocks[k];
    const move = next ? next.s - block.s : null; // null: no block follows
    block.why = { evidence: [], decisive: -1, entry: null, ...PROGRAMS[run.name].rule(run, block, move, blocks, k) };
  }
  return block.why;
}
