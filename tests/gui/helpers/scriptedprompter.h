#pragma once

#include "common/prompter.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace vantrel {

/// A prompter that answers from a script and records what was asked: for
/// tests and benchmarks. With the script empty, questions are answered with
/// Cancel, file, picture, print and page set-up dialogs are cancelled and
/// modal dialogs are rejected at once.
class ScriptedPrompter : public Prompter {
public:
    QStringList messages;                    ///< every message shown, in order
    QStringList questions;                   ///< every question asked, in order
    QList<Default> questionDefaults;         ///< the default button of every question
    QStringList fileFilters;                 ///< the filter string of every file dialog
    QList<bool> answers;                     ///< answers to the next questions
    QList<FileChoice> files;                 ///< answers to the next file dialogs
    QList<QSize> pictureSizes;               ///< the starting size of every picture export dialog
    QList<PictureChoice> pictures;           ///< answers to the next picture export dialogs
    QList<std::pair<int, int>> printRanges;  ///< the pages every print dialog offered
    int pageSetups = 0;                      ///< how often the page set-up dialog opened
    /// Answers the print dialogs: may set up the printer (a PDF file, say)
    /// and says whether to print; none cancels.
    std::function<bool(QPrinter&)> onPrint;
    std::function<bool(QPrinter&)> onPageSetup;
    /// Runs the modal dialogs (may look at them, click, accept); none rejects.
    std::function<int(QDialog&)> onDialog;

    using Prompter::question;
    void message(const QString& text) override;
    bool question(const QString& text, Default byDefault) override;
    FileChoice openFile(const QString& filters) override;
    FileChoice saveFile(const QString& filters) override;
    PictureChoice exportPicture(const QSize& size) override;
    bool print(QPrinter& printer, int fromPage, int toPage) override;
    bool pageSetup(QPrinter& printer) override;
    int runDialog(QDialog& dialog) override;

private:
    FileChoice nextFile(const QString& filters);
};

}  // namespace vantrel
