#include "game/window_layout.h"
#include "shell/debug_window.h"

namespace qvl {

namespace {

ui::Frame& AddFrame(ui::Window& window, const char* name, const char* caption, ui::Rect at) {
  auto& frame = Place(window.Add<ui::Frame>(name), at);
  frame.SetCaption(caption);
  return frame;
}

ui::TextBox& AddTextBox(ui::Window& window, const char* name, ui::Rect at, ui::Control* container) {
  return Place(window.Add<ui::TextBox>(name), at, container);
}

}  // namespace

DebugWindow::DebugWindow(ui::Windows& windows)
    : window(windows.Add("QVDebug")),
      QueryFrame(AddFrame(window, "Frame1", "Query Flag", {8, 8, 284, 70})),
      QueryFlag(AddTextBox(window, "QueryFlag", {10, 20, 60, 20}, &QueryFrame)),
      Command2(AddButton(window, "Command2", "Query", {80, 20, 60, 20}, &QueryFrame)),
      QFlagResult(AddLabel(window, "QFlagResult", "", {10, 46, 264, 16}, &QueryFrame)),
      SetFrame(AddFrame(window, "Frame2", "Set Flag", {8, 84, 284, 70})),
      SetFlgCaption(AddLabel(window, "Label1", "Flag #", {10, 22, 36, 16}, &SetFrame)),
      SetFlg(AddTextBox(window, "SetFlg", {46, 20, 50, 20}, &SetFrame)),
      SFValueCaption(AddLabel(window, "Label2", "Value", {104, 22, 34, 16}, &SetFrame)),
      SFValue(AddTextBox(window, "SFValue", {138, 20, 50, 20}, &SetFrame)),
      SetFlagbtn(AddButton(window, "SetFlagbtn", "Set", {196, 20, 60, 20}, &SetFrame)),
      SetFlgResult(AddLabel(window, "SetFlgResult", "", {10, 46, 264, 16}, &SetFrame)),
      SceneFrame(AddFrame(window, "Frame3", "Load Scene", {8, 160, 284, 70})),
      LdScn(AddTextBox(window, "LdScn", {10, 20, 60, 20}, &SceneFrame)),
      Command1(AddButton(window, "Command1", "Load", {80, 20, 60, 20}, &SceneFrame)),
      LdScnResult(AddLabel(window, "LdScnResult", "", {10, 46, 264, 16}, &SceneFrame)),
      CurScnCaption(AddLabel(window, "Label3", "(Current Scene is   ", {150, 22, 100, 16}, &SceneFrame)),
      CurScnLabel(AddLabel(window, "CurScnLabel", "", {250, 22, 30, 16}, &SceneFrame)),
      GiveFrame(AddFrame(window, "Frame4", "Give Inventory Item", {8, 236, 284, 96})),
      GiveInvCaption(AddLabel(window, "Label4", "Item Index #", {6, 22, 82, 16}, &GiveFrame)),
      GiveInv(AddTextBox(window, "GiveInv", {90, 20, 44, 20}, &GiveFrame)),
      Command4(AddButton(window, "Command4", "Give", {140, 20, 60, 20}, &GiveFrame)),
      Command6(AddButton(window, "Command6", "Clear All Inventory Items", {10, 46, 190, 20}, &GiveFrame)),
      GiveInvResult(AddLabel(window, "GiveInvResult", "", {10, 72, 264, 16}, &GiveFrame)),
      OptionsFrame(AddFrame(window, "Frame5", "Debugging Options", {8, 338, 284, 100})),
      Check1(Place(window.Add<ui::CheckBox>("Check1"), {10, 20, 120, 20}, &OptionsFrame)),
      Command7(AddButton(window, "Command7", "Show Map", {140, 20, 130, 20}, &OptionsFrame)),
      Command5(AddButton(window, "Command5", "Hide This Window", {10, 46, 130, 20}, &OptionsFrame)),
      Command3(AddButton(window, "Command3", "Minimize Player", {140, 46, 130, 20}, &OptionsFrame)),
      DebugInfo(AddLabel(window, "DebugInfo", "", {10, 74, 264, 20}, &OptionsFrame)) {
  window.SetCaption("Quorvel Debug Window");
  window.Move(490, 60, 300, 446);
  Check1.SetCaption("Notify Window");
}

}  // namespace qvl
