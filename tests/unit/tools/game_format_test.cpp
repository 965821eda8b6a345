// The text game format: dump followed by build gives back every data file
// byte for byte; hand-written text lands at the records' offsets; faults
// are reported with file, line and field and leave the game untouched.
#include "tools/game_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/scene_rec.h"
#include "tools/game_format_objects.h"
#include "tools/lint_game.h"
#include "tool_test_folder.h"

namespace qvl::tools {
namespace {

namespace fs = std::filesystem;

// Random data files: empty files, whole records, truncated last records;
// fields left empty, set to numbers, clean texts, texts with leading
// blanks, number texts, or random bytes; now and then a record of noise.
class RandomGame {
 public:
  explicit RandomGame(unsigned seed) : rng_(seed) {}

  GameData Make() {
    GameData game;
    game.general = File(data::Layout<data::GenRec>(), data::GenRec::kSize, 2);
    game.items = File(data::Layout<data::ItemRec>(), data::ItemRec::kSize, 5);
    game.locations = File(data::Layout<data::LocRec>(), data::LocRec::kSize, 5);
    game.scenes = File(data::Layout<data::SceneRec>(), data::SceneRec::kSize, 3);
    game.conversations = File(data::Layout<data::ConvRec>(), data::ConvRec::kSize, 3);
    return game;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  char Byte() { return static_cast<char>(Pick(256)); }

  std::string File(const std::vector<data::FieldInfo>& layout, size_t size, int max_records) {
    int records = Pick(max_records + 1);
    std::string bytes;
    for (int n = 0; n < records; ++n) bytes += Record(layout, size);
    switch (Pick(4)) {
      case 0: bytes.resize(bytes.size() - std::min(bytes.size(), static_cast<size_t>(Pick(static_cast<int>(size))))); break;
      case 1: for (int i = Pick(static_cast<int>(size)); i > 0; --i) bytes += Byte(); break;
      default: break;
    }
    return bytes;
  }

  std::string Record(const std::vector<data::FieldInfo>& layout, size_t size) {
    std::string record;
    if (Pick(10) == 0) {
      for (size_t i = 0; i < size; ++i) record += Byte();
      return record;
    }
    int density = Pick(4);  // 0: an empty record
    for (const data::FieldInfo& f : layout) record += Field(f, density);
    return record;
  }

  std::string Field(const data::FieldInfo& f, int density) {
    bool text = f.type == data::FieldType::kText;
    std::string empty(f.width, text ? ' ' : '\0');
    if (f.name == "Kind" && density > 0 && Pick(2) == 0) return Int16(Pick(13) - 1);
    if (Pick(8) >= density) return empty;
    std::string value;
    switch (Pick(5)) {
      case 0: value = text ? std::to_string(Pick(70000) - 35000) : Int16(Pick(65536) - 32768); break;
      case 1: for (size_t i = 0; i < f.width; ++i) value += Byte(); break;
      case 2: value = std::string(static_cast<size_t>(Pick(3)), ' ') + "Hall \"big\" \\ 1.jpg"; break;
      case 3: value = "caf\xE9 \x80\x99"; break;
      default: value = text ? "\x01" "a\x00z" : Int16(Pick(4)); break;
    }
    value.resize(f.width, text ? ' ' : '\0');
    return value;
  }

  static std::string Int16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

  std::mt19937 rng_;
};

TEST(GameFormatRoundTrip, RandomDataFilesComeBackByteForByte) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    GameData game = RandomGame(seed).Make();
    std::string text = DumpGame(game);
    GameData rebuilt;
    try {
      rebuilt = ParseGame(text, "dump.toml");
    } catch (const GameFormatError& e) {
      FAIL() << "seed " << seed << ": " << e.what() << "\n" << text;
    }
    ASSERT_EQ(rebuilt.general, game.general) << "seed " << seed;
    ASSERT_EQ(rebuilt.items, game.items) << "seed " << seed;
    ASSERT_EQ(rebuilt.locations, game.locations) << "seed " << seed;
    ASSERT_EQ(rebuilt.scenes, game.scenes) << "seed " << seed;
    ASSERT_EQ(rebuilt.conversations, game.conversations) << "seed " << seed;
  }
}

// Lint reads any data at all: random records, noise and cut records give
// findings, never a crash or a hang.
TEST(GameFormatRoundTrip, LintReadsRandomDataFilesWithoutFailing) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    GameData game = RandomGame(seed).Make();
    lint::Report report = lint::LintGame(lint::Game::From(game, "/nonexistent/resource"));
    ASSERT_FALSE(report.diagnostics.empty()) << "seed " << seed;
    for (const lint::Diagnostic& d : report.diagnostics) ASSERT_FALSE(d.message.empty()) << "seed " << seed;
  }
}

