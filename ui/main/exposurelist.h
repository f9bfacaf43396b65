#pragma once

#include "engine/exposure.h"

class QComboBox;
class QLabel;

// The choice of where the concrete will stand, "ไม่ระบุ" first and chosen. The closed list shows
// the class's code and standard, which fit its box; the open list and a screen reader give each
// class's description of the place beside them, as the engine words it.
void fillExposureList(QComboBox* list, QLabel* prompt);
mix::Exposure chosenExposure(const QComboBox* list);
