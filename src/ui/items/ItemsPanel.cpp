#include "ItemsPanel.h"

#include "core/counter/Counter.h"
#include "core/items/ItemActions.h"
#include "core/items/ItemSearch.h"
#include "ui/items/ItemListModel.h"
#include "ui/items/ItemListView.h"
#include "ui/keyboard/FocusMove.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QVBoxLayout>

ItemsPanel::ItemsPanel(Counter& counter, QWidget* parent) : QWidget(parent), m_counter(counter) {
    const Counter& c = m_counter;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* finderRow = new QHBoxLayout;
    m_lblFinder = new LabelButton(c.text(Captions::FinderCaption), this);
    m_lblFinder->setObjectName(QStringLiteral("lblFinder"));
    m_lblFinder->setToolTip(c.text(Captions::TipFinderLabel));
    m_lblFinder->setMinimumHeight(26);
    finderRow->addWidget(m_lblFinder);
    m_txtFinder = new QLineEdit(this);
    m_txtFinder->setObjectName(QStringLiteral("txtFinder"));
    m_txtFinder->setToolTip(c.text(Captions::TipFinder));
    m_txtFinder->setVisible(false);
    m_txtFinder->installEventFilter(this);
    finderRow->addWidget(m_txtFinder, 1);
    column->addLayout(finderRow);
    m_lstItem = new ItemListView(this);
    m_lstItem->setObjectName(QStringLiteral("lstItem1"));
    m_lstItem->setToolTip(c.text(Captions::TipItemList));
    m_lstItem->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstItem->setContextMenuPolicy(Qt::CustomContextMenu);
    m_itemModel = new ItemListModel(c.items(), this);
    m_lstItem->setModel(m_itemModel);
    column->addWidget(m_lstItem, 1);
    connectCounter();
}

void ItemsPanel::connectCounter() {
    Counter* c = &m_counter;
    ItemSearch* search = &c->search();
    connect(search, &ItemSearch::itemsChanged, this, &ItemsPanel::renderItems);
    connect(search, &ItemSearch::selectionChanged, this, &ItemsPanel::renderItemSelection);
    connect(search, &ItemSearch::finderChanged, this, &ItemsPanel::renderFinder);
    connect(c, &Counter::loaded, this, &ItemsPanel::render);
    connect(m_txtFinder, &QLineEdit::textEdited, search, &ItemSearch::txtFinder_Change);
    connect(&c->itemActions(), &ItemActions::linesChanged, m_itemModel, &ItemListModel::linesChanged);
    connect(m_lblFinder, &LabelButton::clicked, search, &ItemSearch::lblFinder_Click);
    connect(m_lstItem, &QListView::clicked, search,
            [search](const QModelIndex& index) { search->selectItem(index.row()); });
    connect(m_lstItem->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, search](const QModelIndex& index) {
                if (!m_rendering && index.isValid() && index.row() != search->selected())
                    search->selectItem(index.row());
            });
    connect(m_lstItem, &QListView::doubleClicked, c,
            [c](const QModelIndex& index) { c->lstItem_DblClick(index.row()); });
    connect(m_lstItem, &QListView::customContextMenuRequested, this, &ItemsPanel::menuRequested);
}

void ItemsPanel::render() {
    renderItems();
    renderFinder();
}

void ItemsPanel::renderItems() {
    {
        const QScopedValueRollback<bool> guard(m_rendering, true);
        m_itemModel->refresh();
    }
    renderItemSelection();
}

void ItemsPanel::renderItemSelection() {
    const QScopedValueRollback<bool> guard(m_rendering, true);
    const int row = m_counter.search().selected();
    if (row >= 0) {
        const QModelIndex index = m_itemModel->index(row);
        m_lstItem->setCurrentIndex(index);
        m_lstItem->scrollTo(index);
    }
}

void ItemsPanel::renderFinder() {
    const ItemSearch& search = m_counter.search();
    m_txtFinder->setVisible(search.finderVisible());
    if (m_txtFinder->text() != search.finderText()) m_txtFinder->setText(search.finderText());
}

void ItemsPanel::applyTheme(const ThemeStyle& style) {
    m_lblFinder->setStyleSheet(style.finderLabel());
}

bool ItemsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtFinder && isFocusMove(event)) {
        if (event->type() == QEvent::FocusIn)
            m_txtFinder->end(false);
        else
            m_counter.search().txtFinder_FocusOut();
    }
    return QWidget::eventFilter(watched, event);
}
