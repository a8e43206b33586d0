// Exercises to practise a case of a program's rule: a fresh text and pattern
// made from a seed by a small seeded generator, kept only when the program's
// own run, read as the page reads it, asks at least one question of that
// case (programs.js decides a step's case from the program's own helpers). A
// seed gives the same exercise in every browser. Registered with the first
// bundle, which opens what it makes.

import { nextTask } from "./dom.js";
import { readBlocks } from "./blocks.js";
import { ofCase } from "./programs.js";
import { makeExercisesWith, runEntry } from "./shared.js";

export const TRIES = 60; // instances made from one seed before moving to the next
const SEEDS = 16; // seeds tried, one after another, before giving up

// mulberry32: from a 32-bit seed, a stream of numbers in [0, 1).
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = Math.imul(state ^ (state >>> 15), state | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// A whole number from low to high, both included.
const between = (random, low, high) => low + Math.floor(random() * (high - low + 1));

// One instance, drawn in this order: the alphabet's size (its first 2 to 4
// letters of "abcd"), the pattern's length m (3 to 7), the text's length (8
// to 24), the pattern's letters, then the text, piece by piece until it is
// long enough, where it is cut: each piece, as a coin falls, one letter or
// the pattern's first 1 to m letters, so that prefixes and suffixes of the
// pattern match often.
function instance(random) {
  const letters = "abcd".slice(0, between(random, 2, 4));
  const [m, n] = [between(random, 3, 7), between(random, 8, 24)];
  const letter = () => letters[between(random, 0, letters.length - 1)];
  const pattern = Array.from({ length: m }, letter).join("");
  let text = "";
  while (text.length < n) text += random() < 0.5 ? letter() : pattern.slice(0, between(random, 1, m));
  return { pattern, text: text.slice(0, n) };
}

// The first instance from `seed` whose run asks a question of case
// `practised`, with its seed and the number of instances tried from it; a
// seed that gives none within TRIES moves on to the next. Runs a task at a
// time of at most about 20 ms; null once `current()` is false, or when no seed
// gives one.
async function makeExercise(name, practised, seed, current) {
  let started = performance.now();
  for (let next = seed, left = SEEDS; left > 0; next = (next + 1) >>> 0, left--) {
    const random = generator(next);
    for (let tries = 1; tries <= TRIES; tries++) {
      const { text, pattern } = instance(random);
      const run = await runEntry(name, text, pattern);
      const blocks = readBlocks(run);
      if (blocks.some((_, k) => ofCase(run, blocks, k + 1, practised))) return { seed: next, tries, text, pattern };
      if (performance.now() - started > 20) {
        await nextTask();
        if (!current()) return null;
        started = performance.now();
      }
    }
  }
  return null;
}

makeExercisesWith(makeExercise);
