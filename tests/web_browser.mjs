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
// then the title show the native pictures pixel for pixel, that a key starts
// play and that Space and Right act on the picture, that passes run 60 a
// second, that a hidden page runs none, and that Escape holds the game under
// the pause menu and Q then ends it, after which the page offers another; in
// a second page, that animation frames 144 times a second still run 60
// passes a second; in a third, that SCRIPT played there gives
// the native trace byte for byte; then that a game played to its end is kept
// and listed beside the canvas (its replay is written to
// REFERENCE/browser.script) and can be watched. No page may log an error or
// load anything from another site. Prints the time that each pass of play
// took in the scripted run: its mean and 99th percentile.
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
function check(ok, what) {
  console.log(`  ${ok ? 'ok' : 'FAILED'}: ${what}`);
  if (!ok) failures.push(what);
}

// A static file server for the build folder, as any would serve it.
const types = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream'
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

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: [
    '--autoplay-policy=no-user-gesture-required',
    ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [])
  ],
});

// A page whose errors and foreign loads are counted as failures; `before`
// runs in it before any of its own scripts.
async function openPage(url, before) {
  const page = await browser.newPage();
  if (before) await page.evaluateOnNewDocument(before);
  await page.setViewport({width: 1280, height: 1024});
  page.on('console', (message) => {
    if (message.type() === 'error') failures.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => failures.push(`page error: ${error.message}`));
  page.on('request', (request) => {
    const where = request.url();
    if (!where.startsWith(origin) && !where.startsWith('data:')) {
      failures.push(`loaded from elsewhere: ${where}`);
    }
  });
  await page.goto(url);
  return page;
}

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

console.log('Play at the keyboard:');
const page = await openPage(`${origin}/index.html`);
await waitForPasses(page, 30);
const splashDifference =
    differingPixels(await canvasPixels(page), readBmp(`${referenceDir}/splash.bmp`).pixels);
check(
    splashDifference === 0,
    `the splash shows the native splash picture (${splashDifference}` +
        ' pixels differ)');
await waitForPasses(page, 130);
const title = await canvasPixels(page);
const titleDifference = differingPixels(title, readBmp(`${referenceDir}/title.bmp`).pixels);
check(
    titleDifference === 0,
    `the title shows the native title picture (${titleDifference}` +
        ' pixels differ)');
check(
    await page.evaluate(() => document.activeElement.id) === 'canvas',
    'the canvas has the keyboard focus');

await page.keyboard.press('Enter');
await waitForPasses(page, (await passes(page)) + 2);
const play = await canvasPixels(page);
check(differingPixels(play, title) > 0, 'a key starts play');

const standing = findSprite(play, player, kPlayerY);
check(
    standing.share >= kFound && standing.x === 100,
    `the player stands at x ${standing.x} (${(standing.share * 100).toFixed(0)}% shown)`);
check(findSprite(play, shot, kPlayerY).share < kFound, 'no shot flies before Space');
await page.keyboard.press('Space');
await waitForPasses(page, (await passes(page)) + 2);
const fired = findSprite(await canvasPixels(page), shot, kPlayerY);
check(
    fired.share >= kFound && fired.x > standing.x,
    `Space fires: a shot at x ${fired.x} (${(fired.share * 100).toFixed(0)}% shown)`);

await page.keyboard.down('ArrowRight');
await waitForPasses(page, (await passes(page)) + 20);
await page.keyboard.up('ArrowRight');
const ran = findSprite(await canvasPixels(page), player, kPlayerY);
check(
    ran.share >= kFound && ran.x >= standing.x + 60,
    `Right runs: the player at x ${ran.x} (${(ran.share * 100).toFixed(0)}% shown)`);

const rate = await passesPerSecond(page);
checkRate(rate);

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
await page.close();

console.log('On a display refreshing 144 times a second:');
// Animation frames 144 times a second, which headless Chromium does not give.
const fast = await openPage(`${origin}/index.html`, () => {
  window.requestAnimationFrame = (callback) =>
      setTimeout(() => callback(performance.now()), 1000 / 144);
});
await waitForPasses(fast, 1);
const fastRate = await passesPerSecond(fast);
checkRate(fastRate);
await fast.close();

console.log(`A scripted run of ${passesText} passes:`);
const script = fs.readFileSync(scriptFile);
const url = `${origin}/index.html?frames=${passesText}&script=` +
    encodeURIComponent(`data:text/plain;base64,${script.toString('base64')}`);
const scripted = await openPage(url);
await waitForPasses(scripted, 1);
const scriptedRate = await passesPerSecond(scripted);
checkRate(scriptedRate);
const run = await scripted.evaluate(() => window.ridgeline.ended);
const native = fs.readFileSync(`${referenceDir}/script.trace`, 'utf8');
check(
    run.status === 0 && run.trace === native,
    `its trace is the native trace (status ${run.status}, ${run.trace ? run.trace.length : 0}` +
        ` of ${native.length} bytes)`);
const figures = run.status !== 0 ? {count: 0, mean: 0, p99: 0} : await scripted.evaluate(() => {
  const times = [...window.ridgeline.stats.playTimes].sort((a, b) => a - b);
  const mean = times.reduce((sum, t) => sum + t, 0) / times.length;
  return {
    count: times.length,
    mean,
    p99: times[Math.min(times.length - 1, Math.floor(times.length * 0.99))]
  };
});
console.log(`  ${figures.count} passes of play: mean ${figures.mean.toFixed(3)} ms, p99 ${
    figures.p99.toFixed(3)} ms`);
await scripted.close();

console.log('A game kept among the best:');
const keeping = await openPage(`${origin}/index.html`);
await waitForPasses(keeping, 200);
await keeping.keyboard.press('Enter');
// The player stands still until the enemies reach him.
await keeping.waitForFunction(
    () => document.querySelectorAll('#best-list li').length === 1, {timeout: 60000});
const [kept] = await keeping.evaluate(() => window.ridgeline.bestGames());
const listed = await keeping.evaluate(() => document.querySelector('#best-list li').textContent);
check(
    listed.startsWith(`${kept.score} \u2014 `) && listed.endsWith('WatchDownload'),
    `the panel lists the game kept, to watch or download ("${listed}")`);
fs.writeFileSync(path.join(referenceDir, 'browser.script'), kept.text);
await keeping.keyboard.press('Escape');
await keeping.keyboard.press('KeyQ');
await keeping.evaluate(() => window.ridgeline.ended);
await keeping.close();

// Watching it: the passes before the game run at once, then it plays.
const began = Number(kept.text.match(/^# began (\d+)$/m)[1]);
const watching = await openPage(`${origin}/index.html?watch=${encodeURIComponent(kept.name)}`);
await waitForPasses(watching, began + 10);
check(
    await watching.evaluate(() => document.querySelectorAll('#best-list li').length) === 1,
    'the game is still kept when the page is opened again');
await watching.keyboard.press('Escape');
const watched = await watching.evaluate(() => window.ridgeline.ended);
check(watched.status === 0, `watching it ends by Escape (status ${watched.status})`);
await watching.close();

await browser.close();
server.close();
for (const failure of failures) console.log(`FAILED: ${failure}`);
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
