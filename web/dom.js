// Building the page's results: every text goes in as text (textContent), never as markup, so that
// nothing typed, linked or answered can become an element.

export function el(tag, className, ...children) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  element.append(...children.filter((child) => child !== null && child !== undefined).map((child) => (child instanceof Node ? child : String(child))));
  return element;
}

export function setText(id, text) {
  document.getElementById(id).textContent = text;
}

export function plainNumber(value) {
  return Object.is(value, -0) ? '0' : String(value);
}

// A value rounded for display, "-0.0" never shown.
export function fixed(value, decimals) {
  const text = value.toFixed(decimals);
  return /^-0\.?0*$/.test(text) ? text.slice(1) : text;
}

// An SVG document from the engine, parsed as SVG (never as HTML) and imported as nodes. Scripts,
// event handlers and links to elsewhere have no place in a drawing: they are dropped. Every id gets
// idPrefix in front.
export function parsedSvg(svgText, idPrefix = '') {
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  const root = parsed.documentElement;
  if (root.namespaceURI !== 'http://www.w3.org/2000/svg' || root.localName !== 'svg') return null;
  for (const node of root.querySelectorAll('script, foreignObject, a')) node.remove();
  for (const node of [root, ...root.querySelectorAll('*')]) {
    for (const attribute of [...node.attributes]) {
      if (/^on/i.test(attribute.name) || /href$/i.test(attribute.name)) node.removeAttribute(attribute.name);
    }
    if (idPrefix && node.id) node.id = idPrefix + node.id;
  }
  return document.importNode(root, true);
}

// A dictionary's own entry for a key that came from outside (an engine's code, an address), and
// never one the object inherits ("constructor").
export function own(dictionary, key, fallback = undefined) {
  return typeof key === 'string' && Object.hasOwn(dictionary, key) ? dictionary[key] : fallback;
}

// A select shows a value it has no option for (from a link) as an option of its own, so that
// the engine's refusal of it makes sense; once a value of its own is chosen, that option goes.
export function showChoice(select, value) {
  const foreign = select.querySelector('option[data-foreign]');
  const known = [...select.options].some((option) => option !== foreign && option.value === value);
  if (foreign && (known || foreign.value !== value)) foreign.remove();
  if (!known && foreign?.value !== value) {
    const option = document.createElement('option');
    option.value = value;
    option.textContent = value;
    option.dataset.foreign = '';
    select.append(option);
  }
  if (select.value !== value) select.value = value;
}
