#include "LayoutFaults.h"

#include "ui/widgets/AmountValidator.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/Mnemonics.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStyleOption>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The text as it is drawn: without the mnemonic marks.
QString shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The widest line of a text in the widget's font.
int textWidth(const QWidget& widget, const QString& text)
{
    int widest = 0;
    for (const QString& line : shown(text).split(QLatin1Char('\n')))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

// A person can still read a cut text when the tooltip shows all of it.
bool tooltipShows(const QString& tooltip, const QString& text)
{
    return !text.isEmpty() && tooltip.contains(text.trimmed());
}

} // namespace

QString describe(const QRect& rect)
{
    return QStringLiteral("%1x%2 at (%3,%4)")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.x())
        .arg(rect.y());
}

namespace {

// The room a line edit leaves for its text.
int lineEditRoom(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    QRect contents = edit.style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                         .marginsRemoved(edit.textMargins());
    // A button inside the field (a date's calendar) takes its place from the text.
    for (const QToolButton* inside : edit.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (inside->isVisible() && inside->x() > contents.center().x())
            contents.setRight(std::min(contents.right(), inside->x() - 1));
    }
    // The line edit keeps two pixels on each side and one for the cursor.
    return contents.width() - 5;
}

QString widgetName(const QWidget& widget)
{
    return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                         : widget.objectName();
}

// What lies inside these is Qt's own or scrolls.
bool descends(const QWidget& widget)
{
    return qobject_cast<const QAbstractScrollArea*>(&widget) == nullptr &&
           qobject_cast<const QComboBox*>(&widget) == nullptr &&
           qobject_cast<const QAbstractSpinBox*>(&widget) == nullptr &&
           qobject_cast<const QLineEdit*>(&widget) == nullptr;
}

// The page a scroll area scrolls, inspected whole: what it needs more than the area has is
// reached by scrolling.
const QWidget* scrolledPage(const QWidget& widget)
{
    const auto* area = qobject_cast<const QScrollArea*>(&widget);
    return area != nullptr && area->widget() != nullptr && !area->widget()->isHidden()
               ? area->widget()
               : nullptr;
}

class Inspector
{
public:
    explicit Inspector(QStringList& faults) : m_faults(faults) {}

    // A widget inside a squeezed one is squeezed with it: only the outermost one is named.
    void inspect(const QWidget& widget, const QString& path, const QRect& visibleArea,
                 bool insideSqueezed = false)
    {
        const bool squeezed = checkSize(widget, path, insideSqueezed);
        checkText(widget, path);
        if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget))
            checkItems(*view, path);
        if (const QWidget* page = scrolledPage(widget))
            inspect(*page, path + QLatin1Char('/') + widgetName(*page), page->rect());
        if (!descends(widget))
            return;
        for (const QObject* object : widget.children()) {
            const auto* child = qobject_cast<const QWidget*>(object);
            if (child == nullptr || child->isWindow() || child->isHidden() ||
                child->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            // A widget of one pixel is kept out of sight on purpose (a default button that only
            // takes Enter).
            if (child->maximumWidth() <= 1 || child->maximumHeight() <= 1)
                continue;
            const QString childPath = path + QLatin1Char('/') + widgetName(*child);
            const QRect place = child->geometry();
            if (!place.isEmpty() && !visibleArea.contains(place))
                fault(childPath, QStringLiteral("lies outside the visible area of its parent: ") +
                                     describe(place) + QStringLiteral(" in ") +
                                     describe(visibleArea));
            inspect(*child, childPath, (visibleArea & place).translated(-place.topLeft()),
                    squeezed);
        }
    }

private:
    void fault(const QString& path, const QString& what)
    {
        m_faults.append(path + QStringLiteral(": ") + what);
    }

    bool checkSize(const QWidget& widget, const QString& path, bool insideSqueezed)
    {
        const QSize hint = widget.minimumSizeHint();
        if (!hint.isValid())
            return insideSqueezed;
        // A smaller fixed or maximum size, or a size policy that ignores the hint, was given on
        // purpose; the content checks judge it.
        const QSizePolicy policy = widget.sizePolicy();
        const bool narrow = widget.width() < hint.width() &&
                            widget.maximumWidth() >= hint.width() &&
                            policy.horizontalPolicy() != QSizePolicy::Ignored;
        const bool low = widget.height() < hint.height() &&
                         widget.maximumHeight() >= hint.height() &&
                         policy.verticalPolicy() != QSizePolicy::Ignored;
        if ((narrow || low) && !insideSqueezed)
            fault(path, QStringLiteral("squeezed to %1x%2 below its minimum size hint %3x%4")
                            .arg(widget.width())
                            .arg(widget.height())
                            .arg(hint.width())
                            .arg(hint.height()));
        return insideSqueezed || narrow || low;
    }

