// The settings screen's look: five groups in two columns, large type for reading at arm's length.
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "settings/operator_pin.h"
#include "settings/ui/settings_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

namespace sumbrel {

namespace {

constexpr int kMargin = 24;
constexpr int kHeaderHeight = 84;
constexpr int kColumnWidth = (SettingsScreen::kWidth - 3 * kMargin) / 2;
constexpr int kFieldHeight = 50;
constexpr int kLabelSize = 19;
constexpr int kFieldSize = 19;

// A style sheet length: a design length in the screen's pixels.
QString CssPx(int designPixels)
{
    return QString::number(Px(designPixels)) + QStringLiteral("px");
}

// The screen's style, in the look's colours, its lengths in the screen's pixels.
QString Style()
{
    const Palette::Operator& c = Colours().operatorScreens;
    const QString accent = CssColour(Colours().accentKey.rest);
    QString style = QStringLiteral(
                        "QFrame#card { background: %1; border: 1px solid %2; border-radius: {16}; }"
                        "QLabel { color: %3; background: transparent; }"
                        "QLabel[role=\"title\"] { color: %4; }"
                        "QLabel[role=\"hint\"] { color: %5; }"
                        "QLabel[role=\"problem\"] { color: %6; }"
                        "QLineEdit, QComboBox { background: %7; color: %3; border: {2} solid %8;"
                        " border-radius: {10}; padding: 0 {12}; selection-background-color: %9;"
                        " selection-color: %3; }"
                        "QLineEdit:focus, QComboBox:focus { border: {2} solid %10; }"
                        "QLineEdit:disabled, QComboBox:disabled { color: %11; }"
                        "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: center right;"
                        " width: {40}; border: none; }"
                        "QComboBox::down-arrow { image: none; width: 0px; height: 0px; }"
                        "QComboBox QAbstractItemView::item { min-height: {44}; padding: 0 {12}; }"
                        "QComboBox QAbstractItemView { background: %1; color: %3; selection-background-color: %9;"
                        " selection-color: %3; }"
                        "QSlider::groove:horizontal { height: {12}; border-radius: {6}; background: %12; }"
                        "QSlider::sub-page:horizontal { border-radius: {6}; background: %9; }"
                        "QSlider::handle:horizontal { width: {34}; margin: -{12} 0; border-radius: {17};"
                        " background: %1; border: {3} solid %13; }"
                        "QProgressBar { border: {2} solid %8; border-radius: {10}; background: %14; height: {26}; }"
                        "QProgressBar::chunk { border-radius: {8}; background: %9; }")
                        .arg(CssColour(c.card), CssColour(c.cardRim), CssColour(c.ink), CssColour(c.title),
                             CssColour(c.hint), CssColour(c.problem), CssColour(c.field), CssColour(c.fieldRim), accent)
                        .arg(CssColour(c.focusRim), CssColour(c.disabledInk), CssColour(c.groove),
                             CssColour(Colours().accentKey.pressed), CssColour(c.track));
    // Each {n} is a design length.
    for (const int n : {2, 3, 6, 8, 10, 12, 16, 17, 26, 34, 40, 44})
        style.replace(QStringLiteral("{%1}").arg(n), CssPx(n));
    return style;
}

// A label that the card's layout places; its colour comes from the style by its role.
QLabel* Label(const QString& text, QWidget* parent, int size = kLabelSize)
{
    return MakeLabel(parent, QString(), QRect(), SettingsFont(size), Colours().operatorScreens.ink,
                     Qt::AlignLeft | Qt::AlignVCenter, {}, text);
}

// A white card with its title (none when empty); the rows go into the returned grid.
QGridLayout* Card(QWidget* card, const QString& title)
{
    card->setObjectName(QStringLiteral("card"));
    auto* outer = new QVBoxLayout(card);
    outer->setContentsMargins(Px(22), Px(title.isEmpty() ? 16 : 14), Px(22), Px(title.isEmpty() ? 16 : 18));
    outer->setSpacing(Px(10));
    if (!title.isEmpty()) {
        QLabel* heading = Label(title, card, 22);
        heading->setProperty("role", QStringLiteral("title"));
        outer->addWidget(heading);
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Px(14));
    grid->setVerticalSpacing(Px(12));
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    return grid;
}

// A row of elements side by side inside one cell of a card; spacing in design pixels.
QHBoxLayout* InlineRow(QWidget* holder, int spacing)
{
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Px(spacing));
    return row;
}

// The caption of a row's element: it names the element to a screen reader as well.
QLabel* Caption(QGridLayout* grid, const QString& label, QWidget* field)
{
    QLabel* caption = Label(label, grid->parentWidget());
    caption->setBuddy(field);
    field->setAccessibleName(label);
    field->setMinimumHeight(Px(kFieldHeight));
    return caption;
}

// One labelled row: the caption, then the element.
void Row(QGridLayout* grid, const QString& label, QWidget* field)
{
    QLabel* caption = Caption(grid, label, field);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
}

// A row for a long value: the caption above the element, which takes the card's whole width.
void StackedRow(QGridLayout* grid, const QString& label, QWidget* field)
{
    QLabel* caption = Caption(grid, label, field);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0, 1, 2);
    grid->addWidget(field, row + 1, 0, 1, 2);
}

