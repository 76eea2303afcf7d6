#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The platform's standard error report: an error icon, the text and one OK
// button, shown modally. The text also goes to standard error, so a program
// started from a terminal leaves a trace of what went wrong.
//
// Test seam: after `answerErrorBoxesAtOnce(true)` the boxes are recorded
// (`shownErrorBoxes`) and return at once instead of waiting for a person.
void showErrorBox(QWidget* parent, const QString& text);

void answerErrorBoxesAtOnce(bool atOnce);
QStringList shownErrorBoxes();
void clearShownErrorBoxes();
