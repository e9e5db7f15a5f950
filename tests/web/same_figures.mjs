// The same fit shows the same drawing line and the same signed extremes in every front end: the
// command line's text and JSON, the PDF report and the page. A grid over the fit types, the grades'
// ends (IT01, IT18) and sizes from 1 mm to 3150 mm; a combination the standard does not define is
// skipped where the command line refuses it. A few bearing seats, shaft and housing, each of the
// bearing's classes, show the same figures, captions and drawing line on the command line and the page.
import assert from 'node:assert/strict';
import {execFileSync, spawnSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const kFits = ['H01/g01', 'H01/js01', 'H01/p01', 'H18/h18', 'H18/js18', 'H7/f7', 'H7/k6', 'H7/s6'];
const kSizes = ['1', '25', '3150'];
const kBearingSeats = [['25', '--shaft', 'k5', 'normal'], ['52', '--housing', 'H7', 'normal'],
  ['100', '--shaft', 'm6', '6'], ['160', '--housing', 'K7', '5']];

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
  } finally {
    rmSync(folder, {recursive: true, force: true});
  }
}
