#pragma once

#include <QObject>
#include <QPointer>

class TImage;
class TLabel;
#include "Controls.h"

// The layout of the rooms and appliances screen: the rooms half above, the
// appliances half below, each with its background and title.
class TRuimteApparaat : public QObject {
    Q_OBJECT
public:
    TRuimteApparaat();
    ~TRuimteApparaat() override;

    QPointer<TPanel> pnlRuimteApparaat;
    TImage* imgRuimtes;
    TImage* imgApparaten;
    TLabel* lblRuimtes;
    TLabel* lblApparaten;
};
