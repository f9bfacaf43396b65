// The pour planner's half of the page: its entries and prices by the entry table's keys, the
// engine's messages beside them, its figures and costs in the elements that name their key, and
// the volume picture. Figures a bad entry has made old stay on screen greyed and marked, as the
// window shows them, and are never printed: the sheets come from the engine's answer, which has
// no order without good entries.
const $ = (id) => document.getElementById(id);
export const pourFields = () => [...document.querySelectorAll('[data-entry]')];
export const priceFields = () => [...document.querySelectorAll('[data-price]')];

export const pourEntries = () => ({
  ...Object.fromEntries(pourFields().map((field) => [field.dataset.entry, field.value])),
  ...Object.fromEntries(priceFields().map((field) => [`price_${field.dataset.price}`, field.value])),
});

// The local prices stay on the phone: they are the foreman's own, and a shared link carries none.
const pricesKey = 'mixdesign.prices';
export function keepPrices() {
  try {
    localStorage.setItem(pricesKey, JSON.stringify(Object.fromEntries(priceFields().map((f) => [f.dataset.price, f.value]))));
  } catch {
    // A private window may refuse storage; the prices then last as long as the page.
  }
}
export function restorePrices() {
  let kept = {};
  try {
    kept = JSON.parse(localStorage.getItem(pricesKey) ?? '{}') ?? {};
  } catch {
    return;
  }
  for (const field of priceFields())
    if (/^[0-9.]{1,20}$/.test(kept[field.dataset.price] ?? ''))
      field.value = kept[field.dataset.price];
}

export function showPourMessages(outcome) {
  const messages = new Map(outcome.pourErrors.map((e) => [e.field, e.message]));
  for (const field of [...pourFields(), ...priceFields()]) {
    const message = messages.get(field.id) ?? '';
    $(field.getAttribute('aria-describedby')).textContent = message;
    if (message)
      field.setAttribute('aria-invalid', 'true');
    else
      field.removeAttribute('aria-invalid');
  }
}

const baht = (value) => (value === undefined ? '' : `${value.toFixed(2)}${$('bahtUnit').textContent}`);

function markStale(element, stale) {
  if (stale)
    element.dataset.stale = 'true';
  else
    delete element.dataset.stale;
}

function showCost(outcome, priceRefused) {
  const cost = outcome.pour?.cost;
  const costList = $('costList');
  if (!cost) {
    // Prices refused: what was shown is old. No price, or no pour: there is nothing to show.
    const stale = priceRefused && !costList.hidden;
    markStale(costList, stale);
    for (const figure of priceFields().map((field) => field.nextElementSibling))
      markStale(figure, stale && figure.textContent !== '');
    if (!stale) {
      costList.hidden = true;
      for (const figure of document.querySelectorAll('[data-cost]'))
        figure.textContent = '';
    }
    return;
  }
  markStale(costList, false);
  costList.hidden = false;
  for (const figure of document.querySelectorAll('[data-cost]')) {
    figure.textContent = baht(cost[figure.dataset.cost]);
    markStale(figure, false);
  }
  // The engine's own lines after the total and the average: the verdict against ready-mix, or
  // which prices are missing, so that half the materials are never weighed against the whole.
  $('costVerdict').textContent = outcome.costText.summary.slice(cost.total === undefined ? 0 : 2).join('\n');
}

// With good entries the figures are the engine's; a bad entry leaves the figures shown before,
// marked as old; an empty volume leaves nothing to plan.
export function showPour(outcome, admixture) {
  showPourMessages(outcome);
  const list = $('orderList');
  const pourRefused = outcome.pourErrors.some((e) => !e.field.endsWith('PriceField'));
  const priceRefused = outcome.pourErrors.some((e) => e.field.endsWith('PriceField'));
  const stale = pourRefused && !list.hidden;
  markStale(list, stale);
  $('orderStaleNote').hidden = !stale && !(priceRefused && !$('costList').hidden);
  if (!pourRefused) {
    list.hidden = !outcome.pour;
    for (const element of document.querySelectorAll('[data-pour]'))
      element.textContent = outcome.pourTexts?.[element.dataset.pour] ?? '';
    for (const row of list.querySelectorAll('.admixture-row'))
      row.hidden = !admixture;
  }
  showCost(outcome, priceRefused);
}

export function showVolume(parts) {
  const bar = document.createElement('div');
  bar.className = 'bar';
  const legend = document.createElement('ul');
  for (const part of parts) {
    const piece = document.createElement('span');
    piece.className = `part ${part.material}`;
    piece.style.flexGrow = part.litres;
    bar.append(piece);
    const item = document.createElement('li');
    item.innerHTML = `<span class="swatch ${part.material}"></span>`;
    item.append(`${part.name} ${part.text}`);
    legend.append(item);
  }
  $('volumeParts').replaceChildren(bar, legend);
  $('volumeBar').hidden = false;
  $('calculateFirstNote').hidden = true;
}
