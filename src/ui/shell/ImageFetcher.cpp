#include "ImageFetcher.h"

#include "Artwork.h"

TImageFetcher* ImageFetcherInstance = nullptr;

TImageFetcher& TImageFetcher::instance()
{
    static TImageFetcher fetcher;
    ImageFetcherInstance = &fetcher;
    return fetcher;
}

TImageFetcher::TImageFetcher()
{
    const auto ui = [](const char* name) { return artwork(QStringLiteral("ui/") + QLatin1String(name)); };
    imgSelected = ui("imgSelected");
    imgNotSelected = ui("imgNotSelected");
    imgPIsel = ui("imgPIsel");
    imgPINotSel = ui("imgPINotSel");
    imgPIDisabled = ui("imgPIDisabled");
    imgLedsNone = ui("imgLedsNone");
    imgLedsRed = ui("imgLedsRed");
    imgLedsGreen = ui("imgLedsGreen");
    imgLedsYellow = ui("imgLedsYellow");
    imgSceneNotSelected = ui("imgSceneNotSelected");
    imgSceneSelected = ui("imgSceneSelected");
    imgPlineUpU = ui("imgPlineUpU");
    imgPlineUpD = ui("imgPlineUpD");
    imgPlineDnU = ui("imgPlineDnU");
    imgPlineDnD = ui("imgPlineDnD");
    imgSelectedValid = ui("imgSelectedValid");
    imgSelectedInvalid = ui("imgSelectedInvalid");
    imgTmrAppNotSel = ui("imgTmrAppNotSel");
    imgTmrAppSel = ui("imgTmrAppSel");
    imgTmrSceneNotSel = ui("imgTmrSceneNotSel");
    imgTmrSceneSel = ui("imgTmrSceneSel");
}
