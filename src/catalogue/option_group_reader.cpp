// The option groups of a record (add1..add5): read from their markup and put together option by option.
#include "catalogue/menu_reading.h"

#include "startup/parse.h"

namespace sumbrel {

using namespace reading;

namespace {

// The text after the first open, up to the first close after it (or the end), trimmed.
QStringView inner(QStringView text, QStringView open, QStringView close)
{
    const qsizetype at = find(text, open);
    if (at < 0)
        return {};
    const qsizetype start = at + open.size();
    const qsizetype end = find(text, close, start);
    return (end < 0 ? text.mid(start) : text.mid(start, end - start)).trimmed();
}

// Most short values are one of a few letters or digits: one shared text each, no allocation.
QString Shared(QStringView value)
{
    static const std::array<QString, 128> kSingles = [] {
        std::array<QString, 128> singles;
        for (char16_t c = 0; c < 128; ++c)
            singles[c] = QString(QChar(c));
        return singles;
    }();
    if (value.isEmpty())
        return QString();
    if (value.size() == 1 && value[0].unicode() < 128)
        return kSingles[value[0].unicode()];
    return value.toString();
}

// ParseAmount of the view; plain digits, the usual price, are read without a copy.
int64_t Amount(QStringView price)
{
    if (price.isEmpty() || price.size() > 18)
        return ParseAmount(price.toString());
    int64_t v = 0;
    for (const QChar c : price) {
        if (c < u'0' || c > u'9')
            return ParseAmount(price.toString());
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

// A piece of the group with its "◈" turned into "◇", where the group holds one. The markup's
// tags are ASCII and the two marks one char each, so the pieces are cut where they would be after
// replacing in the whole value, without its copy.
struct Unmarked {
    QString own;
    QStringView view;  // into own when it holds the text: not to be copied
    Unmarked(const Unmarked&) = delete;
    Unmarked(QStringView piece, bool marked)
        : view(piece)
    {
        if (marked && findChar(piece, kMark) >= 0) {
            own = ReplaceFieldMark(piece.toString());
            view = own;
        }
    }
};

}  // namespace

int OptionGroup::required() const
{
    return std::clamp(minimum, 0, int(options.size()));
}

bool OptionGroup::minimumCapped() const
{
    return !singleChoice && minimum > options.size();
}

OptionGroupBuilder::OptionGroupBuilder(int slot, QStringView noOption, QStringView field, QStringView minimum)
    : m_slotIndex(slot)
{
    m_slot.given = true;
    m_slot.noOption = Shared(noOption);
    m_group.name = field.toString();
    m_group.minimumText = Shared(minimum);
    m_group.minimum = ParseLong(m_group.minimumText);
    m_group.singleChoice = m_group.minimumText == u"1";
}

void OptionGroupBuilder::add(QString name, QStringView price)
{
    ++m_ordinal;
    if (!name.isEmpty()) {
        m_group.options.append({std::move(name), order::Money::Won(Amount(price))});
        return;
    }
    if (!m_group.name.isEmpty())
        m_slot.notes << where() + QStringLiteral(": option %1 of ").arg(m_ordinal) + m_group.name
                            + QStringLiteral(" without a name, skipped");
}

QString OptionGroupBuilder::where() const
{
    return QStringLiteral("add") + QString::number(m_slotIndex + 1);
}

OptionGroupSlot OptionGroupBuilder::finish()
{
    if (m_group.name.isEmpty())
        m_slot.notes = {where() + QStringLiteral(": option group without a name, skipped")};
    else if (m_group.options.isEmpty())
        m_slot.notes << where() + QStringLiteral(": no named option in ") + m_group.name + QStringLiteral(", skipped");
    else
        m_slot.offered = std::move(m_group);
    return std::move(m_slot);
}

OptionGroupSlot ReadOptionGroupValue(QStringView value, int slot)
{
    return ReadOptionGroup(value, slot, findChar(value, kMark) >= 0);
}

OptionGroupSlot reading::ReadOptionGroup(QStringView raw, int slot, bool marked)
{
    const QStringView yn = inner(raw, u"<yn>", u"</yn>");
    if (yn.isEmpty())
        return {};
    static constexpr QStringView kSubtitle = u"<subtitle>";
    static constexpr QStringView kSubtitleEnd = u"</subtitle>";
    static constexpr QStringView kSubprice = u"<subprice>";
    static constexpr QStringView kSubpriceEnd = u"</subprice>";
    const qsizetype first = find(raw, kSubtitle);
    if (first < 0)
        return {};
    // The options run up to the last "</subprice>"; the last price keeps what follows its "<subprice>".
    const qsizetype last = raw.lastIndexOf(kSubpriceEnd);
    const QStringView options = last > first ? raw.mid(first, last - first) : raw.mid(first);
    const Unmarked noOption(inner(raw, u"<nooption>", u"</nooption>"), marked);
    const Unmarked field(inner(raw, u"<field>", u"</field>"), marked);
    const Unmarked minimum(inner(raw, u"<mincount>", u"</mincount>"), marked);
    OptionGroupBuilder group(slot, noOption.view, field.view, minimum.view);
    qsizetype at = 0;  // options begins with "<subtitle>"
    while (at >= 0) {
        const qsizetype s = at + kSubtitle.size();
        const qsizetype next = find(options, kSubtitle, s);
        const QStringView piece = next < 0 ? options.mid(s) : options.mid(s, next - s);
        at = next;
        const qsizetype nameEnd = find(piece, kSubtitleEnd);
        const QStringView name = nameEnd < 0 ? piece : piece.left(nameEnd);
        QStringView price;
        const qsizetype p = find(piece, kSubprice);
        if (p >= 0) {
            price = piece.mid(p + kSubprice.size());
            const qsizetype pe = find(price, kSubpriceEnd);
            if (pe >= 0)
                price = price.left(pe);
        }
        group.add(DecodeView(Unmarked(name, marked).view), Unmarked(price, marked).view);
    }
    return group.finish();
}

}  // namespace sumbrel
