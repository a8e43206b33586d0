// The list of the keys the page answers to: opened by "?" or the Keys
// button, closed by Escape or its Close button, focus then going back to
// where it was.

import { $ } from "./dom.js";

let before = null; // what had focus when the list opened
function openKeys() {
  if ($("keys-list").open) return;
  before = document.activeElement;
  $("keys-list").showModal();
}

$("keys").addEventListener("click", openKeys);
$("keys-list").addEventListener("close", () => before?.focus());
// While it is open the steps keep still: its keys are its own.
$("keys-list").addEventListener("keydown", (event) => event.stopPropagation());
document.addEventListener("keydown", (event) => {
  if (event.key !== "?" || event.defaultPrevented || event.ctrlKey || event.metaKey || event.altKey
    || event.target.closest("input, select, textarea")) return;
  event.preventDefault();
  openKeys();
});
