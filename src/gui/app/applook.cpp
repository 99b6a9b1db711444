#include "app/applook.h"

#include "common/commandids.h"
#include "app/lookstyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace vantrel {

namespace {

struct Scheme {
    int id;
    const char* name;
    const char* style;
    // Palette
    const char* window;  // frame and dialog background
    const char* base;    // edits, lists, the document area's background
    const char* text;
    const char* button;
    const char* highlight;
    // Chrome
    const char* barTop;  // menu bar and toolbar gradient
    const char* barBottom;
    const char* barBorder;
    const char* captionTop;  // pane captions
    const char* captionBottom;
    const char* captionText;
    const char* mdi;  // empty document area
    const char* tabSelected;
    const char* statusBar;
    bool dark;
};

constexpr Scheme kSchemes[] = {
    // Windows 2000: the classic grey look, square and plain.
    {205, "windows2000", "Windows", "#d4d0c8", "#ffffff", "#000000", "#d4d0c8", "#0a246a", "#d4d0c8",
     "#d4d0c8", "#808080", "#0a246a", "#a6caf0", "#ffffff", "#808080", "#d4d0c8", "#d4d0c8", false},
    // Office XP: white bars, light blue-grey selection.
    {206, "officexp", "Fusion", "#f3f2ef", "#ffffff", "#1b1b1b", "#f7f6f3", "#316ac5", "#fbfbf9", "#eae8e1",
     "#c5c2b8", "#e3e1da", "#d4d1c7", "#1b1b1b", "#8f8d88", "#ffffff", "#eeede8", false},
    // Windows XP: beige frame, bright blue captions.
    {207, "windowsxp", "Fusion", "#ece9d8", "#ffffff", "#000000", "#f4f3ee", "#316ac5", "#fcfcf9", "#e3dfca",
     "#b9b49e", "#3b7de8", "#0a4fc4", "#ffffff", "#7a96df", "#ffffff", "#ece9d8", false},
    // Office 2003: blue bars.
    {208, "office2003", "Fusion", "#d8e6f8", "#ffffff", "#0b1f3a", "#e3eefb", "#f9c36b", "#e3effd", "#9ebfeb",
     "#6591cd", "#a9c9f2", "#6d9de0", "#0b1f3a", "#8bb0e3", "#ffffff", "#c3daf9", false},
    // Visual Studio 2005: warm grey.
    {209, "vs2005", "Fusion", "#eeede5", "#ffffff", "#1e1e1e", "#f5f4ee", "#316ac5", "#faf9f5", "#e1dfd3",
     "#aca899", "#c1d2ee", "#98b4e2", "#000000", "#808080", "#ffffff", "#ecebe6", false},
    // Visual Studio 2008: cool blue-grey.
    {210, "vs2008", "Fusion", "#e9ecf2", "#ffffff", "#1e1e1e", "#f1f3f7", "#3399ff", "#f5f7fb", "#cfd6e5",
     "#a0abc3", "#4d6082", "#3b4f73", "#ffffff", "#9ba7bd", "#ffffff", "#dde3ee", false},
    // Office 2007 blue: the default.
    {215, "office2007-blue", "Fusion", "#dbe7f6", "#ffffff", "#15428b", "#e7f0fb", "#3d7bc4", "#eef5fd",
     "#c4daf3", "#8db2e3", "#e4eefb", "#bfd5f1", "#15428b", "#aabfdc", "#ffffff", "#cfe0f5", false},
    // Office 2007 black: dark chrome.
    {216, "office2007-black", "Fusion", "#2d2f33", "#1e1f22", "#e8e8e8", "#3a3c41", "#d98c1c", "#4a4c52",
     "#2f3135", "#17181a", "#55585e", "#3a3c41", "#f0f0f0", "#1a1b1d", "#3c3f44", "#252629", true},
    // Office 2007 silver.
    {217, "office2007-silver", "Fusion", "#e9ebee", "#ffffff", "#2b2e33", "#f1f2f4", "#6f7d91", "#f7f8f9",
     "#d9dce1", "#a9aeb6", "#eef0f2", "#d3d7dc", "#2b2e33", "#b5bac2", "#ffffff", "#dfe2e6", false},
    // Office 2007 aqua.
    {218, "office2007-aqua", "Fusion", "#dcf0f1", "#ffffff", "#0d4b52", "#e8f6f7", "#1f9aa6", "#eefafa",
     "#bfe5e8", "#7ec5cb", "#d5f0f2", "#a6dce1", "#0d4b52", "#93c9ce", "#ffffff", "#c9e8eb", false},
    // Windows 7: light and flat.
    {219, "windows7", "Fusion", "#f0f0f0", "#ffffff", "#000000", "#f7f7f7", "#3399ff", "#ffffff", "#e9eef5",
     "#b7c3d3", "#f4f7fb", "#dde6f1", "#1e395b", "#abadb3", "#ffffff", "#f0f0f0", false},
};

const Scheme& schemeFor(int id)
{
    const int look = AppLook::normalize(id);
    for (const Scheme& s : kSchemes)
        if (s.id == look)
            return s;
    return kSchemes[6];
}

QColor c(const char* name)
{
    return QColor(QString::fromLatin1(name));
}

/// Text on the highlight colour: black on a light or a dark look's highlight.
const char* highlightedText(const Scheme& s)
{
    return s.dark || c(s.highlight).lightness() > 165 ? "#000000" : "#ffffff";
}

}  // namespace

