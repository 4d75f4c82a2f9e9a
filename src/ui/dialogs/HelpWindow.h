#pragma once

#include <QMainWindow>

class Interaction;
class QTextBrowser;

// The program's help: HTML pages in the folder "help" beside the program, shown in one help
// window with links between the pages.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr const char* kStartTopic = "runprogramm.htm";
    static constexpr const char* kSounTopic = "EditSOUN.htm";

    // Shows the topic maximised in the help window; when its page is missing, tells the user
    // which help file was not found. Returns the window, or null.
    static HelpWindow* showTopic(QWidget* parent, Interaction& interaction,
                                 const QString& programFolder, const QString& topic);
    // The page of a topic beside the program, e.g. "help/runprogramm.htm".
    static QString relativePage(const QString& topic);

    QString currentPage() const;

private:
    explicit HelpWindow(QWidget* parent);
    QTextBrowser* m_browser;
};
