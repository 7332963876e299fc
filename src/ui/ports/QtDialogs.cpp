#include "QtDialogs.h"

#include "core/shop/AppTexts.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

void QtDialogs::message(const QString& text, Icon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case Icon::Warning:
        qtIcon = QMessageBox::Warning;
        break;
    case Icon::Error:
        qtIcon = QMessageBox::Critical;
        break;
    case Icon::None:
        break;
    }
    QMessageBox box(qtIcon, m_language(AppTexts::ProgramTitle), text, QMessageBox::Ok, m_owner);
    box.setTextFormat(Qt::PlainText); // the shop's data are never read as markup
    box.exec();
}

bool QtDialogs::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, m_language(AppTexts::ProgramTitle), text,
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::input(const QString& prompt, Echo echo) {
    QInputDialog box(m_owner);
    box.setWindowTitle(m_language(AppTexts::ProgramTitle));
    box.setLabelText(prompt);
    box.setTextEchoMode(echo == Echo::Masked ? QLineEdit::Password : QLineEdit::Normal);
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

void QtDialogs::about(const QString& title, const QString& text) {
    QMessageBox::about(m_owner, title, text);
}
