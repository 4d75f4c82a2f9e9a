#include "ui/dialogs/WindowCheckAnswerer.h"

#include "ui/dialogs/CheckAllError.h"
#include "ui/dialogs/CheckError.h"

WindowCheckAnswerer::WindowCheckAnswerer(Interaction& interaction, QWidget* parent)
    : m_interaction(interaction), m_parent(parent)
{}

WindowCheckAnswerer::~WindowCheckAnswerer() = default;

SectionAnswer WindowCheckAnswerer::askSection(const SectionQuestion& question)
{
    if (!m_section)
        m_section = std::make_unique<TfmCheckError>(m_parent);
    return m_section->ask(m_interaction, question);
}

DeclarationAnswer WindowCheckAnswerer::askDeclaration(const DeclarationQuestion& question)
{
    if (!m_declaration)
        m_declaration = std::make_unique<TfmCheckAllError>(m_parent);
    return m_declaration->ask(m_interaction, question);
}
