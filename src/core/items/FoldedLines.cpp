#include "FoldedLines.h"

#include "core/base/LargePages.h"
#include "core/base/Parallel.h"
#include "core/items/Folding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// Ends every folded line in the text. UTF-8 never holds this byte, so no word can run from one line
// into the next, whatever the lines hold (a line may hold a line feed).
constexpr char kEndOfLine = '\xFF';

// Below this much folded text a list is searched, or folded, on one thread: waking another costs
// more than it saves.
constexpr qsizetype kBytesPerPart = qsizetype(1) << 20;
constexpr qsizetype kLinesPerPart = 16384;

// A folded word of the search, never empty, with its first and last byte at hand: the scan tests
// those two at every position.
struct Word {
    const char* bytes;
    std::size_t size;
    char first;
    char last;

    explicit Word(const QByteArray& word)
        : bytes(word.constData()), size(std::size_t(word.size())), first(bytes[0]), last(bytes[size - 1]) {}
};

// Whether the bytes of the word between its first and its last match at `at` (those two already
// do). A plain loop: the word is a few typed characters, and a call would cost the scan its registers.
[[gnu::always_inline]] inline bool middleMatches(const char* at, Word word) {
    for (std::size_t k = 1; k + 1 < word.size; ++k)
        if (at[k] != word.bytes[k]) return false;
    return true;
}

// The start positions in the 64 bytes from p where the first and the last byte of the word both
// match, one bit each: the word's other bytes are compared only there. The word's last byte at the
// last position must lie within the text.
#if defined(__x86_64__)
struct Sse2Lanes {
    static std::uint64_t candidates(const char* p, Word word) {
        const __m128i first = _mm_set1_epi8(word.first);
        const __m128i last = _mm_set1_epi8(word.last);
        const char* q = p + word.size - 1;
        std::uint64_t mask = 0;
        for (int k = 0; k < 64; k += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + k));
            mask |= std::uint64_t(unsigned(
                        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last)))))
                    << k;
        }
        return mask;
    }
};

struct Avx2Lanes {
    [[gnu::target("avx2")]] static std::uint64_t candidates(const char* p, Word word) {
        const __m256i first = _mm256_set1_epi8(word.first);
        const __m256i last = _mm256_set1_epi8(word.last);
        const char* q = p + word.size - 1;
        const __m256i a0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
        const __m256i a1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
        const __m256i b1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 32));
        const __m256i m0 = _mm256_and_si256(_mm256_cmpeq_epi8(a0, first), _mm256_cmpeq_epi8(b0, last));
        const __m256i m1 = _mm256_and_si256(_mm256_cmpeq_epi8(a1, first), _mm256_cmpeq_epi8(b1, last));
        return std::uint64_t(unsigned(_mm256_movemask_epi8(m0))) |
               std::uint64_t(unsigned(_mm256_movemask_epi8(m1))) << 32;
    }
};
#else
struct PlainLanes {
    static std::uint64_t candidates(const char* p, Word word) {
        std::uint64_t mask = 0;
        for (int k = 0; k < 64; ++k)
            if (p[k] == word.first && p[k + word.size - 1] == word.last) mask |= std::uint64_t(1) << k;
        return mask;
    }
};
#endif

// The first occurrence of the word in [p, end), or nullptr.
template <typename Lanes>
[[gnu::always_inline]] inline const char* findWord(const char* p, const char* end, Word word) {
    if (std::size_t(end - p) < word.size) return nullptr;
    const char* stop = end - word.size + 1; // a hit starts before stop
    for (; stop - p >= 64; p += 64) {
        for (std::uint64_t mask = Lanes::candidates(p, word); mask != 0; mask &= mask - 1) {
            const char* at = p + __builtin_ctzll(mask);
            if (middleMatches(at, word)) return at;
        }
    }
    for (; p < stop; ++p)
        if (*p == word.first && p[word.size - 1] == word.last && middleMatches(p, word)) return p;
    return nullptr;
}

// The folded text and where its lines start, as FoldedLines keeps them.
struct Text {
    const char* base;
    const char* end;
    const qsizetype* starts; // lineCount + 1 entries
    std::size_t lineCount;

    // The line that holds the byte at offset, at or after the given line: near lines are walked to,
    // far ones looked up.
    std::size_t lineOf(qsizetype offset, std::size_t line) const {
        const std::size_t near = std::min(line + 16, lineCount);
        for (; line < near; ++line)
            if (starts[line + 1] > offset) return line;
        return std::size_t(std::upper_bound(starts + line + 1, starts + lineCount + 1, offset) - starts) - 1;
    }
    const char* lineStart(std::size_t line) const { return base + starts[line]; }
    const char* lineEnd(std::size_t line) const { return base + starts[line + 1] - 1; } // its end mark
};

