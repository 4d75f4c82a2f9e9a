#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

struct PrintXmlElement;

// One line of a printed sheet: a block heading, or a form line with its value.
struct PrintRow
{
    enum class Kind
    {
        Heading,
        Field,
        // The signer's signature line with the date of the declaration as its value.
        Signature
    };

    Kind kind = Kind::Field;
    QString code;
    QString caption;
    QString value;
    // Where the value comes from: "Element/attribute" of the XML, or "" for a print parameter.
    QString source;
};

// One sheet of the printed form; it takes as many pages as its rows need.
struct PrintSheet
{
    QString key;
    QString title;
    QList<PrintRow> rows;
};

// The printed form of one declaration: what every page header shows and the sheets in print order.
struct PrintForm
{
    // "3-НДФЛ" or "4-НДФЛ".
    QString formName;
    QString knd;
    QString inn;
    // Surname and initials of the taxpayer.
    QString taxpayer;
    QList<PrintSheet> sheets;
};

// Print parameters given by the program (name, value), printed on the title page.
using PrintParameters = QList<QPair<QString, QString>>;

// Lays out the declaration's XML as the printed form: the title page with the taxpayer and the
// signer, Section 1, the per-rate sections of Section 2, then every sheet the XML holds. Every
// attribute value of the declaration becomes one form line, unchanged, under the caption of its
// form line (an attribute the form does not know is printed under its own name). The details of
// the file (its identifier, program and format versions) stay off paper; the form's KND code is
// printed in the page header and the document's date in the signer's block.
class FormLayout
{
public:
    // The form, or std::nullopt with the reason in error when the XML is not a declaration.
    static std::optional<PrintForm> build(const PrintXmlElement& root,
                                          const PrintParameters& parameters, QString& error);
};
