#pragma once

namespace ridgeline {

// The sine of the enemies' wave phase, a whole number of degrees 0..360
// turned into radians with the game's ten-digit pi: the same value on every
// platform. Outside 0..360 it is a subscript error.
double WaveSine(int degrees);

}  // namespace ridgeline
