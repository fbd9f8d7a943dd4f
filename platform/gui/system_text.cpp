#include "platform/gui/system_text.h"

#include <QByteArray>
#include <QFile>

#include <cstddef>

namespace platform::gui {
namespace {

// A byte that UTF-8 cannot place is kept as U+DC00 plus the byte. Only bytes
// from 0x80 on can be misplaced, so the kept ones are U+DC80 to U+DCFF.
constexpr char16_t kKeptByteBase = 0xDC00;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at the start of `bytes`, 0 when
// there is none: no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t ValidSequenceLength(std::string_view bytes) {
  const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

bool IsKeptByte(char16_t unit) {
  return unit >= kKeptByteBase + 0x80 && unit <= kKeptByteBase + 0xFF;
}

}  // namespace

QString TextFromSystemBytes(std::string_view bytes) {
  QString text;
  std::size_t runStart = 0;
  const auto endRun = [&](std::size_t end) {
    text += QFile::decodeName(
        QByteArray(bytes.data() + runStart, static_cast<qsizetype>(end - runStart)));
  };
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t length = ValidSequenceLength(bytes.substr(i));
    if (length > 0) {
      i += length;
      continue;
    }
    endRun(i);
    text += QChar(static_cast<char16_t>(kKeptByteBase + static_cast<unsigned char>(bytes[i])));
    runStart = ++i;
  }
  endRun(i);
  return text;
}

std::string SystemBytesFromText(const QString& text) {
  std::string bytes;
  qsizetype runStart = 0;
  const auto endRun = [&](qsizetype end) {
    bytes += QFile::encodeName(text.mid(runStart, end - runStart)).toStdString();
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text.at(i).unicode();
    // A low surrogate after a high one is half of a real character.
    const bool paired = i > 0 && text.at(i - 1).isHighSurrogate();
    if (!IsKeptByte(unit) || paired) continue;
    endRun(i);
    bytes += static_cast<char>(unit - kKeptByteBase);
    runStart = i + 1;
  }
  endRun(text.size());
  return bytes;
}

}  // namespace platform::gui
