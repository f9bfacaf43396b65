// The page's behaviour: the input guards of the window's data-entry page, Calculate through
// the engine compiled to WebAssembly, and the results written by control name.
import createEngine from './mixdesign.mjs';

const $ = (id) => document.getElementById(id);
const engine = createEngine();
const calculateArgs = ['string', 'number', 'number', 'string', 'string', 'number', 'number', 'string', 'string'];
const numberFields = ['Text2', 'Text3', 'Text4'];
// Enter in a number field moves on as Tab would in the window; the phone's order is the page's.
const nextOnEnter = { Text2: 'Combo1', Text3: 'Text4', Text4: 'Command1' };

export const timings = { interactive: 0, calculate: [] };

function guardNumberField(id) {
  const input = $(id);
  // Only digits and the full stop may be typed; pasted text passes, as in the window.
  input.addEventListener('beforeinput', (event) => {
    if (event.inputType === 'insertText' && event.data !== null && /[^0-9.]/.test(event.data))
      event.preventDefault();
  });
  input.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      $(nextOnEnter[id]).focus();
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

function showRefusal(refusal) {
  $('messageTitle').textContent = refusal.title;
  $('messageText').textContent = refusal.message;
  $('message').hidden = false;
  $(refusal.focus).focus();
}

function showResult(result) {
  $('message').hidden = true;
  for (const element of document.querySelectorAll('[data-control]'))
    element.textContent = result.texts[element.dataset.control] ?? '';
  $('details').hidden = false;
  $('Frame1').open = true;
}

async function calculate(event) {
  event.preventDefault();
  const module = await engine;
  const started = performance.now();
  const json = module.ccall('mixdesign_calculate', 'string', calculateArgs, [
    $('Text2').value, +$('Check1').checked, +$('Check2').checked, $('Combo1').value, $('Combo2').value,
    +$('Check3').checked, +$('Check4').checked, $('Text3').value, $('Text4').value]);
  const outcome = JSON.parse(json);
  if (outcome.error)
    showRefusal(outcome);
  else
    showResult(outcome);
  timings.calculate.push(performance.now() - started);
}

numberFields.forEach(guardNumberField);
pairBoxes('Check1', 'Check2');
pairBoxes('Check3', 'Check4', setDoseEnabled);
$('entry').addEventListener('submit', calculate);
// A printed summary shows every step, whatever is folded on screen.
window.addEventListener('beforeprint', () => document.querySelectorAll('details').forEach((d) => { d.open = true; }));
engine.then((module) => {
  // One refused Calculate runs the call and the text conversions once, so that the first
  // real one on site is as quick as the rest.
  module.ccall('mixdesign_calculate', 'string', calculateArgs, ['', 0, 0, '', '', 0, 0, '', '']);
  timings.interactive = performance.now();
  document.body.dataset.ready = 'true';
});
if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js');
window.mixTimings = timings;
