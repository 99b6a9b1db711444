// What the data panes show: huge fields cut for display (and shown quickly).

#include "testsupport.h"

#include "datafile/datafilereader.h"
#include "panes/celltext.h"
#include "panes/cfileview.h"
#include "panes/coutputwnd.h"
#include "panes/cownerlistctrl.h"
#include "panes/datatablemodel.h"
#include "survey.h"

#include <QElapsedTimer>
#include <QTabWidget>

#include <memory>

using namespace vantrel;

class TestPanesDisplay : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Survey> m_survey;
    std::unique_ptr<COutputWnd> m_output;
    std::unique_ptr<CFileView> m_fileView;

    void makePanes()
    {
        m_survey = std::make_unique<Survey>();
        m_output = std::make_unique<COutputWnd>(m_survey->m_tables, StringTable(StringTable::Language::English));
        m_fileView = std::make_unique<CFileView>(m_survey->m_tree, StringTable(StringTable::Language::English));
    }

    void load(const QString& path)
    {
        m_output->beginDataUpdate();
        m_fileView->beginDataUpdate();
        DataFileReader reader(m_survey->m_frame, m_survey->m_tables, m_survey->m_tree);
        const ReadResult result = reader.ReadFile(LocalPath(path));
        m_fileView->endDataUpdate();
        m_output->sync();
        QVERIFY2(result.Ok(), result.message.c_str());
    }

    void showPanes()
    {
        m_output->resize(900, 400);
        m_fileView->resize(260, 600);
        m_output->show();
        m_fileView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_output.get()));
        QVERIFY(QTest::qWaitForWindowExposed(m_fileView.get()));
    }

    QString write(const QString& name, const QByteArray& text)
    {
        QFile f(m_dir->filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return {};
        return f.fileName();
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        makePanes();
    }

    void cleanup()
    {
        m_fileView.reset();
        m_output.reset();
        m_survey.reset();
        m_dir.reset();
    }

    void hugeLastFieldIsShownCut_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("2 MB") << qint64(2) * 1024 * 1024;
        QTest::newRow("60 MB") << qint64(60) * 1024 * 1024;
    }

    void hugeLastFieldIsShownCut()
    {
        QFETCH(qint64, bytes);
        // The first row's date-time (the last field) is huge: it is a cell, a
        // tool tip and the file item's text.
        const QString path = m_dir->filePath("huge.dat");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("FILE\tINCREMENT\t1000HZ\t500HZ\tMODE\tDATETIME\n1\t0\t10.00\t8.00\t2\t2026");
            const QByteArray chunk(1024 * 1024, '7');
            for (qint64 left = bytes; left > 0; left -= chunk.size())
                f.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
            f.write("\n1\t5\t10.10\t8.10\t2\t202603010900\n");
        }

        QElapsedTimer timer;
        timer.start();
        load(path);
        showPanes();
        m_fileView->tree()->expandAll();
        m_output->originView()->scrollTo(m_output->originModel()->index(0, 5));
        const QModelIndex cell = m_output->originModel()->index(0, 5);
        m_output->originView()->viewport()->grab();
        m_fileView->tree()->viewport()->grab();
        QApplication::processEvents();
        const QString shown = cell.data().toString();
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        const QString fileItem = m_fileView->model()->index(0, 0).data().toString();
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 30000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

        // The data stays whole; what is shown is its start and an ellipsis.
        QCOMPARE(qint64(m_survey->m_tables.m_origin.Cell(0, 5).size()), bytes + 4);
        QCOMPARE(shown.size(), kShownTextLength + 1);
        QVERIFY(shown.startsWith("20267777") && shown.endsWith(QChar(0x2026)));
        QCOMPARE(tip, shown);
        QVERIFY(fileItem.startsWith("File: 1 (20267777") && fileItem.endsWith(QString(QChar(0x2026)) + ")"));
        QVERIFY(fileItem.size() < kShownTextLength + 20);
        QCOMPARE(m_output->originModel()->index(1, 5).data().toString(), QStringLiteral("202603010900"));
    }

    void shownTextKeepsCharactersWhole()
    {
        // Short texts are shown as they are, also when their bytes are many.
        const std::string wide(kShownTextLength / 2, 'x');
        QCOMPARE(ShownText(wide + "\xE6\xB7\xB1"), QString::fromStdString(wide) + QStringLiteral("深"));
        // A cut never splits a UTF-8 sequence and decodes UTF-8 as such.
        std::string chinese;
        for (int i = 0; i < 2 * kShownTextLength; ++i)
            chinese += "\xE6\xB7\xB1";
        const QString cut = ShownText(chinese);
        QCOMPARE(cut.size(), kShownTextLength + 1);
        QCOMPARE(cut.left(kShownTextLength), QString(kShownTextLength, QChar(0x6DF1)));
        // Bytes that are not UTF-8 stay one character per byte.
        const QString latin = ShownText(std::string(1000, '\xB5'));
        QCOMPARE(latin.left(3), QStringLiteral("µµµ"));
        QVERIFY(latin.endsWith(QChar(0x2026)));
    }

};

VANTREL_GUI_TEST_MAIN(TestPanesDisplay, "panesdisplay")
#include "tst_panesdisplay.moc"
