#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

/// What the desktop program's own command line asks for: the files to open,
/// or its help or version. Qt's options (-platform, -style, -display ...) are
/// taken out by the application object before the rest is read; --help and
/// --version are answered before it exists, so they need no display.
struct StartupOptions {
    enum class Action { Start, Help, Version, Error };

    Action action = Action::Start;
    QStringList files;  ///< absolute paths, in the order given
    QString error;      ///< what was wrong, for Action::Error

    /// Reads `arguments` (the program's name first). --help and --version win
    /// over anything else on the line; after "--" every argument is a file;
    /// a file:// address stands for its local file.
    static StartupOptions parse(const QStringList& arguments);
    static QStringList argumentsOf(int argc, char** argv);

    /// The text --help prints, in the interface language.
    static QString helpText();
    /// "vantrel 1.6.8" and the program's full name.
    static QString versionText();
};

}  // namespace vantrel
