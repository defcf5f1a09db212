#pragma once
// The cart text: the order a customer composes, as one "◈"-joined text.
//
//   lines  joined by "◈◈◈"   (the empty text is the empty cart)
//   parts  joined by "◈◈"    (part 0 the main part, every further part one option group)
//   fields joined by "◈"
//
// Main part: name ◈ unit count ("1") ◈ quantity ◈ unit price ◈ line amount.
// Option part: group title ◈ option name ◈ option price ◈ option name ◈ option price ...
// The menu page, its dialogs, the reception screen's order list and the submission all work on
// the same text through these functions.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace sumbrel::cart {

inline const QString kFieldMark = QStringLiteral("◈");
inline const QString kPartMark = QStringLiteral("◈◈");
inline const QString kLineMark = QStringLiteral("◈◈◈");

// Twenty order rows at most.
inline constexpr int kMaxLines = 20;
inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 99;

enum MainField : int { kName = 0, kUnitCount, kQuantity, kUnitPrice, kAmount, kMainFields };

// One line as read for showing it.
struct Line {
    QStringList main;  // the main part's fields (five or more)
    QList<QStringList> optionParts;  // the option parts with two or more fields, in order
};

struct Parsed {
    QList<Line> lines;
    // False when a line's main part has fewer than five fields: the lines before it are read, the
    // rest is not (drawing stops there).
    bool complete = true;
};

// The lines of the text; the empty text has none.
QStringList SplitLines(const QString& cart);
int LineCount(const QString& cart);
Parsed Parse(const QString& cart);

// The cart with the line added at the end.
QString AppendLine(const QString& cart, const QString& line);
// The cart without line i (empty when none is left); unchanged for an index out of range.
QString DeleteLine(const QString& cart, int i);
// Line i's main part rebuilt from the quantity and unit price, its option parts kept; nullopt when
// the line or its main part cannot be read.
std::optional<QString> RegenLine(const QString& cart, int i, const QString& quantity, const QString& unitPrice);

// name ◈ "1" ◈ quantity ◈ unit price ◈ quantity × unit price.
QString MainPart(const QString& name, int64_t quantity, int64_t unitPrice);

// The quantity after one step of a "-" (-1) or "+" (+1) key: "-" acts above 1, "+" below 99, so a
// quantity read from a text outside 1 to 99 steps towards the range ("-" on 150 gives 149).
int StepQuantity(int quantity, int step);

// Sum of the line amounts of the lines that can be read.
int64_t Total(const Parsed& parsed);

// The option parts as the menu page's row shows them: "Size:Large / Topping:Cheese,Egg".
QString OptionSummary(const Line& line);

// A text that can stand in a cart field: not empty and without the mark.
bool IsFieldText(const QString& text);

// The customer's order between the screens, with its one owner (the reception screen), which hands
// it to the menu page. The page works on a copy and writes it back only when the customer confirms.
struct OrderCart {
    QString selectedOrder;  // the cart as last confirmed, edited by the reception screen's order list
    bool selectionConfirmed = false;  // the last visit of the menu page ended with "선택완료"
    void clear()
    {
        selectedOrder.clear();
        selectionConfirmed = false;
    }
};

}  // namespace sumbrel::cart
