#pragma once

#include <string>

namespace ridgeline {

// The shortest decimal text that reads back to the same value in the number's
// own precision, written as std::to_chars writes it without a format: plain
// or with an exponent, whichever is shorter (plain on a tie). For C++
// libraries whose std::to_chars handles whole numbers only.
void AppendShortest(std::string& out, double value);
void AppendShortest(std::string& out, float value);

}  // namespace ridgeline
