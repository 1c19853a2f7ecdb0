#include "app/board_client.h"

#ifdef RIDGELINE_HAS_BOARD_CLIENT
#include <httplib.h>

#include <nlohmann/json.hpp>
#include <regex>
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
  const auto answer = nlohmann::json::parse(result->body, nullptr, false);
  if (answer.is_discarded() || !answer.is_object()) {
    return {false, url + ": not a score board (HTTP " + std::to_string(result->status) + ")"};
  }
  if (result->status == 201) {
    return {true, "rank " + answer.value("rank", nlohmann::json()).dump() + " on " + url + ": " +
                      answer.value("score", nlohmann::json()).dump()};
  }
  return {false, "refused by " + url + " (HTTP " + std::to_string(result->status) +
                     "): " + answer.value("error", std::string("no reason given"))};
}

#else

BoardAnswer SendToBoard(const std::string&, const std::string&, const std::string&) {
  return {false,
          "this build of the game cannot send to a board: it was built without cpp-httplib and "
          "nlohmann-json (make board installs them; then build again)"};
}

#endif

}  // namespace ridgeline
