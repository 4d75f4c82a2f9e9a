#include "ui/dialogs/HelpWindow.h"

#include "ui/dialogs/Interaction.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Справка - Тарвика 2013"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);
    resize(900, 700);
}

QString HelpWindow::relativePage(const QString& topic)
{
    return QStringLiteral("help/") + topic;
}

HelpWindow* HelpWindow::showTopic(QWidget* parent, Interaction& interaction,
                                  const QString& programFolder, const QString& topic)
{
    const QString page = QDir(programFolder).filePath(relativePage(topic));
    if (!QFileInfo::exists(page)) {
        interaction.showError(parent,
                              QStringLiteral("Не найден файл справки ") + relativePage(topic));
        return nullptr;
    }
    // One help window for the whole program; it belongs to the main window.
    static QPointer<HelpWindow> window;
    QWidget* owner = parent != nullptr ? parent->window() : nullptr;
    if (window == nullptr || window->parentWidget() != owner) {
        window = new HelpWindow(owner);
        window->setWindowFlag(Qt::Window);
    }
    window->m_browser->setSource(QUrl::fromLocalFile(page));
    window->showMaximized();
    window->raise();
    window->activateWindow();
    return window;
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().toLocalFile();
}
