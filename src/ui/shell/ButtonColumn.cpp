#include "ButtonColumn.h"

#include "Artwork.h"
#include "Controls.h"
#include "GradBtn.h"
#include "Utilities.h"

#include <QFont>

#include <utility>

TButtonForm::TButtonForm(int height)
{
    resize(columnWidth, height);
    MainBtnContainer = place(new TPanel(this), 0, 0, columnWidth, height);
    MainBtnContainer->setObjectName(QStringLiteral("MainBtnContainer"));
    Image1 = place(new TImage(MainBtnContainer), 0, 0, columnWidth, height);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->setPicture(artwork(QStringLiteral("shell/button-column")));
}

TButtonForm::~TButtonForm()
{
    // Once shown, the container lives on the host; take it back down with the form.
    delete MainBtnContainer.data();
}

TGradBtn* TButtonForm::makeButton(const char* name, const QString& caption, int top, int left, int width)
{
    TGradBtn* button = makeStandardButton(MainBtnContainer, left, top, width, buttonHeight, caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

TButtonColumn::~TButtonColumn()
{
    for (const auto& connection : std::as_const(_bindings))
        QObject::disconnect(connection);
}

void TButtonColumn::adopt(QWidget* aParent, std::unique_ptr<TButtonForm> form)
{
    _userInterface = std::move(form);
    _parent = aParent;
    init();
}

void TButtonColumn::show()
{
    TPanel* container = _userInterface ? _userInterface->MainBtnContainer : nullptr;
    if (!container)
        return;
    // Rounded while the container still belongs to the form, so it is rounded too.
    if (container->parentWidget() == _userInterface.get())
        TUtilities::RoundButtons(_userInterface.get());
    if (container->parentWidget() != _parent)
        container->setParent(_parent);
    container->move(0, 0);
    container->setVisible(true);
    container->raise();
}

void TButtonColumn::hide()
{
    if (TPanel* container = _userInterface ? _userInterface->MainBtnContainer : nullptr)
        container->setVisible(false);
}

void TButtonColumn::command(TGradBtn* button, const ClickHandler& aClick)
{
    bind(button, aClick);
    button->setVisible(true);
}

void TButtonColumn::bind(TGradBtn* button, const ClickHandler& aClick)
{
    QObject::disconnect(_bindings.take(button));
    if (aClick)
        _bindings.insert(
            button, QObject::connect(button, &TGradBtn::clicked, button, [button, aClick] { aClick(button); }));
}

bool TButtonColumn::isShown(const QWidget* control) const
{
    return control->isVisibleTo(_userInterface->MainBtnContainer);
}

void TButtonColumn::state(QWidget* control, bool enabled) const
{
    if (isShown(control))
        control->setEnabled(enabled);
}
