#pragma once

#include "ButtonColumn.h"
#include "ClickHandler.h"
#include "Picture.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class TPickerForm;

// The cancel and OK buttons the picker shows, from a column of the screen that opens it.
struct PickerButtons {
    std::unique_ptr<TButtonColumn> column; // already created on the button host
    std::function<void(const ClickHandler& cancel, const ClickHandler& ok)> bind; // binds and shows both
};

// The picture picker: the user chooses a picture file of his own, which is
// read as a 130 x 80 picture and handed to the screen that opened the
// picker. Folder, list, page and selection stay from one visit to the next.
class TImagePickerHandler {
public:
    TImagePickerHandler();
    ~TImagePickerHandler();
    TImagePickerHandler(const TImagePickerHandler&) = delete;
    TImagePickerHandler& operator=(const TImagePickerHandler&) = delete;

    // Readies the picker for the content host `aMainParent`; its form, starting
    // in the home folder, is made when it is first shown.
    void create(QWidget* aMainParent, PickerButtons buttons);
    // Shows the picker over the current screen with `aBitmap` in the preview;
    // `aCallBack` gets the chosen picture when the user confirms one.
    void show(const QImage& aBitmap, std::function<void(const Picture&)> aCallBack);
    void hide();

    // OK: hands over the selected file's picture, or reports why it cannot be read.
    void ButExitClick();
    // Cancel: leaves without a picture.
    void ButTerugClick();

    // Another folder than the one the picker is in (the first is the home folder).
    void setFolder(const QString& path);

    TPickerForm& form();
    TButtonColumn& buttonColumn() { return *_buttons.column; }

private:
    QWidget* _parent = nullptr;
    std::unique_ptr<TPickerForm> _frm;
    PickerButtons _buttons;
    std::function<void(const Picture&)> _callBack;
};
