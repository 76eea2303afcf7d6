#pragma once

#include <QRegion>
#include <QSize>

class QWidget;

// The rounded outline of windows, buttons and panels: a rounded rectangle
// from (1,1) up to (width, height) with corner ellipses of `corner` by `corner`.
QRegion roundedOutline(QSize size, int corner);

// Cuts the window `form` to its rounded outline with corner ellipses of R.
void RoundForm(QWidget* form, int R);

// Every gradient button and every panel among the descendants of `form`
// gets a rounded outline with 20 by 20 corners.
void roundButtonsOf(QWidget* form);
