// The WebAssembly engine against the native one: both worked examples and 2,000 generated
// records of entries, planned and priced pours among them, must give the same JSON, byte for
// byte (every text, every stored number, the link and the sheets), and so must the captions;
// texts far longer than the page's fields must leave the engine working. On the generated designs
// with an exposure class, the page's verdict is the command line's (--json), the batch's and
// sheet 1's.
// Usage: node compare.mjs SITE_DIR NATIVE_DRIVER MIXDESIGN
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const [site, driver, mixdesign] = process.argv.slice(2);
const { makeEngine } = await import(join(site, 'engine.js'));
const engine = makeEngine({ wasmBinary: readFileSync(join(site, 'mixdesign.wasm')) });
await engine.ready;

const slumps = ['7.5', '10', '10.0', '12.5'];
const stones = ['1', '2'];
const address = 'https://example.com/mix/';
const noPour = { volume: '', waste: '5', bag_kg: '50', basket: '0.019', pail: '27', bags_per_batch: '1' };
const firstExample = { strength: '240', specimen: 'cube', slump: '10', stone: '2', admixture: 'yes', dose: '250',
  moisture: '5', volume: '10', waste: '5', bag_kg: '50', basket: '0.019', pail: '27', bags_per_batch: '1', address };
const secondExample = { strength: '240', specimen: 'cylinder', slump: '7.5', stone: '1', admixture: 'no', dose: '',
  moisture: '3', ...noPour, address };
const textKeys = ['strength', 'dose', 'moisture', 'volume', 'waste', 'bag_kg', 'basket', 'pail', 'bags_per_batch',
  'price_cement', 'price_readymix'];

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
  const rare = () => random() < 0.02;
  return { strength: typed(100, 400), specimen: rare() ? pick(['', 'sphere']) : pick(['cube', 'cylinder']),
    slump: rare() ? pick(['', '11']) : pick(slumps), stone: rare() ? '' : pick(stones),
    admixture: rare() ? '' : pick(['yes', 'no']), dose: rare() ? '' : typed(0, 600), moisture: rare() ? '' : typed(0, 12),
    ...(random() < 0.4 ? noPour : pour()), ...(random() < 0.2 ? prices() : {}), address };
};
const pour = () => ({ volume: typed(0, 200), waste: random() < 0.8 ? '5' : typed(0, 60),
  bag_kg: pick(['50', '40', typed(1, 60)]), basket: random() < 0.8 ? '0.019' : typed(0, 1),
  pail: random() < 0.8 ? '27' : typed(0, 40), bags_per_batch: pick(['1', '2', typed(0, 5)]) });
const prices = () => ({ price_cement: typed(100, 200), price_sand: typed(300, 600), price_stone: typed(300, 700),
  price_admixture: random() < 0.5 ? '' : typed(50, 200), price_readymix: random() < 0.5 ? '' : typed(1500, 3000) });

// A class for some generated records, from a generator of its own so the records stay as they were.
const codes = Object.keys(await engine.captions()).filter((key) => /^exposure\.[A-Z]/.test(key)).map((k) => k.slice(9));
let classSeed = 30;
const classRandom = () => {
  classSeed = (classSeed * 1103515245 + 12345) % 2147483648;
  return classSeed / 2147483648;
};
const inputs = [firstExample, secondExample];
while (inputs.length < 2002) {
  const record = generated();
  if (classRandom() < 0.3)
    record.exposure = codes[Math.floor(classRandom() * codes.length)];
  inputs.push(record);
}

const native = execFileSync(driver, { input: inputs.map((i) => JSON.stringify(i)).join('\n') + '\n', encoding: 'utf8',
  maxBuffer: 1 << 27 }).split('\n');
let differences = 0;
let designs = 0;
const started = performance.now();
let pours = 0;
let costs = 0;
for (const [k, input] of inputs.entries()) {
  const wasm = await engine.designText(input);
  designs += wasm.startsWith('{"design"') ? 1 : 0;
  pours += wasm.includes('"pour":{') ? 1 : 0;
  costs += wasm.includes('"cost":{') ? 1 : 0;
  if (wasm !== native[k] && ++differences <= 5)
    console.error(`differs for ${JSON.stringify(input)}:\n  wasm   ${wasm}\n  native ${native[k]}`);
}
const perCall = (performance.now() - started) / inputs.length;

// Texts of every length up to a megabyte in each field, then worked example 1 to the last digit.
let tooLarge = 0;
for (const length of [300, 20000, 1000000])
  for (const key of textKeys) {
    const outcome = await engine.design({ ...firstExample, [key]: '9'.repeat(length) });
    tooLarge += outcome.error === 'overflow' ||
      outcome.pourErrors.some((e) => ['มากเกินไปจนคำนวณไม่ได้', 'ต้องไม่เกิน 10000000 บาท'].includes(e.message)) ? 1 : 0;
  }
