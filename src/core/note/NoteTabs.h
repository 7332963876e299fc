#pragma once

#include "core/base/Language.h"
#include "core/note/Notes.h"

#include <QObject>
#include <QString>

#include <array>

// The five tabs over the notes: their captions ("-" for a tab not offered) and which are enabled.
class NoteTabs : public QObject {
    Q_OBJECT

public:
    NoteTabs(const Language& language, Notes& notes);

    const QString& caption(int i) const { return m_captions[std::size_t(i)]; }
    bool enabled(int i) const { return m_enabled[std::size_t(i)]; }

    void setCaption(int i, const QString& text);
    // A tab is offered after every note in use and one more; the one in front moves back while its
    // tab is not offered.
    void eCheckTabs();
    // The caption of a note's tab for its total, or "-" once it is closed.
    void showTotal(int n, const QString& symbol, const QString& total);
    void close(int n);

Q_SIGNALS:
    void changed();
    void captionChanged();
    void frontWanted(int n); // the note in front moved back and is to be shown

private:
    Language m_language;
    Notes& m_notes;
    std::array<QString, Notes::kNotes> m_captions;
    std::array<bool, Notes::kNotes> m_enabled{};
};
