#include "scriptedprompter.h"

#include <QDialog>

namespace vantrel {

void ScriptedPrompter::message(const QString& text)
{
    messages << text;
}

bool ScriptedPrompter::question(const QString& text, Default byDefault)
{
    questions << text;
    questionDefaults << byDefault;
    return answers.isEmpty() ? false : answers.takeFirst();
}

FileChoice ScriptedPrompter::openFile(const QString& filters)
{
    return nextFile(filters);
}

FileChoice ScriptedPrompter::saveFile(const QString& filters)
{
    return nextFile(filters);
}

PictureChoice ScriptedPrompter::exportPicture(const QSize& size)
{
    pictureSizes << size;
    return pictures.isEmpty() ? PictureChoice{} : pictures.takeFirst();
}

bool ScriptedPrompter::print(QPrinter& printer, int fromPage, int toPage)
{
    printRanges << std::make_pair(fromPage, toPage);
    return onPrint && onPrint(printer);
}

bool ScriptedPrompter::pageSetup(QPrinter& printer)
{
    ++pageSetups;
    return onPageSetup && onPageSetup(printer);
}

int ScriptedPrompter::runDialog(QDialog& dialog)
{
    if (onDialog)
        return onDialog(dialog);
    dialog.reject();
    return dialog.result();
}

FileChoice ScriptedPrompter::nextFile(const QString& filters)
{
    fileFilters << filters;
    return files.isEmpty() ? FileChoice{} : files.takeFirst();
}

}  // namespace vantrel
