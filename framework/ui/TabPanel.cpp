#include "framework/Controls.h"

#include "framework/ui/ControlSupport.h"
#include "framework/ui/DesignText.h"

#include <QPointer>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <vector>

namespace fw {
namespace {

// A tab bar over a framed page area. The pages' controls are children of
// this widget, placed by the window; the panel only shows and hides them.
class TabPanelWidget : public QWidget {
 public:
  TabPanelWidget() : bar(new QTabBar(this)) {
    bar->setDrawBase(false);
    setFocusProxy(bar);
  }

  QTabBar* const bar;

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QWidget::resizeEvent(e);
    // Centred over the pages: the panel may reach beyond the window's edges.
    const QSize hint = bar->sizeHint();
    const int w = qMin(width(), hint.width());
    bar->setGeometry((width() - w) / 2, 0, w, hint.height());
  }

  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = bar->height() - 1;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar->size();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  }
};

}  // namespace

struct TabPanel::Impl {
  QPointer<TabPanelWidget> panel = new TabPanelWidget;
  std::vector<String> captions;
  Integer value = -1;
  std::vector<RectControl*> pageControls;

  void showPage() {
    {
      QSignalBlocker quiet(panel->bar);
      panel->bar->setCurrentIndex(value);
    }
    for (RectControl* c : pageControls) ui::ApplyShown(*c);
  }
};

TabPanel::TabPanel() : d(std::make_unique<Impl>()) {
  QObject::connect(d->panel->bar, &QTabBar::currentChanged, d->panel, [this](int page) {
    if (page == d->value) return;
    d->value = page;
    d->showPage();
    ui::RaiseFromUser(*this, Change);
  });
}

TabPanel::~TabPanel() { delete d->panel; }

Integer TabPanel::Value() const { return d->value; }

void TabPanel::SetValue(Integer page) {
  if (page < 0 || page >= PanelCount() || page == d->value) return;
  d->value = page;
  d->showPage();
  ui::RaiseFromProgram(*this, Change);
}

Integer TabPanel::PanelCount() const { return static_cast<Integer>(d->captions.size()); }

String TabPanel::Caption(Integer page) const {
  return page >= 0 && page < PanelCount() ? d->captions[page] : String();
}

void TabPanel::AppendPanel(const String& caption) {
  d->captions.push_back(caption);
  {
    // Qt makes the first tab current and says so.
    QSignalBlocker quiet(d->panel->bar);
    d->panel->bar->addTab(ui::LiteralCaption(caption));
  }
  if (d->value < 0) d->value = 0;
  d->showPage();
}

void TabPanel::AddPageControl(RectControl& control) { d->pageControls.push_back(&control); }

QWidget* TabPanel::widget() const { return d->panel; }

}  // namespace fw
