// The same fit shows the same drawing line and the same signed extremes in every front end: the
// command line's text and JSON, the PDF report and the page. A grid over the fit types, the grades'
// ends (IT01, IT18) and sizes from 1 mm to 3150 mm; a combination the standard does not define is
// skipped where the command line refuses it. A few bearing seats, shaft and housing, each of the
// bearing's classes, show the same figures, captions and drawing line on the command line and the page.
// A dimension chain shows every display text of the command line's JSON, the Monte Carlo's with
// the same seed, in cells that are shown.
import assert from 'node:assert/strict';
import {execFileSync, spawnSync} from 'node:child_process';
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {stateFromFragment, fragmentFromState} from '../../web/state.js';

const kFits = ['H01/g01', 'H01/js01', 'H01/p01', 'H18/h18', 'H18/js18', 'H7/f7', 'H7/k6', 'H7/s6'];
const kSizes = ['1', '25', '3150'];
const kBearingSeats = [['25', '--shaft', 'k5', 'normal'], ['52', '--housing', 'H7', 'normal'],
  ['100', '--shaft', 'm6', '6'], ['160', '--housing', 'K7', '5']];

// Every kind of tolerance and distribution, a tolerance with "+" and "/"; the Monte Carlo at the
// engine's default size, with a seed of its own.
const kChainRows = [['housing', '1', '50', 'H8'], ['bearing', '-1', '20', '0/-0.12'],
  ['spacer', '-1', '28.5', '+0.05/-0.1', 'triangular'], ['circlip', '-1', '1.2', '2768-m', 'uniform']];
const kChainRequirement = ['0.1', '0.5'];
const kChainSeed = '7';

// The page's cells of a chain: each figure by its id, each table's rows, and the ids of those not
// shown (in a hidden part of the page, or of no size).
function chainCells() {
  const rows = (id) => [...document.getElementById(id).rows].map((row) => [...row.cells].map((each) => each.textContent));
  const elements = [...document.querySelectorAll('#chain-results [id^="chain-"]')];
  return {
    texts: Object.fromEntries(elements.map((element) => [element.id, element.textContent])),
    notShown: elements.filter((element) => element.getClientRects().length === 0).map((element) => element.id),
    contributions: rows('chain-contributions'),
    links: rows('chain-resolved'),
  };
}

async function checkSameChain(check, open, siteUrl, {cli, tables}, folder) {
  await check('a dimension chain: the command line’s display texts on the page, the same seed the same Monte Carlo', async () => {
    const file = join(folder, 'chain.csv');
    writeFileSync(file, ['name,direction,nominal_mm,tolerance,distribution', ...kChainRows.map((row) => [...row, ''].slice(0, 5).join(','))].join('\n'));
    const json = JSON.parse(execFileSync(cli, ['--tables', tables, 'stack', file, '--json', '--require', ...kChainRequirement,
      '--seed', kChainSeed], {encoding: 'utf8'}));
    const state = {...stateFromFragment('#tab=chain&lang=en'), link: kChainRows, require: kChainRequirement, seed: kChainSeed};
    const page = await open(siteUrl + fragmentFromState(state));
    const shown = await page.evaluate(chainCells);
    await page.close();
    const id = (prefix, key) => `${prefix}-${key.replace(/_(mm|um)$/, '').replace(/_/g, '-')}`;
    const expected = {'chain-nominal': json.display.nominal_mm};
    for (const [prefix, part] of [['chain-worst', json.worst_case], ['chain-rss', json.rss], ['chain-mc', json.monte_carlo]]) {
      for (const [key, text] of Object.entries(part.display)) expected[id(prefix, key)] = text;
    }
    assert.equal(Object.keys(expected).length, 1 + 3 + 4 + 8);
    for (const [cell, text] of Object.entries(expected)) assert.equal(shown.texts[cell], text, cell);
    const shownIds = [...Object.keys(expected), 'chain-contributions', 'chain-resolved', 'chain-histogram', 'chain-contributions-chart'];
    assert.deepEqual(shown.notShown.filter((cell) => shownIds.includes(cell)), []);
    assert.deepEqual(shown.contributions, json.contributions.map(({name, display}) => [name, display.variance_share, display.worst_case_share, display.sensitivity]));
    assert.deepEqual(shown.links.map((row) => [row[1], ...row.slice(5, 9), row[10]]), json.links.map(({name, display}) =>
      [name, display.upper_deviation_mm, display.lower_deviation_mm, display.max_mm, display.min_mm, display.sigma_mm]));
  });
}

