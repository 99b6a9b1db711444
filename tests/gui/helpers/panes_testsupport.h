#pragma once

// Shared by the tests of the data panes: fixtures, private settings, and the
// geometry of the file view tree's check boxes.

#include "panes/cviewtree.h"
#include "panes/filetreemodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace panes_test {

inline QString fixture(const QString& name)
{
    return QStringLiteral(VANTREL_TEST_DATA "/gui/") + name;
}

/// Names the application privately and keeps its settings in `dir`.
inline void privateSettings(const char* name, const QTemporaryDir& dir)
{
    QCoreApplication::setOrganizationName(QStringLiteral("vantrel-tests"));
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}

/// Copies a fixture into `dir` (the tests save over the files they open).
inline QString copyFixture(const QTemporaryDir& dir, const QString& name, const QString& as = {})
{
    const QString target = dir.filePath(as.isEmpty() ? name : as);
    QFile::remove(target);
    if (!QFile::copy(fixture(name), target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

/// A real mouse click on the check box of `index`, where the style draws it.
inline bool clickCheckBox(vantrel::CViewTree* tree, const QModelIndex& index)
{
    tree->scrollTo(index);
    const QRect box = tree->checkBoxRect(index);
    if (box.isEmpty())
        return false;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    return true;
}

inline bool checked(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

}  // namespace panes_test
