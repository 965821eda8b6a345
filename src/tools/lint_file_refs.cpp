#include "tools/lint_file_refs.h"

namespace qvl::tools::lint {

namespace {

class Collector {
 public:
  explicit Collector(std::vector<FileRef>& refs) : refs_(refs) {}

  void Add(const Place& place, const data::Text15& name, FileUse use, bool optional = false) {
    Add(place, name.Trimmed(), use, optional);
  }
  void Add(const Place& place, const std::string& name, FileUse use, bool optional = false) {
    if (!name.empty()) refs_.push_back({place, name, use, optional});
  }

 private:
  std::vector<FileRef>& refs_;
};

void AddGeneralFiles(const Game& game, Collector& files) {
  if (!game.HasGeneral()) return;
  const data::GenRec& g = game.general;
  auto at = [](const char* key) { return RecordPlace(Section::kGeneral, 1, key); };
  files.Add(at("click_sound"), g.ClickSound, FileUse::kSound);
  files.Add(at("object_sound"), g.ObjectSound, FileUse::kSound);
  files.Add(at("inventory_full_sound"), g.InventoryFullSound, FileUse::kSound);
  files.Add(at("hover_sound"), g.HoverSound, FileUse::kSound);
  files.Add(at("menu_music"), g.MenuMusic, FileUse::kMusic);
  if (g.ExitPictureOn == 1) files.Add(at("exit_picture"), g.ExitPicture, FileUse::kPicture);
  for (int i = 1; i <= data::kPointerCount; ++i) {
    files.Add(at(("pointer" + std::to_string(i)).c_str()), g.Pointer(i), FileUse::kPointer);
  }
  files.Add(at("opening_logo"), g.OpeningLogo, FileUse::kLogo);
  files.Add(at("intro_movie"), g.IntroMovie, FileUse::kMovie);
  if (g.StandardSkin == 0) {
    // A custom skin names its own pictures.
    if (g.ItemTooltips == 0) {
      const data::Text15* buttons[] = {&g.Skin1, &g.Skin2, &g.Skin3, &g.Skin4, &g.Skin5};
      for (int k = 0; k < 5; ++k) {
        files.Add(at(("skin" + std::to_string(k + 1)).c_str()), *buttons[k], FileUse::kPicture);
      }
    }
    if (g.MainMenuButtonImageOn != 0) files.Add(at("skin6"), g.Skin6, FileUse::kPicture);
    if (g.SaveButtonImageOn != 0) files.Add(at("skin7"), g.Skin7, FileUse::kPicture);
    if (g.ExamineButtonImageOn != 0) files.Add(at("skin10"), g.Skin10, FileUse::kPicture);
    if (g.MenuBackKind == 2) files.Add(at("skin8"), g.Skin8, FileUse::kPicture);
    if (g.GameBackKind == 2) files.Add(at("skin9"), g.Skin9, FileUse::kPicture);
  } else {
    // The standard skin takes its pictures by fixed names when they are there.
    for (const char* name : {"bgmenu.jpg", "bgmenu.bmp", "bggame.jpg", "bggame.bmp", "bgsave.jpg", "bgsave.bmp",
                             "bgload.jpg", "bgload.bmp", "bgquit.jpg", "bgquit.bmp", "btnintro.gif", "btnnew.gif",
                             "btnload.gif", "btncredits.gif", "btnclose.gif", "btnquit.gif", "btnsave.gif",
                             "btnexamine.gif", "btnyes.gif", "btnno.gif", "btnok.gif", "btncancel.gif"}) {
      files.Add(at("standard_skin"), std::string(name), FileUse::kPicture, true);
    }
  }
}

void AddItemFiles(const Game& game, Collector& files) {
  for (int n = 1; n <= game.ItemCount(); ++n) {
    const data::ItemRec& item = game.item(n);
    auto at = [n](const char* key) { return RecordPlace(Section::kItem, n, key); };
    files.Add(at("icon_picture"), item.IconPicture, FileUse::kPicture);
    files.Add(at("highlight_picture"), item.HighlightPicture, FileUse::kPointer);
    files.Add(at("pointer_picture"), item.PointerPicture, FileUse::kPointer);
    if (item.HasCloseUp != 0) files.Add(at("close_up_picture"), item.CloseUpPicture, FileUse::kPicture);
    files.Add(at("refusal_sound"), item.RefusalSound, FileUse::kSound);
    files.Add(at("examine_sound"), item.ExamineSound, FileUse::kSound);
    files.Add(at("combine_sound"), item.CombineSound, FileUse::kSound);
  }
}

void AddLocationFiles(const Game& game, Collector& files) {
  for (int n = 1; n <= game.LocationCount(); ++n) {
    const data::LocRec& loc = game.location(n);
    auto at = [n](const char* key) { return RecordPlace(Section::kLocation, n, key); };
    if (n == 1) files.Add(at("map_picture"), loc.MapPicture, FileUse::kPicture);
    std::string marker = loc.MarkerPicture.Trimmed();
    if (marker.empty() || marker == "Del") continue;  // the map skips the location
    if (marker != "(None)") files.Add(at("marker_picture"), marker, FileUse::kPicture);
    if (loc.PlaysMedia == 1) files.Add(at("loc_media"), loc.LocMedia, FileUse::kMapMedia);
  }
}

void AddSceneFiles(const Game& game, Collector& files) {
  for (int n = 1; n <= game.SceneCount(); ++n) {
    const data::SceneRec& scene = game.scene(n);
    auto at = [n](const char* key) { return RecordPlace(Section::kScene, n, key); };
    files.Add(at("scene_picture"), scene.ScenePicture, FileUse::kPicture);
    files.Add(at("scene_soundtrack"), scene.SceneSoundtrack, FileUse::kMusic);
    files.Add(at("enter_sound"), scene.EnterSound, FileUse::kSound);
    files.Add(at("exit_sound"), scene.ExitSound, FileUse::kSound);
    files.Add(at("loop_sound"), scene.LoopSound, FileUse::kSound);
    files.Add(at("enter_movie"), scene.EnterMovie, FileUse::kMovie);
    files.Add(at("exit_movie"), scene.ExitMovie, FileUse::kMovie);
  }
}

void AddConversationFiles(const Game& game, Collector& files) {
  for (int n = 1; n <= game.ConversationCount(); ++n) {
    const data::ConvRec& conv = game.conversation(n);
    for (int line = 1; line <= data::ConvRec::kLineCount; ++line) {
      if (conv.LineMediaOn(line) != 1) continue;
      std::string key = "line_media" + std::to_string(line);
      files.Add(RecordPlace(Section::kConversation, n, key.c_str()), conv.LineMedia(line), FileUse::kSoundOrMovie);
    }
  }
}

}  // namespace

std::vector<FileRef> FilesNamed(const Game& game) {
  std::vector<FileRef> refs;
  Collector files(refs);
  AddGeneralFiles(game, files);
  AddItemFiles(game, files);
  AddLocationFiles(game, files);
  AddSceneFiles(game, files);
  AddConversationFiles(game, files);
  AddObjectFiles(game, refs);
  return refs;
}

}  // namespace qvl::tools::lint
