#include "presentation/stage_scale.h"

#include "kiosk/kiosk_layout.h"

#include <atomic>
#include <cmath>

namespace sumbrel {

namespace {
std::atomic<double> g_scale{1.0};
std::atomic<bool> g_portrait{false};

int Round(double v)
{
    return int(std::lround(v));
}
}  // namespace

double StageScale()
{
    return g_scale.load(std::memory_order_relaxed);
}

void SetStageScale(double scale)
{
    g_scale.store(scale > 0 ? scale : 1.0, std::memory_order_relaxed);
}

bool StagePortrait()
{
    return g_portrait.load(std::memory_order_relaxed);
}

void SetStagePortrait(bool portrait)
{
    g_portrait.store(portrait, std::memory_order_relaxed);
}

QSize StageDesign()
{
    return StagePortrait() ? kiosk::kPortraitDesignSize : kiosk::kDesignSize;
}

int Px(int designPixels)
{
    return Round(designPixels * StageScale());
}

QPoint Px(QPoint designPoint)
{
    return {Px(designPoint.x()), Px(designPoint.y())};
}

QSize Px(QSize designSize)
{
    return {Px(designSize.width()), Px(designSize.height())};
}

QRect Px(const QRect& designRect)
{
    if (designRect.isNull())
        return designRect;
    const int left = Px(designRect.left());
    const int top = Px(designRect.top());
    return QRect(left, top, Px(designRect.left() + designRect.width()) - left,
                 Px(designRect.top() + designRect.height()) - top);
}

}  // namespace sumbrel
