#include "app/customizedialog.h"

#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "app/toolbarset.h"
#include "ui_customizedialog.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>

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

CustomizeDialog::CustomizeDialog(ToolbarSet& toolbars,
                                 const QList<QPair<QString, QList<QAction*>>>& categories, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CustomizeDialog>()), m_toolbars(toolbars),
      m_categories(categories), m_prompter(prompter)
{
    m_ui->setupUi(this);
    for (const auto& c : m_categories)
        m_ui->category->addItem(c.first);
    const QList<QPixmap> images = m_toolbars.userImages();
    for (int i = 0; i < images.size(); ++i) {
        auto* item = new QListWidgetItem(QIcon(images[i]), QString());
        item->setData(kIdRole, i);
        m_ui->images->addItem(item);
    }
    m_ui->imageBox->setVisible(!images.isEmpty());
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::accept);

    connectCommandsPage();
    connectToolbarsPage();
    fillCommands();
    fillToolbarCombo();
    fillToolbarList();
}

CustomizeDialog::~CustomizeDialog() = default;

void CustomizeDialog::connectCommandsPage()
{
    Ui::CustomizeDialog& ui = *m_ui;
    connect(ui.category, &QComboBox::currentIndexChanged, this, &CustomizeDialog::fillCommands);
    connect(ui.toolbarCombo, &QComboBox::currentIndexChanged, this, &CustomizeDialog::fillContents);
    connect(ui.commandList, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(ui.contents, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(ui.images, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(ui.commandList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { addCommand(item->data(kIdRole).toInt()); });
    connect(ui.add, &QPushButton::clicked, this, [this] {
        if (auto* item = m_ui->commandList->currentItem())
            addCommand(item->data(kIdRole).toInt());
    });
    connect(ui.separator, &QPushButton::clicked, this, [this] { addCommand(ToolbarSet::kSeparator); });
    connect(ui.remove, &QPushButton::clicked, this,
            [this] { removeCommandAt(m_ui->contents->currentRow()); });
    connect(ui.up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(ui.down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(ui.reset, &QPushButton::clicked, this, [this] {
        m_toolbars.resetStandard();
        fillContents();
    });
    connect(ui.useImage, &QPushButton::clicked, this, [this] {
        auto* button = m_ui->contents->currentItem();
        auto* image = m_ui->images->currentItem();
        if (button && image && button->data(kIdRole).toInt() != ToolbarSet::kSeparator) {
            m_toolbars.setButtonImage(button->data(kIdRole).toInt(), image->data(kIdRole).toInt());
            fillContents();
        }
    });
    connect(ui.ownImage, &QPushButton::clicked, this, [this] {
        if (auto* button = m_ui->contents->currentItem()) {
            m_toolbars.setButtonImage(button->data(kIdRole).toInt(), -1);
            fillContents();
        }
    });
}

void CustomizeDialog::connectToolbarsPage()
{
    Ui::CustomizeDialog& ui = *m_ui;
    connect(ui.toolbarList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_ui->toolbarList->row(item);
        if (row >= 0 && row < bars.size())
            bars[row]->setVisible(item->checkState() == Qt::Checked);
    });
    connect(ui.toolbarList, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(ui.newName, &QLineEdit::textChanged, this, &CustomizeDialog::updateButtons);
    connect(ui.create, &QPushButton::clicked, this, [this] {
        newToolbar(m_ui->newName->text());
        m_ui->newName->clear();
    });
    connect(ui.rename, &QPushButton::clicked, this, [this] {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_ui->toolbarList->currentRow();
        if (row > 0 && row < bars.size() && !m_ui->newName->text().trimmed().isEmpty()) {
            m_toolbars.renameToolbar(bars[row], m_ui->newName->text());
            m_ui->newName->clear();
            fillToolbarList();
            fillToolbarCombo();
        }
    });
    connect(ui.deleteToolbar, &QPushButton::clicked, this, [this] {
        const QList<QToolBar*> bars = m_toolbars.all();
        const int row = m_ui->toolbarList->currentRow();
        if (row <= 0 || row >= bars.size())
            return;
        if (!m_prompter.question(tr("Delete the toolbar \"%1\"?").arg(bars[row]->windowTitle())))
            return;
        m_toolbars.removeUserToolbar(bars[row]);
        fillToolbarList();
        fillToolbarCombo();
    });
}

void CustomizeDialog::fillCommands()
{
    m_ui->commandList->clear();
    QList<int> seen;
    const int category = m_ui->category->currentIndex() - 1;
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
            m_ui->commandList->addItem(item);
        }
    }
    updateButtons();
}

void CustomizeDialog::fillToolbarCombo()
{
    QToolBar* current = currentToolbar();
    const QSignalBlocker block(m_ui->toolbarCombo);
    m_ui->toolbarCombo->clear();
    for (QToolBar* bar : m_toolbars.all())
        m_ui->toolbarCombo->addItem(bar->windowTitle(), QVariant::fromValue(static_cast<QObject*>(bar)));
    const int index =
        current ? m_ui->toolbarCombo->findData(QVariant::fromValue(static_cast<QObject*>(current))) : 0;
    m_ui->toolbarCombo->setCurrentIndex(std::max(0, index));
    fillContents();
}

void CustomizeDialog::fillToolbarList()
{
    const QSignalBlocker block(m_ui->toolbarList);
    m_ui->toolbarList->clear();
    for (QToolBar* bar : m_toolbars.all()) {
        auto* item = new QListWidgetItem(bar->windowTitle());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
        m_ui->toolbarList->addItem(item);
    }
    updateButtons();
}

QToolBar* CustomizeDialog::currentToolbar() const
{
    return qobject_cast<QToolBar*>(m_ui->toolbarCombo->currentData().value<QObject*>());
}

void CustomizeDialog::selectToolbar(QToolBar* bar)
{
    const int index = m_ui->toolbarCombo->findData(QVariant::fromValue(static_cast<QObject*>(bar)));
    if (index >= 0)
        m_ui->toolbarCombo->setCurrentIndex(index);
}

void CustomizeDialog::fillContents()
{
    const int row = m_ui->contents->currentRow();
    m_ui->contents->clear();
    QToolBar* bar = currentToolbar();
    if (!bar)
        return;
    for (int id : m_toolbars.commands(bar)) {
        QListWidgetItem* item = nullptr;
        if (id == ToolbarSet::kSeparator) {
            item = new QListWidgetItem(tr("——— Separator ———"));
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
        m_ui->contents->addItem(item);
    }
    m_ui->contents->setCurrentRow(std::min(row, m_ui->contents->count() - 1));
    updateButtons();
}

void CustomizeDialog::addCommand(int id)
{
    QToolBar* bar = currentToolbar();
    if (!bar)
        return;
    QList<int> ids = m_toolbars.commands(bar);
    const int at = m_ui->contents->currentRow() >= 0 ? m_ui->contents->currentRow() + 1 : int(ids.size());
    ids.insert(std::min<qsizetype>(at, ids.size()), id);
    m_toolbars.setCommands(bar, ids);
    fillContents();
    m_ui->contents->setCurrentRow(std::min<int>(at, m_ui->contents->count() - 1));
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
    const int row = m_ui->contents->currentRow();
    QList<int> ids = bar ? m_toolbars.commands(bar) : QList<int>{};
    if (row < 0 || row + delta < 0 || row + delta >= ids.size())
        return;
    ids.swapItemsAt(row, row + delta);
    m_toolbars.setCommands(bar, ids);
    fillContents();
    m_ui->contents->setCurrentRow(row + delta);
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
    m_ui->add->setEnabled(bar && m_ui->commandList->currentItem());
    m_ui->remove->setEnabled(bar && m_ui->contents->currentItem());
    m_ui->up->setEnabled(m_ui->contents->currentRow() > 0);
    m_ui->down->setEnabled(m_ui->contents->currentRow() >= 0 &&
                           m_ui->contents->currentRow() + 1 < m_ui->contents->count());
    m_ui->reset->setEnabled(bar == m_toolbars.standard());
    const bool room = m_toolbars.userToolbars().size() < ToolbarSet::kMaxUserToolbars;
    m_ui->create->setEnabled(room);
    m_ui->create->setToolTip(room ? QString() : tr("At most ten toolbars of your own can be made."));
    m_ui->rename->setEnabled(m_ui->toolbarList->currentRow() > 0 &&
                             !m_ui->newName->text().trimmed().isEmpty());
    m_ui->deleteToolbar->setEnabled(m_ui->toolbarList->currentRow() > 0);
    const bool button = m_ui->contents->currentItem() &&
        m_ui->contents->currentItem()->data(kIdRole).toInt() != ToolbarSet::kSeparator;
    m_ui->useImage->setEnabled(button && m_ui->images->currentItem());
    m_ui->ownImage->setEnabled(button);
}

}  // namespace vantrel
