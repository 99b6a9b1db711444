#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;

namespace vantrel {

class BackgroundWork;

/// The answer of a file dialog. `filterIndex` counts the filters of the
/// filter string from 0.
struct FileChoice {
    bool accepted = false;
    QString path;
    int filterIndex = 0;
};

/// The answer of an open dialog where several files may be chosen.
struct FileChoices {
    bool accepted = false;
    QStringList paths;
    int filterIndex = 0;
};

/// The answer of the picture export dialog: the picture type ("png",
/// "jpg", "bmp", "pdf" or "svg"), its size in pixels and the file, whose
/// name ends in the type's extension.
struct PictureChoice {
    bool accepted = false;
    QString path;
    QString format;
    QSize size;
};

/// Every message box, question, file dialog and modal dialog of the program
/// goes through one prompter, so tests and the command line can answer them.
///
/// Filters are given as "Name(*.ext)|*.ext|Other(*.x)|*.x||".
class Prompter {
public:
    /// The button Enter presses in a question.
    enum class Default { Ok, Cancel };

    virtual ~Prompter() = default;
    /// A box with an OK button, the warning icon and the application name.
    virtual void message(const QString& text) = 0;
    /// OK and Cancel; true for OK.
    virtual bool question(const QString& text, Default byDefault) = 0;
    bool question(const QString& text) { return question(text, Default::Ok); }
    virtual FileChoice openFile(const QString& filters) = 0;
    /// An open dialog where several files may be chosen; by default the
    /// one-file dialog, its file in `paths`.
    virtual FileChoices openFiles(const QString& filters)
    {
        const FileChoice one = openFile(filters);
        FileChoices choice{one.accepted, {}, one.filterIndex};
        if (!one.path.isEmpty())
            choice.paths << one.path;
        return choice;
    }
    /// A note that needs no answer and does not stop the work (the
    /// information icon, not modal).
    virtual void notice(const QString& text) = 0;
    /// One of `items` chosen, starting at `current`: its index, or -1 when
    /// the user cancelled.
    virtual int choose(const QString& text, const QStringList& items, int current) = 0;
    virtual FileChoice saveFile(const QString& filters) = 0;
    /// The picture export dialog, starting at `size`; an existing file is
    /// replaced only when the user said so.
    virtual PictureChoice exportPicture(const QSize& size) = 0;
    /// The print dialog for `printer`, offering pages `fromPage` to `toPage`;
    /// true when the user chose to print (the printer then holds the choice).
    virtual bool print(QPrinter& printer, int fromPage, int toPage) = 0;
    /// The page set-up dialog for `printer`; true when it was accepted.
    virtual bool pageSetup(QPrinter& printer) = 0;
    /// Runs one of the program's own modal dialogs (Config, About, the
    /// toolbar customization, the chart editor, ...); its result code.
    virtual int runDialog(QDialog& dialog) = 0;
    /// Shows `text` with the progress of `work` and a Cancel button until the
    /// work has finished, keeping the other windows from input meanwhile.
    /// False when the user cancelled: the work is cancelled and has finished.
    virtual bool watch(const QString& text, BackgroundWork& work) = 0;
};

}  // namespace vantrel
