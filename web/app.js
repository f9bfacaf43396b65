// The page's behaviour: the input guards of the window's data-entry page, Calculate through
// the engine compiled to WebAssembly, the results written by control name, the pour planner,
// the design kept in the address and the printed sheets.
import { makeEngine } from './engine.js';
import { fillFromLink, keepInAddress, linkAddress } from './link.js';
import { pourArgs, pourFields, showPour, showPourMessages, showVolume } from './pour.js';
import { showSheets } from './sheets.js';

const $ = (id) => document.getElementById(id);
const engine = makeEngine();
const numberFields = ['Text2', 'Text3', 'Text4', ...pourFields];
// Enter in a number field moves on as Tab would in the window; the phone's order is the page's.
const nextOnEnter = { Text2: 'Combo1', Text3: 'Text4', Text4: 'Command1', volumeField: 'wasteField',
  wasteField: 'bagKgField', bagKgField: 'basketField', basketField: 'pailField', pailField: 'bagsPerBatchField' };
const resultParts = ['results', 'details', 'pour'];

export const timings = { interactive: 0, calculate: [] };
let accepted = null; // the design arguments of the last accepted Calculate
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

const designArgs = () => [$('Text2').value, +$('Check1').checked, +$('Check2').checked, $('Combo1').value,
  $('Combo2').value, +$('Check3').checked, +$('Check4').checked, $('Text3').value, $('Text4').value];

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
  showSheets(result.sheets, linkAddress());
  if (scroll)
    $('results').scrollIntoView({ block: 'start' });
}

async function calculate({ scroll = true, quietIfIncomplete = false } = {}) {
  const started = performance.now();
  const args = designArgs();
  const outcome = await engine.calculate([...args, ...pourArgs()]);
  if (outcome.error) {
    if (!(quietIfIncomplete && ['incomplete', 'dose_missing'].includes(outcome.error)))
      showRefusal(outcome, scroll);
  } else {
    accepted = args;
    showResult(outcome, scroll);
  }
  timings.calculate.push(performance.now() - started);
}

// The planner follows every keystroke in its entries, from the last accepted design.
async function replan() {
  const outcome = await engine.calculate([...(accepted ?? ['', 0, 0, '', '', 0, 0, '', '']), ...pourArgs()]);
  if (accepted && !outcome.error) {
    showPour(outcome);
    showSheets(outcome.sheets, linkAddress());
  } else {
    showPourMessages(outcome);
  }
}

async function share() {
  const url = linkAddress();
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
$('entry').addEventListener('input', keepInAddress);
$('entry').addEventListener('change', keepInAddress);
$('pour').addEventListener('input', () => {
  keepInAddress();
  replan();
});
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
