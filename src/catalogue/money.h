#pragma once
// Amounts of money as the catalogue gives them and the order adds them up.
#include <QString>
#include <compare>
#include <cstdint>

namespace sumbrel::order {

// An amount in whole won. Sums and products follow the amounts' rule: a result beyond the 64-bit
// range gives 0, as an amount read from such a text does.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money Won(int64_t won)
    {
        Money m;
        m.m_won = won;
        return m;
    }
    constexpr int64_t won() const { return m_won; }

    Money operator+(Money other) const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money times(int64_t count) const;

    // What the screens show: "#,##0" ("3,500", "-500").
    QString caption() const;

    constexpr auto operator<=>(const Money&) const = default;

private:
    int64_t m_won = 0;
};

}  // namespace sumbrel::order
