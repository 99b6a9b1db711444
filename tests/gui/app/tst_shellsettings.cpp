// What the shell keeps between runs: the look, the window and pane layout,
// the toolbars the user made, the status bar; the panes' keyboard cycling;
// and the toolbars as the user sees them: the customization entry at the end,
// the overflow arrow only when the window is too narrow, no buttons left
// behind by rebuilds, and disabled buttons that look disabled in every look.

#include "app/applook.h"
#include "common/commandids.h"
#include "app/customizedialog.h"
#include "app/toolbarset.h"
#include "testsupport.h"

#include <QApplication>
#include <QDockWidget>
#include <QImage>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

using namespace vantrel;
using namespace vantrel::cmd;
using vantrel::test::entries;
using vantrel::test::Shell;

namespace {

const QList<int> kLooks{205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219};

/// The strongest contrast of the button's pixels to its top left corner.
int inkContrast(QWidget* button)
{
    const QImage image = button->grab().toImage();
    const QColor background = image.pixelColor(1, 1);
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            best = std::max(best,
                            std::abs(p.red() - background.red()) + std::abs(p.green() - background.green()) +
                                std::abs(p.blue() - background.blue()));
        }
    return best;
}

}  // namespace

class TestShellSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QSettings().clear(); }

    void lookIsKeptForTheNextStartUnknownFallsBack()
    {
        Shell s;
        QCOMPARE(s.frame->look(), ID_VIEW_APPLOOK_OFF_2007_BLUE);  // Office 2007 blue by default
        QVERIFY(s.run(ID_VIEW_APPLOOK_OFF_2007_BLACK));
        QVERIFY(s.action(ID_VIEW_APPLOOK_OFF_2007_BLACK)->isChecked() &&
                !s.action(ID_VIEW_APPLOOK_OFF_2007_BLUE)->isChecked());
        QCOMPARE(qApp->palette().color(QPalette::Window),
                 AppLook::palette(ID_VIEW_APPLOOK_OFF_2007_BLACK).color(QPalette::Window));
        // The black look is dark, light text on a dark window; no two looks share a window colour.
        const QPalette black = AppLook::palette(ID_VIEW_APPLOOK_OFF_2007_BLACK);
        QVERIFY(black.color(QPalette::Window).lightness() < 80 &&
                black.color(QPalette::WindowText).lightness() > 180);
        QSet<QRgb> windows;
        for (int id : kLooks)
            windows << AppLook::palette(id).color(QPalette::Window).rgb();
        QCOMPARE(windows.size(), kLooks.size());

        s.restart();
        QCOMPARE(s.frame->look(), ID_VIEW_APPLOOK_OFF_2007_BLACK);
        QVERIFY(s.action(ID_VIEW_APPLOOK_OFF_2007_BLACK)->isChecked());
        QCOMPARE(qApp->palette().color(QPalette::Window),
                 AppLook::palette(ID_VIEW_APPLOOK_OFF_2007_BLACK).color(QPalette::Window));
        QCOMPARE(qApp->property("vantrelStyle").toString(), QString("Fusion"));

        QVERIFY(s.run(ID_VIEW_APPLOOK_WIN_2000));
        s.restart();
        QCOMPARE(s.frame->look(), ID_VIEW_APPLOOK_WIN_2000);
        QCOMPARE(qApp->property("vantrelStyle").toString(), QString("Windows"));

        // Unknown stored values fall back to the Office 2007 look.
        for (const QVariant& stored : QVariantList{0, 211, 214, 220, -5, 99999, "not a number"}) {
            QSettings().setValue("ApplicationLook", stored);
            s.restart();
            QCOMPARE(s.frame->look(), ID_VIEW_APPLOOK_OFF_2007_BLUE);
            QVERIFY(s.action(ID_VIEW_APPLOOK_OFF_2007_BLUE)->isChecked());
        }
    }

    void layoutToolbarsAndImagesAreRestored()
    {
        const test::InTemporaryFolder folder;
        QImage strip(64, 32, QImage::Format_RGB32);
        strip.fill(Qt::magenta);
        QVERIFY(strip.save("UserImages.bmp"));
        {
            Shell s;
            QVERIFY(s.show());
            s.frame->addDockWidget(Qt::RightDockWidgetArea, s.frame->outputPane());
            s.frame->fileView()->hide();
            QVERIFY(s.run(ID_VIEW_STATUS_BAR));
            QVERIFY(s.frame->statusBar()->isHidden());
            s.frame->addToolBar(Qt::LeftToolBarArea, s.frame->standardToolBar());
            s.runner = [](QDialog& d) {
                auto& dialog = static_cast<CustomizeDialog&>(d);
                // Take Print off the standard toolbar, make one of our own.
                dialog.removeCommandAt(2);
                if (!dialog.newToolbar("Depth work"))
                    return int(QDialog::Rejected);
                dialog.addCommand(ID_SAVE_DEPTH_DATA);
                dialog.addCommand(ID_VERTICAL_GRAPH);
                d.accept();
                return d.result();
            };
            QVERIFY(s.run(ID_VIEW_CUSTOMIZE));
            QCOMPARE(s.frame->toolbars()->userToolbars().size(), 1);
            // The user's images: two buttons, the top left colour transparent.
            QCOMPARE(s.frame->toolbars()->userImages().size(), 2);
            QCOMPARE(qAlpha(s.frame->toolbars()->userImages()[1].toImage().pixel(0, 0)), 0);
            s.frame->toolbars()->setButtonImage(ID_FILE_OPEN, 1);
            QVERIFY(s.frame->close());
        }
        Shell s;
        QVERIFY(s.show());
        QCOMPARE(s.frame->dockWidgetArea(s.frame->outputPane()), Qt::RightDockWidgetArea);
        QVERIFY(s.frame->fileView()->isHidden());
        QVERIFY(s.frame->statusBar()->isHidden());
        QVERIFY(!s.action(ID_VIEW_STATUS_BAR)->isChecked());
        QCOMPARE(s.frame->toolBarArea(s.frame->standardToolBar()), Qt::LeftToolBarArea);
        QCOMPARE(s.frame->toolbars()->buttonImage(ID_FILE_OPEN), 1);
        QCOMPARE(entries(s.frame->standardToolBar()).first,
                 (QList<int>{ID_FILE_OPEN, ID_FILE_SAVE, ID_SAVE_DEPTH_DATA, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                             ID_ICHNOGRAPHY_GRAPH, ID_VERTICAL_GRAPH, ID_ROUND_GRAPH, ID_SECTION_GRAPH}));
        const QList<QToolBar*> user = s.frame->toolbars()->userToolbars();
        QCOMPARE(user.size(), 1);
        QCOMPARE(user[0]->windowTitle(), QString("Depth work"));
        QCOMPARE(entries(user[0]).first, (QList<int>{ID_SAVE_DEPTH_DATA, ID_VERTICAL_GRAPH}));
        auto* more = user[0]->findChild<QToolButton*>("CustomizeButton");
        QVERIFY(more && more->defaultAction()->data().toInt() == ID_VIEW_CUSTOMIZE);
        Q_EMIT s.frame->viewToolbarsMenu()->aboutToShow();  // the View menu's toolbar list offers it
        QVERIFY(s.frame->viewToolbarsMenu()->actions().contains(user[0]->toggleViewAction()));
        s.frame->toolbars()->resetStandard();
        QCOMPARE(entries(s.frame->standardToolBar()).first, ToolbarSet::standardCommands());

        // Images larger than 819200 bytes are not offered.
        QImage big(700, 400, QImage::Format_RGB32);
        big.fill(Qt::white);
        QVERIFY(big.save("UserImages.bmp") && QFileInfo("UserImages.bmp").size() > 819200);
        s.restart();
        QVERIFY(s.frame->toolbars()->userImages().isEmpty());
    }

    void atMostTenUserToolbars()
    {
        Shell s;
        ToolbarSet* bars = s.frame->toolbars();
        for (int i = 0; i < 10; ++i) {
            QToolBar* bar = bars->createUserToolbar(QString("T%1").arg(i));
            QVERIFY(bar);
            QCOMPARE(bars->toolbarId(bar), ID_FIRST_USER_TOOLBAR + i);
        }
        QVERIFY(!bars->createUserToolbar("eleventh"));
        // A freed id is used again.
        bars->removeUserToolbar(bars->userToolbars().at(3));
        QToolBar* again = bars->createUserToolbar("again");
        QVERIFY(again);
        QCOMPARE(bars->toolbarId(again), ID_FIRST_USER_TOOLBAR + 3);
        // Unknown ids never reach a toolbar.
        bars->setCommands(again, {ID_FILE_OPEN, 424242, 0});
        QCOMPARE(bars->commands(again), (QList<int>{ID_FILE_OPEN, 0}));
    }

    void f6CyclesThePanes()
    {
        Shell s;
        s.frame->show();
        s.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.frame));
        s.frame->fileView()->widget()->setFocus();
        QVERIFY(s.frame->fileView()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(s.frame, Qt::Key_F6);
        QVERIFY(s.frame->outputPane()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(s.frame, Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(s.frame->fileView()->isAncestorOf(QApplication::focusWidget()));
    }

    void customizeEntryEndsTheToolbarAndOverflowsOnlyWhenNarrow()
    {
        Shell s;
        QToolBar* bar = s.frame->standardToolBar();
        // Rebuilds delete the entry they replace (clear() would leave it behind).
        for (int i = 0; i < 5; ++i)
            s.frame->toolbars()->setCommands(bar, {ID_FILE_OPEN, ToolbarSet::kSeparator, ID_EDIT_COPY});
        s.frame->toolbars()->resetStandard();
        QCOMPARE(bar->findChildren<QWidgetAction*>().size(), 1);
        int buttons = 0;  // taken off a bar, a widget loses its parent
        for (QWidget* w : QApplication::allWidgets())
            buttons += w->objectName() == QStringLiteral("CustomizeButton");
        QCOMPARE(buttons, 1);

        s.frame->resize(1200, 700);
        s.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.frame));
        auto* more = bar->findChild<QToolButton*>(QStringLiteral("CustomizeButton"));
        auto* overflow = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(more && overflow);
        QTRY_VERIFY(more->isVisible());
        // Every entry fits; the customization is the last one, a small
        // drop-down arrow (a chevron there was taken for the overflow arrow).
        QVERIFY(!overflow->isVisible());
        for (QAction* a : bar->actions()) {
            QVERIFY2(bar->widgetForAction(a)->isVisible(), qPrintable(a->text()));
            QVERIFY(bar->widgetForAction(a)->geometry().right() <= more->geometry().right());
        }
        QVERIFY(more->width() < 42);
        QCOMPARE(more->arrowType(), Qt::DownArrow);
        QCOMPARE(more->defaultAction()->data().toInt(), ID_VIEW_CUSTOMIZE);

        s.frame->resize(260, 700);
        QTRY_VERIFY(overflow->isVisible());
        s.frame->resize(1200, 700);
        QTRY_VERIFY(!overflow->isVisible() && more->isVisible());
    }

    void disabledButtonsLookDisabled_data()
    {
        QTest::addColumn<int>("look");
        for (int id : kLooks)
            QTest::newRow(qPrintable(AppLook::name(id))) << id;
    }

    void disabledButtonsLookDisabled()
    {
        QFETCH(int, look);
        Shell s;
        QVERIFY(s.run(look));
        QVERIFY(s.show());
        for (int id : {ID_EDIT_COPY, ID_EDIT_PASTE}) {
            QVERIFY(!s.enabled(id));
            QWidget* button = s.frame->standardToolBar()->widgetForAction(s.action(id));
            const int disabled = inkContrast(button);
            s.action(id)->setEnabled(true);
            const int enabled = inkContrast(button);
            s.frame->router()->updateActions();
            QVERIFY2(disabled * 10 < enabled * 7,
                     qPrintable(QStringLiteral("%1, %2").arg(enabled).arg(disabled)));
        }
    }
};

VANTREL_GUI_TEST_MAIN(TestShellSettings, "shellsettings")
#include "tst_shellsettings.moc"
