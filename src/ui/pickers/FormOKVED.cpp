#include "ui/pickers/FormOKVED.h"

#include "check/EntryRules.h"
#include "directories/ActivityDirectory.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/WindowCheckAnswerer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString none()
{
    return QStringLiteral("нет");
}

// The levels of the classifier, top down.
const std::array<QString, ActivityDirectory::kLevels> kLevelNames{
    QStringLiteral("Раздел"), QStringLiteral("Класс"),     QStringLiteral("Подкласс"),
    QStringLiteral("Группа"), QStringLiteral("Подгруппа"), QStringLiteral("Вид")};

// A list is as wide as most names; a longer name shows whole in the list's tooltip.
constexpr int kNameCharactersShown = 50;

// Some activity names are longer than any window: each shows whole in its tooltip.
void addName(QComboBox* list, const QString& name)
{
    list->addItem(name);
    list->setItemData(list->count() - 1, name, Qt::ToolTipRole);
}

} // namespace

TFormOKVED::TFormOKVED(QWidget* parent, const ActivityDirectory& directory,
                       Interaction& interaction)
    : QDialog(parent), m_directory(directory), m_interaction(interaction)
{
    setWindowTitle(QStringLiteral("Код по ОКВЭД"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* form = new QFormLayout;
    for (int level = 1; level <= ActivityDirectory::kLevels; ++level) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(level));
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(kNameCharactersShown);
        connect(list, &QComboBox::currentTextChanged, list, &QWidget::setToolTip);
        list->addItem(none());
        m_lists[size_t(level - 1)] = list;
        form->addRow(kLevelNames[size_t(level - 1)], list);
        connect(list, &QComboBox::activated, this,
                [this, level](int index) { picked(level, index); });
    }
    for (int position : m_directory.entriesOfLevel(1))
        addName(m_lists[0], m_directory.entries().at(position).name);

    m_okvedShown = new QLineEdit(none(), this);
    m_okvedShown->setObjectName(QStringLiteral("edOKV"));
    m_okvedShown->setReadOnly(true);
    form->addRow(QStringLiteral("Код по ОКВЭД"), m_okvedShown);

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TFormOKVED::confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
}

QString TFormOKVED::okvedText() const
{
    return m_okvedShown->text();
}

bool TFormOKVED::PickItem(int level, const QString& text)
{
    if (level < 1 || level > ActivityDirectory::kLevels)
        return false;
    QComboBox* list = m_lists[size_t(level - 1)];
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    picked(level, index);
    return true;
}

void TFormOKVED::resetBelow(int level)
{
    for (int below = level + 1; below <= ActivityDirectory::kLevels; ++below) {
        QComboBox* list = m_lists[size_t(below - 1)];
        list->clear();
        list->addItem(none());
        list->setCurrentIndex(0);
    }
}

void TFormOKVED::picked(int level, int index)
{
    QComboBox* list = m_lists[size_t(level - 1)];
    if (index > 0) {
        const int position = m_directory.findByName(level, list->itemText(index));
        if (position < 0)
            return;
        const ActivityEntry& entry = m_directory.entries().at(position);
        m_kod = entry.kod;
        m_name = entry.name;
        m_okvedShown->setText(entry.okved);
        resetBelow(level);
        for (int below = level + 1; below <= ActivityDirectory::kLevels; ++below) {
            QComboBox* lower = m_lists[size_t(below - 1)];
            for (int child : m_directory.entriesOfLevel(below, m_kod))
                addName(lower, m_directory.entries().at(child).name);
            lower->setCurrentIndex(0);
        }
    } else if (list->count() > 1) {
        resetBelow(level);
    }
}

void TFormOKVED::confirm()
{
    WindowCheckAnswerer answerer(m_interaction, this);
    if (CheckActivityCode(answerer, QStringLiteral("ОКВЭД"), m_kod) == 0)
        accept();
}