    void textFault(const QWidget& widget, const QString& path, const QString& text, int needed,
                   int room)
    {
        if (text.isEmpty() || needed <= room || tooltipShows(widget.toolTip(), text))
            return;
        fault(path, QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room));
    }

    void checkText(const QWidget& widget, const QString& path)
    {
        if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
            if (label->text().isEmpty())
                return;
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height() && !tooltipShows(label->toolTip(), label->text()))
                    fault(path, QStringLiteral("\"%1\" needs %2 px of height, has %3")
                                    .arg(label->text())
                                    .arg(needed)
                                    .arg(label->height()));
                return;
            }
            textFault(widget, path, label->text(), label->sizeHint().width(), label->width());
        } else if (const auto* push = qobject_cast<const QPushButton*>(&widget);
                   push != nullptr && push->hasHeightForWidth()) {
            // A button whose caption wraps needs the height its width leaves.
            if (push->heightForWidth(push->width()) > push->height())
                fault(path, QStringLiteral("\"%1\" needs %2 px of height, has %3")
                                .arg(push->text())
                                .arg(push->heightForWidth(push->width()))
                                .arg(push->height()));
        } else if (push != nullptr) {
            QStyleOptionButton option;
            option.initFrom(push);
            const QRect room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            textFault(widget, path, push->text(), textWidth(*push, push->text()) + icon,
                      room.width());
        } else if (qobject_cast<const QCheckBox*>(&widget) != nullptr ||
                   qobject_cast<const QRadioButton*>(&widget) != nullptr ||
                   qobject_cast<const QToolButton*>(&widget) != nullptr) {
            const auto& button = static_cast<const QAbstractButton&>(widget);
            textFault(widget, path, button.text(), button.sizeHint().width(), button.width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
            const int indicator = group->isCheckable()
                                      ? group->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6
                                      : 0;
            textFault(widget, path, group->title(),
                      textWidth(*group, group->title()) + indicator + 8, group->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = combo->hasFrame();
            const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, combo);
            textFault(widget, path, combo->currentText(), textWidth(*combo, combo->currentText()),
                      room.width());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
            const QString longest = EntryFields::longestText(*edit);
            if (!longest.isEmpty()) {
                textFault(widget, path, QStringLiteral("%1 digits").arg(longest.size()),
                          textWidth(*edit, longest), lineEditRoom(*edit));
            } else if (edit->isReadOnly()) {
                // What a person types can be scrolled through; a display shows all of itself.
                textFault(widget, path, edit->text(), textWidth(*edit, edit->text()),
                          lineEditRoom(*edit));
            }
        }
    }

    void checkItems(const QAbstractItemView& view, const QString& path)
    {
        const auto* tree = qobject_cast<const QTreeView*>(&view);
        if (tree == nullptr || view.model() == nullptr)
            return;
        const QHeaderView* header = tree->header();
        const QAbstractItemModel& model = *view.model();
        const int margin = view.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        // An item's text is elided within the focus frame's margin on either side.
        const int itemMargin =
            2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        for (int column = 0; column < model.columnCount(); ++column) {
            if (tree->isColumnHidden(column))
                continue;
            const int room = header->sectionSize(column);
            const QString caption = model.headerData(column, Qt::Horizontal).toString();
            const QString captionTip =
                model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
            if (!header->isHidden() && textWidth(*header, caption) + 2 * margin > room &&
                !tooltipShows(captionTip, caption))
                fault(path, QStringLiteral("column header \"%1\" needs %2 px, has %3")
                                .arg(caption)
                                .arg(textWidth(*header, caption) + 2 * margin)
                                .arg(room));
            for (int row = 0; row < model.rowCount(); ++row) {
                const QModelIndex index = model.index(row, column);
                const QString text = index.data(Qt::DisplayRole).toString();
                const int needed = textWidth(view, text) + itemMargin;
                if (needed > room && !tooltipShows(index.data(Qt::ToolTipRole).toString(), text)) {
                    fault(path, QStringLiteral("row %1 column %2: \"%3\" needs %4 px, has %5 and "
                                               "no tooltip")
                                    .arg(row)
                                    .arg(column)
                                    .arg(text)
                                    .arg(needed)
                                    .arg(room));
                    return;
                }
            }
        }
    }

    QStringList& m_faults;
};

QString readerText(const QWidget& widget, QAccessible::Text kind)
{
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(
        const_cast<QWidget*>(&widget)); // NOLINT: the interface only reads
    return reader != nullptr ? reader->text(kind).trimmed() : QString();
}

