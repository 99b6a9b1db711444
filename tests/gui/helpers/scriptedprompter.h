#pragma once

#include "common/backgroundwork.h"
#include "common/prompter.h"

#include <QDialog>
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
    QStringList notices;                     ///< every notice shown, in order
    QList<QStringList> choiceLists;          ///< the items of every choice offered
    QList<int> choices;                      ///< answers to the next choices; none cancels
    QList<Default> questionDefaults;         ///< the default button of every question
    QStringList fileFilters;                 ///< the filter string of every file dialog
    QList<bool> answers;                     ///< answers to the next questions
    QList<FileChoice> files;                 ///< answers to the next file dialogs
    QList<QStringList> fileLists;            ///< answers to the next several-file dialogs; none: `files`
    QList<QSize> pictureSizes;               ///< the starting size of every picture export dialog
    QList<PictureChoice> pictures;           ///< answers to the next picture export dialogs
    QList<std::pair<int, int>> printRanges;  ///< the pages every print dialog offered
    /// Answers the print dialogs: may set up the printer (a PDF file, say)
    /// and says whether to print; none cancels.
    std::function<bool(QPrinter&)> onPrint;
    /// Runs the modal dialogs (may look at them, click, accept); none rejects.
    std::function<int(QDialog&)> onDialog;
    QStringList watched;      ///< the text of every progress dialog shown
    bool cancelWork = false;  ///< whether progress dialogs are cancelled at once
    /// Runs as an open-file dialog opens, to look around before it answers.
    std::function<void()> onOpenFile;

    using Prompter::question;
    void message(const QString& text) override { messages << text; }
    void notice(const QString& text) override { notices << text; }
    int choose(const QString&, const QStringList& items, int) override
    {
        choiceLists << items;
        return choices.isEmpty() ? -1 : choices.takeFirst();
    }
    bool question(const QString& text, Default byDefault) override
    {
        questions << text;
        questionDefaults << byDefault;
        return !answers.isEmpty() && answers.takeFirst();
    }
    FileChoice openFile(const QString& filters) override
    {
        if (onOpenFile)
            onOpenFile();
        return nextFile(filters);
    }
    FileChoices openFiles(const QString& filters) override
    {
        if (fileLists.isEmpty())
            return Prompter::openFiles(filters);
        fileFilters << filters;
        return {true, fileLists.takeFirst(), 0};
    }
    FileChoice saveFile(const QString& filters) override { return nextFile(filters); }
    PictureChoice exportPicture(const QSize& size) override
    {
        pictureSizes << size;
        return pictures.isEmpty() ? PictureChoice{} : pictures.takeFirst();
    }
    bool print(QPrinter& printer, int fromPage, int toPage) override
    {
        printRanges << std::make_pair(fromPage, toPage);
        return onPrint && onPrint(printer);
    }
    bool pageSetup(QPrinter&) override { return false; }
    int runDialog(QDialog& dialog) override
    {
        if (onDialog)
            return onDialog(dialog);
        dialog.reject();
        return dialog.result();
    }

    bool watch(const QString& text, BackgroundWork& work) override
    {
        watched << text;
        if (cancelWork)
            work.cancel();
        work.wait();
        return !work.cancelled();
    }

private:
    FileChoice nextFile(const QString& filters)
    {
        fileFilters << filters;
        return files.isEmpty() ? FileChoice{} : files.takeFirst();
    }
};

}  // namespace vantrel
