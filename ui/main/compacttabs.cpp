#include "ui/main/compacttabs.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int kTabPadding = 8;
constexpr int kPaneFrame = 2;

class CompactTabStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize wanted = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_TabBarTab && widget)
            wanted.setHeight(std::min(wanted.height(), widget->fontMetrics().height() + kTabPadding));
        return wanted;
    }

    // The pages keep the room inside the pane's frame that a two-pixel frame leaves.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        const QRect contents = QProxyStyle::subElementRect(element, option, widget);
        if (element != SE_TabWidgetTabContents)
            return contents;
        const QRect pane = QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget)
                               .adjusted(kPaneFrame, kPaneFrame, -kPaneFrame, -kPaneFrame);
        return contents.width() < pane.width() || contents.height() < pane.height() ? contents.united(pane) : contents;
    }
};

} // namespace

void keepTabsCompact(QTabWidget* tabs)
{
    // A style of its own for the tab bar alone, made like the application's, which it must not own.
    QStyle* same = QStyleFactory::create(QApplication::style()->name());
    if (!same)
        return;
    auto* compact = new CompactTabStyle(same);
    compact->setParent(tabs);
    tabs->tabBar()->setStyle(compact);
    tabs->setStyle(compact); // its pages keep the application's style
}
