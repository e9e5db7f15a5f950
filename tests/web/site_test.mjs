// Drives the built page in headless Chromium: one fit, one search, one press fit, both languages,
// refusals, a hostile address, the history and working offline. Usage: node site_test.mjs SITE
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import puppeteer from 'puppeteer-core';
import {serveSite} from './static_server.mjs';
import {kLanguages, kTexts, kReasonTexts} from '../../web/texts.js';
import {stateFromFragment, fragmentFromState, kServiceKeys} from '../../web/state.js';
import {checkSameFigures} from './same_figures.mjs';

const siteFolder = process.argv[2];
const failures = [];

async function check(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
  } catch (error) {
    failures.push(name);
    console.log(`FAIL ${name}\n     ${String(error.message).split('\n').join('\n     ')}`);
  }
}

// Texts of the page's elements by id ('' for one that is missing), and whether they are shown.
function texts(page, ids) {
  return page.evaluate((ids) => Object.fromEntries(ids.map((id) => {
    const element = document.getElementById(id);
    return [id, element ? element.textContent : ''];
  })), ids);
}

// A page at a phone's width (360 px) unless told otherwise.
async function open(browser, url, languages = ['en-US'], width = 360) {
  const page = await browser.newPage();
  await page.setViewport({width, height: 740});
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('dialog', async (dialog) => {
    problems.push(`a dialog opened: ${dialog.message()}`);
    await dialog.dismiss();
  });
  await page.evaluateOnNewDocument((languages) => {
    Object.defineProperty(navigator, 'languages', {get: () => languages});
    Object.defineProperty(navigator, 'language', {get: () => languages[0]});
  }, languages);
  await page.goto(url);
  await page.waitForSelector('body[data-ready]', {timeout: 15000});
  await answered(page);
  page.problems = problems;
  return page;
}

// The chain's worker has answered what the page shows.
function answered(page) {
  return page.waitForFunction(() => !document.querySelector('main[data-busy]'), {timeout: 15000});
}

// How far the page reaches past the window's width: 0 when nothing scrolls sideways.
function sidewaysOverflow(page) {
  return page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
}

// Every text in both languages, with the same kind of value (a text, or a text made from values).
await check('every text of the page in English and Chinese', async () => {
  const keys = (dictionary) => Object.keys(dictionary).sort();
  assert.deepEqual(keys(kTexts.zh), keys(kTexts.en));
  assert.deepEqual(keys(kTexts.zh.resultLabels), keys(kTexts.en.resultLabels));
  for (const key of keys(kTexts.en)) assert.equal(typeof kTexts.zh[key], typeof kTexts.en[key], key);
  const html = await readFile(new URL('../../web/index.html', import.meta.url), 'utf8');
  for (const [, key] of html.matchAll(/data-t(?:-aria-label)?="([^"]+)"/g)) assert.equal(typeof kTexts.en[key], 'string', key);
});

const kChain = '#tab=chain&link=housing,1,50,H8&link=shaft%2C%20left,-1,49.8,%2B0.1/-0.05,triangular&require=0.1,0.5&samples=20000&seed=7';

