// The pour planner's half of the page: its entries by the entry table's keys, the engine's
// messages beside them, its figures in the elements that name their label, and the volume
// picture.
const $ = (id) => document.getElementById(id);
export const pourFields = () => [...document.querySelectorAll('[data-entry]')];

export const pourEntries = () => Object.fromEntries(pourFields().map((field) => [field.dataset.entry, field.value]));

export function showPourMessages(outcome) {
  const messages = new Map(outcome.pourErrors.map((e) => [e.field, e.message]));
  for (const field of pourFields()) {
    const message = messages.get(field.id) ?? '';
    $(field.getAttribute('aria-describedby')).textContent = message;
    if (message)
      field.setAttribute('aria-invalid', 'true');
    else
      field.removeAttribute('aria-invalid');
  }
}

// A bad entry leaves the figures as they were; an empty volume leaves nothing to plan.
export function showPour(outcome) {
  showPourMessages(outcome);
  if (outcome.pourErrors.length)
    return;
  $('orderList').hidden = !outcome.pour;
  for (const element of document.querySelectorAll('[data-pour]'))
    element.textContent = outcome.pourTexts?.[element.dataset.pour] ?? '';
  $('admixturePerBatchRow').hidden = !outcome.pourTexts?.admixturePerBatch;
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