using GameFolderTest = ToolFolderTest;

TEST_F(GameFolderTest, ToolDumpsAndRebuildsAFolderWhoseNamesDifferInCase) {
  GameData game = RandomGame(4242).Make();
  game.general = data::GenRec().Encode();
  game.general[0] = 'Q';
  Write(dir_ / "in" / "RESOURCE" / "quorvel1.DAT", game.scenes);
  Write(dir_ / "in" / "RESOURCE" / "QUORVEL2.dat", game.locations);
  Write(dir_ / "in" / "RESOURCE" / "Quorvel3.Dat", game.items);
  Write(dir_ / "in" / "RESOURCE" / "quorvel4.dat", game.general);
  Write(dir_ / "in" / "RESOURCE" / "Quorvel5.dat", game.conversations);
  fs::path toml = dir_ / "game.toml";
  ASSERT_EQ(Run("dump " + (dir_ / "in").string() + " -o " + toml.string()), 0);
  EXPECT_NE(Read(toml).find("game_title = \"Q\""), std::string::npos);
  // A random game has every kind of fault lint knows: --force writes it.
  ASSERT_EQ(Run("build --force " + toml.string() + " " + (dir_ / "out").string() + " 2>/dev/null"), 0);
  EXPECT_EQ(Read(dir_ / "out" / "resource" / "Quorvel1.dat"), game.scenes);
  EXPECT_EQ(Read(dir_ / "out" / "resource" / "Quorvel2.dat"), game.locations);
  EXPECT_EQ(Read(dir_ / "out" / "resource" / "Quorvel3.dat"), game.items);
  EXPECT_EQ(Read(dir_ / "out" / "resource" / "Quorvel4.dat"), game.general);
  EXPECT_EQ(Read(dir_ / "out" / "resource" / "Quorvel5.dat"), game.conversations);
}

TEST_F(GameFolderTest, DumpOfAFolderWithoutDataFilesFails) {
  fs::create_directories(dir_ / "empty" / "resource");
  std::ostringstream out, errors;
  EXPECT_EQ(DumpGameFolder(dir_ / "empty", "", out, errors), 1);
  EXPECT_NE(errors.str().find("no game data files"), std::string::npos);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(DumpGameFolder(dir_ / "missing", "", out, errors), 1);
  EXPECT_NE(Run("dump " + (dir_ / "empty").string() + " 2>/dev/null"), 0);
}

