// The names a user picks from: fundamental deviation letters and grades, as ISO 286-1 lists them.
// Which classes have values at which size is the engine's business.

export const kHoleLetters = ['A', 'B', 'C', 'CD', 'D', 'E', 'EF', 'F', 'FG', 'G', 'H', 'J', 'JS', 'K', 'M', 'N',
  'P', 'R', 'S', 'T', 'U', 'V', 'X', 'Y', 'Z', 'ZA', 'ZB', 'ZC'];
export const kShaftLetters = kHoleLetters.map((letter) => letter.toLowerCase());
export const kGrades = ['01', '0', ...Array.from({length: 18}, (_, index) => String(index + 1))];

export function fillSelect(select, values, label = (value) => value) {
  select.replaceChildren(...values.map((value) => {
    const option = document.createElement('option');
    option.value = value;
    option.textContent = label(value);
    return option;
  }));
}
