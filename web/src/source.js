// The program's own source beside the step: the files the program shown is
// built from, each line numbered, with the lines that ran for the step lit.
// The text is the repository's own, which the build puts in this bundle as
// the module "sources" (each file's text by its path). Which lines ran is
// read from what the page already reads: the block's pair, the next block
// (through the explanation of the step), the report's deciding line and the
// memo's table copies; no rule is run here. Lines are found by their
// statements, each of which stands once in the files.

import SOURCES from "sources";
import { $ } from "./dom.js";
import { PROGRAMS } from "./programs.js";
import { addView, state } from "./shared.js";

// A statement's lines among the elements of the program's lines: those whose
// code, without a comment, is that statement.
const codeOf = (line) => line.textContent.replace(/\/\/.*$/, "").trim();
const linesOf = (statement) => [...$("source").querySelectorAll("[data-line]")]
  .filter((line) => codeOf(line) === statement);

// The names of the statements that ran for a step: the block printed and its
// pair compared, then the match's move of j or the occurrence's return, or
// the mismatch's move. While a prediction is pending, the move is its answer.
function ranAt({ k, run, blocks, block, open }) {
  const { code } = PROGRAMS[run.name];
  const ran = ["print", "compare"];
  if (!open) return ran;
  if (!block.match) return [...ran, ...code.moved(run, blocks, k)];
  if (!code.lines.forward) return [...ran, block.j === 0 ? "found" : "back"];
  return [...ran, "forward", ...(block.j === run.pattern.length - 1 ? ["found"] : [])];
}

// The program's files, each in a box of its own that scrolls, each line an
// element of its own, numbered.
function drawSource(name) {
  $("source").dataset.program = name;
  $("source").replaceChildren(...PROGRAMS[name].code.files.map((file, i) => {
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

// Lights the lines that ran for the step and brings them into view in each
// file's box, not the page. A file with lines lit takes more of the box than
// one without; where a file's lit lines stand further apart than its box is
// tall (its part on the screen), the longest runs of unlit lines between two
// lit ones are folded, each into one line that shows them again when pressed,
// until they fit; else those that made the move, which follow the block's
// print and comparison, are brought into view.
let shown = null; // the step shown
function showSource(step) {
  shown = step;
  if (step.block === null) return;
  const { lines } = PROGRAMS[step.run.name].code;
  if ($("source").dataset.program !== step.run.name) drawSource(step.run.name);
  for (const line of $("source").querySelectorAll(".acting")) {
    line.classList.remove("acting");
    line.removeAttribute("aria-current");
  }
  for (const fold of $("source").querySelectorAll(".fold")) unfold(fold);
  const names = ranAt(step);
  const [printed, moving] = [names.slice(0, 2), names.slice(2)]
    .map((some) => some.flatMap((name) => linesOf(lines[name])));
  for (const line of [...printed, ...moving]) {
    line.classList.add("acting");
    line.setAttribute("aria-current", "true");
  }
  for (const file of $("source").querySelectorAll("section")) {
    file.classList.toggle("quiet", file.querySelector(".acting") === null);
  }
  for (const box of $("source").querySelectorAll("pre")) {
    const lit = [...box.querySelectorAll(".acting")];
    if (lit.length === 0 || box.clientHeight === 0) continue;
    const { top: boxTop, bottom: boxBottom } = box.getBoundingClientRect();
    const [top, bottom] = [Math.max(boxTop, 0), Math.min(boxBottom, innerHeight)];
    // A box that runs past the screen's bottom, as on a first visit, can
    // scroll its last lines up into the part on the screen.
    box.style.paddingBottom = boxBottom > innerHeight ? `${boxBottom - innerHeight}px` : "";
    const span = (of) => [Math.min(...of.map((line) => line.getBoundingClientRect().top)),
      Math.max(...of.map((line) => line.getBoundingClientRect().bottom))];
    const tall = (of) => span(of)[1] - span(of)[0];
    const runs = lit.slice(1).map((line) => runBefore(line, lit)).filter((run) => run.length >= 3)
      .sort((a, b) => tall(b) - tall(a));
    for (const run of runs) {
      if (tall(lit) <= bottom - top) break;
      fold(run);
    }
    const moved = lit.filter((line) => moving.includes(line));
    let [first, last] = span(lit);
    if (last - first > bottom - top && moved.length > 0) [first, last] = span(moved);
    if (first < top || last > bottom) box.scrollTop += (first + last) / 2 - (top + bottom) / 2;
  }
}

// The unlit lines between a lit line and the lit line before it.
function runBefore(line, lit) {
  const run = [];
  for (let other = line.previousElementSibling; !lit.includes(other); other = other.previousElementSibling) {
    run.unshift(other);
  }
  return run;
}

// Folds a run of lines into one marked line, a button that shows them again;
// the lines keep their place and their numbers.
function fold(run) {
  const button = Object.assign(document.createElement("button"), { type: "button", className: "fold" });
  button.setAttribute("aria-expanded", "false");
  const lines = Object.assign(document.createElement("span"), { className: "visually-hidden",
    textContent: ` folded, lines ${run[0].dataset.line} to ${run.at(-1).dataset.line}` });
  button.append(`⋯ ${run.length} lines`, lines);
  run[0].before(button);
  for (const line of run) line.hidden = true;
}

function unfold(button) {
  for (let line = button.nextElementSibling; line?.hidden; line = line.nextElementSibling) line.hidden = false;
  button.remove();
}

$("source").addEventListener("click", (event) => {
  const button = event.target.closest(".fold");
  if (!button) return;
  const box = button.closest("pre");
  unfold(button);
  box.focus();
});

// The disclosure it sits in (code-box.js) lays its lines out when opened.
$("source-box").addEventListener("toggle", () => shown && state.run === shown.run && showSource(shown));
addView({ show: showSource });
