#pragma once

#include <QDate>
#include <QString>

// The date as Thai readers write it: day/month/year of the Buddhist era, no leading zeros, as
// the status bar and the mixer card show it.
QString thaiShortDate(const QDate& date);

// The same date sorted as file names sort: year of the Buddhist era, month, day ("2569-12-09").
QString thaiFileDate(const QDate& date);
