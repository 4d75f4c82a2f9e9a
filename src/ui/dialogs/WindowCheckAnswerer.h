#pragma once

#include "check/CheckAnswerer.h"

#include <memory>

class Interaction;
class QWidget;
class TfmCheckAllError;
class TfmCheckError;

// Answers the questions of one check run with the program's check dialogs, asked through the
// interaction. The dialog of the run is created for its first question and reused for the others.
class WindowCheckAnswerer : public CheckAnswerer
{
public:
    WindowCheckAnswerer(Interaction& interaction, QWidget* parent);
    ~WindowCheckAnswerer() override;

    SectionAnswer askSection(const SectionQuestion& question) override;
    DeclarationAnswer askDeclaration(const DeclarationQuestion& question) override;

private:
    Interaction& m_interaction;
    QWidget* m_parent;
    std::unique_ptr<TfmCheckError> m_section;
    std::unique_ptr<TfmCheckAllError> m_declaration;
};
