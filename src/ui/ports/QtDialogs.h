#pragma once

#include "core/base/Language.h"
#include "core/base/Ports.h"

class QWidget;

// Message and input boxes of Qt, titled with the program title and owned by the main window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(const Language& language) : m_language(language) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    void message(const QString& text, Icon icon) override;
    bool question(const QString& text) override;
    std::optional<QString> input(const QString& prompt, Echo echo) override;
    void about(const QString& title, const QString& text) override;

private:
    Language m_language;
    QWidget* m_owner = nullptr;
};
