#pragma once

#include "engine/texts/criteriawords.h"

#include <QString>

#include <array>

// The design-criteria page, from the engine's table (engine/texts/criteriawords.h).
const std::array<std::string_view, 26>& designCriteriaPieces();
QString designCriteriaText();
