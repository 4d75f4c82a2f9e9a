#pragma once

#include "summary/TaxSummary.h"

#include <QFrame>
#include <QTimer>
#include <functional>

class QLabel;
class mTDeclaration;

// The strip along the bottom of the main window: what the declaration comes to, "К уплате: ..."
// and "К возврату: ...", or a dash and the message of a computation fault. It recomputes a moment
// after the last change it is told of, so a burst of typing costs one computation, from a copy of
// the declaration as the screen shows it; it never changes the declaration. It hides itself when
// the declaration has nothing to show. A click, Enter or Space asks for the window "Расчёт
// налога". The line is its accessible name, announced when it changes; with the focus it shows a
// focus frame.
class ResultStrip : public QFrame
{
    Q_OBJECT

public:
    // The declaration as the screen shows it, a copy that the strip may change.
    using Source = std::function<mTDeclaration()>;

    ResultStrip(QWidget* parent, Source source);

    // Recomputes once no further change came for a moment.
    void scheduleUpdate();
    // Also recomputes a moment after each key, click or wheel turn in the area: not every field
    // of a section reports its changes as the person types.
    void watch(QWidget* area);
    // Recomputes at once.
    void updateNow();
    bool updatePending() const { return m_timer.isActive(); }
    const TaxSummary& summary() const { return m_summary; }
    QString text() const;

signals:
    void openRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Source m_source;
    QWidget* m_area = nullptr;
    QTimer m_timer;
    QLabel* m_text;
    TaxSummary m_summary;
};
