#include "app/toolbarset.h"

#include "common/commanddescriptor.h"
#include "common/commandids.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

namespace vantrel {

namespace {

constexpr int kStandardId = 129;
constexpr int kButtonSide = 42;
constexpr int kImageSide = 32;
constexpr int kCustomizeWidth = 14;

QString userObjectName(int id)
{
    return QStringLiteral("UserToolbar%1").arg(id);
}

QVariantList toVariantList(const QList<int>& ids)
{
    QVariantList list;
    for (int id : ids)
        list << id;
    return list;
}

QList<int> toIdList(const QVariant& value)
{
    QList<int> ids;
    for (const QVariant& v : value.toList())
        ids << v.toInt();
    return ids;
}

}  // namespace

ToolbarSet::ToolbarSet(QMainWindow* window, std::function<QAction*(int)> actionFor, QAction* customize,
                       QObject* parent)
    : QObject(parent), m_window(window), m_actionFor(std::move(actionFor)), m_customize(customize)
{
    m_user.resize(kMaxUserToolbars);
    m_standard = makeToolbar(QStringLiteral("Standard"), tr("Standard"));
    setCommands(m_standard, standardCommands());
}

QList<int> ToolbarSet::standardCommands()
{
    QList<int> ids;
    for (const CommandDescriptor* d : commandsOnToolbar(CommandToolbar::Standard)) {
        if (d->toolbarPlace.separatorBefore && !ids.isEmpty())
            ids << kSeparator;
        ids << d->id;
    }
    return ids;
}

QToolBar* ToolbarSet::makeToolbar(const QString& objectName, const QString& title)
{
    auto* bar = new QToolBar(title, m_window);
    bar->setObjectName(objectName);
    bar->setIconSize(QSize(kImageSide, kImageSide));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    m_window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QList<QToolBar*> ToolbarSet::userToolbars() const
{
    QList<QToolBar*> list;
    for (const auto& bar : m_user)
        if (bar)
            list << bar.data();
    return list;
}

QList<QToolBar*> ToolbarSet::all() const
{
    return QList<QToolBar*>{m_standard} + userToolbars();
}

int ToolbarSet::toolbarId(const QToolBar* bar) const
{
    if (bar && bar == m_standard)
        return kStandardId;
    for (int i = 0; i < kMaxUserToolbars; ++i)
        if (bar && m_user[i] == bar)
            return cmd::ID_FIRST_USER_TOOLBAR + i;
    return 0;
}

bool ToolbarSet::isUserToolbar(const QToolBar* bar) const
{
    const int id = toolbarId(bar);
    return id >= cmd::ID_FIRST_USER_TOOLBAR && id <= cmd::ID_LAST_USER_TOOLBAR;
}

QList<int> ToolbarSet::commands(const QToolBar* bar) const
{
    return m_commands.value(bar);
}

void ToolbarSet::setCommands(QToolBar* bar, const QList<int>& ids)
{
    QList<int> clean;
    for (int id : ids)
        if (id == kSeparator || m_actionFor(id))
            clean << id;
    m_commands.insert(bar, clean);
    rebuild(bar);
    Q_EMIT toolbarsChanged();
}

void ToolbarSet::rebuild(QToolBar* bar)
{
    // clear() only takes the actions off the bar; the customize entry's
    // action would stay behind with its button on every rebuild.
    delete m_customizeEntries.take(bar);
    bar->clear();
    for (int id : m_commands.value(bar)) {
        if (id == kSeparator) {
            bar->addSeparator();
            continue;
        }
        QAction* action = m_actionFor(id);
        bar->addAction(action);
        if (QWidget* button = bar->widgetForAction(action))
            button->setFixedSize(kButtonSide, kButtonSide);
    }
    // Every toolbar ends with the customize button: a small drop-down arrow,
    // so it is not taken for the arrow of the bar's overflow menu.
    auto* more = new QToolButton(bar);
    more->setObjectName(QStringLiteral("CustomizeButton"));
    more->setDefaultAction(m_customize);
    more->setArrowType(Qt::DownArrow);
    more->setFixedSize(kCustomizeWidth, kButtonSide);
    more->setAutoRaise(true);
    m_customizeEntries.insert(bar, bar->addWidget(more));
}

void ToolbarSet::resetStandard()
{
    setCommands(m_standard, standardCommands());
}

QToolBar* ToolbarSet::createUserToolbar(const QString& name, const QList<int>& ids)
{
    for (int i = 0; i < kMaxUserToolbars; ++i) {
        if (m_user[i])
            continue;
        const int id = cmd::ID_FIRST_USER_TOOLBAR + i;
        const QString title = name.trimmed().isEmpty() ? tr("Toolbar%1").arg(i + 1) : name.trimmed();
        QToolBar* bar = makeToolbar(userObjectName(id), title);
        m_user[i] = bar;
        setCommands(bar, ids);
        bar->show();
        return bar;
    }
    return nullptr;
}

void ToolbarSet::removeUserToolbar(QToolBar* bar)
{
    for (auto& slot : m_user) {
        if (slot == bar) {
            slot = nullptr;
            m_commands.remove(bar);
            m_customizeEntries.remove(bar);
            m_window->removeToolBar(bar);
            bar->deleteLater();
            Q_EMIT toolbarsChanged();
            return;
        }
    }
}

void ToolbarSet::renameToolbar(QToolBar* bar, const QString& name)
{
    if (!name.trimmed().isEmpty()) {
        bar->setWindowTitle(name.trimmed());
        Q_EMIT toolbarsChanged();
    }
}

bool ToolbarSet::loadUserImages(const QString& path)
{
    m_userImages.clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxUserImagesBytes)
        return false;
    const QImage image(path);
    if (image.isNull() || image.height() <= 0)
        return false;
    const int side = std::min(image.height(), 64);
    for (int x = 0; x + side <= image.width() && m_userImages.size() < 256; x += side) {
        QImage tile = image.copy(x, 0, side, side).convertToFormat(QImage::Format_ARGB32);
        // Bitmaps mark transparent pixels with the colour of the top left corner.
        const QRgb key = tile.pixel(0, 0);
        for (int yy = 0; yy < tile.height(); ++yy)
            for (int xx = 0; xx < tile.width(); ++xx)
                if (tile.pixel(xx, yy) == key)
                    tile.setPixel(xx, yy, qRgba(0, 0, 0, 0));
        m_userImages << QPixmap::fromImage(tile);
    }
    return !m_userImages.isEmpty();
}

void ToolbarSet::setButtonImage(int id, int index)
{
    QAction* action = m_actionFor(id);
    if (!action)
        return;
    if (!m_ownIcons.contains(id))
        m_ownIcons.insert(id, action->icon());
    if (index >= 0 && index < m_userImages.size()) {
        action->setIcon(QIcon(m_userImages[index]));
        m_buttonImages.insert(id, index);
    } else {
        action->setIcon(m_ownIcons.value(id));
        m_buttonImages.remove(id);
    }
}

void ToolbarSet::save(QSettings& settings) const
{
    settings.beginGroup(QStringLiteral("Toolbars"));
    settings.remove(QString());
    settings.setValue(QStringLiteral("Standard"), toVariantList(m_commands.value(m_standard)));
    for (int i = 0; i < kMaxUserToolbars; ++i) {
        if (!m_user[i])
            continue;
        const QString key = QString::number(cmd::ID_FIRST_USER_TOOLBAR + i);
        settings.setValue(key + QStringLiteral("/Name"), m_user[i]->windowTitle());
        settings.setValue(key + QStringLiteral("/Commands"), toVariantList(m_commands.value(m_user[i])));
    }
    QVariantMap images;
    for (auto it = m_buttonImages.constBegin(); it != m_buttonImages.constEnd(); ++it)
        images.insert(QString::number(it.key()), it.value());
    settings.setValue(QStringLiteral("ButtonImages"), images);
    settings.endGroup();
}

void ToolbarSet::load(QSettings& settings)
{
    settings.beginGroup(QStringLiteral("Toolbars"));
    if (settings.contains(QStringLiteral("Standard")))
        setCommands(m_standard, toIdList(settings.value(QStringLiteral("Standard"))));
    for (int i = 0; i < kMaxUserToolbars; ++i) {
        const int id = cmd::ID_FIRST_USER_TOOLBAR + i;
        const QString key = QString::number(id);
        if (!settings.contains(key + QStringLiteral("/Name")))
            continue;
        if (m_user[i])
            removeUserToolbar(m_user[i]);
        QToolBar* bar =
            makeToolbar(userObjectName(id), settings.value(key + QStringLiteral("/Name")).toString());
        m_user[i] = bar;
        setCommands(bar, toIdList(settings.value(key + QStringLiteral("/Commands"))));
    }
    const QVariantMap images = settings.value(QStringLiteral("ButtonImages")).toMap();
    for (auto it = images.constBegin(); it != images.constEnd(); ++it)
        setButtonImage(it.key().toInt(), it.value().toInt());
    settings.endGroup();
}

}  // namespace vantrel
