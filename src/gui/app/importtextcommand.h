#pragma once

#include "import/importmapping.h"

#include <QObject>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace vantrel {

class CommandRouter;
class DataCommands;
class Prompter;

/// File > Import Text...: chooses one or several text files, offers the
/// mapping remembered for the first file's header (or the one guessed from
/// its first lines) in the Import Text dialog, remembers what was accepted
/// and loads the files as one survey through the data commands.
class ImportTextCommand : public QObject {
    Q_OBJECT
public:
    ImportTextCommand(DataCommands& data, Prompter& prompter, QWidget* dialogParent,
                      QObject* parent = nullptr);

    void registerWith(CommandRouter& router);
    void OnImportText();

    /// The mapping remembered for a file that starts with `head`, if any,
    /// with the encoding it was read in.
    static std::optional<std::pair<ImportMapping, std::string>> remembered(std::string_view head);
    static void remember(std::string_view head, const ImportMapping& mapping, const std::string& encoding);

private:
    DataCommands& m_data;
    Prompter& m_prompter;
    QWidget* m_dialogParent;
};

}  // namespace vantrel
