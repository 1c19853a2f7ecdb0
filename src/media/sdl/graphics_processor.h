#pragma once

namespace ridgeline {

// Whether the system may have a graphics processor for SDL's renderer to
// use. False only where it surely has none: then a renderer could only
// rasterize in software, and merely making one costs a large part of the
// start-up (the rasterizer compiles its shaders).
bool MayHaveGraphicsProcessor();

}  // namespace ridgeline
