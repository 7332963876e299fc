#pragma once

#include <QLabel>

// A label whose text never sizes the window: it shows as much of its text as its width holds, ending
// in "…", and asks the layout for no more room than a short caption needs. The whole text is kept in
// fullText(); only its first ShownText::kChars characters are ever measured or drawn, so a text of any
// length costs the same to show. Texts are plain, never markup.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Hides QLabel::setText: the one way to give this label its text.
    void setText(const QString& text);
    const QString& fullText() const { return m_full; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void elide();
    int widthOfChars(int count) const;

    QString m_full;
};
