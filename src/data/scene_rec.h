// The scene record of Quorvel1.dat: the scene's own settings (background,
// sounds, movies, jump rule, entry flag, direction arrows) and its twenty
// object slots, each with a kind, a position, nine texts and 33 integers.
#pragma once

#include <cstdint>
#include <string_view>

#include "data/fixed_text.h"
#include "data/object_fields.h"
#include "data/one_based.h"
#include "data/record_codec.h"

namespace qvl::data {

// The kind's name, as the scene setup writes it into the object's tag
// ("Goodie", "Multi-Trigger" …); ">>> Unknown <<<" for any other code.
std::string_view KindName(int kind);

// One object slot: 207 bytes.
struct ObjectSlot {
  static constexpr size_t kSize = 207;

  int16_t Kind = 0;
  int16_t Left = 0;
  int16_t Top = 0;
  OneBased<Text15, 9> Text;     // Text(1) … Text(9)
  OneBased<int16_t, 33> Param;  // Param(1) … Param(33)

  // The field at a named position: `slot[link::kDestinationScene]`.
  int16_t& operator[](ParamField f) { return Param(f.index); }
  int16_t operator[](ParamField f) const { return Param(f.index); }
  Text15& operator[](TextField f) { return Text(f.index); }
  const Text15& operator[](TextField f) const { return Text(f.index); }

  bool operator==(const ObjectSlot&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("Kind", 0, r.Kind);
    v("Left", 0, r.Left);
    v("Top", 0, r.Top);
    VisitGroup("Text", r.Text, v);
    VisitGroup("Param", r.Param, v);
  }
};

// A direction arrow: its pointer image (0 = image 13), destination scene
// (0 = none) and place. On disk the pointers and scenes of all four arrows
// come first and their geometry, top before left, after them.
struct SceneLink {
  int16_t Pointer = 0;
  int16_t Scene = 0;
  int16_t Top = 0;
  int16_t Left = 0;
  int16_t Width = 0;
  int16_t Height = 0;

  bool operator==(const SceneLink&) const = default;
};

struct SceneRec {
  static constexpr size_t kSize = 4395;
  static constexpr size_t kHeaderSize = 255;
  static constexpr int kSlotCount = 20;

  Text15 SceneLabel;
  int16_t JumpEnabled = 0;
  int16_t JumpFlag = 0;
  int16_t JumpOp = 0;
  int16_t JumpValue = 0;
  int16_t JumpScene = 0;
  Text15 ScenePicture;
  Text15 SceneSoundtrack;
  int16_t SoundtrackVolume = 0;
  Text15 EnterSound;
  int16_t EnterSoundVolume = 0;
  int16_t EnterSoundPan = 0;
  Text15 ExitSound;
  int16_t ExitSoundVolume = 0;
  int16_t ExitSoundPan = 0;
  Text15 LoopSound;
  int16_t LoopSoundVolume = 0;
  int16_t LoopSoundPan = 0;
  Text15 EnterMovie;
  int16_t EnterMovieLevel = 0;
  Text15 ExitMovie;
  int16_t ExitMovieLevel = 0;
  int16_t EntryFlagOn = 0;
  int16_t EntryFlag = 0;
  int16_t EntryFlagValue = 0;
  int16_t EntryFlagMode = 0;
  Text15 unused156;
  Text15 unused171;
  Text15 unused186;
  int16_t unused201 = 0;
  int16_t unused203 = 0;
  int16_t unused205 = 0;
  SceneLink UpLink;
  SceneLink DownLink;
  SceneLink LeftLink;
  SceneLink RightLink;
  OneBased<ObjectSlot, kSlotCount> slots;

  // Object slot k (1 … 20).
  ObjectSlot& slot(int k) { return slots(k); }
  const ObjectSlot& slot(int k) const { return slots(k); }

  static SceneRec Decode(std::string_view bytes) { return data::Decode<SceneRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const SceneRec&) const = default;

