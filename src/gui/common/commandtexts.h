#pragma once

#include <QCoreApplication>
#include <QString>

namespace vantrel {

/// The status-bar prompt and the tool tip of the commands that have them
/// (the `texts` of their rows in the command table),
/// in the interface language. A command's text holds both, separated by
/// "\n": the prompt shows in the status bar while the command is under the
/// pointer, the tool tip names the command on a toolbar button.
class CommandTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandTexts)
public:
    /// The whole text; empty when the command has none.
    static QString text(int id);
    /// The text before "\n".
    static QString prompt(int id);
    /// The text after "\n"; empty without one.
    static QString toolTip(int id);
};

}  // namespace vantrel
