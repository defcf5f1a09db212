#pragma once
// The terminal as a kiosk: the 1024 x 768 screens scaled (the stage scale) to the whole screen, the
// customer's stretched to fill it, the operator's centred, on a full-screen stage in the background
// colour, without decorations, and the pointer hidden over the customer's screens. The rules live in kiosk_layout.h; this only applies them.
#include "kiosk/kiosk_layout.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>

namespace sumbrel::kiosk {

// What the scale was computed from.
struct ScaleChoice {
    QSize screenPixels;  // the primary screen in device pixels; empty when none was found
    double factor = 1.0;  // the stage scale as set
};

// Before the QApplication exists: QT_SCALE_FACTOR out of the environment (the screens scale
// themselves), client-side decorations off on Wayland.
void PrepareEnvironment();

// The full-screen window behind the screens: the background colour where the design leaves bands.
class Stage : public QWidget {
public:
    Stage();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class KioskSession : public QObject {
public:
    // The stage over the primary screen; the scale for the screen's own shape until setLayout.
    KioskSession();
    ~KioskSession() override;

    QWidget* stage() const { return m_stage; }
    // The design the customer's screens take (portrait or landscape, by the choice and the screen's
    // shape) and the stage scale that fits it to the screen; before the screens are built.
    void setLayout(LayoutChoice choice);
    Orientation orientation() const { return m_orientation; }
    // The stage for the screens built from here on (the login first, so the operator's).
    void setAudience(Audience audience);
    const ScaleChoice& scale() const { return m_scale; }
    // Makes a screen a frameless window over the stage (transient for it), so a kiosk compositor
    // centres it and keeps it above. Call before the screen is first shown.
    void adopt(QWidget* screen);
    bool pointerHidden() const { return m_pointerHidden; }
    // Whether rounded windows are clipped to their masks by drawing (on by itself under Wayland,
    // which shapes no window).
    void setClipMasks(bool clip) { m_clipMasks = clip; }
    // Runs when no adopted screen is visible any more (default: the application quits), as a
    // program without the stage would end with its last window.
    std::function<void()> lastScreenClosed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settle();
    void updatePointer();
    void logShown(QWidget* window) const;

    ScaleChoice m_scale;
    Orientation m_orientation = Orientation::Landscape;
    Audience m_audience = Audience::Operator;
    QSize m_screen;
    Stage* m_stage = nullptr;
    QList<QPointer<QWidget>> m_screens;
    bool m_pointerHidden = false;
    bool m_clipMasks = false;
    bool m_settlePending = false;
};

}  // namespace sumbrel::kiosk
