#pragma once

#include "common/commandmap.h"
#include "common/commandrouter.h"

#include <QMdiSubWindow>

#include <functional>

namespace vantrel {

/// The frame of one chart window in the document area. It carries the
/// window's document title and the command maps of its view, its document
/// and itself: while the window is active the router asks these three first.
///
/// The chart view is the frame's widget (QMdiSubWindow::widget()); a new
/// window starts with an empty one until a graph is set up in it.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(const QString& title, QWidget* parent = nullptr);
    ~CChildFrame() override;

    QString documentTitle() const { return m_title; }
    void setDocumentTitle(const QString& title);

    /// The commands of this window at `level` (View, Document or ChildFrame);
    /// nullptr for the application and main-frame levels.
    CommandMap* commands(CommandRouter::Level level);

    /// Replaces the chart view; the old one is deleted.
    void setView(QWidget* view);
    QWidget* view() const { return widget(); }

    /// Runs before the window is destroyed at shutdown (the view's own
    /// closing questions); the window is then closed whatever it does.
    void setShutdownHook(std::function<void()> hook) { m_shutdownHook = std::move(hook); }
    /// Destroys the window at shutdown: the hook (view first), then the frame.
    void destroyForShutdown();

Q_SIGNALS:
    void titleChanged(const QString& title);

private:
    QString m_title;
    CommandMap m_viewCommands;
    CommandMap m_documentCommands;
    CommandMap m_frameCommands;
    std::function<void()> m_shutdownHook;
};

}  // namespace vantrel
