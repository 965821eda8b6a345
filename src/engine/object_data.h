// The objects of the scene shown: their pictures prepared once per scene,
// and the refresh after every flag change that decides which are active,
// shows and sounds them, evaluates the hidden ones and lets the scene
// settle.
#pragma once

#include <cstdint>

namespace qvl {

struct Player;
namespace ui {
class AnimatedPicture;
}

// Object sounds by kind, as ObjectSoundChannel's selector.
namespace sound_of {
constexpr int kAmbient = 0;
constexpr int kLink = 1;
constexpr int kGoodie = 2;
constexpr int kSwitch = 3;
constexpr int kReactor = 4;
constexpr int kResponder = 5;
}  // namespace sound_of

// Prepares the pictures of the twenty objects and waits until they have
// loaded, then refreshes the scene.
void UpdateObjData(Player& p);

// The scene refresh: activity, display and sounds, masks on the inactive
// hidden objects, evaluation, then the settle wait.
void UpdateObjData2(Player& p);

// The sound channel of an object's first, second or third sound.
int16_t ObjectSoundChannel(Player& p, int selector, int slot, int which = 1);

// Sets the playback of an animated picture for animation mode 1, 2 or 3.
void SetAnimationMode(ui::AnimatedPicture& picture, int mode);

// The engine's events on the game window: picture loads counted, the
// cover over a changing scene taken away, the conversation lines.
void WireSceneEngine(Player& p);

}  // namespace qvl
