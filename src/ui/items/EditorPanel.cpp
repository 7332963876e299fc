#include "EditorPanel.h"

#include "core/counter/Counter.h"
#include "core/items/ListEditor.h"
#include "ui/items/TextLoader.h"
#include "ui/keyboard/FocusMove.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTwips = 15;           // twips per pixel
constexpr int kWidthTwips = 9600;    // the panel at its widest
constexpr int kListRestTwips = 5040; // its left edge at rest over the item list
constexpr int kAniInterval = 10;     // ms per step of the slide

// A character of the document as the editor's rules see it: a line break is CR (its LF is the next).
QChar charAt(const QTextDocument* doc, int pos) {
    const QChar c = doc->characterAt(pos);
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? QChar(u'\r') : c;
}

// Up to four characters left of pos, a line break written CR LF.
QString charsBefore(const QTextDocument* doc, int pos) {
    QString before;
    for (int p = pos - 1; p >= 0 && before.size() < 4; --p) {
        const QChar c = charAt(doc, p);
        if (c == u'\r')
            before.prepend(QStringLiteral("\r\n"));
        else
            before.prepend(c);
    }
    return before.right(4);
}

} // namespace

EditorPanel::EditorPanel(Counter& counter, QWidget* parent, QWidget* band)
    : QFrame(parent), m_counter(counter), m_band(band) {
    const Counter& c = m_counter;
    setObjectName(QStringLiteral("frmeEdit"));
    setVisible(false);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(6);
    // The same in both languages until an editing run names what it edits.
    m_lblTitle = new QLabel(QStringLiteral("EDITANDO"), this);
    m_lblTitle->setTextFormat(Qt::PlainText);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle3"));
    column->addWidget(m_lblTitle);
    m_txtEditar = new QPlainTextEdit(this);
    m_txtEditar->setObjectName(QStringLiteral("txtEditar"));
    m_txtEditar->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    m_txtEditar->setFont(font);
    m_txtEditar->installEventFilter(this);
    m_loader = new TextLoader(m_txtEditar);
    column->addWidget(m_txtEditar, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    m_txtFindEdit = new QLineEdit(this);
    m_txtFindEdit->setObjectName(QStringLiteral("txtFindEdit"));
    m_txtFindEdit->setToolTip(c.text(Captions::TipFindEdit));
    m_txtFindEdit->installEventFilter(this);
    row->addWidget(m_txtFindEdit, 1);
    const Text captions[] = {Captions::SaveButton, Captions::SaveButton, Captions::CloseButton,
                             Captions::FindButton};
    const Text tips[] = {Captions::TipSave, Captions::TipSave, Captions::TipClose, Captions::TipFindEdit};
    for (int i : {3, 1, 2}) {
        auto* b = new LabelButton(c.text(captions[i]), this);
        b->setObjectName(QStringLiteral("lblButton%1").arg(i));
        if (i != 3) b->setToolTip(c.text(tips[i]));
        b->setAlignment(Qt::AlignCenter);
        b->setBuddy(m_txtEditar); // shows the "&" as the underlined letter
        b->setMinimumSize(84, 26);
        row->addWidget(b);
        m_lblButton[i] = b;
    }
    column->addLayout(row);

    m_tmrAni = new QTimer(this);
    m_tmrAni->setObjectName(QStringLiteral("tmrAni"));
    m_tmrAni->setInterval(kAniInterval);
    if (m_band) m_band->installEventFilter(this);
    connectCounter();
}

void EditorPanel::connectCounter() {
    Counter* c = &m_counter;
    ListEditor* e = &m_counter.editor();
    connect(m_tmrAni, &QTimer::timeout, c, &Counter::tmrAni_Timer);
    connect(e, &ListEditor::opened, this, [this] {
        m_lblTitle->setText(m_counter.editor().title());
        m_loader->load(m_counter.editor().takeText());
        place();
        show();
        raise();
        m_txtEditar->setFocus(Qt::OtherFocusReason);
        m_tmrAni->start();
    });
    connect(e, &ListEditor::moved, this, &EditorPanel::place);
    connect(e, &ListEditor::slideEnded, this, [this] {
        m_tmrAni->stop();
        if (!m_counter.editor().opening()) return;
        m_loader->finish();
        m_txtEditar->moveCursor(QTextCursor::End);
    });
    connect(e, &ListEditor::closed, this, [this] {
        m_tmrAni->stop();
        hide();
        m_txtFindEdit->clear();
        m_loader->cancel();
        m_txtEditar->clear(); // the text is dropped unsaved, as closing means
    });
    connect(e, &ListEditor::findChanged, this, [this] {
        m_lblButton[3]->setText(
            m_counter.text(m_counter.editor().findNext() ? Captions::FindNextButton : Captions::FindButton));
    });
    connect(e, &ListEditor::editorFocusWanted, this, [this] { m_txtEditar->setFocus(Qt::OtherFocusReason); });
    connect(m_lblButton[1], &LabelButton::clicked, this, &EditorPanel::save);
    connect(m_lblButton[2], &LabelButton::clicked, this, [this] {
        closeEditor();
        m_tmrAni->start();
    });
    connect(m_lblButton[3], &LabelButton::clicked, this, &EditorPanel::find);
    connect(m_txtFindEdit, &QLineEdit::textChanged, e, &ListEditor::txtFindEdit_Change);
}

// lblButton(2): the panel slides out, unsaved.
void EditorPanel::closeEditor() {
    m_counter.editor().startSlide(false);
}

void EditorPanel::place() {
    const int top = m_band ? m_band->y() : 0;
    const int height = m_band ? m_band->height() : parentWidget()->height();
    // As wide as the room right of the item list's rest place allows, at most kWidthTwips.
    const int room = parentWidget()->width() - kListRestTwips / kTwips - 8;
    const int width = std::clamp(room, 300, kWidthTwips / kTwips);
    setGeometry(m_counter.editor().left() / kTwips, top, width, height);
}

void EditorPanel::save() {
    m_loader->finish();
    m_counter.eSaveNotetoList(m_txtEditar->document()->toRawText());
}

void EditorPanel::find() {
    m_loader->finish();
    const qsizetype at = m_counter.editor().eFindText(
        m_txtEditar->document()->toRawText(), m_txtEditar->textCursor().position(), m_txtFindEdit->text());
    if (at < 0) return;
    QTextCursor cursor = m_txtEditar->textCursor();
    cursor.setPosition(int(at));
    m_txtEditar->setTextCursor(cursor);
    m_txtEditar->ensureCursorVisible();
}

bool EditorPanel::editorKeyDown(QKeyEvent* event) {
    if (event->modifiers() != Qt::ControlModifier) return false;
    switch (event->key()) {
    case Qt::Key_G:
    case Qt::Key_S:
        m_counter.saveByKey(m_txtEditar->document()->toRawText());
        return true;
    case Qt::Key_E:
        m_txtEditar->selectAll();
        return true;
    case Qt::Key_B:
    case Qt::Key_F:
        m_txtFindEdit->setFocus(Qt::ShortcutFocusReason);
        return true;
    case Qt::Key_R:
    case Qt::Key_O:
        closeEditor();
        m_tmrAni->start();
        return true;
    default:
        return false;
    }
}

bool EditorPanel::editorKeyPress(QKeyEvent* event) {
    QChar key;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter)
        key = event->modifiers() & Qt::ControlModifier ? QChar(u'\n') : QChar(u'\r');
    else if (event->text().size() == 1)
        key = event->text().front();
    if (key != u'\n' && key != u'\r' && key != u' ' && key != u'{' && key != u'}') return false;
    QTextCursor cursor = m_txtEditar->textCursor();
    const QTextDocument* doc = m_txtEditar->document();
    const ListEditor::Typed typed = m_counter.editor().txtEditar_KeyPress(
        key, charsBefore(doc, cursor.selectionStart()),
        cursor.selectionEnd() >= doc->characterCount() - 1 ? QChar() : charAt(doc, cursor.selectionEnd()));
    if (!typed.handled) return false;
    if (!typed.insert.isEmpty()) {
        QString insert = typed.insert;
        insert.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cursor.insertText(insert);
        m_txtEditar->setTextCursor(cursor);
        m_txtEditar->ensureCursorVisible();
    }
    return true;
}

bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_band && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        if (isVisible()) place();
    } else if (watched == m_txtEditar && event->type() == QEvent::KeyPress) {
        m_loader->finish(); // a key works on the whole text
        auto* key = static_cast<QKeyEvent*>(event);
        if (editorKeyDown(key) || editorKeyPress(key)) return true;
    } else if (watched == m_txtFindEdit) {
        if (event->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(event)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                find();
                return true;
            }
        } else if (event->type() == QEvent::FocusIn && isFocusMove(event)) {
            QTimer::singleShot(0, m_txtFindEdit, &QLineEdit::selectAll); // after the click places the caret
        }
    }
    return QFrame::eventFilter(watched, event);
}

void EditorPanel::applyTheme(const ThemeStyle& style) {
    setStyleSheet(style.keypad().replace(QStringLiteral("frmeNumbs"), QStringLiteral("frmeEdit")));
    m_lblTitle->setStyleSheet(style.title());
    for (int i = 1; i <= 3; ++i)
        m_lblButton[i]->setStyleSheet(style.sideButton());
}
