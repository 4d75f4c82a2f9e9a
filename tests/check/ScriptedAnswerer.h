#pragma once

#include "check/CheckAnswerer.h"

#include <QList>

// Answers the questions of a check from a script and keeps every question asked. When the script
// runs out, section questions get defaultSection and declaration questions defaultDeclaration.
class ScriptedAnswerer : public CheckAnswerer
{
public:
    SectionAnswer askSection(const SectionQuestion& question) override
    {
        sectionQuestions.append(question);
        return sectionScript.isEmpty() ? defaultSection : sectionScript.takeFirst();
    }
    DeclarationAnswer askDeclaration(const DeclarationQuestion& question) override
    {
        declarationQuestions.append(question);
        return declarationScript.isEmpty() ? defaultDeclaration : declarationScript.takeFirst();
    }

    QList<SectionAnswer> sectionScript;
    QList<DeclarationAnswer> declarationScript;
    SectionAnswer defaultSection = SectionAnswer::Fix;
    DeclarationAnswer defaultDeclaration = DeclarationAnswer::Fix;

    QList<SectionQuestion> sectionQuestions;
    QList<DeclarationQuestion> declarationQuestions;
};
