#pragma once

#include "AppUIHandler.h"
#include "Cp1252.h"
#include "DesktopTest.h"
#include "GradBtn.h"
#include "HouseEdits.h"
#include "RuimteAppButHandler.h"
#include "RuimteAppHandler.h"
#include "RuimteAppSel.h"
#include "RuimteAppSelButHandler.h"
#include "RuimteAppSelHandler.h"
#include "RuimteApparaat.h"
#include "StorePictureLists.h"

#include <QTest>

#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The desktop program with its rooms screen, a stand-in Zolvo and a store
// in a temporary folder that the test furnishes before the window is built.
class RoomsTest : public DesktopTest {
protected:
    // Rooms 0..rooms-1 named "room r" with a picture of their own; the first
    // room gets `appliances` appliances "lamp a" with codes 10 + a.
    void furnish(int rooms, int appliances = 0)
    {
        PictureList& roomPictures = store->pictures()->usedRuimteimages;
        for (int r = 0; r < rooms; ++r) {
            setShortString(store->Ruimtes[r].Omschrijving, QStringLiteral("room %1").arg(r));
            store->Ruimtes[r].Afbeelding = roomPictures.append(Picture(130, 80, 24, rgb(r, 100, 50)));
        }
        for (int a = 0; a < appliances; ++a)
            addAppliance(0, a, 10 + a);
    }

    Apparaat& addAppliance(int room, int a, int code)
    {
        Apparaat& apparaat = store->Ruimtes[room].Apparaten[a];
        setShortString(apparaat.Omschrijving, QStringLiteral("lamp %1").arg(a));
        apparaat.Afbeelding = store->pictures()->usedAppimages.append(Picture(130, 80, 24, rgb(200, a, 0)));
        apparaat.Code = code;
        return apparaat;
    }

    TRuimteUIHandler& openRooms()
    {
        MainFormSettings s = settings();
        s.homeScreen = [](TMainForm& mainForm) { return std::make_unique<TRuimteUIHandler>(mainForm); };
        startMainForm(std::move(s));
        form->show();
        return static_cast<TRuimteUIHandler&>(*form->homeScreen());
    }

    TRuimteApparaat& layout() { return rooms().form(); }
    TRuimteUIHandler& rooms() { return static_cast<TRuimteUIHandler&>(*form->homeScreen()); }
    TfrmRuimteAppButInterface& column() { return *rooms().buttons().userInterface(); }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void doubleClick(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
    }

    // The Switch reports written since the trace was cleared: code, value, 5.
    std::vector<Report> switches() const
    {
        std::vector<Report> out;
        for (const Report& report : written())
            if (report[1] == 0x5A)
                out.push_back(report);
        return out;
    }

    static Report switchReport(int code, int value)
    {
        return makeCommand(0x5A, {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value), 0x05});
    }

    // The next `count` message dialogs close at once.
    static void answerMessages(int count)
    {
        for (int i = 0; i < count; ++i)
            TfrmMeld::setNextAnswer(1);
    }

    QStringList messagesShown() const
    {
        QStringList texts;
        for (const MeldQuestion& question : TfrmMeld::askedQuestions())
            texts << question.M2;
        return texts;
    }
};
