#pragma once
// The one scroll rule of the order lists (the menu page's and the reception screen's): a list taller
// than its viewport moves by a step, never above its first line and never leaving space below its
// last.
namespace sumbrel {

struct ListGeometry {
    int top = 0;  // the list's top inside its viewport (0 or negative)
    int height = 0;  // the list's height
    int viewHeight = 0;  // the viewport's height
};

// The top after moving the list by step (positive: towards its first line): 0 for a list that fits
// or a move past its start, never past its end.
int ScrolledBy(const ListGeometry& list, int step);
// The newest line in view.
int ScrollToEnd(const ListGeometry& list);
// The top kept within what the list can show: 0 for a list that fits, else between the end and 0.
int ClampTop(const ListGeometry& list);

}  // namespace sumbrel
