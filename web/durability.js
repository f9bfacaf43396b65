// The design against the exposure class chosen: the engine's verdict in its own words, marked
// data-durability="meets" or "fails", and its chart, the SVG the window and the PDF draw too.
const $ = (id) => document.getElementById(id);

export function showDurability(result) {
  const verdict = result.durability;
  $('durability').hidden = !verdict;
  if (!verdict) {
    delete $('durabilityVerdict').dataset.durability;
    $('durabilityChart').replaceChildren();
    return;
  }
  $('durabilityExposure').textContent = result.durabilityText.exposure;
  $('durabilityVerdict').textContent = result.durabilityText.verdict;
  $('durabilityVerdict').dataset.durability = verdict.meets ? 'meets' : 'fails';
  $('durabilityLeast').textContent = result.durabilityText.least;
  $('durabilityLeast').hidden = !result.durabilityText.least;
  $('durabilityChart').innerHTML = result.durabilityChart;
  const chart = $('durabilityChart').querySelector('svg');
  chart?.setAttribute('role', 'img');
  chart?.setAttribute('aria-label', result.durabilityText.exposure);
}
