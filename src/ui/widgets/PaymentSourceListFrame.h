#pragma once

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/OtherIncomeListFrame.h"

// A frame over one list of sources of payment of the document (dividends, income at 35 %) whose
// entries are entered through a dialog: add, edit and delete through the list's buttons, and the
// result panels of the selected entry. Every value reaches the document when the dialog is
// confirmed, so storing and checking the frame do nothing.
template <class Entry, class Dialog> class PaymentSourceListFrame : public OtherIncomeListFrame
{
public:
    void StoreData() override {}
    quint16 CheckData() override { return 0; }
    void FocusError(quint16 /*code*/) override {}

protected:
    using Entries = RecordList<Entry>;

    PaymentSourceListFrame(QWidget* parent, FrameHost& host, Entries mTDeclaration::*entries)
        : OtherIncomeListFrame(parent, host, QStringLiteral("Источники выплат"),
                               QStringLiteral("Список источников выплат")),
          m_entries(entries)
    {}

    Entries& entries() const { return document().*m_entries; }

    // Lists the document's entries with no row selected; called once the panels exist.
    void fillFromDocument()
    {
        QStringList names;
        for (const Entry& entry : entries())
            names.append(entry.SourceName);
        fillRows(names);
        clearPanels();
    }

    virtual void clearPanels() = 0;
    // Whether a confirmed dialog holds enough for an entry: a name that is not blank.
    virtual bool complete(const Dialog& dialog) const
    {
        return !dialog.sourceName().trimmed().isEmpty();
    }
    // What a new entry gets besides the dialog's fields.
    virtual void initialise(Entry& /*entry*/) const {}

    void addEntry() override
    {
        if (this->refuseWhenFull(entries().IsFull()))
            return;
        Interaction& interaction = host().interaction();
        Dialog dialog(this, interaction);
        if (interaction.execDialog(dialog) != QDialog::Accepted || !complete(dialog))
            return;
        host().NotifyDocumentChanged();
        const int row = entries().Add();
        Entry& entry = entries().At(row);
        dialog.Apply(entry);
        initialise(entry);
        appendRow(entry.SourceName);
        selectRow(row);
    }

    void editEntry(int row) override
    {
        Entry& entry = entries().At(row);
        Dialog dialog(this, host().interaction());
        dialog.Fill(entry);
        if (host().interaction().execDialog(dialog) != QDialog::Accepted || !complete(dialog))
            return;
        host().NotifyDocumentChanged();
        dialog.Apply(entry);
        setRowText(row, entry.SourceName);
        selectRow(row);
    }

    QString deletionQuestion(int row) const override
    {
        return QStringLiteral("Удалить источник «%1» и его доходы?")
            .arg(entries().At(row).SourceName);
    }

    void deleteEntry(int row) override
    {
        host().NotifyDocumentChanged();
        entries().Delete(row);
        if (removeRowAndSelectNeighbour(row) < 0)
            clearPanels();
    }

private:
    Entries mTDeclaration::*m_entries;
};
