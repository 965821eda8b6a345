#include "game_window/main_window.h"

#include "game/window_layout.h"

namespace qvl {

namespace {

ui::PictureBox& AddPanel(ui::Window& window, const char* name, ui::Rect at, ui::Control* container,
                         ui::Colour colour = 0xFF000000) {
  auto& box = Place(window.Add<ui::PictureBox>(name), at, container);
  box.SetBackColour(colour);
  return box;
}

ui::AnimatedPicture& AddHiddenGif(ui::Window& window, const char* name, int index = 0) {
  auto& gif = window.Add<ui::AnimatedPicture>(name, index);
  gif.Hide();
  return gif;
}

ui::ImageControl& AddImage(ui::Window& window, const char* name, ui::Rect at, ui::Control* container) {
  return Place(window.Add<ui::ImageControl>(name), at, container);
}

}  // namespace

MainWindow::MainWindow(ui::Windows& windows, const ui::BuiltinPictures& builtins)
    : window(windows.Add("Main")),
      Picture1(AddPanel(window, "Picture1", {0, 0, 800, 600}, nullptr)),
      ScnImg(AddPanel(window, "ScnImg", {50, 10, kSceneWidth, kSceneHeight}, &Picture1)),
      Animation(window, "Animation"),
      NoGIF(window, "NoGIF"),
      Directionl(window, "Directionl"),
      ConvBox(AddPanel(window, "ConvBox", {0, 343, kSceneWidth, 132}, &ScnImg, 0xFF202020)),
      ConvText(window, "ConvText"),
      AVIBG(AddPanel(window, "AVIBG", {0, 0, kSceneWidth, kSceneHeight}, &ScnImg)),
      MoviePlayer1(Place(window.Add<MovieControl>("MoviePlayer1"), {0, 0, kSceneWidth, kSceneHeight}, &ScnImg)),
      Block(AddPanel(window, "Block", {0, 0, kSceneWidth, kSceneHeight}, &ScnImg)),
      MsgStatus(AddPanel(window, "MsgStatus", {240, 220, 220, 30}, &ScnImg)),
      Msg(AddLabel(window, "Msg", "MUSIC OFF", {0, 7, 220, 16}, &MsgStatus)),
      InvBar(AddPanel(window, "InvBar", {50, 490, kSceneWidth, 48}, &Picture1, 0xFF303030)),
      invitem(window, "invitem"),
      ItemHiLite(Place(window.Add<ui::Shape>("ItemHiLite"), {0, 0, 44, 44}, &InvBar)),
      FlashFixIcon(Place(window.Add<PointerImage>("FlashFixIcon"), {0, 0, 32, 32}, &Picture1)),
      ExamineItem(AddImage(window, "ExamineItem", {230, 548, 90, 40}, &Picture1)),
      SaveGameButtn(AddImage(window, "SaveGameButtn", {140, 548, 90, 40}, &Picture1)),
      MainMenuButtn(AddImage(window, "MainMenuButtn", {50, 548, 90, 40}, &Picture1)),
      LargeScore(AddPanel(window, "LargeScore", {560, 548, 190, 40}, &Picture1)),
      Label1(AddLabel(window, "Label1", "Score:", {4, 8, 70, 24}, &LargeScore)),
      CurrScore_Large(AddLabel(window, "CurrScore_Large", "0000", {74, 8, 50, 24}, &LargeScore)),
      Label5(AddLabel(window, "Label5", "/", {124, 8, 12, 24}, &LargeScore)),
      MaxScore_Large(AddLabel(window, "MaxScore_Large", "0000", {136, 8, 50, 24}, &LargeScore)),
      SmallScore(AddPanel(window, "SmallScore", {630, 555, 120, 24}, &Picture1)),
      Label2(AddLabel(window, "Label2", "Score:", {2, 4, 40, 16}, &SmallScore)),
      CurrScore_Small(AddLabel(window, "CurrScore_Small", "0000", {42, 4, 34, 16}, &SmallScore)),
      Label3(AddLabel(window, "Label3", "/", {76, 4, 8, 16}, &SmallScore)),
      MaxScore_Small(AddLabel(window, "MaxScore_Small", "0000", {84, 4, 34, 16}, &SmallScore)),
      Command1(AddButton(window, "Command1", "Debug", {760, 10, 36, 20}, &Picture1)),
      Command2(AddButton(window, "Command2", "MAP", {760, 34, 36, 20}, &Picture1)),
      EI_Resource(AddHiddenGif(window, "EI_Resource")),
      SGB_Resource(AddHiddenGif(window, "SGB_Resource")),
      MMB_Resource(AddHiddenGif(window, "MMB_Resource")),
      ButtnDefault(window, "ButtnDefault"),
      UnknownObject(AddImage(window, "UnknownObject", {0, 0, 0, 0}, &Picture1)),
      FNF(AddHiddenGif(window, "FNF")),
      AniGIF1(AddHiddenGif(window, "AniGIF1")),
      TempItem(AddImage(window, "TempItem", {0, 0, 0, 0}, &Picture1)),
      Shape1(Place(window.Add<ui::Shape>("Shape1"), {0, 0, 0, 0}, &Picture1)),
      MsgTimer(AddTimer(window, "MsgTimer", 1000)),
      ScnTimer(AddTimer(window, "ScnTimer", 700)),
      BlockTimer(AddTimer(window, "BlockTimer", 200)),
      MovieTimer(AddTimer(window, "MovieTimer", 300)),
      PostMovieTimer(AddTimer(window, "PostMovieTimer", 200)) {
  window.SetCaption("Quorvel Player");
  window.Move(0, 0, 800, 600);
  window.SetBackColour(0xFF000000);

  for (int i = 1; i <= Animation.kCount; ++i) {
    Place(Animation(i), {0, 0, 0, 0}, &ScnImg).Hide();
    Place(NoGIF(i), {0, 0, 0, 0}, &ScnImg).Hide();
  }
  const ui::Rect arrows[5] = {{}, {330, 0, 40, 40}, {660, 218, 40, 40}, {330, 435, 40, 40}, {0, 218, 40, 40}};
  for (int i = 1; i <= 4; ++i) Place(Directionl(i), arrows[i], &ScnImg).Hide();
  for (int i = 1; i <= 5; ++i) {
    auto& line = Place(ConvText(i), {10, 6 + (i - 1) * 25, kSceneWidth - 20, 22}, &ConvBox);
    line.SetTransparent(true);
    line.SetForeColour(0xFFFFFFFF);
  }
  ConvBox.Hide();
  AVIBG.Hide();
  MoviePlayer1.Hide();
  Msg.SetStyle(Centred(10, true));
  Msg.SetForeColour(0xFFFFFFFF);
  MsgStatus.SetBackColour(0xFF000080);
  MsgStatus.Hide();
  Block.SetBackColour(0xFF000000);
  Block.Hide();
  for (int i = 1; i <= invitem.kCount; ++i) Place(invitem(i), {4 + (i - 1) * 43, 4, 40, 40}, &InvBar).Hide();
  ItemHiLite.SetBorderColour(0xFFFFFF00);
  ItemHiLite.SetBorderWidth(2);
  ItemHiLite.Hide();
  FlashFixIcon.Hide();
  for (ui::Label* label : {&Label1, &CurrScore_Large, &Label5, &MaxScore_Large}) {
    label->SetForeColour(0xFFFFFFFF);
    label->SetStyle(Centred(12, true));
  }
  for (ui::Label* label : {&Label2, &CurrScore_Small, &Label3, &MaxScore_Small}) {
    label->SetForeColour(0xFFFFFFFF);
    label->SetStyle(Centred(8, true));
  }
  LargeScore.Hide();
  SmallScore.Hide();
  Command1.Hide();
  for (int i = 1; i <= 5; ++i) ButtnDefault(i).Hide();
  UnknownObject.SetPicture(builtins.Get(ui::BuiltinPicture::kUnknownObject));
  UnknownObject.Hide();
  FNF.SetPicture(builtins.Get(ui::BuiltinPicture::kFnf));
  AniGIF1.SetPicture(builtins.Get(ui::BuiltinPicture::kAniGif1));
  TempItem.Hide();
  Shape1.Hide();
}

}  // namespace qvl
