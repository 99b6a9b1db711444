#pragma once

#include <QPalette>
#include <QString>

class QApplication;

namespace vantrel {

/// The program's looks (commands 205 to 219): each a Qt style, a palette and
/// a small style sheet for the frame's chrome (menu bar, toolbars, pane
/// captions, document tabs, status bar).
class AppLook {
public:
    static constexpr int kDefault = 215;  ///< Office 2007, blue
    static constexpr const char* kSettingsKey = "ApplicationLook";

    /// The look a stored value stands for: a known look id stays, any other
    /// value gives the Office 2007 look (blue).
    static int normalize(int id);
    static bool isKnown(int id);
    static bool isDark(int id);
    /// The resource path of icon `name` for the look: the line icons drawn on
    /// the chrome itself have a light version for dark looks.
    static QString iconPath(const QString& name, int id);

    /// Name of the Qt style the look uses ("Fusion" or "Windows").
    static QString styleName(int id);
    static QPalette palette(int id);
    static QString styleSheet(int id);
    /// The background of the empty document area.
    static QColor documentAreaColor(int id);
    /// A short name for the look, for tests and screenshots ("office2007-blue").
    static QString name(int id);

    /// Sets style, palette and style sheet on the application.
    static void apply(QApplication& app, int id);
};

}  // namespace vantrel
