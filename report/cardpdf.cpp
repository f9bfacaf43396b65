#include "report/cardrender.h"
#include "report/pdf.h"

#include <QPainter>
#include <QPdfWriter>

namespace report {

QByteArray cardPdf(const Card& card)
{
    return finishedPdf(cardPageLayout(), card.title,
                       [&card](QPainter& painter, QPdfWriter& writer) -> std::optional<std::vector<DrawnPage>> {
                           renderCard(painter, card);
                           return std::vector<DrawnPage>{cardDrawnLines(&writer, card)};
                       });
}

} // namespace report
