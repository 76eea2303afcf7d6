#include "IndicatorHandler.h"

#include "Controls.h"
#include "ImageFetcher.h"

TIndicatorHandler::~TIndicatorHandler()
{
    // The pictures belong to the screen's layout and may outlive this handler.
    for (auto& indicator : RAI)
        QObject::disconnect(indicator.click);
}

void TIndicatorHandler::create(int aNrPerIndicator, ClickHandler aClicked)
{
    for (auto& indicator : RAI) {
        QObject::disconnect(indicator.click);
        indicator = {};
    }
    _NrPerIndicator = aNrPerIndicator;
    _Clicked = std::move(aClicked);
    _indicatorCount = 0;
    _selectedIndicator = -1;
}

void TIndicatorHandler::addIndicator(TImage* image)
{
    if (_indicatorCount >= maxIndicators)
        return;
    TIndicatorUI& indicator = RAI[_indicatorCount];
    indicator.image = image;
    indicator.state = ISEnabled;
    image->setTag(_indicatorCount);
    bindClick(indicator);
    ++_indicatorCount;
}

void TIndicatorHandler::setIndicator(int anIndex, int total)
{
    for (int i = 0; i < _indicatorCount; ++i) {
        IndicatorState state = ISEnabled;
        if (total < i * _NrPerIndicator)
            state = ISDisabled;
        else if (i == anIndex)
            state = ISSelected;
        setIndicatorState(RAI[i], state);
    }
    _selectedIndicator = anIndex;
}

void TIndicatorHandler::setIndicatorState(TIndicatorUI& indicator, IndicatorState state)
{
    const TImageFetcher& pictures = TImageFetcher::instance();
    indicator.state = state;
    switch (state) {
    case ISSelected:
        indicator.image->setPicture(pictures.imgPIsel);
        bindClick(indicator);
        break;
    case ISEnabled:
        indicator.image->setPicture(pictures.imgPINotSel);
        bindClick(indicator);
        break;
    case ISDisabled:
        indicator.image->setPicture(pictures.imgPIDisabled);
        QObject::disconnect(indicator.click);
        break;
    }
}

void TIndicatorHandler::bindClick(TIndicatorUI& indicator)
{
    if (indicator.click)
        return; // already bound
    indicator.click =
        QObject::connect(indicator.image, &TImage::clicked, indicator.image, [clicked = _Clicked](TImage* sender) {
            if (clicked)
                clicked(sender);
        });
}
