#pragma once

#include <QDialog>
#include <array>

class ActivityDirectory;
class Interaction;
class QComboBox;
class QLineEdit;

// The activity-code picker: six drop-down lists walk the levels of the activity classifier; each
// choice narrows the lists below it to its descendants. "Да" asks once more when the chosen code
// is shorter than four characters.
class TFormOKVED : public QDialog
{
    Q_OBJECT

public:
    TFormOKVED(QWidget* parent, const ActivityDirectory& directory, Interaction& interaction);

    // The code shown in edOKV ("нет" until something is chosen).
    QString okvedText() const;
    QString chosenKod() const { return m_kod; }
    QString chosenName() const { return m_name; }

    // Picks the item with this text in list level (1 to 6), as the user would.
    bool PickItem(int level, const QString& text);

private:
    void picked(int level, int index);
    void resetBelow(int level);
    void confirm();

    const ActivityDirectory& m_directory;
    Interaction& m_interaction;
    std::array<QComboBox*, 6> m_lists{};
    QLineEdit* m_okvedShown;
    QString m_kod;
    QString m_name;
};