TEST(GameFormatBuild, HandWrittenTextLandsAtTheRecordOffsets) {
  GameData game = ParseGame(R"(
[general]
game_title = "Basic"
object_sound_pan = -3
pointer15 = "hand.gif"

[[item]]
record = 2
icon_picture = "key.gif"
combinable = 1
caption = "Café key"

[[location]]
record = 1
marker_left = 300
map_picture = "map.bmp"

[[scene]]
record = 2
scene_picture = "hall.bmp"
jump_op = "<>"
up_link_top = 10
up_link_left = 200

[[scene.object]]
slot = 3
kind = "Goodie"
gives_item = 4
show_op = ">"
flag_mode = "add"
text9 = "note"

[[scene.object]]
slot = 20
kind = "Flag Conjunction"
flag = 12
condition6_value = 7
param33 = -1

[[conversation]]
record = 1
line_text2 = "Hello"
line_mode3 = "add"
)",
                            "game.toml");
  auto int16_at = [](const std::string& b, size_t o) {
    return static_cast<int16_t>(static_cast<uint8_t>(b[o]) | (static_cast<uint8_t>(b[o + 1]) << 8));
  };
  ASSERT_EQ(game.general.size(), 908u);
  EXPECT_EQ(game.general.substr(0, 20), "Basic               ");
  EXPECT_EQ(int16_at(game.general, 54), -3);
  EXPECT_EQ(game.general.substr(708, 15), "hand.gif       ");

  ASSERT_EQ(game.items.size(), 2 * 209u);
  EXPECT_EQ(game.items.substr(0, 209), data::ItemRec().Encode());
  EXPECT_EQ(game.items.substr(209 + 15, 15), "key.gif        ");
  EXPECT_EQ(int16_at(game.items, 209 + 47), 1);
  EXPECT_EQ(game.items.substr(209 + 93, 9), "Caf\xE9 key ");

  ASSERT_EQ(game.locations.size(), 112u);
  EXPECT_EQ(int16_at(game.locations, 30), 300);
  EXPECT_EQ(game.locations.substr(61, 15), "map.bmp        ");

  ASSERT_EQ(game.scenes.size(), 2 * 4395u);
  const std::string scene = game.scenes.substr(4395);
  EXPECT_EQ(scene.substr(25, 8), "hall.bmp");
  EXPECT_EQ(int16_at(scene, 19), 1);
  EXPECT_EQ(int16_at(scene, 223), 10);
  EXPECT_EQ(int16_at(scene, 225), 200);
  size_t slot3 = 255 + 2 * 207;
  EXPECT_EQ(int16_at(scene, slot3), 2);
  EXPECT_EQ(int16_at(scene, slot3 + 141 + 2 * 5), 4);   // Param6: item given
  EXPECT_EQ(int16_at(scene, slot3 + 141 + 2 * 13), 3);  // Param14: show operator
  EXPECT_EQ(int16_at(scene, slot3 + 141 + 2 * 18), 1);  // Param19: flag mode
  EXPECT_EQ(scene.substr(slot3 + 6 + 15 * 8, 4), "note");
  size_t slot20 = 255 + 19 * 207;
  EXPECT_EQ(int16_at(scene, slot20), 9);
  EXPECT_EQ(scene.substr(slot20 + 6, 15), "12             ");
  EXPECT_EQ(int16_at(scene, slot20 + 141 + 2 * 24), 7);  // Param25
  EXPECT_EQ(int16_at(scene, slot20 + 141 + 2 * 32), -1);

  ASSERT_EQ(game.conversations.size(), 1712u);
  EXPECT_EQ(game.conversations.substr(65, 5), "Hello");
  EXPECT_EQ(int16_at(game.conversations, 299), 1);
}

TEST(GameFormatBuild, ObjectFieldNamesStandForTheirParams) {
  struct Case {
    const char* kind;
    const char* key;
    int param;
  };
  const Case cases[] = {
      {"Ambient", "location", 14},          {"Link", "destination_scene", 13},  {"Link", "one_shot", 22},
      {"Link", "click_area", 26},           {"Goodie", "pickup_sound_pan", 5},   {"Goodie", "flag", 17},
      {"Switch", "flag", 1},                {"Switch", "on_value", 5},           {"Switch", "keeps_item", 10},
      {"Reactor", "movie_level", 2},        {"Reactor", "sound_channel", 16},    {"Responder", "item", 20},
      {"Responder", "opens_map", 23},       {"Delay", "seconds", 5},             {"Delay", "waits", 9},
      {"Multi-Trigger", "rule2_scene", 17}, {"Multi-Trigger", "rule3_condition_flag", 18},
      {"Conversation", "normal_pointer", 8}, {"Flag Conjunction", "condition2_used", 6},
  };
  for (const Case& c : cases) {
    std::string text = std::string("[[scene]]\nrecord = 1\n[[scene.object]]\nslot = 1\nkind = \"") + c.kind +
                       "\"\n" + c.key + " = 321\n";
    data::SceneRec scene = data::SceneRec::Decode(ParseGame(text, "game.toml").scenes);
    EXPECT_EQ(scene.slot(1).Param(c.param), 321) << c.kind << " " << c.key;
  }
  // Within a kind, no two names stand for the same field.
  for (int kind = 0; kind <= 9; ++kind) {
    std::set<size_t> offsets;
    std::set<std::string> keys;
    for (const format::FieldForm& form : format::ObjectForms(kind)) {
      EXPECT_TRUE(offsets.insert(form.offset).second) << kind << " " << form.key;
      EXPECT_TRUE(keys.insert(form.key).second) << kind << " " << form.key;
    }
  }
}