// The dual-monitor box drawn large enough to hit with a finger: a rounded box with a tick, then its text.
class TickBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    QSize sizeHint() const override
    {
        return {Px(kBox + kGap) + fontMetrics().horizontalAdvance(text()) + Px(8),
                std::max(Px(kBox + 4), fontMetrics().height())};
    }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int side = Px(kBox);
        const int gap = Px(kGap);
        const QRectF box(Px(2), (height() - side) / 2.0, side, side);
        const bool on = isChecked();
        const Palette::Operator& c = Colours().operatorScreens;
        p.setPen(QPen(on ? Colours().accentKey.pressed : c.boxOff, Px(2)));
        p.setBrush(on ? Colours().accentKey.rest : c.card);
        p.drawRoundedRect(box, Px(8), Px(8));
        if (on) {
            QPen tick(c.ink, Px(4), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(tick);
            p.setBrush(Qt::NoBrush);
            const QPointF points[] = {box.topLeft() + QPointF(side * 0.24, side * 0.52),
                                      box.topLeft() + QPointF(side * 0.43, side * 0.72),
                                      box.topLeft() + QPointF(side * 0.77, side * 0.30)};
            p.drawPolyline(points, 3);
        }
        if (hasFocus()) {
            const int ring = Px(3);
            p.setPen(QPen(c.focusRim, Px(2)));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(box.adjusted(-ring, -ring, ring, ring), Px(10), Px(10));
        }
        p.setPen(isEnabled() ? c.ink : c.disabledInk);
        p.setFont(font());
        p.drawText(QRectF(box.right() + gap, 0, width() - box.right() - gap, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, text());
    }

private:
    static constexpr int kBox = 34;
    static constexpr int kGap = 14;
};

// A drop-down list with a chevron large enough to see from arm's length.
class DropList : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QComboBox::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const Palette::Operator& c = Colours().operatorScreens;
        p.setPen(QPen(isEnabled() ? c.title : c.boxOff, Px(3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF centre(width() - Px(24), height() / 2.0);
        const QPointF points[] = {centre + QPointF(-Px(7), -Px(3)), centre + QPointF(0, Px(4)),
                                  centre + QPointF(Px(7), -Px(3))};
        p.drawPolyline(points, 3);
    }
};

QComboBox* Combo(const QString& name, QWidget* parent)
{
    auto* combo = new DropList(parent);
    combo->setView(new QListView(combo));
    combo->view()->setFont(SettingsFont(kFieldSize));
    combo->setObjectName(name);
    combo->setFont(SettingsFont(kFieldSize));
    return combo;
}

// traceName: the box as the on-screen keyboard's trace lines name it.
QLineEdit* TextBox(const QString& name, QWidget* parent, const QString& traceName = QString())
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (!traceName.isEmpty())
        SetTraceName(box, traceName);
    box->setFont(SettingsFont(kFieldSize));
    return box;
}

// A key that a layout places.
CaptionKey* Key(const QString& name, const QString& caption, QWidget* parent, int size)
{
    return MakeKey(parent, name, caption, QRect(), SettingsFont(size), Colours().accentKey, Colours().keyInk);
}

// Two coordinate boxes under one label: "X" and "Y" beside each box.
QWidget* Coordinates(const QString& label, QLineEdit*& x, QLineEdit*& y, const QString& xName, const QString& yName,
                     QWidget* parent)
{
    auto* pair = new QWidget(parent);
    auto* row = InlineRow(pair, 8);
    x = TextBox(xName, pair);
    y = TextBox(yName, pair);
    for (auto [box, axis] : {std::pair{x, QStringLiteral("X")}, std::pair{y, QStringLiteral("Y")}}) {
        QLabel* axisLabel = Label(axis, pair);
        axisLabel->setProperty("role", QStringLiteral("hint"));
        axisLabel->setBuddy(box);
        box->setAccessibleName(label + u' ' + axis);
        box->setMinimumHeight(Px(kFieldHeight));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row->addWidget(axisLabel);
        row->addWidget(box, 1);
    }
    pair->setAccessibleName(label);
    return pair;
}

}  // namespace

