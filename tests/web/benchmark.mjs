// Times the built page in headless Chromium: the first result after navigation (a fresh browser
// context, nothing cached) and each view's recalculation after an input, the default fit search
// included. Usage: node benchmark.mjs SITE [RUNS]
import puppeteer from 'puppeteer-core';
import {serveSite} from './static_server.mjs';

const [siteFolder, runsText = '20'] = process.argv.slice(2);
const runs = Number(runsText);
const site = await serveSite(siteFolder);
const browser = await puppeteer.launch({
  executablePath: process.env.QUORLAN_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

function summary(name, times) {
  const sorted = [...times].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  console.log(`${name.padEnd(44)} median ${at(0.5).toFixed(2).padStart(7)} ms   p90 ${at(0.9).toFixed(2).padStart(7)} ms   max ${sorted.at(-1).toFixed(2).padStart(7)} ms`);
}

try {
  const firstResult = [];
  for (let run = 0; run < runs; ++run) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(`${site.url}#fit=H7/g6&size=40`);
    await page.waitForSelector('body[data-ready]');
    firstResult.push(await page.evaluate(() => performance.getEntriesByName('quorlan-first-result')[0].startTime));
    await context.close();
  }
  summary('first result after navigation (cold)', firstResult);

  // An input event runs the whole recalculation of the open view before it returns.
  const kRecalculations = [
    ['fit analysis (fit, diagram)', '#fit=H7/g6&size=40', '#size', ['40', '41']],
    ['fit analysis, transition fit (probabilities)', '#fit=H7/k6&size=40', '#size', ['40', '41']],
    ['fit finder, default search', '#tab=find&size=40', '#min-clearance', ['10', '11']],
    ['fit finder, any basis, all grade pairs', '#tab=find&size=40&basis=any&grades=01-18&all_grade_pairs=yes', '#min-clearance', ['10', '11']],
    ['service conditions', '#tab=service&fit=H7/s6&size=40&hub_od=80&length=40', '#hub-od', ['80', '81']],
    ['limits table', '#tab=table&size=40&letter=H', '#size', ['40', '41']],
  ];
  const page = await browser.newPage();
  for (const [name, fragment, selector, values] of kRecalculations) {
    await page.goto(`${site.url}${fragment}`);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    const times = await page.evaluate((selector, values, runs) => {
      const input = document.querySelector(selector);
      const times = [];
      for (let run = 0; run < runs; ++run) {
        input.value = values[run % values.length];
        const start = performance.now();
        input.dispatchEvent(new Event('input', {bubbles: true}));
        times.push(performance.now() - start);
      }
      return times;
    }, selector, values, runs * 5);
    summary(`recalculation: ${name}`, times);
  }
} finally {
  await browser.close();
  await site.close();
}
