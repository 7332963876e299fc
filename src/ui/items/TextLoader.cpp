#include "TextLoader.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// A field fills its first screens in a few milliseconds with this many lines; each later piece
// keeps the window's slide and painting going between pieces.
constexpr int kFirstLines = 1000;
constexpr int kPieceLines = 2000;

// The line break that ends `lines` lines after `from` (the text's start, or the line break before
// the next line), or the text's end.
qsizetype afterLines(const QString& text, qsizetype from, int lines) {
    qsizetype at = from == 0 ? -1 : from;
    for (int i = 0; i < lines; ++i) {
        at = text.indexOf(u'\n', at + 1);
        if (at < 0) return text.size();
    }
    return at;
}

} // namespace

TextLoader::TextLoader(QPlainTextEdit* edit) : QObject(edit), m_edit(edit), m_timer(new QTimer(this)) {
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, [this] {
        appendPiece(afterLines(m_text, m_next, kPieceLines));
        if (!loading()) done();
    });
}

void TextLoader::load(QString text) {
    cancel();
    m_text = std::move(text);
    m_next = afterLines(m_text, 0, kFirstLines);
    m_edit->setPlainText(m_next == m_text.size() ? m_text : m_text.left(m_next));
    if (!loading()) {
        m_text.clear();
        m_next = 0;
        return;
    }
    m_edit->setReadOnly(true);
    m_edit->document()->setUndoRedoEnabled(false);
    m_timer->start();
}

void TextLoader::appendPiece(qsizetype end) {
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(m_text).sliced(m_next, end - m_next).toString());
    m_next = end;
}

void TextLoader::finish() {
    if (!loading()) return;
    appendPiece(m_text.size());
    done();
}

void TextLoader::cancel() {
    if (!loading()) return;
    m_text.clear();
    m_next = 0;
    done();
}

void TextLoader::done() {
    m_timer->stop();
    m_text.clear();
    m_next = 0;
    m_edit->document()->setUndoRedoEnabled(true);
    m_edit->setReadOnly(false);
}
