// The page's state is the address's fragment (#fit=H7/k6&size=25&lang=en): a link reproduces a
// calculation and the back button steps back through them. Every value is kept as the text the
// user typed; only the engine reads it as a number, and refuses what it cannot read.

import {own} from './dom.js';

export const kTabs = ['fit', 'find', 'service', 'table', 'general', 'bearing', 'thread', 'chain'];
// Views that take no nominal size: the size field is hidden there.
export const kTabsWithoutSize = ['thread', 'chain'];

// The service inputs under the service command's option names, "_" for "-".
export const kServiceKeys = [
  'hub_od', 'shaft_id', 'length', 'hub_material', 'shaft_material',
  'hub_e', 'hub_nu', 'hub_alpha', 'hub_yield', 'shaft_e', 'shaft_nu', 'shaft_alpha', 'shaft_yield',
  'hub_temp', 'shaft_temp', 'hub_max_temp', 'joining', 'surface', 'friction', 'friction_holding', 'friction_pressing',
  'rz_hub', 'rz_shaft', 'smoothing', 'joining_clearance', 'zone_sigma', 'torque', 'axial_force', 'slip_safety',
  'yield_safety', 'fracture_safety',
];

// The chain the view starts with where an address gives none: the axial gap of
// docs/dimension-chains.md, a housing's depth less a bearing and a spacer.
export const kSampleChain = Object.freeze([
  ['housing', '1', '50', 'H8'],
  ['bearing', '-1', '20', '0/-0.12'],
  ['spacer', '-1', '29.5', '2768-m', 'uniform'],
].map((fields) => Object.freeze(fields)));

// Keys whose value is a list of fields; link may be given once per link.
const kFieldKeys = ['link', 'require'];

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
  // Dimension chain: one list of fields per link, in the chain file's order of fields
  // (docs/dimension-chains.md), and the requirement's smallest and largest value; each list is
  // written as its fields joined by commas (#link=housing,1,50,H8&require=0.1,0.5).
  link: kSampleChain,
  require: [],
  // Empty: the engine's defaults.
  samples: '',
  seed: '',
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
  chain: ['link'],
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

// A list key's value: its fields split at each comma, then each percent-decoded, so that a field
// may hold an encoded comma (%2C).
function fieldsOf(raw) {
  return raw.split(',').map(decoded);
}

// The state a fragment gives: the defaults, each known key replaced by the fragment's value.
export function stateFromFragment(fragment) {
  const state = {...kDefaults};
  const body = fragment.startsWith('#') ? fragment.slice(1) : fragment;
  const pairs = body.split('&').filter((pair) => pair !== '').map((pair) => {
    const equals = pair.indexOf('=');
    return [decoded(equals < 0 ? pair : pair.slice(0, equals)), equals < 0 ? '' : pair.slice(equals + 1)];
  });
  // The view first: it decides what some keys mean.
  for (const [key, raw] of pairs) {
    if (key === 'tab') state.tab = decoded(raw);
  }
  if (!kTabs.includes(state.tab)) state.tab = kDefaults.tab;
  const links = [];
  for (const [key, raw] of pairs) {
    if (key === 'tab') continue;
    const name = stateKey(state.tab, key);
    if (name === null || !Object.hasOwn(kDefaults, name)) continue;
    if (name === 'link') links.push(fieldsOf(raw));
    else if (kFieldKeys.includes(name)) state[name] = fieldsOf(raw);
    else state[name] = decoded(raw);
  }
  // An address with links holds the whole chain; one without keeps the sample.
  if (links.length) state.link = links;
  return state;
}

// "/" stays readable in a fit (H7/g6) and a tolerance (+0.1/-0.05); everything else that is not
// plain is percent-encoded (a "+" as %2B, a comma in a field as %2C).
function encoded(text) {
  return encodeURIComponent(text).replace(/%2F/g, '/');
}

const sameFields = (a, b) => JSON.stringify(a) === JSON.stringify(b);

// A list key's parts of the fragment: one per link, each its fields joined by commas; a link's
// empty fields after the tolerance are left out, and an empty requirement is not written.
function fieldParts(state, key, name) {
  const value = state[key] ?? [];
  if (key === 'require') return value.some((field) => field !== '') ? [`${encoded(name)}=${value.map(encoded).join(',')}`] : [];
  if (sameFields(value, kDefaults[key]) && !kAlwaysWritten[state.tab]?.includes(key)) return [];
  return value.map((fields) => {
    let count = fields.length;
    while (count > 4 && fields[count - 1] === '') --count;
    return `${encoded(name)}=${fields.slice(0, count).map(encoded).join(',')}`;
  });
}

export function fragmentFromState(state) {
  const keys = Object.keys(kDefaults).filter((key) => !kWrittenLast.includes(key)).concat(kWrittenLast);
  const parts = [];
  for (const key of keys) {
    const name = fragmentKey(state.tab, key);
    if (name === null) continue;
    if (kFieldKeys.includes(key)) {
      parts.push(...fieldParts(state, key, name));
      continue;
    }
    const value = state[key] ?? '';
    if (value === kDefaults[key] && !kAlwaysWritten[state.tab]?.includes(key)) continue;
    parts.push(`${encoded(name)}=${encoded(value)}`);
  }
  return '#' + parts.join('&');
}
