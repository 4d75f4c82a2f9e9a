#pragma once

#include <QDialog>

class Interaction;
class QLabel;
class QStackedLayout;

// "О программе": the program's picture, where to find help, and the publisher.
// A click anywhere, Enter or Escape closes it.
class TfmAbout : public QDialog
{
    Q_OBJECT

public:
    TfmAbout(QWidget* parent, Interaction& interaction, QString programFolder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The panel that says where to find help; `site` is set to its link to the help.
    QWidget* buildInfo(QLabel*& site);
    void openHelp();

    Interaction& m_interaction;
    QString m_programFolder;
    QLabel* m_picture;
    QLabel* m_symbol;
    QStackedLayout* m_panels;
};
