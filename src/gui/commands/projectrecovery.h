#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace vantrel {

class ProjectCommands;
class Prompter;

/// Keeps unsaved work safe from a crash: while there is some, the project
/// is written to a recovery file every interval (two minutes by default),
/// whole or not at all; the next start after a crash offers to open it, and
/// a normal exit removes it.
class ProjectRecovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 2 * 60 * 1000;

    /// Writes to `path` (see defaultPath()).
    ProjectRecovery(ProjectCommands& projects, Prompter& prompter, const QString& path,
                    QObject* parent = nullptr);

    /// Moves the recovery file to `path` (tests, several programs at once).
    void setPath(const QString& path) { m_path = path; }

    /// The recovery file in the user's data folder.
    static QString defaultPath();
    QString path() const { return m_path; }
    /// For tests: how often the recovery file is written.
    void setInterval(int milliseconds);

    /// Writes the recovery file now when there is unsaved work, removes it
    /// when there is none.
    void save();
    /// The normal exit: the work no longer needs recovering.
    void remove();
    /// At start-up: a recovery file left by a crash is offered; true when
    /// the work was recovered. Declined, the file goes.
    bool offer();

private:
    ProjectCommands& m_projects;
    Prompter& m_prompter;
    QString m_path;
    QTimer* m_timer;
};

}  // namespace vantrel
