#pragma once

#include <QChar>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Alt+letter for every control of a window: captions of fields (labels with a buddy), buttons,
// check boxes, radio buttons and group boxes each get a letter that no other control of the same
// window uses, so a person reaches any of them from the keyboard.
namespace Mnemonics {

// Gives every control of window that has none a free letter of its caption: the first letter of
// one of its words where one is free, else any other letter, Cyrillic as written; a control whose
// caption has no free letter keeps its caption. Letters set by hand (the menus, a caption written
// with "&") are kept and never given again. Controls of the windows inside window (its dialogs)
// are left to those windows; controls shown now are served before hidden ones.
void assign(QWidget& window);

// The letter a caption marks with "&", in lower case, or a null character when it marks none
// ("&&" is an ampersand, not a mark).
QChar of(const QString& caption);

// The caption with its mark removed, as it is drawn.
QString withoutMark(const QString& caption);

// The controls of window that can carry a letter (not those of the windows inside it), in the
// order of creation.
QList<QWidget*> controls(QWidget& window);

// The caption of such a control: a button's text, a group box's title, a label's text.
QString caption(const QWidget& control);

} // namespace Mnemonics

// Keeps the letters up to date in every window of the program: installed on the application, it
// gives a window's controls their letters a moment after a widget of it was shown (a window
// opened, a section or sub-section changed), once for a burst of such changes.
class MnemonicWatch : public QObject
{
    Q_OBJECT

public:
    explicit MnemonicWatch(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void assignPending();

    QList<QPointer<QWidget>> m_pending;
};
