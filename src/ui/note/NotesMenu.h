#pragma once

#include <QMenu>

class Counter;

// The menu "Notas" (mnuGral), also the pop-up menu of the notes: cancelling an item or the whole
// operation, editing the note and the note and ticket options; on a closed sale's line of the record
// note, the reprint of that sale's ticket.
class NotesMenu : public QMenu {
    Q_OBJECT

public:
    NotesMenu(Counter& counter, QWidget* parent);
    void render();
    // The ticket of the closed sale whose line is chosen in the record note, as a copy.
    void reprintChosenSale();

private:
    Counter& m_counter;
    QAction* m_mnuDel = nullptr;
    QAction* m_mnuBack = nullptr;
    QAction* m_mnuTicket = nullptr;
    QAction* m_mnuDouble = nullptr;
    QAction* m_mnuReprint = nullptr;
    QAction* m_mnuReprintSale = nullptr;
};