// Whether every other word occurs in the line.
template <typename Lanes>
[[gnu::always_inline]] inline bool othersIn(const Text& text, const std::vector<Word>& others,
                                            std::size_t line) {
    for (const Word& other : others)
        if (!findWord<Lanes>(text.lineStart(line), text.lineEnd(line), other)) return false;
    return true;
}

// Writes every line that holds all the words to out, in order, and returns the end of what it wrote.
// The longest word drives the scan over the whole text, 64 start positions at a time; after a hit the
// scan goes on at the next line, in the same block when the line ends there. The other words are
// looked for only inside the lines that hold the longest.
template <typename Lanes>
[[gnu::always_inline]] inline int* searchWith(const Text& text, const std::vector<Word>& words, int* out) {
    const auto longest = std::max_element(words.begin(), words.end(),
                                          [](const Word& a, const Word& b) { return a.size < b.size; });
    const Word scan = *longest;
    std::vector<Word> others(words.begin(), longest);
    others.insert(others.end(), longest + 1, words.end());

    const char* base = text.base;
    const char* p = text.lineStart(0);
    std::size_t line = 0; // the line p is in, or one before it
    if (scan.size <= 2) {
        // A word of one or two bytes is in most lines, so the lines are taken one by one, the first
        // 64 bytes of each at once, with no branch on what they hold: a branch that goes one way
        // half the time costs more than the test.
        const bool alone = others.empty();
        for (; line < text.lineCount && text.end - text.lineStart(line) > 64; ++line) {
            const char* start = text.lineStart(line);
            const qsizetype length = text.starts[line + 1] - text.starts[line] - 1;
            const std::uint64_t inLine = length >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << length) - 1;
            bool hit = (Lanes::candidates(start, scan) & inLine) != 0;
            if (length > 64 && !hit) hit = findWord<Lanes>(start + 64, text.lineEnd(line), scan) != nullptr;
            if (!alone && hit) hit = othersIn<Lanes>(text, others, line);
            *out = int(line);
            out += hit;
        }
        p = line < text.lineCount ? text.lineStart(line) : text.end;
    } else if (std::size_t(text.end - base) >= scan.size + 63) {
        const char* last = text.end - scan.size - 63; // a block's last candidate ends in the text
        for (; p <= last; p += 64) {
            std::uint64_t candidates = Lanes::candidates(p, scan);
            if (candidates == 0) continue;
            do {
                const char* at = p + __builtin_ctzll(candidates);
                candidates &= candidates - 1;
                if (!middleMatches(at, scan)) continue;
                line = text.lineOf(at - base, line);
                if (others.empty() || othersIn<Lanes>(text, others, line)) *out++ = int(line);
                const char* nextLine = text.lineStart(++line);
                if (nextLine - p >= 64) {
                    p = nextLine - 64; // the loop steps to the next line
                    break;
                }
                candidates &= ~std::uint64_t(0) << (nextLine - p);
            } while (candidates != 0);
        }
    }
    // The last bytes, too few for a block: hit by hit.
    while (p < text.end) {
        const char* at = findWord<Lanes>(p, text.end, scan);
        if (!at) break;
        line = text.lineOf(at - base, line);
        if (others.empty() || othersIn<Lanes>(text, others, line)) *out++ = int(line);
        p = text.lineEnd(line++) + 1;
    }
    return out;
}

template <typename Lanes>
[[gnu::always_inline]] inline int findFromWith(const Text& text, Word word, std::size_t line) {
    const char* at = findWord<Lanes>(text.lineStart(line), text.end, word);
    return at ? int(text.lineOf(at - text.base, line)) : -1;
}

#if defined(__x86_64__)
// Compiled twice, for the processors with 32-byte registers and for all others.
[[gnu::target("avx2,popcnt,bmi"), gnu::flatten]] int* searchAvx2(const Text& text,
                                                                 const std::vector<Word>& words, int* out) {
    return searchWith<Avx2Lanes>(text, words, out);
}
[[gnu::target("avx2,popcnt,bmi"), gnu::flatten]] int findFromAvx2(const Text& text, Word word,
                                                                  std::size_t line) {
    return findFromWith<Avx2Lanes>(text, word, line);
}
[[gnu::flatten]] int* searchSse2(const Text& text, const std::vector<Word>& words, int* out) {
    return searchWith<Sse2Lanes>(text, words, out);
}
[[gnu::flatten]] int findFromSse2(const Text& text, Word word, std::size_t line) {
    return findFromWith<Sse2Lanes>(text, word, line);
}
const bool kAvx2 =
    __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi");
