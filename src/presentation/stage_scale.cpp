#include "presentation/stage_scale.h"

#include "kiosk/kiosk_layout.h"

#include <atomic>
#include <cmath>

namespace sumbrel {

namespace {
std::atomic<double> g_scale{1.0};
std::atomic<bool> g_portrait{false};
std::atomic<double> g_stretchX{1.0};
std::atomic<double> g_stretchY{1.0};

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

QSizeF StageStretch()
{
    return {g_stretchX.load(std::memory_order_relaxed), g_stretchY.load(std::memory_order_relaxed)};
}

void SetStageStretch(QSizeF stretch)
{
    g_stretchX.store(stretch.width() >= 1 ? stretch.width() : 1.0, std::memory_order_relaxed);
    g_stretchY.store(stretch.height() >= 1 ? stretch.height() : 1.0, std::memory_order_relaxed);
}

void FitStage(QSize screen, kiosk::Orientation orientation, kiosk::Audience audience)
{
    SetStageScale(kiosk::StageFit(screen, orientation, audience));
    SetStageStretch(kiosk::StageStretch(screen, orientation, audience));
    SetStagePortrait(kiosk::PortraitStage(orientation, audience));
}

void FitStage(QSize screen, kiosk::Audience audience)
{
    FitStage(screen, kiosk::ChooseOrientation(kiosk::LayoutChoice::Auto, screen), audience);
}

QSize StageDesign()
{
    return StagePortrait() ? kiosk::kPortraitDesignSize : kiosk::kDesignSize;
}

int Px(int designPixels)
{
    return Round(designPixels * StageScale());
}

int PxX(int designX)
{
    return Round(designX * StageScale() * g_stretchX.load(std::memory_order_relaxed));
}

int PxY(int designY)
{
    return Round(designY * StageScale() * g_stretchY.load(std::memory_order_relaxed));
}

double DesignX(double screenX)
{
    return screenX / (StageScale() * g_stretchX.load(std::memory_order_relaxed));
}

double DesignY(double screenY)
{
    return screenY / (StageScale() * g_stretchY.load(std::memory_order_relaxed));
}

QPoint Px(QPoint designPoint)
{
    return {PxX(designPoint.x()), PxY(designPoint.y())};
}

QSize Px(QSize designSize)
{
    return {PxX(designSize.width()), PxY(designSize.height())};
}

QRect Px(const QRect& designRect)
{
    if (designRect.isNull())
        return designRect;
    const int left = PxX(designRect.left());
    const int top = PxY(designRect.top());
    return QRect(left, top, PxX(designRect.left() + designRect.width()) - left,
                 PxY(designRect.top() + designRect.height()) - top);
}

}  // namespace sumbrel
