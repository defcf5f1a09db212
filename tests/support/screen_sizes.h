#pragma once
// The screens shops buy, and the checks every screen must pass on each: no text larger than its
// element, every key whole on the screen, no two keys on top of each other.
#include "access/contrast.h"
#include "access/language.h"
#include "kiosk/kiosk_layout.h"
#include "presentation/stage_scale.h"
#include "support/barrier_free.h"

#include <QFontInfo>
#include <QLabel>
#include <QSize>
#include <QStringList>
#include <array>
#include <climits>
#include <cmath>
#include <iostream>
#include <map>
#include <string>

namespace sumbrel::testing {

// Each shape: 4:3, 16:9, 16:10 and 5:4 lying, 3:4 and 9:16 standing.
inline constexpr std::array<QSize, 8> kScreenSizes{
    {{800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}, {1280, 800}, {1280, 1024}, {768, 1024}, {1080, 1920}}};

inline QString SizeName(QSize s)
{
    return QString::number(s.width()) + u'x' + QString::number(s.height());
}

// The stage a kiosk of that screen would take by its shape (its design and scale), for one case;
// the landscape design at 1 again after it.
class StageScope {
public:
    explicit StageScope(QSize screen, kiosk::Audience audience = kiosk::Audience::Customer)
    {
        FitStage(screen, audience);
    }
    ~StageScope()
    {
        SetStageScale(1.0);
        SetStageStretch({1.0, 1.0});
        SetStagePortrait(false);
    }
    StageScope(const StageScope&) = delete;
    StageScope& operator=(const StageScope&) = delete;
};

// The looks every screen is drawn in: the design's and each barrier-free one.
struct LookCase {
    const char* name;
    access::Modes modes;
};
inline const LookCase kLooks[] = {
    {"design", {}},
    {"low", {.low = true}},
    {"large", {.large = true}},
    {"low and large", {.low = true, .large = true}},
    {"contrast", {.contrast = true}},
};

// The visit's language for one case; Korean again after it.
class LanguageScope {
public:
    explicit LanguageScope(access::Language language) { ApplyLanguage(language); }
    ~LanguageScope() { ApplyLanguage(access::Language::Korean); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// One case of ForEveryStage, and its name for a failure ("en 800x600 low: ").
struct StageCase {
    const access::LanguageInfo& language;
    const LookCase& look;
    QSize screen;
    std::string where;
};
// Each language, look and screen in turn, each set as a kiosk sets it while check(StageCase) runs.
template <typename Check>
void ForEveryStage(Check&& check)
{
    for (const access::LanguageInfo& language : access::kLanguages) {
        const LanguageScope spoken(language.language);
        for (const LookCase& look : kLooks) {
            const ModesScope modes(look.modes);
            for (const QSize screen : kScreenSizes) {
                const StageScope stage(screen);
                check(StageCase{language, look, screen,
                                std::string(language.code) + " " + SizeName(screen).toStdString() + " " + look.name
                                    + ": "});
            }
        }
    }
}

// A key, to a screen reader and to a touch.
inline bool IsKey(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a && (a->role() == QAccessible::Button || a->role() == QAccessible::CheckBox) && a->actionInterface()
        && !a->actionInterface()->actionNames().isEmpty();
}

// Under a panel in front of it (one over the whole page while it loads, with keys of its own): not a
// key the customer sees. A key under another key of its own panel still counts, as an overlap.
inline bool UnderPanel(QWidget* window, QWidget* key)
{
    QWidget* top = window->childAt(key->mapTo(window, key->rect().center()));
    if (!top)
        return false;
    for (; top && top != window; top = top->parentWidget()) {
        if (top == key || key->isAncestorOf(top))
            return false;
        if (!IsKey(top) && !top->isAncestorOf(key))
            return true;
    }
    return false;
}

// The window larger than the screen, or a key in front that its panels or the window cut by more
// than a design pixel (what rounding may take from an edge, or an edge a pixel past its panel in the
// design, as the order panel's menu key).
inline QStringList CutKeys(QWidget* window, QSize screen)
{
    QStringList cut;
    if (window->width() > screen.width() || window->height() > screen.height())
        cut << QStringLiteral("the window, %1 on a screen of %2").arg(SizeName(window->size()), SizeName(screen));
    const int spare = int(std::ceil(StageScale()));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || (a->role() != QAccessible::Button && a->role() != QAccessible::CheckBox))
            continue;
        const QRect whole(w->mapTo(window, QPoint(0, 0)), w->size());
        const QRect seen = VisibleRect(w);
        const bool shortened = seen.width() < whole.width() - spare || seen.height() < whole.height() - spare;
        if (!seen.isEmpty() && shortened && !UnderPanel(window, w))
            cut << QStringLiteral("%1(%2): %3 of %4 seen")
                       .arg(a->text(QAccessible::Name), w->objectName(), SizeName(seen.size()), SizeName(whole.size()));
    }
    return cut;
}

// Pairs of visible keys that cover one another.
inline QStringList OverlappingKeys(QWidget* window)
{
    QList<std::pair<QString, QRect>> keys;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || !IsKey(w) || UnderPanel(window, w))
            continue;
        if (const QRect seen = VisibleRect(w); !seen.isEmpty())
            keys.append(
                {QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) + u'(' + w->objectName() + u')',
                 seen});
    }
    QStringList overlaps;
    for (qsizetype i = 0; i < keys.size(); ++i)
        for (qsizetype j = i + 1; j < keys.size(); ++j)
            if (keys[i].second.intersects(keys[j].second))
                overlaps << keys[i].first + QStringLiteral(" and ") + keys[j].first;
    return overlaps;
}

