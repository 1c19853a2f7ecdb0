#include "board/board_page.h"

namespace ridgeline {

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string BoardPage(const std::vector<BoardEntry>& entries, std::int64_t total,
                      std::string_view gamePage) {
  std::string page =
      "<!doctype html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>Ridgeline \u2014 the board</title>\n"
      "<style>body{font:14px/1.4 sans-serif;margin:2em}td,th{padding:2px 12px;text-align:right}"
      "td.name{text-align:left}</style>\n</head>\n<body>\n<h1>Ridgeline \u2014 the board</h1>\n"
      "<p>Every score here was played again by the board from its replay.";
  if (!gamePage.empty()) {
    page += " <a href=\"" + EscapeHtml(gamePage) + "\">Play</a>";
  }
  page += "</p>\n<p>" + std::to_string(total) + (total == 1 ? " game" : " games") + "</p>\n";
  page +=
      "<table>\n<tr><th>Rank</th><th>Name</th><th>Score</th><th>Passes</th><th>Submitted</th>"
      "<th></th></tr>\n";
  for (const BoardEntry& entry : entries) {
    page += "<tr><td>" + std::to_string(entry.rank) + "</td><td class=\"name\">" +
            EscapeHtml(entry.name) + "</td><td>" + std::to_string(entry.score) + "</td><td>" +
            std::to_string(entry.passes) + "</td><td>" + EscapeHtml(entry.submitted) +
            "</td><td><a href=\"/api/replays/" + std::to_string(entry.id) +
            "\">replay</a></td></tr>\n";
  }
  return page + "</table>\n</body>\n</html>\n";
}

}  // namespace ridgeline
