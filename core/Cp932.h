#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The settings file keeps its texts in Windows Shift-JIS (CP932).

// nullopt when the text holds a character CP932 cannot represent.
std::optional<QByteArray> encodeCp932(const QString& text);

// Bytes that are not valid CP932 become U+FFFD; the rest is kept.
QString decodeCp932(const QByteArray& bytes);
