#include "ImagePickerHandler.h"

#include "CustomPicture.h"
#include "ErrorBox.h"
#include "ImagePicker.h"
#include "PictureError.h"
#include "Utilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>
#include <utility>

TImagePickerHandler::TImagePickerHandler() = default;

TImagePickerHandler::~TImagePickerHandler() = default;

void TImagePickerHandler::create(QWidget* aMainParent, PickerButtons buttons)
{
    _parent = aMainParent;
    _buttons = std::move(buttons);
    _buttons.bind([this](QObject*) { ButTerugClick(); }, [this](QObject*) { ButExitClick(); });
}

TPickerForm& TImagePickerHandler::form()
{
    // Made on first use: until then no folder is listed and no reader thread runs.
    if (!_frm)
        _frm = std::make_unique<TPickerForm>(QDir::homePath());
    return *_frm;
}

void TImagePickerHandler::show(const QImage& aBitmap, std::function<void(const Picture&)> aCallBack)
{
    _callBack = std::move(aCallBack);
    form();
    _frm->imageSelected->setPicture(aBitmap);
    _frm->LR1->clear();
    TPanel* panel = _frm->imagePickPanel;
    panel->setParent(_parent);
    panel->move(0, 0);
    panel->show();
    panel->raise();
    _buttons.column->show();
    TUtilities::RoundButtons(panel);
    _frm->refreshPlaces();
}

void TImagePickerHandler::hide()
{
    if (TPanel* panel = _frm ? _frm->imagePickPanel : nullptr)
        panel->hide();
    _buttons.column->hide();
}

void TImagePickerHandler::ButExitClick()
{
    hide();
    // The screen beneath is drawn before a big file is read.
    QCoreApplication::processEvents();
    const QString file = form().fileName();
    if (file.isEmpty() || !QFileInfo::exists(file))
        return;
    std::optional<Picture> picture;
    try {
        picture = ReadCustomPicture(file);
    } catch (const PictureError& e) {
        showErrorBox(nullptr, QString::fromUtf8(e.what()));
        return;
    }
    if (_callBack)
        _callBack(*picture);
}

void TImagePickerHandler::ButTerugClick()
{
    hide();
}

void TImagePickerHandler::setFolder(const QString& path)
{
    form().setFolder(path);
}
