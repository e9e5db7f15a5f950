// General tolerances: one size's tolerance under a title block's class (ISO 2768, or GB/T 1804 with
// GB/T 1184), and every range of the tables the class refers to.
import {el, setText, own} from './dom.js';

const kKinds = ['linear', 'edge', 'angle'];
const kFeatures = ['straightness', 'flatness', 'perpendicularity', 'symmetry', 'runout'];
// The tables of the engine's general_table answer, in its order, and the kind or features each
// one answers.
const kTables = [
  ['linear', ['linear']], ['edge', ['edge']], ['angle', ['angle']],
  ['straightness_flatness', ['straightness', 'flatness']], ['perpendicularity', ['perpendicularity']],
  ['symmetry', ['symmetry']], ['runout', ['runout']],
];
const kLinearClasses = [['', 'noClass'], ['f', 'classFine'], ['m', 'classMedium'], ['c', 'classCoarse'], ['v', 'classVeryCoarse']];
const kGeometricalClasses = ['', 'H', 'K', 'L'];

export function setUpGeneralView(page) {
  const linear = document.getElementById('general-linear');
  const geometrical = document.getElementById('general-geometrical');
  const option = (value, textKey) => {
    const made = Object.assign(document.createElement('option'), {value, textContent: value});
    if (textKey) made.dataset.t = textKey;
    return made;
  };
  linear.replaceChildren(...kLinearClasses.map(([value, textKey]) => option(value, textKey)));
  geometrical.replaceChildren(...kGeometricalClasses.map((value) => option(value, value ? null : 'noClass')));
  for (const select of [linear, geometrical]) {
    select.addEventListener('input', () => page.set('class', linear.value + geometrical.value));
    select.addEventListener('change', () => page.commit());
  }
  const kind = document.getElementById('general-kind');
  kind.replaceChildren(...[...kKinds, ...kFeatures].map((value) => Object.assign(document.createElement('option'), {value})));
  kind.addEventListener('input', () => {
    const isFeature = kFeatures.includes(kind.value);
    page.state[isFeature ? 'kind' : 'feature'] = '';
    page.set(isFeature ? 'feature' : 'kind', kind.value === 'linear' ? '' : kind.value);
  });
  kind.addEventListener('change', () => page.commit());
}

// The pickers follow the class as the engine reads it (mk is mK); a class it refuses leaves them.
function showPickers(name) {
  const linear = /^[fmcv]/.exec(name)?.[0] ?? '';
  const geometrical = /[HKL]$/.exec(name)?.[0] ?? '';
  document.getElementById('general-linear').value = linear;
  document.getElementById('general-geometrical').value = geometrical;
}

function showKinds(page) {
  const kind = document.getElementById('general-kind');
  for (const option of kind.options) option.textContent = own(page.texts.kindNames, option.value, option.value);
  const chosen = page.state.feature || page.state.kind || 'linear';
  if ([...kind.options].some((option) => option.value === chosen)) kind.value = chosen;
}

function sameRange(a, b) {
  return a.over_mm === b.over_mm && a.up_to_mm === b.up_to_mm && a.includes_over === b.includes_over;
}

// One table of the class: its ranges and values, the range of the size asked for marked.
function tableOf(key, table, answer, texts) {
  const marked = answer && kTables.find(([name]) => name === key)[1].includes(answer.feature ?? answer.kind);
  const valueHead = key === 'linear' || key === 'edge' || key === 'angle' ? texts.limitDeviation : texts.tolerance;
  const rows = table.rows.map((row) => {
    const value = typeof row.display === 'string' ? el('td', 'num', row.display) : el('td', 'num no-value', texts.noValue);
    const tr = el('tr', null, el('th', null, texts.range(row)), value);
    if (marked && sameRange(row, answer)) {
      tr.className = 'current';
      tr.setAttribute('aria-current', 'true');
    }
    return tr;
  });
  const figure = el('table', 'limits general-table',
    el('caption', null, own(texts.generalTables, key, key), el('span', 'note', ` (${table.source})`)),
    el('thead', null, el('tr', null, el('th', null, texts.sizeRange), el('th', 'num', valueHead))),
    el('tbody', null, ...rows));
  figure.id = `general-table-${key.replace(/_/g, '-')}`;
  return el('div', 'table-wrap', figure);
}

function showTables(table, answer, texts) {
  const tables = kTables.map(([key]) => {
    const source = own(table, key) ?? own(table.geometrical ?? {}, key);
    return source && Array.isArray(source.rows) ? tableOf(key, source, answer, texts) : null;
  }).filter(Boolean);
  document.getElementById('general-tables').replaceChildren(...tables);
  const rules = Array.isArray(table.rules) ? table.rules : [];
  document.getElementById('general-rules-title').hidden = rules.length === 0;
  document.getElementById('general-rules').replaceChildren(...rules.flatMap(({feature, rule}) => [
    el('dt', null, own(texts.ruleNames, feature, feature)), el('dd', null, own(texts.rules, feature, rule)),
  ]));
  setText('general-table-title', texts.generalTableTitle(table.class));
}

export function renderGeneralView(page) {
  const {state, engine, texts} = page;
  showKinds(page);
  const box = document.getElementById('general-table-box');
  const table = engine.ask({op: 'general_table', class: state.class, standard: state.standard});
  box.hidden = !table.ok;
  if (!table.ok) return table;
  showPickers(table.answer.class);
  const request = {op: 'general', size_mm: state.size, class: state.class, standard: state.standard};
  if (state.kind !== '') request.kind = state.kind;
  if (state.feature !== '') request.feature = state.feature;
  const reply = engine.ask(request);
  showTables(table.answer, reply.ok ? reply.answer : null, texts);
  if (!reply.ok) return reply;
  const answer = reply.answer;
  const what = answer.feature ?? answer.kind;
  setText('general-what', own(texts.kindNames, what, what));
  setText('general-value', answer.display.deviation ?? answer.display.tolerance);
  const rows = [
    [texts.sizeRange, texts.range(answer)],
    [texts.generalClass, answer.class],
    [texts.source, answer.source],
  ];
  document.getElementById('general-figures').replaceChildren(...rows.flatMap(([term, value]) => [el('dt', null, term), el('dd', null, value)]));
  return null;
}
