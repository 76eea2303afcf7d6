#pragma once

#include "CustomPicture.h"
#include "ProgAktieList.h"

#include <QString>

class QObject;
class QWidget;
class TGradBtn;

// Helpers shared by the screens; class operations only, no state.
class TUtilities {
public:
    // Object name of the caption label SetPanelCaption puts on a panel.
    static constexpr const char* panelCaptionName = "lblPanelCaption";

    // The tag of a picture or label, -1 for anything else.
    static int getTag(const QObject* Sender);
    // Shows `aCaption` centred along the top of `aPanel`, reusing the label of an earlier call.
    static void SetPanelCaption(QWidget* aPanel, const QString& aCaption);
    // Gives every gradient button and panel of the form its rounded outline.
    static void RoundButtons(QWidget* Sender);
    // Marks a button as the chosen one of a group, and undoes that.
    static void setButtonSelected(TGradBtn* aButton);
    static void setButtonNotSelected(TGradBtn* aButton);

    // Program-table entries the actions need: one each, plus 9 for every
    // wake-up, which the device runs as 10 entries.
    static int EntriesUsedInProgTable(const ProgAktieList& AktieListObject);
    static int EntriesUsedInProgTable(const KeyedAktieList& actions);

    // The device guards and the custom-picture helpers, offered here as the screens expect them.
    static bool IsZolvoConnected(bool silent);
    static bool IsValidCode(int aCode, bool silent);
    static Picture ReadCustomPicture(const QString& aFileName);
    static int Bitmap24UnusedIndex(const Picture& aBitmap);
};
