// qvl lint through its public surface: the lines and places it names in a
// game text, its JSON, and qvl build refusing a game with errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/game_format.h"
#include "tools/lint_game.h"
#include "tool_test_folder.h"

namespace qvl::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGame = R"([general]
game_title = "Lint"
standard_skin = 1
skin1 = "1/1"
skin2 = "1/1"
skin3 = "1/1"
skin4 = "1/1"
skin5 = "1/1"
skin6 = "1/1"
skin7 = "1/1"
skin8 = "1/1"
skin9 = "1/1"
skin10 = "1/1"
skin11 = "1/1"
menu_button2 = 1

[[scene]]
record = 1
scene_picture = "room.bmp"

[[scene.object]]
slot = 5
kind = "Goodie"
show_mode = "always"
picture = "lamp.gif"
gives_item = 1

[[item]]
record = 1
icon_picture = "lamp.gif"
caption = "Lamp"
)";

class LintTest : public ToolFolderTest {
 protected:
  void SetUp() override {
    ToolFolderTest::SetUp();
    Write(dir_ / "src" / "resource" / "gfx" / "room.bmp", Read(fs::path(QVL_TEST_SOURCE_DIR) / "lint" / "resource" /
                                                                 "gfx" / "room.bmp"));
    Write(dir_ / "src" / "resource" / "gfx" / "lamp.gif", Read(fs::path(QVL_TEST_SOURCE_DIR) / "lint" /
                                                                 "resource" / "gfx" / "key.gif"));
  }
  std::string Lint(const std::string& text, bool json = false) {
    Write(dir_ / "src" / "game.toml", text);
    std::ostringstream out;
    lint::Report report = lint::LintPath(dir_ / "src" / "game.toml");
    json ? lint::WriteJson(report, out) : lint::WriteText(report, out);
    return out.str();
  }
};

TEST_F(LintTest, ACleanGameSaysSo) { EXPECT_EQ(Lint(kGame), "no problems found\n"); }

TEST_F(LintTest, FindingsNameTheLineTheFieldAndThePlaceInTheAuthorsTerms) {
  std::string text = kGame;
  text.replace(text.find("\"lamp.gif\""), 10, "\"lamp.jpg\"");
  text.replace(text.find("gives_item = 1"), 14, "gives_item = 4");
  text.replace(text.find("icon_picture = \"lamp.gif\""), 25, "icon_picture = \"Lamp.GIF\"");
  EXPECT_EQ(Lint(text),
            "game.toml:25: scene 1 slot 5 (Goodie) picture: error Q010: picture 'lamp.jpg' not found in "
            "resource/gfx (did you mean 'lamp.gif'?)\n"
            "game.toml:26: scene 1 slot 5 (Goodie) gives_item: error Q021: there is no item 4 (the game has 1 "
            "item)\n"
            "game.toml:28: item 1: warning Q042: item 1 ('Lamp') is never given: no Goodie, combination, "
            "examining, Responder or starting inventory gives it\n"
            "game.toml:30: item 1 icon_picture: warning Q011: 'Lamp.GIF' is found as 'lamp.gif' only because the "
            "letter case is ignored; systems that tell case apart will not find it\n"
            "2 errors, 2 warnings, 0 notes\n");
  // Fields written in their raw form have lines too; a field left out is
  // placed at its object.
  text.replace(text.find("gives_item = 4"), 14, "param6 = 4");
  EXPECT_NE(Lint(text).find("game.toml:26: scene 1 slot 5 (Goodie) gives_item: error Q021"), std::string::npos);
  text.replace(text.find("show_mode = \"always\""), 20, "show_mode = 7");
  EXPECT_NE(Lint(text).find("game.toml:24: scene 1 slot 5 (Goodie) show_mode: warning Q030"), std::string::npos);
}

TEST_F(LintTest, JsonCarriesEveryFindingForEditors) {
  std::string text = kGame;
  text.replace(text.find("gives_item = 1"), 14, "gives_item = 4");
  std::string json = Lint(text, true);
  EXPECT_NE(json.find(R"j({"code":"Q021","severity":"error","file":"game.toml","line":26,)j"
                      R"j("place":"scene 1 slot 5 (Goodie)","section":"scene","record":1,"slot":5,)j"
                      R"j("field":"gives_item","message":"there is no item 4 (the game has 1 item)"})j"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find(R"j("errors":1,"warnings":1,"notes":0})j"), std::string::npos) << json;
}

TEST_F(LintTest, BuildRefusesAGameWithErrorsAndLeavesTheOldOneUnlessForced) {
  fs::path out = dir_ / "out";
  std::ostringstream errors;
  Write(dir_ / "src" / "game.toml", kGame);
  ASSERT_EQ(BuildGame(dir_ / "src" / "game.toml", out, errors), 0) << errors.str();
  std::string scenes = Read(out / "resource" / "Quorvel1.dat");

  std::string broken = kGame;
  broken.replace(broken.find("record = 1\nscene_picture"), 10, "record = 1\nright_link_scene = 9");
  Write(dir_ / "src" / "game.toml", broken);
  EXPECT_EQ(BuildGame(dir_ / "src" / "game.toml", out, errors), 1);
  EXPECT_NE(errors.str().find("error Q020: there is no scene 9"), std::string::npos) << errors.str();
  EXPECT_NE(errors.str().find("nothing written"), std::string::npos) << errors.str();
  EXPECT_EQ(Read(out / "resource" / "Quorvel1.dat"), scenes);

  EXPECT_EQ(BuildGame(dir_ / "src" / "game.toml", out, errors, true), 0);
  EXPECT_NE(Read(out / "resource" / "Quorvel1.dat"), scenes);
}

}  // namespace
}  // namespace qvl::tools
