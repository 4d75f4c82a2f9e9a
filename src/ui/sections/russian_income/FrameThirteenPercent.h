#pragma once

#include "model/RecordList.h"
#include "model/ThirteenPercent.h"
#include "ui/widgets/MyFrame.h"

class AmountField;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Income at 13 % by source of payment: the sources of the declaration's list, the income lines
// of the selected source, the source's totals and the foreign worker's fixed payments. For a
// non-resident declaration the same frame edits the non-resident's income at 30 %.
class TfrThirteenPercent : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrThirteenPercent(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    static QString sectionName();
    // The position of the selected source, or -1.
    int selectedSource() const { return m_selected; }

protected:
    // The list the frame edits: the 13 % income of the declaration, or the 13 % income of highly
    // qualified non-resident specialists.
    enum class Kind
    {
        Income13,
        Specialists,
    };
    TfrThirteenPercent(QWidget* parent, FrameHost& host, Kind kind);

    RecordList<mTThirteenPercent>& sources() const;

private:
    QWidget* buildSources();
    QWidget* buildLines();
    void buildTotals(QGroupBox* box);
    void buildFixedPayments(QGroupBox* box);
    void connectControls();
    void loadFromDocument();
    void sourceChanged(QTreeWidgetItem* current);
    void selectSource(int row);
    void leaveSource();
    void showSource();
    // Shows the lines of the selected source as the document holds them, with the line at row
    // selected (the last one when row is past the end), and the source's total.
    void showLines(int row);
    void setIncomeControlsEnabled(bool enabled);
    void addSource();
    void editSource();
    void deleteSource();
    void addIncome();
    void editIncome();
    void removeIncome();
    void repeatIncome();
    int selectedLine() const;
    // False, after telling the user, when the source's total would leave the range of amounts.
    bool appendLine(const mTSourseIncome& line);
    void totalTooLarge();
    bool runIncomeDialog(const mTSourseIncome* existing, mTSourseIncome& result);
    bool primarySourceOffered() const;
    void changed();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const Kind m_kind;
    bool m_ignoreSelection = false;
    int m_selected = -1;

    QTreeWidget* m_sourceList;
    QTreeWidget* m_lineList;
    QList<QPushButton*> m_sourceButtons;
    QList<QPushButton*> m_lineButtons;
    QLineEdit* m_totalIncome;
    AmountField* m_taxWithheld;
    AmountField* m_taxableIncome;
    AmountField* m_taxComputed;
    QGroupBox* m_fixedPaymentsGroup;
    AmountField* m_fixedPayments;
};
