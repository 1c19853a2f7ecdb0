#include "replay/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>
#include <unordered_map>

namespace ridgeline {

namespace {

template <typename Real>
Real ReadBack(const char* text) {
  if constexpr (sizeof(Real) == sizeof(float)) {
    return std::strtof(text, nullptr);
  } else {
    return std::strtod(text, nullptr);
  }
}

template <typename Real>
std::string ShortestText(Real value) {
  std::string out;
  if (!std::isfinite(value)) {
    out = std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    return out;
  }
  // The fewest significant digits that read back to the value. printf's %e
  // rounds correctly, so that text is also the nearest of its length; and
  // where some count of digits reads back, every larger count does too, so
  // the count can be found by halving the range.
  char scientific[48];
  const auto write = [&](int digits) {
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, static_cast<double>(value));
  };
  int fewest = 1;
  int enough = std::numeric_limits<Real>::max_digits10;
  while (fewest < enough) {
    const int middle = (fewest + enough) / 2;
    write(middle);
    if (ReadBack<Real>(scientific) == value) {
      enough = middle;
    } else {
      fewest = middle + 1;
    }
  }
  write(fewest);
  // Split "-d.ddde+XX" into its sign, its digits and its exponent.
  const char* p = scientific;
  std::string sign;
  if (*p == '-') sign = *p++;
  std::string digits;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  const int exponent = std::atoi(p + 1);
  const int count = static_cast<int>(digits.size());

  std::string plain;
  if (exponent < 0) {
    plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (exponent >= count - 1) {
    // A whole number shows all of its digits, exactly, as printf's %f does.
    char whole[400];
    std::snprintf(whole, sizeof whole, "%.0f", std::fabs(static_cast<double>(value)));
    plain = whole;
  } else {
    plain = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
            digits.substr(static_cast<std::size_t>(exponent + 1));
  }
  const std::string withExponent = scientific + sign.size();
  out = sign;
  out += plain.size() <= withExponent.size() ? plain : withExponent;
  return out;
}

// A trace writes the same few numbers pass after pass, and working out a
// number's text is slow where the C library reads numbers back in emulated
// 128-bit arithmetic (WebAssembly): each number's text is worked out once.
// The cache starts afresh when full, so that ever-new numbers cannot grow it.
template <typename Real>
void Append(std::string& out, Real value) {
  using Bits = std::conditional_t<sizeof(Real) == sizeof(float), std::uint32_t, std::uint64_t>;
  static std::unordered_map<Bits, std::string> texts;
  constexpr std::size_t kMostKept = 4096;
  Bits bits;
  std::memcpy(&bits, &value, sizeof bits);
  auto known = texts.find(bits);
  if (known == texts.end()) {
    if (texts.size() >= kMostKept) texts.clear();
    known = texts.emplace(bits, ShortestText(value)).first;
  }
  out += known->second;
}

}  // namespace

void AppendShortest(std::string& out, double value) {
  Append(out, value);
}

void AppendShortest(std::string& out, float value) {
  Append(out, value);
}

}  // namespace ridgeline
