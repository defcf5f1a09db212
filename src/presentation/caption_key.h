#pragma once
// A caption panel that acts as a key: raised bevel at rest, flat and darker while pressed.
#include "presentation/look.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QPainter;

namespace sumbrel {

class CaptionKey : public QWidget {
    Q_OBJECT
public:
    explicit CaptionKey(const QString& caption = QString(), QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Rest and pressed background colours; the key shows the rest colour.
    void setColours(const QColor& rest, const QColor& pressed);
    QColor restColour() const { return m_rest; }
    QColor pressedColour() const { return m_pressedColour; }
    QColor background() const { return m_background; }
    void setForeground(const QColor& colour);
    QColor foreground() const { return m_foreground; }
    bool isRaised() const { return m_raised; }

    // A key that is "disabled" still reports its clicks (the screen logs them) but keeps its look.
    bool isKeyEnabled() const { return m_keyEnabled; }
    void setKeyEnabled(bool enabled);

    // An invisible touch area: paints nothing, still clicks.
    void setInvisible(bool invisible);
    bool isInvisible() const { return m_invisible; }

    // A toggle: a touch turns it on or off (toggled), a box left of the caption shows which, and a
    // screen reader sees a check box with its state.
    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }

    // The press look by hand (mouse-down / mouse-up), ignored while the key is disabled.
    void showPressed();
    void showReleased();

    // One touch as the customer gives it: press, release, click.
    void touch();
    // A second touch right after the first, as the platform reports a double tap.
    void doubleTouch();

Q_SIGNALS:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A key held down that loses the pointer or the focus (a key takes none itself: its window's
    // activation), or is hidden, goes up without a click: what repeats while it is held stops then.
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Raised at rest, flat in the pressed colour while down.
    void showLook(bool raised);
    // Background, bevel or frame, mark and caption over the whole key.
    void drawFace(QPainter& p, const QFont& captionFont) const;
    // What the face drawn last was drawn from.
    struct FaceLook {
        QSize size;
        qreal ratio = 0;
        QString caption;
        QFont font;
        QColor background;
        QColor ink;
        bool raised = false;
        bool checkable = false;
        bool checked = false;
        bool operator==(const FaceLook&) const = default;
    };
    // A mouse press: the key goes down and says so.
    void pressDown(QMouseEvent* event, bool secondOfDouble);
    // The press is lost: up, released, no click.
    void losePress();

    QString m_caption;
    QColor m_rest = Colours().plainKey.rest;
    QColor m_pressedColour = Colours().plainKey.pressed;
    QColor m_background = m_rest;
    QColor m_foreground = Colours().keyInk;
    bool m_raised = true;
    bool m_keyEnabled = true;
    bool m_invisible = false;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_down = false;
    bool m_afterDouble = false;
    FaceLook m_faceLook;
    QPixmap m_face;
};

}  // namespace sumbrel
