#pragma once

#include "Json.h"

class TLoadSave;

// The JSON forms that zolvoctl prints.
Json configurationJson(const TLoadSave& store);
Json locationsJson();
Json textsJson();