// In high contrast, the shown keys whose caption stands less than 7:1 from their face.
inline QStringList FaintCaptions(QWidget* window)
{
    QStringList faint;
    if (!access::CurrentModes().contrast)
        return faint;
    for (CaptionKey* key : window->findChildren<CaptionKey*>()) {
        if (key->isVisible() && !key->caption().isEmpty()
            && access::ContrastRatio(key->foreground().rgb() & 0xffffff, key->background().rgb() & 0xffffff)
                < access::kHighContrastRatio)
            faint << QStringLiteral("caption of ") + key->objectName() + QStringLiteral(" too faint");
    }
    return faint;
}

// The window against the design at the stage's scale and stretch, within a pixel of rounding; the
// customer's whole-screen windows also take at least 90 % of the screen each way (within that pixel),
// leaving margins at most.
inline QStringList SizeFaults(QWidget* window, QSize design, QSize screen)
{
    QStringList faults;
    const QSize want = Px(design);
    if (std::abs(window->width() - want.width()) > 1 || std::abs(window->height() - want.height()) > 1)
        faults << QStringLiteral("the window is %1, not %2").arg(SizeName(window->size()), SizeName(want));
    if (design == StageDesign()
        && (window->width() < 0.9 * screen.width() - 1 || window->height() < 0.9 * screen.height() - 1))
        faults << QStringLiteral("the window %1 leaves bands wider than a tenth of the screen %2")
                      .arg(SizeName(window->size()), SizeName(screen));
    return faults;
}

// The smallest customer text and key side on the screen, in its pixels, and the narrowest gap
// between two keys side by side: what a panel's millimetres turn into the sizes the barrier-free
// criteria ask for. Gathered per screen and look over every state checked, printed as figures when
// the tests end.
struct SmallestSizes {
    int text = INT_MAX;
    int keySide = INT_MAX;
    int keyGap = INT_MAX;
    void add(QWidget* window)
    {
        QList<QRect> keys;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != window || VisibleRect(w).isEmpty())
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* key = qobject_cast<CaptionKey*>(w);
            if ((label && !label->text().trimmed().isEmpty()) || (key && !key->caption().trimmed().isEmpty()))
                text = std::min(text, QFontInfo(w->font()).pixelSize());
            if (IsKey(w) && !UnderPanel(window, w)) {
                keys << VisibleRect(w);
                keySide = std::min({keySide, keys.back().width(), keys.back().height()});
            }
        }
        for (qsizetype i = 0; i < keys.size(); ++i)
            for (qsizetype j = i + 1; j < keys.size(); ++j) {
                const QRect &a = keys[i], &b = keys[j];
                const int across = std::max(a.left(), b.left()) - std::min(a.right(), b.right()) - 1;
                const int down = std::max(a.top(), b.top()) - std::min(a.bottom(), b.bottom()) - 1;
                if ((across >= 0) != (down >= 0))  // side by side or one over the other
                    keyGap = std::min(keyGap, std::max(across, down));
            }
    }
};
inline void AddSizeFigures(QWidget* window, QSize screen)
{
    static struct Report {
        std::map<std::string, SmallestSizes> figures;
        ~Report()
        {
            for (const auto& [where, f] : figures)
                std::cout << "[ figure ] " << where << ": smallest text " << f.text << " px, key side " << f.keySide
                          << " px, gap between keys " << f.keyGap << " px" << std::endl;
        }
    } report;
    const access::Modes& m = access::CurrentModes();
    const char* look = m.low && m.large ? "low and large" : m.low ? "low" : m.large ? "large" : "design";
    if (!m.contrast && access::VisitLanguage() == access::Language::Korean)
        report.figures[SizeName(screen).toStdString() + ' ' + look].add(window);
}

// Everything the checks found on the window, one line each; empty when it passes.
inline QStringList LayoutFaults(QWidget* window, QSize screen)
{
    return ClippedTexts(window) + CutKeys(window, screen) + OverlappingKeys(window);
}

}  // namespace sumbrel::testing
