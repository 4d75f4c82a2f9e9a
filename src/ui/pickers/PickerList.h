#pragma once

#include <QElapsedTimer>
#include <QTreeWidget>

// The list of a directory picker. Characters typed in the list in quick succession form one search
// text, which the list hands to its picker's search box (searchTyped); a pause longer than the
// system's type-ahead interval starts a new one. findRow tells where a search text leads.
class PickerList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit PickerList(QWidget* parent);

    void keyboardSearch(const QString& search) override;

    // The first row the search text leads to, or -1: a search matches the start of the code first
    // ("77" is region 77, not the second row that starts with "7"), then the start of the name or
    // of one of its words, case aside ("москва" finds "г. Москва").
    int findRow(const QString& search) const;

signals:
    void searchTyped(const QString& search);

private:
    QString m_search;
    QElapsedTimer m_sinceLastKey;
};
