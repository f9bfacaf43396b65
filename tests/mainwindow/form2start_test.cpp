#include "engine/texts/captionwords.h"
#include "tests/mainwindow/form2fixture.h"
#include "tests/mainwindow/windowcaptions.h"
#include "tests/support/golden.h"
#include "ui/common/placement.h"
#include "ui/common/toolkittranslation.h"
#include "ui/main/criteriatext.h"
#include "ui/main/statuspanels.h"
#include "ui/print/reportdialogs.h"

#include "engine/picklists.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QTranslator>

namespace {

// Answers as the toolkit's Thai translation does, and keeps each text that has none.
class MissedTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        QString found = QTranslator::translate(context, source, disambiguation, n);
        const QString key = QString::fromUtf8(context) + QStringLiteral(" | ") + QString::fromUtf8(source);
        if (found.isEmpty() && !texts.contains(key))
            texts << key;
        return found;
    }

    mutable QStringList texts;
};

} // namespace

// The window as the user first sees it.
class TestForm2Start : public QObject {
    Q_OBJECT

private slots:
    void init() { m_window = std::make_unique<Form2>(m_prompter); }
    void cleanup()
    {
        m_window.reset();
        QVERIFY(m_prompter.answers.isEmpty());
        m_prompter.boxes.clear();
    }

    void initialControls()
    {
        const Form2& w = *m_window;
        QCOMPARE(control<QTabWidget>(w, "SSTab1")->currentIndex(), 0);
        for (const char* name : {"Check1", "Check2", "Check3", "Check4"})
            QVERIFY2(!control<QAbstractButton>(w, name)->isChecked(), name);
        for (const char* name : {"Text2", "Text3", "Text4"})
            QVERIFY2(control<QLineEdit>(w, name)->text().isEmpty(), name);
        QVERIFY(!control(w, "Text3")->isEnabled());
        QVERIFY(!control(w, "Label26_0")->isEnabled());
        QVERIFY(control(w, "Command1")->isEnabled());
        QVERIFY(control(w, "Command6")->isEnabled());
        QVERIFY(!control(w, "Command2")->isEnabled());
        for (const char* name : {"Frame1", "Frame2", "Frame5", "Frame6_1", "Image7", "Image9"})
            QVERIFY2(!control(w, name)->isVisibleTo(&w), name);
        QCOMPARE(w.caption("Label81"), QStringLiteral("1/3"));
        QCOMPARE(acceptedNumbers(w), mix::MixDesign{});
    }

    // Disabled, yet on the ordinary background: grey comes only from a click.
    void doseFieldStartsOnOrdinaryBackground()
    {
        auto* dose = control<QLineEdit>(*m_window, "Text3");
        auto* strength = control<QLineEdit>(*m_window, "Text2");
        QCOMPARE(dose->palette().color(QPalette::Disabled, QPalette::Base),
                 strength->palette().color(QPalette::Active, QPalette::Base));
    }

    void resultControlsStartEmpty()
    {
        const auto result = mix::calculate(inputsOf(firstExample()));
        const auto& texts = std::get<mix::CalcResult>(result).texts.items();
        QCOMPARE(texts.size(), size_t(52));
        for (const auto& item : texts)
            QVERIFY2(m_window->caption(u8(item.first)).isEmpty(), qPrintable(u8(item.first)));
    }

    void listsHoldTheExactItemsAndNothingIsPicked()
    {
        const std::pair<const char*, std::vector<std::string_view>> lists[] = {
            {"Combo1", {mix::slumpItems().begin(), mix::slumpItems().end()}},
            {"Combo2", {mix::stoneItems().begin(), mix::stoneItems().end()}},
        };
        for (const auto& [name, items] : lists) {
            auto* list = control<QComboBox>(*m_window, name);
            QCOMPARE(list->count(), int(items.size()));
            for (int i = 0; i < list->count(); ++i)
                QCOMPARE(list->itemText(i), u8(items[size_t(i)]));
            QCOMPARE(list->currentIndex(), -1);
            QVERIFY(list->currentText().isEmpty());
            QVERIFY(!list->isEditable());
        }
        auto* slump = control<QComboBox>(*m_window, "Combo1");
        slump->setCurrentIndex(0);
        QCOMPARE(slump->currentText().size(), 18);
        QVERIFY(slump->currentText().endsWith(QStringLiteral("  ")));
    }

