// ESLint over the page's modules (web/src), with its recommended rules, run
// from the top of the checkout: tests/web/node_modules/.bin/eslint
// --config tests/web/eslint.config.js web/src
import js from "@eslint/js";
import globals from "globals";

// The later bundle's modules reach the first bundle's state, steps and runs
// through its interface (shared.js) alone: a module of the first imported
// here would be a second copy, with a state of its own.
const LATER = ["later.js", "shared.js", "side.js", "families.js", "growth.js", "map.js", "map-grid.js", "source.js",
  "instances.js"];
const FIRST_ONLY = ["state.js", "stepper.js", "exercise.js", "run.js", "open.js", "main.js", "memo.js", "predict.js",
  "build.js", "code-box.js", "input.js", "keys.js", "practice.js"];

export default [
  {
    files: ["**/*.js"],
    ...js.configs.recommended,
    languageOptions: { ecmaVersion: "latest", sourceType: "module", globals: globals.browser },
  },
  {
    files: LATER.map((name) => `**/${name}`),
    rules: { "no-restricted-imports": ["error", { paths: FIRST_ONLY.map((name) => ({ name: `./${name}`,
      message: "the later bundle reaches the first through shared.js" })) }] },
  },
];
