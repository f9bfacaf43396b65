// The strength results: the lab's sheet pasted, imported or typed, kept in this browser until
// the user clears it, judged by the engine against the last accepted design's strength and
// specimen, with both verdicts, the chart, and the acceptance sheet for the print.
const $ = (id) => document.getElementById(id);
const stored = 'mixdesign.results';
const twips = (value) => `${value / 1440}in`;

let engine = null;
let design = null; // strength and specimen of the last accepted Calculate
let judged = null; // the engine's last answer

const today = () => new Date().toISOString().slice(0, 10);

function cell(tag, text, className) {
  const element = document.createElement(tag);
  element.textContent = text;
  if (className)
    element.className = className;
  return element;
}

function showTable(answer) {
  const head = document.createElement('tr');
  head.append(cell('th', ''), ...answer.header.map((name) => cell('th', name)));
  const acceptance = answer.acceptance;
  const lowTests = new Set([...(acceptance?.aci318.low_tests ?? []), ...(acceptance?.en206.low_tests ?? [])]);
  const inLowWindow = new Set([...(acceptance?.aci318.low_averages ?? []), ...(acceptance?.en206.low_means ?? [])]
    .flatMap((first) => [first, first + 1, first + 2]));
  const rows = answer.rows.map((row) => {
    const tr = document.createElement('tr');
    tr.dataset.line = row.line;
    tr.append(cell('th', String(row.line)), ...row.cells.map((text) => cell('td', text)));
    if (row.test !== undefined) {
      tr.dataset.test = row.test;
      tr.classList.toggle('low-test', lowTests.has(row.test));
      tr.classList.toggle('low-window', inLowWindow.has(row.test));
    }
    return tr;
  });
  const body = document.createElement('tbody');
  body.append(...rows);
  if (answer.error) {
    // The reason beside the row at fault, or under the header when the fault is the header's.
    const at = rows.find((tr) => Number(tr.dataset.line) === answer.error.line);
    const reason = document.createElement('tr');
    reason.className = 'sheet-fault';
    reason.id = 'resultsFault';
    reason.append(cell('td', answer.error.thai));
    reason.firstChild.colSpan = answer.header.length + 1;
    if (at) {
      at.classList.add('fault');
      at.after(reason);
    } else if (answer.error.line <= 1) {
      body.prepend(reason);
    } else {
      body.append(reason);
    }
  }
  const thead = document.createElement('thead');
  thead.append(head);
  $('resultsTable').replaceChildren(thead, body);
}

function showVerdicts(answer) {
  const t = answer.texts;
  const block = (heading, lines, meets) => {
    const part = document.createElement('div');
    part.className = meets ? 'verdict meets' : 'verdict fails';
    part.append(cell('h3', heading), ...lines.map((line) => cell('p', line)));
    return part;
  };
  $('resultsVerdict').replaceChildren(cell('p', t.specified), cell('p', t.statistics),
    block(t.aci_heading, t.aci, answer.acceptance.aci318.meets),
    block(t.en_heading, t.en, answer.acceptance.en206.meets),
    cell('p', t.required), cell('p', t.required_basis, 'basis'),
    ...t.margin_advice.map((line) => cell('p', line, 'advice')));
  $('resultsChart').innerHTML = answer.chart;
  const svg = $('resultsChart').querySelector('svg');
  svg?.setAttribute('role', 'img');
  svg?.setAttribute('aria-label', 'กราฟผลทดสอบ');
}

function showSheets(answer) {
  const pages = (answer.sheets ?? []).map((lines, index) => {
    const page = document.createElement('div');
    page.className = 'sheet';
    for (const line of lines) {
      const run = cell('div', line.text, line.bold ? 'line bold' : 'line');
      run.style.left = twips(line.x);
      run.style.top = twips(line.y);
      page.append(run);
    }
    if (index === 0) {
      const figure = document.createElement('div');
      figure.className = 'figure';
      const { x, y, width, height } = answer.figure;
      Object.assign(figure.style, { left: twips(x), top: twips(y), width: twips(width), height: twips(height) });
      figure.innerHTML = answer.chart;
      page.append(figure);
    }
    return page;
  });
  $('acceptanceSheets').replaceChildren(...pages);
}

async function judge() {
  const sheet = $('resultsPaste').value;
  if (sheet.trim())
    localStorage.setItem(stored, sheet);
  else
    localStorage.removeItem(stored);
  $('resultsClear').disabled = !sheet;
  $('resultsExport').disabled = !sheet.trim();
  const empty = !sheet.trim();
  $('resultsOutcome').hidden = empty;
  if (empty) {
    judged = null;
    $('resultsPrint').disabled = true;
    return;
  }
  const answer = await engine.results({ sheet, ...(design ?? {}), date: today() });
  judged = answer;
  showTable(answer);
  const message = answer.error ? answer.error.thai
    : answer.needs_design ? 'ยังไม่ได้ตัดสิน: กด คำนวณ ด้านบนก่อน ผลทดสอบจะตัดสินกับกำลังอัดและชนิดตัวอย่างของการคำนวณนั้น' : '';
  $('resultsMessage').textContent = message;
  $('resultsMessage').hidden = !message;
  $('resultsJudged').hidden = !answer.acceptance;
  $('resultsPrint').disabled = !answer.acceptance;
  if (answer.acceptance) {
    showVerdicts(answer);
    showSheets(answer);
  }
}

async function importFile(event) {
  const [file] = event.target.files;
  if (!file)
    return;
  $('resultsPaste').value = await file.text();
  event.target.value = '';
  await judge();
}

function exportFile() {
  if (!judged)
    return;
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([judged.csv], { type: 'text/csv' }));
  link.download = `ผลทดสอบกำลังอัด ${today()}.csv`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// `print(what)`: the page's own print, which waits for the report's face.
export function setUpResults(makeEngine, print) {
  engine = makeEngine;
  $('resultsPaste').value = localStorage.getItem(stored) ?? '';
  let pending = 0;
  $('resultsPaste').addEventListener('input', () => {
    clearTimeout(pending);
    pending = setTimeout(judge, 200);
  });
  $('resultsImport').addEventListener('change', importFile);
  $('resultsImportButton').addEventListener('click', () => $('resultsImport').click());
  $('resultsExport').addEventListener('click', exportFile);
  $('resultsClear').addEventListener('click', () => {
    $('resultsPaste').value = '';
    judge();
  });
  $('resultsPrint').addEventListener('click', () => print('acceptance'));
  return judge();
}

// A newly accepted design: the results are judged against its strength and specimen.
export function setResultsDesign(fields) {
  design = { strength: fields.strength, specimen: fields.specimen };
  $('resultsDesign').textContent = `ตัดสินกับกำลังอัด ${fields.strength} กก./ตร.ซม. (${
    fields.specimen === 'cylinder' ? 'ทรงกระบอก' : 'ลูกบาศก์'}) ของการคำนวณล่าสุด`;
  return engine ? judge() : Promise.resolve();
}

// Waits for a judgement in flight, for the print and the tests.
export const resultsAnswer = () => judged;
