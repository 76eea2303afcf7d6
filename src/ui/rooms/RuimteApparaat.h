#pragma once

#include "Controls.h"

#include <QObject>
#include <QPointer>

#include <array>

// The layout of the rooms and appliances screen (also used by the scene
// composer): the rooms half above, the appliances half below, each with its
// background, title, four page indicators and four tiles. Element k of each
// array is the layout's element k + 1 (imgPIR[0] is imgPIR1) and carries
// that name as its object name.
class TRuimteApparaat : public QObject {
    Q_OBJECT
public:
    static constexpr int tileCount = 4;
    using Images = std::array<TImage*, tileCount>;
    using Labels = std::array<TLabel*, tileCount>;

    TRuimteApparaat();
    ~TRuimteApparaat() override;

    QPointer<TPanel> pnlRuimteApparaat;
    TImage* imgRuimtes;
    TImage* imgApparaten;
    TLabel* lblRuimtes;
    TLabel* lblApparaten;

    Images imgPIR, imgBGR, imgR;
    Labels lblR;
    Images imgPIA, imgBGA, imgA;
    Labels lblA;
    // State strips of the appliance tiles; hidden on the rooms screen.
    Images imgLeds;
};
