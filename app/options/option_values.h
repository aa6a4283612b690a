#pragma once
// The rules of the option pages that need no widgets: the range of a number
// box, reading the numbers typed, and when the overburden colour applies.

#include <optional>
#include <string>

namespace zv::options {

// A whole number typed in a box, or nothing when the text is not one (blanks
// around it are allowed).
std::optional<long> ParseWhole(const std::string& text);
// A decimal number typed in a box (C locale), or nothing.
std::optional<double> ParseReal(const std::string& text);

// The leading decimal number of a text, 0 when it has none ("2.5mm" → 2.5).
double LeadingNumber(const std::string& text);
// The overburden colour is asked for only while the thickness text is not
// empty and its leading number is not 0.
bool OverburdenColourApplies(const std::string& thicknessText);

// The refusal shown for a whole number outside [minimum, maximum].
std::string RangeMessage(long minimum, long maximum);

}  // namespace zv::options
