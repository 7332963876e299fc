#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;
class QTimer;

// Puts a long text into a text field without freezing the window: the first lines show at once, the
// rest follows in pieces between events. Until the whole text is in, the field is read-only, and
// finish() brings in the rest at once: call it before the text is read, searched or typed into.
class TextLoader : public QObject {
    Q_OBJECT

public:
    explicit TextLoader(QPlainTextEdit* edit);

    void load(QString text);
    void finish();
    void cancel(); // the rest is dropped (the field is being cleared)
    bool loading() const { return m_next < m_text.size(); }

private:
    void appendPiece(qsizetype end);
    void done();

    QPlainTextEdit* m_edit;
    QTimer* m_timer;
    QString m_text;
    qsizetype m_next = 0; // where the part not yet in the field starts (at its line break)
};
