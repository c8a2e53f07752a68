#include "framework/Database.h"

#include "framework/Runtime.h"
#include "framework/db/Statement.h"

#include <bit>
#include <cstring>
#include <limits>

namespace fw {

using db::QuoteIdentifier;
using db::Statement;

namespace {

String Utf8(const char* text) { return String::fromUtf8(text); }

}  // namespace

RecordSet::RecordSet(SQLiteDatabase* db) : db_(db) {}

RecordSet::~RecordSet() { releaseStorage(); }

void RecordSet::releaseStorage() { db_->keepStorage(cells_, text_); }

void RecordSet::describe(sqlite3_stmt* stmt) {
  columns_ = size_t(sqlite3_column_count(stmt));
  bool oneTable = true;
  for (size_t i = 0; i < columns_; ++i) {
    const int c = int(i);
    names_.push_back(Utf8(sqlite3_column_name(stmt, c)));
    boolean_.push_back(db::IsBooleanDeclaration(sqlite3_column_decltype(stmt, c)));
    origins_.push_back(Utf8(sqlite3_column_origin_name(stmt, c)));
    const String database = Utf8(sqlite3_column_database_name(stmt, c));
    const String table = Utf8(sqlite3_column_table_name(stmt, c));
    if (table.isEmpty()) {
      oneTable = false;  // an expression: no place to write it back to
    } else if (i == 0) {
      database_ = database;
      table_ = table;
    } else if (database != database_ || table != table_) {
      oneTable = false;
    }
    fields_.push_back(DatabaseField(this, c));
  }
  if (!oneTable) table_.clear();
  pending_.resize(columns_);
  changed_.assign(columns_, false);
}

int RecordSet::fill(sqlite3_stmt* stmt) {
  describe(stmt);
  int rc;
  while ((rc = db_->step(stmt)) == SQLITE_ROW) {
    for (int c = 0; c < int(columns_); ++c) {
      Cell cell;
      bool stored = true;
      switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_NULL: break;
        case SQLITE_INTEGER:
          stored = storeNumber(cell, Cell::kInteger, sqlite3_column_int64(stmt, c));
          break;
        case SQLITE_FLOAT:
          stored = storeNumber(cell, Cell::kReal,
                               std::bit_cast<long long>(sqlite3_column_double(stmt, c)));
          break;
        case SQLITE_BLOB: {
          const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, c));
          const int length = sqlite3_column_bytes(stmt, c);
          if (!bytes && length > 0) return SQLITE_NOMEM;
          stored = storeBytes(cell, Cell::kBlob, bytes, size_t(length));
          break;
        }
        default: {
          const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
          if (!text) return SQLITE_NOMEM;
          stored = storeBytes(cell, Cell::kText, text, size_t(sqlite3_column_bytes(stmt, c)));
        }
      }
      if (!stored) return SQLITE_TOOBIG;
      cells_.push_back(cell);
    }
    ++rows_;
  }
  return rc;
}

bool RecordSet::storeBytes(Cell& cell, Cell::Type type, const void* bytes, size_t length) {
  if (length > Cell::kMaxLength ||
      text_.size() + length > std::numeric_limits<std::uint32_t>::max()) {
    return false;
  }
  cell.offset = std::uint32_t(text_.size());
  cell.lengthAndType = std::uint32_t(length) << 3 | type;
  if (length > 0) text_.append(static_cast<const char*>(bytes), length);
  return true;
}

bool RecordSet::storeNumber(Cell& cell, Cell::Type type, long long bits) {
  return storeBytes(cell, type, &bits, sizeof bits);
}

long long RecordSet::numberBits(const Cell& c) const {
  long long bits;
  std::memcpy(&bits, text_.data() + c.offset, sizeof bits);
  return bits;
}

const RecordSet::Cell& RecordSet::cell(int column) const {
  static const Cell kNull;
  if (changed_[size_t(column)]) return pending_[size_t(column)];
  if (IsEOF()) return kNull;
  return cells_[row_ * columns_ + size_t(column)];
}

bool RecordSet::isNonZero(const Cell& c) const {
  const long long bits = numberBits(c);
  return c.type() == Cell::kInteger ? bits != 0 : std::bit_cast<double>(bits) != 0;
}

std::string_view RecordSet::utf8(const Cell& c, size_t column, std::string& scratch) const {
  switch (c.type()) {
    case Cell::kNull: return {};
    case Cell::kInteger:
    case Cell::kReal:
      if (boolean_[column]) return isNonZero(c) ? "true" : "false";
      if (c.type() == Cell::kInteger)
        scratch = std::to_string(numberBits(c));
      else
        scratch = String::number(std::bit_cast<double>(numberBits(c)), 'g', 15).toStdString();
      return scratch;
    case Cell::kText:
    case Cell::kBlob: break;
  }
  return std::string_view(text_.data() + c.offset, c.length());
}

