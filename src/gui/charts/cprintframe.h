#pragma once

#include "common/commandmap.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <functional>

class QAction;
class QCPPainter;
class QLabel;
class QPrintPreviewWidget;
class QSpinBox;

namespace vantrel {

class CommandRouter;
class Prompter;

/// The print preview of a graph with many charts: a top-level window of its
/// own, shown maximized, with the preview and its toolbar (zoom, one or two
/// pages or all of them, portrait or landscape, page set-up, print, close).
/// It is not modal: the main window and its commands go on working while it
/// is open. Printing goes through the print dialog with pages 1 to the page
/// count, and the window closes after it. The pages are painted by the
/// owner's page callback, which paints the charts straight onto the page.
///
/// Its buttons are commands of the window's own (CommandRouter::ownCommands),
/// so they take the command road like every other; questions go through the
/// prompter. The window deletes itself when it closes, and closes when its
/// owner goes.
class CPrintFrame : public QMainWindow {
    Q_OBJECT
public:
    /// Paints page `page` (from 1) into a printable area of `area` pixels,
    /// from its top left.
    using PageCallback = std::function<void(QCPPainter& painter, const QSize& area, int page)>;

    CPrintFrame(QWidget* owner, CommandRouter& router, Prompter& prompter, int pageCount,
                PageCallback drawPage);
    ~CPrintFrame() override;

    int pageCount() const { return m_pageCount; }
    QPrinter& printer() { return m_printer; }
    QPrintPreviewWidget* preview() const { return m_preview; }
    QWidget* owner() const { return m_owner; }
    /// The toolbar's action of a command id (cmd::ID_PREVIEW_..., ID_FILE_PAGE_SETUP).
    QAction* toolAction(int id) const;

    /// The print button: the print dialog (pages 1 to the page count), the
    /// job, then the window closes, whether printed or not.
    void OnPrint();
    void OnPageSetup();

private:
    void paintPages(QPrinter* printer);
    void buildToolBar();
    void showPage(int page);
    void pageShown();
    QAction* addTool(int id, const QString& text, const char* icon, CommandMap::Run run,
                     CommandMap::State enabled = {}, CommandMap::State checked = {});

    QPointer<QWidget> m_owner;
    CommandRouter& m_router;
    Prompter& m_prompter;
    int m_pageCount;
    PageCallback m_drawPage;
    QPrinter m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    QSpinBox* m_page = nullptr;
    QLabel* m_pageTotal = nullptr;
    bool m_printing = false;
    bool m_failed = false;
};

}  // namespace vantrel
