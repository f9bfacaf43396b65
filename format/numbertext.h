#pragma once

#include <string>

namespace format {

enum class Precision { Single, Double };

// The one place a number becomes JSON and CSV text: the shortest digits that read back as the
// same value at the given precision, so a float field shows 0.61, not 0.6100000143, and never
// in exponent form: 2000000, not 2e+06; 0.0000001, not 1e-07.
// Not-a-number and infinities, which JSON cannot hold, become null.
std::string numberText(double value, Precision precision = Precision::Double);

} // namespace format