void RecordSet::ReadRemainingRows(std::string& bytes,
                                  const std::function<void(size_t, size_t, size_t)>& field) {
  if (IsEOF()) return;
  // Texts and blobs are named where they lie in text_, appended whole; a
  // number's text is made and appended after it.
  const size_t base = bytes.size();
  bytes.append(text_);
  std::string scratch;
  for (; !IsEOF(); MoveNext()) {
    for (size_t c = 0; c < columns_; ++c) {
      const Cell& v = cell(int(c));
      const Cell::Type type = v.type();
      if (type == Cell::kText || type == Cell::kBlob) {
        field(base + v.offset, v.length(), c);
      } else {
        const std::string_view text = utf8(v, c, scratch);
        field(bytes.size(), text.size(), c);
        bytes.append(text);
      }
    }
  }
}

bool RecordSet::IsEOF() const { return row_ >= rows_; }

void RecordSet::MoveNext() {
  if (row_ < rows_) ++row_;
  editing_ = false;
  changed_.assign(columns_, false);
}

Integer RecordSet::FieldCount() const { return Integer(columns_); }

DatabaseField& RecordSet::Field(const String& name) {
  for (size_t i = 0; i < columns_; ++i) {
    if (names_[i].compare(name, Qt::CaseInsensitive) == 0) return fields_[i];
  }
  throw NilObjectException(QStringLiteral("RecordSet has no field ") + name);
}

DatabaseField& RecordSet::IdxField(Integer index) {
  if (index < 1 || size_t(index) > columns_) {
    throw NilObjectException(QStringLiteral("RecordSet has no field number ") +
                             String::number(index));
  }
  return fields_[size_t(index) - 1];
}

void RecordSet::Edit() {
  if (IsEOF()) {
    db_->fail(SQLITE_ERROR, QStringLiteral("there is no current record to edit"));
    return;
  }
  if (!isEditable()) return;
  editing_ = true;
  changed_.assign(columns_, false);
  db_->succeed();
}

bool RecordSet::isEditable() {
  if (!db_->db_) {
    db_->fail(SQLITE_MISUSE, QStringLiteral("not connected to a database"));
    return false;
  }
  if (rowidColumn_ < 0) rowidColumn_ = locateRowid();
  if (rowidColumn_ < 0) {
    db_->fail(SQLITE_ERROR,
              QStringLiteral("this result cannot be edited: its columns must all come "
                             "from one table and include its rowid"));
    return false;
  }
  return true;
}

// The result column that holds the table's rowid: its INTEGER PRIMARY KEY,
// or rowid itself when selected. SQLite names the origin of "SELECT rowid"
// after the key column when there is one.
int RecordSet::locateRowid() const {
  if (table_.isEmpty()) return -1;
  const QByteArray sql = (QStringLiteral("SELECT rowid FROM ") + QuoteIdentifier(database_) +
                          QLatin1Char('.') + QuoteIdentifier(table_))
                             .toUtf8();
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_->db_, sql.constData(), -1, &raw, nullptr) != SQLITE_OK) {
    return -1;  // e.g. a WITHOUT ROWID table
  }
  Statement stmt(raw);
  const String rowid = Utf8(sqlite3_column_origin_name(raw, 0));
  for (size_t i = 0; i < columns_; ++i) {
    if (origins_[i].compare(rowid, Qt::CaseInsensitive) == 0) return int(i);
  }
  return -1;
}

void RecordSet::Update() {
  if (!editing_ || IsEOF()) {
    db_->fail(SQLITE_MISUSE, QStringLiteral("Update needs Edit first"));
    return;
  }
  if (!isEditable()) return;
  String assignments;
  for (size_t i = 0; i < columns_; ++i) {
    if (!changed_[i]) continue;
    if (!assignments.isEmpty()) assignments += QLatin1Char(',');
    assignments += QuoteIdentifier(origins_[i]) + QStringLiteral(" = ?");
  }
  if (assignments.isEmpty()) {  // nothing changed, nothing to write
    editing_ = false;
    db_->succeed();
    return;
  }
  // By the rowid as read (even when the edit changes the key), and only while
  // every column still holds what was read.
  String condition = QuoteIdentifier(origins_[size_t(rowidColumn_)]) + QStringLiteral(" = ?");
  for (size_t i = 0; i < columns_; ++i) {
    if (int(i) != rowidColumn_) {
      condition += QStringLiteral(" AND ") + QuoteIdentifier(origins_[i]) + QStringLiteral(" IS ?");
    }
  }
  const String sql = QStringLiteral("UPDATE ") + QuoteIdentifier(database_) + QLatin1Char('.') +
                     QuoteIdentifier(table_) + QStringLiteral(" SET ") + assignments +
                     QStringLiteral(" WHERE ") + condition;
  Statement stmt(db_->prepareOne(sql));
  if (!stmt) return;
  int index = 0;
  for (size_t i = 0; i < columns_; ++i) {
    if (changed_[i] && !bind(stmt.get(), ++index, pending_[i])) return;
  }
  const Cell* read = &cells_[row_ * columns_];
  if (!bind(stmt.get(), ++index, read[rowidColumn_])) return;
  for (size_t i = 0; i < columns_; ++i) {
    if (int(i) != rowidColumn_ && !bind(stmt.get(), ++index, read[i])) return;
  }
  const int rc = db_->step(stmt.get());
  if (rc != SQLITE_DONE) {
    db_->failFromEngine(rc);
    return;
  }
  if (sqlite3_changes(db_->db_) != 1) {
    db_->fail(SQLITE_ERROR,
              QStringLiteral("the record to update no longer exists or was changed meanwhile"));
    return;
  }
  for (size_t i = 0; i < columns_; ++i) {
    if (changed_[i]) cells_[row_ * columns_ + i] = pending_[i];
  }
  changed_.assign(columns_, false);
  editing_ = false;
  db_->succeed();
}

