#include "customizedialog.h"

#include "commandids.h"
#include "commandrouter.h"
#include "prompter.h"
#include "toolbarset.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kIdRole = Qt::UserRole + 1;

// Entries without an image keep the text in line with the others.
QIcon iconOrBlank(const QIcon& icon)
{
    if (!icon.isNull())
        return icon;
    QPixmap blank(20, 20);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

QString CustomizeDialog::plainText(const QAction* action)
{
    QString text = action->text();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        text.truncate(tab);
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    text.remove(mnemonic);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    return text.trimmed();
}

CustomizeDialog::CustomizeDialog(ToolbarSet& toolbars, const QList<QPair<QString, QList<QAction*>>>& categories,
                                 Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_toolbars(toolbars), m_categories(categories), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CustomizeDialog"));
    setWindowTitle(QStringLiteral("Definition"));
    auto* tabs = new QTabWidget(this);

    // Commands page
    auto* commandsPage = new QWidget;
    auto* grid = new QHBoxLayout(commandsPage);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Categories:")));
    m_category = new QComboBox;
    m_category->addItem(QStringLiteral("All Commands"));
    for (const auto& c : m_categories)
        m_category->addItem(c.first);
    left->addWidget(m_category);
    left->addWidget(new QLabel(QStringLiteral("Commands:")));
    m_commandList = new QListWidget;
    m_commandList->setIconSize(QSize(20, 20));
    m_commandList->setUniformItemSizes(true);
    left->addWidget(m_commandList, 1);
    grid->addLayout(left, 1);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    m_add = new QPushButton(QStringLiteral("Add >"));
    m_remove = new QPushButton(QStringLiteral("< Remove"));
    auto* separator = new QPushButton(QStringLiteral("Separator"));
    m_up = new QPushButton(QStringLiteral("Move Up"));
    m_down = new QPushButton(QStringLiteral("Move Down"));
    m_reset = new QPushButton(QStringLiteral("Reset"));
    for (QPushButton* b : {m_add, m_remove, separator, m_up, m_down, m_reset})
        middle->addWidget(b);
    middle->addStretch();
    grid->addLayout(middle);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Toolbar:")));
    m_toolbarCombo = new QComboBox;
    right->addWidget(m_toolbarCombo);
    right->addWidget(new QLabel(QStringLiteral("Buttons:")));
    m_contents = new QListWidget;
    m_contents->setIconSize(QSize(20, 20));
    m_contents->setUniformItemSizes(true);
    right->addWidget(m_contents, 1);
    grid->addLayout(right, 1);

    if (!m_toolbars.userImages().isEmpty()) {
        auto* imageBox = new QGroupBox(QStringLiteral("Button image (UserImages.bmp)"));
        auto* imageLayout = new QVBoxLayout(imageBox);
        m_images = new QListWidget;
        m_images->setViewMode(QListView::IconMode);
        m_images->setIconSize(QSize(32, 32));
        m_images->setMovement(QListView::Static);
        m_images->setResizeMode(QListView::Adjust);
        const QList<QPixmap> images = m_toolbars.userImages();
        for (int i = 0; i < images.size(); ++i) {
            auto* item = new QListWidgetItem(QIcon(images[i]), QString());
            item->setData(kIdRole, i);
            m_images->addItem(item);
        }
        imageLayout->addWidget(m_images, 1);
        auto* imageButtons = new QHBoxLayout;
        m_useImage = new QPushButton(QStringLiteral("Use Image"));
        m_ownImage = new QPushButton(QStringLiteral("Own Image"));
        imageButtons->addWidget(m_useImage);
        imageButtons->addWidget(m_ownImage);
        imageLayout->addLayout(imageButtons);
        right->addWidget(imageBox, 1);
        connect(m_useImage, &QPushButton::clicked, this, [this] {
            auto* button = m_contents->currentItem();
            auto* image = m_images->currentItem();
            if (button && image && button->data(kIdRole).toInt() != ToolbarSet::kSeparator) {
                m_toolbars.setButtonImage(button->data(kIdRole).toInt(), image->data(kIdRole).toInt());
                fillContents();
            }
        });
        connect(m_ownImage, &QPushButton::clicked, this, [this] {
            if (auto* button = m_contents->currentItem()) {
                m_toolbars.setButtonImage(button->data(kIdRole).toInt(), -1);
                fillContents();
            }
        });
        connect(m_images, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    }
    tabs->addTab(commandsPage, QStringLiteral("Commands"));

    // Toolbars page
    auto* toolbarsPage = new QWidget;
    auto* tb = new QHBoxLayout(toolbarsPage);
    m_toolbarList = new QListWidget;
    tb->addWidget(m_toolbarList, 1);
    auto* tbButtons = new QVBoxLayout;
    m_newName = new QLineEdit;
    m_newName->setPlaceholderText(QStringLiteral("Toolbar name"));
    m_create = new QPushButton(QStringLiteral("New"));
    m_rename = new QPushButton(QStringLiteral("Rename"));
    m_delete = new QPushButton(QStringLiteral("Delete"));
    tbButtons->addWidget(new QLabel(QStringLiteral("Name:")));
    tbButtons->addWidget(m_newName);
    tbButtons->addWidget(m_create);
    tbButtons->addWidget(m_rename);
    tbButtons->addWidget(m_delete);
    tbButtons->addStretch();
    tb->addLayout(tbButtons);
    tabs->addTab(toolbarsPage, QStringLiteral("Toolbars"));

    auto* box = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(box);
    resize(680, 460);

    connect(m_category, &QComboBox::currentIndexChanged, this, &CustomizeDialog::fillCommands);
    connect(m_toolbarCombo, &QComboBox::currentIndexChanged, this, &CustomizeDialog::fillContents);
    connect(m_commandList, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(m_contents, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(m_commandList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { addCommand(item->data(kIdRole).toInt()); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (auto* item = m_commandList->currentItem())
            addCommand(item->data(kIdRole).toInt());
    });
    connect(separator, &QPushButton::clicked, this, [this] { addCommand(ToolbarSet::kSeparator); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeCommandAt(m_contents->currentRow()); });
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_toolbars.resetStandard();
        fillContents();
    });
    connect(m_toolbarList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_toolbarList->row(item);
        if (row >= 0 && row < bars.size())
            bars[row]->setVisible(item->checkState() == Qt::Checked);
    });
    connect(m_toolbarList, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(m_newName, &QLineEdit::textChanged, this, &CustomizeDialog::updateButtons);
    connect(m_create, &QPushButton::clicked, this, [this] {
        newToolbar(m_newName->text());
        m_newName->clear();
    });
    connect(m_rename, &QPushButton::clicked, this, [this] {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_toolbarList->currentRow();
        if (row > 0 && row < bars.size() && !m_newName->text().trimmed().isEmpty()) {
            m_toolbars.renameToolbar(bars[row], m_newName->text());
            m_newName->clear();
            fillToolbarList();
            fillToolbarCombo();
        }
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_toolbarList->currentRow();
        if (row <= 0 || row >= bars.size())
            return;
        if (!m_prompter.question(QStringLiteral("Delete the toolbar \"%1\"?").arg(bars[row]->windowTitle())))
            return;
        m_toolbars.removeUserToolbar(bars[row]);
        fillToolbarList();
        fillToolbarCombo();
    });

    fillCommands();
    fillToolbarCombo();
    fillToolbarList();
}

void CustomizeDialog::fillCommands()
{
    m_commandList->clear();
    QList<int> seen;
    const int category = m_category->currentIndex() - 1;
    for (int c = 0; c < m_categories.size(); ++c) {
        if (category >= 0 && c != category)
            continue;
        for (QAction* a : m_categories[c].second) {
            const int id = CommandRouter::idOf(a);
            // The recent-file entries stand for files, not commands.
            const bool recent = id >= cmd::ID_FILE_MRU_FILE1 && id < cmd::ID_FILE_MRU_FILE1 + 4;
            if (id == 0 || recent || seen.contains(id))
                continue;
            seen << id;
            auto* item = new QListWidgetItem(iconOrBlank(a->icon()), plainText(a));
            item->setData(kIdRole, id);
            item->setToolTip(a->statusTip());
            m_commandList->addItem(item);
        }
    }
    updateButtons();
}

void CustomizeDialog::fillToolbarCombo()
{
    QToolBar* current = currentToolbar();
    const QSignalBlocker block(m_toolbarCombo);
    m_toolbarCombo->clear();
    for (QToolBar* bar : m_toolbars.all())
        m_toolbarCombo->addItem(bar->windowTitle(), QVariant::fromValue(static_cast<QObject*>(bar)));
    const int index = current ? m_toolbarCombo->findData(QVariant::fromValue(static_cast<QObject*>(current))) : 0;
    m_toolbarCombo->setCurrentIndex(std::max(0, index));
    fillContents();
}

void CustomizeDialog::fillToolbarList()
{
    const QSignalBlocker block(m_toolbarList);
    m_toolbarList->clear();
    for (QToolBar* bar : m_toolbars.all()) {
        auto* item = new QListWidgetItem(bar->windowTitle());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
        m_toolbarList->addItem(item);
    }
    updateButtons();
}

QToolBar* CustomizeDialog::currentToolbar() const
{
    return qobject_cast<QToolBar*>(m_toolbarCombo->currentData().value<QObject*>());
}

void CustomizeDialog::selectToolbar(QToolBar* bar)
{
    const int index = m_toolbarCombo->findData(QVariant::fromValue(static_cast<QObject*>(bar)));
    if (index >= 0)
        m_toolbarCombo->setCurrentIndex(index);
}

void CustomizeDialog::fillContents()
{
    const int row = m_contents->currentRow();
    m_contents->clear();
    QToolBar* bar = currentToolbar();
    if (!bar)
        return;
    for (int id : m_toolbars.commands(bar)) {
        QListWidgetItem* item = nullptr;
        if (id == ToolbarSet::kSeparator) {
            item = new QListWidgetItem(QStringLiteral("——— Separator ———"));
        } else {
            QAction* action = nullptr;
            for (const auto& c : m_categories)
                for (QAction* a : c.second)
                    if (CommandRouter::idOf(a) == id)
                        action = a;
            for (QAction* a : bar->actions())
                if (CommandRouter::idOf(a) == id)
                    action = a;
            item = new QListWidgetItem(iconOrBlank(action ? action->icon() : QIcon()),
                                       action ? plainText(action) : QString::number(id));
        }
        item->setData(kIdRole, id);
        m_contents->addItem(item);
    }
    m_contents->setCurrentRow(std::min(row, m_contents->count() - 1));
    updateButtons();
}

void CustomizeDialog::addCommand(int id)
{
    QToolBar* bar = currentToolbar();
    if (!bar)
        return;
    QList<int> ids = m_toolbars.commands(bar);
    const int at = m_contents->currentRow() >= 0 ? m_contents->currentRow() + 1 : int(ids.size());
    ids.insert(std::min<qsizetype>(at, ids.size()), id);
    m_toolbars.setCommands(bar, ids);
    fillContents();
    m_contents->setCurrentRow(std::min<int>(at, m_contents->count() - 1));
}

void CustomizeDialog::removeCommandAt(int row)
{
    QToolBar* bar = currentToolbar();
    QList<int> ids = bar ? m_toolbars.commands(bar) : QList<int>{};
    if (row < 0 || row >= ids.size())
        return;
    ids.removeAt(row);
    m_toolbars.setCommands(bar, ids);
    fillContents();
}

void CustomizeDialog::moveSelected(int delta)
{
    QToolBar* bar = currentToolbar();
    const int row = m_contents->currentRow();
    QList<int> ids = bar ? m_toolbars.commands(bar) : QList<int>{};
    if (row < 0 || row + delta < 0 || row + delta >= ids.size())
        return;
    ids.swapItemsAt(row, row + delta);
    m_toolbars.setCommands(bar, ids);
    fillContents();
    m_contents->setCurrentRow(row + delta);
}

bool CustomizeDialog::newToolbar(const QString& name)
{
    QToolBar* bar = m_toolbars.createUserToolbar(name);
    if (!bar)
        return false;
    fillToolbarList();
    fillToolbarCombo();
    selectToolbar(bar);
    return true;
}

void CustomizeDialog::updateButtons()
{
    QToolBar* bar = currentToolbar();
    m_add->setEnabled(bar && m_commandList->currentItem());
    m_remove->setEnabled(bar && m_contents->currentItem());
    m_up->setEnabled(m_contents->currentRow() > 0);
    m_down->setEnabled(m_contents->currentRow() >= 0 && m_contents->currentRow() + 1 < m_contents->count());
    m_reset->setEnabled(bar == m_toolbars.standard());
    const bool room = m_toolbars.userToolbars().size() < ToolbarSet::kMaxUserToolbars;
    m_create->setEnabled(room);
    m_create->setToolTip(room ? QString() : QStringLiteral("At most ten toolbars of your own can be made."));
    m_rename->setEnabled(m_toolbarList->currentRow() > 0 && !m_newName->text().trimmed().isEmpty());
    m_delete->setEnabled(m_toolbarList->currentRow() > 0);
    if (m_useImage) {
        const bool button = m_contents->currentItem() &&
                            m_contents->currentItem()->data(kIdRole).toInt() != ToolbarSet::kSeparator;
        m_useImage->setEnabled(button && m_images->currentItem());
        m_ownImage->setEnabled(button);
    }
}

}  // namespace vantrel