#endif

} // namespace

namespace {

// Folds the lines [first, last) into text, each followed by the end mark, and notes in starts where
// each begins. One buffer for them all, sized for text that is mostly one byte a character and grown
// in the rare case that it is not; each line gets room for its worst case before it is written.
void foldRun(const QStringList& lines, qsizetype first, qsizetype last, QByteArray& text,
             std::vector<qsizetype>& starts) {
    qsizetype units = 0;
    for (qsizetype i = first; i < last; ++i)
        units += lines[i].size() + 1;
    text.resize(units + units / 8 + 64);
    LargePages::prefer(text.data(), text.size());
    starts.reserve(std::size_t(last - first) + 1);
    qsizetype used = 0;
    for (qsizetype i = first; i < last; ++i) {
        const QString& line = lines[i];
        const qsizetype room = 3 * line.size() + 1;
        if (text.size() - used < room) text.resize(std::max(2 * text.size(), used + room));
        starts.push_back(used);
        char* end = Folding::writeUtf8(line, text.data() + used);
        *end++ = kEndOfLine;
        used = end - text.constData();
    }
    text.truncate(used);
}

} // namespace

void FoldedLines::assign(const QStringList& lines) {
    // A long list is folded in runs side by side, then the runs are put one after the other.
    const int parts = Parallel::partsFor(lines.size(), kLinesPerPart);
    std::vector<QByteArray> texts{std::size_t(parts)};
    std::vector<std::vector<qsizetype>> starts{std::size_t(parts)};
    Parallel::run(parts, [&](int part) {
        const auto k = std::size_t(part);
        foldRun(lines, lines.size() * part / parts, lines.size() * (part + 1) / parts, texts[k], starts[k]);
    });
    m_text = std::move(texts[0]);
    m_starts = std::move(starts[0]);
    qsizetype total = 0;
    for (const QByteArray& text : texts)
        total += text.size();
    m_text.reserve(total);
    m_starts.reserve(std::size_t(lines.size()) + 1);
    for (std::size_t k = 1; k < texts.size(); ++k) {
        const qsizetype offset = m_text.size();
        m_text.append(texts[k]);
        for (const qsizetype start : starts[k])
            m_starts.push_back(offset + start);
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
    folded.append(kEndOfLine);
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
            text.append(kEndOfLine);
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
    const int count = size();
    hits.resize(std::size_t(count));
    if (words.empty()) {
        for (int i = 0; i < count; ++i)
            hits[std::size_t(i)] = i;
        return;
    }
    const std::vector<Word> folded(words.begin(), words.end());
    // A long list is cut into runs of lines searched side by side; each run writes its hits from
    // its own first line on (it has no more hits than lines), and the runs are then closed up.
    const int parts = Parallel::partsFor(m_text.size(), kBytesPerPart);
    std::vector<std::pair<int, int>> found{std::size_t(parts)}; // each run's first line and hit count
    Parallel::run(parts, [&](int part) {
        const std::size_t first = std::size_t(count) * std::size_t(part) / std::size_t(parts);
        const std::size_t last = std::size_t(count) * std::size_t(part + 1) / std::size_t(parts);
        const Text text{m_text.constData(), m_text.constData() + m_starts[last], m_starts.data() + first,
                        last - first};
        int* out = hits.data() + first;
#if defined(__x86_64__)
        const int* end = kAvx2 ? searchAvx2(text, folded, out) : searchSse2(text, folded, out);
#else
        const int* end = searchWith<PlainLanes>(text, folded, out);
#endif
        found[std::size_t(part)] = {int(first), int(end - out)};
    });
    int* to = hits.data();
    for (const auto& [first, hitCount] : found) {
        const int* from = hits.data() + first;
        for (int k = 0; k < hitCount; ++k)
            to[k] = from[k] + first;
        to += hitCount;
    }
    hits.resize(std::size_t(to - hits.data()));
}

int FoldedLines::findFrom(const QByteArray& word, int fromLine) const {
    if (fromLine < 0 || fromLine >= size()) return -1;
    if (word.isEmpty()) return fromLine;
    const Text text{m_text.constData(), m_text.constData() + m_text.size(), m_starts.data(),
                    std::size_t(size())};
    const Word w(word);
#if defined(__x86_64__)
    return kAvx2 ? findFromAvx2(text, w, std::size_t(fromLine))
                 : findFromSse2(text, w, std::size_t(fromLine));
#else
    return findFromWith<PlainLanes>(text, w, std::size_t(fromLine));
#endif
}
