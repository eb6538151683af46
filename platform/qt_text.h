// Text between the program (UTF-8, possibly absent) and the toolkit.
#pragma once

#include <QString>

#include <string_view>

namespace zarn {

inline QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A template's text, which may be absent.
inline QString qtext(const char* text)
{
    return QString::fromUtf8(text ? text : "");
}

} // namespace zarn
