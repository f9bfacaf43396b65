#pragma once

#include "engine/mixinputs.h"

#include <string>

namespace cli {

// Writes the two report sheets of an accepted design into `file`; 0 on success, else the
// exit status to end with (the reason already told on stderr).
int writePdf(const mix::MixInputs& inputs, const std::string& file, int argc, char** argv);

} // namespace cli
