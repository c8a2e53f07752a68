#include "framework/Database.h"

#include <utility>

namespace fw {

Transaction::Transaction(SQLiteDatabase& db) : db_(db) {
  db_.SQLExecute(QStringLiteral("begin transaction"));
  began_ = !db_.Error();
}

Transaction::~Transaction() {
  if (!began_ || committed_) return;
  // Cleaning up is no operation of the caller's: whatever failure made the
  // scope end early stays readable afterwards.
  const bool error = std::exchange(db_.error_, false);
  const Integer code = db_.errorCode_;
  String message = std::move(db_.errorMessage_);
  db_.Rollback();
  db_.error_ = error;
  db_.errorCode_ = code;
  db_.errorMessage_ = std::move(message);
}

bool Transaction::Commit() {
  if (!began_ || committed_) return committed_;
  db_.Commit();
  committed_ = !db_.Error();
  return committed_;
}

}  // namespace fw
