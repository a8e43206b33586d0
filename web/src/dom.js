// The page's DOM helpers: an element by its id, the cells of its tables, and
// waiting for the next task or paint, so that work done in pieces lets the
// page answer keys and clicks between them.

export const $ = (id) => document.getElementById(id);

export function cell(content) {
  const td = document.createElement("td");
  td.textContent = content;
  return td;
}

export function columnHead(content) {
  const th = document.createElement("th");
  th.scope = "col";
  th.textContent = content;
  return th;
}

export const nextTask = () => new Promise((resolve) => setTimeout(resolve));
export const nextPaint = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// A box that scrolls sideways keeps the element `first` and the others in
// view: all of them, centred, when they fit in its width, else `first` in the
// middle.
export function keepInView(box, first, others = []) {
  if (!first) return;
  const { left: origin } = box.getBoundingClientRect();
  const spans = [first, ...others].map((element) => element.getBoundingClientRect());
  const left = Math.min(...spans.map((span) => span.left));
  const right = Math.max(...spans.map((span) => span.right));
  const room = box.clientWidth - 16; // less the box's padding
  const middle = right - left <= room ? (left + right) / 2 : (spans[0].left + spans[0].right) / 2;
  box.scrollLeft += middle - origin - box.clientWidth / 2;
}
