#include "ui/widgets/Mnemonics.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace Mnemonics {

namespace {

// Widgets whose inner buttons are Qt's own, or hold actions with captions of their own.
bool opaque(const QWidget& widget)
{
    return qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QTabBar*>(&widget) != nullptr ||
           qobject_cast<const QMenuBar*>(&widget) != nullptr ||
           qobject_cast<const QToolBar*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr;
}

bool plainLabelWithBuddy(const QLabel& label)
{
    if (label.buddy() == nullptr)
        return false;
    return label.textFormat() == Qt::PlainText ||
           (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()));
}

bool carriesLetter(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return plainLabelWithBuddy(*label);
    if (const auto* tool = qobject_cast<const QToolButton*>(&widget))
        return tool->defaultAction() == nullptr;
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return !group->title().isEmpty();
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr;
}

void collect(QWidget& parent, QList<QWidget*>& out)
{
    for (QObject* object : parent.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow())
            continue;
        // Qt's own inner buttons keep their captions; a scroll area's viewport is passed through.
        if (carriesLetter(*child) && !child->objectName().startsWith(QStringLiteral("qt_")))
            out.append(child);
        if (!opaque(*child))
            collect(*child, out);
    }
}

void setCaption(QWidget& control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&control))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
}

// The letters that marks set by hand hold already: the menus of the menu bar and the tabs.
void addFixedLetters(QWidget& window, QSet<QChar>& taken)
{
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (bar->window() != &window)
            continue;
        for (const QAction* action : bar->actions())
            taken.insert(of(action->text()));
    }
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        if (tabs->window() != &window)
            continue;
        for (int tab = 0; tab < tabs->count(); ++tab)
            taken.insert(of(tabs->tabText(tab)));
    }
}

// The position of the letter to mark, or -1: the first free first letter of a word, then any
// free letter, then any free digit.
qsizetype freeLetter(const QString& text, const QSet<QChar>& taken)
{
    const auto free = [&](qsizetype at) { return !taken.contains(text.at(at).toLower()); };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool wordStart = at == 0 || !text.at(at - 1).isLetterOrNumber();
        if (wordStart && text.at(at).isLetter() && free(at))
            return at;
    }
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at).isLetter() && free(at))
            return at;
    }
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at).isDigit() && free(at))
            return at;
    }
    return -1;
}

} // namespace

QChar of(const QString& caption)
{
    for (qsizetype at = 0; at + 1 < caption.size(); ++at) {
        if (caption.at(at) != QLatin1Char('&'))
            continue;
        if (caption.at(at + 1) == QLatin1Char('&')) {
            ++at;
            continue;
        }
        return caption.at(at + 1).toLower();
    }
    return {};
}

QString withoutMark(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption.at(at) == QLatin1Char('&') && at + 1 < caption.size())
            ++at;
        out += caption.at(at);
    }
    return out;
}

QString caption(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

QList<QWidget*> controls(QWidget& window)
{
    QList<QWidget*> out;
    collect(window, out);
    return out;
}

void assign(QWidget& window)
{
    const QList<QWidget*> all = controls(window);
    QSet<QChar> taken;
    addFixedLetters(window, taken);
    QList<QWidget*> unmarked;
    for (QWidget* control : all) {
        const QChar letter = of(caption(*control));
        if (!letter.isNull())
            taken.insert(letter);
        else if (!caption(*control).isEmpty())
            unmarked.append(control);
    }
    taken.remove(QChar());
    std::stable_partition(unmarked.begin(), unmarked.end(),
                          [&](const QWidget* control) { return control->isVisibleTo(&window); });
    for (QWidget* control : std::as_const(unmarked)) {
        const QString text = caption(*control);
        const qsizetype at = freeLetter(text, taken);
        if (at < 0)
            continue;
        taken.insert(text.at(at).toLower());
        setCaption(*control, text.left(at) + QLatin1Char('&') + text.mid(at));
    }
}

} // namespace Mnemonics

MnemonicWatch::MnemonicWatch(QObject* parent) : QObject(parent) {}

bool MnemonicWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    // Menus, tooltips and other popups carry no controls of their own.
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Window && type != Qt::Dialog)
        return false;
    if (m_pending.contains(window))
        return false;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &MnemonicWatch::assignPending);
    m_pending.append(window);
    return false;
}

void MnemonicWatch::assignPending()
{
    const QList<QPointer<QWidget>> windows = std::exchange(m_pending, {});
    for (const QPointer<QWidget>& window : windows) {
        if (!window.isNull())
            Mnemonics::assign(*window);
    }
}
