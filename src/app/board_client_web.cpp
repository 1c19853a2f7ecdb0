#include "app/board_client.h"

namespace ridgeline {

// The page sends its kept games itself, from its "Submit" buttons.
BoardAnswer SendToBoard(const std::string&, const std::string&, const std::string&) {
  return {false, "in the browser, the page's Submit buttons send kept games to the board"};
}

}  // namespace ridgeline
