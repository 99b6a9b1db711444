#include "panes/cfileview.h"

#include "common/showntext.h"

#include "panes/commandmenu.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/commandtexts.h"
#include "common/surveynotifier.h"
#include "common/celltext.h"
#include "panes/cfileviewtoolbar.h"
#include "panes/cmystatic.h"
#include "panes/cviewtree.h"
#include "datafile/filetree.h"
#include "panes/filetreemodel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QSettings>

namespace vantrel {

namespace {

constexpr const char* kLinkGroup = "SelvoSoftwareHttpLink";
constexpr const char* kPictureFolder = "Picture";
constexpr int kLinkLength = 99;

}  // namespace

CFileView::Layout CFileView::layoutFor(QSize client, int toolBarHeight, int selectorHeight)
{
    const int w = client.width();
    const int h = client.height();
    const int p = w * 240 / 360;
    Layout l;
    l.toolBar = QRect(0, 0, w, toolBarHeight);
    l.selector = QRect(0, toolBarHeight, w, selectorHeight);
    l.picture = QRect(0, h - p, w, p);
    l.tree = QRect(1, toolBarHeight + selectorHeight + 1, w - 2, h - toolBarHeight - selectorHeight - 2 - p);
    return l;
}

CFileView::CFileView(SurveyNotifier& notifier, QWidget* parent)
    : QDockWidget(parent), m_fileTree(notifier.survey().m_tree), m_shown(notifier.shown())
{
    setObjectName(QStringLiteral("FileViewPane"));
    setWindowTitle(tr("File View"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("FileViewClient"));
    setWidget(client);

    m_tree = new CViewTree(client);
    m_model = new FileTreeModel(m_fileTree, &notifier.shown(), this);
    m_tree->setModel(m_model);

    m_selector = new QComboBox(client);
    m_selector->setObjectName(QStringLiteral("FrequencySelector"));
    m_selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_selector, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_fileTree.SetCurrentFrequency(index); });

    m_picture = new CMyStatic(client);

    m_toolBar = new CFileViewToolBar(client);

    buildContextMenu();
    connect(m_tree, &CViewTree::contextMenuWanted, this, [this](const QPoint& at) { m_menu->popup(at); });

    connect(&notifier, &SurveyNotifier::resetAboutToBegin, this, &CFileView::beginDataUpdate);
    connect(&notifier, &SurveyNotifier::treeReset, this, &CFileView::endDataUpdate);
    // A replayed step may tick rows the user did not click: the ticks are repainted.
    connect(&notifier, &SurveyNotifier::changed, m_tree->viewport(), qOverload<>(&QWidget::update));

    client->setFocusProxy(m_tree);
    setFocusProxy(m_tree);
    client->installEventFilter(this);

    reloadSelector();
    LoadPictures();
    applySelectorFont();
    AdjustLayout();
}

CFileView::~CFileView() = default;

void CFileView::buildContextMenu()
{
    m_menu = buildCommandMenu(this, QStringLiteral("FileViewMenu"),
                              {{cmd::ID_SELECT_DATA, tr("&Open")},
                               {cmd::ID_OPEN_WITH, tr("Open &With....")},
                               {},
                               {cmd::ID_DUMMY_COMPILE, tr("&Compile")},
                               {},
                               {cmd::ID_EDIT_CUT, tr("Cu&t\tCtrl+X")},
                               {cmd::ID_EDIT_COPY, tr("&Copy\tCtrl+C")},
                               {cmd::ID_EDIT_CLEAR, tr("&Remove")},
                               {},
                               {cmd::ID_PROPERTIES, tr("&Properties...")}});
}

QList<QAction*> CFileView::commandActions() const
{
    QList<QAction*> list;
    for (QWidget* owner : {static_cast<QWidget*>(m_toolBar), static_cast<QWidget*>(m_menu)})
        for (QAction* a : owner->actions())
            if (!a->isSeparator() && a->data().toInt() != 0)
                list << a;
    return list;
}

void CFileView::registerCommands(CommandRouter& router)
{
    // The pane answers these entries of its menu itself, and leaves them at
    // that: they stay enabled and do nothing.
    CommandMap& own = router.ownCommands(this);
    for (int id :
         {cmd::ID_OPEN_WITH, cmd::ID_DUMMY_COMPILE, cmd::ID_EDIT_CUT, cmd::ID_EDIT_COPY, cmd::ID_EDIT_CLEAR})
        own.add(id, [] {});
    for (QAction* a : commandActions())
        router.addAction(a, this);
    router.watchMenu(m_menu);
}

