// The web page's first visit in headless Chromium: the bytes the program transfers and the
// time from the start of navigation to the first drawn window, from a local server and with the
// network throttled to 20 Mbit/s. Each run is a fresh browser profile (no cache, no service
// worker). Run it with bench/web.sh, after scripts/build-web.sh.
//   node bench/web.js FOLDER [RUNS]
'use strict';
const { spawn } = require('node:child_process');
const puppeteer = require('puppeteer-core');

const LIMITS = { local: 1500, throttled: 3000, transferred: 4e6 };
const THROTTLED = { offline: false, latency: 20, downloadThroughput: 20e6 / 8, uploadThroughput: 5e6 / 8 };

async function firstVisit(browser, url, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  if (network)
    await cdp.send('Network.emulateNetworkConditions', network);
  let transferred = 0;
  cdp.on('Network.loadingFinished', e => { transferred += e.encodedDataLength; });
  await page.goto(url);
  await page.waitForSelector('#laden[hidden]', { timeout: 60000 });
  // The window is drawn in the frame after the program has shown it.
  const drawn = await page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(performance.now())))));
  await context.close();
  return { drawn, transferred };
}

const median = v => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

async function main() {
  const [folder, runs = 5] = process.argv.slice(2);
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder]);
  const port = await new Promise(resolve => server.stdout.on('data', d => {
    const m = /port (\d+)/.exec(d.toString());
    if (m) resolve(m[1]);
  }));
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--enable-unsafe-swiftshader', '--use-angle=swiftshader'] });
  const url = `http://127.0.0.1:${port}/`;
  let ok = true;
  try {
    await firstVisit(browser, url);
    for (const [name, network] of [['local', null], ['throttled', THROTTLED]]) {
      const visits = [];
      for (let i = 0; i < runs; ++i)
        visits.push(await firstVisit(browser, url, network));
      const times = visits.map(v => v.drawn);
      const drawn = median(times);
      ok &&= drawn <= LIMITS[name];
      console.log(`${name.padEnd(9)} first drawn window: median ${drawn.toFixed(0)} ms ` +
                  `(${Math.min(...times).toFixed(0)}-${Math.max(...times).toFixed(0)}, ${runs} runs; limit ${LIMITS[name]} ms)`);
      if (name === 'local') {
        const bytes = median(visits.map(v => v.transferred));
        ok &&= bytes <= LIMITS.transferred;
        console.log(`transferred on a first visit: ${(bytes / 1e6).toFixed(2)} MB (limit ${LIMITS.transferred / 1e6} MB)`);
      }
    }
  } finally {
    await browser.close();
    server.kill();
  }
  console.log(ok ? 'within every limit' : 'OVER A LIMIT');
  return ok ? 0 : 1;
}

main().then(code => process.exit(code), e => { console.error(e); process.exit(1); });
