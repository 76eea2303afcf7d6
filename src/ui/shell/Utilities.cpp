#include "Utilities.h"

#include "Controls.h"
#include "GradBtn.h"
#include "HidCtrl.h"
#include "Outline.h"
#include "Rounding.h"

#include <QFont>

namespace {
constexpr TColor chosenColour = 729114; // red 26, green 32, blue 11
constexpr int captionTop = 4;
constexpr int captionHeight = 25;
} // namespace

int TUtilities::getTag(const QObject* Sender)
{
    if (const auto* label = qobject_cast<const TLabel*>(Sender))
        return label->tag();
    if (const auto* picture = qobject_cast<const TImage*>(Sender))
        return picture->tag();
    return -1;
}

void TUtilities::SetPanelCaption(QWidget* aPanel, const QString& aCaption)
{
    auto* caption = aPanel->findChild<TLabel*>(QLatin1String(panelCaptionName), Qt::FindDirectChildrenOnly);
    if (!caption) {
        caption = new TLabel(aPanel);
        caption->setObjectName(QLatin1String(panelCaptionName));
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(15);
        caption->setFont(font);
        caption->setFontColor(clWhite);
        caption->setAlignment(Qt::AlignCenter);
        caption->setTextFormat(Qt::PlainText);
        caption->show();
    }
    caption->setText(aCaption);
    caption->resize(caption->sizeHint().width(), captionHeight);
    caption->move(roundHalfEven((aPanel->width() - caption->width()) / 2.0), captionTop);
}

void TUtilities::RoundButtons(QWidget* Sender)
{
    roundButtonsOf(Sender);
}

void TUtilities::setButtonSelected(TGradBtn* aButton)
{
    aButton->setFontColor(clWhite);
    aButton->setBeginColor(chosenColour);
    aButton->setEndColor(chosenColour);
}

void TUtilities::setButtonNotSelected(TGradBtn* aButton)
{
    aButton->setFontColor(clBlack);
    aButton->setBeginColor(clGray);
    aButton->setEndColor(clWhite);
}

int TUtilities::EntriesUsedInProgTable(const ProgAktieList& AktieListObject)
{
    return EntriesUsedInProgTable(AktieListObject.list());
}

int TUtilities::EntriesUsedInProgTable(const KeyedAktieList& actions)
{
    int entries = 0;
    for (const auto& [key, aktie] : actions)
        entries += aktie && aktie->WakeUpInterval() != 0 ? 10 : 1;
    return entries;
}

bool TUtilities::IsZolvoConnected(bool silent)
{
    return ::IsZolvoConnected(silent);
}

bool TUtilities::IsValidCode(int aCode, bool silent)
{
    return ::IsValidCode(aCode, silent);
}

Picture TUtilities::ReadCustomPicture(const QString& aFileName)
{
    return ::ReadCustomPicture(aFileName);
}

int TUtilities::Bitmap24UnusedIndex(const Picture& aBitmap)
{
    return ::Bitmap24UnusedIndex(aBitmap);
}
