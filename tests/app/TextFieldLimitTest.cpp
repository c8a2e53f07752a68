// Every text field of every window is designed "without length limit": each
// holds a text longer than Qt's default maximum of 32,767 characters, set
// by the program as typed by the user.

#include "support/KlangbuchFixture.h"

#include "about/AboutWindow.h"
#include "printing/PrintInfoWindow.h"
#include "search/SearchWindow.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace klangbuch_test {
namespace {

using EveryWindow = KlangbuchFixture;

TEST_F(EveryWindow, EveryTextFieldHoldsMoreThanQtsDefaultLimit) {
  OpenMainWindow();
  const std::vector<fw::Window*> windows = {
      &MainWindow::SharedInstance(), &SearchWindow::SharedInstance(),
      &PrintInfoWindow::SharedInstance(), &AboutWindow::SharedInstance()};
  QString text;
  for (int i = 0; text.size() < 40000; ++i) text += u"Wort%1 "_s.arg(i % 100);
  text.truncate(40000);
  QStringList fields;
  for (fw::Window* w : windows) {
    for (const auto& c : w->Controls()) {
      auto* field = dynamic_cast<fw::TextField*>(c.get());
      if (!field) continue;
      fields << field->Name();
      field->SetText(text);
      EXPECT_EQ(field->Text().size(), 40000) << field->Name().toStdString();
      auto* edit = static_cast<QLineEdit*>(field->widget());
      edit->end(false);
      edit->insert(u"!"_s);  // as typed
      EXPECT_EQ(field->Text(), text + u"!"_s) << field->Name().toStdString();
      field->SetText(QString());
    }
  }
  // The fields the design names so: the form's, the options' and the search
  // window's.
  for (const char* name : {"ProdNummer", "AufnBemerkung", "AufnTechnik", "SysMenuText",
                           "TonMenuText", "SearchFor", "SearchSQL", "SearchByDate"})
    EXPECT_TRUE(fields.contains(QString::fromLatin1(name))) << name;
}

}  // namespace
}  // namespace klangbuch_test
