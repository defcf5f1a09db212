#include "kiosk/ui/pin_panel.h"

#include "access/modes.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/clock.h"
#include "startup/trace_log.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace sumbrel::kiosk {

namespace {

// The box's distance from the foot of a tall window, in the design's pixels.
constexpr int kPortraitMargin = 30;

// Where the box and its parts stand, in the design's pixels (the parts in the box's).
struct PinPlaces {
    QSize box;
    QRect title, digits, message;
    std::array<QRect, PinPanel::KeyCount> keys{};
};

// Every key but "X" in three columns: "1" "2" "3" / "4" "5" "6" / "7" "8" "9" / "<-" "0" "확인", as the
// reception screen's keypads; from origin, keys of that size, gap apart.
void PlaceGrid(PinPlaces& p, QPoint origin, QSize key, int gap)
{
    for (int k = 0; k < PinPanel::Cancel; ++k) {
        const int at = k == 0 ? 10 : k == PinPanel::Back ? 9 : k == PinPanel::Ok ? 11 : k - 1;
        p.keys[size_t(k)] = QRect(origin + QPoint((at % 3) * (key.width() + gap), (at / 3) * (key.height() + gap)),
                                  key);
    }
}

PinPlaces Design()
{
    PinPlaces p;
    p.box = QSize(560, 720);
    p.title = QRect(20, 24, 440, 50);
    p.digits = QRect(20, 84, 520, 76);
    p.message = QRect(20, 160, 520, 66);
    PlaceGrid(p, {32, 235}, {165, 115}, 0);
    p.keys[PinPanel::Cancel] = QRect(p.box.width() - 84, 4, 80, 60);
    return p;
}

// Twice the type: the box over the whole window, the PIN across it, the keys in rows of five:
// "1" to "5" / "6" to "0" / "<-" "확인".
PinPlaces Large()
{
    PinPlaces p;
    p.box = QSize(1024, 768);
    p.title = QRect(20, 10, 870, 100);
    p.keys[PinPanel::Cancel] = QRect(904, 10, 110, 100);
    p.digits = QRect(0, 110, 1024, 140);
    p.message = QRect(20, 250, 984, 122);
    constexpr int kRows[] = {374, 505, 636};
    constexpr int kKeyHeight = 130;
    for (int digit = 0; digit <= 9; ++digit) {
        const int at = digit == 0 ? 9 : digit - 1;
        p.keys[size_t(digit)] = QRect(10 + (at % 5) * 202, kRows[at / 5], 194, kKeyHeight);
    }
    p.keys[PinPanel::Back] = QRect(10, kRows[2], 396, kKeyHeight);
    p.keys[PinPanel::Ok] = QRect(414, kRows[2], 600, kKeyHeight);
    return p;
}

// A tall screen: larger keys in a taller box, set in the lower middle of the window.
PinPlaces PortraitDesign()
{
    PinPlaces p;
    p.box = QSize(700, 920);
    p.title = QRect(20, 30, 550, 70);
    p.keys[PinPanel::Cancel] = QRect(p.box.width() - 124, 10, 114, 100);
    p.digits = QRect(20, 115, 660, 90);
    p.message = QRect(20, 205, 660, 76);
    PlaceGrid(p, {35, 290}, {210, 150}, 0);
    return p;
}

// Twice the type on a tall screen: the box over the whole window, the title, the PIN and the message
// in the upper part, every key in the lower part.
PinPlaces PortraitLarge()
{
    PinPlaces p;
    p.box = QSize(1080, 1920);
    p.title = QRect(20, 120, 1040, 200);
    p.digits = QRect(0, 340, 1080, 220);
    p.message = QRect(20, 570, 1040, 280);
    p.keys[PinPanel::Cancel] = QRect(720, 880, 340, 150);
    PlaceGrid(p, {20, 1050}, {340, 200}, 10);
    return p;
}

PinPlaces PlacesFor(bool large, bool portrait)
{
    if (portrait)
        return large ? PortraitLarge() : PortraitDesign();
    return large ? Large() : Design();
}

}  // namespace

PinPanel::PinPanel(QWidget* screen, pin::PinGate& gate, pin::Area area, QString stored)
    : QWidget(screen)
    , m_gate(gate)
    , m_area(area)
    , m_stored(std::move(stored))
{
    setObjectName(QStringLiteral("pinPanel"));
    setAccessibleName(pin::PanelTitle(area));
    m_lockTimer = new ClockTimer(this);
    connect(m_lockTimer, &ClockTimer::timeout, this, [this] { lockTick(); });
    build();
    hide();
}

PinPanel::~PinPanel() = default;

