// The picture on the page. The game draws its 640 x 480 frames on its own
// canvas; the page shows them on a second one, the largest 4:3 area that
// fits beside the page's buttons (or the whole screen, in full screen), as
// sharp as the desktop shows them: each game pixel enlarged by a whole factor
// of screen pixels, the result then smoothed down to the size shown, so that
// no row or column of game pixels comes out wider than its neighbours.
(function() {
'use strict';

const kWidth = 640;
const kHeight = 480;
const stage = document.getElementById('stage');
const view = document.getElementById('view');
const game = document.getElementById('canvas');
const viewContext = view.getContext('2d');

// The room the picture has, in CSS pixels: the window, less what must stay in
// sight beside it.
function room() {
  const full = document.fullscreenElement === stage;
  const keys = [...document.querySelectorAll('.touch-keys')].filter((keys) => !keys.hidden);
  const portrait = window.innerHeight > window.innerWidth;
  let width = window.innerWidth - 12;
  let height = window.innerHeight - 12;
  if (keys.length && portrait) {
    height -= Math.max(...keys.map((keys) => keys.offsetHeight)) + 8;
  } else if (keys.length) {
    for (const side of keys) width -= side.offsetWidth + 8;
  } else if (!full) {
    const best = document.getElementById('best');
    // The best games beside the picture where the page is wide.
    if (best.offsetLeft > 0 && best.offsetTop < 20) width -= best.offsetWidth + 16;
    height -= document.getElementById('bar').offsetHeight + 6;
  }
  return {width: Math.max(width, 160), height: Math.max(height, 120)};
}

function draw() {
  // The game's canvas is gone once the game has ended.
  if (game.width === 0 || game.height === 0) return;
  viewContext.imageSmoothingEnabled = false;
  viewContext.drawImage(game, 0, 0, view.width, view.height);
}

function fit() {
  const {width, height} = room();
  const shownWidth = Math.floor(Math.min(width, (height * kWidth) / kHeight));
  const shownHeight = Math.floor((shownWidth * kHeight) / kWidth);
  // The whole factor of screen pixels at or above the size shown.
  const factor = Math.max(1, Math.ceil((shownWidth * window.devicePixelRatio) / kWidth - 1e-6));
  if (view.width !== kWidth * factor) {
    view.width = kWidth * factor;
    view.height = kHeight * factor;
  }
  view.style.width = shownWidth + 'px';
  view.style.height = shownHeight + 'px';
  draw();
}

// The game has shown a frame: the picture is drawn again once this task is
// done, after the last frame of the animation frame's passes.
let drawing = false;
Module['pictureChanged'] = () => {
  if (drawing) return;
  drawing = true;
  queueMicrotask(() => {
    drawing = false;
    draw();
  });
};
Module['fitPicture'] = fit;

window.addEventListener('resize', fit);
document.addEventListener('fullscreenchange', fit);
document.getElementById('fullscreen').addEventListener('click', () => {
  stage.requestFullscreen().catch((error) => console.warn('no full screen:', error.message));
});
Module['postRun'] = Module['postRun'] || [];
Module['postRun'].push(draw);
fit();
})();
