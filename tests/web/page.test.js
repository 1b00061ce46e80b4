// The web page in Debian's Chromium, driven as a child would through the DevTools protocol:
//   node page.test.js FOLDER
// FOLDER (what the zip holds) is served on 127.0.0.1. At 799 x 620 the window fills the page
// at scale 1, so the places come from the window's layout; every step is judged from
// screenshots. The steps build on each other, so the first failure ends the run.
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { decodePng, face, same, isDark, rayCover, hourOnFace, knobCentre, count } = require('./screen.js');

const PATIENCE = 30000;
const STARTER = [30, 485], STARTER_FACE = [0xa6, 0xca, 0xf0];
const DIGITAAL_ANALOOG = [92, 501], ANALOOG_DIGITAAL = [313, 501];
const KEUZE_OK = [546, 476], VRAAGTEKEN = [496, 260], AD_OK = [496, 397], AD_STOP = [496, 477];
const HULPJES = [649, 73], STOP_PICTURE = [54, 116], PARKING = [596, 300];
const INFO_PICTURE = [745, 47], INFO_BUTTON = [460, 248], INFO_OK = [403, 397];
const CHECKS = { VraagtekenAan: [241 + 63, 7 + 63, 101], SecondenAan: [241 + 30, 7 + 17, 134],
                 WijzerCorrectie: [241 + 19, 7 + 40, 145] };
const CHOICE_TITLE = [415, 150], EXERCISE_MEMO = [420, 200], INFO_PANEL = [125, 300];
const DIGIKLOK = [166, 497, 72, 23], OVERLAY_LABEL = [170, 99, 66, 13], FACE = [12, 100, 380, 380];
const LABEL6 = [637, 215, 105, 37], LABEL8 = [637, 378, 105, 37];
const BLACK = [0, 0, 0], WHITE = [255, 255, 255], BLUE = [0, 0, 255], YELLOW = [255, 255, 0];
const RED = [255, 0, 0], GREEN = [0, 128, 0], HELP_STRIP = [128, 128, 128], SETTINGS = [0, 128, 128];
const SITES = ['http://tikara.example/', 'http://klokles.example/'];
const sleep = ms => new Promise(r => setTimeout(r, ms));

class Page {
  constructor(page) {
    this.page = page;
    this.origin = [0, 0];
  }
  // The whole page as it shows: a clip or a capture beyond the page would resize the page
  // for a moment, which the program follows.
  async shot() {
    const [x, y] = this.origin;
    const page = decodePng(Buffer.from(await this.page.screenshot({ captureBeyondViewport: false })));
    return { pixel: (px, py) => page.pixel(px + x, py + y) };
  }
  async waitFor(what, test, timeout = PATIENCE) {
    const end = Date.now() + timeout;
    for (;;) {
      const result = await test();
      if (result)
        return result;
      if (Date.now() > end)
        throw new Error(`waited ${timeout / 1000} s for ${what}`);
      await sleep(100);
    }
  }
  async pixelIs(what, [x, y], colour) {
    return this.waitFor(what, async () => same((await this.shot()).pixel(x, y), colour));
  }
  at([x, y]) { return [this.origin[0] + x, this.origin[1] + y]; }
  async click(place) {
    await this.page.mouse.click(...this.at(place));
    await this.page.mouse.move(...this.at(PARKING));
  }
  async tap(place) { await this.page.touchscreen.tap(...this.at(place)); }
  async key(name) { await this.page.keyboard.press(name); }
  // A reading of the face that stays the same over three shots.
  async settled(what, read) {
    const history = [];
    return this.waitFor(what, async () => {
      history.push(read(await this.shot()));
      await sleep(200);
      return history.length >= 3 && history.slice(-3).every(h => h === history.at(-1) && h !== null);
    }).then(() => history.at(-1));
  }
  // "1 OP 1": the yellow points and the blue maximum drawn alike, and not as the "0" of the start.
  async oneOfOne() {
    const shot = await this.shot();
    const points = glyph(shot, LABEL6, YELLOW);
    return points === glyph(shot, LABEL8, BLUE) && points !== this.zero;
  }
}

