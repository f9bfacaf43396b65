// The page's behaviour: the input guards of the window's data-entry page, Calculate through
// the engine compiled to WebAssembly, the results written by control name, the pour planner and
// its cost, the design on screen kept in the address by its link, the printed sheets and card,
// and the mixer view.
import { makeEngine } from './engine.js';
import { fillFromLink, pageAddress } from './link.js';
import { openMixer, setUpMixer, showMixer } from './mixer.js';
import { keepPrices, pourEntries, pourFields, priceFields, restorePrices, showPour, showPourMessages,
  showVolume } from './pour.js';
import { showDurability } from './durability.js';
import { faces, showSheets } from './sheets.js';
import { setResultsDesign, setUpResults } from './results.js';

const $ = (id) => document.getElementById(id);
const engine = makeEngine();
const numberFields = ['Text2', 'Text3', 'Text4', ...[...pourFields(), ...priceFields()].map((field) => field.id)];
// Enter in a number field moves on as Tab would in the window, in the page's order; the dose
// comes after the moisture only while it is open.
const nextOnEnter = { Text2: 'Combo1', Text4: () => ($('Text3').disabled ? 'Command1' : 'Text3'), Text3: 'Command1',
  volumeField: 'wasteField', wasteField: 'bagKgField', bagKgField: 'basketField', basketField: 'pailField',
  pailField: 'bagsPerBatchField', bagsPerBatchField: 'cementPriceField', cementPriceField: 'sandPriceField',
  sandPriceField: 'stonePriceField', stonePriceField: 'admixturePriceField', admixturePriceField: 'readymixPriceField' };
const resultParts = ['results', 'details', 'pour'];

export const timings = { interactive: 0, calculate: [] };
let accepted = null; // the design fields of the last accepted Calculate
let shown = null; // the engine's answer on screen
let invalid = null; // the field the shown refusal belongs to
let statusTimer = 0;
let sheetsShown = Promise.resolve(); // the sheets with their QR code, which a print waits for

function guardNumberField(id) {
  const input = $(id);
  // Only digits and the full stop may be typed; pasted text passes, as in the window, but
  // never beyond the field's length.
  input.addEventListener('beforeinput', (event) => {
    if (event.inputType === 'insertText' && event.data !== null && /[^0-9.]/.test(event.data))
      event.preventDefault();
  });
  input.addEventListener('input', () => {
    if (input.value.length > input.maxLength)
      input.value = input.value.slice(0, input.maxLength);
  });
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      const next = typeof nextOnEnter[id] === 'function' ? nextOnEnter[id]() : nextOnEnter[id];
      if (next)
        $(next).focus();
      else
        input.blur();
    }
  });
}

// A click clears the partner; the admixture pair also sets the dose field from which box was
// clicked, not from its resulting tick.
function pairBoxes(first, second, onClick) {
  $(first).addEventListener('click', () => { $(second).checked = false; onClick?.(first); });
  $(second).addEventListener('click', () => { $(first).checked = false; onClick?.(second); });
}

function setDoseEnabled(clicked) {
  const enabled = clicked === 'Check3';
  $('Text3').disabled = !enabled;
  $('Text3').classList.toggle('greyed', !enabled);
  $('Label26(0)').classList.toggle('disabled', !enabled);
  $('Text4').enterKeyHint = enabled ? 'next' : 'go';
}

function openHints() {
  for (const button of document.querySelectorAll('button.hint'))
    button.addEventListener('click', () => {
      const hint = $(button.getAttribute('aria-controls'));
      hint.hidden = !hint.hidden;
      button.setAttribute('aria-expanded', String(!hint.hidden));
    });
}

const pair = (first, second, firstName, secondName) => {
  if ($(first).checked)
    return firstName;
  return $(second).checked ? secondName : '';
};

// The design fields by the link's keys and values; the lists' items name themselves.
const designFields = () => ({ strength: $('Text2').value, specimen: pair('Check1', 'Check2', 'cube', 'cylinder'),
  slump: $('Combo1').value, stone: $('Combo2').value, admixture: pair('Check3', 'Check4', 'yes', 'no'),
  dose: $('Check3').checked ? $('Text3').value : '', moisture: $('Text4').value, exposure: $('exposure').value });

const record = (design) => ({ ...design, ...pourEntries(), address: pageAddress(),
  date: new Date().toLocaleDateString('th-TH') });

// The address, Share and the printed QR code carry the design whose results are on screen and
// on the sheets, whatever the fields show since.
function showLink(outcome) {
  history.replaceState(null, '', outcome.link || pageAddress());
}

// Results on screen that the fields no longer give are marked as the earlier Calculate's.
function markEarlier() {
  const earlier = accepted !== null && JSON.stringify(designFields()) !== JSON.stringify(accepted);
  $('staleNote').hidden = !earlier;
  for (const id of resultParts) {
    $(id).classList.toggle('stale', earlier);
    if (earlier)
      $(id).dataset.stale = 'true';
    else
      delete $(id).dataset.stale;
  }
}

function clearRefusal() {
  $('message').hidden = true;
  if (invalid) {
    invalid.removeAttribute('aria-invalid');
    invalid.setAttribute('aria-describedby', invalid.dataset.describedBy);
    invalid = null;
  }
}