if (tooLarge !== 3 * textKeys.length) {
  console.error(`only ${tooLarge} of ${3 * textKeys.length} over-long texts refused as too large`);
  ++differences;
}
const first = await engine.design(firstExample);
const finals = ['Label15(0)', 'Label16(0)', 'Label17(0)', 'Label18(0)', 'Label19(0)'].map((c) => first.texts[c]);
if (finals.join(' ') !== '310 155 835 1110 800') {
  console.error(`worked example 1 gives ${finals.join(' ')}`);
  ++differences;
}
if (first.pour?.cement_bags !== 66 || first.pourTexts?.sandOrder !== '5.5  ลบ.ม.') {
  console.error(`worked example 1 plans ${JSON.stringify(first.pour)}`);
  ++differences;
}
if (first.link !== `${address}#strength=240&specimen=cube&slump=10&stone=2&admixture=yes&dose=250&moisture=5` +
    '&volume=10&waste=5&bag_kg=50&basket=0.019&pail=27&bags_per_batch=1') {
  console.error(`worked example 1 links to ${first.link}`);
  ++differences;
}
const priced = await engine.design({ ...firstExample, price_cement: '150' });
if (priced.pour?.cost?.cement !== 9900 || priced.sheets.length !== 3) {
  console.error(`66 bags at 150 baht cost ${JSON.stringify(priced.pour?.cost)}`);
  ++differences;
}
const second = await engine.design(secondExample);
if (second.texts.Label64 !== '16.79  กิโลกรัม' || second.design.WA !== 0.5476) {
  console.error(`worked example 2 gives ${second.texts.Label64}, W/C ${second.design.WA}`);
  ++differences;
}
// Both kinds must be among the generated inputs, or the comparison proves little.
if (designs < 500 || inputs.length - designs < 100 || pours < 200 || costs < 50) {
  console.error(`only ${designs} designs among ${inputs.length} inputs`);
  ++differences;
}
// The same verdict by every road on the first 60 judged designs.
const judged = [];
for (const input of inputs.filter((i) => i.exposure)) {
  const outcome = await engine.design(input);
  if (outcome.durability && judged.length < 60)
    judged.push([input, outcome]);
}
const batchIn = ['strength,specimen,slump,stone,admixture,dose,moisture,exposure',
  ...judged.map(([i]) => [i.strength, i.specimen, i.slump, i.stone, i.admixture, i.dose, i.moisture, i.exposure].join(','))];
const batch = execFileSync(mixdesign, ['--batch', '-', '--format', 'csv'], { input: batchIn.join('\n') + '\n',
  encoding: 'utf8' }).trim().split(/\r?\n/).map((line) => line.split(','));
const column = (name) => batch[0].indexOf(name);
for (const [k, [input, page]] of judged.entries()) {
  const d = page.durability;
  const args = ['--json', '--strength', input.strength, `--${input.specimen}`, '--slump', input.slump, '--stone', input.stone,
    '--moisture', input.moisture, '--exposure', input.exposure,
    ...(input.admixture === 'yes' ? ['--admixture', input.dose] : ['--no-admixture'])];
  const command = JSON.parse(execFileSync(mixdesign, args, { encoding: 'utf8' })).durability;
  const row = batch[k + 1];
  const batchVerdict = { meets: row[column('durability_meets')] === 'yes',
    fails: row[column('durability_fails')] ? row[column('durability_fails')].split('+') : [],
    least_strength: row[column('least_strength')] ? Number(row[column('least_strength')]) : null };
  const sheet1 = page.sheets[0].map((line) => line.text);
  const same = JSON.stringify(command) === JSON.stringify(d) && batchVerdict.meets === d.meets &&
    JSON.stringify(batchVerdict.fails) === JSON.stringify(d.fails) && batchVerdict.least_strength === d.least_strength &&
    sheet1.includes(page.durabilityText.verdict) && page.durabilityChart.startsWith('<svg');
  if (!same && ++differences <= 5)
    console.error(`verdicts differ for ${JSON.stringify(input)}:\n  page ${JSON.stringify(d)}\n  command ` +
      `${JSON.stringify(command)}\n  batch ${JSON.stringify(batchVerdict)}\n  sheet 1 ${JSON.stringify(sheet1.slice(-3))}`);
}
if (judged.length < 60 || !judged.some(([, p]) => p.durability.meets) || judged.every(([, p]) => p.durability.meets)) {
  console.error(`only ${judged.length} judged designs, meeting and failing`);
  ++differences;
}
const captions = await engine.captions();
if (JSON.stringify(captions) !== JSON.stringify(JSON.parse(execFileSync(driver, ['--captions'], { encoding: 'utf8' })))) {
  console.error('the captions differ');
  ++differences;
}
console.log(`${inputs.length} inputs (${designs} designs, ${pours} pours, ${costs} costed, ${judged.length} judged by every road, ` +
  `${inputs.length - designs} refusals): ` +
  `${differences} differences; ${(perCall * 1000).toFixed(1)} µs per Calculate in WebAssembly`);
process.exit(differences === 0 ? 0 : 1);