// The label's ink as a string of bits: pixels nearer the ink than the score panel's background.
function glyph(shot, [x, y, w, h], ink) {
  let bits = '';
  for (let dy = 0; dy < h; ++dy)
    for (let dx = 0; dx < w; ++dx) {
      const rgb = shot.pixel(x + dx, y + dy), background = [0xbf, 0xcd, 0xdb];
      const near = rgb.reduce((s, c, i) => s + Math.abs(c - ink[i]), 0) < rgb.reduce((s, c, i) => s + Math.abs(c - background[i]), 0);
      bits += near ? '1' : '0';
    }
  return bits;
}

const checkTicked = (shot, [x, y, w]) => count(shot, [x + w - 11, y + 4, 8, 8], BLACK) >= 5;
const hourHandAt = (shot, hour) => rayCover(shot, 5 * hour, isDark) >= 0.9;
const minuteTip = (test) => (shot, p) => rayCover(shot, p, test, face.MINUTE_KNOB + 9, 189 - 51, 1) === 1;
const knobNear = (shot, distance, p) => {
  const c = knobCentre(shot, distance), e = face.point(p, distance);
  return c !== null && Math.abs(c[0] - e[0]) <= 2 && Math.abs(c[1] - e[1]) <= 2;
};

async function setCheck(app, name, ticked) {
  const [x, y, w] = CHECKS[name];
  if (checkTicked(await app.shot(), CHECKS[name]) !== ticked)
    await app.click([x + w - 7, y + 8]);
  await app.waitFor(`${name} ${ticked}`, async () => checkTicked(await app.shot(), CHECKS[name]) === ticked);
}

// Picks a hand up by its knob and puts it down on a mark, by mouse or by touch.
async function setHand(app, distance, position, touch) {
  const knob = await app.waitFor(`the knob at ${distance}`, async () => knobCentre(await app.shot(), distance));
  const mark = face.point(position, face.NUMERAL);
  if (touch) {
    await app.tap(knob);
    await app.tap(mark);
  } else {
    await app.click(knob);
    await app.page.mouse.move(...app.at(mark));
    await app.click(mark);
  }
  await app.waitFor(`the hand put down at ${position}`, async () => {
    const shot = await app.shot();
    return rayCover(shot, position, isDark) >= 0.9 && knobNear(shot, distance, position);
  });
}

// Holds "?" and counts the red and green of the knobs while the task's time shows.
async function whileAsked(app, touch, read) {
  if (touch)
    await app.page.touchscreen.touchStart(...app.at(VRAAGTEKEN));
  else {
    await app.page.mouse.move(...app.at(VRAAGTEKEN));
    await app.page.mouse.down();
  }
  try {
    return await read();
  } finally {
    if (touch)
      await app.page.touchscreen.touchEnd();
    else
      await app.page.mouse.up();
    await app.page.mouse.move(...app.at(PARKING));
  }
}

async function startExercise(app, starter, touch) {
  await (touch ? app.tap(starter) : app.click(starter));
  await app.pixelIs('the choice panel', CHOICE_TITLE, [0xab, 0xab, 0xab]);
  await (touch ? app.tap(KEUZE_OK) : app.click(KEUZE_OK));
  await app.pixelIs('the exercise panel', EXERCISE_MEMO, BLACK);
}

