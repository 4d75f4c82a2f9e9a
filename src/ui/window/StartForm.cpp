#include "ui/window/StartForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

static void registerUiResources()
{
    Q_INIT_RESOURCE(ui);
}

void InitUiResources()
{
    static const bool registered = (registerUiResources(), true);
    (void)registered;
}

StartForm::StartForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    InitUiResources();
    setObjectName(QStringLiteral("StartForm"));
    setFixedSize(460, 104);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/ui/splash.jpg")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
    QTimer::singleShot(kMinimumMs, this, [this] { m_fired = true; });
}
