// Run from the bin folder of an installed tree (see CMakeLists.txt): the
// program finds the catalogues installed beside it and shows their texts.

#include "common/commandids.h"
#include "testsupport.h"

#include <QAction>

using namespace vantrel;
using L = Translations::Language;

class TestInstalledTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chineseMenusFromTheInstalledCatalogue()
    {
        const QString installed =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/vantrel/translations");
        QCOMPARE(Translations::catalogue(L::Chinese), installed + "/vantrel_zh_CN.qm");
        test::InLanguage chinese(L::Chinese);
        test::Shell s;
        // The Data Processing menu's Undo entry reads "&Undo\tCtrl+Z" without the catalogue.
        QCOMPARE(s.frame->action(cmd::ID_EDIT_UNDO)->text(), QString::fromUtf8("撤消(&U)\tCtrl+Z"));
    }
};

VANTREL_GUI_TEST_MAIN(TestInstalledTranslations, "installed")
#include "tst_installedtranslations.moc"
