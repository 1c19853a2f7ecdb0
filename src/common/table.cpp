#include "common/table.h"

namespace ridgeline {

namespace table_detail {
void SubscriptOutOfRange(long index, long last) {
  throw RunTimeError("subscript out of range: " + std::to_string(index) + " is outside 0.." +
                     std::to_string(last));
}
}  // namespace table_detail

}  // namespace ridgeline
