// The best games in the browser. The game keeps them as it does on the
// desktop, as replay files in its best folder, here in the page's memory; this
// copies that folder to the browser's storage whenever a game is kept, and
// back before the game starts, and lists the games beside the canvas, each
// with a button to watch it and one to download its replay. The files are the
// desktop's: a downloaded replay verifies and plays there, and the other way
// round.
//
// index.html?watch=NAME shows the kept game NAME, as `ridgeline --watch` does.
// window.ridgeline.bestGames() gives the games kept, [{name, score, date, text}],
// best first.
(function() {
'use strict';

const kStorageKey = 'ridgeline.best';
const kDataHome = '/saved';
const kFolder = kDataHome + '/ridgeline/best';
// The names the game gives its replays; anything else in the storage is not
// written into the game's files.
const kName = /^[A-Za-z0-9_.-]+\.script$/;

// The kept replays by file name, as stored; nothing that is not a string.
function stored() {
  try {
    const games = JSON.parse(localStorage.getItem(kStorageKey) || '{}');
    return Object.fromEntries(Object.entries(games).filter(
        ([name, text]) => kName.test(name) && typeof text === 'string'));
  } catch (error) {
    console.warn('ridgeline: the best games stored in this browser are unreadable:', error.message);
    return {};
  }
}

// The header lines of a replay that the list shows.
function describe(name, text) {
  const field = (key) => (text.match(new RegExp('^# ' + key + ' (.*)$', 'm')) || [])[1];
  return {name: name, score: Number(field('score')), date: field('date') || '', text: text};
}

function bestGames() {
  return Object.entries(stored())
      .map(([name, text]) => describe(name, text))
      .filter((game) => Number.isFinite(game.score))
      .sort((a, b) => b.score - a.score || a.date.localeCompare(b.date));
}

function download(game) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([game.text], {type: 'text/plain'}));
  link.download = game.name;
  link.click();
  URL.revokeObjectURL(link.href);
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

// The game's folder, as the game left it, becomes the stored set: a game that
// fell out of the ten is gone from both.
Module['bestKept'] = () => {
  const games = {};
  for (const name of FS.readdir(kFolder)) {
    if (kName.test(name)) games[name] = FS.readFile(kFolder + '/' + name, {encoding: 'utf8'});
  }
  try {
    localStorage.setItem(kStorageKey, JSON.stringify(games));
  } catch (error) {
    console.warn('ridgeline: the best games cannot be stored in this browser:', error.message);
  }
  show();
};

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(() => {
  ENV['XDG_DATA_HOME'] = kDataHome;
  FS.mkdirTree(kFolder);
  const games = stored();
  for (const name of Object.keys(games)) FS.writeFile(kFolder + '/' + name, games[name]);
});

const watch = new URLSearchParams(location.search).get('watch');
if (watch !== null && kName.test(watch)) Module['arguments'] = ['--watch', kFolder + '/' + watch];

window.ridgeline.bestGames = bestGames;
window.ridgeline.showBestGames = show;
show();
})();
