#pragma once
// Where the keypad's arrows lead: an order of the elements that follows the screen, left to right and
// top to bottom, given only their places. No widgets: the screens hand in rectangles.
#include <QList>

namespace sumbrel::access {

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int centreX() const { return left + width / 2; }
    int centreY() const { return top + height / 2; }
};

// The indexes of the places in reading order: places whose vertical centres lie within half the
// smaller height of each other form a row; rows top to bottom, each left to right.
QList<int> ReadingOrder(const QList<Place>& places);

enum class Move { Next, Previous, Up, Down };

// From place `from` (an index into places), the place a move leads to. Next and Previous follow the
// reading order and wrap around; Up and Down go to the row above or below, to the place nearest in
// its horizontal centre, and stay where there is no such row. -1 when there are no places; the first
// in reading order when from is -1.
int MoveFocus(const QList<Place>& places, int from, Move move);

}  // namespace sumbrel::access
