#pragma once

#include <QPushButton>
#include <QWidget>

// The column of section buttons along the left of the main window: a list of tabs, one for each
// section, of which one is current. The arrow keys (and Home, End) move the focus along the column
// without changing the section; Enter or Space changes to the section of the focused button as a
// click does; only one button of the column is a Tab stop, so Tab goes on into the section shown.
class SectionColumn : public QWidget
{
    Q_OBJECT

public:
    explicit SectionColumn(QWidget* parent);
};

// One section button, a tab of the column: a press asks for its section, like a click, and the
// window marks the button of the section shown as current (checked, drawn pressed; the others
// not). Its caption wraps at the spaces, and
// its size follows from its font: as wide as its longest word and half its caption, as high as
// the lines the caption takes.
class SectionButton : public QPushButton
{
    Q_OBJECT

public:
    SectionButton(const QString& caption, QWidget* parent);

    bool isCurrent() const { return isChecked(); }
    // Marks this button as the one of the section shown, and the others of the column as not.
    void makeCurrent();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Move
    {
        Previous,
        Next,
        First,
        Last,
    };

    QList<SectionButton*> column() const;
    // Makes button the only Tab stop of the column.
    void makeTabStop(SectionButton* button) const;
    // Moves the focus to another enabled button of the column, round from the last to the first.
    void moveFocus(Move move);
    // The room around the caption inside the button.
    QSize padding() const;
    int textHeight(int textWidth) const;
};
