#include "framework/TextStreams.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace fw {

namespace {
constexpr qint64 kPiece = 64 * 1024;
}  // namespace

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& f) {
  if (!f.Exists() || f.IsDirectory()) return nullptr;
  auto file = std::make_unique<QFile>(f.NativePath());
  if (!file->open(QIODevice::ReadOnly)) return nullptr;
  std::unique_ptr<TextInputStream> in(new TextInputStream(std::move(file)));
  while (in->buffer_.size() < 3 && in->fill()) {
  }
  if (in->buffer_.startsWith("\xEF\xBB\xBF")) in->pos_ = 3;
  return in;
}

TextInputStream::TextInputStream(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

TextInputStream::~TextInputStream() = default;

bool TextInputStream::fill() {
  if (!file_ || readFailed_) return false;
  if (pos_ > 0) {  // drop what has been read, so the buffer holds about one piece
    buffer_.remove(0, pos_);
    pos_ = 0;
  }
  const qsizetype had = buffer_.size();
  buffer_.resize(had + kPiece);
  const qint64 got = file_->read(buffer_.data() + had, kPiece);
  buffer_.resize(had + qMax<qint64>(got, 0));
  // A failed read is no end of file: recorded, so a reader tells a cut file
  // from a whole one.
  readFailed_ = got < 0;
  return got > 0;
}

String TextInputStream::ReadLine() {
  lastLineValid_ = true;
  if (IsEOF()) return String();
  qsizetype end = pos_;
  for (;;) {
    while (end < buffer_.size() && buffer_[end] != '\n' && buffer_[end] != '\r') ++end;
    if (end < buffer_.size()) break;
    const qsizetype scanned = end - pos_;
    const bool more = fill();  // moves the unread rest to the front
    end = pos_ + scanned;
    if (!more) break;
  }
  // A line end after a CR may still be in the file: CRLF is one end.
  if (end + 1 >= buffer_.size() && end < buffer_.size() && buffer_[end] == '\r') {
    const qsizetype offset = end - pos_;
    fill();
    end = pos_ + offset;
  }
  // Stateless: a sequence cut off at the line end is an error, not held
  // back. ConvertInitialBom: a U+FEFF that starts a later line is text.
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
  String line = decoder(QByteArrayView(buffer_.constData() + pos_, end - pos_));
  lastLineValid_ = !decoder.hasError();
  pos_ = end;
  if (pos_ < buffer_.size()) {
    const bool cr = buffer_[pos_++] == '\r';
    if (cr && pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
  }
  return line;
}

bool TextInputStream::IsEOF() { return pos_ >= buffer_.size() && !fill(); }

String TextInputStream::Encoding() const { return QStringLiteral("UTF-8"); }

void TextInputStream::Close() {
  file_.reset();
  buffer_.clear();
  pos_ = 0;
}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& f) {
  if (f.NativePath().isEmpty() || f.IsDirectory()) return nullptr;
  auto file = std::make_unique<QSaveFile>(f.NativePath());
  // Unbuffered: QFileDevice's own buffer is flushed by commit(), which takes
  // a short write there for success and renames a truncated file over the
  // target. The stream gathers its pieces itself and checks every write.
  if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return nullptr;
  return std::unique_ptr<TextOutputStream>(new TextOutputStream(std::move(file)));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

// QSaveFile drops its temporary file when destroyed without commit().
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(const String& text) {
  if (!file_ || failed_) return;
  pending_ += text.toUtf8();
  if (pending_.size() >= kPiece) flush();
}

void TextOutputStream::WriteLine(const String& text) {
  Write(text);
  Write(EndOfLine);
}

void TextOutputStream::flush() {
  if (!failed_ && file_->write(pending_) != pending_.size()) failed_ = true;
  pending_.clear();
}

bool TextOutputStream::Close() {
  if (!file_) return false;
  flush();
  if (failed_) file_->cancelWriting();
  const bool ok = file_->commit() && !failed_;
  file_.reset();
  return ok;
}

}  // namespace fw
