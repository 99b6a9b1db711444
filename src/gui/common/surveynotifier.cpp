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
    Q_EMIT treeReset();
    for (int table : {OutputTables::OriginTab, OutputTables::ProcessingTab, OutputTables::DepthTab})
        Q_EMIT tableChanged(table);
    if (m_survey.m_frame.HasOpenFile())
        Q_EMIT fileLoaded();
    else
        Q_EMIT fileClosed();
    Q_EMIT activeTabRequested(m_survey.m_tables.ActiveTab());
    Q_EMIT changed();
}

void SurveyNotifier::notifyTableChanged(int table)
{
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
