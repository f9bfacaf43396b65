// The pour planner's half of the page: the engine's messages beside the entries, its figures in
// the elements that name their key of the command line's "pour" object, and the volume picture.
const $ = (id) => document.getElementById(id);
export const pourFields = ['volumeField', 'wasteField', 'bagKgField', 'basketField', 'pailField', 'bagsPerBatchField'];

export const pourArgs = () => pourFields.map((id) => $(id).value);

export function showPourMessages(outcome) {
  const messages = new Map(outcome.pourErrors.map((e) => [e.field, e.message]));
  for (const id of pourFields) {
    const message = messages.get(id) ?? '';
    $(id.replace('Field', 'Message')).textContent = message;
    if (message)
      $(id).setAttribute('aria-invalid', 'true');
    else
      $(id).removeAttribute('aria-invalid');
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
  $('admixturePerBatchRow').hidden = !outcome.pourTexts?.['per_batch.admixture_cc'];
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
