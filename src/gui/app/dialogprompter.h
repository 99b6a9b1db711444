#pragma once

#include "common/prompter.h"

#include <QPointer>
#include <QStringList>

class QWidget;

namespace vantrel {

/// The desktop's prompter: message boxes with the application name as
/// caption and the warning icon, and the file dialogs.
class DialogPrompter : public Prompter {
public:
    explicit DialogPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    using Prompter::question;
    bool question(const QString& text, Default byDefault) override;
    FileChoice openFile(const QString& filters) override;
    FileChoices openFiles(const QString& filters) override;
    void notice(const QString& text) override;
    int choose(const QString& text, const QStringList& items, int current) override;
    FileChoice saveFile(const QString& filters) override;
    PictureChoice exportPicture(const QSize& size) override;
    bool print(QPrinter& printer, int fromPage, int toPage) override;
    bool pageSetup(QPrinter& printer) override;
    int runDialog(QDialog& dialog) override;
    bool watch(const QString& text, BackgroundWork& work) override;

    /// Turns "Name(*.x)|*.x|All(*.*)|*.*||" into the Qt name filters, one per
    /// pair and in the same order, so an index into the result is the index of
    /// the pair. "*.*" becomes "*" (every file, with or without a dot).
    static QStringList qtFilters(const QString& filters);

private:
    enum class Mode { Open, OpenSeveral, Save };
    FileChoice runFileDialog(const QString& filters, Mode mode, QStringList* paths = nullptr);

    QPointer<QWidget> m_parent;
};

}  // namespace vantrel
