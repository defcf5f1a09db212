#pragma once
// The on-screen keyboard of the operator's fields (login, settings) on a kiosk without a keyboard:
// a panel of caption keys inside the screen's own window, so it shows wherever the screen does
// (under cage as well, where a window of its own would take the focus from the field). Touching an
// attached field opens it; its keys send the field the key presses a physical keyboard would, so
// validators, echo modes and the screen's own Return handling keep working, and a physical
// keyboard works beside it. By keypad: Up or Down in a field opens it, the arrows move a ring over
// its keys, Enter presses the ringed key, Escape closes it.
#include "presentation/keyboard_layout.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>

namespace sumbrel {

class CaptionKey;
class FocusRing;

class OnScreenKeyboard : public QWidget {
    Q_OBJECT
public:
    // A hidden panel of the window; the band it takes is osk::KeyboardPlace's.
    explicit OnScreenKeyboard(QWidget* window);
    ~OnScreenKeyboard() override;

    // The field opens the keyboard when touched and takes what is typed while it has the focus.
    void attach(QLineEdit* field);
    // Opens over the window's foot (or top, when the field lies in the foot) for that field.
    void open(QLineEdit* field);
    void dismiss();
    bool isOpen() const { return m_open; }
    QLineEdit* target() const { return m_target; }
    osk::Page page() const { return m_state.page(); }

    // A key of the page shown, by its place.
    CaptionKey* key(osk::Cell cell) const;
    // The key in the keypad's ring; nullptr while the ring is not shown.
    CaptionKey* ringed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void place();
    void showState();
    void press(osk::Page page, osk::Cell cell);
    void send(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void moveRing(osk::Arrow arrow);
    void showRing();
    void hideRing();
    void followFocus(QWidget* now);

    QWidget* m_window;
    QList<QPointer<QLineEdit>> m_fields;
    QPointer<QLineEdit> m_target;
    osk::KeyboardState m_state;
    bool m_open = false;
    bool m_sending = false;  // the key events under way are the keyboard's own
    std::array<QWidget*, 2> m_pages{};
    std::array<QList<QList<CaptionKey*>>, 2> m_keys;
    FocusRing* m_ring = nullptr;
    bool m_ringShown = false;
    osk::Cell m_ringCell;
};

}  // namespace sumbrel
