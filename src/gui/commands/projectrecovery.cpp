#include "commands/projectrecovery.h"

#include "commands/projectcommands.h"
#include "common/celltext.h"
#include "common/prompter.h"
#include "recipefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace vantrel {

ProjectRecovery::ProjectRecovery(ProjectCommands& projects, Prompter& prompter, const QString& path,
                                 QObject* parent)
    : QObject(parent), m_projects(projects), m_prompter(prompter), m_path(path), m_timer(new QTimer(this))
{
    m_timer->setInterval(kDefaultIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &ProjectRecovery::save);
    m_timer->start();
}

QString ProjectRecovery::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
        QStringLiteral("/recovery.") + QLatin1String(ProjectCommands::kSuffix);
}

void ProjectRecovery::setInterval(int milliseconds)
{
    m_timer->start(milliseconds);
}

void ProjectRecovery::save()
{
    if (!m_projects.hasUnsavedWork()) {
        remove();
        return;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Written through a temporary file and renamed: a crash while writing
    // leaves the previous recovery file whole.
    std::string reason;
    RecipeFile::Save(localPath(m_path), m_projects.project(m_path), &reason);
}

void ProjectRecovery::remove()
{
    QFile::remove(m_path);
}

bool ProjectRecovery::offer()
{
    if (!QFileInfo(m_path).isFile())
        return false;
    const RecipeReadResult read = RecipeFile::Read(localPath(m_path));
    QString data;
    if (read.ok && read.recipe.data)
        data = QDir::toNativeSeparators(
            QFileInfo(m_path).absoluteDir().absoluteFilePath(QString::fromStdString(read.recipe.data->path)));
    if (data.isEmpty() ||
        !m_prompter.question(tr("Vantrel did not close normally, and the work on %1 was not saved.\nRecover "
                                "it?")
                                 .arg(data))) {
        remove();
        return false;
    }
    return m_projects.openProject(m_path, ProjectCommands::Opening::Recovered);
}

}  // namespace vantrel