  // The 255-byte header's fields.
  template <class Self, class V>
  static void HeaderFields(Self& r, V& v) {
    v("SceneLabel", 0, r.SceneLabel);
    v("JumpEnabled", 0, r.JumpEnabled);
    v("JumpFlag", 0, r.JumpFlag);
    v("JumpOp", 0, r.JumpOp);
    v("JumpValue", 0, r.JumpValue);
    v("JumpScene", 0, r.JumpScene);
    v("ScenePicture", 0, r.ScenePicture);
    v("SceneSoundtrack", 0, r.SceneSoundtrack);
    v("SoundtrackVolume", 0, r.SoundtrackVolume);
    v("EnterSound", 0, r.EnterSound);
    v("EnterSoundVolume", 0, r.EnterSoundVolume);
    v("EnterSoundPan", 0, r.EnterSoundPan);
    v("ExitSound", 0, r.ExitSound);
    v("ExitSoundVolume", 0, r.ExitSoundVolume);
    v("ExitSoundPan", 0, r.ExitSoundPan);
    v("LoopSound", 0, r.LoopSound);
    v("LoopSoundVolume", 0, r.LoopSoundVolume);
    v("LoopSoundPan", 0, r.LoopSoundPan);
    v("EnterMovie", 0, r.EnterMovie);
    v("EnterMovieLevel", 0, r.EnterMovieLevel);
    v("ExitMovie", 0, r.ExitMovie);
    v("ExitMovieLevel", 0, r.ExitMovieLevel);
    v("EntryFlagOn", 0, r.EntryFlagOn);
    v("EntryFlag", 0, r.EntryFlag);
    v("EntryFlagValue", 0, r.EntryFlagValue);
    v("EntryFlagMode", 0, r.EntryFlagMode);
    v("unused156", 0, r.unused156);
    v("unused171", 0, r.unused171);
    v("unused186", 0, r.unused186);
    v("unused201", 0, r.unused201);
    v("unused203", 0, r.unused203);
    v("unused205", 0, r.unused205);
    v("UpLinkPointer", 0, r.UpLink.Pointer);
    v("UpLinkScene", 0, r.UpLink.Scene);
    v("DownLinkPointer", 0, r.DownLink.Pointer);
    v("DownLinkScene", 0, r.DownLink.Scene);
    v("LeftLinkPointer", 0, r.LeftLink.Pointer);
    v("LeftLinkScene", 0, r.LeftLink.Scene);
    v("RightLinkPointer", 0, r.RightLink.Pointer);
    v("RightLinkScene", 0, r.RightLink.Scene);
    v("UpLinkTop", 0, r.UpLink.Top);
    v("UpLinkLeft", 0, r.UpLink.Left);
    v("UpLinkWidth", 0, r.UpLink.Width);
    v("UpLinkHeight", 0, r.UpLink.Height);
    v("DownLinkTop", 0, r.DownLink.Top);
    v("DownLinkLeft", 0, r.DownLink.Left);
    v("DownLinkWidth", 0, r.DownLink.Width);
    v("DownLinkHeight", 0, r.DownLink.Height);
    v("LeftLinkTop", 0, r.LeftLink.Top);
    v("LeftLinkLeft", 0, r.LeftLink.Left);
    v("LeftLinkWidth", 0, r.LeftLink.Width);
    v("LeftLinkHeight", 0, r.LeftLink.Height);
    v("RightLinkTop", 0, r.RightLink.Top);
    v("RightLinkLeft", 0, r.RightLink.Left);
    v("RightLinkWidth", 0, r.RightLink.Width);
    v("RightLinkHeight", 0, r.RightLink.Height);
  }

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    HeaderFields(r, v);
    for (int k = 1; k <= kSlotCount; ++k) ObjectSlot::Fields(r.slot(k), v);
  }
};

// The fields of the scene header alone, with their offsets.
std::vector<FieldInfo> SceneHeaderLayout();

}  // namespace qvl::data
