#pragma once
// The screens shops buy, and the checks every screen must pass on each: no text larger than its
// element, every key whole on the screen, no two keys on top of each other.
#include "kiosk/kiosk_layout.h"
#include "presentation/stage_scale.h"
#include "support/barrier_free.h"

#include <QSize>
#include <QStringList>
#include <array>
#include <cmath>

namespace sumbrel::testing {

inline constexpr std::array<QSize, 8> kScreenSizes{{{800, 600},
                                                    {1024, 768},
                                                    {1280, 720},
                                                    {1366, 768},
                                                    {1920, 1080},
                                                    {2560, 1440},
                                                    {768, 1024},
                                                    {1080, 1920}}};

inline QString SizeName(QSize s)
{
    return QString::number(s.width()) + u'x' + QString::number(s.height());
}

// The stage scale a kiosk of that screen would take, for one case; 1 again after it.
class StageScope {
public:
    explicit StageScope(QSize screen, QSize design = kiosk::kDesignSize)
    {
        SetStageScale(kiosk::FitScale(screen, design));
    }
    ~StageScope() { SetStageScale(1.0); }
    StageScope(const StageScope&) = delete;
    StageScope& operator=(const StageScope&) = delete;
};

inline bool IsKey(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a && (a->role() == QAccessible::Button || a->role() == QAccessible::CheckBox);
}

// Whether the key is not under a panel, box or backdrop raised over the whole of it (a widget that
// is no key, stacked above the key or one of its panels). A key under one is not seen, and neither
// cut nor overlapped; a key over a key is an overlap.
inline bool InFront(QWidget* window, QWidget* key)
{
    const QRect seen = VisibleRect(key);
    for (QWidget* w = key; w && w != window; w = w->parentWidget()) {
        const QObjectList& siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto* above = qobject_cast<QWidget*>(siblings[i]);
            if (above && above->isVisible() && !above->isWindow() && !IsKey(above)
                && QRect(above->mapTo(window, QPoint(0, 0)), above->size()).contains(seen))
                return false;
        }
    }
    return true;
}

// The window larger than the screen, or a key that its panels or the window cut by more than one
// design pixel (what rounding may take from an edge, or an edge a pixel past its panel in the design).
inline QStringList CutKeys(QWidget* window, QSize screen)
{
    QStringList cut;
    if (window->width() > screen.width() || window->height() > screen.height())
        cut << QStringLiteral("the window, %1 on a screen of %2").arg(SizeName(window->size()), SizeName(screen));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        if (!IsKey(w))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QRect whole(w->mapTo(window, QPoint(0, 0)), w->size());
        const QRect seen = VisibleRect(w);
        const int spare = int(std::ceil(StageScale()));
        const bool shortened = seen.width() < whole.width() - spare || seen.height() < whole.height() - spare;
        if (!seen.isEmpty() && shortened && InFront(window, w))
            cut << QStringLiteral("%1(%2): %3 of %4 seen")
                       .arg(a->text(QAccessible::Name), w->objectName(), SizeName(seen.size()), SizeName(whole.size()));
    }
    return cut;
}

// Pairs of keys in front that cover one another.
inline QStringList OverlappingKeys(QWidget* window)
{
    QList<std::pair<QString, QRect>> keys;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window || !InFront(window, w))
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!IsKey(w) || !a->actionInterface() || a->actionInterface()->actionNames().isEmpty())
            continue;
        const QRect seen = VisibleRect(w);
        if (!seen.isEmpty())
            keys.append({a->text(QAccessible::Name) + u'(' + w->objectName() + u')', seen});
    }
    QStringList overlaps;
    for (qsizetype i = 0; i < keys.size(); ++i)
        for (qsizetype j = i + 1; j < keys.size(); ++j)
            if (keys[i].second.intersects(keys[j].second))
                overlaps << keys[i].first + QStringLiteral(" and ") + keys[j].first;
    return overlaps;
}

// Everything the checks found on the window, one line each; empty when it passes.
inline QStringList LayoutFaults(QWidget* window, QSize screen)
{
    return ClippedTexts(window) + CutKeys(window, screen) + OverlappingKeys(window);
}

}  // namespace sumbrel::testing
