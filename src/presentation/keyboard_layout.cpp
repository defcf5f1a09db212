#include "presentation/keyboard_layout.h"

#include <algorithm>
#include <cmath>

namespace sumbrel::osk {

namespace {

KeyDef Char(char c)
{
    return {KeyKind::Character, QChar::fromLatin1(c), 1.0};
}

KeyRow Chars(const char* characters)
{
    KeyRow row;
    for (const char* c = characters; *c; ++c)
        row.append(Char(*c));
    return row;
}

QList<KeyRow> LetterRows()
{
    KeyRow caps{{KeyKind::Caps, QChar(), 1.0}};
    KeyRow shift{{KeyKind::Shift, QChar(), 1.5}};
    shift += Chars("zxcvbnm");
    shift.append({KeyKind::Delete, QChar(), 1.5});
    return {
        Chars("1234567890"),
        Chars("qwertyuiop"),
        caps + Chars("asdfghjkl"),
        shift,
        {{KeyKind::ToSymbols, QChar(), 1.5},
         Char('@'),
         {KeyKind::Space, QChar(), 3.5},
         Char('.'),
         {KeyKind::Enter, QChar(), 2.0},
         {KeyKind::Close, QChar(), 1.0}},
    };
}

QList<KeyRow> SymbolRows()
{
    KeyRow fourth = Chars("'\"[]{}<>");
    fourth.append({KeyKind::Delete, QChar(), 2.0});
    return {
        Chars("1234567890"),
        Chars("!@#$%^&*()"),
        Chars("-_=+.,?/:;"),
        fourth,
        {{KeyKind::ToLetters, QChar(), 1.5},
         Char('~'),
         Char('\\'),
         {KeyKind::Space, QChar(), 2.0},
         Char('|'),
         Char('`'),
         {KeyKind::Enter, QChar(), 1.5},
         {KeyKind::Close, QChar(), 1.0}},
    };
}

// The middle of a key, in units from the row's left end.
double Middle(const KeyRow& row, int column)
{
    double start = 0;
    for (int i = 0; i < column; ++i)
        start += row[i].units;
    return start + row[column].units / 2.0;
}

}  // namespace

const QList<KeyRow>& Rows(Page page)
{
    static const QList<KeyRow> letters = LetterRows();
    static const QList<KeyRow> symbols = SymbolRows();
    return page == Page::Letters ? letters : symbols;
}

QString Caption(const KeyDef& key, bool upper)
{
    switch (key.kind) {
    case KeyKind::Character:
        return QString(upper ? key.character.toUpper() : key.character);
    case KeyKind::Space:
        return QStringLiteral("띄어쓰기");
    case KeyKind::Shift:
        return QStringLiteral("Shift");
    case KeyKind::Caps:
        return QStringLiteral("Caps");
    case KeyKind::ToSymbols:
        return QStringLiteral("!#%");
    case KeyKind::ToLetters:
        return QStringLiteral("abc");
    case KeyKind::Delete:
        return QStringLiteral("지우기");
    case KeyKind::Enter:
        return QStringLiteral("입력");
    case KeyKind::Close:
        return QStringLiteral("닫기");
    }
    return QString();
}

Action KeyboardState::press(const KeyDef& key)
{
    switch (key.kind) {
    case KeyKind::Character: {
        const bool letter = key.character.isLetter();
        const QChar typed = letter && upper() ? key.character.toUpper() : key.character;
        // Shift holds for one letter, as on a phone.
        if (letter)
            m_shift = false;
        return {Action::Type, typed};
    }
    case KeyKind::Space:
        return {Action::Type, QChar(u' ')};
    case KeyKind::Shift:
        m_shift = !m_shift;
        return {};
    case KeyKind::Caps:
        m_caps = !m_caps;
        m_shift = false;
        return {};
    case KeyKind::ToSymbols:
        m_page = Page::Symbols;
        return {};
    case KeyKind::ToLetters:
        m_page = Page::Letters;
        return {};
    case KeyKind::Delete:
        return {Action::Erase, QChar()};
    case KeyKind::Enter:
        return {Action::Submit, QChar()};
    case KeyKind::Close:
        return {Action::Close, QChar()};
    }
    return {};
}

void KeyboardState::reset()
{
    *this = KeyboardState();
}

KeyStroke StrokeFor(QChar character)
{
    KeyStroke stroke;
    stroke.text = QString(character);
    // Qt's key codes of the printable ASCII characters are their codes, letters in upper case.
    if (character.unicode() >= 0x20 && character.unicode() < 0x7f)
        stroke.key = character.toUpper().unicode();
    if (character.isUpper())
        stroke.modifiers = Qt::ShiftModifier;
    return stroke;
}

Cell MoveOn(Page page, Cell from, Arrow arrow)
{
    const QList<KeyRow>& rows = Rows(page);
    from = Clamped(page, from);
    const auto count = int(rows[from.row].size());
    switch (arrow) {
    case Arrow::Left:
        return {from.row, (from.column + count - 1) % count};
    case Arrow::Right:
        return {from.row, (from.column + 1) % count};
    case Arrow::Up:
    case Arrow::Down:
        break;
    }
    const int row = (from.row + (arrow == Arrow::Down ? 1 : kRows - 1)) % kRows;
    const double middle = Middle(rows[from.row], from.column);
    int nearest = 0;
    for (int i = 1; i < rows[row].size(); ++i) {
        if (std::abs(Middle(rows[row], i) - middle) < std::abs(Middle(rows[row], nearest) - middle))
            nearest = i;
    }
    return {row, nearest};
}

Cell Clamped(Page page, Cell cell)
{
    const QList<KeyRow>& rows = Rows(page);
    const int row = std::clamp(cell.row, 0, kRows - 1);
    return {row, std::clamp(cell.column, 0, int(rows[row].size()) - 1)};
}

QRect KeyboardPlace(const QSize& window, const QRect& field, double share)
{
    const int height = int(std::lround(window.height() * share));
    const QRect foot(0, window.height() - height, window.width(), height);
    if (!field.intersects(foot))
        return foot;
    return QRect(0, 0, window.width(), height);
}

QRect KeyRect(Page page, Cell cell, const QSize& keyboard, int margin, int gap)
{
    const KeyRow& row = Rows(page)[cell.row];
    double start = 0;
    for (int i = 0; i < cell.column; ++i)
        start += row[i].units;
    // Each key takes its share of the width and of the height less one gap, so the edges line up.
    const double unit = (keyboard.width() - 2 * margin + gap) / kUnitsPerRow;
    const double rowHeight = (keyboard.height() - 2 * margin + gap) / double(kRows);
    const int left = margin + int(std::lround(start * unit));
    const int right = margin + int(std::lround((start + row[cell.column].units) * unit)) - gap;
    const int top = margin + int(std::lround(cell.row * rowHeight));
    const int bottom = margin + int(std::lround((cell.row + 1) * rowHeight)) - gap;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace sumbrel::osk
