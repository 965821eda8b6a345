// The game's answer to a click on a scene object or a direction arrow: the
// guards every click passes, the item the object asks for, and what a
// Link, Goodie, Switch or Reactor does.
#pragma once

namespace qvl {

struct Player;

// A click on the animated picture of the object in slot `index`.
void AnimationClick(Player& p, int index);

// A click on the still picture (a Link's click area) in slot `index`.
void NoGIFClick(Player& p, int index);

// The animated picture in slot `index` has played to its end: a Switch
// started by a click takes its new value now.
void AnimationPlayedThrough(Player& p, int index);

// A click on direction arrow `index` (1 Up, 2 Right, 3 Down, 4 Left).
void DirectionlClick(Player& p, int index);

// The click, animation-end and pointer events of the objects and arrows.
void WireObjectClicks(Player& p);

}  // namespace qvl
