// The page's behaviour: the input guards of the window's data-entry page, Calculate through
// the engine compiled to WebAssembly, the results written by control name, the pour planner,
// the design on screen kept in the address by its link, and the printed sheets.
import { makeEngine } from './engine.js';
import { fillFromLink, pageAddress } from './link.js';
import { pourEntries, pourFields, showPour, showPourMessages, showVolume } from './pour.js';
import { showSheets } from './sheets.js';

const $ = (id) => document.getElementById(id);
const engine = makeEngine();
const numberFields = ['Text2', 'Text3', 'Text4', ...pourFields().map((field) => field.id)];
// Enter in a number field moves on as Tab would in the window; the phone's order is the page's.
const nextOnEnter = { Text2: 'Combo1', Text3: 'Text4', Text4: 'Command1', volumeField: 'wasteField',
  wasteField: 'bagKgField', bagKgField: 'basketField', basketField: 'pailField', pailField: 'bagsPerBatchField' };
const resultParts = ['results', 'details', 'pour'];

export const timings = { interactive: 0, calculate: [] };
let accepted = null; // the design fields of the last accepted Calculate
let shownLink = pageAddress(); // the link of the design on screen, from the engine
let invalid = null; // the field the shown refusal belongs to

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
      if (nextOnEnter[id])
        $(nextOnEnter[id]).focus();
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
  dose: $('Text3').value, moisture: $('Text4').value });

const record = (design) => ({ ...design, ...pourEntries(), address: pageAddress() });

// Whatever the fields show since, the address, Share and the printed QR code carry the design
// whose results are on screen.
function showLink(outcome) {
  shownLink = outcome.link || pageAddress();
  history.replaceState(null, '', shownLink);
}

function clearRefusal() {
  $('message').hidden = true;
  if (invalid) {
    invalid.removeAttribute('aria-invalid');
    invalid.setAttribute('aria-describedby', `${invalid.id}Hint`);
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
  field.setAttribute('aria-invalid', 'true');
  field.setAttribute('aria-describedby', `message ${field.id}Hint`);
  invalid = field;
  if (accepted) {
    $('staleNote').hidden = false;
    resultParts.forEach((id) => $(id).classList.add('stale'));
  }
  if (focus) {
    field.focus({ preventScroll: true });
    field.closest('.field').scrollIntoView({ block: 'nearest' });
  }
}

function showResult(result, scroll = true) {
  clearRefusal();
  $('staleNote').hidden = true;
  resultParts.forEach((id) => $(id).classList.remove('stale'));
  for (const element of document.querySelectorAll('[data-control]'))
    element.textContent = result.texts[element.dataset.control] ?? '';
  $('details').hidden = false;
  $('Frame1').open = true;
  $('Command2').disabled = false;
  showVolume(result.volume);
  showPour(result);
  showLink(result);
  showSheets(result);
  if (scroll)
    $('results').scrollIntoView({ block: 'start' });
}

async function calculate({ scroll = true, quietIfIncomplete = false } = {}) {
  const started = performance.now();
  const design = designFields();
  const outcome = await engine.design(record(design));
  if (outcome.error) {
    if (!(quietIfIncomplete && ['incomplete', 'dose_missing'].includes(outcome.error)))
      showRefusal(outcome, scroll);
  } else {
    accepted = design;
    showResult(outcome, scroll);
  }
  timings.calculate.push(performance.now() - started);
}

// The planner follows every keystroke in its entries, from the last accepted design.
async function replan() {
  const outcome = await engine.design(record(accepted ?? {}));
  if (accepted && !outcome.error) {
    showPour(outcome);
    showLink(outcome);
    showSheets(outcome);
  } else {
    showPourMessages(outcome);
  }
}

async function share() {
  const url = shownLink;
  if (navigator.share) {
    try {
      await navigator.share({ url, title: document.title });
      return;
    } catch (error) {
      if (error.name === 'AbortError')
        return;
    }
  }
  await navigator.clipboard.writeText(url);
  $('shareStatus').textContent = $('share').dataset.copied;
}

numberFields.forEach(guardNumberField);
pairBoxes('Check1', 'Check2');
pairBoxes('Check3', 'Check4', setDoseEnabled);
openHints();
$('entry').addEventListener('submit', (event) => {
  event.preventDefault();
  calculate();
});
$('pour').addEventListener('input', replan);
$('Command2').addEventListener('click', () => window.print());
$('share').addEventListener('click', share);

engine.ready.then(async () => {
  // A link, or a reload, brings its design back and calculates it once it is complete; a
  // refused Calculate also runs the call and the text conversions once, so that the first
  // real one on site is as quick as the rest.
  if (fillFromLink(location.hash, setDoseEnabled))
    await calculate({ scroll: false, quietIfIncomplete: true });
  else
    await replan();
  timings.interactive = performance.now();
  document.body.dataset.ready = 'true';
});
// Registered once the page has loaded, so that the offline copy finds every file in the
// browser's cache instead of fetching it a second time.
if ('serviceWorker' in navigator)
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
window.mixTimings = timings;
