// A window's binding table: its rows call the handlers with their control,
// and a row that does not fit the controls stops the build with a message
// naming it.

#include "UiTestSupport.h"

#include "framework/EventBinding.h"
#include "framework/Runtime.h"

using namespace ui_test;
using fw::ControlClass;

namespace {

class BoundWindow : public TestWindow {
 public:
  BoundWindow() : TestWindow(QStringLiteral("W")) {}
  void CreateControls() override {
    TestWindow::CreateControls();
    BindEvents(Table());
  }
  void Button_Action(fw::PushButton& me) { Note(me.Name() + QStringLiteral(" Action")); }
  void Field_TextChange(fw::TextField& me) { Note(me.Name() + QStringLiteral(" TextChange")); }
  bool Label_MouseDown(fw::Label& me, fw::Integer x, fw::Integer) {
    Note(me.Name() + QStringLiteral(" MouseDown ") + QString::number(x));
    return true;
  }

  static std::vector<fw::EventBinding>& Table() {
    static std::vector<fw::EventBinding> table;
    return table;
  }
};

class EventBinding : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Script().controls = {
        {.cls = ControlClass::kPushButton, .name = "Button", .width = 80, .height = 20},
        {.cls = ControlClass::kTextField, .name = "Field", .top = 30, .width = 80, .height = 22},
        {.cls = ControlClass::kLabel, .name = "Label", .top = 60, .width = 80, .height = 20},
    };
  }
  void TearDown() override {
    BoundWindow::Table().clear();
    UiTest::TearDown();
  }
};

TEST_F(EventBinding, RowsCallTheirHandlersWithTheirControl) {
  using W = BoundWindow;
  W::Table() = {
      {"Button", {{"Action", &W::Button_Action}}},
      {"Field", {{"TextChange", &W::Field_TextChange}}},
      {"Label", {{"MouseDown", &W::Label_MouseDown}}},
  };
  W& w = fw::Window::SharedInstance<W>();
  w.Ctl<fw::PushButton>("Button").Push();
  w.Ctl<fw::TextField>("Field").SetText("x");
  EXPECT_TRUE(w.Ctl<fw::Label>("Label").MouseDown(7, 0));
  EXPECT_EQ(Entries("W: "),
            (QStringList{"W: Layout", "W: CreateControls", "W: Bind Button", "W: Bind Field",
                         "W: Bind Label", "W: AddMenuHandlers", "W: Open", "W: Button Action",
                         "W: Field TextChange", "W: Label MouseDown 7"}));
}

struct BadRow {
  const char* name;
  fw::EventBinding row;
  QString message;
};

TEST_F(EventBinding, ARowThatDoesNotFitStopsTheBuildAndNamesTheRow) {
  using W = BoundWindow;
  const BadRow cases[] = {
      {"misspelt control", fw::EventBinding{"Buton", {{"Action", &W::Button_Action}}},
       "event binding Buton.Action: no control Buton"},
      {"control of another class", fw::EventBinding{"Field", {{"Action", &W::Button_Action}}},
       "event binding Field.Action: the control has no such event"},
      {"event the control lacks", fw::EventBinding{"Button", {{"TextChange", &W::Button_Action}}},
       "event binding Button.TextChange: the control has no such event"},
      {"event of another signature", fw::EventBinding{"Label", {{"MouseUp", &W::Label_MouseDown}}},
       "event binding Label.MouseUp: the control has no such event"},
      {"a row's second event",
       fw::EventBinding{"Button",
                        {{"Action", &W::Button_Action}, {"MouseDown", &W::Label_MouseDown}}},
       "event binding Button.MouseDown: the control has no such event"},
  };
  for (const BadRow& c : cases) {
    SCOPED_TRACE(c.name);
    Log().clear();
    const int destroyed = TestWindow::Destroyed();
    // A good row first: the bad one stops the build all the same.
    W::Table() = {{"Button", {{"Action", &W::Button_Action}}}, c.row};
    try {
      fw::Window::SharedInstance<W>();
      ADD_FAILURE() << "the window was built";
    } catch (const fw::NilObjectException& e) {
      EXPECT_EQ(QString::fromUtf8(e.what()), c.message);
    }
    // Not opened, not shown, not left half-built for the next caller.
    EXPECT_FALSE(Log().contains("W: Open"));
    EXPECT_EQ(fw::Window::FindOpen(typeid(W)), nullptr);
    EXPECT_EQ(TestWindow::Destroyed(), destroyed + 1);
  }
}

// Escaping to the event loop's dispatch, it is the unexpected-error message
// that the user reads, the row in it.
TEST_F(EventBinding, TheUserReadsTheRowInTheErrorMessage) {
  using W = BoundWindow;
  W::Table() = {{"Field", {{"LostFocus", &W::Button_Action}}}};
  fw::Dispatch([] { fw::Window::SharedInstance<W>(); });
  ASSERT_EQ(dialogs.MsgBoxTexts().size(), 1u);
  EXPECT_TRUE(dialogs.MsgBoxTexts()[0].contains("event binding Field.LostFocus"));
}

}  // namespace