void SettingsScreen::buildWidgets()
{
    setStyleSheet(Style());
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("content"));
    m_content->setGeometry(QRect(QPoint(0, 0), Px(QSize(kWidth, kHeight))));

    QLabel* title = Label(QStringLiteral("환경 설정"), m_content, 34);
    title->setObjectName(QStringLiteral("title"));
    title->setGeometry(Px(QRect(kMargin + 8, 18, 420, 52)));
    m_hint = Label(QStringLiteral("설정은 닫을 때 저장됩니다."), m_content, 17);
    m_hint->setObjectName(QStringLiteral("hint"));
    m_hint->setProperty("role", QStringLiteral("hint"));
    m_hint->setGeometry(Px(QRect(kMargin + 230, 32, 470, 30)));
    m_saveResult = Label(QString(), m_content, 15);
    m_saveResult->setObjectName(QStringLiteral("saveResult"));
    m_saveResult->setProperty("role", QStringLiteral("problem"));
    m_saveResult->setWordWrap(true);
    m_saveResult->setGeometry(Px(QRect(kMargin + 230, 12, 490, 64)));
    m_saveResult->hide();

    m_terminateKey = Key(QStringLiteral("terminateKey"), QStringLiteral("저장하고 닫기"), m_content, 22);
    m_terminateKey->setGeometry(Px(QRect(kWidth - kMargin - 220, 16, 220, 56)));

    const int top = kHeaderHeight + 8;
    auto* left = new QWidget(m_content);
    left->setGeometry(Px(QRect(kMargin, top, kColumnWidth, kHeight - top - kMargin)));
    auto* right = new QWidget(m_content);
    right->setGeometry(Px(QRect(2 * kMargin + kColumnWidth, top, kColumnWidth, kHeight - top - kMargin)));
    auto* leftColumn = new QVBoxLayout(left);
    auto* rightColumn = new QVBoxLayout(right);
    for (QVBoxLayout* column : {leftColumn, rightColumn}) {
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(Px(16));
    }
    auto addCard = [](QVBoxLayout* column, QWidget* parent) {
        auto* card = new QFrame(parent);
        column->addWidget(card);
        return card;
    };
    buildCallDisplayGroup(addCard(leftColumn, left));
    buildAlarmGroup(addCard(leftColumn, left));
    buildOperatorPinGroup(addCard(leftColumn, left));
    leftColumn->addStretch(1);
    buildTextsGroup(addCard(rightColumn, right));
    buildPlacementGroup(addCard(rightColumn, right));
    buildPicturesGroup(addCard(rightColumn, right));
    rightColumn->addStretch(1);

    buildWaitPanel();
}

void SettingsScreen::buildCallDisplayGroup(QWidget* group)
{
    QGridLayout* grid = Card(group, QStringLiteral("호출 화면"));
    m_calledCustomerBox = Combo(QStringLiteral("calledCustomerBox"), group);
    m_calledCustomerBox->addItems(settings::CalledCustomerTexts());
    Row(grid, QStringLiteral("호출고객"), m_calledCustomerBox);
    m_preparingCustomerBox = Combo(QStringLiteral("preparingCustomerBox"), group);
    m_preparingCustomerBox->addItems(settings::PreparingCustomerTexts());
    Row(grid, QStringLiteral("준비중고객"), m_preparingCustomerBox);
    m_callTimeBox = Combo(QStringLiteral("callTimeBox"), group);
    m_callTimeBox->addItems(settings::CallTimeTexts());
    Row(grid, QStringLiteral("호출 표시 시간"), m_callTimeBox);

    auto* image = new QWidget(group);
    auto* row = InlineRow(image, 8);
    m_imageFileBox = TextBox(QStringLiteral("imageFileBox"), image, QStringLiteral("Text1"));
    m_imageFileBox->setAccessibleName(QStringLiteral("이미지"));
    m_imageFileBox->setMinimumHeight(Px(kFieldHeight));
    m_chooseImageKey = Key(QStringLiteral("chooseImageKey"), QStringLiteral("..."), image, 22);
    m_chooseImageKey->setAccessibleDescription(QStringLiteral("이미지 파일 선택"));
    m_chooseImageKey->setFixedSize(Px(QSize(64, kFieldHeight)));
    row->addWidget(m_imageFileBox, 1);
    row->addWidget(m_chooseImageKey);
    Row(grid, QStringLiteral("이미지"), image);
}

