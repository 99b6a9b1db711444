#pragma once

// Shared by every desktop test: a widget test's application with private
// settings and a pinned locale, menu and toolbar entries, and the data
// fixtures. Tests of the whole program add testsupport.h.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidgetAction>

#include <utility>

namespace vantrel::test {

/// Runs a QtTest object inside an application of type `App` whose settings
/// live in a private temporary folder under a private application name, with
/// a pinned locale; `setUp` runs once the application is made.
template <typename App, typename SetUp>
int runTest(QObject* test, int argc, char** argv, const char* name, SetUp setUp)
{
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    App app(argc, argv);
    app.setApplicationName(QStringLiteral("vantrel-test-%1").arg(QLatin1String(name)));
    app.setOrganizationName(QStringLiteral("vantrel-tests"));
    setUp(app);
    return QTest::qExec(test, argc, argv);
}

/// The ids (0 for a separator, -1 for a sub-menu) and texts of the visible
/// entries of a menu or toolbar; embedded widgets are left out.
inline std::pair<QList<int>, QStringList> entries(const QWidget* w)
{
    std::pair<QList<int>, QStringList> e;
    for (const QAction* a : w->actions())
        if (a->isVisible() && !qobject_cast<const QWidgetAction*>(a)) {
            e.first << (a->isSeparator() ? 0 : a->menu() ? -1 : a->data().toInt());
            e.second << (a->isSeparator() ? QString() : a->text());
        }
    return e;
}

/// Works in a fresh temporary folder while it lives.
struct InTemporaryFolder {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    InTemporaryFolder() { QDir::setCurrent(dir.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(previous); }
};

inline QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

/// Writes `bytes` as the whole of the file at `path`; false if it could not.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QString fixture(const QString& name)
{
    return QStringLiteral(VANTREL_TEST_DATA "/gui/") + name;
}

/// Copies a fixture into `dir` (the tests save over the files they open).
inline QString copyFixture(const QTemporaryDir& dir, const QString& name, const QString& as = {})
{
    const QString target = dir.filePath(as.isEmpty() ? name : as);
    if (!QFile::copy(fixture(name), target))
        return {};
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

}  // namespace vantrel::test

/// main() of a test that needs widgets but not the program's application.
#define VANTREL_WIDGET_TEST_MAIN(TestClass, name)                                                            \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        TestClass test;                                                                                      \
        return vantrel::test::runTest<QApplication>(&test, argc, argv, name, [](QApplication&) {});          \
    }
