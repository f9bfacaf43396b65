#pragma once

namespace mix {

// The correction, in units of `unit`, that moves a whole quantity to site resolution
// (5 for unit 10, 50 for unit 100). Done on single-precision values with single-precision
// constants: the fractions 0.3 and 0.7 then land exactly on the constants, which is what
// makes 247 go up to 250 rather than down to 245.
float siteCorrection(int x, int unit);

// The quantity at site resolution: Round((x / unit + correction) * unit), half to even.
int siteValue(int x, float correction, int unit);

} // namespace mix
