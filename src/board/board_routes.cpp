#include "board/board_routes.h"

#include <charconv>
#include <cstdio>
#include <future>
#include <nlohmann/json.hpp>

#include "board/board_page.h"
#include "board/player_name.h"
#include "board/submission.h"

namespace ridgeline {

namespace {

constexpr std::int64_t kDefaultPage = 10;
constexpr std::int64_t kLongestPage = 100;
constexpr const char* kBusySeconds = "5";

void Send(httplib::Response& response, const Answer& answer) {
  response.status = answer.status;
  response.set_content(answer.json, "application/json");
}

// The query parameter `key` as a whole number from `lowest` to `highest`;
// `fallback` when it is not given; nothing when it is not such a number.
std::optional<std::int64_t> Parameter(const httplib::Request& request, const char* key,
                                      std::int64_t lowest, std::int64_t highest,
                                      std::int64_t fallback) {
  if (!request.has_param(key)) return fallback;
  const std::string text = request.get_param_value(key);
  std::int64_t value = 0;
  const auto [rest, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || rest != text.data() + text.size() || text.empty() || value < lowest ||
      value > highest) {
    return std::nullopt;
  }
  return value;
}

void PostReplay(BoardServices& services, const httplib::Request& request,
                httplib::Response& response, const httplib::ContentReader& reader) {
  // Read here rather than by httplib, which refuses a body of more than 8 KB
  // sent as a form, as curl --data-binary sends it unless told otherwise.
  // The body cap holds either way: past it the reading fails with 413.
  std::string body;
  if (!reader([&](const char* data, std::size_t length) {
        body.append(data, length);
        return true;
      })) {
    return;
  }
  const std::string name = request.get_param_value("name");
  if (const auto problem = NameProblem(name)) return Send(response, ErrorAnswer(400, *problem));
  int wait = 0;
  if (!services.rate.Allow(request.remote_addr, RateLimit::Clock::now(), wait)) {
    response.set_header("Retry-After", std::to_string(wait));
    return Send(response, ErrorAnswer(429, "too many submissions from this address; try again in " +
                                               std::to_string(wait) + " s"));
  }
  // This handler waits for the answer, so the work may refer to the request.
  std::promise<Answer> promise;
  auto answer = promise.get_future();
  const bool queued = services.checks.TryPush([&] {
    try {
      promise.set_value(Submit(services.store, services.limits, name, body));
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "ridgeline-board: a submission failed: %s\n", failure.what());
      promise.set_value(ErrorAnswer(500, "the board failed to handle the submission"));
    }
  });
  if (!queued) {
    response.set_header("Retry-After", kBusySeconds);
    return Send(response, ErrorAnswer(503, "the board is busy; try again in a few seconds"));
  }
  Send(response, answer.get());
}

void GetScores(BoardServices& services, const httplib::Request& request,
               httplib::Response& response) {
  const auto limit = Parameter(request, "limit", 1, kLongestPage, kDefaultPage);
  const auto offset = Parameter(request, "offset", 0, INT64_MAX / 2, 0);
  if (!limit || !offset) {
    return Send(response,
                ErrorAnswer(400, "limit is a number from 1 to " + std::to_string(kLongestPage) +
                                     ", offset one from 0"));
  }
  try {
    std::int64_t total = 0;
    auto scores = nlohmann::json::array();
    for (const BoardEntry& entry : services.store.Page(*limit, *offset, total)) {
      scores.push_back({{"rank", entry.rank},
                        {"id", entry.id},
                        {"name", entry.name},
                        {"score", entry.score},
                        {"passes", entry.passes},
                        {"submitted", entry.submitted}});
    }
    // A name is kept as sent; one that is not UTF-8 cannot be, but is shown
    // with stand-ins rather than failing the whole board.
    Send(response,
         {200, nlohmann::json{{"total", total}, {"offset", *offset}, {"scores", scores}}.dump(
                   -1, ' ', false, nlohmann::json::error_handler_t::replace)});
  } catch (const DatabaseError& failure) {
    Send(response, DatabaseAnswer(failure));
  }
}

void GetReplay(BoardServices& services, const httplib::Request& request,
               httplib::Response& response) {
  std::int64_t id = 0;
  const std::string text = request.matches[1];
  std::from_chars(text.data(), text.data() + text.size(), id);
  try {
    const auto replay = services.store.Replay(id);
    if (!replay) return Send(response, ErrorAnswer(404, "no replay " + text + " on the board"));
    response.set_content(*replay, "text/plain; charset=utf-8");
  } catch (const DatabaseError& failure) {
    Send(response, DatabaseAnswer(failure));
  }
}

void GetPage(BoardServices& services, httplib::Response& response) {
  try {
    std::int64_t total = 0;
    const auto entries = services.store.Page(kLongestPage, 0, total);
    response.set_content(BoardPage(entries, total, services.gamePage), "text/html; charset=utf-8");
  } catch (const DatabaseError& failure) {
    const Answer answer = DatabaseAnswer(failure);
    response.status = answer.status;
    response.set_content("The board is unavailable; try again later.\n", "text/plain");
  }
}

}  // namespace

void AddBoardRoutes(httplib::Server& server, BoardServices& services) {
  server.Post("/api/replays", [&](const httplib::Request& request, httplib::Response& response,
                                  const httplib::ContentReader& reader) {
    PostReplay(services, request, response, reader);
  });
  server.Get("/api/scores", [&](const httplib::Request& request, httplib::Response& response) {
    GetScores(services, request, response);
  });
  server.Get(R"(/api/replays/(\d{1,18}))",
             [&](const httplib::Request& request, httplib::Response& response) {
               GetReplay(services, request, response);
             });
  server.Get("/", [&](const httplib::Request&, httplib::Response& response) {
    GetPage(services, response);
  });
  // httplib's own refusals (413 past the body cap, 404, 400) get a line saying so.
  server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (!response.body.empty()) return;
    const std::string reason = response.status == 413   ? "the body is larger than the board takes"
                               : response.status == 404 ? "no such page"
                                                        : "the request was refused";
    Send(response, ErrorAnswer(response.status, reason));
  });
  server.set_exception_handler(
      [](const httplib::Request&, httplib::Response& response, std::exception_ptr failure) {
        try {
          std::rethrow_exception(failure);
        } catch (const std::exception& what) {
          std::fprintf(stderr, "ridgeline-board: %s\n", what.what());
        }
        Send(response, ErrorAnswer(500, "the board failed"));
      });
}

}  // namespace ridgeline
