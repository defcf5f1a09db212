#include "presentation/onscreen_keyboard.h"
#include "presentation/focus_ring.h"

#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace sumbrel {

namespace {

using osk::Cell;
using osk::KeyDef;
using osk::KeyKind;
using osk::Page;

int Index(Page page)
{
    return page == Page::Letters ? 0 : 1;
}

// A character key is named by its letter or digit, or by its code for a sign ("oskKey_26" for "&").
QString KeyName(const KeyDef& key)
{
    switch (key.kind) {
    case KeyKind::Character:
        return key.character.isLetterOrNumber()
            ? QStringLiteral("oskKey_") + key.character
            : QStringLiteral("oskKey_%1").arg(key.character.unicode(), 2, 16, QLatin1Char('0'));
    case KeyKind::Space:
        return QStringLiteral("oskSpace");
    case KeyKind::Shift:
        return QStringLiteral("oskShift");
    case KeyKind::Caps:
        return QStringLiteral("oskCaps");
    case KeyKind::ToSymbols:
        return QStringLiteral("oskSymbols");
    case KeyKind::ToLetters:
        return QStringLiteral("oskLetters");
    case KeyKind::Delete:
        return QStringLiteral("oskDelete");
    case KeyKind::Enter:
        return QStringLiteral("oskEnter");
    case KeyKind::Close:
        return QStringLiteral("oskClose");
    }
    return QString();
}

KeyColours FaceOf(const KeyDef& key)
{
    const Palette::Operator& c = Colours().operatorScreens;
    if (key.kind == KeyKind::Enter)
        return Colours().accentKey;
    if (key.kind == KeyKind::Character || key.kind == KeyKind::Space)
        return {c.card, c.groove};
    return Colours().plainKey;
}

std::optional<osk::Arrow> ArrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return osk::Arrow::Left;
    case Qt::Key_Right:
        return osk::Arrow::Right;
    case Qt::Key_Up:
        return osk::Arrow::Up;
    case Qt::Key_Down:
        return osk::Arrow::Down;
    default:
        return std::nullopt;
    }
}

}  // namespace

OnScreenKeyboard::OnScreenKeyboard(QWidget* window)
    : QWidget(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("oskKeyboard"));
    setAccessibleName(QStringLiteral("키보드"));
    SetFill(this, Colours().operatorScreens.paperRim);
    build();
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
}

OnScreenKeyboard::~OnScreenKeyboard() = default;

void OnScreenKeyboard::build()
{
    for (const Page page : {Page::Letters, Page::Symbols}) {
        auto* holder = new QWidget(this);
        holder->setObjectName(page == Page::Letters ? QStringLiteral("oskLetterPage")
                                                    : QStringLiteral("oskSymbolPage"));
        m_pages.at(Index(page)) = holder;
        const QList<osk::KeyRow>& rows = osk::Rows(page);
        for (int r = 0; r < rows.size(); ++r) {
            QList<CaptionKey*> keys;
            for (int c = 0; c < rows[r].size(); ++c) {
                const KeyDef& def = rows[r][c];
                // Signs in a Latin face: a Korean one draws the backslash as a won sign.
                const bool sign = def.kind == KeyKind::Character && !def.character.isLetterOrNumber();
                CaptionKey* key = MakeKey(holder, KeyName(def), osk::Caption(def, false), QRect(),
                                          sign ? CloseKeyFont(20) : KeyFont(20), FaceOf(def),
                                          Colours().operatorScreens.ink);
                connect(key, &CaptionKey::clicked, this, [this, page, r, c] { press(page, {r, c}); });
                keys.append(key);
            }
            m_keys.at(Index(page)).append(keys);
        }
    }
    m_ring = new FocusRing(this, QStringLiteral("oskRing"), Px(6));
}

void OnScreenKeyboard::attach(QLineEdit* field)
{
    if (!field || m_fields.contains(field))
        return;
    m_fields.append(field);
    field->installEventFilter(this);
}

void OnScreenKeyboard::open(QLineEdit* field)
{
    if (!field || !field->isEnabled())
        return;
    const bool opening = !m_open;
    m_target = field;
    if (opening) {
        m_state.reset();
        m_ringCell = {};
        hideRing();
        WriteLog(QStringLiteral("  [%1→OnScreenKeyboard] open for %2").arg(TraceName(m_window), TraceName(field)));
    }
    m_open = true;
    place();
    showState();
    raise();
    show();
    if (!field->hasFocus())
        field->setFocus(Qt::OtherFocusReason);
}

void OnScreenKeyboard::dismiss()
{
    if (!m_open)
        return;
    m_open = false;
    hideRing();
    hide();
    WriteLog(QStringLiteral("  [%1→OnScreenKeyboard] closed").arg(TraceName(m_window)));
}

CaptionKey* OnScreenKeyboard::key(Cell cell) const
{
    const QList<QList<CaptionKey*>>& keys = m_keys.at(Index(m_state.page()));
    if (cell.row < 0 || cell.row >= keys.size() || cell.column < 0 || cell.column >= keys[cell.row].size())
        return nullptr;
    return keys[cell.row][cell.column];
}

CaptionKey* OnScreenKeyboard::ringed() const
{
    return m_ringShown ? key(m_ringCell) : nullptr;
}

