#include "access/spoken.h"

namespace sumbrel::access {

QString HowToMove()
{
    return QStringLiteral("화살표 키로 이동하고 확인 키로 누르세요. 뒤로 키는 이전 화면, 별표 키는 다시 듣기입니다.");
}

QString StartPanelIntro(bool eatInOffered)
{
    return (eatInOffered ? QStringLiteral("주문을 시작합니다. 매장 식사 또는 포장 주문을 고르세요. ")
                         : QStringLiteral("주문을 시작합니다. 포장 주문을 누르세요. "))
        + HowToMove();
}

QString ModePanelIntro()
{
    return QStringLiteral("쉬운 주문 설정입니다. 음성 안내, 낮은 화면, 크게 보기, 고대비를 켜거나 끄고 주문 시작을 누르세요. ")
        + HowToMove();
}

QString MenuPageIntro(const QString& category, int page, int pages, int items, int cartLines)
{
    QString text = QStringLiteral("메뉴 화면입니다. ") + category + QStringLiteral(" 분류");
    if (pages > 1)
        text += QStringLiteral(", ") + PageText(QString(), page, pages);
    text += QStringLiteral(", 메뉴 ") + QString::number(items) + QStringLiteral("개. ");
    if (cartLines > 0)
        text += QStringLiteral("담은 메뉴 ") + QString::number(cartLines) + QStringLiteral("개. ");
    return text + QStringLiteral("메뉴를 고르면 수량과 옵션을 정할 수 있습니다. 다 고르면 선택완료를 누르세요. ")
        + HowToMove();
}

QString ItemDialogIntro(const QString& name, const QString& priceText, int optionGroups)
{
    QString text = name + QStringLiteral(", ") + priceText + QStringLiteral("원. ");
    if (optionGroups > 0)
        text += QStringLiteral("옵션 ") + QString::number(optionGroups) + QStringLiteral("가지를 고를 수 있습니다. ");
    return text + QStringLiteral("수량을 정하고 주문 담기를 누르세요. 뒤로 키는 담지 않고 닫습니다.");
}

QString PhonePanelIntro(bool submitsHere)
{
    return QStringLiteral("휴대폰 번호를 숫자 키로 입력하고 ") + (submitsHere ? QStringLiteral("접수") : QStringLiteral("다음"))
        + QStringLiteral("을 누르세요. 뒤로 키는 한 자리를 지웁니다.");
}

QString CarPanelIntro(const QString& shopText, bool submitsHere)
{
    QString text = QStringLiteral("차량 번호 네 자리를 숫자 키로 입력하고 ")
        + (submitsHere ? QStringLiteral("접수") : QStringLiteral("다음")) + QStringLiteral("을 누르세요. ");
    if (!shopText.trimmed().isEmpty())
        text += SpokenForm(shopText);
    return text;
}

QString PaymentPanelIntro()
{
    return QStringLiteral("결제 방법을 고르세요. 현금결제 또는 카드결제입니다.");
}

QString KeyText(const QString& caption, bool enabled)
{
    return SpokenForm(caption) + QStringLiteral(", 버튼") + (enabled ? QString() : QStringLiteral(", 사용할 수 없음"));
}

QString ToggleText(const QString& name, bool on)
{
    return name + (on ? QStringLiteral(", 켜짐") : QStringLiteral(", 꺼짐"));
}

QString TileText(const QString& name, const QString& priceText, bool hasOptions)
{
    return name + QStringLiteral(", ") + priceText + (hasOptions ? QStringLiteral(", 옵션 있음") : QString());
}

QString OptionText(const QString& group, const QString& name, const QString& priceText, bool chosen)
{
    return group + QStringLiteral(", ") + name + QStringLiteral(", ") + priceText
        + (chosen ? QStringLiteral(", 선택됨") : QStringLiteral(", 선택 안 됨"));
}

QString QuantityText(int quantity)
{
    return QStringLiteral("수량 ") + QString::number(quantity);
}

QString PageText(const QString& what, int page, int pages)
{
    return (what.isEmpty() ? QString() : what + u' ') + QString::number(pages) + QStringLiteral("쪽 중 ")
        + QString::number(page) + QStringLiteral("쪽");
}

QString OrderLineText(int number, const QString& name, int quantity, const QString& amountText)
{
    return QString::number(number) + QStringLiteral("번, ") + name + QStringLiteral(", ") + QString::number(quantity)
        + QStringLiteral("개, ") + amountText;
}

QString LineAddedText(const QString& name, int quantity, const QString& totalText)
{
    return name + QStringLiteral(" ") + QString::number(quantity) + QStringLiteral("개를 담았습니다. 합계 ") + totalText;
}

QString MinimumNotMetText(const QString& group, int minimum)
{
    return group + QStringLiteral("에서 ") + QString::number(minimum) + QStringLiteral("개 이상 고르세요.");
}

QString TotalsText(int lines, const QString& totalText)
{
    return QStringLiteral("총 수량 ") + QString::number(lines) + QStringLiteral(", 합계 ") + totalText;
}

QString DigitsText(const QString& shown)
{
    QString spoken;
    for (QChar c : shown) {
        if (c.isDigit())
            spoken += c + QStringLiteral(" ");
        else if (c == u'*')
            spoken += QStringLiteral("별 ");
    }
    return spoken.trimmed();
}

QString IdleWarningText(int seconds, const QString& what)
{
    return QString::number(seconds) + QStringLiteral("초 후 ") + what
        + QStringLiteral(". 계속하시려면 화면을 터치하거나 아무 키나 누르세요.");
}

QString OutcomeText(const QString& title, const QString& message)
{
    return SpokenForm(title + QStringLiteral(". ") + message);
}

QString SpokenForm(const QString& shown)
{
    // Key faces that are signs only: a voice would read the sign's name.
    static const struct {
        const char16_t* face;
        const char16_t* said;
    } kSigns[] = {{u"<-", u"지우기"}, {u"X", u"닫기"}, {u"x", u"삭제"}, {u"+", u"하나 더"}, {u"-", u"하나 빼기"}};
    const QString whole = shown.trimmed();
    for (const auto& sign : kSigns) {
        if (whole == QString::fromUtf16(sign.face))
            return QString::fromUtf16(sign.said);
    }
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\n', u' ');
    text.replace(QStringLiteral("~"), QString());
    // Arrows beside a word ("▶ 다음") say nothing the word does not.
    for (const QChar arrow : {u'▲', u'▼', u'◀', u'▶'})
        text.remove(arrow);
    return text.simplified();
}

}  // namespace sumbrel::access
