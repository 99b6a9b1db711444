#pragma once

#include <QProxyStyle>

namespace vantrel {

/// The Qt style of a look with two changes that make disabled things look
/// disabled: icons are drawn grey and faint (the stock styles tint them
/// towards the window colour, which on a dark look leaves light icons as
/// bright as enabled ones), and disabled menu entries take the palette's
/// disabled colours (the Windows style paints them in the current ones).
class LookStyle : public QProxyStyle {
    Q_OBJECT
public:
    /// Takes ownership of `base`.
    explicit LookStyle(QStyle* base);

    /// How much of a disabled icon's opacity is kept.
    static constexpr double kDisabledOpacity = 0.35;

    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                const QStyleOption* option) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vantrel
