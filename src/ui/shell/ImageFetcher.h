#pragma once

#include <QImage>

// The shared interface pictures of the screens (tiles, page indicators,
// state strips, arrows, frames), made once on first use and kept until the
// program ends. Needs a QGuiApplication.
class TImageFetcher {
public:
    static TImageFetcher& instance();

    // Tile backgrounds of the rooms and appliances grids, 130 x 198.
    QImage imgSelected, imgNotSelected;
    // Page indicators, 25 x 25: selected, available, unavailable. The first
    // and last also mark the chosen and the other option of yes/no choices.
    QImage imgPIsel, imgPINotSel, imgPIDisabled;
    // State strips of scene items, 64 x 16.
    QImage imgLedsNone, imgLedsRed, imgLedsGreen, imgLedsYellow;
    // Scene tile backgrounds, 130 x 115.
    QImage imgSceneNotSelected, imgSceneSelected;
    // Up and down arrows of the timer lines, 40 x 40, released (U) and pressed (D).
    QImage imgPlineUpU, imgPlineUpD, imgPlineDnU, imgPlineDnD;
    // Frame of the editor's picture preview, 130 x 168: normal, picture missing.
    QImage imgSelectedValid, imgSelectedInvalid;
    // Target frames of the timer screen: appliance 130 x 190, scene 130 x 115.
    QImage imgTmrAppNotSel, imgTmrAppSel;
    QImage imgTmrSceneNotSel, imgTmrSceneSel;

private:
    TImageFetcher();
};

// The instance, once made (nullptr before).
extern TImageFetcher* ImageFetcherInstance;
