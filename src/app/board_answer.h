#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "app/board_client.h"

namespace ridgeline {

// What the board at `url` said, in HTTP status `status` with `body`, made
// into the line the player reads. Shared by the systems' HTTP clients.
inline BoardAnswer ReadBoardAnswer(const std::string& url, int status, const std::string& body) {
  const auto answer = nlohmann::json::parse(body, nullptr, false);
  if (answer.is_discarded() || !answer.is_object()) {
    return {false, url + ": not a score board (HTTP " + std::to_string(status) + ")"};
  }
  if (status == 201) {
    return {true, "rank " + answer.value("rank", nlohmann::json()).dump() + " on " + url + ": " +
                      answer.value("score", nlohmann::json()).dump()};
  }
  return {false, "refused by " + url + " (HTTP " + std::to_string(status) +
                     "): " + answer.value("error", std::string("no reason given"))};
}

}  // namespace ridgeline
