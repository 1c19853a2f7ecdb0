#include "app/board_client.h"

#include <windows.h>
#include <winhttp.h>

#include <cctype>
#include <memory>
#include <regex>

#include "app/board_answer.h"

namespace ridgeline {

namespace {

constexpr int kConnectMilliseconds = 10 * 1000;
// The board plays the game before it answers: a long game, behind others.
constexpr int kAnswerMilliseconds = 300 * 1000;
// A board's answer is a line of JSON; anything far longer is not a board's.
constexpr std::size_t kLargestAnswer = 64 * 1024;

// A WinHTTP handle, closed when it goes.
struct HandleCloser {
  void operator()(void* handle) const { WinHttpCloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::wstring Wide(const std::string& text) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

// The name as a query's value: its UTF-8 bytes, each but the unreserved
// ones as %XX.
std::string QueryValue(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string value;
  for (const unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      value += static_cast<char>(c);
    } else {
      value += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return value;
}

std::string LastError() {
  return "Windows error " + std::to_string(GetLastError());
}

}  // namespace

BoardAnswer SendToBoard(const std::string& url, const std::string& name,
                        const std::string& replay) {
  std::smatch parts;
  if (!std::regex_match(url, parts, std::regex(R"((https?)://([^/:]+)(:(\d+))?(/.*)?)"))) {
    return {false, url + ": not a board's address (http://host:port)"};
  }
  const bool secure = parts[1] == "https";
  const auto port = static_cast<INTERNET_PORT>(
      parts[4].matched ? std::stoi(parts[4].str())
                       : (secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT));
  std::string path = parts[5].str();
  if (path.ends_with('/')) path.pop_back();
  path += "/api/replays?name=" + QueryValue(name);

  const auto unreachable = [&url] {
    return BoardAnswer{false, url + ": cannot reach the board (" + LastError() + ")"};
  };
  const Handle session(WinHttpOpen(L"ridgeline", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                   WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return unreachable();
  WinHttpSetTimeouts(session.get(), kConnectMilliseconds, kConnectMilliseconds, kAnswerMilliseconds,
                     kAnswerMilliseconds);
  const Handle connection(WinHttpConnect(session.get(), Wide(parts[2].str()).c_str(), port, 0));
  if (!connection) return unreachable();
  const Handle request(WinHttpOpenRequest(connection.get(), L"POST", Wide(path).c_str(), nullptr,
                                          WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                          secure ? WINHTTP_FLAG_SECURE : 0));
  if (!request) return unreachable();
  const DWORD size = static_cast<DWORD>(replay.size());
  if (!WinHttpSendRequest(request.get(), L"Content-Type: text/plain\r\n", static_cast<DWORD>(-1),
                          const_cast<char*>(replay.data()), size, size, 0) ||
      !WinHttpReceiveResponse(request.get(), nullptr)) {
    return unreachable();
  }
  DWORD status = 0;
  DWORD statusSize = sizeof status;
  if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize,
                           WINHTTP_NO_HEADER_INDEX)) {
    return unreachable();
  }
  std::string body;
  for (;;) {
    char chunk[4096];
    DWORD read = 0;
    if (!WinHttpReadData(request.get(), chunk, sizeof chunk, &read)) return unreachable();
    if (read == 0) break;
    body.append(chunk, read);
    if (body.size() > kLargestAnswer) break;
  }
  return ReadBoardAnswer(url, static_cast<int>(status), body);
}

}  // namespace ridgeline
