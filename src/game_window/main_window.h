// The game window `Main`: scene picture with its twenty object slots and
// four arrows, conversation box, inventory bar, the examine, save and
// main-menu buttons, score panels, message strip, movie layer and timers.
#pragma once

#include <cstdint>
#include <string>

#include "data/scene_rec.h"
#include "game/control_array.h"
#include "game_window/inventory_state.h"
#include "game_window/mouse_point.h"
#include "media/movie_control.h"
#include "ui/animated_picture.h"
#include "ui/builtin_pictures.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

// What the mouse last entered on the game window, so a button's hover
// sound plays once per entry.
namespace hover {
constexpr int16_t kNeutral = 97;
constexpr int16_t kMainMenuButton = 98;
constexpr int16_t kSaveButton = 99;
constexpr int16_t kExamineButton = 100;
}  // namespace hover

class MainWindow {
 public:
  MainWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins);

  // The scene area is 700 by 475 pixels.
  static constexpr int kSceneWidth = 700;
  static constexpr int kSceneHeight = 475;
  // The typed-word buffer holds at most this many keys.
  static constexpr size_t kTypedWordLimit = 11;

  ui::Window& window;
  ui::PictureBox& Picture1;  // the background panel; everything lies in it
  ui::PictureBox& ScnImg;
  ControlArray<ui::AnimatedPicture, data::SceneRec::kSlotCount> Animation;
  ControlArray<ui::ImageControl, data::SceneRec::kSlotCount> NoGIF;
  ControlArray<ui::ImageControl, 4> Directionl;  // 1 up, 2 right, 3 down, 4 left
  ui::PictureBox& ConvBox;
  ControlArray<ui::Label, 5> ConvText;
  ui::PictureBox& AVIBG;
  MovieControl& MoviePlayer1;
  ui::PictureBox& Block;  // covers the scene area while a scene changes
  ui::PictureBox& MsgStatus;
  ui::Label& Msg;
  ui::PictureBox& InvBar;
  ControlArray<ui::ImageControl, InventoryState::kSlots> invitem;
  ui::Shape& ItemHiLite;
  PointerImage& FlashFixIcon;  // the pointer of the item in hand
  ui::ImageControl& ExamineItem;
  ui::ImageControl& SaveGameButtn;
  ui::ImageControl& MainMenuButtn;
  ui::PictureBox& LargeScore;
  ui::Label& Label1;
  ui::Label& CurrScore_Large;
  ui::Label& Label5;
  ui::Label& MaxScore_Large;
  ui::PictureBox& SmallScore;
  ui::Label& Label2;
  ui::Label& CurrScore_Small;
  ui::Label& Label3;
  ui::Label& MaxScore_Small;
  ui::Button& Command1;  // "Debug"
  ui::Button& Command2;  // "MAP"
  // Hidden holders of the skin's button pictures.
  ui::AnimatedPicture& EI_Resource;
  ui::AnimatedPicture& SGB_Resource;
  ui::AnimatedPicture& MMB_Resource;
  ControlArray<ui::AnimatedPicture, 5> ButtnDefault;
  // Support controls of scene loading; clicks on them do nothing.
  ui::ImageControl& UnknownObject;
  ui::AnimatedPicture& FNF;
  ui::AnimatedPicture& AniGIF1;
  ui::ImageControl& TempItem;
  ui::Shape& Shape1;
  ui::TimerControl& MsgTimer;
  ui::TimerControl& ScnTimer;
  ui::TimerControl& BlockTimer;
  ui::TimerControl& MovieTimer;
  ui::TimerControl& PostMovieTimer;

  // What the mouse last entered (a hover:: code).
  int16_t HoverTarget = hover::kNeutral;
  // The keys typed in the window since the buffer was last cleared.
  std::string TypedWord;
};

}  // namespace qvl
