#include "access/focus_order.h"

#include <algorithm>
#include <cstdlib>

namespace sumbrel::access {

namespace {

// The rows of the reading order, each a list of indexes left to right.
QList<QList<int>> Rows(const QList<Place>& places)
{
    QList<int> byTop(places.size());
    for (qsizetype i = 0; i < places.size(); ++i)
        byTop[i] = int(i);
    std::stable_sort(byTop.begin(), byTop.end(),
                     [&](int a, int b) { return places[a].centreY() < places[b].centreY(); });
    QList<QList<int>> rows;
    for (int i : byTop) {
        if (!rows.isEmpty()) {
            const Place& first = places[rows.last().front()];
            const int tolerance = std::min(first.height, places[i].height) / 2;
            if (std::abs(places[i].centreY() - first.centreY()) <= tolerance) {
                rows.last().append(i);
                continue;
            }
        }
        rows.append(QList<int>{i});
    }
    for (QList<int>& row : rows)
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) { return places[a].left < places[b].left; });
    return rows;
}

}  // namespace

QList<int> ReadingOrder(const QList<Place>& places)
{
    QList<int> order;
    for (const QList<int>& row : Rows(places))
        order += row;
    return order;
}

int MoveFocus(const QList<Place>& places, int from, Move move)
{
    if (places.isEmpty())
        return -1;
    const QList<QList<int>> rows = Rows(places);
    const QList<int> order = ReadingOrder(places);
    const qsizetype at = order.indexOf(from);
    if (at < 0)
        return order.front();
    switch (move) {
    case Move::Next:
        return order[(at + 1) % order.size()];
    case Move::Previous:
        return order[(at + order.size() - 1) % order.size()];
    case Move::Up:
    case Move::Down: {
        qsizetype row = 0;
        while (!rows[row].contains(from))
            ++row;
        const qsizetype target = move == Move::Up ? row - 1 : row + 1;
        if (target < 0 || target >= rows.size())
            return from;
        const int x = places[from].centreX();
        return *std::min_element(rows[target].begin(), rows[target].end(), [&](int a, int b) {
            return std::abs(places[a].centreX() - x) < std::abs(places[b].centreX() - x);
        });
    }
    }
    return from;
}

}  // namespace sumbrel::access
