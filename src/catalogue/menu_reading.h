#pragma once
// The pieces shared by the catalogue's readers (the answer, its option groups, the record store):
// the tag positions and the inline searches over UTF-16 text. Private to src/catalogue.
#include "catalogue/menu_catalogue.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sumbrel::reading {

inline constexpr char16_t kMark = 0x25C8;  // ◈
inline constexpr char16_t kMarkSafe = 0x25C7;  // ◇

inline constexpr int kTagNum = MenuTagIndex("num");
inline constexpr int kTagTitle = MenuTagIndex("title");
inline constexpr int kTagPrice = MenuTagIndex("price");
inline constexpr int kTagCategory = MenuTagIndex("category");
inline constexpr int kTagInfotext1 = MenuTagIndex("infotext1");
inline constexpr int kTagInfotext2 = MenuTagIndex("infotext2");
inline constexpr int kTagAdd1 = MenuTagIndex("add1");
inline constexpr int kTagAdd5 = MenuTagIndex("add5");
inline constexpr int kTagPrinttext = MenuTagIndex("printtext");
static_assert(kTagAdd5 - kTagAdd1 == kOptionGroups - 1, "add1..add5 stand together");

constexpr bool IsTyped(int t)
{
    return t == kTagNum || t == kTagTitle || t == kTagPrice || t == kTagCategory || t == kTagInfotext1
        || t == kTagInfotext2 || (t >= kTagAdd1 && t <= kTagAdd5);
}
// Where each tag's value stands among the carried ones, -1 for a typed tag.
inline constexpr std::array<int, kMenuTags> kCarriedSlot = [] {
    std::array<int, kMenuTags> slots{};
    int next = 0;
    for (int t = 0; t < kMenuTags; ++t)
        slots[size_t(t)] = IsTyped(t) ? -1 : next++;
    return slots;
}();
static_assert(kCarriedSlot[kMenuTags - 1] == CarriedValues::kCount - 1 || IsTyped(kMenuTags - 1));

// Inline: the names compared are a few chars, shorter than a library call's setup.
inline bool sameChars(const char16_t* a, QStringView b)
{
    const char16_t* p = b.utf16();
    for (qsizetype i = 0; i < b.size(); ++i)
        if (a[i] != p[i])
            return false;
    return true;
}

// First index from `i` on whose char is a, b or c, or n. The searches inside a record are short and
// many: an inline scan, eight chars at a time where SSE2 is there, beats a library call per search.
inline qsizetype scanFor(const char16_t* p, qsizetype i, qsizetype n, char16_t a, char16_t b, char16_t c)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi16(short(a));
    const __m128i vb = _mm_set1_epi16(short(b));
    const __m128i vc = _mm_set1_epi16(short(c));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)),
                                         _mm_cmpeq_epi16(v, vc));
        if (const int m = _mm_movemask_epi8(hit))
            return i + (__builtin_ctz(unsigned(m)) >> 1);
    }
#endif
    for (; i < n; ++i)
        if (p[i] == a || p[i] == b || p[i] == c)
            return i;
    return n;
}
inline qsizetype scanFor(const char16_t* p, qsizetype i, qsizetype n, char16_t a, char16_t b)
{
    return scanFor(p, i, n, a, b, b);
}

inline qsizetype findChar(QStringView text, char16_t c, qsizetype from = 0)
{
    const qsizetype at = scanFor(text.utf16(), from, text.size(), c, c);
    return at < text.size() ? at : -1;
}

// First occurrence of needle in text from `from` on, or -1.
inline qsizetype find(QStringView text, QStringView needle, qsizetype from = 0)
{
    const char16_t first = needle.utf16()[0];
    const QStringView rest = needle.mid(1);
    const qsizetype last = text.size() - needle.size();
    const char16_t* p = text.utf16();
    for (qsizetype i = from; i <= last; ++i) {
        i = scanFor(p, i, last + 1, first, first);
        if (i > last)
            return -1;
        if (sameChars(p + i + 1, rest))
            return i;
    }
    return -1;
}

// Every escape form holds "!" or "플"; most texts hold neither and need no decoding passes.
inline bool needsDecoding(QStringView text)
{
    return scanFor(text.utf16(), 0, text.size(), u'!', u'플') < text.size();
}

// UnescapeField of the view, in one text of its own.
QString DecodeView(QStringView value);

// ReadOptionGroupValue, told whether the value may hold a "◈".
OptionGroupSlot ReadOptionGroup(QStringView raw, int slot, bool marked);

}  // namespace sumbrel::reading
