#pragma once

#include "prompter.h"

#include <QList>
#include <QStringList>

namespace vantrel {

/// A prompter that answers from a script and records what was asked: for
/// tests and for runs without a user. With the script empty, questions are
/// answered with Cancel and file dialogs are cancelled.
class ScriptedPrompter : public Prompter {
public:
    QStringList messages;             ///< every message shown, in order
    QStringList questions;            ///< every question asked, in order
    QList<Default> questionDefaults;  ///< the default button of every question
    QStringList fileFilters;          ///< the filter string of every file dialog
    QList<bool> answers;              ///< answers to the next questions
    QList<FileChoice> files;          ///< answers to the next file dialogs

    using Prompter::question;
    void message(const QString& text) override { messages << text; }
    bool question(const QString& text, Default byDefault) override
    {
        questions << text;
        questionDefaults << byDefault;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    FileChoice openFile(const QString& filters) override { return nextFile(filters); }
    FileChoice saveFile(const QString& filters) override { return nextFile(filters); }

private:
    FileChoice nextFile(const QString& filters)
    {
        fileFilters << filters;
        return files.isEmpty() ? FileChoice{} : files.takeFirst();
    }
};

}  // namespace vantrel
