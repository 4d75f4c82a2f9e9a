#pragma once

#include "print/FormLayout.h"

#include <QFont>
#include <QList>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// Paints the printed form onto any paint device: printer, preview, PDF or an image. Pages are A4
// portrait, laid out in tenths of a millimetre and scaled to the device, black on white, as the
// paper form: every value is written in character cells, one character a cell, left-aligned with
// the unused cells of its row struck through by a dash; amounts keep their kopecks in two cells
// after the point; a long text goes on in further rows of cells. Every page has a header with the
// INN and page-number cells and the form's name, the sheet title (with "(продолжение)" on its
// further pages), the form lines with their line codes, and the signature and date line; the
// title page carries the signer's block instead.
class PagePainter
{
public:
    // Page size in layout units (0.1 mm).
    static constexpr qreal PageWidth = 2100;
    static constexpr qreal PageHeight = 2970;
    // Cells in one row of a value.
    static constexpr int RowCells = 20;

    // Which pages paint() puts out (numbered from 1, both included) and how many times in a row.
    struct Selection
    {
        int fromPage = 1;
        int toPage = 1;
        int copies = 1;
    };

    explicit PagePainter(PrintForm form);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Paints page index (from 0) scaled into target, a rectangle of the painter's device.
    void paintPage(QPainter& painter, const QRectF& target, int index) const;
    // Paints every page, one device page each; false when the device could not be painted on.
    bool paint(QPagedPaintDevice& device) const;
    bool paint(QPagedPaintDevice& device, const Selection& selection) const;

    // The rows of cells a value fills: one character a cell, RowCells cells a row, every row
    // padded with dashes. source ("Element/attribute") tells codes and amounts from texts.
    static QStringList cellRows(const QString& source, const QString& value);

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
    bool carriesSignature(const Page& page) const;
    void paintHeader(QPainter& painter, int index) const;
    void paintFooter(QPainter& painter) const;
    void paintCells(QPainter& painter, qreal x, qreal y, const QString& cells) const;
    qreal paintRow(QPainter& painter, const PrintRow& row, qreal top) const;

    PrintForm m_form;
    QList<Page> m_pages;
    QFont m_text;
    QFont m_bold;
    QFont m_title;
    QFont m_small;
    QFont m_cell;
};
