#pragma once
// The customer's order between the screens.
#include "menu/order.h"

namespace sumbrel::cart {

// The order with its one owner (the reception screen), which hands it to the menu page. The page
// works on a copy and writes it back only when the customer confirms.
struct OrderCart {
    order::Order order;  // the order as last confirmed, edited by the reception screen's order list
    bool selectionConfirmed = false;  // the last visit of the menu page ended with "선택완료"
    void clear()
    {
        order.clear();
        selectionConfirmed = false;
    }
};

}  // namespace sumbrel::cart