await check('each view’s address reads back as written; unknown keys and bad escapes do no harm', () => {
  const kFragments = ['#fit=H7/k6&size=25&lang=en', '#tab=find&size=40&min_clearance=10&max_clearance=60',
    '#tab=service&fit=H7/s6&size=40&hub_od=80&length=40&hub_material=cast-iron', '#tab=table&size=40&letter=H',
    '#tab=general&size=35&class=mK', '#tab=general&size=35&class=mK&feature=flatness&standard=gb',
    '#tab=bearing&size=25&seat=k5&class=normal', '#tab=bearing&size=52&seat=H7', '#tab=thread&thread=M10x1.25-5H6H',
    kChain];
  for (const fragment of kFragments) assert.equal(fragmentFromState(stateFromFragment(fragment)), fragment);
  // A chain's fields as typed: a comma, a plus and a slash within a field survive; no links is the
  // sample chain, written out in full.
  const chain = stateFromFragment(kChain);
  assert.deepEqual(chain.link, [['housing', '1', '50', 'H8'], ['shaft, left', '-1', '49.8', '+0.1/-0.05', 'triangular']]);
  assert.deepEqual([chain.require, chain.samples, chain.seed], [['0.1', '0.5'], '20000', '7']);
  assert.match(fragmentFromState(stateFromFragment('#tab=chain')), /^#tab=chain&link=housing,1,50,H8&link=bearing,-1,20,0\/-0\.12&link=spacer,/);
  const odd = stateFromFragment('#fit=a%ZZb&size=1%202&tab=bogus&constructor=1&__proto__=x');
  assert.deepEqual([odd.fit, odd.size, odd.tab, Object.hasOwn(odd, 'constructor')], ['a%ZZb', '1 2', 'fit', false]);
});

const site = await serveSite(siteFolder);
const browser = await puppeteer.launch({
  executablePath: process.env.QUORLAN_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

try {
  // What each address shows, in the ids the page promises.
  const kShown = [
    ['a transition fit', '#fit=H7/k6&size=25&lang=en', {
      'fit-type': 'transition fit', 'hole-upper': '+21', 'hole-lower': '0', 'shaft-upper': '+15', 'shaft-lower': '+2',
      'fit-figures': /Probable largest clearance\+15 µm .*Probable largest interference-11 µm/}],
    ['a clearance fit in Chinese', '#fit=H7/g6&size=40&lang=zh', {
      'fit-type': '间隙配合', 'hole-upper': '+25', 'shaft-upper': '-9', 'shaft-lower': '-25', 'tab-fit': '配合分析',
      'fit-figures': /可能最大间隙\+45 µm .*可能最小间隙\+14 µm/}],
    ['a general tolerance', '#tab=general&size=35&class=mK&lang=en', {'general-value': '±0.3 mm', 'general-what': 'Linear size'}],
    ['a bearing seat on a shaft', '#tab=bearing&size=25&seat=k5&class=normal&lang=en', {
      'bearing-max-interference': '-21 µm (-0.021 mm)', 'bearing-min-interference': '-2 µm (-0.002 mm)',
      'bearing-probable-max-interference': '-19 µm (-0.019 mm)', 'bearing-probable-min-interference': '-4 µm (-0.004 mm)',
      'bearing-hole-class': 'bearing inner ring, Normal', 'bearing-hole-lower': '-10'}],
    ['a bearing seat in a housing, in Chinese', '#tab=bearing&size=52&seat=H7&lang=zh', {
      'bearing-fit-type': '间隙配合', 'bearing-shaft-class': '轴承外圈，普通级', 'bearing-shaft-lower': '-13',
      'bearing-probable-min-clearance': '+5 µm (+0.005 mm)'}],
    ['a press fit', '#tab=service&fit=H7/s6&size=40&hub_od=80&length=40&lang=en', {'pressure-max': '116.2'}],
    ['a press fit on a cast-iron hub', '#tab=service&fit=H7/s6&size=40&hub_od=80&length=40&hub_material=cast-iron&lang=en',
      {'pressure-max': '70.7'}],
    ['a press fit under a load, worse in service', '#tab=service&fit=H7/u6&size=40&hub_od=80&length=40&torque=300&rz_hub=4&rz_shaft=4&hub_temp=60&shaft_temp=40&surface=dry&lang=en',
      {'slip-safety': '1.61'}],
    ['a size with a plus, as the command line reads it', '#fit=H7/g6&size=+40&lang=en', {'hole-upper': '+25', 'shaft-lower': '-25'}],
    ['all_grade_pairs=no is off', '#tab=find&size=40&min_clearance=10&max_clearance=60&all_grade_pairs=no&lang=en',
      {'find-summary': '3 fits found, best first:'}],
    // The limits as ISO 965-2 prints them, the fit at the pitch diameter, in both languages.
    ['a thread and its fit', '#tab=thread&thread=M10-6H/6g&lang=en', {
      'bolt-pitch-min': '8.862', 'bolt-pitch-max': '8.994', 'nut-pitch-min': '9.026', 'nut-pitch-max': '9.206',
      'bolt-es': '-32', 'thread-min-clearance': '32', 'thread-max-clearance': '344', 'thread-recommended': /medium quality, normal/}],
    ['a fine thread’s bolt alone, in Chinese', '#tab=thread&thread=M10x1.25-6g&lang=zh', {
      'thread-series': '螺距 1.25 mm，细牙', 'bolt-pitch-max': '9.160', 'tab-thread': '螺纹'}],
    // The sample chain's worst case by hand: 50 H8 (+0.039/0) less 20 (0/-0.12) less 29.5 2768-m (±0.2).
    ['the sample chain, in Chinese', '#tab=chain&lang=zh', {
      'tab-chain': '尺寸链', 'chain-nominal': '0.500', 'chain-worst-min': '0.300', 'chain-worst-max': '0.859',
      'chain-worst-range': '0.559', 'chain-resolved': /bearing-1 减环200\/-0\.12/}],
    ['a temperature too large to mean anything, with an exponent', '#tab=service&fit=H7/s6&size=40&hub_temp=1e300&lang=en',
      {'service-warnings': /interference is -4\.803e\+299 µm/}],
  ];
  for (const [name, fragment, expected] of kShown) {
    await check(name, async () => {
      const page = await open(browser, site.url + fragment);
      const shown = await texts(page, Object.keys(expected));
      for (const [id, text] of Object.entries(expected)) {
        if (text instanceof RegExp) assert.match(shown[id], text, id);
        else assert.equal(shown[id], text, id);
      }
      assert.equal(await page.$eval('#reason', (reason) => reason.hidden), true);
      assert.equal(await sidewaysOverflow(page), 0);
      assert.deepEqual(page.problems, []);
      await page.close();
    });
  }

  await check('the diagram is the engine’s SVG; a preferred fit is a click away', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40`);
    assert.equal(await page.$eval('#diagram', (box) => box.firstElementChild?.namespaceURI), 'http://www.w3.org/2000/svg');
    assert.ok(await page.$('#diagram svg #diagram-hole-zone'));
    const chips = await page.$$eval('#preferred-lists .chip', (found) => found.map((chip) => chip.textContent));
    assert.ok(chips.includes('H7/k6') && chips.every((chip) => /^[A-Z]+\d+\/[a-z]+\d+$/.test(chip)), chips.join(' '));
    await page.evaluate(() => [...document.querySelectorAll('#preferred-lists .chip')].find((chip) => chip.textContent === 'H7/k6').click());
    assert.equal(await page.$eval('#fit-input', (input) => input.value), 'H7/k6');
    assert.equal((await texts(page, ['fit-type']))['fit-type'], 'transition fit');
    // The pickers follow the fit as the engine reads it, two-letter deviations and IT01 included.
    await page.goto(`${site.url}#fit=ZC01/js6&size=40`);
    await page.waitForFunction(() => document.getElementById('hole-letter').value === 'ZC');
    const picked = await page.$$eval('#hole-letter, #hole-grade, #shaft-letter, #shaft-grade', (lists) => lists.map((list) => list.value));
    assert.deepEqual(picked, ['ZC', '01', 'js', '6']);
    await page.close();
  });

  await check('a thread’s zones are the engine’s SVG with ids of their own; the lists make a designation', async () => {
    const page = await open(browser, `${site.url}#tab=thread&thread=M10-6H/6g&lang=en`);
    assert.ok(await page.$('#thread-diagram svg #thread-diagram-shaft-zone'));
    // Shown, not only filled: the view is no part of another, hidden one.
    assert.ok(await page.$eval('#bolt-pitch-max', (cell) => cell.getClientRects().length > 0));
    assert.equal(await page.$eval('.size-row', (row) => row.hidden), true);
    await page.select('#thread-pitch', '1.25');
    assert.equal(await page.$eval('#thread-input', (input) => input.value), 'M10x1.25-6H/6g');
    await page.select('#thread-bolt', '');
    await page.select('#thread-diameter', '12');
    assert.equal(await page.$eval('#thread-input', (input) => input.value), 'M12-6H');
    assert.equal(await page.$eval('#thread-bolt-box', (box) => box.hidden), true);
    assert.equal(await page.$eval('#thread-diagram', (box) => box.closest('figure').hidden), true);
    assert.match(await page.evaluate(() => location.hash), /^#tab=thread&thread=M12-6H/);
    await page.close();
  });

  await check('a chain’s links are moved, added and removed, each a step of the history', async () => {
    const page = await open(browser, `${site.url}#tab=chain&link=a,1,10,%C2%B10.1&link=b,-1,5,h7&lang=en`);
    const hash = () => page.evaluate(() => location.hash);
    // The charts are the engine's SVGs, their ids as it gives them.
    assert.ok(await page.$('#chain-histogram svg [id^="chain-histogram-"]'));
    assert.ok(await page.$('#chain-contributions-chart svg [id^="chain-contributions-"]'));
    await page.click('#chain-link-rows tr:nth-child(1) [data-action="down"]');
    assert.match(await hash(), /^#tab=chain&link=b,-1,5,h7&link=a,1,10,%C2%B10\.1&lang=en$/);
    assert.equal(await page.evaluate(() => document.activeElement.closest('tr').rowIndex), 2);
    await page.click('#chain-add-link');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'chain-link-3-nominal');
    await page.keyboard.type('2');
    await page.type('#chain-link-3-tolerance', '+0.1/0');
    await answered(page);
    // 10 − 5 + 2 mm; the largest: b's h7 lower deviation (−12 µm) taken away, 0.1 and 0.1 added.
    assert.deepEqual(Object.values(await texts(page, ['chain-nominal', 'chain-worst-max'])), ['7.000', '7.212']);
    await page.click('#chain-link-rows tr:nth-child(1) [data-action="remove"]');
    assert.match(await hash(), /^#tab=chain&link=a,1,10,%C2%B10\.1&link=link%203,1,2,%2B0\.1\/0&lang=en$/);
    await page.goBack();
    await page.waitForFunction(() => document.getElementById('chain-link-1-name').value === 'b');
    await page.close();
  });

  await check('a search lists the fits, and a click takes one to the analysis', async () => {
    const page = await open(browser, `${site.url}#tab=find&size=40&min_clearance=10&max_clearance=60&lang=en`);
    const found = await page.$$eval('#find-results .designation', (fits) => fits.map((fit) => fit.textContent));
    assert.deepEqual([...found].sort(), ['H5/f5', 'H6/f5', 'H6/f6']);
    await page.click('#find-results button');
    assert.equal(await page.$eval('#view-fit', (view) => view.hidden), false);
    assert.equal(await page.$eval('#fit-input', (input) => input.value), found[0]);
    assert.match(await page.evaluate(() => location.hash), /^#fit=H\d\/f\d&size=40/);
    await page.close();
  });

  await check('the limits table lists a letter across the grades', async () => {
    const page = await open(browser, `${site.url}#tab=table&size=40&letter=H`);
    const rows = await page.$$eval('#class-rows tr', (rows) => rows.map((row) => row.innerText.replace(/\s+/g, ' ')));
    assert.ok(rows.includes('H7 +25 0 40.025 / 40.000 25'), rows.join('\n'));
    assert.equal(await page.$$eval('#tolerance-rows tr', (rows) => rows.length), 20);
    await page.close();
  });

  await check('the general tolerances: the class’s tables, the size’s range marked, a feature picked', async () => {
    const page = await open(browser, `${site.url}#tab=general&size=35&class=mK&standard=gb&lang=en`);
    const marked = () => page.$$eval('.general-table tr.current', (rows) => rows.map((row) => `${row.closest('table').id}: ${row.innerText.replace(/\s+/g, ' ')}`));
    assert.deepEqual(await marked(), ['general-table-linear: over 30 up to 120 mm ±0.3 mm']);
    // GB/T 1804 splits ISO 2768's last range of broken edges.
    const edges = await page.$$eval('#general-table-edge tbody tr', (rows) => rows.map((row) => row.innerText.replace(/\s+/g, ' ')));
    assert.deepEqual(edges.slice(-2), ['over 6 up to 30 mm ±1 mm', 'over 30 mm ±2 mm']);
    assert.equal(await page.$$eval('#general-rules dt', (terms) => terms.length), 4);
    await page.select('#general-kind', 'flatness');
    assert.match(await page.evaluate(() => location.hash), /&class=mK&feature=flatness&standard=gb/);
    assert.equal((await texts(page, ['general-value']))['general-value'], '0.2 mm');
    assert.deepEqual(await marked(), ['general-table-straightness-flatness: over 30 up to 100 mm 0.2 mm']);
    await page.select('#general-linear', 'f');
    assert.equal(await page.$eval('#general-class', (input) => input.value), 'fK');
    await page.close();
  });

  // Refused inputs: the engine's reason in place of the results, as text, and no dialog; then, where
  // given, what the page must do next.
  const kRefused = [
    ['a size of 0', '#fit=H7/g6&size=0&lang=en', /size_mm '0'/],
    ['a size of 0, in Chinese', '#fit=H7/g6&size=0&lang=zh', /公称尺寸/],
    ['a hostile fit', '#fit=<img src=x onerror=alert(1)>&lang=en', /<img src=x onerror=alert\(1\)>/],
    ['a hostile fit, percent-encoded', '#fit=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E', /<img src=x/],
    ['a hostile letter', '#tab=table&letter=<svg onload=alert(1)>', /<svg onload/],
    ['a hostile seat', '#tab=bearing&seat=<img src=x onerror=alert(1)>', /<img src=x onerror/],
    ['a yes-or-no that is neither', '#tab=find&size=40&min_clearance=10&max_clearance=60&all_grade_pairs=on&lang=zh',
      /^不是有效的开关值（all_grade_pairs 'on'/],
    ['a general tolerance below its tables, the class’s tables still shown', '#tab=general&size=0.3&class=mK&lang=en',
      /^Below the general tolerances’ sizes: .*below 0\.5 mm/, async (page) => {
        assert.equal(await page.$eval('#general-table-box', (box) => box.hidden), false);
      }],
    ['a class no general tolerance has', '#tab=general&size=35&class=mX&lang=zh', /^一般公差等级无效（class 'mX'/],
    ['a bearing seat outside the ring’s table', '#tab=bearing&size=0.5&seat=H7&lang=en', /^Outside the bearing tables: .*2\.5 up to 630 mm/],
    ['a pitch ISO 261 does not give the diameter', '#tab=thread&thread=M10x1.75-6H/6g&lang=zh', /^ISO 261 无此螺距（thread 'M10x1\.75-6H\/6g'/],
    ['a hostile thread', '#tab=thread&thread=<img src=x onerror=alert(1)>&lang=en', /<img src=x onerror=alert\(1\)>/],
    ['a chain’s link with a tolerance the engine cannot read, under a hostile name',
      '#tab=chain&link=housing,1,50,H8&link=<img src=x onerror=alert(1)>,-1,49.8,h99&lang=en',
      /^A link cannot be read: link 2 .*<img src=x onerror=alert\(1\)>.*'h99'/],
    ['a letter not in the tables, until one is chosen', '#tab=table&size=40&letter=Q&lang=en', /'Q01'/, async (page) => {
      await page.select('#letter', 'H');
      assert.deepEqual(await page.$$eval('#letter option', (options) => options.filter((option) => option.value === 'Q').length), 0);
      assert.equal(await page.$eval('#reason', (reason) => reason.hidden), true);
    }],
  ];
  for (const [name, fragment, reason, after] of kRefused) {
    await check(`refused: ${name}`, async () => {
      const page = await open(browser, site.url + fragment);
      const shown = await page.$eval('#reason', (element) => ({hidden: element.hidden, text: element.textContent}));
      assert.equal(shown.hidden, false);
      assert.match(shown.text, reason);
      assert.equal(await page.$$eval('main img, main [onerror], main [onload]', (found) => found.length), 0);
      assert.equal(await page.$eval('.view:not([hidden]) .results', (results) => results.hidden), true);
      assert.equal(await sidewaysOverflow(page), 0);
      await after?.(page);
      assert.deepEqual(page.problems, []);
      await page.close();
    });
  }

  await check('every refusal code of the engine has its words in both languages', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40`);
    const codes = await page.evaluate(async () => (await (await import('./engine.js')).loadEngine()).ask({op: 'reason_codes'}).answer);
    assert.ok(codes.includes('no_standard_value'), String(codes));
    // request_too_long is the page's own (engine.js).
    const known = [...codes, 'request_too_long'];
    for (const lang of kLanguages) {
      assert.deepEqual(known.filter((code) => typeof kReasonTexts[lang][code] !== 'string'), [], `${lang}: codes without words`);
      assert.deepEqual(Object.keys(kReasonTexts[lang]).filter((code) => !known.includes(code)), [], `${lang}: words for no code`);
    }
    await page.close();
  });

  await check('the page takes exactly the engine’s joint inputs, in its address and its fields', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40`);
    const table = await page.evaluate(async () => (await (await import('./engine.js')).loadEngine()).ask({op: 'service_inputs'}).answer);
    const keys = table.map((input) => input.key);
    assert.deepEqual(kServiceKeys, keys);
    const fields = await page.$$eval('#view-service [data-key]', (found) => found.map((field) => field.dataset.key));
    // friction, both coefficients at once, the page has as its two fields.
    assert.deepEqual(keys.filter((key) => !fields.includes(key)), ['friction']);
    assert.deepEqual(fields.filter((key) => !keys.includes(key)), ['fit']);
    await page.close();
  });

  await check('a warning is worded from its code and figures in the page’s language', async () => {
    const page = await open(browser, `${site.url}#tab=service&fit=H7/s6&size=40&hub_od=80&lang=zh`);
    const shown = (await texts(page, ['service-warnings']))['service-warnings'];
    assert.match(shown, /未给出表面粗糙度/);
    assert.doesNotMatch(shown, /--|rz_hub/);
    await page.close();
  });

  await check('every id of the page is unique, in every view and both languages', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40`);
    for (const fragment of ['#fit=H7/k6&size=25', '#tab=find&size=40&min_clearance=10&max_clearance=60',
      '#tab=service&fit=H7/u6&size=40&hub_od=80&length=40&torque=300', '#tab=table&size=40&letter=H',
      '#tab=general&size=35&class=mK', '#tab=bearing&size=25&seat=k5', '#tab=thread&thread=M10-6H/6g', kChain]) {
      for (const lang of kLanguages) {
        // The address changes within the page, as a link or the back button changes it.
        const repeated = await page.evaluate((address) => new Promise((done) => {
          window.addEventListener('hashchange', () => setTimeout(() => {
            const ids = [...document.querySelectorAll('[id]')].map((element) => element.id);
            done(ids.filter((id, index) => ids.indexOf(id) !== index));
          }), {once: true});
          location.hash = address;
        }), `${fragment}&lang=${lang}`);
        assert.deepEqual(repeated, [], `${fragment}&lang=${lang}`);
      }
    }
    assert.ok(await page.$('#diagram svg #diagram-hole-upper'));
    assert.ok(await page.$('#bearing-diagram svg #bearing-diagram-hole-upper'));
    await page.close();
  });

  await check('the language follows the browser and can be switched', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40`, ['zh-CN', 'en']);
    assert.equal(await page.$eval('html', (html) => html.lang), 'zh-CN');
    assert.equal((await texts(page, ['tab-find']))['tab-find'], kTexts.zh.tabFind);
    await page.click('#lang-switch');
    assert.deepEqual(await texts(page, ['tab-find', 'fit-type']), {'tab-find': 'Fit finder', 'fit-type': 'clearance fit'});
    assert.match(await page.evaluate(() => location.hash), /lang=en/);
    await page.close();
  });

  await check('inputs go into the address, and back returns to the calculation before', async () => {
    const page = await open(browser, `${site.url}#fit=H7/g6&size=40&lang=en`);
    await page.click('#size', {clickCount: 3});
    await page.keyboard.type('25');
    await page.keyboard.press('Tab');
    assert.match(await page.evaluate(() => location.hash), /size=25/);
    assert.equal((await texts(page, ['hole-upper']))['hole-upper'], '+21');
    await page.goBack();
    await page.waitForFunction(() => document.getElementById('hole-upper').textContent === '+25');
    assert.equal(await page.$eval('#size', (input) => input.value), '40');
    await page.close();
  });

  await check('after one visit the page works offline', async () => {
    const page = await open(browser, `${site.url}#fit=H7/k6&size=25`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector('body[data-ready]', {timeout: 15000});
    assert.equal((await texts(page, ['hole-upper']))['hole-upper'], '+21');
    await page.close();
  });

  // With the native programs at hand (CTest gives them), the page's figures against theirs.
  const {QUORLAN_CLI: cli, QUORLAN_PROGRAM: program, QUORLAN_TABLES: tables} = process.env;
  if (cli && program && tables) await checkSameFigures(check, (url) => open(browser, url), site.url, {cli, program, tables});
} finally {
  await browser.close();
  await site.close();
}

if (failures.length) {
  console.log(`${failures.length} failed: ${failures.join('; ')}`);
  process.exit(1);
}
console.log('all passed');
