// Limits table: at the nominal size, every tolerance class of one letter across the grades, and
// the standard tolerance of every grade.
import {el, plainNumber} from './dom.js';
import {kHoleLetters, kShaftLetters, kGrades} from './classes.js';

export function setUpTableView() {
  const select = document.getElementById('letter');
  const group = (label, letters) => {
    const optgroup = document.createElement('optgroup');
    optgroup.dataset.labelKey = label;
    optgroup.label = label;
    optgroup.append(...letters.map((letter) => Object.assign(document.createElement('option'), {value: letter, textContent: letter})));
    return optgroup;
  };
  select.replaceChildren(group('hole', kHoleLetters), group('shaft', kShaftLetters));
}

// A row of the table for a class the engine refuses: its reason across the value columns.
function refusedRow(name, text, columns) {
  const cell = el('td', 'no-value', text);
  cell.colSpan = columns;
  return el('tr', null, el('th', null, name), cell);
}

export function renderTableView(page) {
  const {state, engine, texts} = page;
  for (const optgroup of document.querySelectorAll('#letter optgroup')) optgroup.label = texts[optgroup.dataset.labelKey];
  // The size first: a size the engine refuses is one reason, not a refusal in every row.
  const first = engine.ask({op: 'tolerance', grade: kGrades[0], size_mm: state.size});
  if (!first.ok && first.kind === 'bad_input') return first;
  const classRows = [];
  let refusedAll = null;
  let anyAnswer = false;
  for (const grade of kGrades) {
    const name = `${state.letter}${grade}`;
    const reply = engine.ask({op: 'limits', tolerance_class: name, size_mm: state.size});
    if (reply.ok) {
      anyAnswer = true;
      const {class: name, display} = reply.answer;
      classRows.push(el('tr', null, el('th', null, name), el('td', 'num', display.upper_um),
        el('td', 'num', display.lower_um), el('td', 'num', `${display.max_mm} / ${display.min_mm}`), el('td', 'num', display.tolerance_um)));
    } else {
      if (reply.kind === 'bad_input') refusedAll ??= reply;
      classRows.push(refusedRow(name, page.refusalText(reply), 4));
    }
  }
  // A letter no class has (typed into a link) is refused once, with its reason.
  if (!anyAnswer && refusedAll) return refusedAll;
  const toleranceRows = kGrades.map((grade) => {
    const reply = engine.ask({op: 'tolerance', grade, size_mm: state.size});
    if (!reply.ok) return refusedRow(`IT${grade}`, page.refusalText(reply), 1);
    const row = el('tr', null, el('th', null, reply.answer.grade), el('td', 'num', plainNumber(reply.answer.tolerance_um)));
    if (reply.answer.experimental) row.lastChild.append(el('span', 'note', ` (${texts.experimental})`));
    return row;
  });
  document.getElementById('classes-title').textContent = texts.tableClasses(state.letter, state.size);
  document.getElementById('tolerances-title').textContent = texts.tableTolerances(state.size);
  document.getElementById('class-rows').replaceChildren(...classRows);
  document.getElementById('tolerance-rows').replaceChildren(...toleranceRows);
  return null;
}
