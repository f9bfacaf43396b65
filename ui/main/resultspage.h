#pragma once

#include "engine/acceptance.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class ResultsPage;
}

// The strength results tab: the lab's sheet as an editable table (typed, pasted from a
// spreadsheet, opened from and saved to CSV), judged on every change against the last accepted
// design's strength and specimen, with both verdicts, the margin advice and the chart. A sheet
// that cannot be judged shows its reason beside the row at fault and judges nothing.
class ResultsPage : public QWidget {
    Q_OBJECT

public:
    using Cells = std::vector<std::vector<std::string>>;

    explicit ResultsPage(QWidget* parent = nullptr);
    ~ResultsPage() override;

    // The strength and specimen of a newly accepted design; until the first the tab asks for a
    // Calculate and judges nothing.
    void setDesign(double specifiedKsc, mix::Specimen specimen);

    // The rows as typed, in the sheet's columns (sample, strength, age_days, date), blank rows left out.
    Cells cells() const;
    // Fills the table from a sheet's cells: the first row names the columns, as a CSV header does.
    void setSheet(const Cells& sheet);
    // A sheet from the clipboard: tab-separated rows, put in from the current cell, or by their
    // own header's columns when the first row names sample and strength.
    void paste(const QString& text);

    // Loads a CSV sheet; false, with the reason shown, when it cannot be read as a results sheet.
    bool openSheet(const QString& file);
    // Writes the rows as a CSV sheet through the one file writer; false, with the reason shown.
    bool saveSheet(const QString& file);

    // Whether the table holds changes not yet saved.
    bool modified() const { return m_modified; }
    // The judgement shown, or null when no design has been accepted or the sheet is not judged.
    const mix::Acceptance* acceptance() const { return m_acceptance ? &*m_acceptance : nullptr; }
    // The reason shown above the table: why nothing is judged, or empty.
    QString message() const;

signals:
    void printRequested();
    void previewRequested();
    void savePdfRequested();
    // The sheet reached its file; the window says so where it says every save.
    void saved(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cellChanged();
    void judge();
    void showJudgement(const std::vector<mix::StrengthRow>& rows);
    void markRows(const std::vector<mix::StrengthRow>& rows);
    void clearMarks();
    void showMessage(const QString& text, int row = -1);
    void keepOneEmptyRow();
    void setCell(int row, int column, const QString& text);
    void openClicked();
    void saveClicked();

    std::unique_ptr<Ui::ResultsPage> m_ui;
    std::optional<double> m_specifiedKsc;
    mix::Specimen m_specimen = mix::Specimen::Cube;
    std::optional<mix::Acceptance> m_acceptance;
    bool m_modified = false;
    bool m_filling = false;
};
