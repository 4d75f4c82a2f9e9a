#pragma once

#include "summary/TaxSummary.h"

#include <QWidget>

class QPainter;

// The picture of income at 13 %: one bar that splits the income into its non-taxable part, the
// deductions and the tax base, and beside it the tax computed against the tax withheld and paid,
// the gap between them marked as the refund or the payment.
class IncomeBarPicture : public QWidget
{
    Q_OBJECT

public:
    IncomeBarPicture(QWidget* parent, const TaxSummary& summary);

    // Paints the picture of the summary into target, keeping its proportions: on a widget, a
    // printer page or an image alike.
    static void paint(QPainter& painter, const QRect& target, const TaxSummary& summary);
    static QString title();
    // The figures of the picture in words, for a person who cannot see it.
    static QString describe(const TaxSummary& summary);

    QSize sizeHint() const override { return {720, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TaxSummary& m_summary;
};
