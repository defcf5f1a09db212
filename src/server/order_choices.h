#pragma once
// What the customer chose besides the order's lines. endpoints::OrderBody alone writes them as the
// shop reads them.
namespace sumbrel {

enum class Dining { Takeout, EatIn };
enum class Payment { Cash, Card };

}  // namespace sumbrel