async function digitalToAnalog(app, touch) {
  await startExercise(app, DIGITAAL_ANALOOG, touch);
  const hour = await whileAsked(app, touch, () => app.settled("the task's hour while '?' is held", hourOnFace));
  await setHand(app, face.MINUTE_KNOB, 0, touch);
  await setHand(app, face.HOUR_KNOB, 5 * ((hour + 6) % 12), touch);
  const wrong = await whileAsked(app, touch, () => app.waitFor("red knobs while '?' is held",
                                                                async () => count(await app.shot(), FACE, RED)));
  await setHand(app, face.HOUR_KNOB, 5 * hour, touch);
  const right = await whileAsked(app, touch, () => app.waitFor("only green knobs while '?' is held", async () => {
    const shot = await app.shot();
    return count(shot, FACE, RED) === 0 && count(shot, FACE, GREEN);
  }));
  await (touch ? app.tap(AD_OK) : app.click(AD_OK));
  await app.waitFor('the score to read 1 OP 1', () => app.oneOfOne());
  await (touch ? app.tap(AD_STOP) : app.click(AD_STOP));
  await app.pixelIs('the starters after Stop Oefening', STARTER, STARTER_FACE);
  return `hour ${hour}; '?' showed ${wrong} red, then ${right} green pixels`;
}

