// The report's sheets for the browser's print: the engine's lines at their places in twips on
// A4, one sheet a page, and on sheet 1 a QR code of the design's link, where the engine says
// the report puts it; and the mixer card, one landscape page. The sheets' face is part of the
// page (fonts/), so that every phone prints the same lines at the same places.
const $ = (id) => document.getElementById(id);
const twips = (value) => `${value / 1440}in`;

// The report's face, fetched once the page works and kept offline with it; a print waits for it.
export const faces = () => Promise.all(['Report', 'Card'].flatMap((use) => ['400', '700']
  .map((weight) => document.fonts.load(`${weight} 14pt "${use} Umpush"`))));

export async function showSheets(outcome) {
  if (!outcome.sheets)
    return;
  const pages = outcome.sheets.map((lines) => {
    const page = document.createElement('div');
    page.className = 'sheet';
    for (const line of lines) {
      const run = document.createElement('div');
      run.className = line.bold ? 'line bold' : 'line';
      run.style.left = twips(line.x);
      run.style.top = twips(line.y);
      run.textContent = line.text;
      page.append(run);
    }
    return page;
  });
  $('sheets').replaceChildren(...pages);
  document.body.classList.add('has-sheets');
  showCard(outcome.card);
  if (!outcome.link)
    return;
  const { renderSVG } = await import('./vendor/uqr.mjs');
  const qr = document.createElement('div');
  qr.className = 'qr';
  const { x, y, size } = outcome.qr;
  Object.assign(qr.style, { left: twips(x), top: twips(y), width: twips(size), height: twips(size) });
  qr.innerHTML = renderSVG(outcome.link, { ecc: 'M', border: 2 });
  pages[0].append(qr);
}

// Pictures of a row's measures: whole ones, then the part of the last as a fill level over a
// faint whole; beyond 20 one picture and "× n", as the desktop card draws them.
export function measurePictures(row) {
  const box = document.createElement('span');
  box.className = 'pictures';
  const whole = Math.floor(Math.max(0, row.measures));
  const part = Math.round((row.measures - whole) * 100) / 100;
  const count = whole + (part > 0 ? 1 : 0);
  const picture = (fill) => {
    const holder = document.createElement('span');
    holder.className = 'picture';
    holder.style.setProperty('--fill', fill);
    for (const layer of fill < 1 ? ['ghost', 'full'] : ['full']) {
      const image = document.createElement('img');
      image.src = `card/${row.material}.svg`;
      image.alt = '';
      image.className = layer;
      holder.append(image);
    }
    return holder;
  };
  if (count > 20) {
    box.append(picture(1), `× ${row.number}`);
    return box;
  }
  for (let i = 0; i < count; ++i)
    box.append(picture(i === count - 1 && part > 0 ? part : 1));
  return box;
}

function showCard(card) {
  if (!card)
    return;
  const sheet = document.createElement('div');
  sheet.className = 'card-sheet';
  const title = document.createElement('h2');
  title.textContent = card.title;
  const rows = document.createElement('ol');
  for (const [index, row] of card.rows.entries()) {
    const item = document.createElement('li');
    const step = document.createElement('span');
    step.className = 'step';
    step.textContent = index + 1;
    const number = document.createElement('span');
    number.className = 'number';
    number.textContent = row.number;
    const unit = document.createElement('span');
    unit.className = 'unit';
    unit.textContent = row.unit;
    const below = document.createElement('span');
    below.className = 'amount';
    below.textContent = row.amount ? `${row.name}  ${row.amount}` : row.name;
    item.append(step, measurePictures(row), number, unit, below);
    rows.append(item);
  }
  const foot = document.createElement('div');
  foot.className = 'foot';
  for (const line of card.foot) {
    const p = document.createElement('p');
    p.textContent = line;
    foot.append(p);
  }
  sheet.append(title, rows, foot);
  $('cardSheet').replaceChildren(sheet);
}