void SettingsScreen::buildAlarmGroup(QWidget* group)
{
    QGridLayout* grid = Card(group, QStringLiteral("알림"));
    m_alarmKindBox = Combo(QStringLiteral("alarmKindBox"), group);
    StackedRow(grid, QStringLiteral("알림 종류"), m_alarmKindBox);

    auto* volume = new QWidget(group);
    auto* row = InlineRow(volume, 12);
    m_volumeSlider = new QSlider(Qt::Horizontal, volume);
    m_volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    m_volumeSlider->setRange(settings::kVolumeMin, settings::kVolumeMax);
    m_volumeSlider->setPageStep(10);
    m_volumeSlider->setValue(settings::kSliderStart);
    m_volumeSlider->setMinimumHeight(Px(kFieldHeight));
    m_volumeSlider->setAccessibleName(QStringLiteral("알림 볼륨설정"));
    m_volumeLabel = Label(QString::number(settings::kSliderStart), volume, 22);
    m_volumeLabel->setObjectName(QStringLiteral("volume"));
    m_volumeLabel->setFixedWidth(Px(52));
    m_volumeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_volumeSlider, 1);
    row->addWidget(m_volumeLabel);
    Row(grid, QStringLiteral("알림 볼륨설정"), volume);
}

void SettingsScreen::buildOperatorPinGroup(QWidget* group)
{
    // One row without a title: the caption names the PIN and says whether one is in use.
    QGridLayout* grid = Card(group, QString());
    auto* caption = new QWidget(group);
    auto* lines = new QVBoxLayout(caption);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    QLabel* name = Label(QStringLiteral("운영자 PIN"), caption);
    name->setProperty("role", QStringLiteral("title"));
    m_pinState = Label(QString(), caption, 15);
    m_pinState->setObjectName(QStringLiteral("pinState"));
    m_pinState->setProperty("role", QStringLiteral("hint"));
    lines->addWidget(name);
    lines->addWidget(m_pinState);

    auto* entry = new QWidget(group);
    auto* row = InlineRow(entry, 8);
    m_pinBox = TextBox(QStringLiteral("operatorPinBox"), entry, QStringLiteral("txtOperatorPin"));
    m_pinBox->setAccessibleName(QStringLiteral("운영자 PIN"));
    m_pinBox->setEchoMode(QLineEdit::Password);
    m_pinBox->setMaxLength(pin::kMaxDigits);
    m_pinBox->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_pinBox));
    m_pinBox->setPlaceholderText(QStringLiteral("%1~%2자리").arg(pin::kMinDigits).arg(pin::kMaxDigits));
    m_pinBox->setMinimumHeight(Px(kFieldHeight));
    m_pinBox->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    m_savePinKey = Key(QStringLiteral("savePinKey"), QStringLiteral("저장"), entry, 20);
    m_clearPinKey = Key(QStringLiteral("clearPinKey"), QStringLiteral("해제"), entry, 20);
    for (CaptionKey* key : {m_savePinKey, m_clearPinKey}) {
        key->setFixedSize(Px(QSize(76, kFieldHeight)));
        key->setAccessibleDescription(QStringLiteral("운영자 PIN ") + key->caption());
    }
    row->addWidget(m_pinBox, 1);
    row->addWidget(m_savePinKey);
    row->addWidget(m_clearPinKey);
    const int at = grid->rowCount();
    grid->addWidget(caption, at, 0);
    grid->addWidget(entry, at, 1);
}

void SettingsScreen::buildTextsGroup(QWidget* group)
{
    QGridLayout* grid = Card(group, QStringLiteral("안내 문구"));
    m_callTextBox = TextBox(QStringLiteral("callTextBox"), group, QStringLiteral("Text3"));
    Row(grid, QStringLiteral("호출멘트"), m_callTextBox);
    m_bottomTextBox = TextBox(QStringLiteral("bottomTextBox"), group, QStringLiteral("Text2"));
    Row(grid, QStringLiteral("하단멘트"), m_bottomTextBox);
}