std::string BuildError(const std::string& text) {
  try {
    ParseGame(text, "game.toml");
  } catch (const GameFormatError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(GameFormatBuild, FaultsNameTheFileLineAndField) {
  std::string scene = "[[scene]]\nrecord = 3\n\n[[scene.object]]\nslot = 5\nkind = \"Goodie\"\n";
  EXPECT_EQ(BuildError(scene + "gives_iten = 4\n"), "game.toml:7: scene 3 object 5: unknown field 'gives_iten'");
  EXPECT_EQ(BuildError(scene + "left = 70000\n"),
            "game.toml:7: scene 3 object 5: field 'left': 70000 is outside -32768..32767");
  EXPECT_EQ(BuildError(scene + "picture = \"a_name_too_long.gif\"\n"),
            "game.toml:7: scene 3 object 5: field 'picture': text of 19 bytes does not fit in 15");
  EXPECT_EQ(BuildError(scene + "gives_item = 4\nparam6 = 5\n"),
            "game.toml:8: scene 3 object 5: field 'param6' is the same field as 'gives_item'");
  EXPECT_EQ(BuildError(scene + "show_op = \"=>\"\n"),
            "game.toml:7: scene 3 object 5: field 'show_op': unknown value \"=>\"; expected a number or one of "
            "'=', '<>', '<', '>'");
  EXPECT_EQ(BuildError(scene + "picture = { hex = \"4G\" }\n"),
            "game.toml:7: scene 3 object 5: field 'picture': hex \"4G\" is not hexadecimal");
  EXPECT_EQ(BuildError("[[scene]]\nrecord = 1\n\n[[scene.object]]\nslot = 2\nkind = \"Gadget\"\n"),
            "game.toml:6: scene 1 object 2: field 'kind': unknown value \"Gadget\"; expected a number or one of "
            "'Ambient', 'Link', 'Goodie', 'Switch', 'Reactor', 'Responder', 'Delay', 'Multi-Trigger', "
            "'Conversation', 'Flag Conjunction'");
  EXPECT_EQ(BuildError("[[item]]\nrecord = 1\n[[item]]\nrecord = 1\n"), "game.toml:3: item 1: record 1 is given twice");
  EXPECT_EQ(BuildError("[[item]]\nicon_picture = \"a\"\n"), "game.toml:1: item: missing 'record'");
  EXPECT_EQ(BuildError("[general]\ngame_titel = \"x\"\n"), "game.toml:2: general: unknown field 'game_titel'");
  EXPECT_EQ(BuildError("[[scenes]]\nrecord = 1\n"), "game.toml:1: unknown section 'scenes'");
  EXPECT_EQ(BuildError("[[scene]]\nrecord = 2\nscene_picture = \"a\n"),
            BuildError("[[scene]]\nrecord = 2\nscene_picture = \"a\n"));
  EXPECT_EQ(BuildError("[[scene]]\nrecord = 2\nscene_picture = \"a\n").rfind("game.toml:3: ", 0), 0u);
  EXPECT_EQ(BuildError("[file_lengths]\nitems = 10\n[[item]]\nrecord = 2\n"),
            "game.toml:2: file_lengths.items: 10 bytes leave out record 2");
  // Unknown kinds take only the raw names.
  EXPECT_EQ(BuildError("[[scene]]\nrecord = 1\n[[scene.object]]\nslot = 1\nkind = 12\npicture = \"a\"\n"),
            "game.toml:6: scene 1 object 1: unknown field 'picture'");
}

TEST_F(GameFolderTest, AFailedBuildLeavesTheGameUntouched) {
  fs::path out = dir_ / "out";
  Write(dir_ / "good.toml", "[general]\ngame_title = \"Good\"\n[[item]]\nrecord = 1\nicon_picture = \"a.gif\"\n");
  std::ostringstream errors;
  ASSERT_EQ(BuildGame(dir_ / "good.toml", out, errors, true), 0) << errors.str();
  std::string general = Read(out / "resource" / "Quorvel4.dat");
  std::string items = Read(out / "resource" / "Quorvel3.dat");

  Write(dir_ / "bad" / "game.toml", "[general]\ngame_title = \"Bad\"\n[[item]]\nrecord = 1\nicon_picture = 5\n");
  Write(dir_ / "bad" / "resource" / "gfx" / "new.gif", "GIF");
  EXPECT_EQ(BuildGame(dir_ / "bad" / "game.toml", out, errors), 1);
  EXPECT_NE(errors.str().find("game.toml:5: item 1: field 'icon_picture'"), std::string::npos) << errors.str();
  EXPECT_EQ(Read(out / "resource" / "Quorvel4.dat"), general);
  EXPECT_EQ(Read(out / "resource" / "Quorvel3.dat"), items);
  EXPECT_FALSE(fs::exists(out / "resource" / "gfx"));
  for (const auto& entry : fs::directory_iterator(out / "resource")) {
    EXPECT_EQ(entry.path().extension(), ".dat") << entry.path();
  }
  EXPECT_NE(Run("build " + (dir_ / "bad" / "game.toml").string() + " " + out.string() + " 2>/dev/null"), 0);

  // A good game whose third data file cannot be written (a folder stands
  // where its new bytes would go) changes none of the files.
  Write(dir_ / "other.toml", "[general]\ngame_title = \"Other\"\n[[item]]\nrecord = 1\nicon_picture = \"b.gif\"\n");
  fs::create_directory(out / "resource" / ".Quorvel3.dat.part");
  errors.str("");
  EXPECT_EQ(BuildGame(dir_ / "other.toml", out, errors, true), 1);
  EXPECT_NE(errors.str().find("Quorvel3.dat: cannot be written"), std::string::npos) << errors.str();
  EXPECT_EQ(Read(out / "resource" / "Quorvel4.dat"), general);
  EXPECT_EQ(Read(out / "resource" / "Quorvel3.dat"), items);
  for (const auto& entry : fs::directory_iterator(out / "resource")) {
    EXPECT_EQ(entry.path().extension(), ".dat") << entry.path();
  }
}

TEST_F(GameFolderTest, BuildCopiesPicturesAndSoundsWhateverTheirFolderCase) {
  Write(dir_ / "src" / "game.toml", "[general]\ngame_title = \"G\"\n");
  Write(dir_ / "src" / "Resource" / "GFX" / "hall.bmp", "BM");
  Write(dir_ / "src" / "Resource" / "MMedia" / "sub" / "drip.wav", "RIFF");
  Write(dir_ / "out" / "RESOURCE" / "gfx" / "old.bmp", "BM");
  std::ostringstream errors;
  ASSERT_EQ(BuildGame(dir_ / "src" / "game.toml", dir_ / "out", errors, true), 0) << errors.str();
  EXPECT_EQ(Read(dir_ / "out" / "RESOURCE" / "gfx" / "hall.bmp"), "BM");
  EXPECT_TRUE(fs::exists(dir_ / "out" / "RESOURCE" / "gfx" / "old.bmp"));
  EXPECT_EQ(Read(dir_ / "out" / "RESOURCE" / "mmedia" / "sub" / "drip.wav"), "RIFF");
  EXPECT_EQ(Read(dir_ / "out" / "RESOURCE" / "Quorvel4.dat").substr(0, 1), "G");

  // A game built into its own folder keeps its pictures.
  ASSERT_EQ(BuildGame(dir_ / "src" / "game.toml", dir_ / "src", errors, true), 0) << errors.str();
  EXPECT_EQ(Read(dir_ / "src" / "Resource" / "GFX" / "hall.bmp"), "BM");
  EXPECT_EQ(Read(dir_ / "src" / "Resource" / "Quorvel4.dat").substr(0, 1), "G");
}

}  // namespace
}  // namespace qvl::tools
