#pragma once

namespace ridgeline {

// The program's one way of letting go of its media, in order: the sounds, so
// that no device outlives what it plays; the surfaces and the display and
// sound objects; the rendered text and the font; the platform's drivers,
// with the window; and last SDL itself, so that no SDL object outlives it
// and nothing is left for the static destructors. Used once when the program
// ends, and between tests.
void ReleaseMedia();

}  // namespace ridgeline
