// The page: its state (the address's fragment), its language, its tabs, and the engine's answers
// shown in the open view. Results follow every input at once; a refusal shows its reason in their
// place.
import {loadEngine} from './engine.js';
import {kTexts, kReasonTexts} from './texts.js';
import {kTabs, kTabsWithoutSize, stateFromFragment, fragmentFromState} from './state.js';
import {own, showChoice} from './dom.js';
import {setUpFitView, renderFitView} from './fit-view.js';
import {setUpFindView, renderFindView} from './find-view.js';
import {setUpServiceView, renderServiceView} from './service-view.js';
import {setUpTableView, renderTableView} from './table-view.js';
import {setUpGeneralView, renderGeneralView} from './general-view.js';
import {setUpBearingView, renderBearingView} from './bearing-view.js';
import {setUpThreadView, renderThreadView} from './thread-view.js';
import {setUpChainView, renderChainView} from './chain-view.js';

const page = {
  state: stateFromFragment(location.hash),
  engine: null,
  lang: 'en',
  texts: kTexts.en,
  // An input changed a value of the state.
  set(key, value) {
    page.state[key] = value;
    remember(false);
    render();
  },
  // An input's edit is finished: the next one starts a new step of the history.
  commit() {
    editing = false;
  },
  go(changes) {
    Object.assign(page.state, changes);
    remember(true);
    render();
  },
  // A view's renderer returns this while its first answer is still being computed elsewhere.
  pending: Symbol('pending'),
  // An answer computed elsewhere has come: the open view shows it.
  refresh() {
    render();
  },
  refusalText(reply) {
    const words = own(kReasonTexts[page.lang], reply.reason);
    return words ? page.texts.refusal(words, reply.message) : reply.message;
  },
};

const kRenderers = {
  fit: renderFitView, find: renderFindView, service: renderServiceView, table: renderTableView,
  general: renderGeneralView, bearing: renderBearingView,
};
kRenderers.thread = renderThreadView;
kRenderers.chain = renderChainView;

// One history step per edit: its first input pushes an entry, the rest of it replaces that entry.
let editing = false;

function remember(newStep) {
  const fragment = fragmentFromState(page.state);
  if (fragment === location.hash) return;
  if (newStep || !editing) history.pushState(null, '', fragment);
  else history.replaceState(null, '', fragment);
  editing = !newStep;
}

function chosenLanguage() {
  if (page.state.lang === 'en' || page.state.lang === 'zh') return page.state.lang;
  const preferred = (navigator.languages && navigator.languages[0]) || navigator.language || 'en';
  return preferred.toLowerCase().startsWith('zh') ? 'zh' : 'en';
}

function applyTexts() {
  const texts = page.texts;
  document.documentElement.lang = page.lang === 'zh' ? 'zh-CN' : 'en';
  document.title = texts.title;
  for (const element of document.querySelectorAll('[data-t]')) {
    const text = texts[element.dataset.t];
    if (typeof text === 'string') element.textContent = text;
  }
  for (const element of document.querySelectorAll('[data-t-aria-label]')) {
    const text = texts[element.dataset.tAriaLabel];
    if (typeof text === 'string') element.setAttribute('aria-label', text);
  }
}

// Each input shows its value of the state; the one being typed in is left alone, unless the
// state came from the address (the back button).
function showInputs(everyInput) {
  for (const input of document.querySelectorAll('[data-key]')) {
    const value = page.state[input.dataset.key] ?? '';
    if (input.type === 'checkbox') input.checked = kCheckedWords.includes(value);
    else if (input.tagName === 'SELECT') showChoice(input, value);
    else if (input.value !== value && (everyInput || document.activeElement !== input)) input.value = value;
  }
}

// The words a checkbox shows as ticked; it writes "yes". The engine reads every value, and refuses
// what is not a yes or a no.
const kCheckedWords = ['yes', 'true'];

