#pragma once

#include "ui/common/thaidate.h"

class QStatusBar;

// The three panels of the main window's status bar: today's date, the program's name and
// a small picture.
void fillStatusBar(QStatusBar* bar, const QDate& today);
