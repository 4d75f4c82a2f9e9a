#include "ui/result/IncomeBarPicture.h"

#include "summary/SummaryText.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

// The picture is laid out on a canvas of this size and scaled into its target.
constexpr int kWidth = 720;
constexpr int kHeight = 420;
constexpr double kBarTop = 70;
constexpr double kBarBottom = 350;

// The bars stand out from the white at 3 : 1 at least, the coloured words at 4.5 : 1.
const QColor kExemptColour(0x6b, 0x8e, 0x23);
const QColor kDeductionColour(0x4f, 0x81, 0xbd);
const QColor kBaseColour(0xb0, 0x70, 0x1a);
const QColor kComputedColour(0xc0, 0x50, 0x4d);
const QColor kPaidColour(0x80, 0x64, 0xa2);
const QColor kCreditColour(0x8e, 0x79, 0xb0);
const QColor kRefundColour(0x1e, 0x71, 0x45);
const QColor kPayColour(0xb0, 0x3a, 0x37);

// Below this the text would be too small to read even printed.
constexpr int kSmallestPixels = 8;

QFont canvasFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// An amount as the picture writes it: its groups of digits and "руб." never parted at a line end.
QString roubles(Money amount)
{
    return SummaryText::roubles(amount).replace(QLatin1Char(' '), QChar(0x00A0));
}

// Draws text inside box, wrapped at the spaces and, where it still needs more room, in a smaller
// font: a label is never cut by its box or by the edge of the picture.
void drawFitted(QPainter& painter, const QRectF& box, int flags, const QString& text, QFont font)
{
    flags |= Qt::TextWordWrap;
    while (font.pixelSize() > kSmallestPixels) {
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.drawText(box, flags, text);
}

// The height on the canvas of an amount out of a whole shown as the full bar.
double heightOf(Money amount, Money whole)
{
    if (whole <= Money() || amount <= Money())
        return 0;
    return (kBarBottom - kBarTop) * double(amount.units()) / double(whole.units());
}

// A colour of the income bar with what it means and its amount, the amount under the words.
void legendEntry(QPainter& painter, double y, const QColor& colour, const QString& caption,
                 Money amount)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(180, y, 14, 14));
    painter.setPen(Qt::black);
    drawFitted(painter, QRectF(202, y - 2, 220, 38), Qt::AlignLeft | Qt::AlignTop,
               caption + QStringLiteral(":\n") + roubles(amount), canvasFont(13));
}

// A bar segment from the bottom at baseline, height h, with its colour.
double stack(QPainter& painter, double x, double width, double baseline, double h,
             const QColor& colour)
{
    if (h > 0) {
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, baseline - h, width, h));
    }
    return baseline - h;
}

void paintIncome(QPainter& painter, const IncomeBar13& bar)
{
    const double x = 60;
    const double width = 100;
    double top = stack(painter, x, width, kBarBottom, heightOf(bar.base, bar.income), kBaseColour);
    top = stack(painter, x, width, top, heightOf(bar.deductions, bar.income), kDeductionColour);
    stack(painter, x, width, top, heightOf(bar.exempt, bar.income), kExemptColour);

    painter.setPen(Qt::black);
    drawFitted(painter, QRectF(20, kBarBottom + 8, 180, kHeight - kBarBottom - 10),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Доход ") + roubles(bar.income),
               canvasFont(13, true));
    legendEntry(painter, kBarTop + 10, kExemptColour, QStringLiteral("Не облагается"), bar.exempt);
    legendEntry(painter, kBarTop + 54, kDeductionColour, QStringLiteral("Вычеты"), bar.deductions);
    legendEntry(painter, kBarTop + 98, kBaseColour, QStringLiteral("Налоговая база"), bar.base);
}

// The gap between the tax computed and the tax paid, hatched, with what it means.
void paintGap(QPainter& painter, const QRectF& gap, const QColor& colour, const QString& text)
{
    if (gap.height() > 0) {
        painter.setPen(QPen(colour, 2, Qt::DashLine));
        painter.setBrush(QBrush(colour, Qt::BDiagPattern));
        painter.drawRect(gap);
    }
    painter.setPen(colour);
    drawFitted(painter, QRectF(430, 12, 280, 52), Qt::AlignCenter, text, canvasFont(15, true));
}

