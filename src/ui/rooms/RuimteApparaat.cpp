#include "RuimteApparaat.h"

#include "Artwork.h"
#include "Controls.h"
#include "GradBtn.h"

namespace {

constexpr int panelWidth = 598;

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
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(23);
    label->setFont(font);
    label->setFontColor(clWhite);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

TRuimteApparaat::TRuimteApparaat()
    : pnlRuimteApparaat(new TPanel)
{
    pnlRuimteApparaat->resize(panelWidth, 503);
    pnlRuimteApparaat->hide();
    imgRuimtes = sectionBackground(pnlRuimteApparaat, 0);
    imgApparaten = sectionBackground(pnlRuimteApparaat, 254);
    lblRuimtes = sectionTitle(pnlRuimteApparaat, 3);
    lblApparaten = sectionTitle(pnlRuimteApparaat, 257);
}

TRuimteApparaat::~TRuimteApparaat()
{
    delete pnlRuimteApparaat; // when it was never placed in a host
}
