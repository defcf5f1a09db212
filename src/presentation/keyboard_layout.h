#pragma once
// The rules of the on-screen keyboard of the operator's fields, without widgets: its two pages of
// keys, what each key types under shift and caps, the key events a physical keyboard would send for
// a character, the arrows' way over the keys, and where the keyboard goes so that it never covers
// the field it types into.
#include <QChar>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

namespace sumbrel::osk {

enum class Page { Letters, Symbols };

enum class KeyKind { Character, Space, Shift, Caps, ToSymbols, ToLetters, Delete, Enter, Close };

struct KeyDef {
    KeyKind kind;
    QChar character;  // a Character key's, in lower case for a letter
    double units;  // width in key units; every row is kUnitsPerRow wide
};
using KeyRow = QList<KeyDef>;

constexpr int kRows = 5;
constexpr double kUnitsPerRow = 10.0;

// The rows of a page, top to bottom.
const QList<KeyRow>& Rows(Page page);

// What a key shows, which is also its name to a screen reader; letters in upper case when upper.
QString Caption(const KeyDef& key, bool upper);

// What a touch of a key asks of the field or of the keyboard.
struct Action {
    enum What { None, Type, Erase, Submit, Close } what = None;
    QChar character;  // for Type
};

// Shift (for the next letter), caps (until touched again) and the page shown.
class KeyboardState {
public:
    Action press(const KeyDef& key);
    Page page() const { return m_page; }
    bool shift() const { return m_shift; }
    bool caps() const { return m_caps; }
    // Letters are typed and shown in upper case.
    bool upper() const { return m_shift != m_caps; }
    // A newly opened keyboard: small letters, first page.
    void reset();

private:
    Page m_page = Page::Letters;
    bool m_shift = false;
    bool m_caps = false;
};

// The key press a physical keyboard gives for a character: its key code, modifiers and text.
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
KeyStroke StrokeFor(QChar character);

// A key by its row and its place in the row.
struct Cell {
    int row = 0;
    int column = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};
enum class Arrow { Left, Right, Up, Down };
// Left and right go along the row and wrap round at its ends; up and down go to the key of the next
// row whose middle lies nearest (the left one of two as near), and wrap round from the last row to
// the first.
Cell MoveOn(Page page, Cell from, Arrow arrow);
// The cell kept when the page changes: the same row, the last key of it at most.
Cell Clamped(Page page, Cell cell);

// The keyboard's place in a window of that size: a band over the window's whole width, share of its
// height, along its foot; along its top instead when the field (in window coordinates) reaches into
// the foot's band.
QRect KeyboardPlace(const QSize& window, const QRect& field, double share = 0.4);

// Where each key lies on a keyboard of that size: margin around, gap between keys.
QRect KeyRect(Page page, Cell cell, const QSize& keyboard, int margin, int gap);

}  // namespace sumbrel::osk
