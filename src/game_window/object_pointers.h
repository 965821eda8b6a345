// The pointer over the scene's objects and direction arrows: what it shows
// tells the player what a click would do.
#pragma once

namespace qvl {

struct Player;

// The pointer moves over the animated picture in slot `index`.
void AnimationMouseMove(Player& p, int index);

// The pointer moves over the still picture (click area) in slot `index`.
void NoGIFMouseMove(Player& p, int index);

// The pointer moves over direction arrow `index`.
void DirectionlMouseMove(Player& p, int index);

// A blocking conversation box shows: object clicks and pointers rest,
// except a Goodie's.
bool BlockingConversationShows(Player& p);

}  // namespace qvl
