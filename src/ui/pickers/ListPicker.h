#pragma once

#include "directories/CodeDirectory.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

// One row of a directory picker: the code and its name.
using PickerRow = DirectoryEntry;

// A modal picker over a two-column list ("Код" and a name column) with the buttons "Да" and
// "Нет". A double click on a row or Enter answers "Да", Escape "Нет". "Да" stays disabled while no
// row is selected, so a caller never receives an empty choice.
class TfmListPicker : public QDialog
{
    Q_OBJECT

public:
    TfmListPicker(QWidget* parent, const QString& caption, const QString& nameColumn,
                  const QList<PickerRow>& rows);

    // Selects and focuses the first row whose code equals the text; false when there is none
    // (nothing is selected then).
    bool Preselect(const QString& code);
    QString chosenCode() const { return m_code; }
    QString chosenName() const { return m_name; }
    int rowCount() const;

protected:
    // Extra controls go under the list, above "Да" and "Нет".
    QVBoxLayout* extraArea() const { return m_extraArea; }
    void selectRow(int row);

private:
    void rememberSelection();

    QTreeWidget* m_list;
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
