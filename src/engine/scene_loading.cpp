#include "engine/scene_loading.h"

#include "engine/flags.h"
#include "engine/hidden_objects.h"
#include "engine/object_data.h"
#include "engine/records.h"
#include "game/app_paths.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/inventory.h"
#include "game_window/pointers.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"
#include "media/soundtrack.h"
#include "shell/display_services.h"

namespace qvl {

namespace {

// A movie may still be playing, and a click may have left one to play
// before the next scene: both run to their end first.
void FinishMovies(Player& p) {
  if (MoviePlaying(p)) WaitForMovie(p);
  SceneState& s = p.scene;
  if (!s.PendingMovie.empty()) {
    PlayMovie(p, s.PendingMovie, s.PendingMovieLevel, true, true);
    WaitForMovie(p);
    s.PendingMovie.clear();
    s.PendingMovieLevel = 0;
  }
}

// Entering the scene behind the main menu: the item in hand goes back to
// the bar, and the save and examine buttons rest, disabled.
void EnterMenuScene(Player& p) {
  MainWindow& m = p.windows.main;
  if (ItemInHand(p)) m.invitem(p.game.Hand).Show();
  p.game.Hand = kNothingInHand;
  if (PictureRef picture = m.SGB_Resource.FramePicture(1)) m.SaveGameButtn.SetPicture(picture);
  if (PictureRef picture = m.EI_Resource.FramePicture(1)) m.ExamineItem.SetPicture(picture);
  m.SaveGameButtn.SetEnabled(false);
  m.InvBar.SetEnabled(false);
  m.ExamineItem.SetEnabled(false);
}

// The old scene's exit sound and exit movie, when a scene is being left.
void LeaveCurrentScene(Player& p) {
  if (p.game.CurrentScene == 0) return;
  data::SceneRec& r = p.scene.Rec;
  if (const std::string sound = r.ExitSound.Trimmed(); !sound.empty()) {
    PlayWAVQVL(p, sound, false, channels::kEnterExit, r.ExitSoundPan, r.ExitSoundVolume);
  }
  if (const std::string movie = r.ExitMovie.Trimmed(); !movie.empty()) {
    PlayMovie(p, movie, r.ExitMovieLevel, true, true);
    WaitForMovie(p);
  }
}

// Places direction arrow `control` from its link block and gives it its
// pointer picture (image 13 when the block names none).
void PlaceArrow(Player& p, int control, const data::SceneLink& link) {
  ui::ImageControl& arrow = p.windows.main.Directionl(control);
  arrow.SetStretch(true);
  arrow.Move(link.Left, link.Top, link.Width, link.Height);
  const int image = link.Pointer == 0 ? pointer::kNormal : link.Pointer;
  p.scene.ArrowPointer[static_cast<size_t>(control)] = p.windows.mouse_point.Pointer(image).pointer();
  arrow.Show();
}

void PlaceArrows(Player& p) {
  const data::SceneRec& r = p.scene.Rec;
  PlaceArrow(p, 1, r.UpLink);
  PlaceArrow(p, 3, r.DownLink);
  PlaceArrow(p, 4, r.LeftLink);
  PlaceArrow(p, 2, r.RightLink);
}

// The scene's soundtrack, enter movie, enter sound and looping sound.
void StartSceneMedia(Player& p) {
  data::SceneRec& r = p.scene.Rec;
  if (const std::string track = r.SceneSoundtrack.Trimmed(); !track.empty()) {
    Soundtrack(p, track, r.SoundtrackVolume, false);
  }
  if (const std::string movie = r.EnterMovie.Trimmed(); !movie.empty()) {
    PlayMovie(p, movie, r.EnterMovieLevel, true, true);
    WaitForMovie(p);
  }
  if (const std::string sound = r.EnterSound.Trimmed(); !sound.empty()) {
    PlayWAVQVL(p, sound, false, channels::kEnterExit, r.EnterSoundPan, r.EnterSoundVolume);
  }
  if (const std::string sound = r.LoopSound.Trimmed(); !sound.empty()) {
    PlayWAVQVL(p, sound, true, channels::kLooping, r.LoopSoundPan, r.LoopSoundVolume);
  }
}

}  // namespace

void ReadSceneRecord(Player& p, int16_t n) {
  MainWindow& m = p.windows.main;
  for (int i = 1; i <= data::SceneRec::kSlotCount; ++i) {
    m.Animation(i).Hide();
    m.NoGIF(i).Hide();
  }
  data::SceneRec rec = ReadRecord<data::SceneRec>(p.data.Scene, n);
  rec.unused205 = p.scene.Rec.unused205;  // the reserved integer is not read
  p.scene.Rec = rec;
  p.game.CurrentScene = n;
}

void LoadScene(Player& p, int16_t n) {
  MainWindow& m = p.windows.main;
  SceneState& s = p.scene;
  // Rules that load a scene whose rules load a scene again nest without
  // end: each load counts towards the looping-condition limit.
  FlagNestingGuard nesting(p);
  try {
    // Scenes that jump to each other on entry load inside one another
    // without any rule being evaluated: the chain stops here, as running
    // out of stack would stop it.
    if (s.FlagNesting > kLoopBound) throw RuntimeError(kLoopingError, kLoopingDescription).WithCause("scene " + std::to_string(n));
    p.game.SceneLoading = true;
    p.game.LoadedNewScene = false;
    p.game.ActiveConversation = 0;
    p.game.LastFlagSet = 0;
    FinishMovies(p);
    LogLine(p, "Loading scene" + Str(n) + "...");
    if (n == p.game.MenuScene) EnterMenuScene(p);
    ShowPointer(p, pointer::kWait);
    for (size_t i = 1; i <= data::SceneRec::kSlotCount; ++i) {
      s.SwitchRunning[i] = false;
      s.LinkUsed[i] = false;
      s.ReactorUsed[i] = false;
      s.SoundHeard[i] = false;
      s.WatchedSound[i].clear();
    }
    for (int16_t channel = 1; channel <= 13; ++channel) StopWav(p, channel);
    StopWav(p, channels::kDialogue);
    StopWav(p, channels::kEnterExit);
    StopWav(p, channels::kLooping);
    LeaveCurrentScene(p);
    if (m.ConvBox.visible()) {
      p.game.ActiveConversation = 0;
      m.ConvBox.Hide();
    }
    m.Block.Show();
    p.loop().DoEvents();

    ReadSceneRecord(p, n);
    const data::SceneRec& r = s.Rec;
    if (r.JumpScene != 0 && r.JumpEnabled == 1) {
      if (n != r.JumpScene) {
        if (CheckFlag(p, r.JumpFlag, r.JumpOp, r.JumpValue)) {
          // The skipped scene was never entered: no exit sound or movie of its own.
          p.game.CurrentScene = 0;
          LoadScene(p, r.JumpScene);
          return;
        }
      } else {
        LogLine(p, "CheckFlag ERROR - Scene #" + Num(n) + " - Cannot set 'Jump To Scene' same as Current Scene");
      }
    }
    if (p.startup.RunningFromCD) CheckSceneDisc(p, n);
    if (const std::string picture = s.Rec.ScenePicture.Trimmed(); !picture.empty()) {
      m.ScnImg.SetPicture(LoadGamePicture(p, p.AppPath() + "resource\\Gfx\\" + picture));
    }
    if (s.Rec.EntryFlagOn == 1) SetFlag(p, s.Rec.EntryFlag, s.Rec.EntryFlagValue, s.Rec.EntryFlagMode);
    PlaceArrows(p);
    UpdateObjData(p);
    StartSceneMedia(p);
    m.BlockTimer.SetTimerEnabled(true);
    p.game.SceneLoading = false;
    LogLine(p, "Scene" + Str(p.game.CurrentScene) + " loaded.");
  } catch (const RuntimeError& error) {
    ReportUnexpected(p, "LoadScene", error);
    ShowPointer(p, pointer::kNormal);
  }
}

}  // namespace qvl
