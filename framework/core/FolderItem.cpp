#include "framework/FolderItem.h"

#include "framework/core/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fw {

namespace core {
String& ApplicationFolderOverride() {
  static String folder;
  return folder;
}
}  // namespace core

FolderItem::FolderItem(const String& path)
    : path_(path.isEmpty() ? String() : QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {}

String FolderItem::NativePath() const { return QDir::toNativeSeparators(path_); }

String FolderItem::Name() const { return QFileInfo(path_).fileName(); }

bool FolderItem::Exists() const { return !path_.isEmpty() && QFileInfo::exists(path_); }

bool FolderItem::IsDirectory() const { return !path_.isEmpty() && QFileInfo(path_).isDir(); }

bool FolderItem::IsSameFileAs(const FolderItem& other) const {
  const String mine = QFileInfo(path_).canonicalFilePath();
  return !mine.isEmpty() && mine == QFileInfo(other.path_).canonicalFilePath();
}

FolderItem FolderItem::Child(const String& name) const {
  return FolderItem(QDir(path_).filePath(name));
}

FolderItem FolderItem::Parent() const { return FolderItem(QFileInfo(path_).absolutePath()); }

// Only the bare-name mode exists, so the mode is not looked at.
FolderItem GetFolderItem(const String& name, Integer /*pathMode*/) {
  return FolderItem(ApplicationFolder()).Child(name);
}

String ApplicationFolder() {
  const String& folder = core::ApplicationFolderOverride();
  return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

namespace SpecialFolder {
FolderItem Preferences() {
  // XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
  const String path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QDir().mkpath(path);
  return FolderItem(path);
}
}  // namespace SpecialFolder

}  // namespace fw
