#include "tests/support/recordingprompter.h"

#include <QTest>

QMessageBox::StandardButton RecordingPrompter::ask(QWidget*, const MessageBoxSpec& box)
{
    boxes.append(box);
    if (whileShown)
        whileShown();
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (answerAll)
        return *answerAll;
    QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + box.text), __FILE__, __LINE__);
    return QMessageBox::NoButton;
}
