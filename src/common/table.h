#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "common/run_time_error.h"

namespace ridgeline {

// Fixed-size tables with lower bound 0 and inclusive upper bounds. An index
// outside the bounds is a run-time error, never a stray memory access.
namespace table_detail {
[[noreturn]] void SubscriptOutOfRange(long index, long upper);
}

template <typename T, long Upper>
class Table {
 public:
  static constexpr long kUpper = Upper;

  T& operator()(long i) { return cells_[Checked(i)]; }
  const T& operator()(long i) const { return cells_[Checked(i)]; }
  void Fill(const T& value) { cells_.fill(value); }

 private:
  static std::size_t Checked(long i) {
    if (i < 0 || i > Upper) table_detail::SubscriptOutOfRange(i, Upper);
    return static_cast<std::size_t>(i);
  }
  std::array<T, Upper + 1> cells_{};
};

template <typename T, long Rows, long Columns>
class Table2D {
 public:
  T& operator()(long row, long column) { return cells_(row)(column); }
  const T& operator()(long row, long column) const { return cells_(row)(column); }

 private:
  Table<Table<T, Columns>, Rows> cells_;
};

}  // namespace ridgeline
