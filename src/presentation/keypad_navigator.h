#pragma once
// The whole order from a keypad, on any screen: the arrows move a focus over the screen's keys (and
// everything else that can be pressed) in the order the screen shows them, Enter presses, Escape and
// BackSpace go back, digits type where digits are asked, "*" says the screen again, "+"/"-" change
// the voice's volume, Page Up/Page Down its rate and "/" holds or resumes it. The focused element
// carries a thick ring. Touch keeps working beside it.
#include "access/focus_order.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace sumbrel {

class FocusRing;

class KeypadNavigator : public QObject {
public:
    // Watches the keys pressed on the window and everything inside it.
    explicit KeypadNavigator(QWidget* window);
    ~KeypadNavigator() override;

    // What the screen does for the keys that are not about the focus. Empty members: nothing, but
    // digit (which presses the shown key captioned with the digit).
    std::function<void()> back;
    // BackSpace where digits are typed: deletes the last one and returns true; false: back.
    std::function<bool()> erase;
    // Sees every key first; true when the screen took it (nothing else happens then).
    std::function<bool(int key)> intercept;
    std::function<bool(int digit)> digit;
    // What the screen is for and how to move on it, said again by "*".
    std::function<QString()> describe;
    // Every key press (the screen's idle limit starts again).
    std::function<void()> anyKey;
    // A move past the last (Next) or before the first (Previous) element: the screen may turn a page
    // and say so by returning true; the focus then goes to the first (or last) element of it.
    std::function<bool(access::Move move)> beyond;

    // The elements that can take the focus now (shown, enabled, not covered by what is in front of
    // them), in the screen's reading order.
    QList<QWidget*> elements() const;
    QWidget* focused() const { return m_focused; }
    // Puts the focus there (nullptr: none, the ring goes); says it when voice guidance is on.
    void focus(QWidget* element, bool speak = true);
    void focusFirst(bool speak = true);
    // In the voice mode, says what the screen is for (describe) and then the element in focus.
    void sayScreen() const;
    // After the screen changed: the focus stays where it was while that element is still there,
    // else it goes to the first.
    void refresh();
    // The spoken form of an element: its name, role and state.
    static QString Describe(QWidget* element);
    // Presses the element as a touch would.
    static bool Press(QWidget* element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handle(int key, const QString& text);
    void move(access::Move move);
    void placeRing();
    void refreshSoon();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focused;
    FocusRing* m_ring = nullptr;
    bool m_refreshQueued = false;
};

}  // namespace sumbrel
