// Where the program's code sits (source.js, in the later bundle, fills it):
// beside the stage on a wide screen, always open; under it on a narrow one,
// in a disclosure closed at first, as the learner last left it. Placed from
// the first paint, so that nothing moves when the code arrives.

import { $ } from "./dom.js";

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
});
placeSource();
