// The mixer view: one batch in big pictures and numbers for the crew at the drum, a count of
// the batches that outlives a reload and starts again for another design, and the screen kept
// on while it is open, where the browser can.
import { measurePictures } from './sheets.js';

const $ = (id) => document.getElementById(id);
const countKey = 'mixdesign.batches';
let shown = null; // { design: the link, total: batches of the pour or 0 }
let lock = null;

function saved() {
  try {
    return JSON.parse(localStorage.getItem(countKey) ?? 'null');
  } catch {
    return null;
  }
}

function count() {
  const kept = saved();
  return kept && kept.design === shown.design ? kept.count : 1;
}

function writeCount(value) {
  try {
    localStorage.setItem(countKey, JSON.stringify({ design: shown.design, count: value }));
  } catch {
    // Without storage the count lasts as long as the page.
  }
  showCount(value);
}

function showCount(value) {
  const element = document.querySelector('[data-batch-count]');
  element.dataset.count = value;
  element.textContent = shown.total ? `ครั้งที่ ${value} จาก ${shown.total}` : `ครั้งที่ ${value}`;
  $('batchNext').disabled = shown.total > 0 && value >= shown.total;
  $('batchBack').disabled = value <= 1;
}

async function keepScreenOn() {
  try {
    lock = await navigator.wakeLock?.request('screen');
  } catch {
    lock = null; // refused (battery saver): the view works all the same
  }
}

// The batch of the design on screen: its card's rows and the pour's number of batches.
export function showMixer(outcome) {
  if (!outcome.card)
    return;
  shown = { design: outcome.link, total: outcome.pour?.batches ?? 0 };
  $('mixerTitle').textContent = outcome.card.title;
  $('mixerRows').replaceChildren(...outcome.card.rows.map((row) => {
    const item = document.createElement('li');
    item.className = `mixer-row ${row.material}`;
    const figure = document.createElement('p');
    figure.className = 'figure';
    figure.innerHTML = '<span class="number"></span> <span class="unit"></span>';
    figure.firstChild.textContent = row.number;
    figure.lastChild.textContent = row.unit;
    const name = document.createElement('p');
    name.className = 'name';
    name.textContent = row.amount ? `${row.name}  ${row.amount}` : row.name;
    item.append(name, figure, measurePictures(row));
    return item;
  }));
  showCount(count());
}

export function openMixer() {
  $('mixer').showModal();
  keepScreenOn();
}

export function setUpMixer() {
  $('batchNext').addEventListener('click', () => writeCount(count() + 1));
  $('batchBack').addEventListener('click', () => writeCount(Math.max(1, count() - 1)));
  $('mixerClose').addEventListener('click', () => $('mixer').close());
  $('mixer').addEventListener('close', () => {
    lock?.release();
    lock = null;
  });
  // A lock ends when the page is hidden; it comes back with the page.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible' && $('mixer').open)
      keepScreenOn();
  });
}
