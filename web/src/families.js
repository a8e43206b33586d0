// The families of texts that the chart of the work's growth runs: for the
// pattern shown (m characters), texts of lengths n from m to the longest
// allowed, each family made from the input shown.

import { LIMIT } from "./programs.js";

const GROWTH_STEPS = 20; // lengths m to 80 in this many even steps, or every length if fewer

// The text lengths drawn for a pattern of length m: m, the longest text
// allowed (LIMIT) and evenly spaced lengths between them, every one where
// there are few.
export function growthLengths(m) {
  const steps = Math.min(GROWTH_STEPS, LIMIT - m);
  return [...new Set(Array.from({ length: steps + 1 },
    (_, i) => m + Math.round((i * (LIMIT - m)) / Math.max(steps, 1))))];
}

// The families of texts: each makes, for a length n, the text and the
// pattern to run, from the input shown. A text repeated must not be empty.
export const FAMILIES = {
  repeated: {
    label: "your text, repeated",
    make: ({ text, pattern }, n) => [text.repeat(Math.ceil(n / text.length)).slice(0, n), pattern],
  },
  "a-ab": {
    label: "a...a against a...ab",
    make: ({ pattern }, n) => ["a".repeat(n), `${"a".repeat(pattern.length - 1)}b`],
  },
  "a-ba": {
    label: "a...a against ba...a",
    make: ({ pattern }, n) => ["a".repeat(n), `b${"a".repeat(pattern.length - 1)}`],
  },
  random: {
    label: "random letters of the pattern",
    make: ({ pattern }, n) => [randomText(pattern, n), pattern],
  },
};

// The first n characters of one sequence over the pattern's distinct
// characters, in the order they first appear: x0 = 1, x(i+1) = (1103515245
// x(i) + 12345) mod 2^31, character i = distinct[(x(i+1) div 65536) mod d].
export function randomText(pattern, n) {
  const distinct = [...new Set(pattern)];
  let x = 1;
  let text = "";
  for (let i = 0; i < n; i++) {
    x = (Math.imul(1103515245, x) + 12345) & 0x7fffffff; // only the low 31 bits count
    text += distinct[Math.floor(x / 65536) % distinct.length];
  }
  return text;
}
