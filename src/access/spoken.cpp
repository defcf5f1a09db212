#include "access/spoken.h"

#include "access/language.h"

#include <algorithm>

namespace sumbrel::access {

namespace {
QString Number(int n)
{
    return QString::number(n);
}
}  // namespace

QString HowToMove()
{
    return Tr("화살표 키로 이동하고 확인 키로 누르세요. 뒤로 키는 이전 화면, 별표 키는 다시 듣기입니다.");
}

QString StartPanelIntro(bool eatInOffered)
{
    return (eatInOffered ? Tr("주문을 시작합니다. 매장 식사 또는 포장 주문을 고르세요.")
                         : Tr("주문을 시작합니다. 포장 주문을 누르세요."))
        + u' ' + HowToMove();
}

QString ModePanelIntro()
{
    return Tr("쉬운 주문 설정입니다. 음성 안내, 낮은 화면, 크게 보기, 고대비를 켜거나 끄고 주문 시작을 누르세요.")
        + u' ' + HowToMove();
}

QString MenuPageIntro(const QString& category, int page, int pages, int items, int cartLines)
{
    QString text = Tr("메뉴 화면입니다. %1 분류").arg(category);
    if (pages > 1)
        text += QStringLiteral(", ") + PageText(QString(), page, pages);
    text += Tr(", 메뉴 %1개.").arg(items) + u' ';
    if (cartLines > 0)
        text += Tr("담은 메뉴 %1개.").arg(cartLines) + u' ';
    return text + Tr("메뉴를 고르면 수량과 옵션을 정할 수 있습니다. 다 고르면 선택완료를 누르세요.") + u' '
        + HowToMove();
}

QString ItemDialogIntro(const QString& name, const QString& priceText, int optionGroups)
{
    QString text = Tr("%1, %2원.").arg(name, priceText) + u' ';
    if (optionGroups > 0)
        text += Tr("옵션 %1가지를 고를 수 있습니다.").arg(optionGroups) + u' ';
    return text + Tr("수량을 정하고 주문 담기를 누르세요. 뒤로 키는 담지 않고 닫습니다.");
}

QString PhonePanelIntro(bool submitsHere)
{
    return submitsHere ? Tr("휴대폰 번호를 숫자 키로 입력하고 접수을 누르세요. 뒤로 키는 한 자리를 지웁니다.")
                       : Tr("휴대폰 번호를 숫자 키로 입력하고 다음을 누르세요. 뒤로 키는 한 자리를 지웁니다.");
}

QString CarPanelIntro(const QString& shopText, bool submitsHere)
{
    QString text = (submitsHere ? Tr("차량 번호 네 자리를 숫자 키로 입력하고 접수을 누르세요.")
                                : Tr("차량 번호 네 자리를 숫자 키로 입력하고 다음을 누르세요."))
        + u' ';
    if (!shopText.trimmed().isEmpty())
        text += SpokenForm(shopText);
    return text;
}

QString PaymentPanelIntro()
{
    return Tr("결제 방법을 고르세요. 현금결제 또는 카드결제입니다.");
}

QString KeyText(const QString& caption, bool enabled)
{
    return SpokenForm(caption) + Tr(", 버튼") + (enabled ? QString() : Tr(", 사용할 수 없음"));
}

QString ToggleText(const QString& name, bool on)
{
    return name + (on ? Tr(", 켜짐") : Tr(", 꺼짐"));
}

QString TileText(const QString& name, const QString& priceText, bool hasOptions)
{
    return name + QStringLiteral(", ") + priceText + (hasOptions ? Tr(", 옵션 있음") : QString());
}

QString OptionText(const QString& group, const QString& name, const QString& priceText, bool chosen)
{
    return group + QStringLiteral(", ") + name + QStringLiteral(", ") + priceText
        + (chosen ? Tr(", 선택됨") : Tr(", 선택 안 됨"));
}

QString QuantityText(int quantity)
{
    return Tr("수량 %1").arg(quantity);
}

QString PageText(const QString& what, int page, int pages)
{
    return (what.isEmpty() ? QString() : what + u' ') + Tr("%1쪽 중 %2쪽").arg(Number(pages), Number(page));
}

QString OrderLineText(int number, const QString& name, int quantity, const QString& amountText)
{
    return Tr("%1번, %2, %3개, %4").arg(Number(number), name, Number(quantity), amountText);
}

QString LineAddedText(const QString& name, int quantity, const QString& totalText)
{
    return Tr("%1 %2개를 담았습니다. 합계 %3").arg(name, Number(quantity), totalText);
}

QString MinimumNotMetText(const QString& group, int minimum)
{
    return Tr("%1에서 %2개 이상 고르세요.").arg(group, Number(minimum));
}

QString TotalsText(int lines, const QString& totalText)
{
    return Tr("총 수량 %1, 합계 %2").arg(Number(lines), totalText);
}

QString DigitsText(const QString& shown)
{
    QString spoken;
    for (QChar c : shown) {
        if (c.isDigit())
            spoken += c + QStringLiteral(" ");
        else if (c == u'*')
            spoken += Tr("별") + u' ';
    }
    return spoken.trimmed();
}

QString DigitCountText(const QString& shown)
{
    const auto typed = std::count_if(shown.begin(), shown.end(), [](QChar c) { return c.isDigit() || c == u'*'; });
    return Tr("%1자리").arg(Number(int(typed)));
}

QString IdleWarningText(int seconds, const QString& what)
{
    return Tr("%1초 후 %2. 계속하시려면 화면을 터치하거나 아무 키나 누르세요.").arg(Number(seconds), what);
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
        const char* said;
    } kSigns[] = {{u"<-", TrNoop("지우기")},
                  {u"X", TrNoop("닫기")},
                  {u"x", TrNoop("삭제")},
                  {u"+", TrNoop("하나 더")},
                  {u"-", TrNoop("하나 빼기")}};
    const QString whole = shown.trimmed();
    for (const auto& sign : kSigns) {
        if (whole == QString::fromUtf16(sign.face))
            return Tr(sign.said);
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