int CFileView::currentFrequency() const
{
    return m_selector->currentIndex();
}

void CFileView::beginDataUpdate()
{
    m_model->beginUpdate();
}

void CFileView::endDataUpdate()
{
    m_model->endUpdate();
    reloadSelector();
}

void CFileView::reloadSelector()
{
    const QSignalBlocker block(m_selector);
    m_selector->clear();
    for (const std::string& name : m_fileTree.Frequencies())
        m_selector->addItem(m_shown(name));
    m_selector->setCurrentIndex(m_fileTree.CurrentFrequency());
}

void CFileView::applySelectorFont()
{
    QFont f = QApplication::font();
    const QFont menu = QApplication::font("QMenu");
    if (menu.pixelSize() > 0)
        f.setPixelSize(menu.pixelSize());
    else
        f.setPointSizeF(menu.pointSizeF());
    f.setWeight(menu.weight());
    f.setItalic(menu.italic());
    m_selector->setFont(f);
}

void CFileView::AdjustLayout()
{
    QWidget* c = client();
    if (!c)
        return;
    const int toolBarHeight = m_toolBar->sizeHint().height();
    const int selectorHeight = m_selector->sizeHint().height();
    const Layout l = layoutFor(c->size(), toolBarHeight, selectorHeight);
    m_toolBar->setGeometry(l.toolBar);
    m_selector->setGeometry(l.selector);
    const int rowHeight =
        qMax(1,
             m_selector->view()->sizeHintForRow(0) > 0 ? m_selector->view()->sizeHintForRow(0)
                                                       : m_selector->fontMetrics().height() + 4);
    m_selector->setMaxVisibleItems(qMax(1, kSelectorListHeight / rowHeight));
    m_picture->setGeometry(l.picture);
    m_tree->setGeometry(l.tree.x(), l.tree.y(), qMax(0, l.tree.width()), qMax(0, l.tree.height()));
}

bool CFileView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client()) {
        if (event->type() == QEvent::Resize)
            AdjustLayout();
        else if (event->type() == QEvent::Paint)
            paintClient(static_cast<QPaintEvent*>(event));
    }
    return QDockWidget::eventFilter(watched, event);
}

void CFileView::changeEvent(QEvent* event)
{
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refreshFonts();
}

void CFileView::refreshFonts()
{
    applySelectorFont();
    AdjustLayout();
}

void CFileView::paintClient(QPaintEvent* event)
{
    QWidget* c = client();
    QPainter p(c);
    p.setPen(c->palette().color(QPalette::Dark));
    p.drawRect(m_tree->geometry().adjusted(-1, -1, 0, 0));
    p.end();

    // Qt repaints the pane below its children whenever one of them changes;
    // only a paint that reaches the pane's own pixels counts as the pane being
    // painted, and that shows the next picture.
    QRegion own(c->rect());
    for (QWidget* child : {static_cast<QWidget*>(m_toolBar), static_cast<QWidget*>(m_selector),
                           static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_picture)})
        if (child->isVisible())
            own -= child->geometry();
    if (event->region().intersects(own))
        ShowNextPicture();
}

void CFileView::LoadPictures()
{
    m_arrPicturePaths.clear();
    m_arrPictureLinks.clear();
    const QDir folder(QString::fromLatin1(kPictureFolder));
    const QStringList names = folder.exists()
        ? folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)
        : QStringList();
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kLinkGroup));
    for (const QString& name : names) {
        const QString key = name.section(QLatin1Char('.'), 0, 0);
        const QString link = key.isEmpty()
            ? QString::fromLatin1(CMyStatic::kProductPage)
            : settings.value(key, QString::fromLatin1(CMyStatic::kProductPage)).toString();
        m_arrPictureLinks << link.left(kLinkLength);
        m_arrPicturePaths << QString::fromLatin1(kPictureFolder) + QLatin1Char('/') + name;
    }
    settings.endGroup();
    if (m_arrPicturePaths.isEmpty())
        m_picture->clearPicture();
}

void CFileView::ShowNextPicture()
{
    const auto count = m_arrPicturePaths.size();
    if (count == 0)
        return;
    ++m_nPictureIndex;
    if (m_nPictureIndex >= count)
        m_nPictureIndex = 0;
    m_picture->setLink(m_nPictureIndex % 2, m_arrPictureLinks.at(m_nPictureIndex));
    m_picture->showPicture(QImage(m_arrPicturePaths.at(m_nPictureIndex)));
}

}  // namespace vantrel
