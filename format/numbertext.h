#pragma once

#include <string>

namespace format {

enum class Precision { Single, Double };

// The one place a number becomes JSON and CSV text: the shortest form that reads back as the
// same value at the given precision, so a float field shows 0.61, not 0.6100000143.
// Not-a-number and infinities, which JSON cannot hold, become null.
std::string numberText(double value, Precision precision = Precision::Double);

} // namespace format
