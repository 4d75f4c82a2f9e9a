#include "ui/window/SectionButton.h"

#include "ui/widgets/Mnemonics.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace {

// A screen reader meets the column as a list of tabs and each button as a tab, chosen when its
// section is shown; pressing it asks for its section as a click does.
class SectionButtonAccessible : public QAccessibleWidget
{
public:
    explicit SectionButtonAccessible(SectionButton* button)
        : QAccessibleWidget(button, QAccessible::PageTab)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return Mnemonics::withoutMark(button()->text());
        if (kind == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = button()->isCurrent();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (button()->isEnabled())
            // Queued, as Qt's own buttons do: the caller (a screen reader waiting for its reply)
            // must not wait for a message the switch may open.
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

private:
    SectionButton* button() const { return static_cast<SectionButton*>(widget()); }
};

class SectionColumnAccessible : public QAccessibleWidget
{
public:
    explicit SectionColumnAccessible(QWidget* column)
        : QAccessibleWidget(column, QAccessible::PageTabList)
    {}
};

QAccessibleInterface* sectionAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("SectionButton"))
        return new SectionButtonAccessible(static_cast<SectionButton*>(object));
    if (className == QLatin1String("SectionColumn"))
        return new SectionColumnAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// The narrowest width at which the caption takes at most two lines, broken at a space.
int twoLineWidth(const QFontMetrics& metrics, const QString& caption)
{
    int best = metrics.horizontalAdvance(caption);
    for (qsizetype at = caption.indexOf(QLatin1Char(' ')); at >= 0;
         at = caption.indexOf(QLatin1Char(' '), at + 1)) {
        best = std::min(best, std::max(metrics.horizontalAdvance(caption.left(at)),
                                       metrics.horizontalAdvance(caption.mid(at + 1))));
    }
    return best;
}

int longestWord(const QFontMetrics& metrics, const QString& caption)
{
    int widest = 0;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

SectionColumn::SectionColumn(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(&sectionAccessible), true);
    Q_UNUSED(installed);
    setAccessibleName(QStringLiteral("Разделы декларации"));
}

SectionButton::SectionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAutoDefault(false);
    setCheckable(true);
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QList<SectionButton*> SectionButton::column() const
{
    return parentWidget()->findChildren<SectionButton*>(Qt::FindDirectChildrenOnly);
}

void SectionButton::makeTabStop(SectionButton* button) const
{
    for (SectionButton* each : column())
        each->setFocusPolicy(each == button ? Qt::StrongFocus : Qt::ClickFocus);
}

void SectionButton::makeCurrent()
{
    for (SectionButton* each : column()) {
        if (each->isChecked() == (each == this))
            continue;
        each->setChecked(each == this);
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(each, changed);
        QAccessible::updateAccessibility(&event);
    }
    const QList<SectionButton*> buttons = column();
    if (std::none_of(buttons.begin(), buttons.end(),
                     [](const SectionButton* each) { return each->hasFocus(); }))
        makeTabStop(this);
}

QSize SectionButton::padding() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const QFontMetrics metrics(font());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), this) +
           QSize(2 * metrics.averageCharWidth(), metrics.lineSpacing() / 2);
}

int SectionButton::textHeight(int textWidth) const
{
    const QFontMetrics metrics(font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, std::max(textWidth, 1), 1 << 16), kTextFlags, text());
    // Two lines at least, so every button of the column has the same height.
    return std::max(needed.height(), 2 * metrics.lineSpacing());
}

QSize SectionButton::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics(font());
    const QString caption = Mnemonics::withoutMark(text());
    const int width = std::max(twoLineWidth(metrics, caption), longestWord(metrics, caption));
    return QSize(width, textHeight(width)) + padding();
}

QSize SectionButton::minimumSizeHint() const
{
    // No narrower than the longest word, no lower than two lines; the lines the width of the
    // column leaves are asked through heightForWidth.
    ensurePolished();
    const QFontMetrics metrics(font());
    const int width = longestWord(metrics, Mnemonics::withoutMark(text()));
    return QSize(width, 2 * metrics.lineSpacing()) + padding();
}

int SectionButton::heightForWidth(int width) const
{
    const QSize room = padding();
    return textHeight(width - room.width()) + room.height();
}

void SectionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QSize room = padding();
    const QRect textArea =
        rect().adjusted(room.width() / 2, room.height() / 2, -room.width() / 2, -room.height() / 2);
    int flags = kTextFlags;
    if (style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) == 0)
        flags |= Qt::TextHideMnemonic;
    painter.drawItemText(textArea, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

void SectionButton::nextCheckState()
{
    // A click asks for the section; the window marks the button whose section it shows.
}

void SectionButton::moveFocus(Move move)
{
    QList<SectionButton*> buttons = column();
    buttons.removeIf(
        [this](const SectionButton* each) { return each != this && !each->isEnabled(); });
    const qsizetype at = buttons.indexOf(this);
    const qsizetype count = buttons.size();
    if (count < 2 || at < 0)
        return;
    qsizetype target = 0;
    switch (move) {
    case Move::Previous:
        target = (at + count - 1) % count;
        break;
    case Move::Next:
        target = (at + 1) % count;
        break;
    case Move::First:
        break;
    case Move::Last:
        target = count - 1;
        break;
    }
    buttons.at(target)->setFocus(Qt::TabFocusReason);
}

void SectionButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        moveFocus(Move::Previous);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        moveFocus(Move::Next);
        break;
    case Qt::Key_Home:
        moveFocus(Move::First);
        break;
    case Qt::Key_End:
        moveFocus(Move::Last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    default:
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SectionButton::focusInEvent(QFocusEvent* event)
{
    makeTabStop(this);
    QPushButton::focusInEvent(event);
}

void SectionButton::focusOutEvent(QFocusEvent* event)
{
    // Leaving the column, the Tab stop goes back to the button of the section shown.
    const QList<SectionButton*> buttons = column();
    if (!buttons.contains(qobject_cast<SectionButton*>(QApplication::focusWidget()))) {
        const auto current =
            std::find_if(buttons.begin(), buttons.end(),
                         [](const SectionButton* each) { return each->isCurrent(); });
        if (current != buttons.end())
            makeTabStop(*current);
    }
    QPushButton::focusOutEvent(event);
}
