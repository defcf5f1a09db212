#pragma once
// Small rules the screens' place tables are written with where a design repeats itself: keys in a
// row, one below another, a band across a panel, a box centred in it. Each gives exact pixels, so a
// table written with them puts every part where the hand-written numbers did.
#include <QRect>
#include <array>
#include <cstddef>

namespace sumbrel::places {

// A band over a panel's whole width.
inline QRect Across(int width, int top, int height)
{
    return QRect(0, top, width, height);
}

// Over a panel's width less the same margin on both sides.
inline QRect Inset(int width, int margin, int top, int height)
{
    return Across(width - 2 * margin, top, height).translated(margin, 0);
}

// Centred across a panel's width.
inline QRect Centred(int width, int top, QSize size)
{
    return QRect(QPoint((width - size.width()) / 2, top), size);
}

// On the same line as r, after a gap, with its own width.
inline QRect Beside(const QRect& r, int gap, int width)
{
    return QRect(r.right() + 1 + gap, r.top(), width, r.height());
}

// On the same line as r, at its own left and width.
inline QRect Along(const QRect& r, int left, int width)
{
    return QRect(left, r.top(), width, r.height());
}

// The same size as r, on its right after a gap.
inline QRect Next(const QRect& r, int gap)
{
    return Beside(r, gap, r.width());
}

// As wide as r and under it after a gap, with its own height.
inline QRect Under(const QRect& r, int gap, int height)
{
    return QRect(r.left(), r.bottom() + 1 + gap, r.width(), height);
}

// The same size as r, under it after a gap.
inline QRect Below(const QRect& r, int gap)
{
    return Under(r, gap, r.height());
}

// Halfway between the tops of two keys of the same size (rounded down the screen).
inline QRect Between(const QRect& upper, const QRect& lower)
{
    return upper.translated(0, (lower.top() - upper.top() + 1) / 2);
}

// Keys side by side from a point, each as wide as given, the same gap between them.
template <std::size_t N>
std::array<QRect, N> Row(QPoint at, int height, const int (&widths)[N], int gap)
{
    std::array<QRect, N> keys{};
    QRect key(at, QSize(0, height));
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = key = Beside(key, i == 0 ? 0 : gap, widths[i]);
    return keys;
}

// Keys one under another from a point, each as tall as given, the same gap between them.
template <std::size_t N>
std::array<QRect, N> Column(QPoint at, int width, const int (&heights)[N], int gap)
{
    std::array<QRect, N> keys{};
    QRect key(at, QSize(width, 0));
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = key = Under(key, i == 0 ? 0 : gap, heights[i]);
    return keys;
}

// Keys on one line at the lefts and widths given where their spacing is designed by hand.
template <std::size_t N>
std::array<QRect, N> RowAt(int top, int height, const int (&lefts)[N], const int (&widths)[N])
{
    std::array<QRect, N> keys{};
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = QRect(lefts[i], top, widths[i], height);
    return keys;
}

// Keys of one size in a grid, row by row, pitch apart.
template <std::size_t N>
std::array<QRect, N> Grid(const QRect& first, int columns, QSize pitch)
{
    std::array<QRect, N> keys{};
    for (std::size_t i = 0; i < N; ++i)
        keys[i] = first.translated(int(i) % columns * pitch.width(), int(i) / columns * pitch.height());
    return keys;
}

}  // namespace sumbrel::places
