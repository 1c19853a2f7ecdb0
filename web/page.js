// The page around the game: its status line, its buttons, and the one way in
// and out for a scripted run. Linked in front of the game's own JavaScript,
// where `Module` is the game's settings; the page's other scripts follow.
//
// A scripted run: index.html?script=URL[&frames=N] fetches the script at URL
// (a file on the page's own site, or a data: or blob: URL), plays it unheard
// as `ridgeline --input` would, with a trace, and ends after N passes (or when
// the script ends the game). window.ridgeline.ended then resolves to
// {status, trace}: the exit status and the trace text, byte for byte what
// the native game writes with --trace. A run that cannot start resolves it
// too, with status 1 (its files could not be loaded) or 2 (it was refused),
// and says why on the status line.
//
// window.ridgeline.stats counts the passes run and keeps the time in
// milliseconds that each pass of play took, for the page's figures.
(function() {
'use strict';

const status = document.getElementById('status');
const again = document.getElementById('again');
const params = new URLSearchParams(location.search);
const script = params.get('script');
const kScriptFile = '/run.script';
const kTraceFile = '/run.trace';
const kPlayTimesKept = 100000;
const kFailureStatus = 1;
const kUsageStatus = 2;

let announceEnd;
let over = false;
// The game's own code has run: a later error is no failure to load.
let started = false;
// The game's last line on standard error: why it refused to start.
let lastError = '';
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

function showLine(text) {
  status.textContent = text;
}

// The run is over: says so, offers another, and tells whoever waits.
function finish(exitStatus, line, trace) {
  if (over) return;
  over = true;
  showLine(line);
  again.hidden = false;
  again.focus();
  announceEnd({status: exitStatus, trace: trace});
}

// A run that never started: `line` says why. The game's files stay unused.
function refuse(exitStatus, line) {
  console.warn('ridgeline: ' + line);
  finish(exitStatus, line, null);
}

// A new game on the plain page, whatever run or watching this one was.
again.addEventListener('click', () => location.assign(location.pathname));

// The game's keys must not scroll the page or go back in its history.
const gameKeys = new Set(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', ' ', 'Backspace']);
window.addEventListener('keydown', (event) => {
  if (gameKeys.has(event.key) && event.target.tagName !== 'BUTTON') event.preventDefault();
});

Module['canvas'] = document.getElementById('canvas');
Module['print'] = (text) => console.log(text);
Module['printErr'] = (text) => {
  lastError = text;
  console.error(text);
};
Module['setStatus'] = (text) => {
  if (!over) showLine(text);
};
Module['onRuntimeInitialized'] = () => {
  if (!over) showLine('');
};
Module['showLine'] = showLine;

Module['passRun'] = (playing, milliseconds) => {
  stats.passes++;
  if (playing && stats.playTimes.length < kPlayTimesKept) stats.playTimes.push(milliseconds);
};

// The passes before a watched game run a slice at a time; the line says how
// far they have come, and goes once the game shows.
Module['catchingUp'] = (done, total) => {
  const line = done < total ? 'Finding the game: ' + Math.floor((100 * done) / total) + '%' : '';
  if (status.textContent !== line) showLine(line);
};

Module['gameEnded'] = (exitStatus) => {
  let trace = null;
  if (script) {
    try {
      trace = FS.readFile(kTraceFile, {encoding: 'utf8'});
    } catch (error) {
      console.warn('ridgeline: no trace was written');
    }
  }
  finish(exitStatus,
      exitStatus === 0 ? 'The game has ended.' :
                         (lastError || 'The game stopped') + ' (status ' + exitStatus + ').',
      trace);
};

// The game could not be loaded (its code or its data): one line, status 1.
// The data's loader reports a failed download only by throwing, which is
// answered here rather than logged.
Module['onAbort'] = (what) => refuse(kFailureStatus, 'The game could not be loaded: ' + what);
window.addEventListener('error', (event) => {
  if (over || started) return;
  event.preventDefault();
  refuse(kFailureStatus, 'The game could not be loaded: ' + event.message);
});
Module['postRun'] = Module['postRun'] || [];
Module['postRun'].push(() => {
  started = true;
});

// The page loads nothing from another site: a script is a path on this one,
// or data that the URL itself carries.
function scriptAllowed(url) {
  try {
    const where = new URL(url, location.href);
    return where.origin === location.origin || where.protocol === 'data:' ||
        where.protocol === 'blob:';
  } catch (error) {
    return false;
  }
}

// The script is in the game's file system before the game starts; until
// then, and for good when it cannot be had, the game waits.
function loadScript() {
  Module['arguments'] = ['--input', kScriptFile, '--trace', kTraceFile];
  if (params.get('frames')) Module['arguments'].push('--frames', params.get('frames'));
  Module['preRun'].push(() => {
    addRunDependency('script');
    if (params.has('watch')) {
      return refuse(kUsageStatus, 'A script and a game to watch cannot run together.');
    }
    if (!scriptAllowed(script)) {
      return refuse(kUsageStatus, 'The script must be on this site, or a data: or blob: URL.');
    }
    fetch(script)
        .then((response) => {
          if (!response.ok) throw new Error('HTTP status ' + response.status);
          return response.text();
        })
        .then((text) => {
          FS.writeFile(kScriptFile, text);
          removeRunDependency('script');
        })
        .catch((error) => refuse(kFailureStatus, 'The script could not be read: ' + error.message));
  });
}

Module['preRun'] = Module['preRun'] || [];
if (script !== null) loadScript();
})();