QString groupTitle(const QWidget& widget)
{
    for (const QWidget* up = widget.parentWidget(); up != nullptr && !up->isWindow();
         up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up))
            return Mnemonics::withoutMark(group->title()).trimmed();
    }
    return {};
}

class Listener
{
public:
    Listener(const QWidget& screen, QStringList& faults) : m_screen(screen), m_faults(faults) {}

    void inspect()
    {
        walk(m_screen, widgetName(m_screen));
        checkNames();
        checkFigures();
        checkLetters();
    }

private:
    struct Found
    {
        const QWidget* widget;
        QString path;
    };

    void walk(const QWidget& widget, const QString& path)
    {
        for (const QObject* object : widget.children()) {
            const auto* child = qobject_cast<const QWidget*>(object);
            if (child == nullptr || child->isWindow() || !child->isVisibleTo(&m_screen) ||
                child->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            const QString childPath = path + QLatin1Char('/') + widgetName(*child);
            if ((child->focusPolicy() & Qt::TabFocus) != 0 && child->isEnabled() &&
                child->focusProxy() == nullptr)
                m_tabStops.append({child, childPath});
            if (const auto* edit = qobject_cast<const QLineEdit*>(child);
                edit != nullptr && edit->isReadOnly() && !edit->text().trimmed().isEmpty())
                m_figures.append({child, childPath});
            if (!Mnemonics::caption(*child).isEmpty() &&
                !Mnemonics::of(Mnemonics::caption(*child)).isNull())
                m_marked.append({child, childPath});
            if (const QWidget* page = scrolledPage(*child))
                walk(*page, childPath + QLatin1Char('/') + widgetName(*page));
            if (descends(*child))
                walk(*child, childPath);
        }
    }

    void checkNames()
    {
        for (const Found& stop : std::as_const(m_tabStops)) {
            const QString name = readerText(*stop.widget, QAccessible::Name);
            const bool list = qobject_cast<const QAbstractItemView*>(stop.widget) != nullptr;
            if (name.isEmpty())
                fault(stop.path,
                      list ? QStringLiteral("list without a name") : QStringLiteral("no name"));
            else if (std::none_of(name.begin(), name.end(),
                                  [](QChar c) { return c.isLetterOrNumber(); }))
                fault(stop.path, QStringLiteral("named only \"%1\"").arg(name));
            else if (name == groupTitle(*stop.widget))
                fault(stop.path, QStringLiteral("named only by its group box \"%1\"").arg(name));
        }
    }

    void checkFigures()
    {
        QStringList descriptions;
        for (const Found& stop : std::as_const(m_tabStops))
            descriptions.append(readerText(*stop.widget, QAccessible::Description));
        for (const Found& figure : std::as_const(m_figures)) {
            if ((figure.widget->focusPolicy() & Qt::TabFocus) != 0)
                continue;
            const QString text = static_cast<const QLineEdit*>(figure.widget)->text().trimmed();
            if (std::none_of(
                    descriptions.begin(), descriptions.end(),
                    [&](const QString& description) { return description.contains(text); }))
                fault(figure.path,
                      QStringLiteral("figure \"%1\" not reached by Tab nor read with a field")
                          .arg(text));
        }
    }

    void checkLetters()
    {
        QMap<QChar, QString> owners;
        for (const QMenuBar* bar : m_screen.findChildren<QMenuBar*>()) {
            if (bar->window() != &m_screen)
                continue;
            for (const QAction* action : bar->actions())
                owners.insert(Mnemonics::of(action->text()),
                              QStringLiteral("menu ") + action->text());
        }
        for (const Found& marked : std::as_const(m_marked)) {
            const QChar letter = Mnemonics::of(Mnemonics::caption(*marked.widget));
            if (owners.contains(letter))
                fault(marked.path, QStringLiteral("Alt+%1 also belongs to %2")
                                       .arg(letter.toUpper(), owners.value(letter)));
            else
                owners.insert(letter, marked.path);
        }
    }

    void fault(const QString& path, const QString& what)
    {
        m_faults.append(path + QStringLiteral(": ") + what);
    }

    const QWidget& m_screen;
    QStringList& m_faults;
    QList<Found> m_tabStops;
    QList<Found> m_figures;
    QList<Found> m_marked;
};

} // namespace

QStringList accessFaults(const QWidget& screen)
{
    QStringList faults;
    Listener(screen, faults).inspect();
    return faults;
}

QStringList layoutFaults(const QWidget& screen)
{
    QStringList faults;
    Inspector(faults).inspect(screen, widgetName(screen), screen.rect());
    return faults;
}
