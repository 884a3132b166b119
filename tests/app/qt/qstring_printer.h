#pragma once

#include <ostream>

#include <QString>

// Lets GoogleTest print QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