bool AppLook::isDark(int id)
{
    return schemeFor(id).dark;
}

QString AppLook::iconPath(const QString& name, int id)
{
    static const QStringList lineIcons{QStringLiteral("customize"), QStringLiteral("document-menu")};
    const bool light = isDark(id) && lineIcons.contains(name);
    return QStringLiteral(":/icons/%1%2.svg").arg(name, light ? QStringLiteral("-light") : QString());
}

bool AppLook::isKnown(int id)
{
    for (const Scheme& s : kSchemes)
        if (s.id == id)
            return true;
    return false;
}

int AppLook::normalize(int id)
{
    return isKnown(id) ? id : kDefault;
}

QString AppLook::styleName(int id)
{
    return QString::fromLatin1(schemeFor(id).style);
}

QString AppLook::name(int id)
{
    return QString::fromLatin1(schemeFor(id).name);
}

QPalette AppLook::palette(int id)
{
    const Scheme& s = schemeFor(id);
    QPalette p;
    const QColor window = c(s.window), base = c(s.base), text = c(s.text), button = c(s.button),
                 highlight = c(s.highlight);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, s.dark ? base.lighter(115) : window.lighter(104));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, c(highlightedText(s)));
    p.setColor(QPalette::ToolTipBase, s.dark ? QColor("#3c3f44") : QColor("#fffbe6"));
    p.setColor(QPalette::ToolTipText, s.dark ? QColor("#f0f0f0") : QColor("#202020"));
    p.setColor(QPalette::PlaceholderText, s.dark ? QColor("#8a8d93") : QColor("#8a8a8a"));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, s.dark ? QColor("#6cb4ff") : QColor("#0b57d0"));
    p.setColor(QPalette::Light, s.dark ? window.lighter(150) : QColor(Qt::white));
    p.setColor(QPalette::Midlight, s.dark ? window.lighter(125) : window.lighter(103));
    p.setColor(QPalette::Mid, s.dark ? window.darker(120) : window.darker(130));
    p.setColor(QPalette::Dark, s.dark ? window.darker(160) : window.darker(160));
    p.setColor(QPalette::Shadow, s.dark ? QColor(Qt::black) : window.darker(250));
    const QColor disabled = s.dark ? QColor("#7b7e84") : QColor("#9a9a9a");
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Text, disabled);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    p.setColor(QPalette::Disabled, QPalette::Highlight, s.dark ? window.lighter(140) : window.darker(120));
    return p;
}

