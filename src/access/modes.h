#pragma once
// The barrier-free choices of the customer at the counter. They last for one visit: the reception
// screen's reset ends them. The screens take their look (palette, sizes, layout) and their limits
// from them.
namespace sumbrel::access {

struct Modes {
    bool voice = false;  // "음성 안내": what is on the screen is spoken
    bool low = false;  // "낮은 화면": every key in the lower part of the screen
    bool large = false;  // "크게 보기": everything at 200%
    bool contrast = false;  // "고대비": the high-contrast palette
    bool any() const { return voice || low || large || contrast; }
    bool operator==(const Modes&) const = default;
};

// The modes of the visit under way.
const Modes& CurrentModes();
void SetCurrentModes(const Modes& modes);

// In the mode every idle limit and countdown is three times longer.
inline constexpr int kIdleFactor = 3;
int IdleMs(int nominalMs);

// The lower part of the screen that holds every key in the low layout: 55 %.
inline constexpr double kLowShare = 0.55;
// The scale of the large view.
inline constexpr double kLargeScale = 2.0;

}  // namespace sumbrel::access
