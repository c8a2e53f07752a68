#include "framework/FolderItem.h"
#include "framework/testsupport/TestRuntime.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace fw {
namespace {

TEST(FolderItemTest, ChildExistsNameParent) {
  QTemporaryDir tmp;
  const FolderItem folder(tmp.path());
  EXPECT_TRUE(folder.Exists());
  EXPECT_TRUE(folder.IsDirectory());
  const FolderItem child = folder.Child("recordings.rsd");
  EXPECT_FALSE(child.Exists());
  EXPECT_EQ(child.Name(), "recordings.rsd");
  EXPECT_EQ(child.Parent().NativePath(), folder.NativePath());
  QFile(child.NativePath()).open(QIODevice::WriteOnly);
  EXPECT_TRUE(child.Exists());
  EXPECT_FALSE(child.IsDirectory());
  EXPECT_FALSE(FolderItem().Exists());
}

TEST(FolderItemTest, SameFileThroughLinksAndDots) {
  QTemporaryDir tmp;
  const FolderItem folder(tmp.path());
  const FolderItem db = folder.Child("recordings.rsd");
  QFile(db.NativePath()).open(QIODevice::WriteOnly);
  ASSERT_TRUE(QDir().mkdir(folder.Child("sub").NativePath()));
  ASSERT_TRUE(QFile::link(db.NativePath(), folder.Child("link.txt").NativePath()));
  EXPECT_TRUE(db.IsSameFileAs(db));
  EXPECT_TRUE(FolderItem(tmp.path() + "/sub/../recordings.rsd").IsSameFileAs(db));
  EXPECT_TRUE(folder.Child("link.txt").IsSameFileAs(db));
  EXPECT_FALSE(folder.Child("other.txt").IsSameFileAs(db));
  EXPECT_FALSE(folder.Child("other.txt").IsSameFileAs(folder.Child("other.txt")));  // none exists
  EXPECT_FALSE(FolderItem().IsSameFileAs(FolderItem()));
}

TEST(FolderItemTest, GetFolderItemResolvesInApplicationFolder) {
  // Not the working directory: the folder of the executable.
  const QString cwd = QDir::currentPath();
  QTemporaryDir elsewhere;
  QDir::setCurrent(elsewhere.path());
  EXPECT_EQ(GetFolderItem("recordings.rsd").Parent().NativePath(),
            FolderItem(QCoreApplication::applicationDirPath()).NativePath());
  QDir::setCurrent(cwd);

  QTemporaryDir app;
  SetApplicationFolder(app.path());
  EXPECT_EQ(GetFolderItem("recordings.rsd", 0).NativePath(),
            QDir(app.path()).filePath("recordings.rsd"));
  SetApplicationFolder(QString());
  EXPECT_EQ(ApplicationFolder(), QCoreApplication::applicationDirPath());
}

TEST(FolderItemTest, PreferencesFolderIsCreated) {
  QTemporaryDir tmp;
  const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
  const QByteArray oldHome = qgetenv("HOME");

  const QString xdg = tmp.filePath("config/nested");
  qputenv("XDG_CONFIG_HOME", xdg.toUtf8());
  const FolderItem fromXdg = SpecialFolder::Preferences();
  EXPECT_EQ(fromXdg.NativePath(), xdg);
  EXPECT_TRUE(fromXdg.IsDirectory());

  qunsetenv("XDG_CONFIG_HOME");
  qputenv("HOME", tmp.filePath("home").toUtf8());
  const FolderItem fromHome = SpecialFolder::Preferences();
  EXPECT_EQ(fromHome.NativePath(), tmp.filePath("home/.config"));
  EXPECT_TRUE(fromHome.IsDirectory());

  qputenv("HOME", oldHome);
  if (oldXdg.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldXdg);
}

}  // namespace
}  // namespace fw