void PinPanel::build()
{
    setGeometry(parentWidget() ? parentWidget()->rect() : QRect(QPoint(0, 0), Px(StageDesign())));
    const PinPlaces places = PlacesFor(CurrentLook().scale > 1.0, StagePortrait());
    // Centred on the screen's pixels; its contents are placed in the design's. A tall screen has it
    // lower, in reach, and the low layout at its foot.
    const QSize box = Px(places.box);
    int top = (height() - box.height()) / 2;
    if (StagePortrait()) {
        const int lowest = std::max(0, height() - Px(kPortraitMargin) - box.height());
        top = access::CurrentModes().low ? lowest : std::clamp(height() * 3 / 5 - box.height() / 2, 0, lowest);
    }
    m_box = MakePanel(this, QStringLiteral("pinBox"), QRect(), Colours().panel);
    m_box->setGeometry(QRect(QPoint((width() - box.width()) / 2, top), box));
    m_box->setFrameShape(QFrame::Box);
    m_box->setLineWidth(std::max(1, Px(2)));

    m_title = MakeLabel(m_box, QStringLiteral("pinTitle"), places.title, KeyFont(34), Colours().ink, Qt::AlignCenter,
                        LabelFlag::Wrap);
    ShowText(m_title, pin::PanelTitle(m_area));
    m_digits = MakeLabel(m_box, QStringLiteral("pinDigits"), places.digits, KeyFont(60), Colours().ink,
                         Qt::AlignCenter, LabelFlag::Wrap);
    m_message = MakeLabel(m_box, QStringLiteral("pinMessage"), places.message, LabelFont(26), Colours().mutedInk,
                          Qt::AlignCenter, LabelFlag::Wrap);

    for (int i = 0; i < KeyCount; ++i) {
        const bool digit = i <= 9;
        const QString caption = digit ? QString::number(i)
            : i == Back               ? QStringLiteral("<-")
            : i == Ok                 ? QStringLiteral("확인")
                                      : QStringLiteral("X");
        const KeyColours& colours = i == Ok ? Colours().accentKey : Colours().plainKey;
        const QFont font = i == Cancel ? CloseKeyFont(36) : KeyFont(digit ? 54 : 40);
        const QString name = digit ? QStringLiteral("pinKey_%1").arg(i)
            : i == Back            ? QStringLiteral("pinBackKey")
            : i == Ok              ? QStringLiteral("pinOkKey")
                                   : QStringLiteral("pinCancelKey");
        m_keys.at(size_t(i)) = MakeKey(m_box, name, caption, places.keys.at(size_t(i)), font, colours, KeyCaptionInk());
        connect(m_keys.at(size_t(i)), &CaptionKey::clicked, this, [this, i] { press(i); });
    }
}

void PinPanel::open()
{
    raise();
    show();
    ApplyTranslucency(this);
    const int left = m_gate.lockLeftMs(TickCount());
    if (left > 0) {
        // Touching a locked area is a try too; it is refused and not counted.
        const pin::TryResult refused{pin::Verdict::Refused, 0, left};
        WriteLog(pin::TraceLine(m_area, refused));
        showLock(pin::ResultText(refused));
        return;
    }
    ShowText(m_message, pin::PromptText());
    SetInk(m_message, Colours().mutedInk);
    showEntry();
}

void PinPanel::press(int key)
{
    if (m_finished || key < 0 || key >= KeyCount)
        return;
    if (key == Cancel) {
        WriteLog(pin::CancelTraceLine(m_area));
        finish(false);
        return;
    }
    // While locked only the cancel key acts.
    if (m_lockTimer->isActive())
        return;
    if (key <= 9) {
        m_entry.press(key);
    } else if (key == Back) {
        m_entry.back();
    } else if (key == Ok) {
        if (!m_entry.complete()) {
            ShowText(m_message, pin::PromptText());
            return;
        }
        const uint32_t now = TickCount();
        const pin::TryResult result = m_gate.attempt(pin::Matches(m_stored, m_entry.digits()), now);
        m_entry.clear();
        WriteLog(pin::TraceLine(m_area, result));
        if (result.verdict == pin::Verdict::Accepted) {
            finish(true);
            return;
        }
        if (result.verdict == pin::Verdict::Wrong) {
            ShowText(m_message, pin::ResultText(result));
            SetInk(m_message, Colours().alert);
        } else {
            showLock(pin::ResultText(result));
        }
    }
    showEntry();
}

void PinPanel::showEntry()
{
    ShowText(m_digits, m_entry.masked());
}

void PinPanel::showLock(const QString& text)
{
    ShowText(m_message, text);
    SetInk(m_message, Colours().alert);
    // Keys that do nothing while locked say so by their faded captions.
    for (int i = 0; i < KeyCount; ++i)
        if (i != Cancel)
            m_keys.at(size_t(i))->setForeground(Colours().mutedInk);
    showEntry();
    m_lockTimer->start(1000);
}

void PinPanel::lockTick()
{
    const int left = m_gate.lockLeftMs(TickCount());
    if (left > 0) {
        ShowText(m_message, pin::ResultText({pin::Verdict::Refused, 0, left}));
        return;
    }
    m_lockTimer->stop();
    for (CaptionKey* key : m_keys)
        key->setForeground(Colours().ink);
    ShowText(m_message, pin::PromptText());
    SetInk(m_message, Colours().mutedInk);
}

void PinPanel::finish(bool accepted)
{
    if (m_finished)
        return;
    m_finished = true;
    m_accepted = accepted;
    m_lockTimer->stop();
    hide();
    Q_EMIT finished(accepted);
}

}  // namespace sumbrel::kiosk