// The message goes under the field it is about, tied to it, and into view above a phone's
// keyboard; results already shown stay, marked as those of the earlier inputs.
function showRefusal(refusal, focus = true) {
  clearRefusal();
  const field = $(refusal.focus);
  $('messageTitle').textContent = refusal.title;
  $('messageText').textContent = refusal.message;
  field.closest('.field').append($('message'));
  $('message').hidden = false;
  field.dataset.describedBy ??= field.getAttribute('aria-describedby') ?? '';
  field.setAttribute('aria-invalid', 'true');
  field.setAttribute('aria-describedby', `message ${field.dataset.describedBy}`.trim());
  invalid = field;
  markEarlier();
  if (focus) {
    field.focus({ preventScroll: true });
    field.closest('.field').scrollIntoView({ block: 'nearest' });
  }
}

// Everything that follows the design on screen: the planner, its cost, the link, the sheets and
// the mixer view.
function showDesign(outcome) {
  shown = outcome;
  showPour(outcome, outcome.final.admixture > 0);
  showLink(outcome);
  showMixer(outcome);
  $('mixerButtons').hidden = false;
  sheetsShown = showSheets(outcome);
  return sheetsShown;
}

function showResult(result, scroll = true) {
  clearRefusal();
  for (const element of document.querySelectorAll('[data-control]'))
    element.textContent = result.texts[element.dataset.control] ?? '';
  for (const row of $('results').querySelectorAll('.admixture-row'))
    row.hidden = !(result.final.admixture > 0);
  showDurability(result);
  $('results').hidden = false;
  $('details').hidden = false;
  $('Frame1').open = true;
  $('Command2').disabled = false;
  showVolume(result.volume);
  const sheets = showDesign(result);
  markEarlier();
  if (scroll)
    $('results').scrollIntoView({ block: 'start' });
  return sheets;
}

async function calculate({ scroll = true, focus = scroll, quietIfIncomplete = false } = {}) {
  const started = performance.now();
  const design = designFields();
  const outcome = await engine.design(record(design));
  if (outcome.error) {
    if (!(quietIfIncomplete && ['incomplete', 'dose_missing'].includes(outcome.error)))
      showRefusal(outcome, focus);
  } else {
    accepted = design;
    setResultsDesign(design);
    const sheets = showResult(outcome, scroll);
    timings.calculate.push(performance.now() - started);
    await sheets;
    return;
  }
  timings.calculate.push(performance.now() - started);
}

// The planner follows every keystroke in its entries, from the last accepted design.
async function replan() {
  keepPrices();
  const outcome = await engine.design(record(accepted ?? {}));
  if (accepted && !outcome.error)
    showDesign(outcome);
  else
    showPourMessages(outcome);
}

function tellShared(text) {
  $('shareStatus').textContent = text;
  clearTimeout(statusTimer);
  statusTimer = setTimeout(() => { $('shareStatus').textContent = ''; }, 4000);
}

async function share() {
  const url = location.href;
  if (navigator.share) {
    try {
      await navigator.share({ url, title: document.title });
      return;
    } catch (error) {
      if (error.name === 'AbortError')
        return;
    }
  }
  try {
    await navigator.clipboard.writeText(url);
    $('shareFallback').hidden = true;
    tellShared($('share').dataset.copied);
  } catch {
    // Neither a share sheet nor a clipboard: the link itself, selected, to copy by hand.
    $('shareLink').value = url;
    $('shareFallback').hidden = false;
    $('shareLink').focus();
    $('shareLink').select();
  }
}

async function print(what) {
  await Promise.all([faces(), sheetsShown]);
  document.body.dataset.print = what;
  window.print();
  delete document.body.dataset.print;
}

// A link opened in the tab already open brings its own design, whatever the fields held.
async function openLink() {
  if (shown && location.href === shown.link)
    return;
  $('entry').reset();
  for (const field of pourFields())
    field.value = field.defaultValue;
  setDoseEnabled($('Check3').checked ? 'Check3' : 'Check4');
  if (fillFromLink(location.hash, setDoseEnabled))
    await calculate({ focus: false, quietIfIncomplete: true });
}

numberFields.forEach(guardNumberField);
pairBoxes('Check1', 'Check2');
pairBoxes('Check3', 'Check4', setDoseEnabled);
openHints();
restorePrices();
setUpMixer();
$('entry').addEventListener('submit', (event) => {
  event.preventDefault();
  calculate();
});
$('entry').addEventListener('input', markEarlier);
$('entry').addEventListener('change', markEarlier);
$('pour').addEventListener('input', replan);
$('Command2').addEventListener('click', () => print('sheets'));
$('printCard').addEventListener('click', () => print('card'));
$('mixerButton').addEventListener('click', openMixer);
$('share').addEventListener('click', share);
window.addEventListener('hashchange', openLink);

engine.ready.then(async () => {
  // A link, or a reload, brings its design back and calculates it once it is complete, with
  // its answer in view; a refused Calculate also runs the call and the text conversions once,
  // so that the first real one on site is as quick as the rest.
  if (fillFromLink(location.hash, setDoseEnabled))
    await calculate({ focus: false, quietIfIncomplete: true });
  else
    await replan();
  await setUpResults(engine, print);
  timings.interactive = performance.now();
  document.body.dataset.ready = 'true';
  // The report's face once the page works, then the offline copy, which finds it and every other
  // file in the browser's cache instead of fetching it a second time.
  await new Promise((resolve) => (document.readyState === 'complete' ? resolve() :
    window.addEventListener('load', resolve)));
  await faces().catch(() => {});
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js');
});
window.mixTimings = timings;
