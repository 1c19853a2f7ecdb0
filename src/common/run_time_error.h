#pragma once

#include <stdexcept>
#include <string>

namespace ridgeline {

// A failure that abandons the work in progress and reaches the error trap of
// StartGame: a platform call that reports failure, a file that cannot be read,
// an index outside a table, a number too large for a pixel position.
class RunTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ridgeline