void SettingsScreen::buildPlacementGroup(QWidget* group)
{
    QGridLayout* grid = Card(group, QStringLiteral("화면 배치"));
    m_dualMonitorBox = new TickBox(QStringLiteral("듀얼모니터 사용"), group);
    m_dualMonitorBox->setObjectName(QStringLiteral("dualMonitorBox"));
    m_dualMonitorBox->setAccessibleName(m_dualMonitorBox->text());
    m_dualMonitorBox->setFont(SettingsFont(kLabelSize));
    m_dualMonitorBox->setMinimumHeight(Px(kFieldHeight));
    grid->addWidget(m_dualMonitorBox, grid->rowCount(), 0, 1, 2);
    const QString reception = QStringLiteral("접수부 좌표 (좌상)");
    const QString callDisplay = QStringLiteral("호출부 좌표 (좌상)");
    Row(grid, reception,
        Coordinates(reception, m_orderLeftBox, m_orderTopBox, QStringLiteral("LeftO"), QStringLiteral("TopO"), group));
    Row(grid, callDisplay,
        Coordinates(callDisplay, m_callLeftBox, m_callTopBox, QStringLiteral("LeftC"), QStringLiteral("TopC"), group));
}

void SettingsScreen::buildPicturesGroup(QWidget* group)
{
    QGridLayout* grid = Card(group, QStringLiteral("메뉴 사진"));
    m_downloadKey = Key(QStringLiteral("downloadPicturesKey"), QStringLiteral("서버 이미지 불러오기"), group, 21);
    m_downloadKey->setMinimumHeight(Px(56));
    grid->addWidget(m_downloadKey, grid->rowCount(), 0, 1, 2);
    m_downloadResult = Label(QString(), group, 16);
    m_downloadResult->setObjectName(QStringLiteral("downloadResult"));
    m_downloadResult->setProperty("role", QStringLiteral("hint"));
    m_downloadResult->setWordWrap(true);
    grid->addWidget(m_downloadResult, grid->rowCount(), 0, 1, 2);
}

void SettingsScreen::buildWaitPanel()
{
    // A shade over the whole screen keeps every element out of reach while the pictures come down.
    m_waitShade = new QWidget(this);
    m_waitShade->setObjectName(QStringLiteral("waitShade"));
    m_waitShade->setAttribute(Qt::WA_StyledBackground);
    m_waitShade->setStyleSheet(
        QStringLiteral("QWidget#waitShade { background: %1; }").arg(CssColour(Colours().operatorScreens.waitShade)));
    m_waitShade->setGeometry(QRect(QPoint(0, 0), Px(QSize(kWidth, kHeight))));

    const QSize size(620, 380);
    auto* panel = new QFrame(m_waitShade);
    panel->setObjectName(QStringLiteral("waitPanel"));
    panel->setStyleSheet(QStringLiteral("QFrame#waitPanel { background: %1; border-radius: %2; }")
                             .arg(CssColour(Colours().operatorScreens.card), CssPx(20)));
    panel->setGeometry(
        Px(QRect((kWidth - size.width()) / 2, (kHeight - size.height()) / 2, size.width(), size.height())));
    m_waitPanel = panel;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(Px(40), Px(28), Px(40), Px(30));
    column->setSpacing(Px(14));
    auto* head = new QHBoxLayout;
    head->setSpacing(Px(16));
    m_waitPicture = TextLabel(panel, QStringLiteral("waitPicture"));
    m_waitPicture->setFixedSize(Px(QSize(64, 64)));
    m_waitPicture->setScaledContents(true);
    m_waitPicture->hide();
    QLabel* title = Label(QStringLiteral("서버 이미지 불러오는 중"), panel, 26);
    title->setObjectName(QStringLiteral("waitTitle"));
    head->addWidget(m_waitPicture);
    head->addWidget(title, 1);
    column->addLayout(head);
    m_waitProgress = new QProgressBar(panel);
    m_waitProgress->setObjectName(QStringLiteral("waitProgress"));
    m_waitProgress->setAccessibleName(QStringLiteral("진행"));
    m_waitProgress->setTextVisible(false);
    m_waitProgress->setFixedHeight(Px(28));
    column->addWidget(m_waitProgress);
    m_waitCount = Label(QString(), panel, 30);
    m_waitCount->setObjectName(QStringLiteral("waitCount"));
    m_waitCount->setAlignment(Qt::AlignCenter);
    column->addWidget(m_waitCount);
    m_waitItem = Label(QString(), panel, 20);
    m_waitItem->setObjectName(QStringLiteral("waitItem"));
    m_waitItem->setProperty("role", QStringLiteral("hint"));
    m_waitItem->setAlignment(Qt::AlignCenter);
    column->addWidget(m_waitItem);
    m_stopDownloadKey = Key(QStringLiteral("stopDownloadKey"), QStringLiteral("중지"), panel, 24);
    m_stopDownloadKey->setFixedSize(Px(QSize(200, 60)));
    column->addWidget(m_stopDownloadKey, 0, Qt::AlignHCenter);
    m_waitShade->hide();
}

}  // namespace sumbrel
