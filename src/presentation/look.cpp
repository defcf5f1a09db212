#include "presentation/look.h"

#include "access/language.h"
#include "access/modes.h"

#include <QString>

namespace sumbrel {

namespace {
Look& TheLook()
{
    static Look look;
    return look;
}
int g_generation = 0;
}  // namespace

int LookGeneration()
{
    return g_generation;
}

const Look& CurrentLook()
{
    return TheLook();
}

void SetLook(const Look& look)
{
    TheLook() = look;
    ++g_generation;
}

Palette HighContrastPalette()
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor yellow(255, 224, 0);
    const QColor light(200, 200, 200);
    const KeyColours whiteKey{white, light};
    const KeyColours yellowKey{yellow, QColor(216, 190, 0)};
    Palette p;
    p.ink = white;
    p.mutedInk = light;
    p.inkOnDark = black;
    p.alert = yellow;
    p.panel = black;
    p.dimming = QColor(96, 96, 96);
    p.banner = black;
    p.plainKey = whiteKey;
    p.accentKey = yellowKey;
    p.keyInk = black;
    p.disabledKeyInk = QColor(51, 51, 51);

    Palette::Reception& r = p.reception;
    r.backgroundFoot = black;
    r.waitingCaption = white;
    r.orderPanel = black;
    r.completionTitle = white;
    r.refusal = yellow;
    r.noticeInk = black;
    r.noticeFill = yellow;
    r.stepKey = whiteKey;
    r.deleteKey = yellowKey;
    r.quantityRim = white;
    r.listRule = white;
    r.listInk = white;
    r.optionTitleInk = yellow;
    r.optionInk = white;

    Palette::MenuPage& m = p.menuPage;
    m.page = black;
    m.priceInk = yellow;
    m.mutedInk = light;
    m.currentTabInk = black;
    m.bandKey = whiteKey;
    m.row = black;
    m.quantityKey = whiteKey;
    m.removeKey = yellowKey;
    m.removeInk = black;
    m.cardRim = white;
    m.markerTrack = white;
    m.shadow = QColor(96, 96, 96);
    m.photoFill = black;
    m.photoRim = white;
    m.photoInk = white;

    Palette::ItemDialogs& d = p.itemDialogs;
    d.navy = yellow;
    d.ink = white;
    d.mutedInk = light;
    d.band = black;
    d.invalidAddInk = QColor(51, 51, 51);
    d.groupRule = white;
    d.footRule = white;
    d.optionsRim = white;
    d.chosenFill = yellow;
    d.chosenRim = white;
    d.rowRim = white;
    d.markOff = white;
    d.priceInk = yellow;
    return p;
}

void ApplyModes(const access::Modes& modes)
{
    const bool lookChanges = modes.contrast != access::CurrentModes().contrast
        || modes.large != access::CurrentModes().large || modes.low != access::CurrentModes().low;
    access::SetCurrentModes(modes);
    // The low layout is a look of its own too: the screens place their keys from it.
    if (lookChanges)
        SetLook(LookFor(modes.contrast, modes.large));
}

QColor KeyCaptionInk()
{
    return access::CurrentModes().any() ? Colours().keyInk : Colours().ink;
}

bool ApplyLanguage(access::Language language)
{
    if (language == access::VisitLanguage())
        return true;
    const bool loaded = access::SetVisitLanguage(language);
    // Texts and type change with it: the screens are built again as for a new look.
    SetLook(CurrentLook());
    return loaded;
}

Look LookFor(bool highContrast, bool large)
{
    Look look;
    if (highContrast)
        look.palette = HighContrastPalette();
    if (large)
        look.scale = 2.0;
    return look;
}

QList<ColourPair> ColourPairs(const Palette& p)
{
    const Palette::Reception& r = p.reception;
    const Palette::MenuPage& m = p.menuPage;
    const Palette::ItemDialogs& d = p.itemDialogs;
    return {
        {"text on a panel", p.ink, p.panel},
        {"muted text on a panel", p.mutedInk, p.panel},
        {"alert on a panel", p.alert, p.panel},
        {"plain key on a panel", p.plainKey.rest, p.panel},
        {"accent key on a panel", p.accentKey.rest, p.panel},
        {"plain key pressed on a panel", p.plainKey.pressed, p.panel},
        {"accent key pressed on a panel", p.accentKey.pressed, p.panel},
        {"caption of a plain key", p.keyInk, p.plainKey.rest},
        {"caption of an accent key", p.keyInk, p.accentKey.rest},
        {"caption of a disabled plain key", p.disabledKeyInk, p.plainKey.rest},
        {"caption of a disabled accent key", p.disabledKeyInk, p.accentKey.rest},
        {"caption of a pressed plain key", p.keyInk, p.plainKey.pressed},
        {"caption of a pressed accent key", p.keyInk, p.accentKey.pressed},
        {"waiting caption on the screen", r.waitingCaption, r.backgroundFoot},
        {"waiting count on the screen", p.accentKey.rest, r.backgroundFoot},
        {"waiting count on the order panel", p.alert, r.orderPanel},
        {"text on the order panel", p.ink, r.orderPanel},
        {"completion title", r.completionTitle, p.panel},
        {"refusal title", r.refusal, p.panel},
        {"notice", r.noticeInk, r.noticeFill},
        {"notice on the panel", r.noticeFill, p.panel},
        {"caption of a step key", p.inkOnDark, r.stepKey.rest},
        {"caption of a delete key", p.inkOnDark, r.deleteKey.rest},
        {"step key on the list", r.stepKey.rest, p.panel},
        {"delete key on the list", r.deleteKey.rest, p.panel},
        {"list text", r.listInk, p.panel},
        {"option title on the list", r.optionTitleInk, p.panel},
        {"option on the list", r.optionInk, p.panel},
        {"price on the menu page", m.priceInk, p.panel},
        {"muted text on the menu page", m.mutedInk, p.panel},
        {"current tab's caption", m.currentTabInk, p.accentKey.rest},
        {"tab caption", p.inkOnDark, m.bandKey.rest},
        {"tab on the band", m.bandKey.rest, p.banner},
        {"current tab on the band", p.accentKey.rest, p.banner},
        {"quantity key caption", p.keyInk, m.quantityKey.rest},
        {"quantity key on a row", m.quantityKey.rest, m.row},
        {"remove key caption", m.removeInk, m.removeKey.rest},
        {"remove key on a row", m.removeKey.rest, m.row},
        {"row text", p.ink, m.row},
        {"page text", p.ink, m.page},
        {"dialog heading", d.navy, p.panel},
        {"dialog text", d.ink, p.panel},
        {"dialog muted text", d.mutedInk, p.panel},
        {"dialog price", d.priceInk, p.panel},
        {"dialog band text", d.ink, d.band},
        {"add key caption", p.inkOnDark, d.navy},
        {"add key on the dialog", d.navy, p.panel},
        {"add key caption while incomplete", d.invalidAddInk, d.navy},
        {"chosen option", p.keyInk, d.chosenFill},
        {"option mark", d.markOff, p.panel},
    };
}

QString CssColour(const QColor& colour)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

}  // namespace sumbrel
