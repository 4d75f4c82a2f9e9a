#include "print/PagePainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Page geometry in layout units (0.1 mm).
constexpr qreal left = 200;
constexpr qreal right = 2000;
constexpr qreal top = 100;
constexpr qreal bodyTop = 300;
constexpr qreal bodyBottom = 2700;
constexpr qreal footerTop = 2730;
constexpr qreal captionRight = 1180;
constexpr qreal codeLeft = 1190;
constexpr qreal codeRight = 1290;
constexpr qreal valueLeft = 1300;
constexpr qreal valuePadding = 10;
constexpr qreal rowGap = 8;
constexpr qreal headingGap = 24;
constexpr qreal unbounded = 1.0e6;

constexpr int captionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr qreal valueWidth = right - valueLeft - 2 * valuePadding;

QFont makeFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

qreal textHeight(const QFont& font, qreal width, int flags, const QString& text)
{
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, unbounded), flags, text).height();
}

// Values wrap between words; a word longer than the box (a long identifier) wraps anywhere.
int valueFlags(const QFont& font, const QString& value)
{
    const int words = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF wrapped =
        QFontMetricsF(font).boundingRect(QRectF(0, 0, valueWidth, unbounded), words, value);
    return wrapped.width() <= valueWidth + 0.5
               ? words
               : Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
}

QString declarationTitle(const PrintForm& form)
{
    if (form.formName == QStringLiteral("4-НДФЛ"))
        return QStringLiteral("Налоговая декларация о предполагаемом доходе физического лица\n"
                              "(форма 4-НДФЛ)");
    return QStringLiteral("Налоговая декларация по налогу на доходы физических лиц\n"
                          "(форма 3-НДФЛ)");
}

// The title of a sheet's first page; the title page also names the declaration.
QString sheetTitleText(const PrintForm& form, const PrintSheet& sheet)
{
    return sheet.key == QLatin1String("T")
               ? declarationTitle(form) + QLatin1Char('\n') + sheet.title
               : sheet.title;
}

void drawBox(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
             int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(box);
    painter.setFont(font);
    painter.drawText(box.adjusted(valuePadding, 0, -valuePadding, 0), flags, text);
}

} // namespace

PagePainter::PagePainter(PrintForm form)
    : m_form(std::move(form)), m_text(makeFont(QStringLiteral("DejaVu Sans"), 30)),
      m_bold(makeFont(QStringLiteral("DejaVu Sans"), 32, true)),
      m_title(makeFont(QStringLiteral("DejaVu Sans"), 40, true)),
      m_small(makeFont(QStringLiteral("DejaVu Sans"), 26)),
      m_value(makeFont(QStringLiteral("DejaVu Sans Mono"), 32))
{
    paginate();
}

qreal PagePainter::sheetTitleHeight(const QString& title) const
{
    return textHeight(m_title, right - left, Qt::AlignHCenter | Qt::TextWordWrap, title) + 30;
}

qreal PagePainter::rowHeight(const PrintRow& row) const
{
    if (row.kind == PrintRow::Kind::Heading)
        return headingGap + textHeight(m_bold, right - left, captionFlags, row.caption) + rowGap;
    const qreal caption = textHeight(m_text, captionRight - left, captionFlags, row.caption);
    const qreal value = textHeight(m_value, valueWidth, valueFlags(m_value, row.value), row.value) +
                        2 * valuePadding;
    return std::max({caption, value, qreal(50)}) + rowGap;
}

void PagePainter::paginate()
{
    for (int sheet = 0; sheet < m_form.sheets.size(); ++sheet) {
        const PrintSheet& current = m_form.sheets[sheet];
        Page page{sheet, false, {}};
        qreal y = bodyTop + sheetTitleHeight(sheetTitleText(m_form, current));
        for (qsizetype row = 0; row < current.rows.size(); ++row) {
            const qreal height = rowHeight(current.rows[row]);
            // A heading stays on the page of the line that follows it.
            const bool heading =
                current.rows[row].kind == PrintRow::Kind::Heading && row + 1 < current.rows.size();
            const qreal needed = heading ? height + rowHeight(current.rows[row + 1]) : height;
            if (y + needed > bodyBottom && !page.rows.isEmpty()) {
                m_pages.append(page);
                page = Page{sheet, true, {}};
                y = bodyTop + sheetTitleHeight(current.title + QStringLiteral(" (продолжение)"));
            }
            page.rows.append(row);
            y += height;
        }
        m_pages.append(page);
    }
}

