#include "RuimteApparaat.h"

#include "Artwork.h"
#include "GradBtn.h"

namespace {

constexpr int panelWidth = 598;
constexpr int tileLefts[] = {15, 161, 307, 453};
constexpr int indicatorLefts[] = {15, 50, 85, 120};

QFont arial(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

template <typename Control> Control* named(Control* control, const char* prefix, int k)
{
    control->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(k + 1));
    return control;
}

TImage* sectionBackground(QWidget* parent, int top)
{
    auto* image = place(new TImage(parent), 0, top, panelWidth, 250);
    image->setStretch(true);
    image->setPicture(artwork(QStringLiteral("shell/section")));
    return image;
}

TLabel* sectionTitle(QWidget* parent, int top)
{
    auto* label = place(new TLabel(parent), 0, top, panelWidth, 30);
    label->setFont(arial(23));
    label->setFontColor(clWhite);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// One half: indicators along the top, then four tiles of background, picture and name.
void buildHalf(QWidget* panel, int top, const char* indicator, const char* background, const char* picture,
    const char* name, TRuimteApparaat::Images& indicators, TRuimteApparaat::Images& backgrounds,
    TRuimteApparaat::Images& pictures, TRuimteApparaat::Labels& names)
{
    for (int k = 0; k < TRuimteApparaat::tileCount; ++k) {
        indicators[k] = named(place(new TImage(panel), indicatorLefts[k], top + 3, 25, 25), indicator, k);
        backgrounds[k] = named(place(new TImage(panel), tileLefts[k], top + 42, 130, 198), background, k);
        pictures[k] = named(place(new TImage(panel), tileLefts[k], top + 72, 130, 80), picture, k);
        pictures[k]->setStretch(true);
        names[k] = named(place(new TLabel(panel), tileLefts[k], top + 160, 130, 36), name, k);
        names[k]->setFont(arial(16));
        names[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        names[k]->setWordWrap(true);
    }
}

} // namespace

TRuimteApparaat::TRuimteApparaat()
    : pnlRuimteApparaat(new TPanel)
{
    pnlRuimteApparaat->setObjectName(QStringLiteral("pnlRuimteApparaat"));
    pnlRuimteApparaat->resize(panelWidth, 503);
    pnlRuimteApparaat->hide();
    imgRuimtes = sectionBackground(pnlRuimteApparaat, 0);
    imgApparaten = sectionBackground(pnlRuimteApparaat, 254);
    lblRuimtes = sectionTitle(pnlRuimteApparaat, 3);
    lblApparaten = sectionTitle(pnlRuimteApparaat, 257);
    buildHalf(pnlRuimteApparaat, 0, "imgPIR", "imgBGR", "imgR", "lblR", imgPIR, imgBGR, imgR, lblR);
    buildHalf(pnlRuimteApparaat, 254, "imgPIA", "imgBGA", "imgA", "lblA", imgPIA, imgBGA, imgA, lblA);
    for (int k = 0; k < tileCount; ++k) {
        // Below the appliance's name, inside its tile.
        imgLeds[k] =
            named(place(new TImage(pnlRuimteApparaat), tileLefts[k] + 33, 254 + 42 + 176, 64, 16), "imgLeds", k);
        imgLeds[k]->hide();
    }
}

TRuimteApparaat::~TRuimteApparaat()
{
    delete pnlRuimteApparaat; // when it was never placed in a host
}
