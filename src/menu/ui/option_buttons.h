#pragma once
// The rows of the option dialog: a choice row (single choice or check box) and its price panel.
// Both are buttons to a screen reader, named by the text they show. Neither changes its own state:
// a touch is reported, and the dialog shows the choice its model then holds.
#include <QAbstractButton>

namespace sumbrel {

class OptionRow : public QAbstractButton {
    Q_OBJECT
public:
    // singleChoice: a radio button (one chosen per group); else a check box.
    OptionRow(const QString& name, bool singleChoice, QWidget* parent);
    bool isSingleChoice() const { return autoExclusive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override { }
};

class PricePanel : public QAbstractButton {
    Q_OBJECT
public:
    PricePanel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sumbrel
