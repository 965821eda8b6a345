// Captions broken into lines: at line breaks, between words, and inside
// words too long for the box. Every character is 10 pixels wide here.
#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace qvl::ui {
namespace {

int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

std::vector<std::string> Wrap(std::string_view text, int width, bool word_wrap = true) {
  return WrapText(text, width, word_wrap, TenPerCharacter);
}

using Lines = std::vector<std::string>;

TEST(WrapText, LineBreaksOfEveryKindStartNewLines) {
  EXPECT_EQ(Wrap("one\r\ntwo\nthree\rfour", 1000), (Lines{"one", "two", "three", "four"}));
  EXPECT_EQ(Wrap("a\n\nb", 1000), (Lines{"a", "", "b"}));
  EXPECT_EQ(Wrap("", 1000), (Lines{""}));
}

TEST(WrapText, WordsMoveToTheNextLineWhenTheyDoNotFit) {
  EXPECT_EQ(Wrap("the cat sat on the mat", 70), (Lines{"the cat", "sat on", "the mat"}));
  EXPECT_EQ(Wrap("exactly fits", 120), (Lines{"exactly fits"}));
  EXPECT_EQ(Wrap("exactly fits", 110), (Lines{"exactly", "fits"}));
}

TEST(WrapText, WordsWiderThanTheBoxAreBrokenBetweenCharacters) {
  EXPECT_EQ(Wrap("abcdefgh xy", 30), (Lines{"abc", "def", "gh", "xy"}));
  EXPECT_EQ(Wrap("x abcdefgh", 30), (Lines{"x", "abc", "def", "gh"}));
  // A two-byte character is never split.
  EXPECT_EQ(WrapText("\xC3\xA9\xC3\xA9", 1, true, [](std::string_view t) { return static_cast<int>(t.size()); }),
            (Lines{"\xC3\xA9", "\xC3\xA9"}));
}

TEST(WrapText, WithoutWordWrapOnlyLineBreaksCount) {
  EXPECT_EQ(Wrap("the cat sat on the mat", 70, false), (Lines{"the cat sat on the mat"}));
  EXPECT_EQ(Wrap("a b\nc", 10, false), (Lines{"a b", "c"}));
}

}  // namespace
}  // namespace qvl::ui
