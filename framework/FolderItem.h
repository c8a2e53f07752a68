#pragma once
// Files and folders of the platform layer.

#include "framework/String.h"

#include <memory>

namespace fw {

// A reference to a file or folder by path; it may or may not exist.
class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(const String& path);

  String NativePath() const;  // absolute path
  String Name() const;        // last path component
  bool Exists() const;
  bool IsDirectory() const;
  // Both name the same existing file, symbolic links and ".." resolved.
  bool IsSameFileAs(const FolderItem& other) const;
  FolderItem Child(const String& name) const;
  FolderItem Parent() const;

 private:
  String path_;
};

// `name` resolved in the folder that holds the program's executable (not the
// working directory). Only path mode 0 (a bare name) is supported.
FolderItem GetFolderItem(const String& name, Integer pathMode = 0);

// The folder GetFolderItem resolves against.
String ApplicationFolder();

namespace SpecialFolder {
// The user's configuration folder (XDG_CONFIG_HOME, else ~/.config),
// created when it is missing.
FolderItem Preferences();
}  // namespace SpecialFolder

}  // namespace fw
