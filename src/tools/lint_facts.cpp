#include "tools/lint_facts.h"

#include "data/object_fields.h"
#include "media/media_kind.h"

namespace qvl::tools::lint {

namespace {

void AddGeneralFacts(const Game& game, Facts& facts) {
  if (!game.HasGeneral()) return;
  const data::GenRec& g = game.general;
  auto at = [](const char* key) { return RecordPlace(Section::kGeneral, 1, key); };
  if (g.CreditsScene != 0) facts.scenes.push_back({at("credits_scene"), g.CreditsScene});
  if (g.ScoreOn != 0) facts.reads.push_back({at("score_flag"), g.ScoreFlag, -1, 0, at("score_flag")});
  facts.levels.push_back({at("click_sound_vol"), g.ClickSoundVol, false});
  facts.levels.push_back({at("click_sound_pan"), g.ClickSoundPan, true});
  facts.levels.push_back({at("object_sound_vol"), g.ObjectSoundVol, false});
  facts.levels.push_back({at("object_sound_pan"), g.ObjectSoundPan, true});
  facts.levels.push_back({at("inventory_full_sound_vol"), g.InventoryFullSoundVol, false});
  facts.levels.push_back({at("inventory_full_sound_pan"), g.InventoryFullSoundPan, true});
  facts.levels.push_back({at("hover_sound_vol"), g.HoverSoundVol, false});
  facts.levels.push_back({at("hover_sound_pan"), g.HoverSoundPan, true});
  facts.levels.push_back({at("menu_music_vol"), g.MenuMusicVol, false});
}

void AddItemFacts(const Game& game, Facts& facts) {
  for (int n = 1; n <= game.ItemCount(); ++n) {
    const data::ItemRec& item = game.item(n);
    auto at = [n](const char* key) { return RecordPlace(Section::kItem, n, key); };
    if (item.StartInInventory == 1) facts.items_started.push_back({at("start_in_inventory"), n});
    if (item.Combinable == 1) {
      facts.items_needed.push_back({at("combine_partner"), item.CombinePartner});
      facts.items_given.push_back({at("combine_result"), item.CombineResult});
    }
    if (item.ExamineTransforms == 1) facts.items_given.push_back({at("examine_new_item"), item.ExamineNewItem});
    if (item.ExamineAddsLocation == 1) facts.locations.push_back({at("examine_location"), item.ExamineLocation});
    if (item.ExamineSetsFlag == 1) {
      facts.writes.push_back({at("examine_flag"), item.ExamineFlag, item.ExamineFlagValue, item.ExamineFlagMode,
                              at("examine_flag_mode")});
    }
    facts.levels.push_back({at("refusal_sound_vol"), item.RefusalSoundVol, false});
    facts.levels.push_back({at("refusal_sound_pan"), item.RefusalSoundPan, true});
    facts.levels.push_back({at("examine_sound_vol"), item.ExamineSoundVol, false});
    facts.levels.push_back({at("examine_sound_pan"), item.ExamineSoundPan, true});
    facts.levels.push_back({at("combine_sound_vol"), item.CombineSoundVol, false});
    facts.levels.push_back({at("combine_sound_pan"), item.CombineSoundPan, true});
  }
}

void AddLocationFacts(const Game& game, Facts& facts) {
  for (int n = 1; n <= game.LocationCount(); ++n) {
    const data::LocRec& loc = game.location(n);
    std::string marker = loc.MarkerPicture.Trimmed();
    if (marker.empty() || marker == "Del") continue;
    auto at = [n](const char* key) { return RecordPlace(Section::kLocation, n, key); };
    if (loc.LocScene != 0) facts.scenes.push_back({at("loc_scene"), loc.LocScene});
    if (loc.PlaysMedia == 1 && MediaKind(loc.LocMedia.Trimmed()) == "wav") {
      facts.levels.push_back({at("loc_media_vol"), loc.LocMediaVol, false});
      facts.levels.push_back({at("loc_media_pan"), loc.LocMediaPan, true});
    }
  }
}

void AddSceneFacts(const Game& game, Facts& facts) {
  for (int n = 1; n <= game.SceneCount(); ++n) {
    const data::SceneRec& scene = game.scene(n);
    auto at = [n](const char* key) { return RecordPlace(Section::kScene, n, key); };
    if (scene.JumpEnabled == 1) {
      facts.reads.push_back({at("jump_flag"), scene.JumpFlag, scene.JumpOp, scene.JumpValue, at("jump_op")});
      if (scene.JumpScene != 0) facts.scenes.push_back({at("jump_scene"), scene.JumpScene});
    }
    if (scene.EntryFlagOn == 1) {
      facts.writes.push_back(
          {at("entry_flag"), scene.EntryFlag, scene.EntryFlagValue, scene.EntryFlagMode, at("entry_flag_mode")});
    }
    const std::pair<const char*, const data::SceneLink*> arrows[] = {
        {"up_link_", &scene.UpLink}, {"down_link_", &scene.DownLink},
        {"left_link_", &scene.LeftLink}, {"right_link_", &scene.RightLink}};
    for (const auto& [prefix, arrow] : arrows) {
      if (arrow->Scene == 0) continue;
      facts.scenes.push_back({at((std::string(prefix) + "scene").c_str()), arrow->Scene});
      facts.pointers.push_back({at((std::string(prefix) + "pointer").c_str()), arrow->Pointer});
    }
    if (!scene.EnterSound.Trimmed().empty()) {
      facts.levels.push_back({at("enter_sound_volume"), scene.EnterSoundVolume, false});
      facts.levels.push_back({at("enter_sound_pan"), scene.EnterSoundPan, true});
    }
    if (!scene.ExitSound.Trimmed().empty()) {
      facts.levels.push_back({at("exit_sound_volume"), scene.ExitSoundVolume, false});
      facts.levels.push_back({at("exit_sound_pan"), scene.ExitSoundPan, true});
    }
    if (!scene.LoopSound.Trimmed().empty()) {
      facts.levels.push_back({at("loop_sound_volume"), scene.LoopSoundVolume, false});
      facts.levels.push_back({at("loop_sound_pan"), scene.LoopSoundPan, true});
    }
    if (!scene.SceneSoundtrack.Trimmed().empty()) {
      facts.levels.push_back({at("soundtrack_volume"), scene.SoundtrackVolume, false});
    }
  }
}

void AddConversationFacts(const Game& game, Facts& facts) {
  for (int n = 1; n <= game.ConversationCount(); ++n) {
    const data::ConvRec& conv = game.conversation(n);
    for (int line = 1; line <= data::ConvRec::kLineCount; ++line) {
      auto at = [n, line](const char* key) {
        return RecordPlace(Section::kConversation, n, (key + std::to_string(line)).c_str());
      };
      if (conv.LineFlagOn(line) == 1) {
        facts.writes.push_back(
            {at("line_flag"), conv.LineFlag(line), conv.LineValue(line), conv.LineMode(line), at("line_mode")});
      }
      if (conv.LineMediaOn(line) == 1 && MediaKind(conv.LineMedia(line).Trimmed()) == "wav") {
        facts.levels.push_back({at("line_volume"), conv.LineVolume(line), false});
        facts.levels.push_back({at("line_pan"), conv.LinePan(line), true});
      }
    }
  }
}

}  // namespace

bool HoldsAtZero(int op, int value) {
  switch (op) {
    case data::flag_op::kEqual: return value == 0;
    case data::flag_op::kNotEqual: return value != 0;
    case data::flag_op::kLess: return 0 < value;
    case data::flag_op::kGreater: return 0 > value;
    default: return false;
  }
}

Facts GatherFacts(const Game& game) {
  Facts facts;
  AddGeneralFacts(game, facts);
  AddItemFacts(game, facts);
  AddLocationFacts(game, facts);
  AddSceneFacts(game, facts);
  AddConversationFacts(game, facts);
  AddObjectFacts(game, facts);
  return facts;
}

}  // namespace qvl::tools::lint
