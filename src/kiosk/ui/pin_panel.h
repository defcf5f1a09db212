#pragma once
// The numeric keypad that asks for the operator PIN over the reception screen. A thin screen: the
// digits, the tries and the lock are settings/operator_pin.h's; this panel shows them.
#include "settings/operator_pin.h"
#include "startup/clock.h"

#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace sumbrel {

class CaptionKey;

namespace kiosk {

class PinPanel : public QWidget {
    Q_OBJECT
public:
    // Keys by index: 0-9 the digits, then back, OK and cancel.
    enum Key { Back = 10, Ok = 11, Cancel = 12, KeyCount = 13 };

    // Covers the screen; the gate outlives the panel (its tries and lock count for the whole run).
    PinPanel(QWidget* screen, pin::PinGate& gate, pin::Area area, QString stored);
    ~PinPanel() override;

    // Shows the panel over a darkened copy of the screen; a lock in force shows at once (and is traced).
    void open();
    // One touch of a key, as the customer's keys take it.
    void press(int key);

    bool isFinished() const { return m_finished; }
    bool accepted() const { return m_accepted; }

Q_SIGNALS:
    // Told once: true for the right PIN, false when cancelled.
    void finished(bool accepted);

private:
    void build();
    void showEntry();
    void showLock(const QString& text);
    void lockTick();
    void finish(bool accepted);

    pin::PinGate& m_gate;
    pin::Area m_area;
    QString m_stored;
    pin::PinEntry m_entry;
    bool m_finished = false;
    bool m_accepted = false;

    QFrame* m_box = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_digits = nullptr;
    QLabel* m_message = nullptr;
    std::array<CaptionKey*, KeyCount> m_keys{};
    ClockTimer* m_lockTimer = nullptr;
};

}  // namespace kiosk
}  // namespace sumbrel
