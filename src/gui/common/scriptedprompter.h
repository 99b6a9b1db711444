#pragma once

#include "prompter.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace vantrel {

/// A prompter that answers from a script and records what was asked: for
/// tests and for runs without a user. With the script empty, questions are
/// answered with Cancel and file, picture, print and page set-up dialogs are
/// cancelled.
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

    using Prompter::question;
    void message(const QString& text) override { messages << text; }
    bool question(const QString& text, Default byDefault) override
    {
        questions << text;
        questionDefaults << byDefault;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    FileChoice openFile(const QString& filters) override { return nextFile(filters); }
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
    bool pageSetup(QPrinter& printer) override
    {
        ++pageSetups;
        return onPageSetup && onPageSetup(printer);
    }

private:
    FileChoice nextFile(const QString& filters)
    {
        fileFilters << filters;
        return files.isEmpty() ? FileChoice{} : files.takeFirst();
    }
};

}  // namespace vantrel
