// How the work grows: for the pattern shown (m characters) and a family of
// texts, each program's comparisons at text lengths n from m to 80, as
// the blocks its own matcher printed through the page's entry. Drawn as a
// chart for the eye and given as a table for a screen reader. Nothing here
// counts anything but printed blocks.

import { $, cell, columnHead, nextTask } from "./dom.js";
import { readBlocks } from "./blocks.js";
import { NAMES } from "./programs.js";
import { FAMILIES, growthLengths } from "./families.js";
import { addView, runEntry, state } from "./shared.js";

// The run shown, the input drawn for and the drawing under way.
const growth = { run: null, input: null, drawing: 0 };

// Offers the families for an input and draws the one chosen.
function showGrowth(input) {
  growth.input = input;
  const repeated = $("growth-family").querySelector("[value=repeated]");
  repeated.disabled = input.text === "";
  if (repeated.disabled && repeated.checked) $("growth-family").querySelector("[value='a-ab']").checked = true;
  drawGrowth().catch((error) => console.error(error.message));
}

// Runs the five programs at each length, in tasks of their own after what
// started the drawing, a few runs a task, so that the page keeps answering;
// a newer drawing, or a new run shown, drops this one.
async function drawGrowth() {
  const drawing = ++growth.drawing;
  const family = FAMILIES[$("growth-family").querySelector(":checked").value];
  const input = growth.input;
  const m = input.pattern.length;
  $("growth").setAttribute("aria-busy", "true");
  const rows = [];
  let slice = -Infinity;
  // Whether to go on, in the next task once this one has run for 20 ms.
  const goOn = async () => {
    if (performance.now() - slice > 20) {
      await nextTask();
      slice = performance.now();
    }
    return drawing === growth.drawing;
  };
  for (const n of growthLengths(m)) {
    const [text, pattern] = family.make(input, n);
    const counts = [];
    for (const program of NAMES) {
      if (!(await goOn())) return;
      const run = await runEntry(program, text, pattern);
      if (!(await goOn())) return;
      counts.push(readBlocks(run).length);
    }
    rows.push([n, ...counts]);
  }
  const [, pattern] = family.make(input, m);
  fillGrowthTable(rows, `${family.label}, pattern "${pattern}" (m = ${m})`);
  drawChart(rows, family.label);
  $("growth").removeAttribute("aria-busy");
}

function fillGrowthTable(rows, caption) {
  $("growth-caption").textContent = `Comparisons on ${caption}, by text length n`;
  $("growth-table").tBodies[0].replaceChildren(...rows.map(([n, ...counts]) => {
    const row = document.createElement("tr");
    const head = document.createElement("th");
    head.scope = "row";
    head.textContent = n;
    row.append(head, ...counts.map(cell));
    return row;
  }));
}

// The chart: n across, comparisons up, one line per program told apart by
// its dash and its marker as well as its colour, its name at its end.
// Drawn at the width it is shown at, so that its text keeps its size on a
// phone. The colours are the style sheet's, for the light scheme and the
// dark, so they are set as style, where a presentation attribute would not
// read a custom property.
const CHART = { height: 290, left: 44, right: 140, top: 26, bottom: 40 };
const LINES = [
  { dash: "", marker: "circle", colour: "var(--series-1)" },
  { dash: "7 3", marker: "square", colour: "var(--series-2)" },
  { dash: "2 3", marker: "triangle", colour: "var(--series-3)" },
  { dash: "9 3 2 3", marker: "diamond", colour: "var(--series-4)" },
  { dash: "14 4", marker: "cross", colour: "var(--series-5)" },
];

