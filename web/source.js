"use strict";
// The program's own source beside the step: the files the program shown is
// built from, each line numbered, with the lines that ran for the step lit.
// The text is the repository's own, copied by the build into sources.js
// (SOURCES, each file's text by its path), which loads after the first
// comparison. Which lines ran is read from what the page already reads: the
// block's pair, the next block (through the explanation of the step), the
// report's deciding line and the memo's table copies; no rule is run here.
// Lines are found by their statements, each of which stands once in the files.
//
// Uses $, state, explain and tableAfter (why.js) and revealed (predict.js);
// the stepper calls showSource at every step.

const RTL_LINES = { print: "printAlignment(text, pattern, s, j);", compare: "if (pattern[j] == text[s + j]) {",
  found: "return s;", back: "j--;" };
const KMP_LINES = { print: RTL_LINES.print, compare: RTL_LINES.compare, found: "return s;", forward: "j++;",
  test: "if (length == MaxOverlap(prefix))", byOne: "shift = 1;", byBorder: "shift = length - MaxOverlap(prefix);" };

// Each program's files and the statements lit, by what they do; and, for a
// mismatch at step k, the names of those that made the move.
const CODE = {
  "naive-rtl": { files: ["rtl/naive-rtl.cpp"], lines: { ...RTL_LINES, next: "s++;" },
    moved: () => ["next"] },
  "last-occurrence": { files: ["rtl/last-occurrence.cpp"],
    lines: { ...RTL_LINES, lastPos: "int d = j - findLastPos(pattern, text[s + j]);", byOne: "s += 1;", byD: "s += d;" },
    moved: (block, k) => ["lastPos", explain(state.run, state.blocks, k).d > 0 ? "byD" : "byOne"] },
  // A report's deciding line says which return gave the shift: a copy found
  // in phase 1, a prefix in phase 2, or neither.
  "good-suffix": { files: ["rtl/good-suffix.cpp"],
    lines: { ...RTL_LINES, nothing: "int shift = 1;", call: "shift = goodSuffixShift(pattern, j);",
      copy: "return m - k - g;", prefix: "return m - k;", whole: "return m;" },
    moved: (block, k) => {
      if (block.j === state.run.pattern.length - 1) return ["nothing"];
      const decided = block.after[explain(state.run, state.blocks, k).decisive];
      return ["call", !decided ? "whole" : decided.startsWith("1: ") ? "copy" : "prefix"];
    } },
  "prefix-overlap": { files: ["overlap/prefix-overlap.cpp", "overlap/kmp.cpp"], lines: KMP_LINES,
    moved: (block) => ["test", block.j === 0 ? "byOne" : "byBorder"] },
  // Entry j as the step began and after it: a border known before answers
  // both calls from the table; one stored by the first call's scan answers
  // the second.
  "prefix-overlap-memo": { files: ["overlap/prefix-overlap-memo.cpp", "overlap/kmp.cpp"],
    lines: { ...KMP_LINES, known: "return KMPFailureF[L];", store: "KMPFailureF[L] = p;" },
    moved: (block, k) => {
      const [before, after] = [block.tableBefore[block.j], tableAfter(state.run, state.blocks, k)[block.j]];
      return ["test", block.j === 0 ? "byOne" : "byBorder", ...(after >= 0 ? ["known"] : []),
        ...(before < 0 && after >= 0 ? ["store"] : [])];
    } },
};

// Loads the source once, after the first comparison is shown.
let sourcesLoading = null;
function loadSources() {
  sourcesLoading ??= new Promise((resolve, reject) => {
    const script = Object.assign(document.createElement("script"), { src: "sources.js", onload: resolve,
      onerror: () => reject(new Error("cannot load sources.js")) });
    document.head.append(script);
  }).then(() => state.run && showSource(state.k));
  return sourcesLoading;
}

