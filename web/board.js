// The score board, when the page is served by one (ridgeline-board --web):
// a "Submit" button beside each kept game, which sends its replay to the
// board under a name the player gives, and the board's top ten below the
// kept games. A board marks the page's files with a header; elsewhere the
// board's address is never asked, and the page shows neither. Nothing is
// sent unless the player presses Submit.
(function() {
'use strict';

const kNameKey = 'ridgeline.name';
const kTopTen = '/api/scores?limit=10';

function say(text) {
  document.getElementById('status').textContent = text;
}

// The board's top ten in a list of its own under the kept games; false when
// no board answers.
async function showTopTen() {
  let board;
  try {
    const response = await fetch(kTopTen, {headers: {Accept: 'application/json'}});
    board = response.ok ? await response.json() : null;
  } catch (error) {
    return false;
  }
  if (!board || !Array.isArray(board.scores)) return false;
  let list = document.getElementById('board-list');
  if (!list) {
    const heading = document.createElement('h2');
    heading.textContent = 'The board';
    list = document.createElement('ol');
    list.id = 'board-list';
    document.getElementById('best').append(heading, list);
  }
  list.replaceChildren(...board.scores.map((entry) => {
    const item = document.createElement('li');
    const link = document.createElement('a');
    link.href = '/api/replays/' + encodeURIComponent(entry.id);
    link.textContent = entry.score + ' \u2014 ' + entry.name;
    item.append(link);
    return item;
  }));
  return true;
}

async function submit(game) {
  const name = prompt('Your name on the board (1 to 24 characters):',
                      localStorage.getItem(kNameKey) || '');
  if (name === null) return;
  localStorage.setItem(kNameKey, name);
  say('Sending the game of ' + game.score + ' to the board...');
  try {
    const response = await fetch('/api/replays?name=' + encodeURIComponent(name),
                                 {method: 'POST', headers: {'Content-Type': 'text/plain'},
                                  body: game.text});
    const answer = await response.json();
    say(response.status === 201 ? 'On the board: rank ' + answer.rank + ' with ' + answer.score
                                : 'Not taken: ' + answer.error);
  } catch (error) {
    say('The board cannot be reached: ' + error.message);
  }
  showTopTen();
}

// Whether the page's own files came from a board. Asked of the network, as
// the offline cache answers only for reading whole files; offline, no board
// answers anyway.
async function servedByBoard() {
  if (!navigator.onLine) return false;
  try {
    const response = await fetch(location.pathname, {method: 'HEAD', cache: 'no-store'});
    return response.headers.has('X-Ridgeline-Board');
  } catch (error) {
    return false;
  }
}

servedByBoard().then((board) => board && showTopTen()).then((served) => {
  if (!served) return;
  window.ridgeline.bestGameButtons = (game, button) => [button('Submit', () => submit(game))];
  window.ridgeline.showBestGames();
});
})();
