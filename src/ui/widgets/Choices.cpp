#include "ui/widgets/Choices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Choices {

namespace {

QBoxLayout* laid(QBoxLayout* layout, std::initializer_list<QWidget*> buttons)
{
    for (QWidget* button : buttons)
        layout->addWidget(button);
    layout->addStretch();
    return layout;
}

} // namespace

QRadioButton* radio(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QButtonGroup* exclusive(QObject* owner, std::initializer_list<QAbstractButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    for (QAbstractButton* button : buttons)
        group->addButton(button);
    return group;
}

QBoxLayout* row(std::initializer_list<QWidget*> buttons)
{
    return laid(new QHBoxLayout, buttons);
}

QBoxLayout* column(std::initializer_list<QWidget*> buttons)
{
    return laid(new QVBoxLayout, buttons);
}

} // namespace Choices
