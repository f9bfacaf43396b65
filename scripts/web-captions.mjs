// Fills the page's captions from the engine's tables, as the built WebAssembly module hands
// them out: each element marked data-caption="KEY" gets the caption's text, each entry field
// marked data-entry="KEY" the text an empty entry stands for. A key the engine does not know
// fails the build rather than leaving an empty label.
// Usage: node scripts/web-captions.mjs MODULE_DIR PAGE_IN PAGE_OUT
import { readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

const [moduleDir, pageIn, pageOut] = process.argv.slice(2);
const { default: createEngine } = await import(resolve(moduleDir, 'mixdesign.mjs'));
const engine = await createEngine({ wasmBinary: readFileSync(join(moduleDir, 'mixdesign.wasm')) });
const captions = JSON.parse(engine.UTF8ToString(engine._mixdesign_captions()));

const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const unknown = [];
const caption = (key) => {
  if (!(key in captions))
    unknown.push(key);
  return escape(captions[key] ?? '');
};
const page = readFileSync(pageIn, 'utf8')
  .replace(/(<(\w+)\b[^>]*\bdata-caption="([^"]+)"[^>]*>)(<\/\2>)/g,
    (_, open, tag, key, close) => open + caption(key) + close)
  .replace(/<input\b[^>]*\bdata-entry="([^"]+)"[^>]*>/g,
    (input, key) => input.replace(/\bvalue=""/, `value="${caption(`default.${key}`)}"`));
if (unknown.length) {
  console.error(`web-captions: the engine has no caption for ${unknown.join(', ')}`);
  process.exit(1);
}
writeFileSync(pageOut, page);
