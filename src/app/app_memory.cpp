#include "app/app_memory.h"

#include "app/qt_text.h"
#include "weatherio/message_text.h"

namespace kelvaro::app {
namespace {

const QString kLastFolder = QStringLiteral("folders/last");
const QString kRecentFolders = QStringLiteral("folders/recent");
const QString kLastKind = QStringLiteral("run/kind");

QString ValuesKey(const QString& dialog, const QString& field) {
  return QStringLiteral("values/%1/%2").arg(dialog, field);
}

}  // namespace

AppMemory::AppMemory() : settings_(std::make_unique<QSettings>()) {}

void AppMemory::PutFirst(const QString& key, const QString& value, int most) {
  QStringList values = settings_->value(key).toStringList();
  values.removeAll(value);
  values.prepend(value);
  while (values.size() > most) values.removeLast();
  settings_->setValue(key, values);
  settings_->sync();
}

void AppMemory::RememberFolder(const std::filesystem::path& folder) {
  const QString shown = PathToQt(ShownPath(folder));
  settings_->setValue(kLastFolder, shown);
  PutFirst(kRecentFolders, shown, kMostFolders);
}

std::optional<std::filesystem::path> AppMemory::LastFolder() const {
  const QString last = settings_->value(kLastFolder).toString();
  std::error_code error;
  if (last.isEmpty() || !std::filesystem::is_directory(PathFromQt(last), error)) {
    return std::nullopt;
  }
  return PathFromQt(last);
}

QStringList AppMemory::RecentFolders() const {
  return settings_->value(kRecentFolders).toStringList();
}

void AppMemory::RememberKind(const QString& ext) {
  settings_->setValue(kLastKind, ext);
  settings_->sync();
}

QString AppMemory::LastKind() const { return settings_->value(kLastKind).toString(); }

void AppMemory::RememberValue(const QString& dialog, const QString& field, const QString& value) {
  if (!value.trimmed().isEmpty()) PutFirst(ValuesKey(dialog, field), value, kMostValues);
}

QStringList AppMemory::Values(const QString& dialog, const QString& field) const {
  return settings_->value(ValuesKey(dialog, field)).toStringList();
}

}  // namespace kelvaro::app
