// The Config and About dialogs and the desktop prompter's filters.

#include "app/caboutdlg.h"
#include "app/cdialog_data_set.h"
#include "common/commandids.h"
#include "app/dialogprompter.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::Shell;

namespace {

/// Runs the Config dialog through `body` (which ends it); returns the texts it opened with.
QStringList runConfig(Shell& s, const std::function<void(CDialog_Data_Set&)>& body)
{
    QStringList shown;
    s.runner = [&](QDialog& d) {
        auto& dialog = static_cast<CDialog_Data_Set&>(d);
        for (int id : CDialog_Data_Set::kEditIds)
            shown << dialog.edit(id)->text();
        body(dialog);
        return d.result();
    };
    if (!s.run(ID_CONFIG))
        shown = QStringList{"<not run>"};
    return shown;
}

}  // namespace

class TestShellDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void configShowsReadsAndStoresBothCopies()
    {
        Shell s;
        QList<bool> visible, enabled;
        const QStringList first = runConfig(s, [&](CDialog_Data_Set& d) {
            d.show();
            for (int id : CDialog_Data_Set::kEditIds) {
                visible << d.edit(id)->isVisible();
                enabled << d.edit(id)->isEnabled();
            }
            QCOMPARE(d.windowTitle(), QString("Config"));
            QCOMPARE(d.cancelButton()->text(), QString("Cansel"));
            // Texts are read as atof does.
            d.edit(1009)->setText("12.345");
            d.edit(1011)->setText("abc");
            d.edit(1012)->setText("  -1.5e2x");
            d.okButton()->click();
        });
        QCOMPARE(first, (QStringList{"3.00", "20.00", "0.70", "0.30", "0.30"}));
        QCOMPARE(visible, (QList<bool>{false, true, false, true, true}));
        QCOMPARE(enabled, (QList<bool>{true, true, false, true, true}));
        const ProcessingSettings& master = s.frame->survey().m_tables.Settings();
        QCOMPARE(master.m_fResistivity, 12.345f);
        QCOMPARE(master.m_fPThreshold, 0.0f);
        QCOMPARE(master.m_fVThreshold, -150.0f);
        QCOMPARE(master.m_fDeviationFactor, 3.0f);
        QCOMPARE(master.m_fDepthCoefficient, 0.7f);

        // The next opening shows them rounded, and OK keeps the rounded value.
        const QStringList second = runConfig(s, [](CDialog_Data_Set& d) { d.okButton()->click(); });
        QCOMPARE(second, (QStringList{"3.00", "12.35", "0.70", "0.00", "-150.00"}));
        QCOMPARE(master.m_fResistivity, 12.35f);
    }

    void cancelEscapeAndCloseBoxChangeNothing()
    {
        Shell s;
        const ProcessingSettings before = s.frame->survey().m_tables.Settings();
        for (const char* how : {"Cansel", "Esc", "close box"}) {
            runConfig(s, [how](CDialog_Data_Set& d) {
                for (int id : CDialog_Data_Set::kEditIds)
                    d.edit(id)->setText("7");
                d.show();
                if (how == QLatin1String("Cansel"))
                    d.cancelButton()->click();
                else if (how == QLatin1String("Esc"))
                    QTest::keyClick(&d, Qt::Key_Escape);
                else
                    d.close();
            });
            QVERIFY2(s.frame->survey().m_tables.Settings() == before, how);
        }
    }

    void aboutTextFromProduceTxt()
    {
        const test::InTemporaryFolder folder;
        Shell s;
        QString shown;
        QString title;
        s.runner = [&](QDialog& d) {
            title = d.windowTitle();
            shown = static_cast<CAboutDlg&>(d).textEdit()->toPlainText();
            d.accept();
            return d.result();
        };
        auto write = [](const QByteArray& bytes) {
            QFile f("Produce.txt");
            return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
        };

        shown = "<not shown>";
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());  // no file
        QCOMPARE(title, QString("About "));

        QVERIFY(write("Vantrel field data\r\nVersion 1.6.8\r\n"));
        QCOMPARE(CAboutDlg::productText("Produce.txt"),
                 QString("\r\n      Vantrel field data\r\n      Version 1.6.8"));
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString("\n      Vantrel field data\n      Version 1.6.8"));

        QVERIFY(write(""));
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());

        // A last line without its line end, and text in the Chinese code page.
        QVERIFY(write("a\n\xb5\xd8\xc7\xf2"));  // "地球" in GBK
        QCOMPARE(CAboutDlg::productText("Produce.txt"), QString::fromUtf8("\r\n      a\r\n      地球"));
    }

    void prompterFilters()
    {
        QCOMPARE(
            DialogPrompter::qtFilters("DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||"),
            (QStringList{"DAT File (*.dat)", "Excel File (*.csv)", "All File (*)"}));
        QCOMPARE(DialogPrompter::qtFilters("Data|*.dat;*.csv||"), (QStringList{"Data (*.dat *.csv)"}));
        QCOMPARE(DialogPrompter::qtFilters(""), QStringList());
    }
};

VANTREL_GUI_TEST_MAIN(TestShellDialogs, "shelldialogs")
#include "tst_shelldialogs.moc"
