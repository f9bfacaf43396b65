// The report's sheets for the browser's print: the engine's lines at their places in twips on
// A4, one sheet a page, and on sheet 1 a QR code of the design's link, where the engine says
// the report puts it.
const $ = (id) => document.getElementById(id);
const twips = (value) => `${value / 1440}in`;

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
