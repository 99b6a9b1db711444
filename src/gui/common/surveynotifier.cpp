#include "common/surveynotifier.h"

namespace vantrel {

SurveyNotifier::SurveyNotifier(QObject* parent) : QObject(parent) {}

SurveyNotifier::~SurveyNotifier() = default;

void SurveyNotifier::beginReset()
{
    Q_EMIT resetAboutToBegin();
}

void SurveyNotifier::endReset()
{
    m_shown.setEncoding(m_survey.m_frame.Encoding());
    Q_EMIT treeReset();
    for (int table : {OutputTables::OriginTab, OutputTables::ProcessingTab, OutputTables::DepthTab}) {
        m_revision.tables[static_cast<std::size_t>(table)] = nextRevision();
        Q_EMIT tableChanged(table);
    }
    if (m_survey.m_frame.HasOpenFile())
        Q_EMIT fileLoaded();
    else
        Q_EMIT fileClosed();
    Q_EMIT activeTabRequested(m_survey.m_tables.ActiveTab());
    Q_EMIT changed();
}

void SurveyNotifier::notifyTableChanged(int table)
{
    if (table >= 0 && table < static_cast<int>(m_revision.tables.size()))
        m_revision.tables[static_cast<std::size_t>(table)] = nextRevision();
    Q_EMIT tableChanged(table);
    Q_EMIT changed();
}

void SurveyNotifier::notifyMarksChanged()
{
    Q_EMIT marksChanged();
    Q_EMIT changed();
}

void SurveyNotifier::notifySettingsChanged()
{
    m_revision.settings = nextRevision();
    Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void SurveyNotifier::notifyRestored(const SurveyRevision& revision)
{
    const SurveyRevision was = m_revision;
    m_revision = revision;
    for (int table : {OutputTables::OriginTab, OutputTables::ProcessingTab, OutputTables::DepthTab})
        if (was.tables[static_cast<std::size_t>(table)] != revision.tables[static_cast<std::size_t>(table)])
            Q_EMIT tableChanged(table);
    if (was.settings != revision.settings)
        Q_EMIT settingsChanged();
    Q_EMIT changed();
}

void SurveyNotifier::requestActiveTab(int tab)
{
    m_survey.m_tables.SetActiveTab(tab);
    Q_EMIT activeTabRequested(tab);
}

void SurveyNotifier::recordActiveTab(int tab)
{
    m_survey.m_tables.SetActiveTab(tab);
}

void SurveyNotifier::notifyStateChanged()
{
    Q_EMIT changed();
}

}  // namespace vantrel
