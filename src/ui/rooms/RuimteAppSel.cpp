#include "RuimteAppSel.h"

#include "Artwork.h"
#include "GradBtn.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr int tileLefts[] = {15, 161, 307, 453};
// The sub-panels' face: the darker olive of the columns.
const QColor subPanelColour(0x42, 0x55, 0x15);

QFont arial(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

template <typename Control> Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

TPanel* subPanel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* panel = named(place(new TPanel(parent), left, top, width, height), QLatin1String(name));
    panel->setColor(subPanelColour);
    return panel;
}

TLabel* choiceLabel(QWidget* parent, int left, int top)
{
    auto* label = place(new TLabel(parent), left, top, 70, 20);
    label->setFont(arial(16));
    label->setFontColor(clWhite);
    return label;
}

// The code lists: white on olive, as the panels they sit on.
QComboBox* codeList(QWidget* parent, const char* name, int left, const QStringList& entries)
{
    auto* box = named(place(new QComboBox(parent), left, 40, 60, 26), QLatin1String(name));
    box->setFont(arial(16));
    box->addItems(entries);
    box->setMaxVisibleItems(16);
    // A palette rather than a style sheet: style sheets cost a style of their own at start-up.
    QPalette palette = box->palette();
    for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, QColor(0x1A, 0x20, 0x0B));
    for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x42, 0x55, 0x15));
    box->setPalette(palette);
    box->view()->setPalette(palette);
    return box;
}

} // namespace

TfrmRuimteAppSel::TfrmRuimteAppSel()
    : pnlPanel1(new TPanel)
{
    pnlPanel1->setObjectName(QStringLiteral("pnlPanel1"));
    pnlPanel1->resize(598, 504);
    pnlPanel1->hide();
    imgBackground = place(new TImage(pnlPanel1), 0, 0, 598, 504);
    imgBackground->setStretch(true);
    imgBackground->setPicture(artwork(QStringLiteral("shell/content-panel")));

    pnlAfbeeldingen = named(place(new TPanel(pnlPanel1), 0, 0, 598, 250), QStringLiteral("pnlAfbeeldingen"));
    auto* section = place(new TImage(pnlAfbeeldingen), 0, 0, 598, 250);
    section->setPicture(artwork(QStringLiteral("shell/section")));
    for (int k = 0; k < catalogueTiles; ++k) {
        Image[k] = named(place(new TImage(pnlAfbeeldingen), tileLefts[k % 4], k < 4 ? 48 : 144, 130, 80),
            QStringLiteral("Image%1").arg(k + 1));
        Image[k]->setStretch(true);
        Image[k]->setTag(k);
    }
    for (int k = 0; k < 4; ++k)
        imgPIR[k] =
            named(place(new TImage(pnlAfbeeldingen), 15 + 35 * k, 3, 25, 25), QStringLiteral("imgPIR%1").arg(k + 1));

    pnlHeeftCodeSchijf = subPanel(pnlPanel1, "pnlHeeftCodeSchijf", 0, 260, 312, 80);
    imgCodeSchijfJa = named(place(new TImage(pnlHeeftCodeSchijf), 42, 43, 25, 25), QStringLiteral("imgCodeSchijfJa"));
    imgCodeSchijfNee =
        named(place(new TImage(pnlHeeftCodeSchijf), 154, 43, 25, 25), QStringLiteral("imgCodeSchijfNee"));
    lblCodeSchijfJa = choiceLabel(pnlHeeftCodeSchijf, 72, 48);
    lblCodeSchijfNee = choiceLabel(pnlHeeftCodeSchijf, 184, 48);

    // The dimmer choice first: the code panel lies over it.
    pnlDimBaar = subPanel(pnlPanel1, "pnlDimBaar", 0, 335, 312, 80);
    imgDimJa = named(place(new TImage(pnlDimBaar), 42, 43, 25, 25), QStringLiteral("imgDimJa"));
    imgDimNee = named(place(new TImage(pnlDimBaar), 154, 43, 25, 25), QStringLiteral("imgDimNee"));
    lblDimJa = choiceLabel(pnlDimBaar, 72, 48);
    lblDimNee = choiceLabel(pnlDimBaar, 184, 48);

    pnlCode = subPanel(pnlPanel1, "pnlCode", 0, 332, 312, 80);
    QStringList letters, numbers;
    for (int i = 0; i < 16; ++i) {
        letters << QString(QChar(u'A' + i));
        numbers << QString::number(i + 1);
    }
    kanaalBox = codeList(pnlCode, "kanaalBox", 42, letters);
    nummerBox = codeList(pnlCode, "nummerBox", 145, numbers);

    pnlOmschrijving = subPanel(pnlPanel1, "pnlOmschrijving", 0, 410, 312, 80);
    edtOmschrijving = named(place(new QLineEdit(pnlOmschrijving), 16, 40, 281, 26), QStringLiteral("edtOmschrijving"));
    edtOmschrijving->setFont(arial(16));
    edtOmschrijving->setMaxLength(nameLength);

    pnlSelected = named(place(new TPanel(pnlPanel1), 407, 318, 130, 168), QStringLiteral("pnlSelected"));
    imgSelBackGr = place(new TImage(pnlSelected), 0, 0, 130, 168);
    imageSelected = named(place(new TImage(pnlSelected), 0, 30, 130, 80), QStringLiteral("imageSelected"));
    imageSelected->setStretch(true);
    LR1 = place(new TLabel(pnlSelected), 0, 118, 130, 36);
    LR1->setFont(arial(16));
    LR1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LR1->setWordWrap(true);
    LR1->setFontColor(clBlack);

    timerLeren = new QTimer(this);
    timerLeren->setInterval(750);
}

TfrmRuimteAppSel::~TfrmRuimteAppSel()
{
    delete pnlPanel1; // when it was never placed in a host
}
