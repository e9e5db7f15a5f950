// Times the built page in headless Chromium: the first result after navigation (a fresh browser
// context, nothing cached), each view's recalculation after an input, the default fit search
// included, and a 10-link dimension chain's Monte Carlo run of 1,000,000 samples in its worker.
// Usage: node benchmark.mjs SITE [RUNS]
import {readdirSync, readFileSync} from 'node:fs';
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

// Ten links of every kind of tolerance and distribution; the Monte Carlo at its default size.
const kTenLinks = '#tab=chain&link=housing,1,120,H8&link=bearing,-1,25,0/-0.12&link=spacer,-1,30,%C2%B10.05'
  + '&link=gear,-1,40,js9,triangular&link=washer,-1,2,%2B0.05/-0.02,uniform&link=sleeve,-1,15,2768-m,uniform'
  + '&link=shim,-1,1.5,%C2%B10.01&link=collar,-1,3,h11&link=cover,1,4,2768-f,triangular&link=ring,-1,7,%C2%B10.03'
  + '&require=0.2,1.2';

// The CPU time of every dedicated worker of Chromium's pages so far, in ms, from Linux's /proc
// (utime and stime, in ticks of 1/100 s): the time a run takes of its own, which other programs
// on the machine do not lengthen as they lengthen the wall clock's. Null where there is no /proc.
function workerCpuMs() {
  let ticks = 0;
  try {
    for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
      try {
        if (!readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
        for (const tid of readdirSync(`/proc/${pid}/task`)) {
          if (readFileSync(`/proc/${pid}/task/${tid}/comm`, 'utf8').trim() !== 'DedicatedWorker') continue;
          const stat = readFileSync(`/proc/${pid}/task/${tid}/stat`, 'utf8');
          const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
          ticks += Number(fields[11]) + Number(fields[12]);
        }
      } catch {
        // A process that ended meanwhile.
      }
    }
  } catch {
    return null;
  }
  return ticks * 10;
}

function summary(name, times) {
  const sorted = [...times].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  // The least is the figure the machine's load disturbs least.
  console.log(`${name.padEnd(44)} median ${at(0.5).toFixed(2).padStart(7)} ms   p90 ${at(0.9).toFixed(2).padStart(7)} ms   max ${sorted.at(-1).toFixed(2).padStart(7)} ms   least ${sorted[0].toFixed(2).padStart(7)} ms`);
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

  // The chain is answered in a worker: from the input to the answer shown, and the engine's own
  // time in the worker. Each run a new seed, so that each is a new request.
  await page.goto(`${site.url}${kTenLinks}`);
  await page.reload();
  await page.waitForFunction(() => document.body.dataset.ready && !document.querySelector('main[data-busy]'));
  const cpuBefore = workerCpuMs();
  const chain = await page.evaluate(async (runs) => {
    const input = document.getElementById('chain-seed');
    const shown = [];
    const inWorker = [];
    for (let run = 0; run < runs; ++run) {
      const before = performance.getEntriesByName('quorlan-chain-answer').length;
      input.value = String(run + 1);
      input.dispatchEvent(new Event('input', {bubbles: true}));
      while (performance.getEntriesByName('quorlan-chain-answer').length === before) await new Promise((wake) => setTimeout(wake, 1));
      const entry = performance.getEntriesByName('quorlan-chain-answer').at(-1);
      shown.push(entry.duration);
      inWorker.push(entry.detail.workerMs);
    }
    return {shown, inWorker};
  }, runs);
  const cpuAfter = workerCpuMs();
  summary('chain, 10 links, 10^6 samples: in the worker', chain.inWorker);
  summary('chain, 10 links, 10^6 samples: input to shown', chain.shown);
  if (cpuBefore !== null && cpuAfter !== null) {
    console.log(`${'chain, 10 links, 10^6 samples: worker CPU'.padEnd(44)} ${((cpuAfter - cpuBefore) / runs).toFixed(1)} ms a run (the mean of ${runs})`);
  }
} finally {
  await browser.close();
  await site.close();
}