// "largest interference -48" from a line that starts with its caption and ends in µm.
function figuresIn(text, pattern) {
  return [...text.matchAll(pattern)].map((match) => `${match[1].toLowerCase()} ${match[2]}`);
}

export async function checkSameFigures(check, open, siteUrl, {cli, program, tables}) {
  const folder = mkdtempSync(join(tmpdir(), 'quorlan-figures-'));
  try {
    for (const fit of kFits) {
      for (const size of kSizes) {
        const text = spawnSync(cli, ['--tables', tables, 'fit', fit, size], {encoding: 'utf8'});
        if (text.status === 1) continue;
        await check(`${fit} at ${size} mm: the same figures everywhere`, async () => {
          assert.equal(text.status, 0, text.stderr);
          const json = JSON.parse(execFileSync(cli, ['--tables', tables, 'fit', fit, size, '--json'], {encoding: 'utf8'}));
          const pdf = join(folder, 'report.pdf');
          execFileSync(program, ['--report', pdf, '--fit', fit, '--size', size, '--tables', tables, '--lang', 'en'],
            {env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}, stdio: ['ignore', 'ignore', 'pipe']});
          const report = execFileSync('pdftotext', ['-raw', pdf, '-'], {encoding: 'utf8'});
          const page = await open(`${siteUrl}#fit=${encodeURIComponent(fit)}&size=${size}&lang=en`);
          const shown = await page.evaluate(() => ({
            line: document.getElementById('drawing-line').value,
            figures: [...document.querySelectorAll('#fit-figures dt')].map((term) => `${term.textContent} ${term.nextElementSibling.textContent}`).join('\n'),
          }));
          await page.close();

          const line = json.drawing_line;
          assert.ok(text.stdout.includes(`\ndrawing line ${line}\n`), text.stdout);
          assert.ok(report.includes(` ${line}\n`), report);
          assert.equal(shown.line, line);

          const caption = '((?:largest|smallest|mean) (?:clearance|interference))';
          const fromText = figuresIn(text.stdout, new RegExp(`^${caption} (\\S+) µm$`, 'gim'));
          assert.equal(fromText.length, 3, text.stdout);
          assert.deepEqual(figuresIn(report, new RegExp(`^${caption} \\S+ (\\S+) µm$`, 'gim')), fromText);
          assert.deepEqual(figuresIn(shown.figures, new RegExp(`^${caption} (\\S+) µm`, 'gim')), fromText);
          assert.equal(fromText[0].split(' ').pop(), json.figures[0].display_um);
        });
      }
    }
    for (const [size, side, seat, bearingClass] of kBearingSeats) {
      await check(`bearing seat ${seat}, class ${bearingClass}, at ${size} mm: the same figures on the command line and the page`, async () => {
        const text = execFileSync(cli, ['--tables', tables, 'bearing-fit', size, side, seat, '--class', bearingClass], {encoding: 'utf8'});
        const page = await open(`${siteUrl}#tab=bearing&size=${size}&seat=${seat}&class=${bearingClass}&lang=en`);
        const shown = await page.evaluate(() => ({
          line: document.getElementById('bearing-drawing-line').value,
          figures: [...document.querySelectorAll('#bearing-figures dt')]
            .map((term) => `${term.textContent} ${term.nextElementSibling.textContent.split(' ')[0]} µm`).join('\n'),
        }));
        await page.close();
        const caption = '((?:probable )?(?:largest|smallest|mean) (?:clearance|interference)|fit tolerance)';
        const fromText = figuresIn(text, new RegExp(`^${caption} (\\S+) µm$`, 'gim'));
        assert.equal(fromText.length, 6, text);
        assert.deepEqual(figuresIn(shown.figures, new RegExp(`^${caption} (\\S+) µm$`, 'gim')), fromText);
        assert.ok(text.includes(`\ndrawing line ${shown.line}\n`), text);
      });
    }
    await checkSameChain(check, open, siteUrl, {cli, tables}, folder);
  } finally {
    rmSync(folder, {recursive: true, force: true});
  }
}
