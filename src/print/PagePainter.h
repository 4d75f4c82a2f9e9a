#pragma once

#include "print/FormLayout.h"

#include <QFont>
#include <QList>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Paints the printed form onto any paint device: printer, preview, PDF or an image. Pages are A4
// portrait, laid out in tenths of a millimetre and scaled to the device, black on white. Every page
// has a header with the taxpayer's INN and name, the form and the page number, the sheet title
// (with "(продолжение)" on its further pages), the form lines and a footer for the signature.
class PagePainter
{
public:
    // Page size in layout units (0.1 mm).
    static constexpr qreal PageWidth = 2100;
    static constexpr qreal PageHeight = 2970;

    explicit PagePainter(PrintForm form);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Paints page index (from 0) scaled into target, a rectangle of the painter's device.
    void paintPage(QPainter& painter, const QRectF& target, int index) const;
    // Paints every page, one device page each; false when the device could not be painted on.
    bool paint(QPagedPaintDevice& device) const;

private:
    struct Page
    {
        int sheet = 0;
        bool continued = false;
        QList<qsizetype> rows;
    };

    qreal rowHeight(const PrintRow& row) const;
    qreal sheetTitleHeight(const QString& title) const;
    void paginate();
    void paintHeader(QPainter& painter, int index) const;
    void paintFooter(QPainter& painter, int index) const;
    qreal paintRow(QPainter& painter, const PrintRow& row, qreal top) const;

    PrintForm m_form;
    QList<Page> m_pages;
    QFont m_text;
    QFont m_bold;
    QFont m_title;
    QFont m_small;
    QFont m_value;
};
