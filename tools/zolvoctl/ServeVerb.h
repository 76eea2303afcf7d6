#pragma once

#include <QString>

// The lock file in the folder of the data files. Whoever works on the
// configuration of a folder (zolvoctl serve, the desktop program) holds an
// exclusive flock on it, so the two never run on one folder at once.
inline constexpr const char* folderLockFileName = ".zolvo.lock";

// zolvoctl serve: the web service on the configuration in `dir`, with the
// device link, on `port` (empty: 8080; "0": any free port), until SIGINT or
// SIGTERM. Prints "serving on port N" once it listens. Returns the exit code.
int serveVerb(const QString& dir, const QString& port);
