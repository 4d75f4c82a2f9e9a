#include "ui/window/ProgramLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {

// The style of the platform, with a focus frame a person sees: two pixels of the highlight colour
// (darkened until it stands out from the button at 4.5 : 1), drawn inside the control so that no
// size changes.
class FocusFrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette& palette = option->palette;
        const QColor frame = ProgramLook::towards(palette.color(QPalette::Highlight),
                                                  palette.color(QPalette::ButtonText),
                                                  palette.color(QPalette::Button), 4.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(frame, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

double luminance(const QColor& colour)
{
    const auto channel = [](float value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// Disabled text of this role, on this background, readable.
void readableDisabled(QPalette& palette, QPalette::ColorRole text, QPalette::ColorRole background)
{
    const QColor colour = ProgramLook::towards(
        palette.color(QPalette::Disabled, text), palette.color(QPalette::Active, text),
        palette.color(QPalette::Disabled, background), ProgramLook::kDisabledContrast);
    palette.setColor(QPalette::Disabled, text, colour);
}

} // namespace

namespace ProgramLook {

double contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor towards(const QColor& colour, const QColor& target, const QColor& background, double ratio)
{
    const QColor from = colour.toRgb();
    const QColor to = target.toRgb();
    for (int step = 0; step < 20; ++step) {
        const double share = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                             float(from.greenF() + (to.greenF() - from.greenF()) * share),
                             float(from.blueF() + (to.blueF() - from.blueF()) * share));
        if (contrast(mixed, background) >= ratio)
            return mixed;
    }
    return to;
}

void apply()
{
    if (dynamic_cast<FocusFrameStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(
            new FocusFrameStyle(QStyleFactory::create(QApplication::style()->name())));
    QPalette palette = QApplication::palette();
    readableDisabled(palette, QPalette::WindowText, QPalette::Window);
    readableDisabled(palette, QPalette::ButtonText, QPalette::Button);
    readableDisabled(palette, QPalette::Text, QPalette::Base);
    QApplication::setPalette(palette);
}

} // namespace ProgramLook