// A statement's lines among the elements of the program's lines: those whose
// code, without a comment, is that statement.
const codeOf = (line) => line.textContent.replace(/\/\/.*$/, "").trim();
const linesOf = (statement) => [...$("source").querySelectorAll("[data-line]")]
  .filter((line) => codeOf(line) === statement);

// The names of the statements that ran for step k: the block printed and its
// pair compared, then the match's move of j or the occurrence's return, or
// the mismatch's move. While a prediction is pending, the move is its answer.
function ranAt(k) {
  const block = state.blocks[k - 1];
  const ran = ["print", "compare"];
  if (!revealed(k)) return ran;
  const m = state.run.pattern.length;
  if (!block.match) return [...ran, ...CODE[state.name].moved(block, k)];
  if (!CODE[state.name].lines.forward) return [...ran, block.j === 0 ? "found" : "back"];
  return [...ran, "forward", ...(block.j === m - 1 ? ["found"] : [])];
}

// The program's files, each in a box of its own that scrolls, each line an
// element of its own, numbered.
function drawSource(name) {
  $("source").dataset.program = name;
  $("source").replaceChildren(...CODE[name].files.map((file, i) => {
    const section = document.createElement("section");
    section.dataset.file = file;
    const heading = Object.assign(document.createElement("h3"), { textContent: file, id: `source-${i}` });
    section.setAttribute("aria-labelledby", heading.id);
    const code = Object.assign(document.createElement("pre"), { tabIndex: 0 });
    code.append(...SOURCES[file].split("\n").slice(0, -1).map((text, i) => {
      const line = Object.assign(document.createElement("span"), { textContent: text });
      line.dataset.line = i + 1;
      return line;
    }));
    section.append(heading, code);
    return section;
  }));
}

// Lights the lines that ran for step k and scrolls them into view in each
// file's box, not the page: all of them where they fit, else those that made
// the move, which follow the block's print and comparison.
function showSource(k) {
  if (typeof SOURCES === "undefined" || state.blocks.length === 0) return;
  if ($("source").dataset.program !== state.name) drawSource(state.name);
  for (const line of $("source").querySelectorAll(".acting")) {
    line.classList.remove("acting");
    line.removeAttribute("aria-current");
  }
  const [shown, ...move] = [ranAt(k).slice(0, 2), ranAt(k).slice(2)]
    .map((names) => names.flatMap((name) => linesOf(CODE[state.name].lines[name])));
  for (const line of [...shown, ...move[0]]) {
    line.classList.add("acting");
    line.setAttribute("aria-current", "true");
  }
  for (const box of $("source").querySelectorAll("pre")) {
    const lines = [...box.querySelectorAll(".acting")];
    const moving = lines.filter((line) => move[0].includes(line));
    const { top, bottom } = box.getBoundingClientRect();
    const span = (of) => [Math.min(...of.map((line) => line.getBoundingClientRect().top)),
      Math.max(...of.map((line) => line.getBoundingClientRect().bottom))];
    if (lines.length === 0 || box.clientHeight === 0) continue;
    let [first, last] = span(lines);
    if (last - first > box.clientHeight && moving.length > 0) [first, last] = span(moving);
    if (first < top || last > bottom) box.scrollTop += (first + last) / 2 - (top + bottom) / 2;
  }
}

// The code sits beside the stage on a wide screen, always open; under it on
// a narrow one, in a disclosure closed at first, as the learner last left it.
const wideCode = matchMedia("(min-width: 75rem)");
function placeSource() {
  let open = false;
  try {
    open = localStorage.getItem("source-open") === "true";
  } catch {
    // No storage (a private window, say): closed.
  }
  $("source-box").open = wideCode.matches || open;
}
wideCode.addEventListener("change", placeSource);
$("source-box").addEventListener("toggle", () => {
  if (wideCode.matches) return;
  try {
    localStorage.setItem("source-open", String($("source-box").open));
  } catch {
    // Not remembered.
  }
  showSource(state.k);
});
placeSource();
