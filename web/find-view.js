// Fit finder: every fit whose clearances stay within the required range, best first, as the
// engine ranks them. A click takes a fit to the analysis.
import {el, own} from './dom.js';
import {kGrades, fillSelect} from './classes.js';

const kShown = 20;

export function setUpFindView(page) {
  const finest = document.getElementById('finest-grade');
  const coarsest = document.getElementById('coarsest-grade');
  fillSelect(finest, kGrades, (grade) => `IT${grade}`);
  fillSelect(coarsest, kGrades, (grade) => `IT${grade}`);
  for (const select of [finest, coarsest]) {
    select.addEventListener('input', () => page.set('grades', `${finest.value}-${coarsest.value}`));
    select.addEventListener('change', () => page.commit());
  }
}

function showGrades(grades) {
  const match = /^(?:IT)?(\d{1,2})-(?:IT)?(\d{1,2})$/i.exec(grades);
  if (!match || !kGrades.includes(match[1]) || !kGrades.includes(match[2])) return;
  document.getElementById('finest-grade').value = match[1];
  document.getElementById('coarsest-grade').value = match[2];
}

export function renderFindView(page) {
  const {state, engine, texts} = page;
  showGrades(state.grades);
  const request = {
    op: 'find_fits',
    size_mm: state.size,
    min_clearance: state.min_clearance,
    max_clearance: state.max_clearance,
    basis: state.basis,
    grades: state.grades,
    // One more than shown tells whether there are more, without answering thousands of fits.
    limit: kShown + 1,
  };
  // The address's text as it stands: the engine reads a yes or a no and refuses anything else.
  if (state.all_grade_pairs !== '') request.all_grade_pairs = state.all_grade_pairs;
  const reply = engine.ask(request);
  if (!reply.ok) return reply;
  const fits = reply.answer;
  const shown = fits.slice(0, kShown);
  document.getElementById('find-summary').textContent = fits.length ? texts.foundCount(shown.length, fits.length > kShown) : texts.noneFound;
  document.getElementById('find-results').replaceChildren(...shown.map((fit) => {
    const button = el('button', 'found-fit',
      el('span', 'designation', fit.fit),
      el('span', 'type', own(texts, fit.type, fit.type)),
      el('span', 'range', `${texts.clearanceRange(fit.display.min_clearance_um, fit.display.max_clearance_um)}; ${texts.fitToleranceShort(fit.display.fit_tolerance_um)}`),
      fit.preferred ? el('span', 'badge', texts.preferred) : null);
    button.type = 'button';
    button.addEventListener('click', () => {
      page.commit();
      page.go({fit: fit.fit, tab: 'fit'});
    });
    return el('li', null, button);
  }));
  return null;
}
