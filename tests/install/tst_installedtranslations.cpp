// Run from the bin folder of an installed tree (see CMakeLists.txt): the
// program finds the catalogues installed beside it and shows their texts.

#include "testsupport.h"

#include <QMenuBar>

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
        QVERIFY(test::entries(s.frame->menuBar()).second.contains("Processing Data"));
    }
};

VANTREL_GUI_TEST_MAIN(TestInstalledTranslations, "installed")
#include "tst_installedtranslations.moc"
