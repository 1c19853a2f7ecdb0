#include "common/table.h"

namespace ridgeline {

namespace table_detail {
void SubscriptOutOfRange(long index, long upper) {
  throw RunTimeError("subscript out of range: " + std::to_string(index) + " is outside 0.." +
                     std::to_string(upper));
}
}  // namespace table_detail

}  // namespace ridgeline
