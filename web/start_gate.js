// The page's first input. Browsers let a page make sound only after the
// player has touched it, so until the first key, click or tap the picture
// shows "Tap or press a key to play"; that input starts the sound, gives the
// page the keyboard, and never reaches the game, which cannot tell it from
// one it should act on. A scripted run plays unheard and needs no gate.
//
// A click or tap on the picture is the page's too: the game would take a
// click as the end of the game, the first thing many players try.
(function() {
'use strict';

const gate = document.getElementById('gate');
const game = document.getElementById('canvas');
const kFirstInputs = ['keydown', 'mousedown', 'touchstart'];
const kPointerEvents = ['mousedown', 'mouseup', 'click', 'touchstart', 'touchend', 'touchmove',
  'touchcancel', 'wheel'];

// The key that opened the gate, whose release is the gate's too.
let openingKey = null;

function startSound() {
  const context = Module['SDL2'] && Module['SDL2'].audioContext;
  // A context closed at the game's end may still be asked: nothing to do.
  if (context && context.state === 'suspended') context.resume().catch(() => {});
}

function open(event) {
  if (!event.isTrusted) return;
  event.stopImmediatePropagation();
  if (event.type === 'keydown') {
    event.preventDefault();
    openingKey = event.code;
  }
  for (const type of kFirstInputs) window.removeEventListener(type, open, true);
  gate.hidden = true;
  startSound();
  game.focus();
}

function keepOpeningKeyUp(event) {
  if (event.code !== openingKey) return;
  event.stopImmediatePropagation();
  openingKey = null;
}

function keepFromGame(event) {
  if (event.target === game) event.stopImmediatePropagation();
}

if (!new URLSearchParams(location.search).has('script')) {
  gate.hidden = false;
  // Listening on the window as it captures: before the game's own listeners.
  for (const type of kFirstInputs) window.addEventListener(type, open, true);
  window.addEventListener('keyup', keepOpeningKeyUp, true);
}
// A browser lets the sound start only on some inputs (a tap's end, not its
// start): any of them may start it.
for (const type of ['keydown', 'mousedown', 'pointerup', 'touchend']) {
  window.addEventListener(type, startSound, true);
}
for (const type of kPointerEvents) window.addEventListener(type, keepFromGame, true);
})();
