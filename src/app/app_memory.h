#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <optional>

namespace kelvaro::app {

// What the program remembers between sessions in the user's settings (QSettings of the
// application): the last data folder, the recent folders, the last input kind run and the last
// values typed into each dialog's fields, newest first.
class AppMemory {
 public:
  static constexpr int kMostFolders = 8;
  static constexpr int kMostValues = 10;

  AppMemory();

  void RememberFolder(const std::filesystem::path& folder);
  // The last data folder, when it still exists.
  std::optional<std::filesystem::path> LastFolder() const;
  QStringList RecentFolders() const;

  void RememberKind(const QString& ext);
  QString LastKind() const;

  // A value typed into `field` of `dialog`; empty values are not remembered.
  void RememberValue(const QString& dialog, const QString& field, const QString& value);
  QStringList Values(const QString& dialog, const QString& field) const;

 private:
  void PutFirst(const QString& key, const QString& value, int most);

  std::unique_ptr<QSettings> settings_;
};

}  // namespace kelvaro::app
