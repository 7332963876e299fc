#pragma once

#include <QWidget>

#include <array>

class Counter;
class LabelButton;
class NoteListModel;
class QListView;
class QStackedWidget;
class ThemeStyle;

// The five note tabs lblTask(0..4) above the five notes lstNote(0..4), of which the one in front shows.
class NotesPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kNotes = 5;

    NotesPanel(Counter& counter, QWidget* parent);

    QListView* note(int n) const { return m_lstNote[std::size_t(n)]; }
    void applyTheme(const ThemeStyle& style);
    void render();

Q_SIGNALS:
    // The cashier asked for the notes' menu (right button on a note).
    void menuRequested();

private:
    void connectCounter();
    void renderTabs();
    void renderNote(int n);
    void renderNoteSelection(int n);
    void renderCurrentNote(int n);

    Counter& m_counter;
    std::array<LabelButton*, kNotes> m_lblTask{};
    QStackedWidget* m_notes = nullptr;
    std::array<QListView*, kNotes> m_lstNote{};
    std::array<NoteListModel*, kNotes> m_noteModels{};
};
