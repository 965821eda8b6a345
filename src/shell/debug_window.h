// The debug window `QVDebug` of the game's author: query and set flags,
// load a scene, give or clear inventory items, and the debugging options.
#pragma once

#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/windows.h"

namespace qvl {

class DebugWindow {
 public:
  explicit DebugWindow(ui::Windows& windows);

  ui::Window& window;
  ui::Frame& QueryFrame;
  ui::TextBox& QueryFlag;
  ui::Button& Command2;  // "Query"
  ui::Label& QFlagResult;
  ui::Frame& SetFrame;
  ui::Label& SetFlgCaption;
  ui::TextBox& SetFlg;
  ui::Label& SFValueCaption;
  ui::TextBox& SFValue;
  ui::Button& SetFlagbtn;
  ui::Label& SetFlgResult;
  ui::Frame& SceneFrame;
  ui::TextBox& LdScn;
  ui::Button& Command1;  // "Load"
  ui::Label& LdScnResult;
  ui::Label& CurScnCaption;  // "(Current Scene is   "
  ui::Label& CurScnLabel;
  ui::Frame& GiveFrame;
  ui::Label& GiveInvCaption;  // "Item Index #"
  ui::TextBox& GiveInv;
  ui::Button& Command4;  // "Give"
  ui::Button& Command6;  // "Clear All Inventory Items"
  ui::Label& GiveInvResult;
  ui::Frame& OptionsFrame;
  ui::CheckBox& Check1;  // "Notify Window"
  ui::Button& Command7;  // "Show Map"
  ui::Button& Command5;  // "Hide This Window"
  ui::Button& Command3;  // "Minimize Player"
  ui::Label& DebugInfo;
};

struct Player;

// The events of the debug window.
void WireDebugWindow(Player& p);

}  // namespace qvl
