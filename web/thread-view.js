// Threads: a metric thread typed as a drawing writes it (M10x1.5-6H/6g) or picked from lists, the
// basic diameters, the bolt's and the nut's limits of size, their fit at the pitch diameter, where
// ISO 965-1 recommends the classes, and the tolerance zones at the pitch diameter (the engine's SVG).
import {el, setText, plainNumber, own, parsedSvg} from './dom.js';
import {fillSelect} from './classes.js';
import {kDefaults} from './state.js';

// The classes to pick from: those ISO 965-1 recommends, in its order. Any other class can be typed.
const kNutClasses = ['4H', '5H', '6H', '7H', '8H', '5G', '6G', '7G', '8G'];
const kBoltClasses = ['3h4h', '4g', '4h', '5g4g', '5h4h', '5g6g', '5h6h', '6e', '6f', '6g', '6h', '7e6e', '7g6g', '7h6h',
  '8e', '8g', '9e8e', '9g8g'];

// Every thread of both series, as the engine lists them: {designation, diameter_mm, pitch_mm, series}.
let sizes = [];

export function setUpThreadView(page) {
  const reply = page.engine.ask({op: 'thread_table', series: 'all', tolerance_class: '6g'});
  sizes = reply.ok ? reply.answer.rows.map(({designation, diameter_mm, pitch_mm, series}) => ({designation, diameter_mm, pitch_mm, series})) : [];
  const diameters = [...new Set(sizes.map((size) => plainNumber(size.diameter_mm)))];
  fillSelect(document.getElementById('thread-diameter'), diameters, (diameter) => `M${diameter}`);
  for (const [id, classes] of [['thread-nut', kNutClasses], ['thread-bolt', kBoltClasses]]) {
    const select = document.getElementById(id);
    fillSelect(select, ['', ...classes], (name) => name || '—');
    select.addEventListener('input', () => page.set('thread', picked(false)));
    select.addEventListener('change', () => page.commit());
  }
  for (const [id, diameterChanged] of [['thread-diameter', true], ['thread-pitch', false]]) {
    const select = document.getElementById(id);
    select.addEventListener('input', () => page.set('thread', picked(diameterChanged)));
    select.addEventListener('change', () => page.commit());
  }
  // The lists start on the default thread, so that an address the engine refuses leaves them usable.
  const start = page.engine.ask({op: 'thread', designation: kDefaults.thread});
  if (start.ok) showPickers(start.answer, page.texts);
}

// The designation the lists show; a new diameter takes its coarse pitch, or its first fine one.
function picked(diameterChanged) {
  const value = (id) => document.getElementById(id).value;
  const ofDiameter = sizes.filter((size) => plainNumber(size.diameter_mm) === value('thread-diameter'));
  const size = (diameterChanged ? null : ofDiameter.find((row) => plainNumber(row.pitch_mm) === value('thread-pitch')))
    ?? ofDiameter.find((row) => row.series === 'coarse') ?? ofDiameter[0];
  const classes = [value('thread-nut'), value('thread-bolt')].filter(Boolean).join('/');
  return (size?.designation ?? '') + (classes ? `-${classes}` : '');
}

// A list shows the value the thread has; one it has no entry for (typed) gets an entry of its own.
function showValue(select, value, label) {
  select.querySelector('option[data-foreign]')?.remove();
  if (![...select.options].some((option) => option.value === value)) {
    const option = el('option', null, label);
    option.value = value;
    option.dataset.foreign = '';
    select.append(option);
  }
  select.value = value;
}

function showPickers(answer, texts) {
  const diameter = plainNumber(answer.diameter_mm);
  showValue(document.getElementById('thread-diameter'), diameter, `M${diameter}`);
  const pitches = sizes.filter((size) => plainNumber(size.diameter_mm) === diameter);
  const pitchLabel = (size) => (size.series === 'coarse' ? texts.coarsePitch(plainNumber(size.pitch_mm)) : plainNumber(size.pitch_mm));
  const pitchSelect = document.getElementById('thread-pitch');
  fillSelect(pitchSelect, pitches.map((size) => plainNumber(size.pitch_mm)), (pitch) => pitchLabel(pitches.find((size) => plainNumber(size.pitch_mm) === pitch)));
  showValue(pitchSelect, plainNumber(answer.pitch_mm), plainNumber(answer.pitch_mm));
  showValue(document.getElementById('thread-nut'), answer.nut?.class ?? '', answer.nut?.class ?? '—');
  showValue(document.getElementById('thread-bolt'), answer.bolt?.class ?? '', answer.bolt?.class ?? '—');
}

// Where ISO 965-1 recommends a part's class, in the page's words.
function recommendation(texts, part, className, uses) {
  const where = uses.length
    ? uses.map((use) => texts.recommendedUse(own(texts.qualities, use.quality, use.quality), own(texts.engagements, use.length, use.length), use.bracketed)).join(texts.listSeparator)
    : texts.notRecommended;
  return el('li', null, el('strong', null, texts.partClass(texts[part], className)), ' ', where);
}

// The engine's display texts into the cells named after their keys (pitch_max_mm: bolt-pitch-max).
function showDisplayed(prefix, display) {
  for (const [key, text] of Object.entries(display)) {
    const cell = document.getElementById(`${prefix}-${key.replace(/_(mm|um)$/, '').replace(/_/g, '-')}`);
    if (cell) cell.textContent = text;
  }
}

function showParts(answer) {
  for (const part of ['bolt', 'nut']) {
    const limits = answer[part];
    document.getElementById(`thread-${part}-box`).hidden = !limits;
    if (!limits) continue;
    setText(`${part}-thread-class`, limits.class);
    showDisplayed(part, limits.display);
  }
}

export function renderThreadView(page) {
  const {state, engine, texts} = page;
  const reply = engine.ask({op: 'thread', designation: state.thread});
  if (!reply.ok) return reply;
  const answer = reply.answer;
  showPickers(answer, texts);
  setText('thread-designation', answer.designation);
  setText('thread-series', texts.pitchOf(plainNumber(answer.pitch_mm), own(texts.series, answer.series, answer.series)));
  showDisplayed('basic', answer.basic.display);
  showParts(answer);
  document.getElementById('thread-fit-box').hidden = !answer.fit;
  if (answer.fit) {
    setText('thread-min-clearance', answer.fit.display.min_clearance_um);
    setText('thread-max-clearance', answer.fit.display.max_clearance_um);
  }
  const recommended = answer.recommended ?? {};
  const parts = ['nut', 'bolt'].filter((part) => Array.isArray(recommended[part]));
  document.getElementById('thread-recommended').replaceChildren(...parts.map((part) => recommendation(texts, part, answer[part].class, recommended[part])));
  document.getElementById('thread-recommended-box').hidden = parts.length === 0;
  showDiagram(page, answer);
  return null;
}

// The zones need a nut and a bolt; a single part has no diagram.
function showDiagram(page, answer) {
  const box = document.getElementById('thread-diagram');
  const diagram = answer.fit ? page.engine.ask({op: 'thread_diagram_svg', designation: page.state.thread}) : null;
  const svg = diagram?.ok && typeof diagram.answer === 'string' ? parsedSvg(diagram.answer) : null;
  box.closest('figure').hidden = !svg;
  if (!svg) {
    box.replaceChildren();
    return;
  }
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', `${page.texts.threadDiagram}: ${answer.designation}`);
  box.replaceChildren(svg);
}
