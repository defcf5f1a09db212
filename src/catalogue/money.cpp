#include "catalogue/money.h"

#include "startup/parse.h"
#include "startup/utilities.h"

namespace sumbrel::order {

Money Money::operator+(Money other) const
{
    return Won(AddAmounts(m_won, other.m_won));
}

Money Money::times(int64_t count) const
{
    return Won(MultiplyAmounts(m_won, count));
}

QString Money::caption() const
{
    return FormatThousands(m_won);
}

}  // namespace sumbrel::order
