// The best games in the browser. The game keeps them as it does on the
// desktop, as replay files in its best folder, here in the page's memory; this
// copies that folder to the browser's storage whenever a game is kept, and
// back before the game starts, and lists the games under or beside the
// canvas, each with a button to watch it and one to download its replay. The
// files are the desktop's: a downloaded replay verifies and plays there, and
// the other way round.
//
// Only a game that this page's game kept ranks: it was verified by being
// played. Anything else found in the storage (a replay put there by hand, an
// edited score) stays stored and is counted as unverified, but never goes
// into the game's folder, never ranks and is never listed.
//
// index.html?watch=NAME shows the kept game NAME, as `ridgeline --watch` does.
// window.ridgeline.bestGames() gives the games that rank, [{name, score,
// date, text}], best first, at most ten.
(function() {
'use strict';

const kStorageKey = 'ridgeline.best';
const kVerifiedKey = 'ridgeline.verified';
const kDataHome = '/saved';
const kFolder = kDataHome + '/ridgeline/best';
const kKept = 10;
// The names the game gives its replays; anything else in the storage is not
// written into the game's files.
const kName = /^[A-Za-z0-9_.-]+\.script$/;
// How long a downloaded replay's address stays valid: the download may start
// after click() returns.
const kDownloadUrlLife = 60000;

function read(key, fallback) {
  try {
    return JSON.parse(localStorage.getItem(key) || fallback);
  } catch (error) {
    Module['showLine']('The best games stored in this browser are unreadable: ' + error.message);
    return JSON.parse(fallback);
  }
}

// The stored replays by file name; nothing that is not a string.
function stored() {
  const games = read(kStorageKey, '{}');
  return Object.fromEntries(Object.entries(games).filter(
      ([name, text]) => kName.test(name) && typeof text === 'string'));
}

// A checksum of a replay's text (64 bits, mixed as cyrb53 does), to know one
// verified.
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

function verified() {
  const sums = read(kVerifiedKey, '[]');
  return new Set(Array.isArray(sums) ? sums : []);
}

// The header lines of a replay that the list shows.
function describe(name, text) {
  const field = (key) => (text.match(new RegExp('^# ' + key + ' (.*)$', 'm')) || [])[1];
  return {name: name, score: Number(field('score')), date: field('date') || '', text: text};
}

function ranked(games) {
  const sums = verified();
  return Object.entries(games)
      .filter(([, text]) => sums.has(checksum(text)))
      .map(([name, text]) => describe(name, text))
      .filter((game) => Number.isFinite(game.score))
      .sort((a, b) => b.score - a.score || a.date.localeCompare(b.date))
      .slice(0, kKept);
}

function bestGames() {
  return ranked(stored());
}

function download(game) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([game.text], {type: 'text/plain'}));
  link.download = game.name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), kDownloadUrlLife);
}

function button(label, action) {
  const element = document.createElement('button');
  element.type = 'button';
  element.textContent = label;
  element.addEventListener('click', action);
  return element;
}

function show() {
  const list = document.getElementById('best-list');
  const games = bestGames();
  list.replaceChildren(...games.map((game) => {
    const item = document.createElement('li');
    const text = document.createElement('span');
    text.textContent = game.score + ' \u2014 ' + game.date;
    item.append(text,
        button('Watch', () => location.assign('?watch=' + encodeURIComponent(game.name))),
        button('Download', () => download(game)),
        // More buttons from the page's other scripts (a score board's Submit).
        ...(window.ridgeline.bestGameButtons ? window.ridgeline.bestGameButtons(game, button) : []));
    return item;
  }));
  document.getElementById('best-none').hidden = games.length > 0;
}

// The game's folder, as the game left it, becomes the stored set, beside
// what was stored unverified: a game that fell out of the ten is gone.
Module['bestKept'] = () => {
  const games = {};
  for (const name of FS.readdir(kFolder)) {
    if (kName.test(name)) games[name] = FS.readFile(kFolder + '/' + name, {encoding: 'utf8'});
  }
  const sums = verified();
  for (const text of Object.values(games)) sums.add(checksum(text));
  const unverified = Object.entries(stored()).filter(([, text]) => !sums.has(checksum(text)));
  try {
    localStorage.setItem(kStorageKey, JSON.stringify(Object.assign(Object.fromEntries(unverified), games)));
    localStorage.setItem(kVerifiedKey, JSON.stringify([...sums]));
  } catch (error) {
    Module['showLine']('The best games cannot be saved in this browser (' + error.name +
        '): this one is gone when the page closes.');
  }
  show();
};

// A line of the game's own index of the replays it knows to be verified:
// FNV-1a of the file's bytes, its size, and its name, as the desktop writes
// it. Without it the game would not rank the games put back in its folder.
function indexLine(game) {
  const bytes = new TextEncoder().encode(game.text);
  const prime = BigInt('0x100000001b3');
  let hash = BigInt('0xcbf29ce484222325');
  for (const byte of bytes) hash = BigInt.asUintN(64, (hash ^ BigInt(byte)) * prime);
  return hash.toString(16).padStart(16, '0') + ' ' + bytes.length + ' verified ' + game.name + '\n';
}

// The game starts with the ten best verified games in its folder, and knows
// them verified: this page's game kept them.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(() => {
  ENV['XDG_DATA_HOME'] = kDataHome;
  FS.mkdirTree(kFolder);
  const games = bestGames();
  for (const game of games) FS.writeFile(kFolder + '/' + game.name, game.text);
  if (games.length > 0) {
    FS.writeFile(kFolder + '/verified.txt',
        '# ridgeline verified replays\n' + games.map(indexLine).join(''));
  }
});

const watch = new URLSearchParams(location.search).get('watch');
if (watch !== null && kName.test(watch)) Module['arguments'] = ['--watch', kFolder + '/' + watch];

window.ridgeline.bestGames = bestGames;
window.ridgeline.showBestGames = show;
show();
})();
