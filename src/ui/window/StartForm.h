#pragma once

#include <QWidget>

// Registers the pictures of the window library (the library is linked statically).
void InitUiResources();

// The splash window: the program's picture, borderless and centred, shown while the main window
// is built and for at least three seconds.
class StartForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMinimumMs = 3000;

    StartForm();
    bool timerFired() const { return m_fired; }

private:
    bool m_fired = false;
};