const steps = [
  ['the window drawn and the clock ticking', async (app) => {
    await app.pixelIs("the window's first picture", STARTER, STARTER_FACE);
    const clock = async () => glyph(await app.shot(), DIGIKLOK, BLACK);
    const first = await clock();
    await app.waitFor('the digital clock to tick', async () => (await clock()) !== first, 3000);
    for (const [name, ticked] of [['VraagtekenAan', true], ['SecondenAan', false], ['WijzerCorrectie', false]])
      await setCheck(app, name, ticked);
    app.zero = glyph(await app.shot(), LABEL6, YELLOW);
    return 'the digital clock moved within 3 s';
  }],
  ["digital -> analog by clicks scores 1 OP 1; '?' shows red, then green", app => digitalToAnalog(app, false)],
  ['digital -> analog by touch taps scores 1 OP 1', app => digitalToAnalog(app, true)],
  ['analog -> digital by typing scores 1 OP 1', async (app) => {
    await app.click(ANALOOG_DIGITAAL);
    await app.pixelIs('the choice panel', CHOICE_TITLE, [0xab, 0xab, 0xab]);
    await app.key('Enter');
    await app.pixelIs('the exercise panel', EXERCISE_MEMO, BLACK);
    const hour = await app.settled("the task's hour on the hands", hourOnFace);
    await app.page.keyboard.type(String(hour || 12));
    await app.key('Enter');
    await app.key('Enter');
    await app.waitFor('the score to read 1 OP 1', () => app.oneOfOne());
    await app.click(AD_STOP);
    await app.pixelIs('the starters', STARTER, STARTER_FACE);
    return `typed ${hour || 12}`;
  }],
  ['the overlay toggled, a click through it reaches the clock', async (app) => {
    await startExercise(app, DIGITAAL_ANALOOG, false);
    const shot = await app.shot();
    const now = [...Array(60).keys()].filter(p => minuteTip(isDark)(shot, p));
    if (now.length !== 1)
      throw new Error(`the minute hand is not found (tips at ${now})`);
    await app.click(knobCentre(shot, face.MINUTE_KNOB));
    await app.click(HULPJES);
    await app.waitFor("the overlay's ink", async () => count(await app.shot(), OVERLAY_LABEL, BLUE) > 20);
    const target = [38, 22, 8].find(t => Math.min((t - now[0] + 60) % 60, (now[0] - t + 60) % 60) >= 4);
    const mark = face.point(target, face.DOT);
    await app.page.mouse.move(...app.at(mark));
    await app.click([mark[0], mark[1] + 4]);
    await app.waitFor(`the minute hand at ${target}`, async () => {
      const s = await app.shot();
      return minuteTip(isDark)(s, target) && knobNear(s, face.MINUTE_KNOB, target);
    });
    await app.click(HULPJES);
    await app.waitFor("the overlay's ink to go", async () => count(await app.shot(), OVERLAY_LABEL, BLUE) === 0);
    await app.click(AD_STOP);
    return `minute hand moved from ${now[0]} to ${target} through the overlay`;
  }],
  ['an info button opens one of the two addresses in a new tab', async (app) => {
    await app.click(INFO_PICTURE);
    await app.pixelIs('the info panel', INFO_PANEL, BLUE);
    const opened = app.browser.waitForTarget(t => t.opener() === app.page.target(), { timeout: PATIENCE });
    await app.click(INFO_BUTTON);
    const tab = await opened;
    if (!SITES.includes(tab.url()))
      throw new Error(`a tab opened at ${tab.url()}`);
    app.openedTab = tab.url();
    const page = await tab.page();
    if (page)
      await page.close();
    await app.page.bringToFront();
    await app.click(INFO_OK);
    await app.waitFor('the info panel to close', async () => !same((await app.shot()).pixel(...INFO_PANEL), BLUE));
    return tab.url();
  }],
  ["STOP shows the end screen, whose button starts afresh", async (app) => {
    await app.click(STOP_PICTURE);
    await app.page.waitForSelector('#einde:not([hidden])', { timeout: PATIENCE });
    const said = await app.page.$eval('#einde', e => e.innerText.replace(/\s+/g, ' ').trim());
    await app.page.click('#opnieuw');
    await app.page.waitForSelector('#laden[hidden]', { timeout: PATIENCE });
    await app.pixelIs("the window's first picture", STARTER, STARTER_FACE);
    return said;
  }],
  ['a new version replaces the old one at the next visit', async (app) => {
    await app.page.evaluate(() => navigator.serviceWorker.ready);
    const cached = () => app.page.evaluate(() => caches.keys());
    const old = app.page.evaluate(() => document.body.dataset.versie);
    const [before, versie] = [await cached(), await old];
    // The next version: the same files under another version, as a new build names them.
    for (const name of ['index.html', 'service-worker.js']) {
      const file = path.join(app.folder, name);
      fs.writeFileSync(file, fs.readFileSync(file, 'utf8').replaceAll(versie, 'volgende'));
    }
    await app.page.reload();
    await app.page.waitForSelector('#laden[hidden]', { timeout: PATIENCE });
    await app.waitFor('only the new version kept', async () => (await cached()).join() === 'tikara-volgende');
    return `${before.join()} replaced by tikara-volgende`;
  }],
  ['a reload with the server stopped starts the program again', async (app) => {
    await app.page.evaluate(() => navigator.serviceWorker.ready);
    await app.waitFor('the page controlled by its service worker',
                      () => app.page.evaluate(() => Boolean(navigator.serviceWorker.controller)));
    app.stopServer();
    await app.page.reload();
    await app.page.waitForSelector('#laden[hidden]', { timeout: PATIENCE });
    await app.pixelIs("the window's first picture", STARTER, STARTER_FACE);
    return 'started from the cache';
  }],
  ['the whole window shows at 1366x768, 1024x768, 768x1024 and a phone', async (app) => {
    const seen = [];
    for (const [width, height, scale] of [[1366, 768, 1], [1024, 768, 2], [768, 1024, 2], [390, 664, 3]]) {
      await app.page.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: true });
      await app.waitFor(`the whole window at ${width}x${height}`, async () => wholeWindow(app, width, height, scale));
      seen.push(`${width}x${height}@${scale}`);
    }
    await app.page.setViewport({ width: 799, height: 620, deviceScaleFactor: 1, hasTouch: true });
    return seen.join(', ');
  }],
  ['a Dutch message where WebAssembly or WebGL is missing', async (app) => {
    const said = [];
    for (const [take, expected] of [['delete window.WebAssembly', 'WebAssembly ontbreekt'],
                                    ['HTMLCanvasElement.prototype.getContext = () => null', 'WebGL staat uit']]) {
      const page = await app.browser.newPage();
      await page.evaluateOnNewDocument(take);
      await page.goto(app.url);
      const text = await page.$eval('#tekst', e => e.textContent);
      await page.close();
      if (!text.includes(expected))
        throw new Error(`without it the page says "${text}"`);
      said.push(expected);
    }
    return said.join('; ');
  }],
  ['the page asks only for its own files and stores nothing', async (app) => {
    // The program's script is handed to the browser from memory, as a blob of the page's own.
    const own = u => u.startsWith(app.url) || u.startsWith(`blob:${app.url.slice(0, -1)}`);
    const strange = app.requests.filter(u => !own(u) && u !== app.openedTab);
    if (strange.length)
      throw new Error(`asked for ${strange.join(', ')}`);
    const stored = await app.page.evaluate(async () => ({
      cookies: document.cookie, local: localStorage.length, session: sessionStorage.length,
      databases: (await indexedDB.databases()).length }));
    if (stored.cookies || stored.local || stored.session || stored.databases)
      throw new Error(`stored ${JSON.stringify(stored)}`);
    return `${app.requests.length} requests, all to ${app.url}`;
  }],
];

