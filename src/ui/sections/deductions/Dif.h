#pragma once

#include <QDialog>
#include <array>

class QComboBox;

// A choice for each month of the year: twelve lists "CB1" (January) to "CB12" (December) with the
// buttons "Да" and "Нет". Enter answers "Да", Escape "Нет".
class TfmMonthCombination : public QDialog
{
    Q_OBJECT

public:
    TfmMonthCombination(QWidget* parent, const QString& heading, const QStringList& items);

    // The item index chosen for a month (1 to 12). A value outside the list selects the first item.
    void setChoice(int month, int index);
    int choice(int month) const;

private:
    std::array<QComboBox*, 12> m_lists{};
};

// The personal deduction of each month: "нет" (none), "104", "105". A list box is read out by
// its chosen item: "нет" is a word where dashes would be read as dashes.
class TfmDif : public TfmMonthCombination
{
    Q_OBJECT

public:
    explicit TfmDif(QWidget* parent);
};

// The sole-parent status of each month: "да" (0) or "нет" (1).
class TfmDif2 : public TfmMonthCombination
{
    Q_OBJECT

public:
    explicit TfmDif2(QWidget* parent);
};
