#pragma once

#include "vantloIntf.h"

// The service's operations on the live configuration store and the device
// link. Holds no state: the SOAP layer may make one for every call.
//
// Indices outside 0..15 never reach the store: they are answered with an
// error text naming the index. Operations report their own failures as text
// in `error`; only what they do not catch (a damaged data file on first use
// of the store) reaches the SOAP layer as a fault.
class Tvantlo : public Ivantlo {
public:
    TWebserverResponse getroomcount() override;
    TWebserverResponse getappcount(std::int32_t aRoom) override;
    TWebserverResponse getroomname(std::int32_t aRoom) override;
    TWebserverResponse getappname(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse getappcode(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse dimapp(std::int32_t aRoom, std::int32_t aApp, std::int32_t dimstand) override;
    TWebserverResponse isappdimmable(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse isappoudModel(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse apparaatAan(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse apparaatUit(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse getAppImage(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse getscenecount() override;
    TWebserverResponse getscenename(std::int32_t aScene) override;
    TWebserverResponse sceneActivate(std::int32_t aScene) override;
    TWebserverResponse apparaatWakeUp(std::int32_t aRoom, std::int32_t aApp) override;
    TWebserverResponse getwebserverinfo() override;
    TWebserverResponse setImage(std::int32_t aRoom, std::int32_t aApp, const QString& aImage) override;
    TWebserverResponse isDutch() override;
};

inline constexpr const char* noErrorText = "NOERROR";
inline constexpr const char* imageNotFoundText = "Image not found";
