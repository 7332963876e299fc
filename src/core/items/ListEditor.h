#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>

class Boxes;
class Currency;
class ItemList;
class Shell;

// The editor panel (frmeEdit) that shows the item list or the day register as plain text: which of
// the two it shows, where it stands while it slides in and out, its search, and the typing aid that
// completes item lines while the item list is edited. The text itself lives in the panel's text
// field; the editor sees it only when it is saved or searched, and per keystroke only the few
// characters around the caret.
class ListEditor : public QObject {
    Q_OBJECT

public:
    // The panel's left edge, in twips, off-screen at the right (item list) and at the left (register).
    static constexpr int kListStart = 14880;
    static constexpr int kRegisterStart = -9720;

    ListEditor(const Language& language, ItemList& items, Currency& currency, Boxes& boxes, Shell& shell);

    bool visible() const { return m_visible; }
    bool editingList() const { return m_editingList; }
    bool opening() const { return m_opening; }
    bool sliding() const { return m_sliding; }
    bool findWrapped() const { return m_findWrapped; }
    int left() const { return m_left; }
    const QString& title() const { return m_title; }
    // The find button reads "Siguiente" after a hit, "Buscar" again once the search text changes.
    bool findNext() const { return m_findNext; }

    // The format reminder, once per run, before the item list is first edited.
    void remindFormat();
    // Fills the panel with the item list (index 1) or the register (index 0) and shows it.
    void eEdit(int index, const QStringList& lines);
    // The text that eEdit built, handed once to the panel's text field (lines joined by "\n").
    QString takeText() { return std::move(m_buffer); }
    // Starts the slide in (true) or out (false).
    void startSlide(bool opening);
    // One step of the slide; true when the panel has slid out and must be closed.
    bool tmrAni_Timer();
    void eCloseEdit();

    // The lines of an edited text: pieces between line breaks (CR LF, a lone CR or LF, and the
    // paragraph and line separators of a text field), empty pieces included; an empty text has none.
    static QStringList splitLines(QStringView text);
    // Replaces the item list by the edited lines (both lists; an empty list shows "No hay elementos.").
    void storeList(QStringList lines);
    void saySaved();

    // The search of the panel over its text, from the caret. -1 when nothing is to be selected.
    qsizetype eFindText(QStringView text, qsizetype caret, QStringView query);
    void txtFindEdit_Change();

    // What one typed character becomes. before holds the characters left of the caret (up to four,
    // line breaks as CR LF), after the character right of it (a null QChar at the end of the text,
    // CR at a line break).
    struct Typed {
        bool handled = false; // false: the key is typed as it is
        QString insert;       // typed at the caret instead of the key (line breaks as CR LF)
        bool beep = false;
    };
    static Typed aid(QChar key, QStringView before, QChar after, const QString& symbol);
    // The aid while the item list is edited (beeping where it says so); the key as it is otherwise.
    Typed txtEditar_KeyPress(QChar key, QStringView before, QChar after);

Q_SIGNALS:
    void opened();      // the panel shows with a new text
    void moved();       // the panel's left edge changed
    void slideEnded();  // the panel came to rest (open: the caret goes to the end of the text)
    void closed();      // the panel was hidden
    void findChanged(); // the find button's caption
    void editorFocusWanted();

private:
    Language m_language;
    ItemList& m_items;
    Currency& m_currency;
    Boxes& m_boxes;
    Shell& m_shell;
    QString m_buffer;
    QString m_title;
    int m_left = kListStart;
    bool m_visible = false;
    bool m_editingList = false;
    bool m_opening = false;
    bool m_sliding = false;
    bool m_findWrapped = false;
    bool m_formatShown = false;
    bool m_findNext = false;
};
