#pragma once

#include <QString>

namespace vantrel {

/// The answer of a file dialog. `filterIndex` counts the filters of the
/// filter string from 0.
struct FileChoice {
    bool accepted = false;
    QString path;
    int filterIndex = 0;
};

/// Every message box, question and file dialog of the program goes through
/// one prompter, so tests and the command line can answer them.
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
    virtual FileChoice saveFile(const QString& filters) = 0;
};

}  // namespace vantrel
