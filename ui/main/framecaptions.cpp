#include "ui/main/framecaptions.h"

#include <QGroupBox>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace {

constexpr int captionPadding = 4;

class FrameCaptionStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_GroupBox && part == SC_GroupBoxLabel)
            rect.translate(captionPadding, 0);
        return rect;
    }
};

} // namespace

void padFrameCaptions(QWidget* root)
{
    auto* style = new FrameCaptionStyle;
    style->setParent(root);
    for (QGroupBox* frame : root->findChildren<QGroupBox*>())
        frame->setStyle(style);
}

int frameLineTop(const QGroupBox* frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxContents;
    const QRect contents =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
    // The border runs just above the contents, below the caption.
    return frame->y() + contents.top() - 1;
}
