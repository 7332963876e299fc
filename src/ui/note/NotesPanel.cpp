#include "NotesPanel.h"

#include "core/counter/Counter.h"
#include "core/note/NoteTabs.h"
#include "core/note/Notes.h"
#include "ui/note/NoteListModel.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QStackedWidget>
#include <QVBoxLayout>

static_assert(NotesPanel::kNotes == Notes::kNotes);

namespace {
QFont monospace(int points) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(points);
    return f;
}
} // namespace

NotesPanel::NotesPanel(Counter& counter, QWidget* parent) : QWidget(parent), m_counter(counter) {
    const Counter& c = m_counter;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(2);
    for (int i = 0; i < kNotes; ++i) {
        auto* tab = new LabelButton(c.tabs().caption(i), this);
        tab->setObjectName(QStringLiteral("lblTask%1").arg(i));
        tab->setAlignment(Qt::AlignCenter);
        tab->setMinimumHeight(26);
        tab->setToolTip(i == 0 ? c.text(Captions::TipRecordTab)
                               : c.text(Captions::TipTab) + QString::number(i + 1) + u' ');
        m_lblTask[std::size_t(i)] = tab;
        tabs->addWidget(tab, 1);
    }
    column->addLayout(tabs);
    m_notes = new QStackedWidget(this);
    for (int i = 0; i < kNotes; ++i) {
        auto* list = new QListView(m_notes);
        list->setObjectName(QStringLiteral("lstNote%1").arg(i));
        list->setToolTip(i == 0 ? c.text(Captions::TipRecordNote)
                                : c.text(Captions::TipNote) + QString::number(i + 1) + u' ');
        list->setUniformItemSizes(true);
        list->setFont(monospace(9));
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        m_noteModels[std::size_t(i)] = new NoteListModel(m_counter, i, this);
        list->setModel(m_noteModels[std::size_t(i)]);
        m_lstNote[std::size_t(i)] = list;
        m_notes->addWidget(list);
    }
    column->addWidget(m_notes, 1);
    connectCounter();
}

void NotesPanel::connectCounter() {
    Counter* c = &m_counter;
    const Notes* notes = &c->notes();
    connect(&c->tabs(), &NoteTabs::changed, this, &NotesPanel::renderTabs);
    connect(notes, &Notes::changed, this, &NotesPanel::renderNote);
    connect(notes, &Notes::selectionChanged, this, &NotesPanel::renderNoteSelection);
    connect(notes, &Notes::currentChanged, this, &NotesPanel::renderCurrentNote);
    connect(c, &Counter::loaded, this, &NotesPanel::render);
    for (int i = 0; i < kNotes; ++i) {
        LabelButton* tab = m_lblTask[std::size_t(i)];
        connect(tab, &LabelButton::clicked, this, [this, i] {
            if (m_counter.tabs().enabled(i)) m_counter.lblTask_Click(i);
        });
        connect(tab, &LabelButton::pressed, this, [tab] { ThemeStyle::setPressed(tab, true); });
        connect(tab, &LabelButton::released, this, [tab] { ThemeStyle::setPressed(tab, false); });
        QListView* list = m_lstNote[std::size_t(i)];
        connect(list, &QListView::clicked, c,
                [c](const QModelIndex& index) { c->lstNote_Click(index.row()); });
        // Every move of the highlight (arrows, Page keys, Home/End, typing) reaches the counter, so
        // Delete cancels the line the cashier sees chosen.
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, c,
                [c, i](const QModelIndex& index) {
                    const Notes& shown = c->notes();
                    if (shown.current() == i && index.isValid() && index.row() != shown.at(i).selected)
                        c->lstNote_Click(index.row());
                });
        connect(list, &QListView::customContextMenuRequested, this, &NotesPanel::menuRequested);
    }
}

void NotesPanel::render() {
    renderTabs();
    for (int n = 0; n < kNotes; ++n)
        renderNote(n);
    renderCurrentNote(m_counter.notes().current());
}

void NotesPanel::renderTabs() {
    for (int i = 0; i < kNotes; ++i) {
        LabelButton* tab = m_lblTask[std::size_t(i)];
        tab->setText(m_counter.tabs().caption(i));
        tab->setEnabled(m_counter.tabs().enabled(i));
        ThemeStyle::setFront(tab, i == m_counter.notes().current());
    }
}

void NotesPanel::renderNote(int n) {
    m_noteModels[std::size_t(n)]->refresh();
    renderNoteSelection(n);
}

void NotesPanel::renderNoteSelection(int n) {
    QListView* list = m_lstNote[std::size_t(n)];
    const int selected = m_counter.notes().at(n).selected;
    if (selected >= 0) {
        const QModelIndex index = m_noteModels[std::size_t(n)]->index(selected);
        list->setCurrentIndex(index);
        list->scrollTo(index);
    } else {
        list->clearSelection();
    }
}

void NotesPanel::renderCurrentNote(int n) {
    m_notes->setCurrentIndex(n);
    renderTabs();
}

void NotesPanel::applyTheme(const ThemeStyle& style) {
    for (LabelButton* tab : m_lblTask)
        tab->setStyleSheet(style.tab());
}
