#pragma once

#include "report/card.h"
#include "report/pdffinish.h"

#include <QByteArray>
#include <QPageLayout>

class QPaintDevice;
class QPainter;

namespace report {

// Draws the card on any painter (printer, PDF, preview, image), scaled down as a whole when
// the device is smaller than the landscape A4 it was laid out for.
void renderCard(QPainter& painter, const Card& card);

// Landscape A4 without margins: the page of the card's PDF.
QPageLayout cardPageLayout();

// Each text of the card and where renderCard starts it on `device`, for the PDF's finishing.
DrawnPage cardDrawnLines(QPaintDevice* device, const Card& card);

// The card as a one-page PDF in memory, for the one writer, finished as the report's is (its
// text readable as drawn, its title, PDF/A); empty if it could not be made. In a file of its own
// (cardpdf.cpp), so a program that only draws the card does not link the finishing.
QByteArray cardPdf(const Card& card);

} // namespace report
