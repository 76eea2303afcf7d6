#pragma once

#include "Controls.h"

#include <QObject>
#include <QPointer>

#include <array>

class QComboBox;
class QLineEdit;
class QTimer;

// The layout of the room and appliance editor: the catalogue pictures with
// their page indicators above; below them the code-wheel choice, the code,
// the dimmer choice and the name on the left, the preview on the right.
// Element k of each array is the layout's element k + 1 (Image[0] is
// Image1) and carries that name as its object name.
class TfrmRuimteAppSel : public QObject {
    Q_OBJECT
public:
    static constexpr int catalogueTiles = 8;
    static constexpr int nameLength = 20;

    TfrmRuimteAppSel();
    ~TfrmRuimteAppSel() override;

    QPointer<TPanel> pnlPanel1;
    TImage* imgBackground;

    TPanel* pnlAfbeeldingen;
    std::array<TImage*, catalogueTiles> Image;
    std::array<TImage*, 4> imgPIR;

    TPanel* pnlHeeftCodeSchijf;
    TImage* imgCodeSchijfJa;
    TImage* imgCodeSchijfNee;
    TLabel* lblCodeSchijfJa;
    TLabel* lblCodeSchijfNee;

    TPanel* pnlCode;
    QComboBox* kanaalBox; // the letters A..P
    QComboBox* nummerBox; // the numbers 1..16

    TPanel* pnlDimBaar;
    TImage* imgDimJa;
    TImage* imgDimNee;
    TLabel* lblDimJa;
    TLabel* lblDimNee;

    TPanel* pnlOmschrijving;
    QLineEdit* edtOmschrijving;

    TPanel* pnlSelected;
    TImage* imgSelBackGr;
    TImage* imageSelected;
    TLabel* LR1;

    // Ticks of a learn run, every 750 ms while it lasts.
    QTimer* timerLeren;
};
