#include "QtDialogs.h"

#include "core/shop/AppTexts.h"

#include <QInputDialog>
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
    box.exec();
}

bool QtDialogs::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, m_language(AppTexts::ProgramTitle), text,
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::input(const QString& prompt, Echo echo) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_owner, m_language(AppTexts::ProgramTitle), prompt,
                              echo == Echo::Masked ? QLineEdit::Password : QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return answer;
}

void QtDialogs::about(const QString& title, const QString& text) {
    QMessageBox::about(m_owner, title, text);
}
