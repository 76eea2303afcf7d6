#include "ErrorBox.h"

#include <QMessageBox>

#include <cstdio>

namespace {
bool answerAtOnce = false;
QStringList shown;
} // namespace

void showErrorBox(QWidget* parent, const QString& text)
{
    std::fprintf(stderr, "zolvo: %s\n", qPrintable(text));
    if (answerAtOnce) {
        shown.append(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zolvo "), text, QMessageBox::Ok, parent);
    box.exec();
}

void answerErrorBoxesAtOnce(bool atOnce)
{
    answerAtOnce = atOnce;
}

QStringList shownErrorBoxes()
{
    return shown;
}

void clearShownErrorBoxes()
{
    shown.clear();
}
