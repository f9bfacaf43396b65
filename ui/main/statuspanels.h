#pragma once

#include <QDate>
#include <QString>

class QStatusBar;

// The date as Thai readers write it: day/month/year of the Buddhist era, no leading zeros.
QString thaiShortDate(const QDate& date);

// The three panels of the main window's status bar: today's date, the program's name and
// a small picture.
void fillStatusBar(QStatusBar* bar, const QDate& today);