void OnScreenKeyboard::place()
{
    if (!m_target)
        return;
    const QRect field(m_target->mapTo(m_window, QPoint(0, 0)), m_target->size());
    setGeometry(osk::KeyboardPlace(m_window->size(), field));
    // Margins that keep the corner keys inside a rounded window (the login's 85 px corners).
    const int margin = std::max(Px(14), width() / 64);
    const int gap = std::max(Px(4), width() / 150);
    for (const Page page : {Page::Letters, Page::Symbols}) {
        m_pages.at(Index(page))->setGeometry(rect());
        const QList<QList<CaptionKey*>>& keys = m_keys.at(Index(page));
        for (int r = 0; r < keys.size(); ++r) {
            for (int c = 0; c < keys[r].size(); ++c) {
                CaptionKey* key = keys[r][c];
                const QRect cell = osk::KeyRect(page, {r, c}, size(), margin, gap);
                key->setGeometry(cell);
                // The type as large as the key's height allows, smaller where a caption would not fit.
                QFont font = key->font();
                font.setPixelSize(std::max(Px(10), cell.height() * 9 / 20));
                const QRect room(0, 0, cell.width() - Px(10), cell.height() - Px(8));
                font.setPixelSize(
                    FittingPixelSize(font, osk::Caption(osk::Rows(page)[r][c], true), room, false, Px(9)));
                key->setFont(font);
            }
        }
    }
}

void OnScreenKeyboard::showState()
{
    const Page shown = m_state.page();
    for (const Page page : {Page::Letters, Page::Symbols})
        m_pages.at(Index(page))->setVisible(page == shown);
    const QList<osk::KeyRow>& rows = osk::Rows(shown);
    const QList<QList<CaptionKey*>>& keys = m_keys.at(Index(shown));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const KeyDef& def = rows[r][c];
            CaptionKey* key = keys[r][c];
            key->setCaption(osk::Caption(def, m_state.upper()));
            // A shift or caps in force shows in the key colour, and in the letters' case.
            const bool on = (def.kind == KeyKind::Shift && m_state.shift())
                || (def.kind == KeyKind::Caps && m_state.caps());
            const KeyColours face = on ? Colours().accentKey : FaceOf(def);
            key->setColours(face.rest, face.pressed);
        }
    }
    m_ringCell = osk::Clamped(shown, m_ringCell);
    if (m_ringShown)
        showRing();
}

void OnScreenKeyboard::press(Page page, Cell cell)
{
    // A key of the page no longer shown (a touch that was on its way) does nothing.
    if (!m_open || page != m_state.page())
        return;
    const osk::Action action = m_state.press(osk::Rows(page)[cell.row][cell.column]);
    switch (action.what) {
    case osk::Action::Type: {
        const osk::KeyStroke stroke = osk::StrokeFor(action.character);
        send(stroke.key, stroke.modifiers, stroke.text);
        break;
    }
    case osk::Action::Erase:
        send(Qt::Key_Backspace, Qt::NoModifier, QString());
        break;
    case osk::Action::Submit:
        send(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        break;
    case osk::Action::Close:
        dismiss();
        return;
    case osk::Action::None:
        break;
    }
    if (m_open)
        showState();
}

void OnScreenKeyboard::send(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const QPointer<QLineEdit> field = m_target;
    if (!field || !field->isEnabled())
        return;
    // The field's own filters see these as from a keyboard; this keyboard's filter lets them pass.
    const QPointer<OnScreenKeyboard> self(this);
    m_sending = true;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(field, &press);
    if (field) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(field, &release);
    }
    if (self)
        m_sending = false;
}

void OnScreenKeyboard::moveRing(osk::Arrow arrow)
{
    if (m_ringShown)
        m_ringCell = osk::MoveOn(m_state.page(), m_ringCell, arrow);
    showRing();
}

void OnScreenKeyboard::showRing()
{
    CaptionKey* target = key(m_ringCell);
    if (!target)
        return;
    m_ringShown = true;
    m_ring->surround(target->geometry());
}

void OnScreenKeyboard::hideRing()
{
    m_ringShown = false;
    m_ring->hide();
}

void OnScreenKeyboard::followFocus(QWidget* now)
{
    if (!m_open || !now)
        return;
    for (const QPointer<QLineEdit>& field : m_fields) {
        if (field == now) {
            m_target = field;
            place();
            showState();
            return;
        }
    }
    // Another element of the same window took the focus: the keyboard has nothing to type into.
    if (now->window() == m_window->window())
        dismiss();
}

bool OnScreenKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        open(field);
    } else if (event->type() == QEvent::KeyPress && !m_sending) {
        const auto* pressed = static_cast<QKeyEvent*>(event);
        const std::optional<osk::Arrow> arrow = ArrowOf(pressed->key());
        if (!m_open) {
            // A keypad has no field to touch: up or down opens the keyboard with its ring.
            if ((arrow == osk::Arrow::Up || arrow == osk::Arrow::Down) && field->isEnabled()) {
                open(field);
                showRing();
                return true;
            }
            return QWidget::eventFilter(watched, event);
        }
        if (arrow) {
            moveRing(*arrow);
            return true;
        }
        if ((pressed->key() == Qt::Key_Return || pressed->key() == Qt::Key_Enter) && m_ringShown) {
            press(m_state.page(), m_ringCell);
            return true;
        }
        if (pressed->key() == Qt::Key_Escape) {
            dismiss();
            return true;
        }
        // Typing on a physical keyboard: the ring goes, so its Enter reaches the field again. A Tab
        // (the login's Enter in ID becomes one) keeps it.
        if (!pressed->text().isEmpty() && pressed->text().front().isPrint())
            hideRing();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sumbrel
