#pragma once

#include <QString>

// zolvoctl serve: the web service on the configuration in `dir`, with the
// device link, on `port` (empty: 8080; "0": any free port), until SIGINT or
// SIGTERM. Prints "serving on port N" once it listens. Returns the exit code.
int serveVerb(const QString& dir, const QString& port);
