#pragma once

#include "ui/widgets/MyFrame.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QBoxLayout;
class QVBoxLayout;

// A section frame built around a list of entries (sources of payment, kinds of activity) with the
// buttons "add", "edit" and "delete" over it and the details of the selected entry beside it.
// Row positions are the entries' positions in their document list. Selecting a row first reports
// that the old row is left, then that the new row is shown; neither is reported while the frame
// is built or while a row is removed.
class OtherIncomeListFrame : public TThinkingFrame
{
    Q_OBJECT

public:
    // The position of the selected entry, or -1.
    int selectedRow() const { return m_selected; }
    // Selects the row (which leaves the old one first); -1 leaves the selected row and selects
    // none.
    void selectRow(int row);

protected:
    OtherIncomeListFrame(QWidget* parent, FrameHost& host, const QString& column,
                         const QString& listHint);

    // The area right of the list that holds the details.
    QVBoxLayout* detailArea() const { return m_details; }
    // Puts the details under the list instead, for details too tall to stand beside it; the list
    // then takes the height the window gives beyond the minimum.
    void placeDetailsBelowList();
    QTreeWidget* list() const { return m_list; }
    int rowCount() const;
    // When the list is full, tells the user that it takes no more entries and returns true.
    bool refuseWhenFull(bool full);

    // Fills the list without reporting selections.
    void fillRows(const QStringList& texts);
    void appendRow(const QString& text);
    void setRowText(int row, const QString& text);
    // Removes the row without reporting anything and then selects the row before it (the first
    // row when the first was removed); returns that row, or -1 when no row is left.
    int removeRowAndSelectNeighbour(int row);

    // The row is being left for another one: store its entry.
    virtual void rowLeft(int /*row*/) {}
    // The row became the selected one: show its entry.
    virtual void rowShown(int row) = 0;
    virtual void addEntry() = 0;
    virtual void editEntry(int row) = 0;
    virtual void deleteEntry(int row) = 0;
    // What the person is asked once before the entry of the row is deleted, naming it; nothing
    // is asked for an empty question.
    virtual QString deletionQuestion(int /*row*/) const { return {}; }

private:
    void currentChanged(QTreeWidgetItem* current);
    void editSelected();
    void deleteSelected();

    QTreeWidget* m_list;
    QVBoxLayout* m_details;
    QBoxLayout* m_layout;
    int m_selected = -1;
    bool m_ignoreSelection = false;
};
