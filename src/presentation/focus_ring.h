#pragma once
// The ring the keypad draws around the element it is on: a black band around a yellow one, so one
// of the two stands out against any face (each has a contrast of more than 7:1 to the other, and
// one of them to any colour). It takes no touch.
#include <QWidget>

namespace sumbrel {

class FocusRing : public QWidget {
public:
    FocusRing(QWidget* parent, const QString& objectName, int width);
    int width() const { return m_width; }
    // Around the rectangle (in the parent's coordinates), raised and shown.
    void surround(const QRect& rect);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_width;
};

}  // namespace sumbrel
