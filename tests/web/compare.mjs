// The WebAssembly engine against the native one: both worked examples and 2,000 generated
// inputs, planned pours among them, must give the same JSON, byte for byte (every text, every
// stored number); texts far longer than the page's fields must leave the engine working.
// Usage: node compare.mjs SITE_DIR NATIVE_DRIVER
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const [site, driver] = process.argv.slice(2);
const { makeEngine } = await import(join(site, 'engine.js'));
const engine = makeEngine({ wasmBinary: readFileSync(join(site, 'mixdesign.wasm')) });
await engine.ready;

const slumps = [' 7.5 (บวก,ลบ)2.5  ', ' 10.0 (บวก,ลบ) 2.5', ' 12.5 (บวก,ลบ) 2.5'];
const stones = [' หิน1', ' หิน2'];
const noPour = ['', '5', '50', '0.019', '27', '1'];
const firstExample = ['240', 1, 0, slumps[1], stones[1], 1, 0, '250', '5', '10', '5', '50', '0.019', '27', '1'];
const secondExample = ['240', 0, 1, slumps[0], stones[0], 0, 1, '', '3', ...noPour];

// A fixed-seed generator, so every run and every machine compares the same inputs.
let seed = 20261208;
const random = () => {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
};
const pick = (list) => list[Math.floor(random() * list.length)];
// What the key filter lets through: mostly plausible values, some of every size and shape.
const typed = (low, high) => {
  const kind = random();
  if (kind < 0.45)
    return String(low + Math.floor(random() * (high - low)));
  if (kind < 0.85)
    return (low + random() * (high - low)).toFixed(1 + Math.floor(random() * 3));
  let s = '';
  for (let n = Math.floor(random() * 9); n > 0; --n)
    s += pick('0123456789012345678901234567890123456789.');
  return s;
};
const generated = () => {
  const cube = random() < 0.5 ? 1 : 0;
  const admixture = random() < 0.5 ? 1 : 0;
  const rare = () => random() < 0.02;
  return [typed(100, 400), rare() ? 0 : cube, rare() ? 0 : 1 - cube, rare() ? '' : pick(slumps),
    rare() ? '' : pick(stones), rare() ? 0 : admixture, rare() ? 0 : 1 - admixture, rare() ? '' : typed(0, 600),
    rare() ? '' : typed(0, 12), ...(random() < 0.5 ? noPour : pour())];
};
const pour = () => [typed(0, 200), random() < 0.8 ? '5' : typed(0, 60), pick(['50', '40', typed(1, 60)]),
  random() < 0.8 ? '0.019' : typed(0, 1), random() < 0.8 ? '27' : typed(0, 40), pick(['1', '2', typed(0, 5)])];

const inputs = [firstExample, secondExample];
while (inputs.length < 2002)
  inputs.push(generated());

const native = execFileSync(driver, { input: inputs.map((i) => i.join('\t')).join('\n') + '\n', encoding: 'utf8', maxBuffer: 1 << 26 })
  .split('\n');
let differences = 0;
let designs = 0;
const started = performance.now();
let pours = 0;
for (const [k, input] of inputs.entries()) {
  const wasm = await engine.calculateText(input);
  designs += wasm.startsWith('{"design"') ? 1 : 0;
  pours += wasm.includes('"pour":{') ? 1 : 0;
  if (wasm !== native[k] && ++differences <= 5)
    console.error(`differs for ${JSON.stringify(input)}:\n  wasm   ${wasm}\n  native ${native[k]}`);
}
const perCall = (performance.now() - started) / inputs.length;

// Texts of every length up to a megabyte in each field, then worked example 1 to the last digit.
let tooLarge = 0;
for (const length of [300, 20000, 1000000])
  for (let field = 0; field < firstExample.length; ++field) {
    if (typeof firstExample[field] !== 'string' || field === 3 || field === 4)
      continue;
    const long = [...firstExample];
    long[field] = '9'.repeat(length);
    const outcome = await engine.calculate(long);
    tooLarge += outcome.error === 'overflow' || outcome.pourErrors.some((e) => e.message === 'มากเกินไปจนคำนวณไม่ได้') ? 1 : 0;
  }
if (tooLarge !== 3 * 9) {
  console.error(`only ${tooLarge} of ${3 * 9} over-long texts refused as too large`);
  ++differences;
}
const first = await engine.calculate(firstExample);
const finals = ['Label15(0)', 'Label16(0)', 'Label17(0)', 'Label18(0)', 'Label19(0)'].map((c) => first.texts[c]);
if (finals.join(' ') !== '310 155 835 1110 800') {
  console.error(`worked example 1 gives ${finals.join(' ')}`);
  ++differences;
}
if (first.pour?.cement_bags !== 66 || first.pourTexts?.sand_order_m3 !== '5.5  ลบ.ม.') {
  console.error(`worked example 1 plans ${JSON.stringify(first.pour)}`);
  ++differences;
}
const second = await engine.calculate(secondExample);
if (second.texts.Label64 !== '16.79  กิโลกรัม' || second.design.WA !== 0.5476) {
  console.error(`worked example 2 gives ${second.texts.Label64}, W/C ${second.design.WA}`);
  ++differences;
}
// Both kinds must be among the generated inputs, or the comparison proves little.
if (designs < 500 || inputs.length - designs < 100 || pours < 200) {
  console.error(`only ${designs} designs among ${inputs.length} inputs`);
  ++differences;
}
console.log(`${inputs.length} inputs (${designs} designs, ${pours} pours, ${inputs.length - designs} refusals): ` +
  `${differences} differences; ${(perCall * 1000).toFixed(1)} µs per Calculate in WebAssembly`);
process.exit(differences === 0 ? 0 : 1);
