#pragma once

#include <QString>
#include <QStringList>

// The zolvoctl verbs that talk to the Zolvo. Each connects first (running
// the connect sequence) and refuses when no Zolvo, or an outdated one, is
// attached. They return the process exit code.
int sendVerb(const QString& dir);
int compareVerb(const QString& dir);
int switchVerb(const QString& dir, const QStringList& args);
int sceneVerb(const QString& dir, const QStringList& args);
int updateFirmwareVerb(const QString& dir);
