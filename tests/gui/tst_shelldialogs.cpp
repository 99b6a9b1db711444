// The Config and About dialogs and the desktop prompter's filters.

#include "app/caboutdlg.h"
#include "app/cdialog_data_set.h"
#include "app/commandids.h"
#include "app/dialogprompter.h"
#include "shelltestsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::Shell;

namespace {

/// Runs the Config dialog: `edit` may change the texts, `finish` ends it.
void runConfig(Shell& s, const std::function<void(CDialog_Data_Set&)>& edit,
               const std::function<void(CDialog_Data_Set&)>& finish, QStringList* shown = nullptr)
{
    s.runner = [&](QDialog& d) {
        auto& dialog = static_cast<CDialog_Data_Set&>(d);
        if (shown)
            for (int id : CDialog_Data_Set::kEditIds)
                *shown << dialog.edit(id)->text();
        edit(dialog);
        finish(dialog);
        return d.result();
    };
    QVERIFY(s.run(ID_CONFIG));
}

void pressOk(CDialog_Data_Set& d)
{
    d.okButton()->click();
}

void setText(CDialog_Data_Set& d, int id, const QString& text)
{
    d.edit(id)->setText(text);
}

}  // namespace

class TestShellDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void configShowsDefaultsAndHidesTwo()
    {
        Shell s;
        QStringList shown;
        bool visible[5] = {};
        bool enabled[5] = {};
        runConfig(
            s,
            [&](CDialog_Data_Set& d) {
                d.show();
                for (int i = 0; i < 5; ++i) {
                    visible[i] = d.edit(CDialog_Data_Set::kEditIds[i])->isVisible();
                    enabled[i] = d.edit(CDialog_Data_Set::kEditIds[i])->isEnabled();
                }
                QCOMPARE(d.windowTitle(), QString("Config"));
                QCOMPARE(d.cancelButton()->text(), QString("Cansel"));
            },
            [](CDialog_Data_Set& d) { d.reject(); }, &shown);
        QCOMPARE(shown, (QStringList{"3.00", "20.00", "0.70", "0.30", "0.30"}));
        QCOMPARE(QList<bool>(visible, visible + 5), (QList<bool>{false, true, false, true, true}));
        QCOMPARE(QList<bool>(enabled, enabled + 5), (QList<bool>{true, true, false, true, true}));
    }

    void okStoresBothCopiesAndRoundsOnTheNextOpen()
    {
        Shell s;
        runConfig(s, [](CDialog_Data_Set& d) { setText(d, 1009, "12.345"); }, pressOk);
        const ProcessingSettings& master = s.frame->survey().m_frame.m_settings;
        QCOMPARE(master.m_fResistivity, 12.345f);
        QCOMPARE(master.m_fDeviationFactor, 3.0f);
        QCOMPARE(master.m_fDepthCoefficient, 0.7f);
        QVERIFY(s.frame->survey().m_tables.m_settings == master);

        QStringList shown;
        runConfig(s, [](CDialog_Data_Set&) {}, pressOk, &shown);
        QCOMPARE(shown.at(1), QString("12.35"));
        QCOMPARE(master.m_fResistivity, 12.35f);
        QVERIFY(s.frame->survey().m_tables.m_settings == master);
    }

    void textsAreReadAsAtofDoes()
    {
        Shell s;
        runConfig(
            s,
            [](CDialog_Data_Set& d) {
                setText(d, 1011, "abc");
                setText(d, 1009, "20m");
                setText(d, 1012, "  -1.5e2x");
            },
            pressOk);
        const ProcessingSettings& master = s.frame->survey().m_frame.m_settings;
        QCOMPARE(master.m_fPThreshold, 0.0f);
        QCOMPARE(master.m_fResistivity, 20.0f);
        QCOMPARE(master.m_fVThreshold, -150.0f);
        QVERIFY(s.frame->survey().m_tables.m_settings == master);
    }

    void cancelEscapeAndCloseBoxChangeNothing_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cansel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void cancelEscapeAndCloseBoxChangeNothing()
    {
        QFETCH(int, how);
        Shell s;
        const ProcessingSettings before = s.frame->survey().m_frame.m_settings;
        runConfig(
            s,
            [](CDialog_Data_Set& d) {
                for (int id : CDialog_Data_Set::kEditIds)
                    setText(d, id, "7");
            },
            [how](CDialog_Data_Set& d) {
                if (how == 0) {
                    d.cancelButton()->click();
                } else if (how == 1) {
                    d.show();
                    QTest::keyClick(&d, Qt::Key_Escape);
                } else {
                    d.show();
                    d.close();
                }
            });
        QVERIFY(s.frame->survey().m_frame.m_settings == before);
        QVERIFY(s.frame->survey().m_tables.m_settings == before);
    }

    void aboutTextFromProduceTxt()
    {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Shell s;
        QString shown;
        s.runner = [&](QDialog& d) {
            auto& about = static_cast<CAboutDlg&>(d);
            shown = about.textEdit()->toPlainText();
            d.accept();
            return d.result();
        };

        // Without the file the text stays empty.
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());

        {
            QFile f("Produce.txt");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Vantrel field data\r\nVersion 1.6.8\r\n");
        }
        QCOMPARE(CAboutDlg::productText("Produce.txt"),
                 QString("\r\n      Vantrel field data\r\n      Version 1.6.8"));
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString("\n      Vantrel field data\n      Version 1.6.8"));

        {
            QFile f("Produce.txt");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        }
        QVERIFY(s.run(ID_APP_ABOUT));
        QCOMPARE(shown, QString());

        // A last line without its line end, and text in the Chinese code page.
        {
            QFile f("Produce.txt");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("a\n\xb5\xd8\xc7\xf2");  // "地球" in GBK
        }
        QCOMPARE(CAboutDlg::productText("Produce.txt"), QString::fromUtf8("\r\n      a\r\n      地球"));
        QDir::setCurrent(old);
    }

    void aboutBoxLayout()
    {
        CAboutDlg about(nullptr, "no-such-file.txt");
        QCOMPARE(about.windowTitle(), QString("About "));
        QVERIFY(about.textEdit()->isReadOnly());
        QCOMPARE(about.textEdit()->objectName(), QString("edit1007"));
        QVERIFY(about.okButton()->isDefault());
        QVERIFY(about.textEdit()->geometry().right() < about.width());
        QVERIFY(about.okButton()->geometry().bottom() < about.height());
    }

    void prompterFilters()
    {
        QCOMPARE(DialogPrompter::qtFilters("DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||"),
                 (QStringList{"DAT File (*.dat)", "Excel File (*.csv)", "All File (*)"}));
        QCOMPARE(DialogPrompter::qtFilters("Data|*.dat;*.csv||"), (QStringList{"Data (*.dat *.csv)"}));
        QCOMPARE(DialogPrompter::qtFilters(""), QStringList());
    }
};

VANTREL_SHELL_TEST_MAIN(TestShellDialogs, "shelldialogs")
#include "tst_shelldialogs.moc"
