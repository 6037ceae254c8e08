#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro::app {

// The models hold UTF-8 text; Qt holds UTF-16.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toStdString(); }

inline QString PathToQt(const std::filesystem::path& path) { return ToQt(path.string()); }
inline std::filesystem::path PathFromQt(const QString& path) {
  return std::filesystem::path(FromQt(path));
}

}  // namespace kelvaro::app