bool RecordSet::bind(sqlite3_stmt* stmt, int index, const Cell& c) {
  int rc = SQLITE_OK;
  switch (c.type()) {
    case Cell::kNull: rc = sqlite3_bind_null(stmt, index); break;
    case Cell::kInteger: rc = sqlite3_bind_int64(stmt, index, numberBits(c)); break;
    case Cell::kReal:
      rc = sqlite3_bind_double(stmt, index, std::bit_cast<double>(numberBits(c)));
      break;
    // text_ does not change while the statement runs.
    case Cell::kText:
      rc = sqlite3_bind_text(stmt, index, text_.data() + c.offset, int(c.length()), SQLITE_STATIC);
      break;
    case Cell::kBlob:
      rc = sqlite3_bind_blob(stmt, index, text_.data() + c.offset, int(c.length()), SQLITE_STATIC);
      break;
  }
  if (rc != SQLITE_OK) db_->failFromEngine(rc);
  return rc == SQLITE_OK;
}

bool RecordSet::mayChange() {
  if (!editing_) db_->fail(SQLITE_MISUSE, QStringLiteral("a field was set without Edit"));
  return editing_;
}

void RecordSet::change(int column, const Cell& c, bool stored) {
  if (!stored) {
    db_->fail(SQLITE_TOOBIG, String::fromUtf8(sqlite3_errstr(SQLITE_TOOBIG)));
    return;
  }
  pending_[size_t(column)] = c;
  changed_[size_t(column)] = true;
}

void RecordSet::Close() {
  releaseStorage();
  rows_ = 0;
  row_ = 0;
  editing_ = false;
  changed_.assign(columns_, false);
}

// --- DatabaseField ---------------------------------------------------------

DatabaseField::DatabaseField(RecordSet* owner, int column) : owner_(owner), column_(column) {}

String DatabaseField::Name() const { return owner_->names_[size_t(column_)]; }

String DatabaseField::StringValue() const {
  const RecordSet::Cell& c = owner_->cell(column_);
  if (c.type() == RecordSet::Cell::kNull) return String();
  std::string scratch;
  const std::string_view bytes = owner_->utf8(c, size_t(column_), scratch);
  return db::TextFromUtf8(bytes.data(), qsizetype(bytes.size()));
}

bool DatabaseField::BooleanValue() const {
  const RecordSet::Cell& c = owner_->cell(column_);
  switch (c.type()) {
    case RecordSet::Cell::kNull: return false;
    case RecordSet::Cell::kInteger:
    case RecordSet::Cell::kReal: return owner_->isNonZero(c);
    case RecordSet::Cell::kText:
    case RecordSet::Cell::kBlob: break;
  }
  std::string scratch;
  const std::string_view bytes = owner_->utf8(c, size_t(column_), scratch);
  const String text = db::TextFromUtf8(bytes.data(), qsizetype(bytes.size()));
  if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
  bool isNumber = false;
  const double number = text.toDouble(&isNumber);
  return isNumber && number != 0;
}

void DatabaseField::SetStringValue(const String& v) {
  if (!owner_->mayChange()) return;
  const QByteArray bytes = v.toUtf8();
  RecordSet::Cell c;
  const bool stored =
      owner_->storeBytes(c, RecordSet::Cell::kText, bytes.constData(), size_t(bytes.size()));
  owner_->change(column_, c, stored);
}

void DatabaseField::SetBooleanValue(bool v) {
  if (!owner_->mayChange()) return;
  RecordSet::Cell c;
  const bool stored = owner_->storeNumber(c, RecordSet::Cell::kInteger, v ? 1 : 0);
  owner_->change(column_, c, stored);
}

}  // namespace fw
