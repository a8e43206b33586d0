# the web page: the README's emscripten build, at most 1.5 MB and nothing from the network, ESLint clean, tested in headless Chromium from disk
install_missing emscripten esbuild chromium
web_command=$(readme_command build-web)
echo "+ $web_command"
bash -c "$web_command" >/dev/null
size=$(du -sb build-web/web | cut -f1)
[ "$size" -le 1500000 ] || fail "the page's folder holds $size bytes, more than 1.5 MB"
echo "the page's folder holds $size bytes: $(ls build-web/web | tr '\n' ' ')"
for file in build-web/web/*; do # SVG's namespace is a name, never fetched
  sed 's|http://www.w3.org/2000/svg||g' "$file" | grep -E '(https?:)?//[a-z0-9.-]+\.[a-z]{2,}/' >/dev/null &&
    fail "$file names an address on the network"
done
command -v npm >/dev/null || install_missing npm
cd tests/web
npm ci --no-audit --no-fund >/dev/null
(cd ../.. && tests/web/node_modules/.bin/eslint --config tests/web/eslint.config.js --max-warnings 0 web/src)
echo "ESLint finds nothing in web/src"
PAGE=build-web/web node --test
# the page on a slow phone: its figures printed, never asserted (the machine is shared)
PAGE=build-web/web node bench.mjs
