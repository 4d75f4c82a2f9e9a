#include "ui/window/About.h"

#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/Interaction.h"
#include "ui/window/StartForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedLayout>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

TfmAbout::TfmAbout(QWidget* parent, Interaction& interaction, QString programFolder)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_interaction(interaction),
      m_programFolder(std::move(programFolder))
{
    InitUiResources();
    setObjectName(QStringLiteral("TfmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    // As wide as the picture; as high as the standard 232 or, in a large font, as the lines need.
    setFixedWidth(460);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("imgPicture"));
    m_picture->setPixmap(QPixmap(QStringLiteral(":/ui/about.jpg")));
    m_picture->setFixedSize(460, 104);

    QLabel* site = nullptr;
    QWidget* info = buildInfo(site);

    auto* credits = new QLabel(QStringLiteral("Над программой работали сотрудники компании "
                                              "«Кронверт».\nСпасибо всем, кто присылал нам "
                                              "замечания и пожелания."),
                               this);
    credits->setObjectName(QStringLiteral("pnlCredits"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setWordWrap(true);
    m_panels = new QStackedLayout;
    m_panels->addWidget(info);
    m_panels->addWidget(credits);

    m_symbol = new QLabel(QStringLiteral("©"), this);
    m_symbol->setObjectName(QStringLiteral("lbSymbol"));
    auto* publisher = new QLabel(QStringLiteral("ООО «Кронверт», 2013"), this);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(12, 0, 12, 6);
    bottom->addWidget(m_symbol);
    bottom->addWidget(publisher);
    bottom->addStretch();

    // A one-pixel button holds the focus so that Enter closes the window.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setFixedSize(1, 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picture);
    layout->addLayout(m_panels, 1);
    layout->addLayout(bottom);
    setFixedHeight(std::max(232, layout->totalHeightForWidth(460)));
    ok->setFocus();

    for (QLabel* label : findChildren<QLabel*>()) {
        if (label != site)
            label->installEventFilter(this);
    }
    info->installEventFilter(this);
}

QWidget* TfmAbout::buildInfo(QLabel*& site)
{
    auto* info = new QWidget(this);
    info->setObjectName(QStringLiteral("pnlInfo"));
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(12, 8, 12, 4);
    infoLayout->setSpacing(4);
    // Support is what the program brings with it: its help, which also explains how to import a
    // new tax-office directory from the tax authority's site.
    auto* support =
        new QLabel(QStringLiteral("По вопросам, связанным с использованием программы, "
                                  "обращайтесь к справке: меню «Справка» или клавиша F1."),
                   info);
    support->setWordWrap(true);
    infoLayout->addWidget(support);
    auto* siteRow = new QHBoxLayout;
    site = new QLabel(
        QStringLiteral("<a href=\"help\" style=\"color:#0000ff\">Открыть справку</a>"), info);
    site->setObjectName(QStringLiteral("lbSite"));
    site->setCursor(Qt::PointingHandCursor);
    site->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(site, &QLabel::linkActivated, this, &TfmAbout::openHelp);
    siteRow->addWidget(site);
    siteRow->addStretch();
    infoLayout->addLayout(siteRow);
    infoLayout->addStretch();
    return info;
}

bool TfmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::KeyboardModifiers modifiers = mouse->modifiers();
    if (watched == m_picture && mouse->button() == Qt::RightButton &&
        modifiers.testFlag(Qt::ShiftModifier)) {
        m_picture->hide();
        return true;
    }
    if (watched == m_symbol && mouse->button() == Qt::LeftButton &&
        modifiers.testFlag(Qt::ShiftModifier) && modifiers.testFlag(Qt::ControlModifier)) {
        m_panels->setCurrentIndex(1 - m_panels->currentIndex());
        return true;
    }
    accept();
    return true;
}

void TfmAbout::mousePressEvent(QMouseEvent* /*event*/)
{
    accept();
}

void TfmAbout::keyPressEvent(QKeyEvent* event)
{
    // Escape closes on release, as the key comes up.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TfmAbout::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void TfmAbout::openHelp()
{
    HelpWindow::showTopic(parentWidget(), m_interaction, m_programFolder,
                          QString::fromLatin1(HelpWindow::kStartTopic));
    accept();
}
