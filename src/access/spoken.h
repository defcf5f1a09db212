#pragma once
// What voice guidance says: what a screen is for and how to move on it, the element in focus with
// its role and state, what changed, and the time warnings. Texts only; the screens say them.
#include <QString>
#include <QStringList>

namespace sumbrel::access {

// How to move, said after every screen's own introduction.
QString HowToMove();

// The screens and panels of the path.
QString StartPanelIntro(bool eatInOffered);
QString ModePanelIntro();
QString MenuPageIntro(const QString& category, int page, int pages, int items, int cartLines);
QString ItemDialogIntro(const QString& name, const QString& priceText, int optionGroups);
QString PhonePanelIntro(bool submitsHere);
QString CarPanelIntro(const QString& shopText, bool submitsHere);
QString PaymentPanelIntro();

// The element in focus.
QString KeyText(const QString& caption, bool enabled);
QString ToggleText(const QString& name, bool on);
QString TileText(const QString& name, const QString& priceText, bool hasOptions);
QString OptionText(const QString& group, const QString& name, const QString& priceText, bool chosen);
QString QuantityText(int quantity);
QString OrderLineText(int number, const QString& name, int quantity, const QString& amountText);

// What changed.
QString LineAddedText(const QString& name, int quantity, const QString& totalText);
QString MinimumNotMetText(const QString& group, int minimum);
QString TotalsText(int lines, const QString& totalText);
QString DigitsText(const QString& shown);
// The same as others may hear it on the kiosk's speaker: how many digits, not which.
QString DigitCountText(const QString& shown);
// A page turned: "옵션 2쪽 중 1쪽"; `what` names what turned, or is empty.
QString PageText(const QString& what, int page, int pages);

// The idle warning: in that many seconds, what happens; any touch or key extends.
QString IdleWarningText(int seconds, const QString& what);

// What became of the order, as the completion panel or the entry panel tells it.
QString OutcomeText(const QString& title, const QString& message);

// The spoken form of a text shown on the screen: line breaks become pauses, arrows beside a word go,
// and a key face that is a sign alone ("<-", "X", "+") becomes what the key does.
QString SpokenForm(const QString& shown);

}  // namespace sumbrel::access
