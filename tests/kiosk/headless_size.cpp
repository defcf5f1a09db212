// Preloaded into cage by the kiosk display test: wlroots 0.15's headless backend always makes a
// 1280 x 720 output and cage 0.1.4 offers no way to change it. Cage sets each new output's transform
// before its first commit; this gives the output the size SUMBREL_HEADLESS_SIZE ("1920x1080") names
// in the same commit. Test-only: the packaged kiosk runs on a real screen's own mode.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

struct wlr_output;

extern "C" void wlr_output_set_transform(wlr_output* output, int transform)
{
    using SetTransform = void (*)(wlr_output*, int);
    using SetCustomMode = void (*)(wlr_output*, int32_t, int32_t, int32_t);
    static const auto real = reinterpret_cast<SetTransform>(dlsym(RTLD_NEXT, "wlr_output_set_transform"));
    static const auto customMode = reinterpret_cast<SetCustomMode>(dlsym(RTLD_DEFAULT, "wlr_output_set_custom_mode"));
    if (real)
        real(output, transform);
    int width = 0;
    int height = 0;
    const char* size = std::getenv("SUMBREL_HEADLESS_SIZE");
    if (customMode && size && std::sscanf(size, "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
        customMode(output, width, height, 0);
}
