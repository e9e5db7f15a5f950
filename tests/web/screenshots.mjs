// Takes a picture of each view of the built page, at a desktop width and at a 360 px phone's.
// Usage: node screenshots.mjs SITE OUT_FOLDER [PHONE_OUT_FOLDER]
import puppeteer from 'puppeteer-core';
import {serveSite} from './static_server.mjs';

const [siteFolder, out, phoneOut] = process.argv.slice(2);
const kViews = [
  ['fit', '#fit=H7/k6&size=25&lang=en'],
  ['find', '#tab=find&size=40&min_clearance=-20&max_clearance=30&grades=6-7&lang=en'],
  ['service', '#tab=service&fit=H7/s6&size=40&hub_od=80&length=40&hub_material=cast-iron&lang=en'],
  ['table', '#tab=table&size=40&letter=H&lang=zh'],
  ['general', '#tab=general&size=35&class=mK&lang=en'],
  ['bearing', '#tab=bearing&size=25&seat=k5&class=normal&lang=zh'],
  ['thread', '#tab=thread&thread=M10-6H/6g&lang=zh'],
  ['chain', '#tab=chain&link=housing,1,50,H8&link=bearing,-1,20,0/-0.12&link=spacer,-1,28.5,%2B0.05/-0.1,triangular'
    + '&link=circlip,-1,1.2,2768-m,uniform&require=0.1,0.5&lang=en'],
];
const site = await serveSite(siteFolder);
const browser = await puppeteer.launch({
  executablePath: process.env.QUORLAN_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--hide-scrollbars'],
});
try {
  const page = await browser.newPage();
  for (const [folder, width] of [[out, 1100], [phoneOut, 360]]) {
    if (!folder) continue;
    await page.setViewport({width, height: 800});
    for (const [name, fragment] of kViews) {
      await page.goto(`${site.url}${fragment}`);
      await page.reload();
      await page.waitForSelector('body[data-ready]');
      // The chain's answer comes from its worker.
      await page.waitForFunction(() => !document.querySelector('main[data-busy]'));
      await page.screenshot({path: `${folder}/web-${name}.png`, fullPage: true});
    }
  }
} finally {
  await browser.close();
  await site.close();
}