QString AppLook::styleSheet(int id)
{
    const Scheme& s = schemeFor(id);
    const bool classic = id == cmd::ID_VIEW_APPLOOK_WIN_2000;
    QString css;
    const QString bar = classic
        ? QStringLiteral("background: %1;").arg(QLatin1String(s.barTop))
        : QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);")
              .arg(QLatin1String(s.barTop), QLatin1String(s.barBottom));
    css +=
        QStringLiteral("QMenuBar { %1 border-bottom: 1px solid %2; }\n").arg(bar, QLatin1String(s.barBorder));
    css += QStringLiteral("QMenuBar::item { padding: 4px 10px; background: transparent; color: %1; }\n")
               .arg(QLatin1String(s.text));
    css += QStringLiteral("QMenuBar::item:selected { background: %1; color: %2; border-radius: %3px; }\n")
               .arg(QLatin1String(s.highlight), QLatin1String(highlightedText(s)),
                    classic ? QStringLiteral("0") : QStringLiteral("3"));
    css += QStringLiteral(
               "QToolBar { %1 border: none; border-bottom: 1px solid %2; spacing: 2px; padding: 2px; }\n")
               .arg(bar, QLatin1String(s.barBorder));
    css += QStringLiteral("QToolBar::separator { background: %1; width: 1px; margin: 6px 5px; }\n")
               .arg(QLatin1String(s.barBorder));
    if (!classic) {
        css +=
            QStringLiteral("QToolBar QToolButton { border: 1px solid transparent; border-radius: 4px; }\n");
        css +=
            QStringLiteral("QToolBar QToolButton:hover { border-color: %1; background: %2; }\n")
                .arg(QLatin1String(s.barBorder), QLatin1String(s.dark ? "#5a5d64" : "rgba(255,255,255,170)"));
        css += QStringLiteral("QToolBar QToolButton:pressed { background: %1; }\n")
                   .arg(QLatin1String(s.dark ? "#26272a" : "rgba(0,0,0,34)"));
    }
    // Pane captions: the caption colour is the dock's own text colour, and its
    // content gets the ordinary text colour back. Pop-up menus of a pane are
    // its children too but windows: they keep their own (disabled) colours.
    // The caption buttons sit at the right end, where the classic gradient is light.
    const bool darkButtons = c(classic ? s.captionBottom : s.captionTop).lightness() < 150;
    const QString light = darkButtons ? QStringLiteral("-light") : QString();
    css += QStringLiteral("QDockWidget { color: %1; titlebar-close-icon: url(:/icons/dock-close%2.svg);"
                          " titlebar-normal-icon: url(:/icons/dock-float%2.svg); }\n"
                          "QDockWidget > QWidget:!window { color: %3; }\n")
               .arg(QLatin1String(s.captionText), light, QLatin1String(s.text));
    css += QStringLiteral("QDockWidget::title { text-align: left; padding: 4px 6px;"
                          " background: qlineargradient(x1:0, y1:0, x2:%4, y2:%5, stop:0 %1, stop:1 %2);"
                          " border-bottom: 1px solid %3; }\n")
               .arg(QLatin1String(s.captionTop), QLatin1String(s.captionBottom), QLatin1String(s.barBorder),
                    classic ? QStringLiteral("1") : QStringLiteral("0"),
                    classic ? QStringLiteral("0") : QStringLiteral("1"));
    css += QStringLiteral(
               "QDockWidget::close-button, QDockWidget::float-button { border: none; padding: 1px; }\n"
               "QDockWidget::close-button:hover, QDockWidget::float-button:hover { background: %1; }\n")
               .arg(QLatin1String(s.dark ? "#5a5d64" : "rgba(255,255,255,128)"));
    css +=
        QStringLiteral("QMdiArea QTabBar::tab { padding: 5px 14px; margin-right: 1px; border: 1px solid %1;"
                       " border-bottom: none; border-top-left-radius: %4px; border-top-right-radius: %4px;"
                       " background: %2; color: %3; }\n")
            .arg(QLatin1String(s.barBorder), QLatin1String(s.barBottom), QLatin1String(s.text),
                 classic ? QStringLiteral("0") : QStringLiteral("4"));
    css += QStringLiteral("QMdiArea QTabBar::tab:selected { background: %1; border-top: 2px solid %2; }\n")
               .arg(QLatin1String(s.tabSelected), QLatin1String(s.highlight));
    css += QStringLiteral("QMdiArea QTabBar::close-button { image: url(:/icons/tab-close%1.svg); "
                          "subcontrol-position: right; }\n")
               .arg(QLatin1String(s.dark ? "-light" : ""));
    css +=
        QStringLiteral("QMdiArea QTabBar::close-button:hover { image: url(:/icons/tab-close-hover.svg); }\n");
    if (!classic) {
        css +=
            QStringLiteral("QMenu { background: %1; border: 1px solid %2; padding: 4px 0px; }\n"
                           "QMenu::item { padding: 5px 28px 5px 30px; color: %3; background: transparent; }\n"
                           "QMenu::item:selected { background: %4; color: %5; }\n"
                           "QMenu::item:disabled { color: %6; }\n"
                           "QMenu::separator { height: 1px; background: %2; margin: 4px 10px; }\n"
                           "QMenu::icon { padding-left: 8px; }\n"
                           "QMenu::right-arrow { right: 8px; }\n")
                .arg(QLatin1String(s.dark ? s.button : "#ffffff"), QLatin1String(s.barBorder),
                     QLatin1String(s.text), QLatin1String(s.highlight), QLatin1String(highlightedText(s)),
                     QLatin1String(s.dark ? "#7b7e84" : "#9a9a9a"));
    }
    if (s.dark) {
        // The style's check boxes are drawn dark on dark; these stand out.
        css += QStringLiteral("QTreeView::indicator { width: 13px; height: 13px; border: 1px solid %1;"
                              " border-radius: 2px; background: %2; }\n"
                              "QTreeView::indicator:hover { border-color: %3; }\n"
                              "QTreeView::indicator:checked { image: url(:/icons/check-light.svg); }\n")
                   .arg(QLatin1String("#b4b7bd"), QLatin1String(s.base), QLatin1String(s.highlight));
    }
    css += QStringLiteral("QToolTip { background: %1; color: %2; border: 1px solid %3; padding: 3px 6px; }\n")
               .arg(QLatin1String(s.dark ? "#3c3f44" : "#fffdf2"),
                    QLatin1String(s.dark ? "#f0f0f0" : "#202020"), QLatin1String(s.barBorder));
    css += QStringLiteral("QStatusBar { background: %1; border-top: 1px solid %2; color: %3; }\n"
                          "QStatusBar::item { border: none; }\n")
               .arg(QLatin1String(s.statusBar), QLatin1String(s.barBorder), QLatin1String(s.text));
    css += QStringLiteral("QStatusBar QLabel#LockIndicator { padding: 0 6px; border-left: 1px solid %1; }\n")
               .arg(QLatin1String(s.barBorder));
    return css;
}

QColor AppLook::documentAreaColor(int id)
{
    return c(schemeFor(id).mdi);
}

void AppLook::apply(QApplication& app, int id)
{
    const int look = normalize(id);
    if (QStyle* style = QStyleFactory::create(styleName(look))) {
        app.setStyle(new LookStyle(style));
        app.setProperty("vantrelStyle", styleName(look));
    }
    app.setPalette(palette(look));
    app.setStyleSheet(styleSheet(look));
}

}  // namespace vantrel
