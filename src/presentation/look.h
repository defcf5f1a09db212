#pragma once
// The look every screen takes its colours and type sizes from: one palette of colour roles and one
// size scale, held by the current Look. A second palette (high contrast) or a larger scale is
// swapped in here, before the screens are built.
#include <QColor>
#include <QList>

namespace sumbrel::access {
struct Modes;
enum class Language;
}

namespace sumbrel {

// A key's background at rest and while pressed.
struct KeyColours {
    QColor rest;
    QColor pressed;
};

struct Palette {
    // The roles every customer screen shares.
    QColor ink{28, 36, 48};
    QColor mutedInk{96, 103, 114};
    QColor inkOnDark{255, 255, 255};
    QColor alert{200, 40, 40};
    QColor panel{255, 255, 255};
    QColor dimming{128, 128, 128};  // what the darkened backdrop keeps of the screen behind
    QColor banner{22, 52, 84};  // the dark band of the screens without a skin picture
    KeyColours plainKey{{231, 231, 231}, {192, 192, 192}};
    KeyColours accentKey{{255, 213, 0}, {205, 176, 32}};
    QColor keyInk{30, 30, 30};
    QColor disabledKeyInk{150, 150, 150};

    // The reception screen.
    struct Reception {
        QColor backgroundFoot{12, 30, 50};
        QColor waitingCaption{235, 240, 248};
        QColor orderPanel{248, 248, 246};
        QColor completionTitle{20, 70, 140};
        QColor refusal{204, 0, 0};
        QColor noticeInk{120, 40, 0};
        QColor noticeFill{255, 240, 200};
        KeyColours stepKey{{31, 122, 96}, {24, 96, 76}};
        KeyColours deleteKey{{192, 0, 0}, QColor(192, 0, 0).darker(130)};
        QColor quantityRim{128, 128, 255};
        QColor listRule{192, 192, 255};
        QColor listInk{0, 0, 0};
        QColor optionTitleInk{170, 92, 24};
        QColor optionInk{94, 94, 157};
    } reception;

    // The menu page.
    struct MenuPage {
        QColor page{246, 243, 238};
        QColor priceInk{176, 58, 36};
        QColor mutedInk{110, 116, 126};
        QColor currentTabInk{0, 0, 0};
        KeyColours bandKey{{48, 84, 124}, {30, 58, 90}};
        QColor row{247, 243, 236};
        KeyColours quantityKey{{206, 206, 206}, {128, 128, 128}};
        KeyColours removeKey{{236, 204, 198}, {200, 150, 142}};
        QColor removeInk{150, 40, 30};
        QColor cardRim{214, 206, 194};
        QColor markerTrack{206, 198, 186};
        QColor shadow{100, 100, 100};
        QColor photoFill{243, 241, 236};
        QColor photoRim{160, 152, 136};
        QColor photoInk{200, 193, 178};
    } menuPage;

    // The two item dialogs.
    struct ItemDialogs {
        QColor navy{24, 45, 74};
        QColor ink{33, 37, 41};
        QColor mutedInk{112, 106, 94};
        QColor band{244, 243, 239};
        QColor invalidAddInk{192, 192, 192};
        QColor groupRule{226, 224, 218};
        QColor footRule{228, 226, 220};
        QColor optionsRim{214, 211, 203};
        QColor chosenFill{255, 246, 204};
        QColor chosenRim{214, 170, 0};
        QColor rowRim{218, 218, 218};
        QColor markOff{128, 128, 128};
        QColor priceInk{110, 104, 92};
    } itemDialogs;

    // The operator's screens (login and settings): warm paper, the accent yellow.
    struct Operator {
        QColor ink{0x2b, 0x24, 0x14};
        QColor title{0x7a, 0x5b, 0x00};
        QColor hint{0x6b, 0x60, 0x4a};
        QColor problem{0xb3, 0x26, 0x1e};
        QColor status{0xb0, 0x3a, 0x10};
        QColor disabledInk{0x9a, 0x92, 0x7f};
        QColor field{0xff, 0xfd, 0xf7};
        QColor fieldRim{0xe3, 0xdc, 0xcb};
        QColor focusRim{230, 180, 0};
        QColor keyEdge{214, 170, 0};
        QColor card{255, 255, 255};
        QColor cardRim{0xe6, 0xdf, 0xcf};
        QColor groove{0xec, 0xe5, 0xd3};
        QColor track{0xf4, 0xef, 0xe4};
        QColor background{244, 239, 228};
        QColor waitShade{30, 24, 10, 150};
        QColor boxOff{0xc9, 0xbf, 0xa6};
        QColor paperTop{0xff, 0xfb, 0xef};
        QColor paperFoot{0xf6, 0xee, 0xd9};
        QColor paperRim{0xd9, 0xcf, 0xb4};
        QColor bandTop{255, 224, 64};
        QColor disabledField{0xf3, 0xf0, 0xe8};
        QColor disabledFieldInk{0x8d, 0x86, 0x76};
        QColor disabledKey{0xeb, 0xe6, 0xda};
        QColor disabledKeyInk{0xa5, 0x9e, 0x8e};
        QColor disabledKeyEdge{0xd9, 0xd3, 0xc4};
        QColor loginWait{43, 36, 20, 242};
        QColor switchOn{0x3a, 0x2e, 0x00};
        QColor switchOff{0xd6, 0xd0, 0xc2};
        QColor switchDisabled{0xdd, 0xd8, 0xcc};
        QColor switchInk{0x3a, 0x33, 0x26};
        QColor switchDisabledInk{0x9a, 0x93, 0x84};
    } operatorScreens;
};

struct Look {
    Palette palette;
    // Every font size of the screens is multiplied by this (1.0: the design's sizes).
    double scale = 1.0;
};

// The look in use; setLook before the screens are built.
const Look& CurrentLook();
void SetLook(const Look& look);
// Counts the looks set so far: a screen built under an older one is built again (the barrier-free
// choices change the look between customers).
int LookGeneration();

// The palette of "고대비": light faces and inks on black, so that every text and key face stands at
// least 7:1 from what lies behind it; what is dark in the design is light here and the other way.
Palette HighContrastPalette();
// The look for the barrier-free choices: the high-contrast palette, and twice the sizes for "크게 보기".
Look LookFor(bool highContrast, bool large);

// The customer's barrier-free choices for the visit, and the look they ask for; the screens built
// from now on take both (those built before are built again).
void ApplyModes(const access::Modes& modes);
// The customer's language for the visit: the screens built from now on show its texts and type
// (those built before are built again); false when its translations could not be loaded.
bool ApplyLanguage(access::Language language);

// A text or face and what lies behind it, as the screens pair them.
struct ColourPair {
    const char* what;
    QColor front;
    QColor back;
};
QList<ColourPair> ColourPairs(const Palette& palette);
inline const Palette& Colours()
{
    return CurrentLook().palette;
}

// The caption of a key on its face: the design's keys carry the screen's ink; in the barrier-free
// palettes that ink may be the faces' own colour (white on white in high contrast), so they take the
// key ink made for them.
QColor KeyCaptionInk();

// A colour as a style sheet writes it ("rgba(r,g,b,a)").
QString CssColour(const QColor& colour);

}  // namespace sumbrel
