#pragma once

#include "ClickHandler.h"

#include <QHash>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class TGradBtn;
class TImage;
class TPanel;

// The form of a button column: the panel `MainBtnContainer` with its
// background picture `Image1` and the column's buttons. The form is never
// shown itself; the column moves its container into the button host.
class TButtonForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int columnWidth = 150;
    static constexpr int columnHeight = 500;
    static constexpr int buttonLeft = 12;
    static constexpr int buttonWidth = 130;
    static constexpr int buttonHeight = 40;

    explicit TButtonForm(int height = columnHeight);
    ~TButtonForm() override;

    // Owned by the form until it is first shown; then by the host, which may free it first.
    QPointer<TPanel> MainBtnContainer;
    TImage* Image1 = nullptr;

protected:
    // A standard button of the column: Arial 19 px black on the grey-to-white ramp.
    TGradBtn* makeButton(
        const char* name, const QString& caption, int top, int left = buttonLeft, int width = buttonWidth);
};

// What every button column does: create the form, show and hide its
// container on the host, bind screen operations to its buttons and set
// button states. Each column adds its own command and state operations.
class TButtonColumn {
public:
    virtual ~TButtonColumn();
    TButtonColumn(const TButtonColumn&) = delete;
    TButtonColumn& operator=(const TButtonColumn&) = delete;

    // Moves the container into the host at (0,0) over earlier columns and shows it.
    void show();
    void hide();

    QWidget* host() const { return _parent; }
    TButtonForm* form() const { return _userInterface.get(); }

protected:
    TButtonColumn() = default;

    // Takes the form, remembers the host and calls init.
    void adopt(QWidget* aParent, std::unique_ptr<TButtonForm> form);
    // Hides the column's initially hidden buttons (none unless the column says so).
    virtual void init() { }

    // Makes `aClick` the button's only click handler and shows the button.
    void command(TGradBtn* button, const ClickHandler& aClick);
    // Replaces the button's click handler (none when `aClick` is empty).
    void bind(TGradBtn* button, const ClickHandler& aClick);
    // Enables or disables a control the column shows; a hidden one stays as it is.
    void state(QWidget* control, bool enabled) const;
    bool isShown(const QWidget* control) const;

    QWidget* _parent = nullptr;
    std::unique_ptr<TButtonForm> _userInterface;

private:
    QHash<TGradBtn*, QMetaObject::Connection> _bindings;
};

// A button column with its own form class.
template <typename Form> class TButtonColumnOf : public TButtonColumn {
public:
    // Creates the form (captions in the current language) on the host `aParent`.
    void create(QWidget* aParent)
    {
        auto form = std::make_unique<Form>();
        _form = form.get();
        adopt(aParent, std::move(form));
    }

    Form* userInterface() const { return _form; }

private:
    Form* _form = nullptr;
};
