// Bearing seat: a rolling bearing's ring (ISO 492) on a shaft or in a housing of an ISO 286 class:
// both parts' limits, the fit's extremes and probable range, the drawing line and both zones.
import {el, setText, own, plainNumber} from './dom.js';
import {figures, showParts, showDiagram, copyLine} from './fit-view.js';

// Seats the bearing makers' catalogues recommend most often, to pick with a click.
const kShaftSeats = ['g6', 'h6', 'j5', 'js5', 'j6', 'k5', 'k6', 'm5', 'm6', 'n6', 'p6'];
const kHousingSeats = ['G7', 'H7', 'H8', 'J7', 'JS7', 'K7', 'M7', 'N7', 'P7'];
const kBearingClasses = ['normal', '6', '5'];

export function setUpBearingView(page) {
  const select = document.getElementById('bearing-class');
  select.replaceChildren(...kBearingClasses.map((value) => Object.assign(document.createElement('option'), {value})));
  select.addEventListener('input', () => page.set('bearing_class', select.value));
  select.addEventListener('change', () => page.commit());
  document.getElementById('bearing-copy-line').addEventListener('click', () => copyLine(page, 'bearing-drawing-line', 'bearing-copy-status'));
  const chips = (seats) => el('ul', 'chips', ...seats.map((seat) => {
    const button = el('button', 'chip', seat);
    button.type = 'button';
    button.addEventListener('click', () => {
      page.commit();
      page.go({seat});
    });
    return el('li', null, button);
  }));
  const group = (titleKey, seats) => {
    const title = el('h3');
    title.dataset.t = titleKey;
    return el('div', 'chip-group', title, chips(seats));
  };
  document.getElementById('bearing-seats').replaceChildren(group('shaftSeats', kShaftSeats), group('housingSeats', kHousingSeats));
}

// The class select shows the state's class; one it has no option for stays the engine's to refuse.
function showClass(page) {
  const select = document.getElementById('bearing-class');
  for (const option of select.options) option.textContent = own(page.texts.bearingClassNames, option.value, option.value);
  const chosen = page.state.bearing_class || 'normal';
  if ([...select.options].some((option) => option.value === chosen)) select.value = chosen;
}

export function renderBearingView(page) {
  const {state, engine, texts} = page;
  showClass(page);
  const request = {size_mm: state.size, seat: state.seat};
  if (state.bearing_class !== '') request.bearing_class = state.bearing_class;
  const reply = engine.ask({op: 'bearing_fit', ...request});
  if (!reply.ok) return reply;
  const answer = reply.answer;
  const {bearing} = answer;
  const inner = bearing.ring !== 'outer';
  setText('bearing-hole-head', inner ? texts.innerRing : texts.housing);
  setText('bearing-shaft-head', inner ? texts.shaft : texts.outerRing);
  setText('bearing-fit-type', own(texts, answer.type, answer.type));
  showParts(answer, 'bearing-');
  // The ring's class in the page's words, from the ring and the bearing's class the engine names.
  setText(inner ? 'bearing-hole-class' : 'bearing-shaft-class', texts.ringClass(bearing.ring, bearing.class));
  setText('bearing-ring-table', texts.ringTable(bearing, texts.range({over_mm: bearing.over_mm, up_to_mm: bearing.up_to_mm, includes_over: false})));
  const rows = figures(answer, texts);
  document.getElementById('bearing-figures').replaceChildren(...rows.flatMap(([term, value], index) => {
    const figure = el('dd', null, value);
    figure.id = `bearing-${answer.figures[index].key.replace(/_/g, '-')}`;
    return [el('dt', null, term), figure];
  }));
  document.getElementById('bearing-drawing-line').value = answer.drawing_line;
  document.getElementById('bearing-copy-status').textContent = '';
  const seatClass = inner ? answer.shaft.class : answer.hole.class;
  showDiagram('bearing-diagram', engine.ask({op: 'bearing_diagram_svg', ...request}),
    `${texts.diagram}: Ø${plainNumber(answer.size_mm)} ${seatClass}`, 'bearing-');
  return null;
}
