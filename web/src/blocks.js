// Reading blocks. Of an alignment block the page reads only what a reader can
// read off it: the shift s from where the pattern stands in the P line (it
// ends the line, after s spaces), the compared index j from the caret's
// column, and whether the two characters above the caret are the same. It
// never compares or shifts anything itself.

export const LEAD = 3; // "T: ", "P: " and the caret line's lead are three columns wide

// Splits a run's output into its alignment blocks (T line, P line, caret
// line, empty line), each with the lines printed right after it, and reads
// each block. For prefix-overlap-memo each block also keeps the overlap table
// as it stood when the block was printed.
export function readBlocks({ output, text, pattern, tables }) {
  const lines = output.split("\n").slice(0, -1);
  const blocks = [];
  for (let i = 0; i < lines.length; i++) {
    if (lines[i] === `T: ${text}` && lines[i + 1]?.startsWith("P: ")
        && /^ *\^$/.test(lines[i + 2] ?? "") && lines[i + 3] === "") {
      blocks.push({ ...readBlock(lines.slice(i, i + 3), pattern.length),
        tableBefore: tables?.get(i) ?? null });
      i += 3;
    } else if (blocks.length > 0) {
      blocks.at(-1).after.push(lines[i]);
    }
  }
  return blocks;
}

// What a reader sees in one block, for a pattern of length m.
function readBlock([t, p, caret], m) {
  const column = caret.indexOf("^");
  const s = p.length - LEAD - m;
  const textChar = t[column];
  const patternChar = p[column];
  return { lines: [t, p, caret], after: [], column, s, j: column - LEAD - s, textChar,
    patternChar, match: textChar === patternChar };
}

// The positions that the occurrence lines report: "PATTERN found at position
// N", printed right after the block of the match that completed it.
export function occurrences(blocks, pattern) {
  const lead = `${pattern} found at position `;
  return blocks.filter((block) => block.match && block.after[0]?.startsWith(lead))
    .map((block) => block.after[0].slice(lead.length))
    .filter((position) => /^\d+$/.test(position))
    .map(Number);
}
