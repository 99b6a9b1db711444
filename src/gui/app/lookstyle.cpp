#include "app/lookstyle.h"

#include <QImage>
#include <QStyleOptionMenuItem>

namespace vantrel {

LookStyle::LookStyle(QStyle* base) : QProxyStyle(base) {}

QPixmap LookStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                       const QStyleOption* option) const
{
    if (mode != QIcon::Disabled)
        return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int gray = qGray(line[x]);
            line[x] = qRgba(gray, gray, gray, static_cast<int>(qAlpha(line[x]) * kDisabledOpacity));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

void LookStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    if (element == CE_MenuItem && !(option->state & State_Enabled)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem disabled(*item);
            const QPalette& own = widget ? widget->palette() : item->palette;
            disabled.palette.setCurrentColorGroup(QPalette::Disabled);
            disabled.palette.setColor(QPalette::Disabled, QPalette::Text,
                                      own.color(QPalette::Disabled, QPalette::Text));
            QProxyStyle::drawControl(element, &disabled, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace vantrel
