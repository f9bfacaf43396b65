#pragma once

#include <QString>

#include <string_view>

// The engine's texts are UTF-8 views; the report and the windows turn them into QString here.
inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
