#include <gtest/gtest.h>

#include <QString>

#include <string>

#include "platform/gui/system_text.h"

namespace {

using platform::gui::SystemBytesFromText;
using platform::gui::TextFromSystemBytes;

TEST(SystemText, EveryByteStringComesBackAsItWas) {
  const std::string cases[] = {
      "",
      "plain ASCII",
      "Z\xc3\xbcrich \xe2\x82\xac \xf0\x9f\x8c\x9e",  // valid UTF-8
      "caf\xe9 dir",                                  // Latin-1
      "\xff\xfe\x80",
      "\xc0\xaf",                  // an overlong "/"
      "\xed\xa0\x80\xed\xb0\x80",  // surrogates written as UTF-8
      "\xf4\x90\x80\x80",          // above U+10FFFF
      "\xe2\x82",                  // cut short
      "\xe2\x82" "a",
      std::string("nul\0inside", 10),
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(SystemBytesFromText(TextFromSystemBytes(bytes)), bytes);
  }
}

TEST(SystemText, ValidUtf8IsReadAsTextAndOtherBytesStayEditableAroundIt) {
  EXPECT_EQ(TextFromSystemBytes("Z\xc3\xbcrich"), QString::fromUtf8("Z\xc3\xbcrich"));
  QString text = TextFromSystemBytes("/home/caf\xe9/old.dxf");
  EXPECT_EQ(text.size(), 18);
  text.replace("old", QString::fromUtf8("n\xc3\xa9w"));
  EXPECT_EQ(SystemBytesFromText(text), "/home/caf\xe9/n\xc3\xa9w.dxf");
  // A real character beyond U+FFFF is no kept byte.
  EXPECT_EQ(SystemBytesFromText(QString::fromUtf8("\xf0\x9f\x8c\x9e")), "\xf0\x9f\x8c\x9e");
}

}  // namespace
