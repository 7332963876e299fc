#pragma once

#include <QMenu>

class Counter;

// The menu "Notas" (mnuGral), also the pop-up menu of the notes: cancelling an item or the whole
// operation, editing the note and the note and ticket options.
class NotesMenu : public QMenu {
    Q_OBJECT

public:
    NotesMenu(Counter& counter, QWidget* parent);
    void render();

private:
    Counter& m_counter;
    QAction* m_mnuDel = nullptr;
    QAction* m_mnuBack = nullptr;
    QAction* m_mnuTicket = nullptr;
    QAction* m_mnuDouble = nullptr;
    QAction* m_mnuReprint = nullptr;
};
