#include "game_window/object_pointers.h"

#include "engine/conversations.h"
#include "game/player.h"
#include "game_window/game_window.h"
#include "game_window/inventory.h"
#include "game_window/mouse_point.h"
#include "game_window/pointers.h"

namespace qvl {

namespace {

const data::ObjectSlot& Obj(Player& p, int i) { return p.scene.Rec.slot(i); }

void ShowItemHighlight(Player& p) { ShowItemHighlightPointer(p); }

// Pointer picture `n` of MousePoint; 0 (or a number it does not have)
// stands for the normal pointer.
void ShowNumberedPointer(Player& p, int n) { ShowPointer(p, n >= 1 && n <= pointer::kCount ? n : pointer::kNormal); }

void LinkPointer(Player& p, int i) {
  const data::ObjectSlot& o = Obj(p, i);
  if (o[data::link::kOneShot] == 1 && p.scene.LinkUsed[static_cast<size_t>(i)]) {
    ShowPointer(p, pointer::kNormal);
  } else if (o[data::link::kItemRequirement.requires_item] == 1 && ItemInHand(p)) {
    ShowItemHighlight(p);
  } else {
    ShowNumberedPointer(p, o[data::link::kPointer]);
  }
}

// Over any scene object: the buttons rest and the icon frame goes; a
// highlighted conversation line gets its own colour back.
void RestOthers(Player& p) {
  ShowButtonsNormal(p);
  p.windows.main.ItemHiLite.Hide();
  UnhighlightConversationLines(p);
}

// The object rules rest while a scene loads or a blocking box shows
// (a Goodie still answers the box).
bool ObjectRulesRest(Player& p, int16_t kind) {
  return p.game.SceneLoading || (BlockingConversationShows(p) && kind != data::kGoodie);
}

}  // namespace

bool BlockingConversationShows(Player& p) {
  const int16_t owner = p.game.ActiveConversation;
  return p.windows.main.ConvBox.visible() && owner >= 1 && owner <= data::SceneRec::kSlotCount &&
         Obj(p, owner)[data::conversation::kNormalPointer] == 1;
}

void AnimationMouseMove(Player& p, int index) {
  if (WaitPointerShows(p)) return;
  RestOthers(p);
  const data::ObjectSlot& o = Obj(p, index);
  if (ObjectRulesRest(p, o.Kind)) return;
  switch (o.Kind) {
    case data::kAmbient: ShowItemOrNormalPointer(p); break;
    case data::kLink: LinkPointer(p, index); break;
    case data::kGoodie:
      if (o[data::goodie::kItemRequirement.requires_item] == 1 && ItemInHand(p)) {
        ShowItemHighlight(p);
      } else {
        ShowPointer(p, pointer::kGoodie);
      }
      break;
    case data::kSwitch:
      if (o[data::switch_::kItemRequirement.requires_item] == 1 && ItemInHand(p)) {
        ShowItemHighlight(p);
      } else {
        ShowPointer(p, pointer::kHotspot);
      }
      break;
    case data::kReactor:
      if (o[data::reactor::kOneShot] == 1 && p.scene.ReactorUsed[static_cast<size_t>(index)]) {
        ShowPointer(p, pointer::kNormal);
      } else {
        ShowPointer(p, pointer::kReactor);
      }
      break;
    default:
      // Kinds 5 … 8 leave the pointer alone; a kind above them is unknown.
      if (o.Kind > data::kConversation) ShowPointer(p, pointer::kHotspot);
      break;
  }
}

void NoGIFMouseMove(Player& p, int index) {
  if (WaitPointerShows(p)) return;
  RestOthers(p);
  const data::ObjectSlot& o = Obj(p, index);
  if (ObjectRulesRest(p, o.Kind)) return;
  if (o.Kind == data::kLink) LinkPointer(p, index);
  if (o.Kind > data::kConversation) ShowPointer(p, pointer::kHotspot);
}

void DirectionlMouseMove(Player& p, int index) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  m.HoverTarget = hover::kNeutral;
  ShowButtonsNormal(p);
  UnhighlightConversationLines(p);
  if (p.game.SceneLoading || BlockingConversationShows(p)) return;
  const data::SceneRec& r = p.scene.Rec;
  const data::SceneLink* links[5] = {nullptr, &r.UpLink, &r.RightLink, &r.DownLink, &r.LeftLink};
  if (index < 1 || index > 4) return;
  if (links[index]->Scene != 0) {
    p.runtime().SetPointer(p.scene.ArrowPointer[static_cast<size_t>(index)]);
  } else {
    ShowItemOrNormalPointer(p);
  }
}

}  // namespace qvl
