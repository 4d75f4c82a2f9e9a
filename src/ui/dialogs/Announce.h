#pragma once

#include <QDialog>

// "ВНИМАНИЕ!": the notice shown when tax year 2014 is chosen. "Да" confirms and is enabled only
// while "Я согласен" is ticked; "Нет" or closing the window does not confirm.
class TfmAnnounce : public QDialog
{
    Q_OBJECT

public:
    explicit TfmAnnounce(QWidget* parent);
};
