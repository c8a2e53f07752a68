#include "framework/Application.h"

#include "framework/ui/RunState.h"

namespace fw {

Application::Application() = default;

Integer Application::MajorVersion() const { return ui::State().version.major; }
Integer Application::MinorVersion() const { return ui::State().version.minor; }
Integer Application::BugVersion() const { return ui::State().version.bug; }

void Application::AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  handlers_[itemName] = std::move(handler);
}

const std::function<bool()>* Application::MenuHandler(const String& itemName) const {
  auto it = handlers_.find(itemName);
  return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace fw
