// The clipboard's text, as the edit menu reads it to enable "paste".
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

TEST(Clipboard, GivesBackTheTextPutThere) {
  const std::string texts[] = {"abc", "\xD6\xD0\xCE\xC4 and ascii", "two\r\nlines", ""};
  for (const std::string& text : texts) {
    platform_test::SetClipboardForTest(text);
    EXPECT_EQ(platform::ClipboardText(), text);
  }
}

}  // namespace
