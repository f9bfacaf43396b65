#pragma once

#include <QString>

#include <array>

// The design-criteria page: fixed pieces joined with nothing between them; the line
// breaks the reader sees come from wrapping alone.
const std::array<const char*, 26>& designCriteriaPieces();
QString designCriteriaText();
