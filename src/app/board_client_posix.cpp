#include "app/board_client.h"

#ifdef RIDGELINE_HAS_BOARD_CLIENT
#include <httplib.h>

#include <regex>

#include "app/board_answer.h"
#endif

namespace ridgeline {

#ifdef RIDGELINE_HAS_BOARD_CLIENT

namespace {

constexpr int kConnectSeconds = 10;
// The board plays the game before it answers: a long game, behind others.
constexpr int kAnswerSeconds = 300;

}  // namespace

BoardAnswer SendToBoard(const std::string& url, const std::string& name,
                        const std::string& replay) {
  std::smatch parts;
  if (!std::regex_match(url, parts, std::regex(R"((https?://[^/]+)(/.*)?)"))) {
    return {false, url + ": not a board's address (http://host:port)"};
  }
  std::string path = parts[2].str();
  if (path.ends_with('/')) path.pop_back();
  httplib::Client client(parts[1].str());
  client.set_connection_timeout(kConnectSeconds, 0);
  client.set_read_timeout(kAnswerSeconds, 0);
  const auto result = client.Post(
      httplib::append_query_params(path + "/api/replays", {{"name", name}}), replay, "text/plain");
  if (!result) return {false, url + ": cannot reach the board (" + to_string(result.error()) + ")"};
  return ReadBoardAnswer(url, result->status, result->body);
}

#else

BoardAnswer SendToBoard(const std::string&, const std::string&, const std::string&) {
  return {false,
          "this build of the game cannot send to a board: it was built without cpp-httplib and "
          "nlohmann-json (make board installs them; then build again)"};
}

#endif

}  // namespace ridgeline
