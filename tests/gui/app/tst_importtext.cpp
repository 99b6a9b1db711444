// Files from the field on the desktop: decoded texts with the encoding in the
// status bar and Reopen with Encoding; the word when no frequency column is
// found; Import Text with its dialog, its checks and the remembered mapping;
// several files as one survey.

#include "app/importtextdialog.h"
#include "common/commandids.h"
#include "common/surveynotifier.h"
#include "messages.h"
#include "panes/coutputwnd.h"
#include "panes/datatablemodel.h"
#include "panes/filetreemodel.h"
#include "encodingdetector.h"
#include "testsupport.h"

#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>

#include <sstream>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::contents;
using vantrel::test::Shell;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    return vantrel::test::writeFile(path, bytes) ? path : QString();
}

/// What the Origin table shows in its last column: the title (row -1) or a row's cell.
QString shownLast(const Shell& s, int row)
{
    const DataTableModel* m = s.frame->outputPane()->originModel();
    const int c = m->columnCount() - 1;
    return row < 0 ? m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()
                   : m->index(row, c).data().toString();
}

/// The Origin table's titles and rows as the survey holds them, byte for byte.
std::string originBytes(const Shell& s)
{
    const OutputTables& t = s.frame->survey().m_tables;
    std::ostringstream out;
    for (std::size_t c = 0; c < t.Origin().ColumnCount(); ++c)
        out << t.Origin().Title(c) << '\t';
    t.WriteOriginRows(out, 1);
    return out.str();
}

QString encodingShown(const Shell& s)
{
    return s.frame->statusBar()->findChild<QLabel*>(QStringLiteral("EncodingIndicator"))->text();
}

int offered(const char* name)
{
    const auto& names = OfferedEncodings();
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

}  // namespace

