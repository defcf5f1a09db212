#pragma once
// The screen's thread held by a blocking exchange, counted: the screens run every exchange off their
// thread, so the health figures show any hold that is left (none is expected), and idle deadlines
// do not run down while the customer could not touch anything.
#include <QObject>
#include <QPointer>
#include <cstdint>

namespace sumbrel {

// While it lives, input events (touches, clicks, keys, wheel) to widgets inside `scope` are
// dropped; with no scope, to every widget.
class InputDrop : public QObject {
public:
    explicit InputDrop(QObject* scope = nullptr);
    ~InputDrop() override;
    InputDrop(const InputDrop&) = delete;
    InputDrop& operator=(const InputDrop&) = delete;

    static bool isInput(int eventType);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> m_scope;
    bool m_everywhere;
};

class ScreenHold {
public:
    // Nothing happens off the screen's thread or without an application.
    ScreenHold();
    ~ScreenHold();
    ScreenHold(const ScreenHold&) = delete;
    ScreenHold& operator=(const ScreenHold&) = delete;

    // A hold is under way on the screen's thread.
    static bool active();
    // Real milliseconds the screen's thread has been held, over the whole run.
    static int64_t heldMs();
    // The longest single hold that has ended, in milliseconds.
    static int64_t longestMs();

private:
    bool m_counts = false;
};

// True on the thread that runs the screens (or when there is no application at all).
bool OnScreenThread();

}  // namespace sumbrel
