#include "framework/Menu.h"

#include "framework/ui/MenuEnabling.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace fw {

MenuItem::MenuItem(Kind kind) : kind_(kind) {}

MenuItem::~MenuItem() {
  MenuEnabling::Destroyed(*this);
  // Qt's shortcut map is gone with the application object.
  if (!QCoreApplication::instance()) return;
  delete menu_;
  delete action_;
}

void MenuItem::SetText(const String& text) {
  text_ = text;
  MenuEnabling::Sync(*this);
}

void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!MenuEnabling::Updating()) MenuEnabling::RecordExplicit(*this);
  MenuEnabling::Sync(*this);
}

void MenuItem::Append(std::unique_ptr<MenuItem> child) {
  MenuItem& added = *child;
  children_.push_back(std::move(child));
  if (menu_) menu_->addAction(MenuEnabling::ActionOf(added));
}

MenuItem* MenuItem::FindItem(const String& name) const {
  for (const auto& child : children_) {
    if (child->Name == name) return child.get();
    if (MenuItem* found = child->FindItem(name)) return found;
  }
  return nullptr;
}

QAction* MenuItem::action() const { return MenuEnabling::ActionOf(const_cast<MenuItem&>(*this)); }

}  // namespace fw
