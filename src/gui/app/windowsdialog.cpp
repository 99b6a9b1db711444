#include "app/windowsdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kWindowRole = Qt::UserRole + 1;

QMdiSubWindow* windowOf(const QListWidgetItem* item)
{
    return qobject_cast<QMdiSubWindow*>(item->data(kWindowRole).value<QObject*>());
}

}  // namespace

WindowsDialog::WindowsDialog(QMdiArea* area, QWidget* parent) : QDialog(parent), m_area(area)
{
    setObjectName(QStringLiteral("WindowsDialog"));
    setWindowTitle(tr("Windows"));
    m_list = new QListWidget;
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_activate = new QPushButton(tr("Activate"));
    m_close = new QPushButton(tr("Close Window(s)"));
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_activate);
    buttons->addWidget(m_close);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select window:")));
    layout->addLayout(row);
    resize(420, 300);

    connect(m_activate, &QPushButton::clicked, this, [this] {
        activateSelected();
        accept();
    });
    connect(m_close, &QPushButton::clicked, this, &WindowsDialog::closeSelected);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        activateSelected();
        accept();
    });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &WindowsDialog::updateButtons);
    fill();
}

void WindowsDialog::fill()
{
    m_list->clear();
    for (QMdiSubWindow* w : m_area->subWindowList(QMdiArea::StackingOrder)) {
        if (w->isHidden())  // closed, waiting for deletion
            continue;
        auto* item = new QListWidgetItem(w->windowIcon(), w->windowTitle());
        item->setData(kWindowRole, QVariant::fromValue(static_cast<QObject*>(w)));
        m_list->insertItem(0, item);  // the active window first
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateButtons();
}

void WindowsDialog::updateButtons()
{
    const int selected = int(m_list->selectedItems().size());
    m_activate->setEnabled(selected == 1);
    m_close->setEnabled(selected > 0);
}

void WindowsDialog::activateSelected()
{
    const QList<QListWidgetItem*> items = m_list->selectedItems();
    if (items.size() == 1)
        if (QMdiSubWindow* w = windowOf(items.first()))
            m_area->setActiveSubWindow(w);
}

void WindowsDialog::closeSelected()
{
    QList<QPointer<QMdiSubWindow>> windows;
    for (QListWidgetItem* item : m_list->selectedItems())
        windows << windowOf(item);
    for (const auto& w : windows)
        if (w)
            w->close();
    fill();
}

}  // namespace vantrel
