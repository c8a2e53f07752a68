// The preferences file "Klangbuch Prefs": the list options and the two
// preset lists, one tab-separated line per key, lines ended by CR.

#include "mainwindow/MainWindow.h"
#include "mainwindow/PresetLists.h"

#include "app/App.h"
#include "app/Author.h"
#include "framework/Dialogs.h"
#include "framework/FolderItem.h"
#include "framework/Runtime.h"
#include "framework/TextStreams.h"

#include <vector>

using namespace fw::literals;
using fw::String;

namespace {

const String kPrefsName = u"Klangbuch Prefs"_s;
const String kTab = fw::Chr(9);
const String kCR = fw::Chr(13);

fw::FolderItem PrefsFile() { return fw::SpecialFolder::Preferences().Child(kPrefsName); }

// "\t" + each entry, then "\t" + the selected index (-1 for none).
String ListFields(const fw::PopupMenu& list) {
  String fields;
  for (fw::Integer i = 0; i < list.ListCount(); ++i) {
    fw::BackgroundTask();
    fields += kTab + presets::OneLine(list.List(i));
  }
  return fields + kTab + fw::Str(list.ListIndex());
}

String BoolLine(const String& key, const fw::CheckBox& box) {
  return key + kTab + fw::Str(box.Value()) + kCR;
}

// Fields first..last of `line` appended to `list`, which is emptied first.
void FillFromFields(fw::PopupMenu& list, const String& line, fw::Integer first, fw::Integer last) {
  list.DeleteAllRows();
  for (fw::Integer i = first; i <= last; ++i) {
    fw::BackgroundTask();
    list.AddRow(fw::NthField(line, kTab, i));
  }
}

}  // namespace

String MainWindow::PrefsText() const {
  const App& app = App::SharedInstance();
  return u"Klangbuch v"_s + fw::Str(app.MajorVersion()) + u"."_s + fw::Str(app.MinorVersion()) +
         u", "_s + AuthorName() + u" © "_s + fw::Str(today.Year()) + kCR + kCR +
         BoolLine(u"DeleteDoubleClick"_s, DeleteDoubleClick()) +
         BoolLine(u"ConfirmDlog"_s, ConfirmDlog()) + BoolLine(u"ShowID"_s, ShowID()) +
         u"SortOnOpen"_s + kTab + fw::Str(SortOnOpen().Value()) + ListFields(SortOption()) + kCR +
         BoolLine(u"KeepSel"_s, KeepSel()) + u"SysMenuPref"_s + ListFields(SysMenuPref()) + kCR +
         u"TonMenuPref"_s + ListFields(TonMenuPref()) + kCR;
}

// The whole text goes through the atomic stream, so a failure anywhere
// leaves the previous file as it was. A file that could not be read to its
// end is left alone: it is worth more than this run's option changes, and
// the next start reads it again.
void MainWindow::WritePrefs() {
  if (prefsFileUnread) return;
  const String text = PrefsText();
  std::unique_ptr<fw::TextOutputStream> out = fw::TextOutputStream::Create(PrefsFile());
  bool written = false;
  if (out) {
    out->Write(text);
    written = out->Close();
  }
  if (!written) {
    fw::Beep();
    fw::MsgBox(u"There was an error creating the file."_s);
  }
}

// Every line is read before any takes effect: a read that fails part-way
// counts as a file that cannot be opened, and the design values stay, with
// no half-read line applied.
void MainWindow::ReadPrefs() {
  const fw::FolderItem f = PrefsFile();
  if (!f.Exists()) return;
  std::unique_ptr<fw::TextInputStream> in = fw::TextInputStream::Open(f);
  if (!in) return;
  std::vector<String> lines;
  while (!in->IsEOF()) {
    fw::BackgroundTask();
    lines.push_back(in->ReadLine());
  }
  prefsFileUnread = in->ReadFailed();
  in->Close();
  if (prefsFileUnread) return;
  for (const String& line : lines) {
    fw::BackgroundTask();
    if (!line.isEmpty()) ApplyPrefsLine(line);
  }
}

// The last field of a list line is the index; the entries lie between the
// key (and the value, for SortOnOpen) and it.
void MainWindow::ApplyPrefsLine(const String& line) {
  const fw::Integer n = fw::CountFields(line, kTab);
  const String key = fw::NthField(line, kTab, 1);
  const bool isTrue = fw::NthField(line, kTab, 2) == u"True"_s;
  const fw::Integer index = fw::Val(fw::NthField(line, kTab, n));
  if (key == u"DeleteDoubleClick"_s) {
    DeleteDoubleClick().SetValue(isTrue);
  } else if (key == u"ConfirmDlog"_s) {
    ConfirmDlog().SetValue(isTrue);
  } else if (key == u"ShowID"_s) {
    ShowID().SetValue(isTrue);
  } else if (key == u"KeepSel"_s) {
    KeepSel().SetValue(isTrue);
  } else if (key == u"SortOnOpen"_s) {
    SortOnOpen().SetValue(isTrue);
    FillFromFields(SortOption(), line, 3, n - 1);
    SortOption().SetListIndex(index);
  } else if (key == u"SysMenuPref"_s) {
    FillFromFields(AufnSystem(), line, 2, n - 1);
    DefSys = index;
  } else if (key == u"TonMenuPref"_s) {
    FillFromFields(AufnTon(), line, 2, n - 1);
    DefTon = index;
  }
}
