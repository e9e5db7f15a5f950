// Dimension chain (尺寸链): a table of links to edit, a requirement and the Monte Carlo run's
// samples and seed; the closing dimension by the worst case, the statistical method and Monte
// Carlo, each link's contribution, the links resolved to their limits, and the engine's histogram
// and contributions chart. The engine answers in a Web Worker (chain-worker.js): a million samples
// take a while, and typing must not wait for them.
import {el, setText, plainNumber, own, parsedSvg, showChoice} from './dom.js';

// The chain file's fields in its order (docs/dimension-chains.md): a link's list of fields is
// sent under these names. The table edits the first five; a Cpk or a mean shift from an address
// is kept.
const kLinkKeys = ['name', 'direction', 'nominal_mm', 'tolerance', 'distribution', 'cpk', 'mean_shift_mm'];
const kEditedFields = [
  {field: 0, kind: 'text', size: 10, label: 'linkName'},
  {field: 1, kind: 'direction', label: 'linkDirection'},
  {field: 2, kind: 'number', size: 7, label: 'linkNominal'},
  {field: 3, kind: 'text', size: 10, label: 'linkTolerance'},
  {field: 4, kind: 'distribution', label: 'linkDistribution'},
];
const kDirections = ['1', '-1'];
// Empty is the engine's default, normal.
const kDistributions = ['', 'uniform', 'triangular'];

let worker = null;
// The newest request sent, and the newest answer that belongs to it: an answer to an older
// request is dropped when it arrives.
let sent = {id: 0, json: null, at: 0};
let answered = {json: null, reply: null};
// The engine's own samples and seed, learned from an answer that ran with neither given.
const engineDefaults = {samples: '', seed: ''};
let rowCount = -1;

// The request for the state's chain; every field goes as typed, for the engine to read or refuse.
// A field past the chain file's last is sent under a name the engine does not know, so that it
// refuses the link rather than drop the field.
export function chainRequest(state) {
  const links = state.link.map((fields) => Object.fromEntries(fields.map((text, index) => [kLinkKeys[index] ?? `field_${index + 1}`, text])));
  const request = {op: 'stack', links, charts: true};
  if (state.require.some((field) => field !== '')) request.require = state.require;
  if (state.samples !== '') request.samples = state.samples;
  if (state.seed !== '') request.seed = state.seed;
  return request;
}

function changedLinks(page, change) {
  const links = page.state.link.map((fields) => [...fields]);
  change(links);
  page.set('link', links);
}

function setField(page, index, field, value) {
  changedLinks(page, (links) => {
    while (links[index].length <= field) links[index].push('');
    links[index][field] = value;
  });
}

function fieldInput(page, index, {field, kind, size, label}) {
  let input;
  if (kind === 'direction' || kind === 'distribution') {
    input = el('select');
    for (const value of kind === 'direction' ? kDirections : kDistributions) input.append(Object.assign(el('option'), {value}));
  } else {
    input = el('input');
    input.size = size;
    input.spellcheck = false;
    input.autocapitalize = 'off';
    if (kind === 'number') input.inputMode = 'decimal';
  }
  input.id = `chain-link-${index + 1}-${kLinkKeys[field].replace(/_mm$/, '').replace(/_/g, '-')}`;
  input.dataset.field = String(field);
  input.dataset.label = label;
  input.addEventListener('input', () => setField(page, index, field, input.value));
  input.addEventListener('change', () => page.commit());
  return el('td', `link-${kLinkKeys[field].replace(/_mm$/, '').replace(/_/g, '-')}`, input);
}

function actionButton(page, index, action, symbol) {
  const button = el('button', 'quiet', symbol);
  button.type = 'button';
  button.dataset.action = action;
  button.addEventListener('click', () => {
    page.commit();
    const target = action === 'up' ? index - 1 : action === 'down' ? index + 1 : index;
    changedLinks(page, (links) => {
      if (action === 'remove') links.splice(index, 1);
      else [links[index], links[target]] = [links[target], links[index]];
    });
    page.commit();
    // The focus follows the link it moved, or stays where the removed one was.
    const rows = document.getElementById('chain-link-rows').rows;
    const row = rows[Math.min(target, rows.length - 1)];
    const same = row?.querySelector(`button[data-action="${action}"]:not(:disabled)`);
    (same ?? row?.querySelector('input') ?? document.getElementById('chain-add-link')).focus();
  });
  return button;
}

