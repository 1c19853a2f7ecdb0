// The game's page in headless Chromium, driven through puppeteer-core.
//
//   node tests/web_browser.mjs BUILD_WEB REFERENCE SCRIPT PASSES
//
// (tests/web_browser.sh prepares all that and runs it.) BUILD_WEB is the
// folder that `make web` fills; REFERENCE holds what the native game made:
// splash.bmp and title.bmp (--dump-frame of a splash and a title pass) and
// script.trace (--trace of SCRIPT for PASSES passes).
//
// Serves BUILD_WEB on 127.0.0.1 and checks, in one page, that the splash and
// then the title show the native pictures pixel for pixel, that the first key
// only opens the page's gate, that a key then starts play and that Space and
// Right act on the picture, that passes run 60 a second, that a hidden page
// runs none, that a click on the canvas opens the pause menu, which holds the
// game until Escape, and that Escape then Q ends it and offers another; that the picture fills a large window;
// on phones held upright and turned, that the picture and the touch buttons
// are all in sight and play as the keys do; that a pad plays; in another page,
// that animation frames 144 times a second still run 60 passes a second; in
// another, that SCRIPT played there gives the native trace byte for byte;
// that runs which cannot start (a script that is missing, from another site,
// beside a game to watch, options refused, data that fails to load) end with
// a line and the right status; that a game played to its end is kept (its
// replay is written to REFERENCE/browser.script), or a line says it could not
// be stored; that the panel lists at most ten verified games; that a game
// chosen in the menu's Best games page is watched; that watching a
// game that began long after the page opened never blocks the page long; and
// that a second visit plays offline. No page may log an error or load
// anything from another site. Prints the time that each pass of play took at
// the keyboard and in the scripted run, which also writes the trace (its mean
// and 99th percentile), the time from load to the
// first picture, and the longest task while catching up a watched game.
//
// SHOTS=FOLDER keeps a screenshot of each layout there.
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import path from 'node:path';

const [buildDir, referenceDir, scriptFile, passesText] = process.argv.slice(2);
if (!passesText) {
  console.error('usage: node tests/web_browser.mjs BUILD_WEB REFERENCE SCRIPT PASSES');
  process.exit(2);
}
// puppeteer-core as tests/web_browser.sh installs it, inside the build folder.
const puppeteer =
    createRequire(path.resolve(buildDir, 'test-node_modules', 'package.json'))('puppeteer-core');
const kWidth = 640;
const kHeight = 480;

const failures = [];
// Each part's time, to keep the whole run short.
let partStart = Date.now();
function part(title) {
  console.log(`  (${((Date.now() - partStart) / 1000).toFixed(1)} s)`);
  console.log(title);
  partStart = Date.now();
}

function check(ok, what) {
  console.log(`  ${ok ? 'ok' : 'FAILED'}: ${what}`);
  if (!ok) failures.push(what);
}

// A static file server for the build folder, as any would serve it.
const types = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json'
};
const server = http.createServer((request, response) => {
  const name = path.join(buildDir, decodeURIComponent(new URL(request.url, 'http://x').pathname));
  fs.readFile(name.endsWith('/') ? name + 'index.html' : name, (error, body) => {
    if (error) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(
        200, {'Content-Type': types[path.extname(name)] || 'application/octet-stream'});
    response.end(body);
  });
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

// Another site, which the page must never ask for anything.
let foreignRequests = 0;
const foreign = http.createServer((request, response) => {
  ++foreignRequests;
  response.writeHead(200, {'Access-Control-Allow-Origin': '*'}).end('');
});
await new Promise((resolve) => foreign.listen(0, '127.0.0.1', resolve));
const foreignOrigin = `http://127.0.0.1:${foreign.address().port}`;

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  // Sound only after the player's first input, as browsers start by default.
  args: [
    '--autoplay-policy=user-gesture-required',
    ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [])
  ],
});

