#pragma once

#include <QString>

// The folder of the running executable, where the data files live.
QString programFolder();
