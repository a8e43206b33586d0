// A learner's own text and pattern, checked before anything runs: each
// problem is said in a message by its field, and nothing is run.

import { $ } from "./dom.js";
import { LIMIT } from "./programs.js";

// A character as a message shows it: its code, and itself unless it is a
// control character.
function describe(c) {
  const code = `U+${c.codePointAt(0).toString(16).toUpperCase().padStart(4, "0")}`;
  return /\p{Cc}/u.test(c) ? code : `"${c}" (${code})`;
}

// The first problem with a field's value, or "" when it has none. Only
// printable ASCII is allowed, so that a character is one byte and one column.
function problem(field, value, least) {
  const label = field[0].toUpperCase() + field.slice(1);
  const chars = [...value];
  if (chars.length < least) return `${label}: it is empty; type at least one character.`;
  if (chars.length > LIMIT) {
    return `${label}: ${chars.length} characters; at most ${LIMIT} are allowed.`;
  }
  const i = chars.findIndex((c) => c < " " || c > "~");
  if (i >= 0) {
    return `${label}: ${field}[${i}] is ${describe(chars[i])}, which is not printable ASCII `
      + "(space to ~).";
  }
  return "";
}

// Shows the problems of an input, if any, and says whether it has none.
export function checkInput({ text, pattern }) {
  const problems = { text: problem("text", text, 0), pattern: problem("pattern", pattern, 1) };
  for (const [field, message] of Object.entries(problems)) {
    $(field).setAttribute("aria-invalid", String(message !== ""));
  }
  const messages = Object.values(problems).filter((message) => message !== "");
  $("input-error").textContent = messages.join(" ");
  $("input-error").hidden = messages.length === 0;
  return messages.length === 0;
}