class TestImportText : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // A file written on a Chinese Windows machine shows its texts decoded
    // while its cells keep the bytes: the round trip stays byte for byte.
    // Reopening in another encoding changes only what is shown.
    void encodingsShownAndReopened()
    {
        Shell s;
        const QByteArray bytes = "FILE,INCREMENT,1000HZ,\xb1\xb8\xd7\xa2\r\n"
                                 "1,0,12.5,\xb2\xe2\xb5\xe3\xd2\xbb\r\n"
                                 "1,5,13,\xb2\xe2\xb5\xe3\xb6\xfe\r\n";
        const QString path = write(m_dir, "gbk.dat", bytes);
        s.prompter.fileLists << QStringList{path};
        QVERIFY(s.run(ID_FILE_OPEN));
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(encodingShown(s), QString("GB18030"));
        QCOMPARE(shownLast(s, -1), QString::fromUtf8("备注"));
        QCOMPARE(shownLast(s, 0), QString::fromUtf8("测点一"));
        QCOMPARE(s.frame->survey().m_tables.Origin().Title(3), std::string_view("\xb1\xb8\xd7\xa2"));

        s.prompter.choices << offered("windows-1252");
        QVERIFY(s.run(ID_REOPEN_ENCODING));
        QVERIFY(s.prompter.choiceLists.last().contains("GB18030"));
        QCOMPARE(encodingShown(s), QString("windows-1252"));
        QCOMPARE(shownLast(s, -1), QString::fromUtf8("±¸×¢"));

        QFile::remove(path);
        QVERIFY(s.run(ID_FILE_SAVE));
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(contents(path),
                 QByteArray("FILE\tINCREMENT\t1000HZ\t\xb1\xb8\xd7\xa2\t\r\n"
                            "1\t0\t12.5\t\xb2\xe2\xb5\xe3\xd2\xbb\t\r\n"
                            "1\t5\t13\t\xb2\xe2\xb5\xe3\xb6\xfe\t\r\n"));

        // Cancelling the choice leaves the survey as it is.
        QVERIFY(s.run(ID_REOPEN_ENCODING));
        QCOMPARE(encodingShown(s), QString("windows-1252"));

        // A spreadsheet's "Unicode Text" is named as what it is, whichever way it is read.
        QByteArray utf16("\xff\xfe");
        for (const char c : QByteArray("FILE\tINCREMENT\t1000HZ\r\n1\t0\t12.5\r\n"))
            utf16 += QByteArray(1, c) + QByteArray(1, '\0');
        const QString unicode = write(m_dir, "unicode.txt", utf16);
        const QString note = QStringLiteral("unicode.txt is UTF-16 text (as spreadsheets save \"Unicode "
                                            "Text\"), which is read only as UTF-8 or 8-bit text: save it as "
                                            "UTF-8 and read it again.");
        Shell fresh;
        fresh.prompter.fileLists << QStringList{unicode};
        fresh.run(ID_FILE_OPEN);
        QCOMPARE(fresh.prompter.messages,
                 QStringList{QStringLiteral("The data rows does not match the Header rows!\n\n") + note});
        fresh.prompter.fileLists << QStringList{unicode};
        fresh.run(ID_IMPORT_TEXT);
        QCOMPARE(fresh.prompter.messages.value(1), note);
    }

    // A file without a frequency column loads and says so once, as a note
    // that does not block; a file of another layout is then imported.
    void noFrequencyColumnThenImport()
    {
        Shell s;
        const QString standard =
            write(m_dir, "standard.dat", "FILE,INCREMENT,1000HZ,2000HZ\n1,0,12.5,11\n1,5,13.25,10.5\n");
        const QString other =
            write(m_dir, "sheet.csv", "FILE;INCREMENT;f1000;2000\n1;0;12,5;11\n1;5;13,25;10,5\n");
        s.prompter.fileLists << QStringList{standard};
        QVERIFY(s.run(ID_FILE_OPEN));
        const auto expected = originBytes(s);

        s.prompter.answers << true;  // close the open file
        s.prompter.fileLists << QStringList{other};
        QVERIFY(s.run(ID_FILE_OPEN));
        QCOMPARE(s.prompter.notices, QStringList{QString::fromUtf8(msg::kNoFrequencyColumn)});
        QVERIFY(s.prompter.messages.isEmpty());

        // The dialog guesses the layout; OK with an increment column mapped
        // twice says what is wrong and stays open.
        QList<ImportMapping> guessed;
        s.runner = [&](QDialog& d) {
            auto& dialog = static_cast<ImportTextDialog&>(d);
            guessed << dialog.mapping();
            if (guessed.size() == 1) {
                dialog.setColumn(3, {ColumnRole::Increment, 0});
                dialog.accept();
                if (d.result() == QDialog::Accepted)
                    return int(QDialog::Accepted);
                dialog.setMapping(guessed.first());
            }
            dialog.accept();
            return d.result();
        };
        s.prompter.answers << true;
        s.prompter.fileLists << QStringList{other};
        QVERIFY(s.run(ID_IMPORT_TEXT));
        QCOMPARE(guessed.first().separator, ';');
        QCOMPARE(guessed.first().decimal, ',');
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages.first(),
                 QString("Columns 2 (INCREMENT) and 4 (2000) are both mapped to the increment: nothing was "
                         "imported."));
        QCOMPARE(originBytes(s), expected);
        QCOMPARE(encodingShown(s), QString("UTF-8"));

        // Next time the mapping accepted for this header is offered; the
        // original data is saved where the user says, never over the sheet.
        s.prompter.answers << true;
        s.prompter.fileLists << QStringList{other};
        guessed.clear();
        s.runner = [&](QDialog& d) {
            guessed << static_cast<ImportTextDialog&>(d).mapping();
            d.reject();
            return d.result();
        };
        QVERIFY(s.run(ID_IMPORT_TEXT));
        QCOMPARE(guessed.size(), 1);
        QCOMPARE(guessed.first().separator, ';');
        QCOMPARE(guessed.first().columns[2].frequencyHz, 1000.0);
        QCOMPARE(originBytes(s), expected);  // cancelled: the survey stays

        const QString saved = m_dir.filePath("saved.dat");
        s.prompter.files << FileChoice{true, saved, 0};
        QVERIFY(s.run(ID_FILE_SAVE));
        QCOMPARE(contents(other), QByteArray("FILE;INCREMENT;f1000;2000\n1;0;12,5;11\n1;5;13,25;10,5\n"));
        QVERIFY(contents(saved).startsWith("FILE\tINCREMENT\t1000HZ\t2000HZ"));
    }

    // Two files of one line with the same file number become files 1 and 2,
    // each named in the tree, and saving asks where to write.
    void severalFilesAsOneSurvey()
    {
        Shell s;
        const QString a = write(m_dir, "day1.dat", "FILE,INCREMENT,1000HZ\n1,0,12.5\n1,5,13\n");
        const QString b = write(m_dir, "day2.dat", "FILE,INCREMENT,1000HZ\n1,10,14\n");
        s.prompter.fileLists << QStringList{a, b};
        QVERIFY(s.run(ID_FILE_OPEN));
        QVERIFY(s.prompter.messages.isEmpty());
        QCOMPARE(s.prompter.notices.size(), 1);
        QVERIFY(s.prompter.notices.first().contains("numbered 1, 2"));
        const FileTreeModel* tree = s.frame->fileView()->model();
        QCOMPARE(tree->rowCount(), 2);
        QVERIFY(tree->index(0, 0).data().toString().startsWith("File: 1 day1.dat"));
        QVERIFY(tree->index(1, 0).data().toString().startsWith("File: 2 day2.dat"));
        QCOMPARE(s.frame->survey().m_tables.Origin().RowCount(), std::size_t(3));

        const int dialogs = s.prompter.fileFilters.size();
        QVERIFY(s.run(ID_FILE_SAVE));  // the dialog cancelled: nothing written
        QCOMPARE(s.prompter.fileFilters.size(), dialogs + 1);
        QCOMPARE(contents(a), QByteArray("FILE,INCREMENT,1000HZ\n1,0,12.5\n1,5,13\n"));
    }
};

VANTREL_GUI_TEST_MAIN(TestImportText, "tst_importtext")
#include "tst_importtext.moc"
