// The design in the page's address: "#" and key=value pairs in a fixed order, with the keys and
// values of the batch CSV columns. Reading is lenient about order and strict about values: a
// value that is not one the page itself would write fills nothing, and the field stays empty.
const $ = (id) => document.getElementById(id);
const slumps = ['7.5', '10', '12.5'];
const stones = ['1', '2'];
const number = /^[0-9.]{1,20}$/;
export const pourKeys = [['volume', 'volumeField'], ['waste', 'wasteField'], ['bag_kg', 'bagKgField'],
  ['basket', 'basketField'], ['pail', 'pailField'], ['bags_per_batch', 'bagsPerBatchField']];

function specimen() {
  if ($('Check1').checked)
    return 'cube';
  return $('Check2').checked ? 'cylinder' : '';
}

function admixture() {
  if ($('Check3').checked)
    return 'yes';
  return $('Check4').checked ? 'no' : '';
}

// The pick-lists' items are the list's own texts; the link names them by position.
const picked = (id, names) => names[$(id).selectedIndex - 1] ?? '';

export function designLink() {
  const pairs = [['strength', $('Text2').value], ['specimen', specimen()], ['slump', picked('Combo1', slumps)],
    ['stone', picked('Combo2', stones)], ['admixture', admixture()]];
  if (admixture() === 'yes')
    pairs.push(['dose', $('Text3').value]);
  pairs.push(['moisture', $('Text4').value]);
  if ($('volumeField').value !== '')
    for (const [key, id] of pourKeys)
      pairs.push([key, $(id).value]);
  return pairs.filter(([, value]) => value !== '')
    .map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join('&');
}

function parse(fragment) {
  const values = new Map();
  for (const pair of fragment.replace(/^#/, '').split('&')) {
    const at = pair.indexOf('=');
    if (at <= 0)
      continue;
    try {
      values.set(pair.slice(0, at), decodeURIComponent(pair.slice(at + 1)));
    } catch {
      // A broken escape fills nothing.
    }
  }
  return values;
}

const choose = (id, names, value) => {
  const index = names.indexOf(value);
  if (index >= 0)
    $(id).selectedIndex = index + 1;
};

// Fills the fields the link names with good values; returns whether it named any design field.
// `setAdmixture` is told which admixture box the link ticked, as a click on it would.
export function fillFromLink(fragment, setAdmixture) {
  const values = parse(fragment);
  const text = (id, key) => {
    if (number.test(values.get(key) ?? ''))
      $(id).value = values.get(key);
  };
  text('Text2', 'strength');
  const boxes = { specimen: { cube: 'Check1', cylinder: 'Check2' }, admixture: { yes: 'Check3', no: 'Check4' } };
  for (const [key, names] of Object.entries(boxes)) {
    const box = names[values.get(key)];
    if (box) {
      Object.values(names).forEach((id) => { $(id).checked = id === box; });
      if (key === 'admixture')
        setAdmixture(box);
    }
  }
  choose('Combo1', slumps, values.get('slump'));
  choose('Combo2', stones, values.get('stone'));
  if (values.get('admixture') === 'yes')
    text('Text3', 'dose');
  text('Text4', 'moisture');
  for (const [key, id] of pourKeys)
    text(id, key);
  return ['strength', 'specimen', 'slump', 'stone', 'admixture', 'dose', 'moisture'].some((key) => values.has(key));
}

export function linkAddress() {
  const link = designLink();
  return location.href.replace(/#.*$/, '') + (link ? `#${link}` : '');
}

export function keepInAddress() {
  history.replaceState(null, '', linkAddress());
}
