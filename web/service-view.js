// Service conditions: the press fit a fit makes at its service temperatures, from the engine's
// service answer. Materials come from the engine's built-in list; each value can be replaced.
import {el, own, plainNumber} from './dom.js';
import {kServiceKeys} from './state.js';

let materials = [];

export function setUpServiceView(page) {
  const reply = page.engine.ask({op: 'materials'});
  materials = reply.ok && Array.isArray(reply.answer) ? reply.answer : [];
  for (const select of document.querySelectorAll('select[data-materials]')) {
    select.replaceChildren(...materials.map((material) => Object.assign(document.createElement('option'), {value: material.id})));
    // Empty: the engine's default material (the first of its list).
    if (select.options.length) select.options[0].value = '';
    if (materials.length) select.options[0].dataset.id = materials[0].id;
  }
}

function materialOf(id) {
  return materials.find((material) => material.id === id) ?? materials[0];
}

function showMaterials(page) {
  const name = (material) => (page.lang === 'zh' ? material.name_zh : material.name_en) ?? material.id;
  for (const select of document.querySelectorAll('select[data-materials]')) {
    [...select.options].forEach((option, index) => {
      if (!('foreign' in option.dataset) && materials[index]) option.textContent = name(materials[index]);
    });
  }
  // Each value left empty is the material's: shown greyed in the field.
  for (const input of document.querySelectorAll('[data-property]')) {
    const material = materialOf(page.state[`${input.dataset.part}_material`]);
    const value = material?.[input.dataset.property];
    input.placeholder = typeof value === 'number' ? plainNumber(value) : '';
  }
}

// A result as the engine shows it (its text and unit); a dash where it gives none (null).
function valueCell(key, value, display, texts, id) {
  const shown = own(display ?? {}, key);
  const number = el('span', null, shown ? shown.text : value === null || value === undefined ? texts.notGiven : String(value));
  if (id) number.id = id;
  return el('td', 'num', number, shown && shown.unit ? ` ${shown.unit}` : '');
}

// A result's label: the page's own where it has one, else its key in words.
function label(key, texts) {
  return own(texts.resultLabels, key) ?? key.replace(/_/g, ' ');
}

// Warnings as the engine gives them, by code with their figures, worded in the page's language;
// the states side by side.
function showWarnings(answer, texts) {
  const warnings = Array.isArray(answer.warnings) ? answer.warnings.filter((warning) => warning && typeof warning === 'object') : [];
  const words = (warning) => (Array.isArray(warning.arguments) ? texts.warning(warning, answer) : String(warning.text ?? warning.code));
  document.getElementById('service-warnings').replaceChildren(
    ...warnings.map((warning) => el('li', null, el('strong', null, `${texts.warnings}: `), words(warning))));
  // The states side by side: a column each, a row for each of their values.
  const box = document.getElementById('service-states');
  const states = Array.isArray(answer.states) ? answer.states.filter((state) => state && typeof state === 'object') : [];
  if (!states.length) {
    box.replaceChildren();
    return;
  }
  const nameKey = (state) => ['state', 'name'].find((key) => typeof state[key] === 'string');
  const keys = [...new Set(states.flatMap((state) => Object.keys(state).filter((key) => key !== nameKey(state) && key !== 'display')))];
  const head = el('tr', null, el('td'), ...states.map((state, index) => {
    const name = nameKey(state) ? state[nameKey(state)] : String(index + 1);
    return el('th', 'num', own(texts.stateNames, name, name));
  }));
  const rows = keys.map((key) => el('tr', null, el('th', null, label(key, texts)),
    ...states.map((state) => typeof state[key] === 'string' ? el('td', 'num', own(texts, state[key], state[key])) : valueCell(key, state[key], state.display, texts))));
  box.replaceChildren(el('h3', null, texts.states),
    el('div', 'table-wrap', el('table', 'values states', el('thead', null, head), el('tbody', null, ...rows))));
}

// The results a test or a link can find by id.
const kValueIds = {pressure_max_mpa: 'pressure-max', slip_safety: 'slip-safety'};

export function renderServiceView(page) {
  const {state, engine, texts} = page;
  showMaterials(page);
  const request = {op: 'service', size_mm: state.size, fit: state.fit};
  for (const key of kServiceKeys) {
    if (state[key] !== '') request[key] = state[key];
  }
  const reply = engine.ask(request);
  if (!reply.ok) return reply;
  const answer = reply.answer;
  showWarnings(answer, texts);
  const fitTypes = [];
  const atTwenty = answer.fit_type_at_20c;
  const atService = answer.fit_type_at_service;
  if (atTwenty) fitTypes.push(`${texts.fitAt20}: ${own(texts, atTwenty, atTwenty)}`);
  if (atService) fitTypes.push(`${texts.fitAtService}: ${own(texts, atService, atService)}`);
  if (atTwenty && atService && atTwenty !== atService) fitTypes.push(texts.changesType);
  document.getElementById('service-fit-types').textContent = fitTypes.join('; ');
  const rows = [];
  for (const [key, label] of Object.entries(texts.resultLabels)) {
    if (!(key in answer)) continue;
    rows.push(el('tr', null, el('th', null, label), valueCell(key, answer[key], answer.display, texts, own(kValueIds, key))));
  }
  document.getElementById('service-values').replaceChildren(...rows);
  document.getElementById('service-needs').textContent = answer.pressure_max_mpa === null || answer.torque_min_nm === null ? texts.needsHubOd : '';
  document.getElementById('service-assumptions').replaceChildren(...texts.assumed(answer).map((line) => el('li', null, line)));
  return null;
}
