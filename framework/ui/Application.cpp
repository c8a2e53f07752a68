#include "framework/Application.h"

namespace fw {

Application::Application() = default;

Integer Application::MajorVersion() const { return KLANGBUCH_MAJOR_VERSION; }
Integer Application::MinorVersion() const { return KLANGBUCH_MINOR_VERSION; }
Integer Application::BugVersion() const { return KLANGBUCH_BUG_VERSION; }

void Application::AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  handlers_[itemName] = std::move(handler);
}

const std::function<bool()>* Application::MenuHandler(const String& itemName) const {
  auto it = handlers_.find(itemName);
  return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace fw
