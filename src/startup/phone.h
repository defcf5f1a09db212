#pragma once
#include <QString>

namespace sumbrel {

enum PhoneClass { kNotANumber = 0, kOtherNumber = 1, kMobileNumber = 2 };

// Splits a telephone number into its parts and tells what kind of number it is.
int SplitPhoneNumber(const QString& number, QString& first, QString& middle, QString& last);

}  // namespace sumbrel
