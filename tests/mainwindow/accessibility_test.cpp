#include "tests/mainwindow/form2fixture.h"

#include "ui/about/form3.h"
#include "ui/common/contrast.h"
#include "ui/common/toolkittranslation.h"
#include "ui/print/reportdialogs.h"

#include <QAccessible>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabBar>
#include <QToolTip>

namespace {

bool hasThai(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x0E00 && c.unicode() <= 0x0E7F)
            return true;
    return false;
}

// What a screen reader says a control is: the label it is labelled by, else its own name. A
// pick list without a name of its own is named by its picked item, which names nothing.
QString spokenName(QAccessibleInterface* item)
{
    const auto labels = item->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.front().first->text(QAccessible::Name);
    const QString name = item->text(QAccessible::Name);
    return item->role() == QAccessible::ComboBox && name == item->text(QAccessible::Value) ? QString() : name;
}

// Every input control and button under `item`, hidden ones too, without a Thai name.
void findNameless(QAccessibleInterface* item, QStringList& nameless)
{
    static const QList<QAccessible::Role> controls = {
        QAccessible::PushButton, QAccessible::Button,        QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText,  QAccessible::SpinBox,  QAccessible::Link,
        QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    if (controls.contains(item->role()) && !hasThai(spokenName(item))) {
        const QObject* object = item->object();
        nameless << QStringLiteral("%1 %2 \"%3\"")
                        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QString(),
                             object ? object->objectName() : QString(), spokenName(item));
    }
    for (int i = 0; i < item->childCount(); ++i)
        if (QAccessibleInterface* child = item->child(i))
            findNameless(child, nameless);
}

QStringList nameless(QWidget* window)
{
    QStringList found;
    findNameless(QAccessible::queryAccessibleInterface(window), found);
    return found;
}

QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// A key as the keyboard gives it: pressed in the focused control, let go in the one focused then.
void pressAndLetGo(Qt::Key key)
{
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

} // namespace

