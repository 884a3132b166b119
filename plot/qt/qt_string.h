#pragma once

#include <string>

#include <QString>

namespace plot {

/// The one place where our UTF-8 strings cross into Qt and back.
inline QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQString(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace plot
