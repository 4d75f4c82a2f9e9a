#include "ui/result/ResultStrip.h"

#include "model/Declaration.h"
#include "summary/SummaryText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// How long the strip waits after a change before it recomputes.
constexpr int kDelayMs = 100;

// A screen reader meets the strip as a button named by what the declaration comes to, which
// opens the window "Расчёт налога".
class ResultStripAccessible : public QAccessibleWidget
{
public:
    explicit ResultStripAccessible(ResultStrip* strip)
        : QAccessibleWidget(strip, QAccessible::Button)
    {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            // Queued: the screen reader's call returns before "Расчёт налога" opens.
            auto* strip = static_cast<ResultStrip*>(widget());
            QMetaObject::invokeMethod(
                strip, [strip] { emit strip->openRequested(); }, Qt::QueuedConnection);
        } else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* resultStripAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ResultStrip"))
        return new ResultStripAccessible(static_cast<ResultStrip*>(object));
    return nullptr;
}

} // namespace

ResultStrip::ResultStrip(QWidget* parent, Source source)
    : QFrame(parent), m_source(std::move(source))
{
    static const bool installed = (QAccessible::installFactory(&resultStripAccessible), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("pnlTaxResult"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(QStringLiteral("Расчёт налога: из чего складываются суммы"));

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lbTaxResult"));
    QFont bold = m_text->font();
    bold.setBold(true);
    m_text->setFont(bold);
    // A long line (a computation fault's message) never widens the window: it is cut at the
    // window's edge and read whole in its tooltip.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* more = new QLabel(QStringLiteral("<a href=\"#\">Расчёт налога…</a>"), this);
    more->setObjectName(QStringLiteral("lbTaxResultMore"));
    connect(more, &QLabel::linkActivated, this, &ResultStrip::openRequested);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 1, 6, 1);
    layout->setSpacing(12);
    layout->addWidget(m_text, 1);
    layout->addWidget(more);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // While a dialog is open the frame behind it may be half way through a change: wait.
        if (QApplication::activeModalWidget() != nullptr)
            m_timer.start();
        else
            updateNow();
    });
    setVisible(false);
}

void ResultStrip::scheduleUpdate()
{
    m_timer.start();
}

void ResultStrip::watch(QWidget* area)
{
    m_area = area;
    qApp->installEventFilter(this);
}

bool ResultStrip::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease || type == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && m_area != nullptr && m_area->isAncestorOf(widget))
            scheduleUpdate();
    }
    return false;
}

void ResultStrip::updateNow()
{
    m_timer.stop();
    m_summary = SummarizeDeclaration(m_source());
    const QString line = SummaryText::headline(m_summary).join(QStringLiteral("    "));
    m_text->setText(line);
    m_text->setToolTip(
        m_summary.faultDetail.isEmpty() ? line : line + QLatin1Char('\n') + m_summary.faultDetail);
    // Read by a screen reader as the strip's name, which it announces when it changes.
    if (accessibleName() != line)
        setAccessibleName(line);
    QPalette colours = palette();
    if (m_summary.outcome == TaxSummary::Fault)
        colours.setColor(QPalette::WindowText, Qt::darkRed);
    m_text->setPalette(colours);
    setVisible(m_summary.hasData);
}

QString ResultStrip::text() const
{
    return m_text->text();
}

void ResultStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit openRequested();
    QFrame::mouseReleaseEvent(event);
}

void ResultStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ResultStrip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit openRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}