function showTab() {
  for (const tab of kTabs) {
    const button = document.getElementById(`tab-${tab}`);
    const selected = tab === page.state.tab;
    button.setAttribute('aria-selected', String(selected));
    button.tabIndex = selected ? 0 : -1;
    document.getElementById(`view-${tab}`).hidden = !selected;
  }
  document.querySelector('.size-row').hidden = kTabsWithoutSize.includes(page.state.tab);
}

function render(fromAddress = false) {
  const lang = chosenLanguage();
  if (lang !== page.lang || !page.textsApplied) {
    page.lang = lang;
    page.texts = kTexts[lang];
    applyTexts();
    page.textsApplied = true;
    page.languageChanged = true;
  }
  showTab();
  showInputs(fromAddress);
  if (!page.engine) return;
  const view = document.getElementById(`view-${page.state.tab}`);
  const results = view.querySelector('.results');
  // A view whose answer is being computed elsewhere (the chain's worker) says so while it shows
  // the answer before, which the new one replaces when it comes.
  page.fromAddress = fromAddress;
  page.busy = false;
  const outcome = kRenderers[page.state.tab](page);
  const refusal = outcome === page.pending ? null : outcome;
  const reason = document.getElementById('reason');
  reason.hidden = !refusal;
  reason.textContent = refusal ? page.refusalText(refusal) : '';
  if (results) {
    results.hidden = Boolean(refusal) || outcome === page.pending;
    results.setAttribute('aria-busy', String(page.busy));
  }
  document.querySelector('main').toggleAttribute('data-busy', page.busy);
  page.languageChanged = false;
}

function wireInputs() {
  for (const input of document.querySelectorAll('[data-key]')) {
    const key = input.dataset.key;
    input.addEventListener('input', () => page.set(key, input.type === 'checkbox' ? (input.checked ? 'yes' : '') : input.value));
    input.addEventListener('change', () => page.commit());
  }
  const tabs = kTabs.map((tab) => document.getElementById(`tab-${tab}`));
  for (const [index, button] of tabs.entries()) {
    button.addEventListener('click', () => {
      page.commit();
      page.go({tab: kTabs[index]});
    });
    // Arrow keys, Home and End move between the tabs, as in any tab list.
    button.addEventListener('keydown', (event) => {
      const moves = {ArrowRight: index + 1, ArrowLeft: index - 1, Home: 0, End: tabs.length - 1};
      if (!(event.key in moves)) return;
      event.preventDefault();
      const next = (moves[event.key] + tabs.length) % tabs.length;
      tabs[next].focus();
      page.go({tab: kTabs[next]});
    });
  }
  document.getElementById('lang-switch').addEventListener('click', () => {
    page.commit();
    page.go({lang: page.lang === 'zh' ? 'en' : 'zh'});
  });
  const fromAddress = () => {
    page.state = stateFromFragment(location.hash);
    editing = false;
    render(true);
  };
  window.addEventListener('popstate', fromAddress);
  window.addEventListener('hashchange', fromAddress);
}

async function start() {
  // An address without state gets the state shown, so that it can be copied as a link at once.
  if (location.hash === '') history.replaceState(null, '', fragmentFromState(page.state));
  wireInputs();
  setUpFitView(page);
  setUpFindView(page);
  setUpTableView(page);
  setUpGeneralView(page);
  setUpBearingView(page);
  setUpChainView(page);
  render();
  const status = document.getElementById('status');
  try {
    page.engine = await loadEngine();
  } catch (error) {
    delete status.dataset.t;
    status.textContent = page.texts.engineFailed + String(error && error.message ? error.message : error);
    return;
  }
  setUpServiceView(page);
  setUpThreadView(page);
  status.hidden = true;
  render();
  performance.mark('quorlan-first-result');
  document.body.dataset.ready = 'yes';
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').then(
      () => navigator.serviceWorker.ready.then(() => {
        document.getElementById('offline-status').textContent = page.texts.offlineReady;
        document.getElementById('offline-status').dataset.t = 'offlineReady';
      }),
      () => {},
    );
  }
}

start();
