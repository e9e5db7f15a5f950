// Fit analysis: both parts' limits, the fit's type and figures, the drawing line and the
// tolerance-zone diagram of a fit at the nominal size.
import {el, setText, plainNumber, fixed, own, parsedSvg} from './dom.js';
import {kHoleLetters, kShaftLetters, kGrades, fillSelect} from './classes.js';

const kPickers = ['hole-letter', 'hole-grade', 'shaft-letter', 'shaft-grade'];

export function setUpFitView(page) {
  fillSelect(document.getElementById('hole-letter'), kHoleLetters);
  fillSelect(document.getElementById('shaft-letter'), kShaftLetters);
  fillSelect(document.getElementById('hole-grade'), kGrades, (grade) => `IT${grade}`);
  fillSelect(document.getElementById('shaft-grade'), kGrades, (grade) => `IT${grade}`);
  const picked = () => {
    const [holeLetter, holeGrade, shaftLetter, shaftGrade] = kPickers.map((id) => document.getElementById(id).value);
    return `${holeLetter}${holeGrade}/${shaftLetter}${shaftGrade}`;
  };
  for (const id of kPickers) {
    const select = document.getElementById(id);
    select.addEventListener('input', () => page.set('fit', picked()));
    select.addEventListener('change', () => page.commit());
  }
  document.getElementById('copy-line').addEventListener('click', () => copyLine(page, 'drawing-line', 'copy-status'));
}

// Copies a drawing line (the field lineId) and says so in statusId.
export async function copyLine(page, lineId, statusId) {
  const line = document.getElementById(lineId);
  const status = document.getElementById(statusId);
  try {
    await navigator.clipboard.writeText(line.value);
    status.textContent = page.texts.copied;
  } catch {
    // Without the clipboard interface (a page not served over https): select it for the user.
    line.select();
    status.textContent = document.execCommand && document.execCommand('copy') ? page.texts.copied : page.texts.copyFailed;
  }
}

// The pickers follow the fit as the engine reads it; a text that is no fit leaves them as they are.
function showPickers(engine, fit) {
  const reply = engine.ask({op: 'fit_parts', fit});
  if (!reply.ok) return;
  const {hole, shaft} = reply.answer;
  const values = [hole.letter, hole.grade, shaft.letter, shaft.grade];
  kPickers.forEach((id, index) => {
    document.getElementById(id).value = values[index];
  });
}

// A figure's caption: the page's text under the engine's key in camel case (max_clearance: maxClearance).
function caption(texts, key) {
  return own(texts, key.replace(/_([a-z])/g, (match, letter) => letter.toUpperCase()), key);
}

// The figures of a fit as the engine presents them: the extremes by its type, the mean, the fit
// tolerance, the probable extremes, each signed and rounded by the engine.
export function figures(answer, texts) {
  return answer.figures.map((figure) => [caption(texts, figure.key), `${figure.display_um} µm (${figure.display_mm} mm)`]);
}

function transitionProbabilities(page, request) {
  const reply = page.engine.ask({op: 'service', fit: request.fit, size_mm: request.size_mm});
  if (!reply.ok || typeof reply.answer.probability_interference !== 'number') return [];
  const percent = (fraction) => `${fixed(fraction * 100, 2)} %`;
  return [
    [page.texts.probabilityInterference, percent(reply.answer.probability_interference)],
    [page.texts.probabilityClearance, percent(reply.answer.probability_clearance)],
  ];
}

function showPreferredFits(page) {
  const box = document.getElementById('preferred-lists');
  if (box.dataset.lang === page.lang) return;
  box.dataset.lang = page.lang;
  const reply = page.engine.ask({op: 'preferred_fits'});
  const fits = reply.ok && Array.isArray(reply.answer) ? reply.answer.filter((fit) => typeof fit === 'string') : [];
  box.closest('.preferred').hidden = fits.length === 0;
  // The hole-basis fits (an H hole) first, then the shaft-basis ones, each in the engine's order.
  const holeBasis = fits.filter((fit) => /^H\d/.test(fit));
  const groups = [[page.texts.holeBasis, holeBasis], [page.texts.shaftBasis, fits.filter((fit) => !holeBasis.includes(fit))]]
    .filter(([, list]) => list.length)
    .map(([title, list]) => el('div', 'chip-group', el('h3', null, title), el('ul', 'chips', ...list.map((fit) => {
      const button = el('button', 'chip', fit);
      button.type = 'button';
      button.addEventListener('click', () => {
        page.commit();
        page.go({fit, tab: 'fit'});
      });
      return el('li', null, button);
    }))));
  box.replaceChildren(...groups);
}

export function renderFitView(page) {
  const {state, engine, texts} = page;
  showPickers(engine, state.fit);
  showPreferredFits(page);
  const request = {fit: state.fit, size_mm: state.size};
  const reply = engine.ask({op: 'fit', ...request});
  if (!reply.ok) return reply;
  const answer = reply.answer;
  setText('fit-type', own(texts, answer.type, answer.type));
  showParts(answer, '');
  const rows = figures(answer, texts);
  if (answer.type === 'transition') rows.push(...transitionProbabilities(page, request));
  document.getElementById('fit-figures').replaceChildren(...rows.flatMap(([term, value]) => [el('dt', null, term), el('dd', null, value)]));
  document.getElementById('drawing-line').value = answer.drawing_line;
  document.getElementById('copy-status').textContent = '';
  showDiagram('diagram', engine.ask({op: 'diagram_svg', ...request}), `${texts.diagram}: Ø${plainNumber(answer.size_mm)} ${answer.fit}`);
  return null;
}

// Both parts' limits as the engine shows them, in the cells `${prefix}hole-upper` and the like.
export function showParts(answer, prefix) {
  for (const part of ['hole', 'shaft']) {
    const limits = answer[part];
    setText(`${prefix}${part}-class`, limits.class);
    setText(`${prefix}${part}-upper`, limits.display.upper_um);
    setText(`${prefix}${part}-lower`, limits.display.lower_um);
    setText(`${prefix}${part}-max`, limits.display.max_mm);
    setText(`${prefix}${part}-min`, limits.display.min_mm);
    setText(`${prefix}${part}-tolerance`, limits.display.tolerance_um);
  }
}

// The engine's diagram (a reply to one of its SVG requests) in the box boxId; its ids behind
// idPrefix, so that two drawings in one page keep their ids apart.
export function showDiagram(boxId, reply, label, idPrefix = '') {
  const svg = reply.ok && typeof reply.answer === 'string' ? parsedSvg(reply.answer, idPrefix) : null;
  const box = document.getElementById(boxId);
  if (svg) {
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', label);
    box.replaceChildren(svg);
  } else {
    box.replaceChildren();
  }
}
