#pragma once
// The two small controls of the login screen: a clickable label key and a two-state picture box.
#include <QAbstractButton>
#include <QLabel>

namespace sumbrel {

// A label that acts as a key: a click inside it while enabled emits clicked(). A screen reader
// sees a push button named by its text.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_pressed = false;
};

// A two-state box drawn as a switch with its caption; on and off are told apart by colour and knob.
class ToggleBox : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToggleBox(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace sumbrel
