#pragma once

#include "IndicatorHandler.h"

#include <QMetaObject>
#include <QString>

#include <memory>
#include <vector>

class QObject;
class QWidget;
class TImage;
class TLabel;
class TRuimteAppUIHandler;

// One tile of a paged grid: background, item picture, name and an optional
// state strip, all tagged with the tile's position. A click on any element
// goes to the grid's fillClicked, a double click to its fillDblClicked.
class TRuimteAppUI {
public:
    TRuimteAppUI(TRuimteAppUIHandler* aHandler, int position, TImage* aBgImage, TImage* anImage, TLabel* aLbl,
        TImage* aLedImage = nullptr);
    ~TRuimteAppUI();
    TRuimteAppUI(const TRuimteAppUI&) = delete;
    TRuimteAppUI& operator=(const TRuimteAppUI&) = delete;

    void select();
    void deselect();
    bool isSelected() const { return _selected; }

    TRuimteAppUIHandler* const RuimteHandler;
    TImage* const bgImage;
    TImage* const image;
    TLabel* const lbl;
    TImage* const ledImage;

private:
    void route(TImage* element);
    void route(TLabel* element);

    bool _selected = false;
    std::vector<QMetaObject::Connection> _connections;
};

// The base of the rooms and appliances grids: four tiles showing one page
// of items at a time, with page indicators. The concrete grid builds the
// tile and indicator widgets on its own layout and hands them over with
// addTile and addIndicator; it says how many items exist and shows them.
class TRuimteAppUIHandler {
public:
    static constexpr int tilesPerPage = 4;

    virtual ~TRuimteAppUIHandler();
    TRuimteAppUIHandler(const TRuimteAppUIHandler&) = delete;
    TRuimteAppUIHandler& operator=(const TRuimteAppUIHandler&) = delete;

    // Accepts a click on a defined item or the first free slot after them;
    // otherwise the selection stays where it was.
    virtual bool validClick(QObject* Sender);
    // Moves the selection to the clicked tile when validClick accepts it.
    virtual void fillClicked(QObject* Sender);
    // Opens the editor for the clicked item.
    virtual void fillDblClicked(QObject* Sender) = 0;
    // The number of defined items, 0..16; they are always the first ones.
    virtual int definedCount() const = 0;
    // The editor's result for the selected item; anImageIndex -1 clears the item.
    virtual void callBack(const QString& anOmschrijving, int anImageIndex, bool newSelected, bool aDimbaar,
        bool anOudModel, int aCode) = 0;
    // Removes the item at absolute index `index`.
    virtual void deleteItem(int index) = 0;
    // Shows items anIndex..anIndex + 3 on the four tiles.
    virtual void fill(int anIndex) = 0;

    // Remembers the two hosts and readies the page indicators.
    void create(QWidget* aMainParent, QWidget* aButParent);
    // The next tile (position 0, 1, 2, 3), built by the concrete grid.
    void addTile(TImage* aBgImage, TImage* anImage, TLabel* aLbl, TImage* aLedImage = nullptr);
    // The next page indicator.
    void addIndicator(TImage* image);
    // The panel hidden while a page changes; none by default.
    void setContentPanel(QWidget* panel) { _contentPanel = panel; }

    // Shows page `anIndex`; a page change selects the page's first tile.
    void setIndicator(int anIndex);
    void clickPageIndicator(QObject* Sender);
    // The selected item: page x 4 + tile (page 0 while no page is chosen).
    int AbsSelectedIndex() const;
    // Selects tile 0 and deselects the others.
    void draw();

    int selectedPage() const { return _indicatorHandler.selectedIndicator(); }
    int currentSelectedIndex() const { return _currentSelectedIndex; }
    int tileCount() const { return static_cast<int>(_RAUI.size()); }
    TRuimteAppUI& tile(int position) const { return *_RAUI.at(position); }
    const TIndicatorHandler& indicatorHandler() const { return _indicatorHandler; }

protected:
    explicit TRuimteAppUIHandler(bool isRuimte);

    int pageOrZero() const;

    QWidget* _parent = nullptr;
    QWidget* _parentBut = nullptr;
    QWidget* _contentPanel = nullptr;
    TIndicatorHandler _indicatorHandler;
    std::vector<std::unique_ptr<TRuimteAppUI>> _RAUI;
    int _currentSelectedIndex = 0;
    const bool _isRuimte;
};
