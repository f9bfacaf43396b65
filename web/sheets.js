// The report's sheets for the browser's print: the engine's lines at their places in twips on
// A4, one sheet a page, and on sheet 1 a QR code of the link that brings the design back.
const $ = (id) => document.getElementById(id);
const twips = (value) => `${value / 1440}in`;
// In sheet 1's free bottom margin, under the last line of the record.
const code = { x: 9600, y: 14600, size: 1584 };

export async function showSheets(sheets, link) {
  if (!sheets)
    return;
  const pages = sheets.map((lines) => {
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
  const { renderSVG } = await import('./vendor/uqr.mjs');
  const qr = document.createElement('div');
  qr.className = 'qr';
  Object.assign(qr.style, { left: twips(code.x), top: twips(code.y), width: twips(code.size), height: twips(code.size) });
  qr.innerHTML = renderSVG(link, { ecc: 'M', border: 2 });
  pages[0].append(qr);
}
