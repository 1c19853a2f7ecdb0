// Buttons for touch screens: Left, Right, Jump, Fire and Menu. Each hands the
// game the key its data-key names, as the keyboard does, pressed while a
// finger is on it and let go when the finger leaves: the game cannot tell
// them from keys, so a game played by touch records and replays as one
// played at the keyboard. Several can be held at once. They show on touch
// screens, go when a key is pressed or a pad is plugged in, and come back at
// the next touch.
(function() {
'use strict';

// What the browser reports for each key the buttons stand for.
const kKeys = {
  27: {key: 'Escape', code: 'Escape'},
  32: {key: ' ', code: 'Space'},
  37: {key: 'ArrowLeft', code: 'ArrowLeft'},
  38: {key: 'ArrowUp', code: 'ArrowUp'},
  39: {key: 'ArrowRight', code: 'ArrowRight'},
};
const sides = [...document.querySelectorAll('.touch-keys')];

function send(type, keyCode) {
  const event =
      new KeyboardEvent(type, Object.assign({bubbles: true, cancelable: true}, kKeys[keyCode]));
  // The game's library reads the legacy key code, which a made event lacks.
  Object.defineProperty(event, 'keyCode', {value: keyCode});
  Object.defineProperty(event, 'which', {value: keyCode});
  window.dispatchEvent(event);
}

function show(shown) {
  if (sides.every((side) => side.hidden === !shown)) return;
  for (const side of sides) side.hidden = !shown;
  Module['fitPicture']();
}

for (const button of document.querySelectorAll('.touch-keys button')) {
  const keyCode = Number(button.dataset.key);
  // The fingers on this button: the key is held while there is one.
  const fingers = new Set();
  button.addEventListener('touchstart', (event) => {
    event.preventDefault();
    if (fingers.size === 0) send('keydown', keyCode);
    for (const touch of event.changedTouches) fingers.add(touch.identifier);
    button.classList.add('held');
  }, {passive: false});
  const lift = (event) => {
    event.preventDefault();
    const held = fingers.size > 0;
    for (const touch of event.changedTouches) fingers.delete(touch.identifier);
    if (held && fingers.size === 0) {
      send('keyup', keyCode);
      button.classList.remove('held');
    }
  };
  button.addEventListener('touchend', lift, {passive: false});
  button.addEventListener('touchcancel', lift, {passive: false});
}

window.addEventListener('keydown', (event) => {
  if (event.isTrusted) show(false);
});
window.addEventListener('touchstart', () => show(true), {capture: true, passive: true});
window.addEventListener('gamepadconnected', () => show(false));

const padPlugged = () => [...(navigator.getGamepads ? navigator.getGamepads() : [])].some(Boolean);
show(navigator.maxTouchPoints > 0 && !padPlugged());
})();
