#include "framework/TextStreams.h"

#include <QFile>
#include <QSaveFile>

namespace fw {

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& f) {
  if (!f.Exists() || f.IsDirectory()) return nullptr;
  QFile file(f.NativePath());
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  return std::unique_ptr<TextInputStream>(new TextInputStream(file.readAll()));
}

TextInputStream::TextInputStream(QByteArray content) : content_(std::move(content)) {
  if (content_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
}

TextInputStream::~TextInputStream() = default;

String TextInputStream::ReadLine() {
  if (IsEOF()) return String();
  qsizetype end = pos_;
  while (end < content_.size() && content_[end] != '\n' && content_[end] != '\r') ++end;
  const String line = String::fromUtf8(content_.constData() + pos_, end - pos_);
  pos_ = end;
  if (pos_ < content_.size()) {
    const bool cr = content_[pos_++] == '\r';
    if (cr && pos_ < content_.size() && content_[pos_] == '\n') ++pos_;  // CRLF is one end
  }
  return line;
}

bool TextInputStream::IsEOF() const { return pos_ >= content_.size(); }

String TextInputStream::Encoding() const { return QStringLiteral("UTF-8"); }

void TextInputStream::Close() {
  content_.clear();
  pos_ = 0;
}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& f) {
  if (f.NativePath().isEmpty() || f.IsDirectory()) return nullptr;
  auto file = std::make_unique<QSaveFile>(f.NativePath());
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return std::unique_ptr<TextOutputStream>(new TextOutputStream(std::move(file)));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

// QSaveFile drops its temporary file when destroyed without commit().
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(const String& text) {
  if (!file_ || failed_) return;
  const QByteArray bytes = text.toUtf8();
  if (file_->write(bytes) != bytes.size()) failed_ = true;
}

void TextOutputStream::WriteLine(const String& text) { Write(text + EndOfLine); }

bool TextOutputStream::Close() {
  if (!file_) return false;
  if (failed_) file_->cancelWriting();
  const bool ok = file_->commit() && !failed_;
  file_.reset();
  return ok;
}

}  // namespace fw
