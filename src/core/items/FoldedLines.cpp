#include "FoldedLines.h"

#include "core/items/Folding.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The first occurrence of the needle in [p, end), or nullptr.
const char* findBytes(const char* p, const char* end, const QByteArray& needle) {
    const auto m = std::size_t(needle.size());
    const char* n = needle.constData();
    if (m == 0) return p;
    if (std::size_t(end - p) < m) return nullptr;
    if (m == 1) return static_cast<const char*>(std::memchr(p, n[0], std::size_t(end - p)));
    const char* stop = end - m + 1; // a hit starts before stop
#if defined(__SSE2__)
    // Sixteen start positions at a time: only those where the first and the last byte of the needle
    // both match are compared in full.
    const __m128i first = _mm_set1_epi8(n[0]);
    const __m128i last = _mm_set1_epi8(n[m - 1]);
    for (; stop - p >= 16; p += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m - 1));
        auto mask =
            unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const int bit = __builtin_ctz(mask);
            if (std::memcmp(p + bit + 1, n + 1, m - 2) == 0) return p + bit;
            mask &= mask - 1;
        }
    }
#endif
    for (; p < stop; ++p) {
        p = static_cast<const char*>(std::memchr(p, n[0], std::size_t(stop - p)));
        if (!p) return nullptr;
        if (std::memcmp(p + 1, n + 1, m - 1) == 0) return p;
    }
    return nullptr;
}

} // namespace

void FoldedLines::assign(const QStringList& lines) {
    m_text.clear();
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 1;
    m_text.reserve(size + size / 8);
    m_starts.clear();
    m_starts.reserve(std::size_t(lines.size()) + 1);
    for (const QString& line : lines) {
        m_starts.push_back(m_text.size());
        Folding::appendUtf8(line, m_text);
        m_text.append('\n');
    }
    m_starts.push_back(m_text.size());
}

QByteArray FoldedLines::line(int index) const {
    const auto i = std::size_t(index);
    return m_text.mid(m_starts[i], m_starts[i + 1] - m_starts[i] - 1);
}

void FoldedLines::replaceOne(int index, QStringView line) {
    QByteArray folded;
    folded.reserve(line.size() + 1);
    Folding::appendUtf8(line, folded);
    folded.append('\n');
    const auto i = std::size_t(index);
    const qsizetype oldSize = m_starts[i + 1] - m_starts[i];
    const qsizetype delta = folded.size() - oldSize;
    if (delta == 0) {
        std::memcpy(m_text.data() + m_starts[i], folded.constData(), std::size_t(folded.size()));
        return;
    }
    m_text.replace(m_starts[i], oldSize, folded);
    for (std::size_t k = i + 1; k < m_starts.size(); ++k)
        m_starts[k] += delta;
}

void FoldedLines::update(const QStringList& lines, const std::vector<int>& changed) {
    if (lines.size() != size()) {
        assign(lines);
        return;
    }
    // A few lines are patched in place; many are better served by one pass that copies the folded
    // bytes of the unchanged lines and folds only the changed ones.
    if (changed.size() <= 16) {
        for (const int index : changed)
            replaceOne(index, lines[index]);
        return;
    }
    QByteArray text;
    text.reserve(m_text.size() + m_text.size() / 8);
    std::vector<qsizetype> starts;
    starts.reserve(m_starts.size());
    auto next = changed.begin();
    for (int i = 0; i < size(); ++i) {
        starts.push_back(text.size());
        if (next != changed.end() && *next == i) {
            Folding::appendUtf8(lines[i], text);
            text.append('\n');
            while (next != changed.end() && *next == i)
                ++next;
        } else {
            const auto k = std::size_t(i);
            text.append(m_text.constData() + m_starts[k], m_starts[k + 1] - m_starts[k]);
        }
    }
    starts.push_back(text.size());
    m_text = std::move(text);
    m_starts = std::move(starts);
}

std::vector<QByteArray> FoldedLines::words(QStringView query) {
    QByteArray folded;
    Folding::appendUtf8(query, folded);
    std::vector<QByteArray> out;
    for (const QByteArray& word : folded.split(' '))
        if (!word.isEmpty()) out.push_back(word);
    return out;
}

void FoldedLines::search(const std::vector<QByteArray>& words, std::vector<int>& hits) const {
    hits.clear();
    const int count = size();
    if (words.empty()) {
        hits.resize(std::size_t(count));
        for (int i = 0; i < count; ++i)
            hits[std::size_t(i)] = i;
        return;
    }
    // The longest word drives the scan over the whole text; the others are looked for only inside
    // the lines that hold it.
    const auto scan =
        std::max_element(words.begin(), words.end(),
                         [](const QByteArray& a, const QByteArray& b) { return a.size() < b.size(); });
    const char* base = m_text.constData();
    const char* end = base + m_text.size();
    const char* p = base;
    std::size_t line = 0;
    while (p < end) {
        const char* hit = findBytes(p, end, *scan);
        if (!hit) break;
        const qsizetype at = hit - base;
        while (m_starts[line + 1] <= at)
            ++line;
        const qsizetype lineEnd = m_starts[line + 1] - 1; // the "\n" after the line
        if (at + scan->size() > lineEnd) { // runs into the next line: a search text holding a line feed
            p = hit + 1;
            continue;
        }
        bool all = true;
        for (auto w = words.begin(); all && w != words.end(); ++w)
            if (w != scan) all = findBytes(base + m_starts[line], base + lineEnd, *w) != nullptr;
        if (all) hits.push_back(int(line));
        ++line;
        p = base + m_starts[line];
    }
}

int FoldedLines::findFrom(const QByteArray& word, int fromLine) const {
    if (fromLine < 0 || fromLine >= size()) return -1;
    const char* base = m_text.constData();
    const char* end = base + m_text.size();
    auto line = std::size_t(fromLine);
    const char* p = base + m_starts[line];
    while (p < end) {
        const char* hit = findBytes(p, end, word);
        if (!hit) return -1;
        const qsizetype at = hit - base;
        while (m_starts[line + 1] <= at)
            ++line;
        if (at + word.size() < m_starts[line + 1]) return int(line);
        p = hit + 1;
    }
    return -1;
}
