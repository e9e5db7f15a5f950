// The page's state is the address's fragment (#fit=H7/k6&size=25&lang=en): a link reproduces a
// calculation and the back button steps back through them. Every value is kept as the text the
// user typed; only the engine reads it as a number, and refuses what it cannot read.

import {own} from './dom.js';

export const kTabs = ['fit', 'find', 'service', 'table', 'general', 'bearing', 'thread'];
// Views that take no nominal size: the size field is hidden there.
export const kTabsWithoutSize = ['thread'];

// The service inputs under the service command's option names, "_" for "-".
export const kServiceKeys = [
  'hub_od', 'shaft_id', 'length', 'hub_material', 'shaft_material',
  'hub_e', 'hub_nu', 'hub_alpha', 'hub_yield', 'shaft_e', 'shaft_nu', 'shaft_alpha', 'shaft_yield',
  'hub_temp', 'shaft_temp', 'hub_max_temp', 'joining', 'surface', 'friction', 'friction_holding', 'friction_pressing',
  'rz_hub', 'rz_shaft', 'smoothing', 'joining_clearance', 'zone_sigma', 'torque', 'axial_force', 'slip_safety',
  'yield_safety', 'fracture_safety',
];

// Where the page starts: the command line's defaults, and a fit and a requirement to show.
export const kDefaults = {
  tab: 'fit',
  fit: 'H7/g6',
  size: '40',
  min_clearance: '10',
  max_clearance: '60',
  basis: 'hole',
  grades: '5-11',
  all_grade_pairs: '',
  letter: 'H',
  // General tolerances: a class such as mK; kind and feature empty are a linear size.
  class: 'mK',
  kind: '',
  feature: '',
  standard: 'iso',
  // Bearing seat: the seat's class and the bearing's tolerance class (empty: the engine's Normal).
  seat: 'k5',
  bearing_class: '',
  thread: 'M10-6H/6g',
  lang: '',
  ...Object.fromEntries(kServiceKeys.map((key) => [key, ''])),
};

// Keys each view writes even at their default, so that a link says what it shows.
const kAlwaysWritten = {
  fit: ['fit', 'size'],
  find: ['size', 'min_clearance', 'max_clearance'],
  service: ['fit', 'size'],
  table: ['size', 'letter'],
  general: ['size', 'class'],
  bearing: ['size', 'seat'],
  thread: ['thread'],
};

// Keys a view keeps under a name of its own and writes under a shorter one: the bearing seat's
// class is "class" in its address, as the general tolerance's is in its own.
const kAliases = {bearing: {class: 'bearing_class'}};
const kAliasKeys = Object.values(kAliases).flatMap((aliases) => Object.values(aliases));

// The state's key a fragment's key stands for in a view (null: none); an alias's own name is
// never read from an address.
function stateKey(tab, key) {
  return own(kAliases[tab] ?? {}, key) ?? (kAliasKeys.includes(key) ? null : key);
}

// The fragment's key a state's key is written under in a view (null: not written there).
function fragmentKey(tab, key) {
  const aliases = kAliases[tab] ?? {};
  if (Object.hasOwn(aliases, key)) return null;
  return Object.keys(aliases).find((name) => aliases[name] === key) ?? (kAliasKeys.includes(key) ? null : key);
}

// Written last, in this order; every other key in the order of kDefaults.
const kWrittenLast = ['lang'];

// A text of the fragment: percent-decoded where it can be, as it stands where it cannot. A "+" is
// a plus, as the command line reads it (#size=+40), not a form's space: the page writes a space
// as %20.
function decoded(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return text;
  }
}

// The state a fragment gives: the defaults, each known key replaced by the fragment's value.
export function stateFromFragment(fragment) {
  const state = {...kDefaults};
  const body = fragment.startsWith('#') ? fragment.slice(1) : fragment;
  const pairs = body.split('&').filter((pair) => pair !== '').map((pair) => {
    const equals = pair.indexOf('=');
    return [decoded(equals < 0 ? pair : pair.slice(0, equals)), equals < 0 ? '' : decoded(pair.slice(equals + 1))];
  });
  // The view first: it decides what some keys mean.
  for (const [key, value] of pairs) {
    if (key === 'tab') state.tab = value;
  }
  if (!kTabs.includes(state.tab)) state.tab = kDefaults.tab;
  for (const [key, value] of pairs) {
    if (key === 'tab') continue;
    const name = stateKey(state.tab, key);
    if (name !== null && Object.hasOwn(kDefaults, name)) state[name] = value;
  }
  return state;
}

// "/" stays readable in a fit (H7/g6); everything else that is not plain is percent-encoded.
function encoded(text) {
  return encodeURIComponent(text).replace(/%2F/g, '/');
}

export function fragmentFromState(state) {
  const keys = Object.keys(kDefaults).filter((key) => !kWrittenLast.includes(key)).concat(kWrittenLast);
  const parts = [];
  for (const key of keys) {
    const name = fragmentKey(state.tab, key);
    if (name === null) continue;
    const value = state[key] ?? '';
    if (value === kDefaults[key] && !kAlwaysWritten[state.tab]?.includes(key)) continue;
    parts.push(`${encoded(name)}=${encoded(value)}`);
  }
  return '#' + parts.join('&');
}
