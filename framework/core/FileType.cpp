#include "framework/FileType.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace fw {

namespace {
// Never destroyed: a FileType held by a global outlives any function-local
// static made after it, and its destructor still looks itself up here.
std::vector<const FileType*>& LivingTypes() {
  static auto* types = new std::vector<const FileType*>;
  return *types;
}
}  // namespace

FileType::FileType() { LivingTypes().push_back(this); }

FileType::~FileType() { std::erase(LivingTypes(), this); }

String FileTypeFilter(const String& names) {
  QStringList filters;
  for (const String& name : names.split(u';', Qt::SkipEmptyParts)) {
    const auto& types = LivingTypes();
    const auto type = std::find_if(types.begin(), types.end(),
                                   [&](const FileType* t) { return t->Name == name; });
    if (type == types.end()) continue;
    QStringList patterns;
    for (const String& ext : (*type)->Extensions.split(u';', Qt::SkipEmptyParts)) {
      for (const String& form : {ext.toLower(), ext.toUpper()})
        if (!patterns.contains(u'*' + form)) patterns << u'*' + form;
    }
    filters << name + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace fw