function linkRow(page, index) {
  const actions = el('td', 'link-actions',
    actionButton(page, index, 'up', '↑'), actionButton(page, index, 'down', '↓'), actionButton(page, index, 'remove', '✕'));
  return el('tr', null, el('th', 'link-number', String(index + 1)), ...kEditedFields.map((edited) => fieldInput(page, index, edited)), actions);
}

export function setUpChainView(page) {
  document.getElementById('chain-add-link').addEventListener('click', () => {
    page.commit();
    const count = page.state.link.length;
    changedLinks(page, (links) => links.push([page.texts.newLinkName(count + 1), '1', '', '']));
    page.commit();
    document.getElementById(`chain-link-${count + 1}-nominal`)?.focus();
  });
  const requireInputs = ['chain-require-min', 'chain-require-max'].map((id) => document.getElementById(id));
  for (const input of requireInputs) {
    input.addEventListener('input', () => page.set('require', requireInputs.map((each) => each.value)));
    input.addEventListener('change', () => page.commit());
  }
}

// The worker loads its own engine: made when the view first asks, so that a page opened on another
// view does not compile the WebAssembly twice while it starts.
function chainWorker(page) {
  if (worker) return worker;
  worker = new Worker(new URL('./chain-worker.js', import.meta.url), {type: 'module'});
  worker.addEventListener('message', ({data}) => {
    if (data.id !== sent.id) return;
    answered = {json: sent.json, reply: data.reply};
    page.refresh();
    performance.measure('quorlan-chain-answer', {start: sent.at, detail: {workerMs: data.ms}});
  });
  worker.addEventListener('error', (event) => {
    answered = {json: sent.json, reply: {ok: false, kind: 'internal', reason: 'internal_error', message: `the chain's worker failed: ${event.message ?? ''}`}};
    page.refresh();
  });
  return worker;
}

// The table shows the state's links; a field being typed in is left alone, unless the state came
// from the address. Rows are made anew only when their number changes, so that typing keeps focus.
function showLinks(page) {
  const links = page.state.link;
  const body = document.getElementById('chain-link-rows');
  if (rowCount !== links.length) {
    body.replaceChildren(...links.map((_, index) => linkRow(page, index)));
    rowCount = links.length;
  }
  const texts = page.texts;
  for (const [index, row] of [...body.rows].entries()) {
    for (const control of row.querySelectorAll('[data-field]')) {
      const value = links[index][Number(control.dataset.field)] ?? '';
      control.setAttribute('aria-label', `${texts[control.dataset.label]}, ${texts.linkNumber(index + 1)}`);
      // The column's head over each field where the table's head is hidden (a phone).
      control.parentElement.dataset.caption = texts[control.dataset.label] + (control.dataset.field === '2' ? ' (mm)' : '');
      if (control.tagName === 'SELECT') {
        for (const option of control.options) {
          if (option.dataset.foreign === undefined) option.textContent = control.dataset.field === '1' ? own(texts.directionChoices, option.value) : own(texts.distributionNames, option.value || 'normal');
        }
        showChoice(control, value);
      } else if (control.value !== value && (page.fromAddress || document.activeElement !== control)) {
        control.value = value;
      }
    }
    for (const button of row.querySelectorAll('[data-action]')) {
      const action = button.dataset.action;
      button.setAttribute('aria-label', texts.linkActions[action](index + 1));
      button.title = texts.linkActions[action](index + 1);
      // The last link stays: a chain without links is none.
      button.disabled = (action === 'up' && index === 0) || (action === 'down' && index === links.length - 1)
        || (action === 'remove' && links.length === 1);
    }
  }
  const requireInputs = ['chain-require-min', 'chain-require-max'].map((id) => document.getElementById(id));
  for (const [index, input] of requireInputs.entries()) {
    const value = page.state.require[index] ?? '';
    if (input.value !== value && (page.fromAddress || document.activeElement !== input)) input.value = value;
  }
}

