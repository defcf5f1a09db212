#include "menu/cart.h"

#include "startup/parse.h"

namespace sumbrel::cart {

QStringList SplitLines(const QString& cart)
{
    if (cart.isEmpty())
        return {};
    return cart.split(kLineMark);
}

int LineCount(const QString& cart)
{
    return int(SplitLines(cart).size());
}

Parsed Parse(const QString& cart)
{
    Parsed parsed;
    for (const QString& text : SplitLines(cart)) {
        const QStringList parts = text.split(kPartMark);
        Line line;
        line.main = parts.front().split(kFieldMark);
        if (line.main.size() < kMainFields) {
            parsed.complete = false;
            break;
        }
        for (qsizetype j = 1; j < parts.size(); ++j) {
            QStringList fields = parts[j].split(kFieldMark);
            if (fields.size() >= 2)
                line.optionParts.append(std::move(fields));
        }
        parsed.lines.append(std::move(line));
    }
    return parsed;
}

QString AppendLine(const QString& cart, const QString& line)
{
    return cart.isEmpty() ? line : cart + kLineMark + line;
}

QString DeleteLine(const QString& cart, int i)
{
    QStringList lines = SplitLines(cart);
    if (i < 0 || i >= lines.size())
        return cart;
    lines.removeAt(i);
    return lines.join(kLineMark);
}

std::optional<QString> RegenLine(const QString& cart, int i, const QString& quantity, const QString& unitPrice)
{
    QStringList lines = SplitLines(cart);
    if (i < 0 || i >= lines.size())
        return std::nullopt;
    QStringList parts = lines[i].split(kPartMark);
    const QStringList main = parts.front().split(kFieldMark);
    if (main.size() < 2)
        return std::nullopt;
    const int64_t amount = MultiplyAmounts(ParseAmount(quantity), ParseAmount(unitPrice));
    parts.front() = main[kName] + kFieldMark + main[kUnitCount] + kFieldMark + quantity + kFieldMark + unitPrice
        + kFieldMark + QString::number(amount);
    lines[i] = parts.join(kPartMark);
    return lines.join(kLineMark);
}

QString MainPart(const QString& name, int64_t quantity, int64_t unitPrice)
{
    return name + kFieldMark + QStringLiteral("1") + kFieldMark + QString::number(quantity) + kFieldMark
        + QString::number(unitPrice) + kFieldMark + QString::number(MultiplyAmounts(quantity, unitPrice));
}

int StepQuantity(int quantity, int step)
{
    // "-" acts above 1 and "+" below 99 whatever the text held, without stepping past either end.
    if (step < 0)
        return quantity > kMinQuantity ? quantity - 1 : quantity;
    if (step > 0)
        return quantity < kMaxQuantity ? quantity + 1 : quantity;
    return quantity;
}

int64_t Total(const Parsed& parsed)
{
    int64_t total = 0;
    for (const Line& line : parsed.lines)
        total = AddAmounts(total, ParseAmount(line.main[kAmount]));
    return total;
}

QString OptionSummary(const Line& line)
{
    QString text;
    for (const QStringList& part : line.optionParts) {
        text += QStringLiteral(" / ") + part[0] + u':' + part[1];
        for (qsizetype k = 3; k < part.size(); k += 2)
            text += u',' + part[k];
    }
    return text.mid(3);
}

bool IsFieldText(const QString& text)
{
    return !text.isEmpty() && !text.contains(kFieldMark);
}

}  // namespace sumbrel::cart
