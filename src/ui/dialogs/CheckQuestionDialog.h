#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A dialog that shows one finding of a check above a centred row of answer buttons; each button
// closes the dialog with its own result code.
class CheckQuestionDialog : public QDialog
{
    Q_OBJECT

public:
    QString message() const;

protected:
    explicit CheckQuestionDialog(QWidget* parent);

    // Adds the next button of the row, left to right.
    QPushButton* addAnswer(const QString& caption, const char* name, int result);
    // Puts the question on screen; closedResult is what closing the window without a button gives.
    void pose(const QString& title, const QString& message, int closedResult);

private:
    QLabel* m_message;
    QHBoxLayout* m_buttons;
};
