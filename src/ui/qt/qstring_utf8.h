// The program keeps its texts as UTF-8; Qt takes them as QString.
#pragma once

#include <QString>
#include <string_view>

namespace koravel {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace koravel
