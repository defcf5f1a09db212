#pragma once
// Local utilities every subsystem may use: the "#,##0" number format and the sort of the log
// housekeeping.
#include <QString>
#include <cstdint>
#include <utility>

namespace sumbrel {

// A price text formatted "#,##0" (whole number with thousands commas); non-numeric text as it is.
QString FormatThousands(const QString& value);
// A number formatted "#,##0".
QString FormatThousands(int64_t value);

// Sorts values[low..high] ascending; -2 stands for the array's own bound.
template <typename Vec>
void QuickSort(Vec& values, long low = -2, long high = -2)
{
    if (low == -2)
        low = 0;
    if (high == -2)
        high = long(values.size()) - 1;
    if (low >= high)
        return;
    const auto pivot = values[(low + high) / 2];
    long i = low;
    long j = high;
    while (i <= j) {
        while (values[i] < pivot)
            ++i;
        while (pivot < values[j])
            --j;
        if (i <= j) {
            std::swap(values[i], values[j]);
            ++i;
            --j;
        }
    }
    if (low < j)
        QuickSort(values, low, j);
    if (i < high)
        QuickSort(values, i, high);
}

}  // namespace sumbrel
