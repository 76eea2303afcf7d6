#pragma once

#include "ClickHandler.h"

#include <QMetaObject>

#include <array>

class TImage;

enum IndicatorState : int { ISEnabled = 0, ISDisabled = 1, ISSelected = 2 };

// One page indicator: its 25 x 25 picture and what it offers.
struct TIndicatorUI {
    TImage* image = nullptr;
    IndicatorState state = ISEnabled;
    QMetaObject::Connection click;
};

// The page indicators of a paged grid: up to four pictures, each standing
// for one page of `aNrPerIndicator` items. A page is available while its
// first item is at most the number of defined items, so the page after the
// last item offers the first free slot.
class TIndicatorHandler {
public:
    static constexpr int maxIndicators = 4;

    TIndicatorHandler() = default;
    ~TIndicatorHandler();
    TIndicatorHandler(const TIndicatorHandler&) = delete;
    TIndicatorHandler& operator=(const TIndicatorHandler&) = delete;

    // Starts over: no indicators, none selected; clicks go to `aClicked`.
    void create(int aNrPerIndicator, ClickHandler aClicked);
    // Wraps `image` as the next indicator (tag 0, 1, 2, 3); a fifth is ignored.
    void addIndicator(TImage* image);
    // Sets every indicator's state for `total` defined items and selects page `anIndex`.
    void setIndicator(int anIndex, int total);
    // Shows the state's picture; a disabled indicator loses its click.
    void setIndicatorState(TIndicatorUI& indicator, IndicatorState state);
    // Forgets the selected page, so the next setIndicator counts as a page change.
    void clearSelection() { _selectedIndicator = -1; }

    int selectedIndicator() const { return _selectedIndicator; }
    int indicatorCount() const { return _indicatorCount; }
    const TIndicatorUI& indicator(int index) const { return RAI.at(index); }

    // The position of absolute item `i` on its page (negative for negative `i`).
    static constexpr int getUIIndex(int i) { return i % 4; }

private:
    void bindClick(TIndicatorUI& indicator);

    ClickHandler _Clicked;
    int _indicatorCount = 0;
    int _selectedIndicator = -1;
    int _NrPerIndicator = 4;
    std::array<TIndicatorUI, maxIndicators> RAI;
};