// Whole: the settings' top-left corner and the help strip's bottom-right corner both inside the
// browser's window, where the scale puts them, and the canvas drawn at the device's pixels.
async function wholeWindow(app, width, height, deviceScale) {
  const box = await app.page.$eval('#scherm', e => {
    const r = e.getBoundingClientRect(), canvas = e.querySelector('canvas') || e.shadowRoot?.querySelector('canvas');
    return { x: r.x, y: r.y, w: r.width, h: r.height, pixels: canvas ? canvas.width : 0 };
  });
  const scale = box.w / 799;
  if (box.x < 0 || box.y < 0 || box.x + box.w > width + 0.5 || box.y + box.h > height + 0.5 || box.pixels < box.w * deviceScale - 2)
    return false;
  const shot = decodePng(Buffer.from(await app.page.screenshot({ captureBeyondViewport: false })));
  const at = ([x, y]) => shot.pixel(Math.round((box.x + x * scale) * deviceScale), Math.round((box.y + y * scale) * deviceScale));
  // Scaled down, a pixel may mix with its neighbours a little.
  const near = (rgb, colour) => rgb !== null && rgb.every((v, i) => Math.abs(v - colour[i]) <= 8);
  return near(at([40, 40]), SETTINGS) && near(at([770, 600]), HELP_STRIP) && near(at([36, 490]), STARTER_FACE);
}

async function main() {
  if (!process.argv[2]) {
    console.error('usage: node page.test.js FOLDER');
    return 2;
  }
  // A copy is served, as a later step puts a new version in its place.
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tikara-web-'));
  fs.cpSync(process.argv[2], folder, { recursive: true });
  const server = spawn(process.env.PYTHON3 || 'python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder]);
  const port = await new Promise((resolve, reject) => {
    server.stdout.on('data', d => { const m = /port (\d+)/.exec(d.toString()); if (m) resolve(m[1]); });
    server.on('exit', code => reject(new Error(`the web server ended with ${code}`)));
  });
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--disable-quic', '--enable-unsafe-swiftshader', '--use-angle=swiftshader'] });
  let passed = 0, failed = 0;
  const app = new Page(await browser.newPage());
  Object.assign(app, { browser, folder, url: `http://127.0.0.1:${port}/`, requests: [], stopServer: () => server.kill() });
  app.page.on('request', r => app.requests.push(r.url()));
  app.page.on('pageerror', e => console.log(`page error: ${e.message}`));
  try {
    await app.page.setViewport({ width: 799, height: 620, deviceScaleFactor: 1, hasTouch: true });
    await app.page.goto(app.url);
    await app.page.waitForSelector('#laden[hidden]', { timeout: PATIENCE });
    for (const [name, step] of steps) {
      const begin = Date.now();
      try {
        const note = await step(app);
        console.log(`ok ${++passed} - ${name} (${note}; ${((Date.now() - begin) / 1000).toFixed(1)} s)`);
      } catch (e) {
        console.log(`FAIL: ${name}: ${e.message}`);
        await app.page.screenshot({ path: 'web_failure.png', captureBeyondViewport: false });
        console.log(`the page at the failure: ${process.cwd()}/web_failure.png`);
        failed = 1;
        break;
      }
    }
  } finally {
    await browser.close();
    server.kill();
    fs.rmSync(folder, { recursive: true, force: true });
  }
  console.log(`${passed} passed, ${failed} failed`);
  return failed ? 1 : 0;
}

main().then(code => process.exit(code), e => { console.error(e); process.exit(1); });
