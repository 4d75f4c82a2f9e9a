#include "ui/dialogs/HelpWindow.h"

#include "ui/dialogs/Interaction.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Справка - Тарвика 2013"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QRect HelpWindow::placeBeside(const QRect& available, const QPoint& centre)
{
    QRect place(QPoint(), available.size() * 2 / 3);
    place.moveCenter(centre);
    // Whole on the screen: moved in from an edge it would cross.
    place.moveLeft(
        std::clamp(place.left(), available.left(), available.right() - place.width() + 1));
    place.moveTop(
        std::clamp(place.top(), available.top(), available.bottom() - place.height() + 1));
    return place;
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
    if (!window->isVisible()) {
        const QScreen* screen =
            owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect available =
            screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
        const QPoint centre = owner != nullptr && owner->isVisible()
                                  ? owner->frameGeometry().center()
                                  : available.center();
        window->setGeometry(placeBeside(available, centre));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().toLocalFile();
}
