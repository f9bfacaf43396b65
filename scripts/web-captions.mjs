// Fills the page's captions from the engine's tables, as the built WebAssembly module hands
// them out: each element marked data-caption="KEY" gets the caption's text, each entry field
// marked data-entry="KEY" the text an empty entry stands for. A key the engine does not know
// fails the build rather than leaving an empty label. The design criteria become numbered items,
// their water table a table, from the engine's one text.
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
// The criteria's text: an opening, then items " 1." to " 5."; the items' parts "(1.1)"; the water
// table's rows "(2.1)ปริมาณน้ำต่อ 1 ลบ.ม. คอนกรีต=180 (170) (สำหรับค่ายุบตัว 7.5 บวก,ลบ 2.5 และหินย่อยขนาด หิน1)".
function criteriaHtml(text) {
  const tidy = (s) => escape(s.replace(/\s+/g, ' ').trim());
  const [opening, ...items] = text.split(/(?<=\s)(?=[1-5]\.[^\d\s])/);
  const waterRow = /\((2\.\d)\)\s*(ปริมาณน้ำ[^=]*)=\s*(\d+)\s*\((\d+)\)\s*\(สำหรับ(ค่ายุบตัว)\s*([\d.]+)\s*บวก,ลบ 2\.5 และ(หินย่อยขนาด)\s*([^)]*?)\s*\)/g;
  const parts = items.map((item) => {
    const rows = [...item.matchAll(waterRow)];
    if (rows.length) {
      const [, , water, , , slump, , stone] = rows[0];
      const head = `<tr><th scope="col"></th><th scope="col">${tidy(slump)}</th><th scope="col">${tidy(stone)}</th>` +
        `<th scope="col">${tidy(water)}</th></tr>`;
      const body = rows.map((r) => `<tr><th scope="row">${r[1]}</th><td>${tidy(r[6])}</td><td>${tidy(r[8])}</td>` +
        `<td>${r[3]} (${r[4]})</td></tr>`).join('');
      return `<li>${tidy(item.slice(0, rows[0].index))}<table class="water-table">${head}${body}</table>` +
        `${tidy(item.slice(rows.at(-1).index + rows.at(-1)[0].length))}</li>`;
    }
    const [lead, ...subs] = item.split(/(?=\(\d\.\d\))/);
    return `<li>${tidy(lead)}${subs.length ? `<ul>${subs.map((sub) => `<li>${tidy(sub)}</li>`).join('')}</ul>` : ''}</li>`;
  });
  return `<p>${tidy(opening)}</p><ol class="criteria">${parts.map((p) => p.replace(/^<li>[1-5]\. ?/, '<li>')).join('')}</ol>`;
}

// The exposure classes as the engine's table lists them, each an item named by its code.
const exposureOptions = Object.keys(captions).filter((key) => /^exposure\.[A-Z]/.test(key))
  .map((key) => `<option value="${key.slice(9)}" data-caption="${key}"></option>`).join('');

const page = readFileSync(pageIn, 'utf8')
  .replace(/(<select\b[^>]*\bdata-exposures\b[^>]*>.*?)(<\/select>)/, (_, open, close) => open + exposureOptions + close)
  .replace(/(<div\b[^>]*\bdata-criteria\b[^>]*>)(<\/div>)/, (_, open, close) => open + criteriaHtml(captions.criteria) + close)
  .replace(/(<(\w+)\b[^>]*\bdata-caption="([^"]+)"[^>]*>)(<\/\2>)/g,
    (_, open, tag, key, close) => open + caption(key) + close)
  .replace(/<input\b[^>]*\bdata-entry="([^"]+)"[^>]*>/g,
    (input, key) => input.replace(/\bvalue=""/, `value="${caption(`default.${key}`)}"`));
if (unknown.length) {
  console.error(`web-captions: the engine has no caption for ${unknown.join(', ')}`);
  process.exit(1);
}
writeFileSync(pageOut, page);
