#include "startup/list_scroll.h"

#include <algorithm>

namespace sumbrel {

int ScrolledBy(const ListGeometry& list, int step)
{
    if (list.height < list.viewHeight)
        return 0;
    const int top = list.top + step;
    if (top > 0)
        return 0;
    return list.height + top < list.viewHeight ? list.viewHeight - list.height : top;
}

int ScrollToEnd(const ListGeometry& list)
{
    return list.height > list.viewHeight ? list.viewHeight - list.height : list.top;
}

int ClampTop(const ListGeometry& list)
{
    if (list.height <= list.viewHeight)
        return 0;
    return std::clamp(list.top, list.viewHeight - list.height, 0);
}

}  // namespace sumbrel
