#pragma once

#include <QString>

#include <optional>

// The custom pictures of appliances: files named after the appliance in the
// folder "appImages" inside the program folder.

// Why `name` cannot name a file inside the picture folder (empty, "." or
// "..", a path separator, a control character), or std::nullopt when it can.
std::optional<QString> applianceFileNameProblem(const QString& name);

QString appImagesFolder(const QString& programFolder);
// The custom file of an appliance: picture folder + name + ".jpg".
QString customPicturePath(const QString& programFolder, const QString& name);
// The backup subfolder of the picture folder.
QString backupFolder(const QString& programFolder);
// The name a replaced custom file gets in the backup folder: `prefix` (0..65534)
// in upper-case hexadecimal with at least 2 digits, then name + ".jpg".
QString backupFileName(int prefix, const QString& name);
