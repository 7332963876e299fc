#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <vector>

// The folded copy of every item line (see Folding), kept in one buffer so that a search scans plain
// bytes from the first line to the last. A line is folded again only when it changes.
class FoldedLines {
public:
    // Folds every line anew.
    void assign(const QStringList& lines);
    // Lines at the given indexes (ascending) changed in the list; only those are folded again.
    void update(const QStringList& lines, const std::vector<int>& changed);
    int size() const { return int(m_starts.size()) - 1; }
    QByteArray line(int index) const;

    // The search text as folded words: split at every blank, empty words (which occur in any line)
    // left out.
    static std::vector<QByteArray> words(QStringView query);

    // Replaces hits by every line in which each word occurs somewhere, in list order. With no words every
    // line is a hit. Every line is tested; there is no index that could miss one.
    void search(const std::vector<QByteArray>& words, std::vector<int>& hits) const;

    // The first line, from the given one on, whose folded text holds the folded word; -1 when none does.
    int findFrom(const QByteArray& word, int fromLine) const;

private:
    void replaceOne(int index, QStringView line);

    QByteArray m_text;                  // every folded line followed by an end mark (byte FF)
    std::vector<qsizetype> m_starts{0}; // where each line starts, then the end of the text
};
