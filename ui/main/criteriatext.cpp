#include "ui/main/criteriatext.h"

const std::array<std::string_view, 26>& designCriteriaPieces() { return mix::criteriawords::kPieces; }

QString designCriteriaText() { return QString::fromStdString(mix::criteriawords::criteriaText()); }