void paintTax(QPainter& painter, const IncomeBar13& bar)
{
    // The foreign tax credit counts only against a tax computed above what was paid.
    const Money credit = bar.taxComputed > bar.taxPaid
                             ? std::min(bar.foreignCredit, bar.taxComputed - bar.taxPaid)
                             : Money();
    const Money paidWithCredit = bar.taxPaid + credit;
    const Money whole = std::max(bar.taxComputed, paidWithCredit);
    const double computedX = 460;
    const double paidX = 590;
    const double width = 90;

    const double computedTop = stack(painter, computedX, width, kBarBottom,
                                     heightOf(bar.taxComputed, whole), kComputedColour);
    const double paidTop =
        stack(painter, paidX, width, kBarBottom, heightOf(bar.taxPaid, whole), kPaidColour);
    const double creditTop =
        stack(painter, paidX, width, paidTop, heightOf(credit, whole), kCreditColour);

    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.drawLine(QPointF(computedX, computedTop), QPointF(paidX + width, computedTop));
    painter.setPen(Qt::black);
    // The labels under the two bars share the room between them.
    const double labelTop = kBarBottom + 8;
    const double labelHeight = kHeight - labelTop - 2;
    drawFitted(painter, QRectF(computedX - 13, labelTop, width + 26, labelHeight),
               Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Исчислено\n") + roubles(bar.taxComputed), canvasFont(13));
    QString paid = QStringLiteral("Удержано и уплачено\n") + roubles(bar.taxPaid);
    if (!credit.isZero())
        paid += QStringLiteral("\nзачёт ") + roubles(credit);
    drawFitted(painter, QRectF(paidX - 29, labelTop, width + 58, labelHeight),
               Qt::AlignHCenter | Qt::AlignTop, paid, canvasFont(13));

    if (!bar.toRefund.isZero()) {
        paintGap(painter, QRectF(QPointF(paidX, paidTop), QPointF(paidX + width, computedTop)),
                 kRefundColour, QStringLiteral("К возврату: ") + roubles(bar.toRefund));
    } else if (!bar.toPay.isZero()) {
        paintGap(painter, QRectF(QPointF(paidX, computedTop), QPointF(paidX + width, creditTop)),
                 kPayColour, QStringLiteral("К уплате: ") + roubles(bar.toPay));
    } else {
        paintGap(painter, QRectF(), Qt::black, QStringLiteral("Налог уплачен полностью"));
    }
}

QString emptyText(const TaxSummary& summary)
{
    switch (summary.outcome) {
    case TaxSummary::Fault:
        return QStringLiteral("— ") + summary.faultMessage;
    case TaxSummary::NotComputed:
        return SummaryText::headline(summary).join(QLatin1Char(' '));
    case TaxSummary::Computed:
        break;
    }
    return QStringLiteral("Доходов по ставке 13 % нет");
}

} // namespace

QString IncomeBarPicture::title()
{
    return QStringLiteral("Доходы по ставке 13 % и налог");
}

QString IncomeBarPicture::describe(const TaxSummary& summary)
{
    if (summary.outcome != TaxSummary::Computed || !summary.hasBar13)
        return emptyText(summary);
    const IncomeBar13& bar = summary.bar13;
    const auto figure = [](const QString& caption, Money amount) {
        return caption + QStringLiteral(": ") + SummaryText::roubles(amount);
    };
    QStringList figures = {figure(QStringLiteral("Доход"), bar.income),
                           figure(QStringLiteral("не облагается"), bar.exempt),
                           figure(QStringLiteral("вычеты"), bar.deductions),
                           figure(QStringLiteral("налоговая база"), bar.base),
                           figure(QStringLiteral("налог исчислен"), bar.taxComputed),
                           figure(QStringLiteral("удержан и уплачен"), bar.taxPaid)};
    if (!bar.foreignCredit.isZero())
        figures << figure(QStringLiteral("зачёт налога, уплаченного за рубежом"),
                          bar.foreignCredit);
    if (!bar.toRefund.isZero())
        figures << figure(QStringLiteral("к возврату"), bar.toRefund);
    else if (!bar.toPay.isZero())
        figures << figure(QStringLiteral("к уплате"), bar.toPay);
    else
        figures << QStringLiteral("налог уплачен полностью");
    return figures.join(QStringLiteral("; ")) + QLatin1Char('.');
}

IncomeBarPicture::IncomeBarPicture(QWidget* parent, const TaxSummary& summary)
    : QWidget(parent), m_summary(summary)
{
    setObjectName(QStringLiteral("pbIncomeBar"));
    // A person who cannot see the picture reads its figures.
    setAccessibleName(QStringLiteral("Рисунок: ") + title());
    setAccessibleDescription(describe(summary));
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(kWidth / 2, kHeight / 2);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void IncomeBarPicture::paint(QPainter& painter, const QRect& target, const TaxSummary& summary)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The canvas scaled into the target without distortion, centred.
    const double scale =
        std::min(double(target.width()) / kWidth, double(target.height()) / kHeight);
    painter.translate(target.x() + (target.width() - kWidth * scale) / 2,
                      target.y() + (target.height() - kHeight * scale) / 2);
    painter.scale(scale, scale);

    painter.setPen(Qt::black);
    drawFitted(painter, QRectF(20, 20, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, title(),
               canvasFont(16, true));
    if (summary.outcome == TaxSummary::Computed && summary.hasBar13) {
        paintIncome(painter, summary.bar13);
        paintTax(painter, summary.bar13);
    } else {
        drawFitted(painter, QRectF(40, 80, kWidth - 80, kHeight - 160), Qt::AlignCenter,
                   emptyText(summary), canvasFont(14));
    }
    painter.restore();
}

void IncomeBarPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect(), m_summary);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
