#pragma once

#include "engine/acceptance.h"
#include "format/jsonwriter.h"

#include <string>

namespace format {

// The judgement as the "acceptance" member (docs/json.md): every figure to 2 decimals, half to
// even; indexes count into "tests" from 0.
void appendAcceptance(JsonWriter& o, const mix::Acceptance& acceptance);

// The command's answer: schema, version and "acceptance" on one line, newline included.
std::string jsonAcceptance(const mix::Acceptance& acceptance);

} // namespace format
