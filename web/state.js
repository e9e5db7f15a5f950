// The page's state is the address's fragment (#fit=H7/k6&size=25&lang=en): a link reproduces a
// calculation and the back button steps back through them. Every value is kept as the text the
// user typed; only the engine reads it as a number, and refuses what it cannot read.

export const kTabs = ['fit', 'find', 'service', 'table', 'thread'];
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
  thread: ['thread'],
};
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
  for (const pair of body.split('&')) {
    if (pair === '') continue;
    const equals = pair.indexOf('=');
    const key = decoded(equals < 0 ? pair : pair.slice(0, equals));
    const value = equals < 0 ? '' : decoded(pair.slice(equals + 1));
    if (Object.hasOwn(kDefaults, key)) state[key] = value;
  }
  if (!kTabs.includes(state.tab)) state.tab = kDefaults.tab;
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
    const value = state[key] ?? '';
    if (value === kDefaults[key] && !kAlwaysWritten[state.tab]?.includes(key)) continue;
    parts.push(`${encoded(key)}=${encoded(value)}`);
  }
  return '#' + parts.join('&');
}
