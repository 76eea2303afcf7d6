#pragma once

#include <QByteArray>
#include <QString>

// Base64 with the standard alphabet and "=" padding, in the line layout the
// remote apps expect.

// Lines of 76 characters, each full line followed by CR LF; a shorter last
// line is not.
QString base64Lines(const QByteArray& bytes);

// Decodes after skipping every character outside "A".."Z", "a".."z",
// "0".."9", "+", "/" and "=", so line breaks do no harm. Throws
// std::runtime_error on data that is not Base64.
QByteArray decodeBase64Lenient(const QString& text);
