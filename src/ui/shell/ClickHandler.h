#pragma once

#include <QObject>

#include <functional>

// A screen handler's operation bound to a button, tile or indicator; it gets
// the control that was clicked.
using ClickHandler = std::function<void(QObject* sender)>;
