#pragma once

#include "directories/CodeDirectory.h"

#include <QDialog>
#include <QList>

class PickerList;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// One row of a directory picker: the code and its name.
using PickerRow = DirectoryEntry;

// A modal picker over a two-column list ("Код" and a name column) with the buttons "Да" and
// "Нет". A double click on a row or Enter answers "Да", Escape "Нет". "Да" stays disabled while no
// row is selected, so a caller never receives an empty choice.
//
// The search box "Поиск" over the list leads the list to the first row whose code, or else whose
// name or a word of it, begins with what is typed there (PickerList::findRow); a text that leads
// nowhere leaves the selection where it is. Up and Down in the box move through the list, and
// Enter takes the row selected. Typing in the list types into the box.
class TfmListPicker : public QDialog
{
    Q_OBJECT

public:
    TfmListPicker(QWidget* parent, const QString& caption, const QString& nameColumn,
                  const QList<PickerRow>& rows);

    // Empties the search box, then selects and focuses the first row whose code equals the text;
    // false when there is none (nothing is selected then).
    bool Preselect(const QString& code);
    // Puts text into the search box, as typed there (a code field hands over what was typed in
    // it), and leaves the focus in the box when there is a text.
    void setSearchText(const QString& text);
    QString searchText() const;
    QString chosenCode() const { return m_code; }
    QString chosenName() const { return m_name; }
    int rowCount() const;

protected:
    // Extra controls go under the list, above "Да" and "Нет".
    QVBoxLayout* extraArea() const { return m_extraArea; }
    // Selects the row and puts the focus in the list.
    void selectRow(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize openingSize(const QList<PickerRow>& rows) const;
    void showRow(int row);
    void search(const QString& text);
    void rememberSelection();

    QLineEdit* m_search;
    // The search text was handed over by a code field: typing goes on after it.
    bool m_continuesSearch = false;
    PickerList* m_list;
    QPushButton* m_yes;
    QVBoxLayout* m_extraArea;
    QString m_code;
    QString m_name;
};

// The five list pickers.
class TfmGrazhd : public TfmListPicker
{
    Q_OBJECT

public:
    TfmGrazhd(QWidget* parent, const QList<PickerRow>& countries);
};

// Identity-document kinds and regions pick a number shown with two digits ("01" for 0 in the
// region picker); the chosen code is handed back as a number.
class TfmDocType : public TfmListPicker
{
    Q_OBJECT

public:
    TfmDocType(QWidget* parent, const QList<PickerRow>& kinds);
    void PreselectKind(int kind);
    int chosenKind() const { return chosenCode().toInt(); }
};

class TfmRegionName : public TfmListPicker
{
    Q_OBJECT

public:
    TfmRegionName(QWidget* parent, const QList<PickerRow>& regions);
    void PreselectRegion(int region);
    int chosenRegion() const { return chosenCode().toInt(); }
};

class TfmInputCurrencyCode : public TfmListPicker
{
    Q_OBJECT

public:
    TfmInputCurrencyCode(QWidget* parent, const QList<PickerRow>& currencies);
    // An empty code looks for "0"; a code the directory lacks selects the first currency.
    void PreselectCurrency(const QString& code);
};
