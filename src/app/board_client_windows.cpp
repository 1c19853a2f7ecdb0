#include "app/board_client.h"

namespace ridgeline {

// Not yet: the Windows game has no HTTP client. Its kept games are the same
// files, which curl or the page sends.
BoardAnswer SendToBoard(const std::string&, const std::string&, const std::string&) {
  return {false,
          "the Windows game cannot send to a board yet: send the file with curl "
          "--data-binary @FILE \"BOARD/api/replays?name=NAME\""};
}

}  // namespace ridgeline