// The engine's display texts into the cells named after their keys (q00135_mm: chain-mc-q00135).
function showDisplayed(prefix, display) {
  for (const [key, text] of Object.entries(display)) {
    const cell = document.getElementById(`${prefix}-${key.replace(/_(mm|um)$/, '').replace(/_/g, '-')}`);
    if (cell) cell.textContent = text ?? '';
  }
}

function showMonteCarlo(page, answer) {
  const run = answer.monte_carlo;
  showDisplayed('chain-mc', run.display);
  setText('chain-mc-run', page.texts.monteCarloRun(plainNumber(run.samples), plainNumber(run.seed)));
  const required = answer.requirement !== null;
  document.getElementById('chain-mc-requirement').hidden = !required;
  document.getElementById('chain-mc-no-requirement').hidden = required;
  // An answer run without samples or seed given tells the engine's defaults, shown as the
  // fields' placeholders.
  if (page.state.samples === '') engineDefaults.samples = plainNumber(run.samples);
  if (page.state.seed === '') engineDefaults.seed = plainNumber(run.seed);
}

function showContributions(page, answer) {
  document.getElementById('chain-contributions').replaceChildren(...answer.contributions.map((contribution) => el('tr', null,
    el('th', null, contribution.name),
    el('td', 'num', contribution.display.variance_share),
    el('td', 'num', contribution.display.worst_case_share),
    el('td', 'num', contribution.display.sensitivity))));
}

function showResolved(page, answer) {
  const texts = page.texts;
  document.getElementById('chain-resolved').replaceChildren(...answer.links.map((link, index) => el('tr', null,
    el('td', 'num', String(index + 1)),
    el('th', null, link.name),
    el('td', null, own(texts.directionNames, String(link.direction), String(link.direction))),
    el('td', 'num', plainNumber(link.nominal_mm)),
    el('td', null, link.tolerance),
    el('td', 'num', link.display.upper_deviation_mm),
    el('td', 'num', link.display.lower_deviation_mm),
    el('td', 'num', link.display.max_mm),
    el('td', 'num', link.display.min_mm),
    el('td', null, own(texts.distributionNames, link.distribution, link.distribution)),
    el('td', 'num', link.display.sigma_mm))));
}

function showChart(id, svgText, label) {
  const box = document.getElementById(id);
  const svg = typeof svgText === 'string' ? parsedSvg(svgText) : null;
  box.closest('figure').hidden = !svg;
  if (!svg) {
    box.replaceChildren();
    return;
  }
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', label);
  box.replaceChildren(svg);
}

function showAnswer(page, answer) {
  const texts = page.texts;
  setText('chain-nominal', answer.display.nominal_mm);
  setText('chain-link-count', texts.linkCount(answer.links.length));
  showDisplayed('chain-worst', answer.worst_case.display);
  showDisplayed('chain-rss', answer.rss.display);
  showMonteCarlo(page, answer);
  showContributions(page, answer);
  showResolved(page, answer);
  const charts = answer.charts ?? {};
  showChart('chain-histogram', charts.histogram_svg, texts.chainHistogram);
  showChart('chain-contributions-chart', charts.contributions_svg, texts.chainContributionsChart);
}

// What the results show now: the answer to the state's chain where it has come, else the last one
// marked as being recomputed (or nothing, before the first), while the worker computes it.
export function renderChainView(page) {
  showLinks(page);
  const request = chainRequest(page.state);
  const json = JSON.stringify(request);
  const current = answered.json === json;
  if (!current && sent.json !== json) {
    sent = {id: sent.id + 1, json, at: performance.now()};
    chainWorker(page).postMessage({id: sent.id, request});
  }
  page.busy = !current;
  const reply = answered.reply;
  if (reply?.ok && (current || page.languageChanged)) showAnswer(page, reply.answer);
  for (const key of ['samples', 'seed']) document.getElementById(`chain-${key}`).placeholder = engineDefaults[key];
  if (!reply) return page.pending;
  return reply.ok ? null : reply;
}
