#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "common/run_time_error.h"

namespace ridgeline {

// Fixed-size tables with lower bound 0 and an inclusive last index: a
// Table<T, 10> has the 11 cells 0..10. An index outside the bounds is a
// run-time error, never a stray memory access.
namespace table_detail {
[[noreturn]] void SubscriptOutOfRange(long index, long last);
}

template <typename T, long Last>
class Table {
 public:
  T& operator()(long i) { return cells_[Checked(i)]; }
  const T& operator()(long i) const { return cells_[Checked(i)]; }
  void Fill(const T& value) { cells_.fill(value); }
  // Every cell back to its initial value, so that owned objects are released.
  void Clear() { cells_ = {}; }

 private:
  static std::size_t Checked(long i) {
    if (i < 0 || i > Last) table_detail::SubscriptOutOfRange(i, Last);
    return static_cast<std::size_t>(i);
  }
  std::array<T, Last + 1> cells_{};
};

// Rows 0..LastRow of columns 0..LastColumn. The rows may be indexed by an
// enumeration whose values are the row numbers, so that a table of pictures
// by kind takes only kinds.
template <typename T, long LastRow, long LastColumn, typename RowIndex = long>
class Table2D {
 public:
  T& operator()(RowIndex row, long column) { return cells_(static_cast<long>(row))(column); }
  const T& operator()(RowIndex row, long column) const {
    return cells_(static_cast<long>(row))(column);
  }
  void Clear() { cells_.Clear(); }

 private:
  Table<Table<T, LastColumn>, LastRow> cells_;
};

}  // namespace ridgeline
