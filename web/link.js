// Reading a design from the page's address: "#" and key=value pairs with the keys and values
// of the batch CSV columns, the pour's entries by the entry table's keys. The page writes no
// link of its own: the engine returns one with every design, and that is the one the address,
// Share and the printed QR code carry. Reading is lenient about order and strict about values:
// a value that is not one the engine would write fills nothing, and the field stays empty.
const $ = (id) => document.getElementById(id);
const number = /^[0-9.]{1,20}$/;
export const designKeys = ['strength', 'specimen', 'slump', 'stone', 'admixture', 'dose', 'moisture', 'exposure'];

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

// A list item by its name; the empty first item is no name.
const choose = (id, value) => {
  const index = [...$(id).options].findIndex((option) => option.value !== '' && option.value === value);
  if (index > 0)
    $(id).selectedIndex = index;
};

// Fills the fields the link names with good values; returns whether it named any design field.
// `setAdmixture` is told which admixture box the link ticked, as a click on it would.
export function fillFromLink(fragment, setAdmixture) {
  const values = parse(fragment);
  const text = (field, key) => {
    if (number.test(values.get(key) ?? ''))
      field.value = values.get(key);
  };
  text($('Text2'), 'strength');
  const boxes = { specimen: { cube: 'Check1', cylinder: 'Check2' }, admixture: { yes: 'Check3', no: 'Check4' } };
  for (const [key, names] of Object.entries(boxes)) {
    const box = names[values.get(key)];
    if (box) {
      Object.values(names).forEach((id) => { $(id).checked = id === box; });
      if (key === 'admixture')
        setAdmixture(box);
    }
  }
  // A spreadsheet writes 10.0 back as 10, and both name the same item.
  choose('Combo1', values.get('slump') === '10.0' ? '10' : values.get('slump'));
  choose('Combo2', values.get('stone'));
  if (values.get('admixture') === 'yes')
    text($('Text3'), 'dose');
  text($('Text4'), 'moisture');
  choose('exposure', values.get('exposure'));
  for (const field of document.querySelectorAll('[data-entry]'))
    text(field, field.dataset.entry);
  return designKeys.some((key) => values.has(key));
}

// The page's address without a design, which the engine's link starts with.
export const pageAddress = () => location.href.replace(/#.*$/, '');
