#pragma once

#include <QMainWindow>

class Interaction;
class QTextBrowser;

// The program's help: HTML pages in the folder "help" beside the program, shown in one help
// window with links between the pages. It opens over the main window at two thirds of the screen,
// and Escape closes it.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr const char* kStartTopic = "runprogramm.htm";
    static constexpr const char* kSounTopic = "EditSOUN.htm";

    // Shows the topic in the help window; when its page is missing, tells the user which help file
    // was not found. Returns the window, or null.
    static HelpWindow* showTopic(QWidget* parent, Interaction& interaction,
                                 const QString& programFolder, const QString& topic);
    // The page of a topic beside the program, e.g. "help/runprogramm.htm".
    static QString relativePage(const QString& topic);

    QString currentPage() const;
    // Where the help window opens: two thirds of the screen's work area, centred on centre (the
    // main window's centre) and moved onto the work area where it would cross an edge.
    static QRect placeBeside(const QRect& available, const QPoint& centre);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit HelpWindow(QWidget* parent);
    QTextBrowser* m_browser;
};
