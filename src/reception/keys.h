#pragma once
// The reception screen's key groups and the index of every key in them. The keypads put each digit
// at its own index (Digit0 = 0 ... Digit9 = 9).
#include <optional>

namespace sumbrel::reception {

enum class KeyGroup { Panel, Phone, Car };

// The panel keys ("panelKey_N"): dining keys of the start panel, "X" of panels 1 to 3, payment
// keys, number change.
enum class PanelKey : int {
    EatIn = 0,
    Takeout = 1,
    ClosePhone = 2,
    CloseCar = 3,
    ClosePayment = 4,
    Cash = 5,
    Card = 6,
    NumberChange = 7,
};
inline constexpr int kPanelKeyCount = 8;

// The phone keys ("phoneKey_N"): the phone keypad and the order panel's menu key (there is no
// index 12).
enum class PhoneKey : int { Digit0 = 0, Digit9 = 9, Delete = 10, Next = 11, MenuSelect = 13 };
inline constexpr int kPhoneKeyCount = 14;

// The car keys ("carKey_N"): the car keypad, its number change, and "확인" of the completion
// panel (there is no index 13).
enum class CarKey : int { Digit0 = 0, Digit9 = 9, Delete = 10, Next = 11, NumberChange = 12, Confirm = 14 };
inline constexpr int kCarKeyCount = 15;

// The twelve keys of a keypad: the digits, delete and next.
inline constexpr int kKeypadKeys = 12;

template <typename Key>
constexpr Key DigitKey(int digit)
{
    return Key(digit);
}

template <typename Key>
constexpr std::optional<int> DigitOf(Key key)
{
    const int index = int(key);
    if (index >= int(Key::Digit0) && index <= int(Key::Digit9))
        return index;
    return std::nullopt;
}

// A double tap is one more tap for the digits and delete; other keys count it once.
template <typename Key>
constexpr bool RepeatsOnDoubleTap(Key key)
{
    return int(key) >= int(Key::Digit0) && int(key) <= int(Key::Delete);
}

}  // namespace sumbrel::reception
