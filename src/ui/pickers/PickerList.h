#pragma once

#include <QElapsedTimer>
#include <QTreeWidget>

// The list of a directory picker. Typing searches as a person expects: the characters typed in
// quick succession form one search text, matched against the start of the code first ("77" is
// region 77, not the second row that starts with "7") and then against the start of the name or
// of one of its words, case aside ("москва" finds "г. Москва"). A pause longer than the system's
// type-ahead interval starts a new search; a text that matches nothing leaves the selection where
// it is.
class PickerList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit PickerList(QWidget* parent);

    void keyboardSearch(const QString& search) override;

private:
    int findRow(const QString& search) const;

    QString m_search;
    QElapsedTimer m_sinceLastKey;
};