// The windows as a screen reader and a keyboard meet them.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installToolkitTranslation(this)); }
    void init() { QVERIFY(openWindow(m_window, m_prompter)); }
    void cleanup() { QVERIFY(closeWindow(m_window, m_prompter)); }

    void everyControlOfEveryWindowHasAThaiName()
    {
        QCOMPARE(nameless(m_window.get()), QStringList());
        // Before the first Calculate an empty figure is not named by the frame around it.
        QGroupBox* frame = control<QGroupBox>(*m_window, "Frame6_0");
        QVERIFY(accessible(control(*m_window, "Label34_0"))->text(QAccessible::Name) != frame->title());
        enter(*m_window, firstExample());
        calculate(*m_window);
        QCOMPARE(nameless(m_window.get()), QStringList());
        QCOMPARE(accessible(control(*m_window, "Label34_0"))->text(QAccessible::Name),
                 control<QLabel>(*m_window, "Label34_0")->text());

        Form3* about = Form3::showSingle(m_prompter);
        QVERIFY2(nameless(about).isEmpty(), qPrintable(nameless(about).join(", ")));
        for (const char* link : {"Label4", "Label6"}) {
            QAccessibleInterface* item = accessible(about->findChild<QWidget*>(link));
            QCOMPARE(item->role(), QAccessible::Link);
            QVERIFY(item->state().focusable);
            QVERIFY(item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        about->close();

        QPrinter printer;
        QPrintPreviewDialog preview(&printer);
        print::fitPreviewToolBar(preview);
        QVERIFY2(nameless(&preview).isEmpty(), qPrintable(nameless(&preview).join(", ")));
    }

    void detailsPagesTurnByKeyboard()
    {
        enter(*m_window, firstExample());
        calculate(*m_window);
        auto* tabs = control<QTabWidget>(*m_window, "SSTab1");
        tabs->setCurrentIndex(1);
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QLabel* pageLabel = control<QLabel>(*m_window, "Label81");

        // PageDown and PageUp from the tab bar, within the pages' ends.
        const std::pair<Qt::Key, const char*> fromTabBar[] = {{Qt::Key_PageUp, "1/3"},   {Qt::Key_PageDown, "2/3"},
                                                              {Qt::Key_PageDown, "3/3"}, {Qt::Key_PageDown, "3/3"},
                                                              {Qt::Key_PageUp, "2/3"},   {Qt::Key_PageUp, "1/3"}};
        for (const auto& [key, expected] : fromTabBar) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(pageLabel->text(), QString::fromLatin1(expected));
        }
        QVERIFY(tabs->tabBar()->hasFocus());

        // Tab goes into the page, and the arrow a key pressed gives way to the next page's.
        QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image11"));
        const std::tuple<Qt::Key, const char*, const char*> onArrows[] = {
            {Qt::Key_Space, "2/3", "Image10"}, {Qt::Key_Return, "3/3", "Image7"}, {Qt::Key_Space, "2/3", "Image9"}};
        for (const auto& [key, expected, focused] : onArrows) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(pageLabel->text(), QString::fromLatin1(expected));
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(focused));
        }
        // A screen reader's press does what the key does, and the page it lands on is named.
        QAccessibleInterface* back = accessible(control(*m_window, "Image9"));
        QCOMPARE(back->text(QAccessible::Name), QStringLiteral("หน้าก่อน"));
        back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pageLabel->text(), QStringLiteral("1/3"));
        QCOMPARE(accessible(pageLabel)->text(QAccessible::Name), QStringLiteral("หน้า 1 จาก 3"));
        QCOMPARE(accessible(control(*m_window, "Image11"))->text(QAccessible::Name), QStringLiteral("หน้าถัดไป"));
    }

    // A sighted keyboard user sees the hint of each field Tab or Shift+Tab reaches, and again on F1; the
    // hint shown holds the pointer's tooltip on its icon.
    void hintsShowToTheKeyboard()
    {
        QVERIFY(!QToolTip::isVisible());
        control(*m_window, "Combo1")->setFocus(Qt::OtherFocusReason);
        QVERIFY(!QToolTip::isVisible());
        pressAndLetGo(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2"));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(QStringLiteral("กำลังอัด")));
        const std::pair<const char*, const char*> fieldsAndIcons[] = {
            {"Combo1", "Image3"}, {"Combo2", "Image4"}, {"Text4", "Image5"}};
        for (const auto& [field, icon] : fieldsAndIcons) {
            pressAndLetGo(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(field));
            QTRY_VERIFY(QToolTip::text().contains(control(*m_window, icon)->toolTip()));
        }
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        pressAndLetGo(Qt::Key_F1);
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text().contains(control(*m_window, "Image5")->toolTip()));
        // The mouse's way in shows nothing by itself.
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        control(*m_window, "Text2")->setFocus(Qt::MouseFocusReason);
        QTest::qWait(20);
        QVERIFY(!QToolTip::isVisible());
    }

    void errorTextReadsOnADarkPalette()
    {
        m_window.reset();
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        QVERIFY(openWindow(m_window, m_prompter));
        enter(*m_window, firstExample());
        calculate(*m_window);
        control<QTabWidget>(*m_window, "SSTab1")->setCurrentIndex(3);
        control<QLineEdit>(*m_window, "volumeField")->setText(QStringLiteral("0"));
        QLabel* message = control<QLabel>(*m_window, "volumeMessage");
        const QImage shot = message->grab().toImage();
        QApplication::setPalette(light);
        // The corner of the grab is what lies behind the text; the text is drawn in the label's colour.
        const QColor background = shot.pixelColor(0, 0);
        QVERIFY2(contrastRatio(message->palette().color(QPalette::WindowText), background) >= 4.5,
                 qPrintable(message->palette().color(QPalette::WindowText).name() + " on " + background.name()));
    }

private:
    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestAccessibility)
#include "accessibility_test.moc"