function svg(name, attributes = {}, text = "") {
  const element = document.createElementNS("http://www.w3.org/2000/svg", name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  if (text !== "") element.textContent = text;
  return element;
}

// Round steps for an axis from 0 (or `from`) to `to`: about five ticks.
function ticks(from, to) {
  const span = Math.max(to - from, 1);
  const step = [1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000, 10000]
    .find((size) => span / size <= 6) ?? 10 ** Math.ceil(Math.log10(span / 5));
  const first = Math.ceil(from / step) * step;
  return Array.from({ length: Math.floor((to - first) / step) + 1 }, (_, i) => first + i * step);
}

function marker(kind, x, y, colour) {
  const r = 3.2;
  const shapes = {
    circle: () => svg("circle", { cx: x, cy: y, r }),
    square: () => svg("rect", { x: x - r, y: y - r, width: 2 * r, height: 2 * r }),
    triangle: () => svg("path", { d: `M${x} ${y - r - 1}L${x + r + 1} ${y + r}L${x - r - 1} ${y + r}Z` }),
    diamond: () => svg("path", { d: `M${x} ${y - r - 1}L${x + r + 1} ${y}L${x} ${y + r + 1}L${x - r - 1} ${y}Z` }),
    cross: () => svg("path", { d: `M${x - r} ${y - r}L${x + r} ${y + r}M${x - r} ${y + r}L${x + r} ${y - r}`,
      "stroke-width": 2, style: `stroke: ${colour}` }),
  };
  const shape = shapes[kind]();
  if (kind !== "cross") shape.style.fill = colour;
  return shape;
}

function drawChart(rows, label) {
  const { height, left, right, top, bottom } = CHART;
  const width = Math.min(Math.max($("growth-chart").clientWidth, 300), 640);
  const first = rows[0][0];
  const last = rows.at(-1)[0];
  const most = Math.max(1, ...rows.flatMap(([, ...counts]) => counts));
  const x = (n) => left + ((n - first) / Math.max(last - first, 1)) * (width - left - right);
  const y = (count) => height - bottom - (count / most) * (height - top - bottom);
  const chart = $("growth-chart");
  chart.replaceChildren();
  chart.setAttribute("viewBox", `0 0 ${width} ${height}`);
  const axes = svg("g", { class: "axes" });
  axes.append(svg("path", { d: `M${left} ${top}V${height - bottom}H${width - right}` }));
  for (const n of ticks(first, last)) {
    axes.append(svg("path", { d: `M${x(n)} ${height - bottom}v4` }),
      svg("text", { x: x(n), y: height - bottom + 16, "text-anchor": "middle" }, n));
  }
  for (const count of ticks(0, most)) {
    axes.append(svg("path", { d: `M${left - 4} ${y(count)}h4` }),
      svg("text", { x: left - 7, y: y(count) + 4, "text-anchor": "end" }, count));
  }
  axes.append(svg("text", { x: (left + width - right) / 2, y: height - 4, "text-anchor": "middle" },
    "text length n"), svg("text", { x: 4, y: 12 }, "comparisons"));
  chart.append(axes);
  // Each program's line, a marker at about every tenth length, its name at
  // its end, moved apart from the others' where they would overlap.
  const every = Math.max(1, Math.round(rows.length / 10));
  const ends = NAMES.map((name, p) => ({ name, p, at: y(rows.at(-1)[p + 1]) }))
    .sort((a, b) => a.at - b.at);
  ends.forEach((end, i) => { end.at = Math.max(end.at, i > 0 ? ends[i - 1].at + 12 : top + 4); });
  for (const { name, p, at } of ends) {
    const { dash, marker: kind, colour } = LINES[p];
    const line = svg("g", { class: "line" });
    line.append(svg("polyline", { points: rows.map((row) => `${x(row[0])},${y(row[p + 1])}`).join(" "),
      fill: "none", style: `stroke: ${colour}`, "stroke-width": 2, "stroke-dasharray": dash }));
    rows.forEach((row, i) => {
      if (i % every === 0 || i === rows.length - 1) line.append(marker(kind, x(row[0]), y(row[p + 1]), colour));
    });
    line.append(svg("text", { x: width - right + 8, y: at + 4, style: `fill: ${colour}` }, name));
    chart.append(line);
  }
  const guide = svg("path", { class: "guide", d: "" });
  chart.append(guide);
  Object.assign(growth, { rows, x, width, guide, at: rows.length - 1 });
  chart.setAttribute("aria-label", `A chart of each program's comparisons against the text's `
    + `length n, from ${first} to ${last}, on the family "${label}"; the table below gives the `
    + `numbers. At n = ${last}: ${NAMES.map((name, p) => `${name} ${rows.at(-1)[p + 1]}`).join(", ")}.`);
  pointAt(rows.length - 1);
}

// The point at row i of the chart: a guide line there and its figures.
function pointAt(i) {
  const { rows, x, guide } = growth;
  growth.at = Math.min(Math.max(i, 0), rows.length - 1);
  const [n, ...counts] = rows[growth.at];
  guide.setAttribute("d", `M${x(n)} ${CHART.top}V${CHART.height - CHART.bottom}`);
  $("growth-point").textContent = `n = ${n}: ${NAMES.map((name, p) => `${name} ${counts[p]}`)
    .join(", ")}`;
}

// The families to choose from and the table's columns, one per program.
$("growth-family").append(...Object.entries(FAMILIES).map(([value, { label }], i) => {
  const option = document.createElement("label");
  const radio = Object.assign(document.createElement("input"),
    { type: "radio", name: "family", value, checked: i === 0 });
  option.append(radio, ` ${label}`);
  return option;
}));
$("growth-table").tHead.rows[0].append(...NAMES.map(columnHead));
addView({
  // The chart of the run shown before is dropped as soon as a new one shows.
  show({ run }) {
    if (run !== growth.run) growth.drawing++;
    growth.run = run;
  },
  open() {
    showGrowth({ text: state.run.text, pattern: state.run.pattern });
  },
});
$("growth-family").addEventListener("change", () => drawGrowth().catch((error) => console.error(error.message)));
$("growth-chart").addEventListener("pointermove", (event) => {
  if (!growth.rows) return;
  const box = $("growth-chart").getBoundingClientRect();
  const along = (event.clientX - box.left) * (growth.width / box.width) - CHART.left;
  pointAt(Math.round(along / ((growth.width - CHART.left - CHART.right)
    / Math.max(growth.rows.length - 1, 1))));
});
$("growth-chart").addEventListener("keydown", (event) => {
  const moves = { ArrowLeft: -1, ArrowRight: 1, Home: -Infinity, End: Infinity };
  if (!growth.rows || !(event.key in moves)) return;
  event.preventDefault();
  event.stopPropagation();
  pointAt(Number.isFinite(moves[event.key]) ? growth.at + moves[event.key]
    : moves[event.key] < 0 ? 0 : growth.rows.length - 1);
});
