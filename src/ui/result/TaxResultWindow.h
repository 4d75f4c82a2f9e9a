#pragma once

#include "summary/TaxSummary.h"

#include <QDialog>
#include <QPageLayout>
#include <optional>

class Interaction;
class QTreeWidgetItem;
class TaxResultLines;

// The window "Расчёт налога": what the declaration comes to, the lines of Section 1 and of each
// per-rate section with the sheets that feed them and where their data is entered, and the
// picture of income at 13 %, which can be printed. A double click on a line (or Enter) whose data
// is entered in a section closes the window for that section. It opens as large as its lines
// need, within the screen.
class TfmTaxResult : public QDialog
{
    Q_OBJECT

public:
    TfmTaxResult(QWidget* parent, TaxSummary summary, Interaction& interaction);

    // The place of the line the person double-clicked, when the window closed for it.
    std::optional<EntryPlace> chosenPlace() const { return m_chosen; }
    // Prints the picture on the printer the print dialog chooses; false when it was cancelled or
    // printing could not start (the person was told).
    bool printPicture();

private:
    bool writePicturePdf(const QString& fileName, const QPageLayout& layout);
    void fillTree();
    void fitCaptionColumn();
    void addLine(QTreeWidgetItem* parent, const SummaryLine& line);
    void lineChosen(QTreeWidgetItem* item);

    TaxSummary m_summary;
    Interaction& m_interaction;
    TaxResultLines* m_tree = nullptr;
    std::optional<EntryPlace> m_chosen;
};
