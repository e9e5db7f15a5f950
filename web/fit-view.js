// Fit analysis: both parts' limits, the fit's type and figures, the drawing line and the
// tolerance-zone diagram of a fit at the nominal size.
import {el, setText, signedUm, signedMm, plainNumber, umAsMm, fixed, own, parsedSvg} from './dom.js';
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
  document.getElementById('copy-line').addEventListener('click', () => copyDrawingLine(page));
}

async function copyDrawingLine(page) {
  const line = document.getElementById('drawing-line');
  const status = document.getElementById('copy-status');
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

function bothUnits(valueUm) {
  return `${plainNumber(valueUm)} µm (${umAsMm(valueUm)} mm)`;
}

// The figures of a fit, in the words of its type (a transition fit: clearance and interference).
function figures(answer, texts) {
  const rows = [];
  const max = answer.max_clearance_um;
  const min = answer.min_clearance_um;
  if (answer.type === 'clearance') {
    rows.push([texts.maxClearance, bothUnits(max)], [texts.minClearance, bothUnits(min)]);
    rows.push([texts.meanClearance, bothUnits(answer.mean_clearance_um)]);
  } else if (answer.type === 'interference') {
    rows.push([texts.maxInterference, bothUnits(-min)], [texts.minInterference, bothUnits(-max)]);
    rows.push([texts.meanInterference, bothUnits(-answer.mean_clearance_um)]);
  } else {
    rows.push([texts.maxClearance, bothUnits(max)], [texts.maxInterference, bothUnits(-min)]);
    rows.push([texts.meanClearance, bothUnits(answer.mean_clearance_um)]);
  }
  rows.push([texts.fitTolerance, bothUnits(answer.fit_tolerance_um)]);
  return rows;
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
  for (const part of ['hole', 'shaft']) {
    const limits = answer[part];
    setText(`${part}-class`, limits.class);
    setText(`${part}-upper`, signedUm(limits.upper_um));
    setText(`${part}-lower`, signedUm(limits.lower_um));
    setText(`${part}-max`, plainNumber(limits.max_mm));
    setText(`${part}-min`, plainNumber(limits.min_mm));
    setText(`${part}-tolerance`, plainNumber(limits.tolerance_um));
  }
  const rows = figures(answer, texts);
  if (answer.type === 'transition') rows.push(...transitionProbabilities(page, request));
  document.getElementById('fit-figures').replaceChildren(...rows.flatMap(([term, value]) => [el('dt', null, term), el('dd', null, value)]));
  const limitsText = (part) => `${part.class}(${signedMm(part.upper_um)}/${signedMm(part.lower_um)})`;
  document.getElementById('drawing-line').value = `Ø${plainNumber(answer.size_mm)} ${limitsText(answer.hole)}/${limitsText(answer.shaft)}`;
  document.getElementById('copy-status').textContent = '';
  const diagram = engine.ask({op: 'diagram_svg', ...request});
  const svg = diagram.ok && typeof diagram.answer === 'string' ? parsedSvg(diagram.answer) : null;
  const box = document.getElementById('diagram');
  if (svg) {
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', `${texts.diagram}: Ø${plainNumber(answer.size_mm)} ${answer.fit}`);
    box.replaceChildren(svg);
  } else {
    box.replaceChildren();
  }
  return null;
}
