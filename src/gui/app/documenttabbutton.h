#pragma once

#include <QPointer>
#include <QToolButton>

#include <functional>

class QMdiArea;
class QMenu;

namespace vantrel {

class CChildFrame;
class CommandRouter;

/// The button at the right end of the document tabs. Its menu lists the open
/// chart windows (the active one checked; choosing one activates it) and ends
/// with the windows dialog. It shows only while chart windows are open, keeps
/// its place when the tab bar or the area changes size, and leaves the close
/// button on the active tab only.
class DocumentTabButton : public QToolButton {
    Q_OBJECT
public:
    using WindowList = std::function<QList<CChildFrame*>()>;

    /// `windows` gives the open chart windows in creation order; `windowManager`
    /// is the windows-dialog action; the router refreshes the entries' states
    /// before the menu opens.
    DocumentTabButton(QMdiArea& area, WindowList windows, QAction* windowManager, CommandRouter* router);

    /// Puts the button at the tab bar's right end, or hides it without tabs.
    void place();
    /// Shows the close button of the active tab only.
    void updateTabCloseButtons();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillMenu();

    QMdiArea& m_area;
    WindowList m_windows;
    QAction* m_windowManager;
    QPointer<CommandRouter> m_router;
    QMenu* m_menu;
};

}  // namespace vantrel
