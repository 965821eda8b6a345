#include "platform/message_box_text.h"

#include <gtest/gtest.h>

namespace qvl {
namespace {

TEST(MessageBoxText, EveryKindOfLineBreakBreaksOneLine) {
  EXPECT_EQ(MessageBoxText("The file 'a.sav' already exists.\rWrite over it?"),
            "The file 'a.sav' already exists.\nWrite over it?");
  EXPECT_EQ(MessageBoxText("one\r\ntwo\nthree\rfour"), "one\ntwo\nthree\nfour");
  // CR LF is one break; LF CR and doubled breaks are two.
  EXPECT_EQ(MessageBoxText("a\n\rb\r\rc"), "a\n\nb\n\nc");
  EXPECT_EQ(MessageBoxText("ends with a break\r"), "ends with a break\n");
  EXPECT_EQ(MessageBoxText(""), "");
}

TEST(MessageBoxText, LongLinesWrapAtBlanksThenSeparatorsThenAnywhere) {
  EXPECT_EQ(MessageBoxText("aaa bbb ccc", 7), "aaa bbb\nccc");
  EXPECT_EQ(MessageBoxText("aaa bbbbbbbbbb", 7), "aaa\nbbbbbbb\nbbb");
  // A path without blanks breaks after a separator that fits.
  EXPECT_EQ(MessageBoxText("/home/player/games/x.dat", 12), "/home/\nplayer/\ngames/x.dat");
  EXPECT_EQ(MessageBoxText("C:\\Games\\Long\\file", 10), "C:\\Games\\\nLong\\file");
  // Each line of a text is wrapped on its own.
  EXPECT_EQ(MessageBoxText("abcdef\rgh ij kl", 5), "abcde\nf\ngh ij\nkl");
}

TEST(MessageBoxText, CountsCharactersNotBytes) {
  // "é" is two bytes: six characters fit a six-character line.
  EXPECT_EQ(MessageBoxText("\xC3\xA9t\xC3\xA9 \xC3\xA9t\xC3\xA9", 7), "\xC3\xA9t\xC3\xA9 \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(MessageBoxText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 3), "\xC3\xA9\xC3\xA9\xC3\xA9\n\xC3\xA9");
}

TEST(MessageBoxText, NoLineOfALongNoticeIsWiderThanTheLimit) {
  const std::string notice =
      "This is a development build. The game's data is read from "
      "/home/someone/projects/adventure/builds/2026-12-05/release-candidate-3/game/resource/ "
      "and saved games go to the Saved folder beside it.";
  const std::string shown = MessageBoxText(notice, 72);
  size_t start = 0;
  while (start < shown.size()) {
    size_t end = shown.find('\n', start);
    if (end == std::string::npos) end = shown.size();
    EXPECT_LE(end - start, 72u) << shown.substr(start, end - start);
    start = end + 1;
  }
}

TEST(MessageBoxText, GameTextsBecomeUtf8) {
  EXPECT_EQ(AsUtf8("caf\xC3\xA9"), "caf\xC3\xA9");  // already UTF-8
  EXPECT_EQ(AsUtf8("caf\xE9"), "caf\xC3\xA9");      // Windows-1252
  EXPECT_EQ(AsUtf8("\xE2\x82"), "\xC3\xA2\xE2\x80\x9A");  // a cut-off sequence is not UTF-8
}

}  // namespace
}  // namespace qvl
