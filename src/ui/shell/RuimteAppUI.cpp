#include "RuimteAppUI.h"

#include "Controls.h"
#include "GradBtn.h"
#include "ImageFetcher.h"
#include "Utilities.h"

#include <QWidget>

#include <algorithm>

TRuimteAppUI::TRuimteAppUI(
    TRuimteAppUIHandler* aHandler, int position, TImage* aBgImage, TImage* anImage, TLabel* aLbl, TImage* aLedImage)
    : RuimteHandler(aHandler)
    , bgImage(aBgImage)
    , image(anImage)
    , lbl(aLbl)
    , ledImage(aLedImage)
{
    for (TImage* element : {bgImage, image, ledImage}) {
        if (element) {
            element->setTag(position);
            route(element);
        }
    }
    if (lbl) {
        lbl->setTag(position);
        route(lbl);
    }
}

TRuimteAppUI::~TRuimteAppUI()
{
    // The widgets belong to the screen's layout and may outlive the grid.
    for (const auto& connection : _connections)
        QObject::disconnect(connection);
}

void TRuimteAppUI::route(TImage* element)
{
    TRuimteAppUIHandler* grid = RuimteHandler;
    _connections.push_back(
        QObject::connect(element, &TImage::clicked, element, [grid](TImage* sender) { grid->fillClicked(sender); }));
    _connections.push_back(QObject::connect(
        element, &TImage::doubleClicked, element, [grid](TImage* sender) { grid->fillDblClicked(sender); }));
}

void TRuimteAppUI::route(TLabel* element)
{
    TRuimteAppUIHandler* grid = RuimteHandler;
    _connections.push_back(
        QObject::connect(element, &TLabel::clicked, element, [grid](TLabel* sender) { grid->fillClicked(sender); }));
    _connections.push_back(QObject::connect(
        element, &TLabel::doubleClicked, element, [grid](TLabel* sender) { grid->fillDblClicked(sender); }));
}

void TRuimteAppUI::select()
{
    _selected = true;
    if (bgImage)
        bgImage->setPicture(TImageFetcher::instance().imgSelected);
    if (lbl)
        lbl->setFontColor(clWhite);
}

void TRuimteAppUI::deselect()
{
    _selected = false;
    if (bgImage)
        bgImage->setPicture(TImageFetcher::instance().imgNotSelected);
    if (lbl)
        lbl->setFontColor(clBlack);
}

TRuimteAppUIHandler::TRuimteAppUIHandler(bool isRuimte)
    : _isRuimte(isRuimte)
{
}

TRuimteAppUIHandler::~TRuimteAppUIHandler() = default;

bool TRuimteAppUIHandler::validClick(QObject* Sender)
{
    const int oldIndex = _currentSelectedIndex;
    const int position = TUtilities::getTag(Sender);
    if (position < 0 || position >= tileCount())
        return false;
    _currentSelectedIndex = position;
    if (AbsSelectedIndex() <= definedCount())
        return true;
    _currentSelectedIndex = oldIndex;
    return false;
}

void TRuimteAppUIHandler::fillClicked(QObject* Sender)
{
    const int oldIndex = _currentSelectedIndex;
    if (!validClick(Sender))
        return;
    if (oldIndex >= 0 && oldIndex < tileCount())
        tile(oldIndex).deselect();
    tile(_currentSelectedIndex).select();
}

void TRuimteAppUIHandler::create(QWidget* aMainParent, QWidget* aButParent)
{
    _parent = aMainParent;
    _parentBut = aButParent;
    _indicatorHandler.create(tilesPerPage, [this](QObject* sender) { clickPageIndicator(sender); });
}

void TRuimteAppUIHandler::addTile(TImage* aBgImage, TImage* anImage, TLabel* aLbl, TImage* aLedImage)
{
    if (tileCount() >= tilesPerPage)
        return;
    _RAUI.push_back(std::make_unique<TRuimteAppUI>(this, tileCount(), aBgImage, anImage, aLbl, aLedImage));
}

void TRuimteAppUIHandler::addIndicator(TImage* image)
{
    _indicatorHandler.addIndicator(image);
}

void TRuimteAppUIHandler::setIndicator(int anIndex)
{
    // Hidden while the tiles change, so the old page never shows half replaced.
    const bool hidePanel = _contentPanel && !_contentPanel->isHidden();
    if (hidePanel)
        _contentPanel->hide();
    const int oldPage = _indicatorHandler.selectedIndicator();
    _indicatorHandler.setIndicator(anIndex, definedCount());
    fill(_indicatorHandler.selectedIndicator() * tilesPerPage);
    if (oldPage != _indicatorHandler.selectedIndicator() && tileCount() > 0)
        fillClicked(tile(0).bgImage);
    if (hidePanel)
        _contentPanel->show();
}

void TRuimteAppUIHandler::clickPageIndicator(QObject* Sender)
{
    setIndicator(TUtilities::getTag(Sender));
}

int TRuimteAppUIHandler::pageOrZero() const
{
    return std::max(_indicatorHandler.selectedIndicator(), 0);
}

int TRuimteAppUIHandler::AbsSelectedIndex() const
{
    return pageOrZero() * tilesPerPage + _currentSelectedIndex;
}

void TRuimteAppUIHandler::draw()
{
    for (int position = 0; position < tileCount(); ++position) {
        if (position == 0)
            tile(position).select();
        else
            tile(position).deselect();
    }
    _currentSelectedIndex = 0;
}
