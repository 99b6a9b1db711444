// The frame's toolbars as the user sees them: the customization entry at the
// end, the overflow arrow only when the window is too narrow, no buttons left
// behind by rebuilds, and disabled buttons that look disabled in every look.

#include "testsupport.h"

#include "app/applook.h"
#include "common/commandids.h"
#include "app/toolbarset.h"

#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

using namespace vantrel;
using namespace vantrel::cmd;
using test::Shell;

namespace {

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

class TestToolbars : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        for (int id : {205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219})
            QTest::newRow(qPrintable(AppLook::name(id))) << id;
    }

    void disabledButtonsLookDisabled()
    {
        QFETCH(int, look);
        Shell s;
        QVERIFY(s.run(look));
        s.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.frame));
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

VANTREL_GUI_TEST_MAIN(TestToolbars, "toolbars")
#include "tst_toolbars.moc"
