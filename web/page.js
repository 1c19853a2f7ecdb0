// The page around the game: scales the canvas, runs the buttons, and is the
// one way in and out for a scripted run. Linked in front of the game's own
// JavaScript, where `Module` is the game's settings.
//
// A scripted run: index.html?script=URL[&frames=N] fetches the script at URL
// (a file beside the page, or a data: or blob: URL), plays it unheard as
// `ridgeline --input` would, with a trace, and ends after N passes (or when
// the script ends the game). window.ridgeline.ended then resolves to
// {status, trace}: the exit status and the trace text, byte for byte what
// the native game writes with --trace.
//
// window.ridgeline.stats counts the passes run and keeps the time in
// milliseconds that each pass of play took, for the page's figures.
(function() {
'use strict';

const canvas = document.getElementById('canvas');
const screen = document.getElementById('screen');
const status = document.getElementById('status');
const again = document.getElementById('again');
const params = new URLSearchParams(location.search);
const script = params.get('script');
const kScriptFile = '/run.script';
const kTraceFile = '/run.trace';
const kPlayTimesKept = 100000;

let announceEnd;
const stats = {
  passes: 0,
  playTimes: []
};
window.ridgeline = {
  stats: stats,
  ended: new Promise((resolve) => {
    announceEnd = resolve;
  }),
};

// The largest whole factor of 640 x 480 that fits beside the buttons, or
// the whole screen in full screen; never below 1.
function scale() {
  const full = document.fullscreenElement === screen;
  const height = full ? 0 : document.getElementById('bar').offsetHeight + 12;
  const width = full ? 0 : document.getElementById('best').offsetWidth + 12;
  const factor = Math.max(1, Math.floor(Math.min((window.innerWidth - width) / 640,
                                                 (window.innerHeight - height) / 480)));
  canvas.style.width = 640 * factor + 'px';
  canvas.style.height = 480 * factor + 'px';
}
window.addEventListener('resize', scale);
document.addEventListener('fullscreenchange', () => {
  scale();
  canvas.focus();
});
scale();
canvas.focus();

document.getElementById('fullscreen').addEventListener('click', () => {
  screen.requestFullscreen().catch((error) => console.warn('no full screen:', error.message));
});
// A new game on the plain page, whatever run or watching this one was.
again.addEventListener('click', () => location.assign(location.pathname));

// The game's keys must not scroll the page or go back in its history.
const gameKeys = new Set(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', ' ', 'Backspace']);
window.addEventListener('keydown', (event) => {
  if (gameKeys.has(event.key) && event.target.tagName !== 'BUTTON') event.preventDefault();
});

Module['canvas'] = canvas;
Module['print'] = (text) => console.log(text);
Module['printErr'] = (text) => console.error(text);
Module['setStatus'] = (text) => {
  status.textContent = text;
};
Module['onRuntimeInitialized'] = () => {
  status.textContent = '';
};

Module['passRun'] = (playing, milliseconds) => {
  stats.passes++;
  if (playing && stats.playTimes.length < kPlayTimesKept) stats.playTimes.push(milliseconds);
};

Module['gameEnded'] = (exitStatus) => {
  let trace = null;
  if (script) {
    try {
      trace = FS.readFile(kTraceFile, {encoding: 'utf8'});
    } catch (error) {
      console.error('ridgeline: no trace was written');
    }
  }
  status.textContent =
      exitStatus === 0 ? 'The game has ended.' : 'The game stopped (status ' + exitStatus + ').';
  again.hidden = false;
  again.focus();
  announceEnd({status: exitStatus, trace: trace});
};

if (script) {
  Module['arguments'] = ['--input', kScriptFile, '--trace', kTraceFile];
  if (params.get('frames')) Module['arguments'].push('--frames', params.get('frames'));
  // The script is in the game's file system before the game starts.
  Module['preRun'] = Module['preRun'] || [];
  Module['preRun'].push(() => {
    addRunDependency('script');
    fetch(script)
        .then((response) => {
          if (!response.ok) throw new Error(script + ': ' + response.status);
          return response.text();
        })
        .then((text) => {
          FS.writeFile(kScriptFile, text);
          removeRunDependency('script');
        })
        .catch((error) => {
          console.error('ridgeline: cannot read the script: ' + error.message);
          status.textContent = 'The script could not be read.';
        });
  });
}
})();