// A page whose errors and foreign loads are counted as failures. Options:
// `before` runs in it before any of its own scripts; `viewport` is
// puppeteer's; `errors` is where console errors go instead (a page that is
// meant to report some); `context` a browser context of its own; `prepare`
// runs on the page before it loads.
async function openPage(url, options = {}) {
  const page = await (options.context || browser).newPage();
  if (options.before) await page.evaluateOnNewDocument(options.before);
  await page.setViewport(options.viewport || {width: 1280, height: 1024});
  page.on('console', (message) => {
    if (message.type() !== 'error') return;
    if (options.errors) {
      options.errors.push(message.text());
    } else {
      failures.push(`console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => failures.push(`page error: ${error.message}`));
  page.on('request', (request) => {
    const where = request.url();
    if (!where.startsWith(origin) && !where.startsWith('data:') && !where.startsWith('blob:')) {
      failures.push(`loaded from elsewhere: ${where}`);
    }
  });
  if (options.prepare) await options.prepare(page);
  await page.goto(url);
  return page;
}

// A run that does not start: its status, and the page's line.
async function endOf(page) {
  const ended = await page.evaluate(() => window.ridgeline.ended);
  const line = await page.evaluate(() => document.getElementById('status').textContent);
  return {status: ended.status, line};
}

async function screenshot(page, name) {
  if (process.env.SHOTS) await page.screenshot({path: path.join(process.env.SHOTS, `${name}.png`)});
}

// Where an element is, and whether it is wholly inside the viewport.
function placeOf(page, selector) {
  return page.evaluate((s) => {
    const box = document.querySelector(s).getBoundingClientRect();
    const shown = getComputedStyle(document.querySelector(s)).visibility !== 'hidden' &&
        box.width > 0;
    return {
      x: box.x,
      y: box.y,
      width: box.width,
      height: box.height,
      inside: shown && box.left >= 0 && box.top >= 0 && box.right <= window.innerWidth &&
          box.bottom <= window.innerHeight
    };
  }, selector);
}

// Whether the game in `page` has ended.
const isEnded = (page) => page.evaluate(() => {
  let ended = false;
  window.ridgeline.ended.then(() => {
    ended = true;
  });
  return new Promise((resolve) => setTimeout(() => resolve(ended), 0));
});

// Whether `waiting` (a puppeteer wait) comes true before its time is up.
const comesTrue = (waiting) => waiting.then(() => true, () => false);

const passes = (page) => page.evaluate(() => window.ridgeline.stats.passes);
async function waitForPasses(page, count) {
  await page.waitForFunction((n) => window.ridgeline.stats.passes >= n, {timeout: 60000}, count);
}

// The canvas as RGBA bytes, 640 x 480.
async function canvasPixels(page) {
  const text = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let binary = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      binary += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(binary);
  });
  return Buffer.from(text, 'base64');
}

// A 24-bit BMP file as {width, height, pixels}, the pixels RGBA bytes with
// the top row first.
function readBmp(file) {
  const bmp = fs.readFileSync(file);
  const offset = bmp.readUInt32LE(10);
  const width = bmp.readInt32LE(18);
  const height = Math.abs(bmp.readInt32LE(22));
  if (bmp.readUInt16LE(28) !== 24) throw new Error(`${file}: not a 24-bit BMP`);
  const stride = Math.ceil((width * 3) / 4) * 4;
  const pixels = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const row = offset + (bmp.readInt32LE(22) > 0 ? height - 1 - y : y) * stride;
    for (let x = 0; x < width; ++x) {
      const from = row + x * 3;
      const to = (y * width + x) * 4;
      pixels[to] = bmp[from + 2];
      pixels[to + 1] = bmp[from + 1];
      pixels[to + 2] = bmp[from];
      pixels[to + 3] = 255;
    }
  }
  return {width, height, pixels};
}

// The game draws in 16 bits (5, 6 and 5 bits of red, green and blue); the
// page and the native picture files widen that to 8 bits each, rounding the
// last bits each its own way. Pictures are compared in the game's own bits.
function gameColour(pixels, i) {
  return ((pixels[i] >> 3) << 11) | ((pixels[i + 1] >> 2) << 5) | (pixels[i + 2] >> 3);
}

function differingPixels(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; i += 4) {
    if (gameColour(a, i) !== gameColour(b, i)) ++count;
  }
  return count;
}

// Where one of `sprites` (read with readBmp) shows best in row `y` of the
// canvas: its left edge, and the share of its drawn (not black) pixels that
// the canvas shows there.
function findSprite(canvas, sprites, y) {
  let best = {x: -1, share: 0};
  for (const sprite of sprites) {
    const drawn = [];
    for (let i = 0; i < sprite.pixels.length; i += 4) {
      const colour = gameColour(sprite.pixels, i);
      if (colour !== 0)
        drawn.push([(i / 4) % sprite.width, Math.floor(i / 4 / sprite.width), colour]);
    }
    for (let x = 0; x + sprite.width <= kWidth; ++x) {
      let matching = 0;
      for (const [dx, dy, colour] of drawn) {
        if (gameColour(canvas, ((y + dy) * kWidth + x + dx) * 4) === colour) ++matching;
      }
      if (matching / drawn.length > best.share) best = {x, share: matching / drawn.length};
    }
  }
  return best;
}

// Passes and animation frames a second, counted over 10 s of the page's own
// animation frames.
function passesPerSecond(page) {
  return page.evaluate(() => new Promise((resolve) => {
                         let start;
                         let startPasses;
                         let ticks = 0;
                         function tick(now) {
                           if (start === undefined) {
                             start = now;
                             startPasses = window.ridgeline.stats.passes;
                           }
                           if (now - start >= 10000) {
                             const seconds = (now - start) / 1000;
                             resolve({
                               passes: (window.ridgeline.stats.passes - startPasses) / seconds,
                               ticks: ticks / seconds
                             });
                           } else {
                             ++ticks;
                             requestAnimationFrame(tick);
                           }
                         }
                         requestAnimationFrame(tick);
                       }));
}

// "N passes a second over 10 s, at M animation frames a second", checked.
// The time that each pass of play took in `page`: how many, their mean and
// their 99th percentile, in milliseconds.
function passFigures(page) {
  return page.evaluate(() => {
    const times = [...window.ridgeline.stats.playTimes].sort((a, b) => a - b);
    const mean = times.reduce((sum, t) => sum + t, 0) / times.length;
    return {
      count: times.length,
      mean,
      p99: times[Math.min(times.length - 1, Math.floor(times.length * 0.99))]
    };
  });
}

function checkRate(rate) {
  check(
      Math.abs(rate.passes - 60) <= 1,
      `${rate.passes.toFixed(2)} passes a second over 10 s,` +
          ` at ${rate.ticks.toFixed(1)} animation frames a second`);
}

const bitmaps = path.join(buildDir, 'Data', 'Bitmap');
const shot = [readBmp(path.join(bitmaps, 'fire.bmp'))];
const player = [0, 1, 2, 3, 4].map((frame) => readBmp(path.join(bitmaps, `kelvane1${frame}.bmp`)));
// The player and its shots stand on this row while it does not jump.
const kPlayerY = 323;
// The share of a sprite's pixels that must show for it to be found: enemies
// may cover a part of it.
const kFound = 0.8;

// The checksum that the page keeps of each verified replay (64 bits, mixed as
// cyrb53 does).
function checksum(text) {
  let h1 = 0xdeadbeef;
  let h2 = 0x41c6ce57;
  for (let i = 0; i < text.length; ++i) {
    const c = text.charCodeAt(i);
    h1 = Math.imul(h1 ^ c, 2654435761);
    h2 = Math.imul(h2 ^ c, 1597334677);
  }
  h1 = Math.imul(h1 ^ (h1 >>> 16), 2246822507) ^ Math.imul(h2 ^ (h2 >>> 13), 3266489909);
  h2 = Math.imul(h2 ^ (h2 >>> 16), 2246822507) ^ Math.imul(h1 ^ (h1 >>> 13), 3266489909);
  return (h2 >>> 0).toString(16).padStart(8, '0') + (h1 >>> 0).toString(16).padStart(8, '0');
}

// Stores `games` ({name: text}) in a page's storage before it loads, the
// texts of `verifiedTexts` counted as verified.
function storing(games, verifiedTexts) {
  const sums = verifiedTexts.map(checksum);
  return (page) => page.evaluateOnNewDocument((g, v) => {
    if (sessionStorage.getItem('stored')) return;
    sessionStorage.setItem('stored', '1');
    localStorage.setItem('ridgeline.best', g);
    localStorage.setItem('ridgeline.verified', v);
  }, JSON.stringify(games), JSON.stringify(sums));
}

const shotOf = (pixels) => findSprite(pixels, shot, kPlayerY);
const playerOf = (pixels) => findSprite(pixels, player, kPlayerY);

// Play from the title through `press`, `hold` and `release` (each an async
// function of a key code, for the keyboard, the touch buttons or a pad): a
// key starts play, Fire fires and Right runs.
async function checkPlay(page, how, press, hold, release) {
  await press(32);
  await waitForPasses(page, (await passes(page)) + 2);
  const play = await canvasPixels(page);
  const standing = playerOf(play);
  check(
      standing.share >= kFound && standing.x === 100,
      `${how}: a key starts play, the player at x ${standing.x} (${
          (standing.share * 100).toFixed(0)}% shown)`);
  check(shotOf(play).share < kFound, `${how}: no shot flies before Fire`);
  await press(32);
  await waitForPasses(page, (await passes(page)) + 2);
  const fired = shotOf(await canvasPixels(page));
  check(
      fired.share >= kFound && fired.x > standing.x,
      `${how}: Fire fires, a shot at x ${fired.x} (${(fired.share * 100).toFixed(0)}% shown)`);
  await hold(39);
  await waitForPasses(page, (await passes(page)) + 20);
  await release(39);
  const ran = playerOf(await canvasPixels(page));
  check(
      ran.share >= kFound && ran.x >= standing.x + 60,
      `${how}: holding Right runs, the player at x ${ran.x} (${(ran.share * 100).toFixed(0)}% shown)`);
}

// A click (or tap) on the picture during play opens the pause menu, which
// holds the game without ending it; Escape goes on with the game.
async function checkPictureClick(page, how, click) {
  const view = await placeOf(page, '#view');
  await click(view.x + view.width / 2, view.y + view.height / 2);
  await new Promise((resolve) => setTimeout(resolve, 200));
  const at = await passes(page);
  await new Promise((resolve) => setTimeout(resolve, 500));
  check(await passes(page) === at && !(await isEnded(page)),
      `${how} on the picture opens the menu and does not end the game`);
  await page.keyboard.press('Escape');
  await waitForPasses(page, at + 20);
}

const keyNames = {27: 'Escape', 32: 'Space', 37: 'ArrowLeft', 38: 'ArrowUp', 39: 'ArrowRight'};

console.log('Play at the keyboard:');
const loadStart = Date.now();
const page = await openPage(`${origin}/index.html`);
await waitForPasses(page, 1);
const firstPicture = Date.now() - loadStart;
await waitForPasses(page, 30);
const splashDifference =
    differingPixels(await canvasPixels(page), readBmp(`${referenceDir}/splash.bmp`).pixels);
check(
    splashDifference === 0,
    `the splash shows the native splash picture (${splashDifference}` +
        ' pixels differ)');
await waitForPasses(page, 130);
const titleReference = readBmp(`${referenceDir}/title.bmp`).pixels;
const titleDifference = differingPixels(await canvasPixels(page), titleReference);
check(
    titleDifference === 0,
    `the title shows the native title picture (${titleDifference}` +
        ' pixels differ)');
check(
    await page.evaluate(() => !document.getElementById('gate').hidden),
    'the page asks for a key or a tap to play');
await page.keyboard.press('Enter');
await waitForPasses(page, (await passes(page)) + 5);
check(
    await page.evaluate(() => document.getElementById('gate').hidden) &&
        differingPixels(await canvasPixels(page), titleReference) === 0,
    'the first key opens the page, and the game stays at its title');
check(
    await page.evaluate(() => document.activeElement.id) === 'canvas',
    'the canvas has the keyboard focus');
const shown = await placeOf(page, '#view');
check(
    shown.inside && shown.width > kWidth && shown.height > kHeight,
    `at 1280 x 1024 the picture is ${shown.width} x ${shown.height}, all in sight`);
await screenshot(page, 'title-1280x1024');
await checkPlay(page, 'keys', (code) => page.keyboard.press(keyNames[code]),
    (code) => page.keyboard.down(keyNames[code]), (code) => page.keyboard.up(keyNames[code]));
await checkPictureClick(page, 'a click', (x, y) => page.mouse.click(x, y));

const rate = await passesPerSecond(page);
checkRate(rate);
const keyFigures = await passFigures(page);

// The page hidden, as when its tab is in the background.
const setHidden = (hidden) => page.evaluate((h) => {
  Object.defineProperty(document, 'hidden', {value: h, configurable: true});
  Object.defineProperty(
      document, 'visibilityState', {value: h ? 'hidden' : 'visible', configurable: true});
  document.dispatchEvent(new Event('visibilitychange'));
}, hidden);
await setHidden(true);
const hiddenAt = await passes(page);
await new Promise((resolve) => setTimeout(resolve, 500));
check(await passes(page) === hiddenAt, 'a hidden page runs no passes');
await setHidden(false);
await waitForPasses(page, hiddenAt + 10);

await page.keyboard.press('Escape');
// Taken at the next pass's event point: the passes then due still run.
await new Promise((resolve) => setTimeout(resolve, 200));
const menuAt = await passes(page);
await new Promise((resolve) => setTimeout(resolve, 500));
check(await passes(page) === menuAt, 'the pause menu holds the passes');
await page.keyboard.press('KeyQ');
const ended = await page.evaluate(() => window.ridgeline.ended);
check(ended.status === 0, `Escape and Q end the game (status ${ended.status})`);
check(
    await page.evaluate(() => !document.getElementById('again').hidden),
    'the page then offers to play again');
await page.mouse.click(10, 10);
await page.close();

part('A window of 1280 x 800:');
const wide = await openPage(`${origin}/index.html`, {viewport: {width: 1280, height: 800}});
await waitForPasses(wide, 130);
const wideView = await placeOf(wide, '#view');
check(
    wideView.inside && wideView.width > kWidth && wideView.height > kHeight,
    `the picture is ${wideView.width} x ${wideView.height}, all in sight`);
await screenshot(wide, 'title-1280x800');
await wide.close();

for (const [width, height] of [[390, 844], [844, 390]]) {
  part(`A phone, ${width} x ${height}:`);
  const phone = await openPage(`${origin}/index.html`, {
    viewport: {width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
    // Sound held until the player's first input, as a phone's browser does
    // (headless Chromium may let it start at once).
    before: () => {
      const Context = window.AudioContext;
      window.AudioContext = class extends Context {
        constructor(...options) {
          super(...options);
          this.suspend();
        }
      };
    }
  });
  await waitForPasses(phone, 130);
  const view = await placeOf(phone, '#view');
  check(view.inside, `the picture (${view.width.toFixed(0)} x ${view.height.toFixed(0)}) is all in sight`);
  for (const selector of ['37', '39', '38', '32', '27'].map((key) => `button[data-key="${key}"]`)) {
    const button = await placeOf(phone, selector);
    check(
        button.inside && button.width >= 48 && button.height >= 48,
        `${selector} is in sight, ${button.width} x ${button.height}`);
  }
  await screenshot(phone, `title-${width}x${height}`);
  const sound = () => phone.evaluate(() => Module.SDL2.audioContext.state);
  check(await sound() !== 'running', `no sound before the first tap (${await sound()})`);
  await phone.touchscreen.tap(view.x + view.width / 2, view.y + view.height / 2);
  await waitForPasses(phone, (await passes(phone)) + 5);
  check(await sound() === 'running', 'the first tap starts the sound');
  check(
      differingPixels(await canvasPixels(phone), titleReference) === 0,
      'the game stays at its title after the first tap');
  // A finger on each button as long as the key is meant to be held.
  const center = async (code) => {
    const button = await placeOf(phone, `button[data-key="${code}"]`);
    return [button.x + button.width / 2, button.y + button.height / 2];
  };
  const touches = {};
  await checkPlay(phone, 'touch', async (code) => phone.touchscreen.tap(...(await center(code))),
      async (code) => {
        touches[code] = await phone.touchscreen.touchStart(...(await center(code)));
      },
      (code) => touches[code].end());
  await screenshot(phone, `play-${width}x${height}`);
  // Escape, which resumes from the menu here, hides the buttons.
  await checkPictureClick(phone, 'a tap', (x, y) => phone.touchscreen.tap(x, y));
  await phone.close();
}

part('A pad:');
const padPage = await openPage(`${origin}/index.html`, {
  before: () => {
    // A standard pad, whose buttons the test presses through window.padButtons.
    const buttons = Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}));
    const pad = {
      id: 'Test pad',
      index: 0,
      connected: true,
      mapping: 'standard',
      timestamp: 1,
      axes: [0, 0, 0, 0],
      buttons
    };
    window.padButton = (button, down) => {
      buttons[button] = {pressed: down, touched: down, value: down ? 1 : 0};
      pad.timestamp++;
    };
    navigator.getGamepads = () => [pad, null, null, null];
  }
});
await waitForPasses(padPage, 130);
await padPage.keyboard.press('Shift');
const padButtons = {32: 1, 39: 15};
const padPress = async (code, down) => {
  await padPage.evaluate((b, d) => window.padButton(b, d), padButtons[code], down);
  await waitForPasses(padPage, (await passes(padPage)) + 2);
};
await checkPlay(padPage, 'pad', async (code) => {
  await padPress(code, true);
  await padPress(code, false);
}, (code) => padPress(code, true), (code) => padPress(code, false));
await padPage.close();

part('On a display refreshing 144 times a second:');
// Animation frames 144 times a second, which headless Chromium does not give.
const fast = await openPage(`${origin}/index.html`, {
  before: () => {
    window.requestAnimationFrame = (callback) =>
        setTimeout(() => callback(performance.now()), 1000 / 144);
  }
});
await waitForPasses(fast, 1);
const fastRate = await passesPerSecond(fast);
checkRate(fastRate);
await fast.close();

part(`A scripted run of ${passesText} passes:`);
const script = fs.readFileSync(scriptFile);
const scriptUrl = encodeURIComponent(`data:text/plain;base64,${script.toString('base64')}`);
const scripted = await openPage(`${origin}/index.html?frames=${passesText}&script=${scriptUrl}`);
await waitForPasses(scripted, 1);
const scriptedRate = await passesPerSecond(scripted);
checkRate(scriptedRate);
const run = await scripted.evaluate(() => window.ridgeline.ended);
const native = fs.readFileSync(`${referenceDir}/script.trace`, 'utf8');
check(
    run.status === 0 && run.trace === native,
    `its trace is the native trace (status ${run.status}, ${run.trace ? run.trace.length : 0}` +
        ` of ${native.length} bytes)`);
const figures = run.status !== 0 ? {count: 0, mean: 0, p99: 0} : await passFigures(scripted);
await scripted.close();

part('Runs that cannot start:');
const refusals = [
  ['a script that is not there', `?script=missing.script`, 1, /could not be read/],
  ['a script from another site', `?script=${encodeURIComponent(foreignOrigin + '/x.script')}`,
   2, /must be on this site/],
  ['a script and a game to watch', `?script=${scriptUrl}&watch=a.script`, 2, /cannot run together/],
  ['a number of passes that is none', `?script=${scriptUrl}&frames=many`, 2, /--frames/],
];
for (const [what, query, status, line] of refusals) {
  const errors = [];
  const refused = await openPage(`${origin}/index.html${query}`, {errors});
  const end = await endOf(refused);
  check(
      end.status === status && line.test(end.line),
      `${what}: status ${end.status}, "${end.line}"`);
  await refused.close();
}
check(foreignRequests === 0, `the other site had ${foreignRequests} requests`);
// In a browser of its own: here the page's files are kept by now.
const fresh = await browser.createBrowserContext();
const noData = await openPage(`${origin}/index.html`, {
  context: fresh,
  prepare: async (p) => {
    await p.setRequestInterception(true);
    p.on('request', (request) => request.url().endsWith('/index.data') ?
        request.respond({status: 404, body: ''}) : request.continue());
  },
  errors: []
});
const noDataEnd = await endOf(noData);
check(
    noDataEnd.status === 1 && /could not be loaded/.test(noDataEnd.line),
    `the game's data missing: status ${noDataEnd.status}, "${noDataEnd.line}"`);
await noData.close();
await fresh.close();

part('A game kept among the best, where the storage is full:');
const keeping = await openPage(`${origin}/index.html`, {
  before: () => {
    Storage.prototype.setItem = () => {
      throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
    };
  }
});
await waitForPasses(keeping, 200);
await keeping.keyboard.press('Enter');
await keeping.keyboard.press('Enter');
// The player stands still until the enemies reach him.
check(
    await comesTrue(keeping.waitForFunction(
        () => /cannot be saved/.test(document.getElementById('status').textContent),
        {timeout: 90000})),
    'a line says that the game kept cannot be saved');
const keptText = await keeping.evaluate(() => {
  const folder = '/saved/ridgeline/best';
  const [name] = FS.readdir(folder).filter((entry) => entry.endsWith('.script'));
  return FS.readFile(`${folder}/${name}`, {encoding: 'utf8'});
});
fs.writeFileSync(path.join(referenceDir, 'browser.script'), keptText);
await keeping.keyboard.press('Escape');
await keeping.keyboard.press('KeyQ');
await keeping.evaluate(() => window.ridgeline.ended);
await keeping.close();

part('The panel, and watching a kept game:');
// Twelve copies of the game kept, and a forged one that claims a better score.
const copies = {};
for (let i = 0; i < 12; ++i) copies[`copy${String(i).padStart(2, '0')}.script`] = keptText;
copies['forged.script'] = keptText.replace(/^# score .*$/m, '# score 999999');
const watching = await openPage(`${origin}/index.html?watch=copy00.script`,
    {prepare: storing(copies, [keptText])});
const began = Number(keptText.match(/^# began (\d+)$/m)[1]);
await waitForPasses(watching, began + 10);
const listedScores = await watching.evaluate(
    () => [...document.querySelectorAll('#best-list li span')].map((item) => item.textContent));
check(
    listedScores.length === 10 && listedScores.every((text) => !text.startsWith('999999')),
    `the panel lists ten games, no forged one (${listedScores.length}: ${listedScores[0]})`);
await watching.keyboard.press('Escape');
await watching.keyboard.press('Escape');
const watched = await watching.evaluate(() => window.ridgeline.ended);
check(watched.status === 0, `watching it ends by Escape (status ${watched.status})`);
await watching.close();

// Chosen in the menu's Best games page (Up twice from Resume), the best game
// is watched as the panel's Watch button does it.
const choosing = await openPage(`${origin}/index.html`, {prepare: storing(copies, [keptText])});
await waitForPasses(choosing, 130);
for (const key of ['Enter', 'Escape', 'ArrowUp', 'ArrowUp', 'Enter', 'Enter']) {
  await choosing.keyboard.press(key);
}
check(
    await comesTrue(choosing.waitForFunction(() => /^\?watch=copy\d\d\.script$/.test(location.search),
        {timeout: 20000})),
    `Enter on a game of the menu's Best games watches it (${choosing.url().split('/').pop()})`);
await choosing.close();

// A game that began 72,000 passes (20 minutes) after its page opened.
const kLate = 72000;
const late = keptText
    .replace(/^# (began|over) (\d+)$/mg, (line, key, pass) => `# ${key} ${Number(pass) + kLate}`)
    .replace(/^(\d+)\./mg, (line, pass) => `${Number(pass) + kLate}.`);
const lateWatch = await openPage(`${origin}/index.html?watch=late.script`, {
  prepare: storing({'late.script': late}, [late]),
  before: () => {
    // The long tasks from the first line about the catching up on, as
    // [start, duration].
    window.longTasks = [];
    window.progressLines = 0;
    window.catchingUpSince = Infinity;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.longTasks.push([entry.startTime, entry.duration]);
    }).observe({type: 'longtask'});
    new MutationObserver(() => {
      if (/Finding the game: \d+%/.test(document.getElementById('status').textContent)) {
        window.catchingUpSince = Math.min(window.catchingUpSince, performance.now());
        ++window.progressLines;
      }
    }).observe(document, {subtree: true, childList: true, characterData: true});
  }
});
await lateWatch.waitForFunction((n) => window.ridgeline.stats.passes >= n, {timeout: 150000},
    began + kLate + 10);
const catchUp = await lateWatch.evaluate(() => ({
  longest: Math.max(0, ...window.longTasks.filter(([start]) => start >= window.catchingUpSince)
                              .map(([, duration]) => duration)),
  lines: window.progressLines
}));
check(catchUp.lines > 1, `a line tells how far the catching up has come (${catchUp.lines} times)`);
// Responsiveness is measured and reported; the check leaves a wide margin for
// a busy machine.
check(catchUp.longest <= 150, `the longest task while catching up took ${catchUp.longest} ms`);
await lateWatch.keyboard.press('Escape');
await lateWatch.close();

part('Offline, after a first visit:');
const offline = await browser.createBrowserContext();
const visit = await openPage(`${origin}/index.html`, {context: offline});
const cacheName = await visit.evaluate(async () => {
  await navigator.serviceWorker.ready;
  return (await caches.keys()).join(' ');
});
const build = fs.readFileSync(path.join(buildDir, 'service_worker.js'), 'utf8')
                  .match(/const kCache = '([^']+)'/)[1];
check(cacheName === build, `the page's files are kept in the cache ${cacheName} of this build`);
await visit.setOfflineMode(true);
await visit.reload();
check(await comesTrue(waitForPasses(visit, 30)), 'the page plays again with no network');
await visit.close();
await offline.close();

part('Figures:');
const printFigures = (what, {count, mean, p99}) =>
    console.log(`  ${count} passes of play ${what}: mean ${mean.toFixed(3)} ms, p99 ${
        p99.toFixed(3)} ms`);
printFigures('at the keyboard', keyFigures);
printFigures('from a script, each traced', figures);
console.log(`  the first picture ${firstPicture} ms after the page was asked for`);
console.log(`  the longest task while catching up ${kLate} passes: ${catchUp.longest} ms`);

await browser.close();
server.close();
foreign.close();
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
