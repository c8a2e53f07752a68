#include "framework/Database.h"

namespace fw {

void DatabaseRecord::Column(const String& name, const String& value) {
  set({name, false, value, false});
}

void DatabaseRecord::BooleanColumn(const String& name, bool value) {
  set({name, true, String(), value});
}

// Setting a column again replaces its value; names match as SQL's do.
void DatabaseRecord::set(Entry entry) {
  for (Entry& existing : entries_) {
    // Sizes first: a record is set column by column, thousands of times.
    if (existing.name.size() == entry.name.size() &&
        existing.name.compare(entry.name, Qt::CaseInsensitive) == 0) {
      existing = std::move(entry);
      return;
    }
  }
  entries_.push_back(std::move(entry));
}

}  // namespace fw