void PagePainter::paintHeader(QPainter& painter, int index) const
{
    painter.setFont(m_text);
    painter.drawText(QRectF(left, top, 100, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ИНН"));
    drawBox(painter, QRectF(left + 110, top, 560, 60), m_value, m_form.inn);
    painter.setFont(m_text);
    painter.drawText(QRectF(left + 720, top, 100, 60), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Стр."));
    drawBox(painter, QRectF(left + 830, top, 140, 60), m_value,
            QStringLiteral("%1").arg(index + 1, 3, 10, QLatin1Char('0')), Qt::AlignCenter);
    painter.setFont(m_bold);
    painter.drawText(QRectF(left + 1000, top, right - left - 1000, 60),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Форма ") + m_form.formName);
    painter.setFont(m_text);
    painter.drawText(QRectF(left, top + 80, 300, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Фамилия И. О."));
    drawBox(painter, QRectF(left + 300, top + 80, 900, 60), m_value, m_form.taxpayer);
    painter.setFont(m_small);
    painter.drawText(QRectF(left + 1250, top + 80, right - left - 1250, 60),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Форма по КНД ") + m_form.knd);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawLine(QPointF(left, top + 170), QPointF(right, top + 170));
}

void PagePainter::paintFooter(QPainter& painter, int index) const
{
    painter.setPen(QPen(Qt::black, 4));
    painter.drawLine(QPointF(left, footerTop), QPointF(right, footerTop));
    painter.setFont(m_small);
    painter.drawText(QRectF(left, footerTop + 15, right - left, 40), Qt::AlignLeft,
                     QStringLiteral("Достоверность и полноту сведений, указанных на данной "
                                    "странице, подтверждаю:"));
    painter.drawText(QRectF(left, footerTop + 75, 1200, 40), Qt::AlignLeft,
                     QStringLiteral("______________________ (подпись)       "
                                    "______________________ (дата)"));
    painter.drawText(QRectF(left + 1200, footerTop + 75, right - left - 1200, 40), Qt::AlignRight,
                     QStringLiteral("Страница %1 из %2").arg(index + 1).arg(pageCount()));
}

qreal PagePainter::paintRow(QPainter& painter, const PrintRow& row, qreal y) const
{
    const qreal height = rowHeight(row);
    painter.setPen(QPen(Qt::black, 3));
    if (row.kind == PrintRow::Kind::Heading) {
        painter.setFont(m_bold);
        painter.drawText(QRectF(left, y + headingGap, right - left, height), captionFlags,
                         row.caption);
        return y + height;
    }
    painter.setFont(m_text);
    painter.drawText(QRectF(left, y, captionRight - left, height), captionFlags, row.caption);
    if (!row.code.isEmpty()) {
        painter.setFont(m_small);
        painter.drawText(QRectF(codeLeft, y, codeRight - codeLeft, 50), Qt::AlignCenter, row.code);
    }
    const QRectF box(valueLeft, y, right - valueLeft, height - rowGap);
    painter.drawRect(box);
    painter.setFont(m_value);
    painter.drawText(box.adjusted(valuePadding, valuePadding, -valuePadding, -valuePadding),
                     valueFlags(m_value, row.value), row.value);
    return y + height;
}

void PagePainter::paintPage(QPainter& painter, const QRectF& target, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    const Page& page = m_pages[index];
    const PrintSheet& sheet = m_form.sheets[page.sheet];
    painter.save();
    const qreal scale = std::min(target.width() / PageWidth, target.height() / PageHeight);
    painter.translate(target.left() + (target.width() - PageWidth * scale) / 2,
                      target.top() + (target.height() - PageHeight * scale) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), Qt::white);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::NoBrush);

    paintHeader(painter, index);
    const QString title = page.continued ? sheet.title + QStringLiteral(" (продолжение)")
                                         : sheetTitleText(m_form, sheet);
    painter.setFont(m_title);
    painter.setPen(Qt::black);
    const qreal titleHeight = sheetTitleHeight(title);
    painter.drawText(QRectF(left, bodyTop, right - left, titleHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title);
    qreal y = bodyTop + titleHeight;
    for (const qsizetype row : page.rows)
        y = paintRow(painter, sheet.rows[row], y);
    paintFooter(painter, index);
    painter.restore();
}

bool PagePainter::paint(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF target(0, 0, device.width(), device.height());
    for (int index = 0; index < pageCount(); ++index) {
        if (index > 0 && !device.newPage())
            return false;
        paintPage(painter, target, index);
    }
    return painter.end();
}