    void criteriaText()
    {
        QCOMPARE(designCriteriaPieces().size(), size_t(26));
        const QString text = designCriteriaText();
        QCOMPARE(text.size(), 2430);
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(!text.contains(QLatin1Char('\r')));

        auto* box = control<QPlainTextEdit>(*m_window, "Text1");
        QCOMPARE(box->toPlainText(), text);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
    }

    void windowFrame()
    {
        Form2& w = *m_window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Drevanto Bolmiradex Concrete Mixed Design"));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.width(), 625);
        QCOMPARE(w.height() - w.menuBar()->sizeHint().height(), 431);
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        auto* tabs = control<QTabWidget>(w, "SSTab1");
        QCOMPARE(tabs->count(), int(tabCaptions.size()));
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), QString::fromUtf8(tabCaptions[size_t(i)]));
    }

    void thaiShortDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("design date") << QDate(2006, 6, 6) << "6/6/2549";
        QTest::newRow("two-digit day and month") << QDate(2026, 12, 8) << "8/12/2569";
        QTest::newRow("year end") << QDate(2025, 12, 31) << "31/12/2568";
    }
    void thaiShortDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(::thaiShortDate(date), text);
    }

    void statusBarPanels()
    {
        QStatusBar* bar = m_window->statusBar();
        QCOMPARE(bar->height(), 25);
        QCOMPARE(control<QLabel>(*bar, "StatusDate")->text(), ::thaiShortDate(QDate::currentDate()));
        auto* title = control<QLabel>(*bar, "StatusTitle");
        QCOMPARE(title->text(), QStringLiteral("Drevanto Bolmiradex Concrete Mixed Design"));
        QCOMPARE(title->toolTip(), title->text());
        QVERIFY(control(*bar, "StatusPicture"));
    }

    void fixedCaptionsByName()
    {
        // The window's .ui captions, the table the report prints from and the golden copy agree.
        const auto expected = golden::table(QStringLiteral("window/fixedcaptions.tsv"));
        QCOMPARE(expected.size(), 50);
        QCOMPARE(qsizetype(mix::fixedCaptions().size()), expected.size());
        for (const auto& [name, text] : expected) {
            QCOMPARE(m_window->caption(name), text);
            const auto printed = mix::fixedCaption(name.toStdString());
            QVERIFY2(printed, qPrintable(name));
            QCOMPARE(u8(*printed), text);
        }
        QVERIFY(m_window->caption("Label99").isEmpty());
        QVERIFY(m_window->caption("Label15(7)").isEmpty());
    }

    void picturesHaveTheirTooltipsAndPointers()
    {
        for (const auto& [name, tip] : pictureTooltips) {
            auto* picture = control(*m_window, QString::fromLatin1(name));
            QCOMPARE(picture->toolTip(), QString::fromUtf8(tip));
            QCOMPARE(picture->accessibleName(), QString::fromUtf8(tip));
            if (QByteArray(name) != "Image1")
                QCOMPARE(picture->cursor().shape(), Qt::WhatsThisCursor);
        }
        QVERIFY(control(*m_window, "Image1")->cursor().shape() != Qt::ArrowCursor);
    }

    void everyControlHasAnAccessibleName()
    {
        for (const QWidget* w : m_window->findChildren<QWidget*>()) {
            const bool named = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                               qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
                               qobject_cast<const QPlainTextEdit*>(w) || w->inherits("PictureLabel");
            if (named && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(control(*m_window, "Text2")->accessibleName(), m_window->caption("Label2"));
        QCOMPARE(control(*m_window, "Combo1")->accessibleName(), m_window->caption("Label3"));
        QCOMPARE(control(*m_window, "Combo2")->accessibleName(), m_window->caption("Label4"));
        QCOMPARE(control(*m_window, "Text4")->accessibleName(), m_window->caption("Label27(0)"));
        QCOMPARE(control(*m_window, "Text3")->accessibleName(), m_window->caption("Label26(0)"));
    }

    void focusOrder_data()
    {
        QTest::addColumn<bool>("doseEnabled");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("at start: dose and Print disabled")
            << false << QStringList{"Check1", "Check2",       "Check3",   "Check4",   "Text2",  "Combo1", "Combo2",
                                    "Text4",  "exposureList", "Command1", "Command6", "Image1", "Text6"};
        QTest::newRow("after an accepted Calculate with admixture: the dose after its box")
            << true
            << QStringList{"Check1", "Check2",       "Check3",   "Text3",    "Check4",   "Text2",  "Combo1", "Combo2",
                           "Text4",  "exposureList", "Command1", "Command2", "Command6", "Image1", "Text6"};
    }
    void focusOrder()
    {
        QFETCH(bool, doseEnabled);
        QFETCH(QStringList, order);
        Form2& w = *m_window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        if (doseEnabled) {
            enter(w, firstExample());
            calculate(w);
        }
        control(w, "Check1")->setFocus();
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("fits: centred") << QRect(0, 0, 1280, 1024) << QSize(625, 454) << QPoint(327, 285);
        QTest::newRow("fits beside a panel") << QRect(0, 32, 1024, 736) << QSize(625, 454) << QPoint(199, 173);
        // 800 x 600 at 150 % leaves 533 x 400 logical pixels, less a 24-pixel panel.
        QTest::newRow("small screen: top-left") << QRect(0, 24, 533, 376) << QSize(625, 454) << QPoint(0, 24);
        QTest::newRow("only too tall") << QRect(100, 0, 800, 400) << QSize(625, 454) << QPoint(187, 0);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QSize(625, 454) << QPoint(2247, 285);
    }
    void placement()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(placementWithin(area, window), topLeft);
    }

    void windowOpensOnTheAvailableArea()
    {
        const QRect area = m_window->screen()->availableGeometry();
        QVERIFY(area.contains(m_window->frameGeometry()));
    }

    void toolkitTextsInThai()
    {
        QVERIFY(installToolkitTranslation(this));
        QMessageBox box(QMessageBox::Question, "t", "q",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        QStringList buttons;
        for (auto which : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
            buttons << box.button(which)->text();
        QCOMPARE(buttons, (QStringList{"ใช่", "ไม่ใช่", "ตกลง", "ยกเลิก"}));

        std::unique_ptr<QMenu> menu(control<QLineEdit>(*m_window, "Text2")->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(entries, (QStringList{"เลิกทำ", "ทำซ้ำ", "ตัด", "คัดลอก", "วาง", "ลบ", "เลือกทั้งหมด"}));
    }

    // Every text the print and save dialogs ask the toolkit for, the printer properties among
    // them, has a Thai translation; only key names, page sizes, units and numbers may stay
    // as they are.
    void printDialogsAskForNoUntranslatedText()
    {
        MissedTexts missed;
        QVERIFY(missed.load(QStringLiteral(":/i18n/qt_th.qm")));
        QVERIFY(QCoreApplication::installTranslator(&missed));

        QPrinter printer;
        QPrintDialog printBox(&printer);
        printBox.show();
        if (auto* properties = printBox.findChild<QPushButton*>(QStringLiteral("properties"));
            properties && properties->isEnabled()) {
            QTimer::singleShot(0, [] {
                if (QWidget* shown = QApplication::activeModalWidget())
                    if (auto* dialog = qobject_cast<QDialog*>(shown))
                        dialog->reject();
            });
            properties->click();
        }
        QPageSetupDialog pageBox(&printer);
        QPrintPreviewDialog preview(&printer);
        const auto saveBox = print::makePdfSaveDialog(nullptr, QStringLiteral("report.pdf"));
        saveBox->show();
        QTest::qWait(50);
        QVERIFY(QCoreApplication::removeTranslator(&missed));

        QStringList english = missed.texts;
        english.removeIf([](const QString& text) {
            static const QRegularExpression untranslatable(QStringLiteral(
                "^((QPageSize|QShortcut) \\| .*|.* \\| (Form|\\.\\.\\.|mm|%1%|Alt\\+\\w+|QT_LAYOUT_DIRECTION|"
                "\\d+ \\(\\d+x\\d+\\)))$"));
            return untranslatable.match(text).hasMatch();
        });
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("; "))));
    }

private:
    RecordingPrompter m_prompter;
    std::unique_ptr<Form2> m_window;
};

MIXDESIGN_TEST_MAIN(TestForm2Start)
#include "form2start_test.moc"
