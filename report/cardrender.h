#pragma once

#include "report/card.h"

#include <QByteArray>
#include <QPageLayout>

class QPainter;

namespace report {

// Draws the card on any painter (printer, PDF, preview, image), scaled down as a whole when
// the device is smaller than the landscape A4 it was laid out for.
void renderCard(QPainter& painter, const Card& card);

// Landscape A4 without margins: the page of the card's PDF.
QPageLayout cardPageLayout();

// The card as a one-page PDF in memory, for the one writer, finished as the report's is (its
// text readable as drawn, its title, PDF/A); empty if it could not be made.
QByteArray cardPdf(const Card& card);

} // namespace report
