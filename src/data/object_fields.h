// What every field of a scene object means, by kind: the one place that
// names an object slot's texts and integers (`link::kDestinationScene` is
// Param 13 of a Link), the values of its enumerated fields (show modes,
// operators, Reactor actions …) and the marks a slot's kind code takes while
// its scene is shown. Read a field as `slot[link::kDestinationScene]`.
//
// Conventions of every kind:
// - A slot holds Text 1 … 9 (15 characters each, read trimmed) and Param
//   1 … 33 (16-bit signed integers). Fields a kind does not name here are
//   not used by the player for that kind; they are kept as stored.
// - A "switch" field is on when it holds exactly 1; any other value is off.
// - A flag condition is three integers: flag number (0 … 255), operator
//   (`flag_op`), value. A flag action is three integers: flag number (0 =
//   no change), value, mode (`flag_mode`).
// - Sound volume and pan are passed unchanged to the sound player: volume
//   in hundredths of a decibel (0 = full, −10000 = silent), pan −10000
//   (left) … 10000 (right).
// - A sound channel field chooses the object's channel 1 … 20; 0 (or −1)
//   selects the slot's own default channel.
// - Picture and sound fields are file names in the game's resource folders.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qvl::data {

// Object kind codes as stored in a slot's `Kind`: five visible kinds drawn
// over the background, then five hidden kinds that only react to the game
// state.
enum ObjectKind : int16_t {
  kAmbient = 0,
  kLink = 1,
  kGoodie = 2,
  kSwitch = 3,
  kReactor = 4,
  kResponder = 5,
  kDelay = 6,
  kMultiTrigger = 7,
  kConversation = 8,
  kFlagConjunction = 9,
};
constexpr int kKindCount = 10;

// The kinds' names by code: the tag the scene setup gives an object's
// picture, and the kind names of the text game format.
constexpr std::array<const char*, kKindCount> kKindNames = {
    "Ambient", "Link", "Goodie", "Switch", "Reactor", "Responder", "Delay", "Multi-Trigger", "Conversation",
    "Flag Conjunction"};

// The position of a text of an object slot: Text(index), index 1 … 9.
struct TextField {
  int index;
};

// The position of an integer of an object slot: Param(index), index 1 … 33.
struct ParamField {
  int index;
};

// Where the texts and integers lie within the 207-byte slot: Kind, Left and
// Top come first (two bytes each), then nine 15-byte texts, then 33 integers.
constexpr size_t kFirstTextOffset = 6;
constexpr size_t kTextWidth = 15;
constexpr size_t kFirstParamOffset = kFirstTextOffset + 9 * kTextWidth;  // 141
constexpr size_t kParamWidth = 2;
constexpr size_t OffsetInSlot(TextField f) { return kFirstTextOffset + kTextWidth * static_cast<size_t>(f.index - 1); }
constexpr size_t OffsetInSlot(ParamField f) {
  return kFirstParamOffset + kParamWidth * static_cast<size_t>(f.index - 1);
}

// A flag condition in three consecutive integers: flag, operator, value.
struct ConditionFields {
  ParamField flag;
  ParamField op;
  ParamField value;
};
constexpr ConditionFields ConditionFrom(int first) { return {{first}, {first + 1}, {first + 2}}; }

// A flag action in three consecutive integers: flag, value, mode.
struct ActionFields {
  ParamField flag;
  ParamField value;
  ParamField mode;
};
constexpr ActionFields ActionFrom(int first) { return {{first}, {first + 1}, {first + 2}}; }

// The item a Link, Goodie or Switch may ask to have in hand, in five
// consecutive integers. The sound played when the hand is empty is the
// kind's Text 4, on the kind's item-required channel.
struct ItemRequirementFields {
  ParamField requires_item;  // switch: the click needs an item in hand
  ParamField item;           // inventory item number that fits
  ParamField keeps_item;     // switch: the used item returns to the bar; off = it is used up
  ParamField sound_volume;   // of the item-required sound
  ParamField sound_pan;
};
constexpr ItemRequirementFields ItemRequirementFrom(int first) {
  return {{first}, {first + 1}, {first + 2}, {first + 3}, {first + 4}};
}

// Condition operators: how a flag is compared with the condition's value.
// Any other code makes the condition false.
namespace flag_op {
constexpr int16_t kEqual = 0;
constexpr int16_t kNotEqual = 1;
constexpr int16_t kLess = 2;
constexpr int16_t kGreater = 3;
}  // namespace flag_op

// Flag action modes.
namespace flag_mode {
constexpr int16_t kSet = 0;  // the flag takes the value
constexpr int16_t kAdd = 1;  // the value is added to the flag
}  // namespace flag_mode

// Show modes of the visible kinds and the Conversation.
namespace show_mode {
constexpr int16_t kNever = 0;          // as any value but the two below
constexpr int16_t kAlways = 1;         // shown (active) whenever the scene is
constexpr int16_t kWhileCondition = 2; // shown while the show condition holds
}  // namespace show_mode

// Animation modes of the visible kinds' pictures (a Switch always plays as
// kOnce). Any other value leaves the picture's playback as it is.
namespace animation_mode {
constexpr int16_t kLoop = 1;          // plays forwards over and over
constexpr int16_t kBackAndForth = 2;  // plays forwards, then backwards, over and over
constexpr int16_t kOnce = 3;          // plays once; Link and Goodie pictures wait for a click to start
}  // namespace animation_mode

// The kinds' own fields. Each namespace lists the fields in stored order.

namespace ambient {
constexpr TextField kPicture{1};  // animated picture
constexpr TextField kSound{2};    // played when the object is shown; looped unless the animation mode is kOnce
constexpr ParamField kAnimationMode{1};  // animation_mode
constexpr ParamField kSoundVolume{3};
constexpr ParamField kSoundPan{4};
constexpr ParamField kShowMode{5};  // show_mode
constexpr ConditionFields kShowCondition = ConditionFrom(6);  // Param 6 … 8
constexpr ParamField kSetsFlag{9};                            // switch: take kFlagAction when shown
constexpr ActionFields kFlagAction = ActionFrom(10);          // Param 10 … 12
constexpr ParamField kAddsLocation{13};                       // switch: put kLocation on the map when shown
constexpr ParamField kLocation{14};                           // map location number 1 … 20
constexpr ParamField kSoundChannel{15};
}  // namespace ambient

// A Link goes to a scene or opens the map when clicked. With kClickArea on
// it is an invisible rectangle instead of a picture.
namespace link {
constexpr TextField kPicture{1};
constexpr TextField kSound{2};              // looped while shown, until a one-shot Link is used
constexpr TextField kClickSound{3};         // played once on the click
constexpr TextField kItemRequiredSound{4};  // played when the Link needs an item and the hand is empty
constexpr TextField kAreaHeight{5};         // height of the click area in pixels, as decimal text
constexpr TextField kAreaWidth{6};          // width of the click area in pixels, as decimal text
constexpr TextField kGroup{7};              // group name: Links of one group stand in for each other's item
constexpr ParamField kPointer{1};           // pointer picture 1 … 15 over the Link; others = the normal pointer
constexpr ParamField kAnimationMode{2};     // animation_mode
constexpr ParamField kSoundVolume{3};
constexpr ParamField kSoundPan{4};
constexpr ParamField kClickSoundVolume{5};
constexpr ParamField kClickSoundPan{6};
constexpr ItemRequirementFields kItemRequirement = ItemRequirementFrom(7);  // Param 7 … 11
constexpr ParamField kAfterClick{12};        // after_click
constexpr ParamField kDestinationScene{13};  // scene number; 0 = none
constexpr ParamField kShowMode{14};          // show_mode
constexpr ConditionFields kShowCondition = ConditionFrom(15);  // Param 15 … 17
constexpr ParamField kSetsFlag{18};                            // switch: take kFlagAction on the click
constexpr ActionFields kFlagAction = ActionFrom(19);           // Param 19 … 21
constexpr ParamField kOneShot{22};  // switch: the Link answers one click per visit of the scene
constexpr ParamField kSoundChannel{23};
constexpr ParamField kClickSoundChannel{24};
constexpr ParamField kItemRequiredSoundChannel{25};
constexpr ParamField kClickArea{26};  // non-zero: an invisible click area of kAreaWidth × kAreaHeight

// What a click does after its sound, item and flag action.
namespace after_click {
constexpr int16_t kNone = 0;   // goes to kDestinationScene all the same when that is not 0
constexpr int16_t kScene = 1;  // goes to kDestinationScene (not 0) under the wait pointer
constexpr int16_t kMap = 2;    // opens the map window
}  // namespace after_click
}  // namespace link

// A Goodie gives an inventory item when clicked.
namespace goodie {
constexpr TextField kPicture{1};
constexpr TextField kSound{2};              // looped while shown (not started with animation mode kOnce)
constexpr TextField kPickupMedia{3};        // WAV sound or AVI/MPG movie played on pick-up, told by its last letters
constexpr TextField kItemRequiredSound{4};
constexpr ParamField kAnimationMode{1};     // animation_mode; kOnce also keeps kSound from starting
constexpr ParamField kSoundVolume{2};
constexpr ParamField kSoundPan{3};
constexpr ParamField kPickupSoundVolume{4};  // also the movie level when kPickupMedia is a movie
constexpr ParamField kPickupSoundPan{5};
constexpr ParamField kGivesItem{6};          // inventory item number
constexpr ItemRequirementFields kItemRequirement = ItemRequirementFrom(7);  // Param 7 … 11
constexpr ParamField kShowMode{12};
constexpr ConditionFields kShowCondition = ConditionFrom(13);  // Param 13 … 15
constexpr ParamField kSetsFlag{16};                            // switch: take kFlagAction on pick-up
constexpr ActionFields kFlagAction = ActionFrom(17);           // Param 17 … 19
constexpr ParamField kSoundChannel{20};
constexpr ParamField kPickupSoundChannel{21};
constexpr ParamField kItemRequiredSoundChannel{22};
}  // namespace goodie

// A Switch toggles its flag between 0 and its on value. Its picture's first
// frame is the off look, its last frame the on look.
namespace switch_ {
constexpr TextField kPicture{1};
constexpr TextField kOffSound{2};  // played when turned off
constexpr TextField kOnSound{3};   // played when turned on
constexpr TextField kItemRequiredSound{4};
constexpr ParamField kFlag{1};  // the switch's flag; non-zero = on
constexpr ParamField kOffSoundVolume{3};
constexpr ParamField kOffSoundPan{4};
constexpr ParamField kOnValue{5};  // the value the flag takes when turned on
constexpr ParamField kOnSoundVolume{6};
constexpr ParamField kOnSoundPan{7};
constexpr ItemRequirementFields kItemRequirement = ItemRequirementFrom(8);  // Param 8 … 12
constexpr ParamField kShowMode{13};
constexpr ConditionFields kShowCondition = ConditionFrom(14);  // Param 14 … 16
constexpr ParamField kSoundChannel{17};              // of the on and off sounds
constexpr ParamField kItemRequiredSoundChannel{18};
}  // namespace switch_

// A Reactor plays a sound or movie and takes a flag action when clicked;
// its action code decides how it is shown and what the click plays.
namespace reactor {
constexpr TextField kPicture{1};
constexpr TextField kMovie{2};  // played by the click with actions kMovieAnimateOnce and kMovie
constexpr TextField kSound{3};
constexpr ParamField kAction{1};      // action
constexpr ParamField kMovieLevel{2};  // level given to the movie player
constexpr ParamField kSoundVolume{3};
constexpr ParamField kSoundPan{4};
constexpr ParamField kShowMode{5};
constexpr ConditionFields kShowCondition = ConditionFrom(6);  // Param 6 … 8
constexpr ParamField kSetsFlag{9};                            // switch: take kFlagAction on the click
constexpr ActionFields kFlagAction = ActionFrom(10);          // Param 10 … 12
constexpr ParamField kAddsLocation{13};                       // switch: put kLocation on the map on the click
constexpr ParamField kLocation{14};
constexpr ParamField kOneShot{15};       // switch: the Reactor answers one click per visit
constexpr ParamField kSoundChannel{16};  // −1 = the dialogue channel (15)

// Action codes. 1 … 3 are also the picture's animation mode.
namespace action {
constexpr int16_t kSoundAnimateLoop = 1;          // picture loops; the click plays kSound
constexpr int16_t kSoundAnimateBackAndForth = 2;  // picture plays back and forth; the click plays kSound
constexpr int16_t kMovieAnimateOnce = 3;  // picture plays once; kSound loops while shown; the click plays kMovie
constexpr int16_t kMovie = 4;             // kSound loops while shown; the click plays kMovie
constexpr int16_t kAnimateOnClick = 5;    // picture still until the click starts it and plays kSound
}  // namespace action
}  // namespace reactor

// A Responder acts once per visit when its flag condition holds or when its
// watched sound is requested.
namespace responder {
constexpr TextField kWatchedSound{1};  // sound file name, compared exactly (trigger kSound)
constexpr TextField kSoundtrack{2};    // soundtrack the action changes to
constexpr TextField kMedia{3};         // WAV, AVI or MPG played by the action, told by its last letters
constexpr ParamField kTrigger{1};      // trigger
constexpr ConditionFields kCondition = ConditionFrom(2);  // Param 2 … 4 (trigger kFlag)
constexpr ParamField kOnlyOnChange{5};  // switch: act only when the condition's flag changed since remembered
constexpr ParamField kChangesSoundtrack{6};  // switch: change the soundtrack to kSoundtrack
constexpr ParamField kSoundtrackVolume{7};
constexpr ParamField kPlaysMedia{8};   // switch: play kMedia
constexpr ParamField kMediaVolume{9};  // the WAV's volume; the movie level of a movie
constexpr ParamField kMediaPan{10};
constexpr ParamField kChangesScene{11};      // switch: go to kDestinationScene
constexpr ParamField kDestinationScene{12};  // scene number; 0 = none
constexpr ParamField kSetsFlag{13};          // switch: take kFlagAction
constexpr ActionFields kFlagAction = ActionFrom(14);  // Param 14 … 16
constexpr ParamField kAddsLocation{17};  // switch: put kLocation (when ≥ 1) on the map
constexpr ParamField kLocation{18};
constexpr ParamField kAddsItem{19};  // switch: add inventory item kItem (when ≥ 1)
constexpr ParamField kItem{20};
constexpr ParamField kMediaChannel{21};  // channel of a WAV kMedia
constexpr ParamField kEndsGame{22};      // switch: end the game and return to the main menu
constexpr ParamField kOpensMap{23};      // switch: open the map window

namespace trigger {
constexpr int16_t kFlag = 1;   // the flag condition holds
constexpr int16_t kSound = 2;  // kWatchedSound was requested
}  // namespace trigger
}  // namespace responder

// A Delay counts down once its condition holds, then takes its flag action.
namespace delay {
constexpr ParamField kDisabled{1};  // 0 = starts when the condition holds; 1 = never starts
constexpr ConditionFields kCondition = ConditionFrom(2);  // Param 2 … 4
constexpr ParamField kSeconds{5};                         // countdown length in seconds
constexpr ActionFields kFlagAction = ActionFrom(6);       // Param 6 … 8, taken when the countdown ends
constexpr ParamField kWaits{9};  // switch: the player waits (busy pointer, input blocked) while it runs
}  // namespace delay

// A Multi-Trigger holds three condition → action rules; the first rule
// whose condition holds acts.
namespace multi_trigger {
constexpr ParamField kOnlyOnChange{1};  // 0 = rules are also tried when the scene is set up; 1 = a rule acts
                                        // only when its flag changed since remembered
constexpr int kRuleCount = 3;

// Rule r (1 … 3) in eight integers from Param 2 + 8 × (r − 1).
struct RuleFields {
  ConditionFields condition;
  ParamField sets_flag;  // switch: take `action`
  ActionFields action;
  ParamField scene;  // scene to go to after the action; 0 = none
};
constexpr RuleFields Rule(int r) {
  const int first = 2 + 8 * (r - 1);
  return {ConditionFrom(first), {first + 3}, ActionFrom(first + 4), {first + 7}};
}
}  // namespace multi_trigger

// A Conversation shows its conversation box.
namespace conversation {
constexpr ParamField kConversation{1};  // record number in the conversation file
constexpr ParamField kShowMode{2};      // kAlways: shown when the scene is set up; kWhileCondition
constexpr ConditionFields kShowCondition = ConditionFrom(3);  // Param 3 … 5
constexpr ParamField kOnlyOnChange{7};  // switch: act only when the flag changed since remembered or was
                                        // the last flag set
constexpr ParamField kNormalPointer{8};  // switch: the box blocks the scene and shows the normal pointer
}  // namespace conversation

// A Flag Conjunction takes its flag action when all its used conditions hold.
namespace flag_conjunction {
constexpr ParamField kRepeatable{1};  // 0 = acts once per visit; 1 = may act again after a used flag changed
constexpr int kConditionCount = 6;

// Condition c (1 … 6) in four integers from Param 2 + 4 × (c − 1).
struct ConditionSlot {
  ParamField used;  // switch: the condition takes part
  ConditionFields test;
};
constexpr ConditionSlot Condition(int c) {
  const int first = 2 + 4 * (c - 1);
  return {{first}, ConditionFrom(first + 1)};
}

// The action, written as decimal texts, each read as a number rounded to
// a 16-bit integer.
constexpr TextField kActionFlag{1};
constexpr TextField kActionValue{2};
constexpr TextField kActionMode{3};  // flag_mode
}  // namespace flag_conjunction

// The marks a slot's kind code takes in memory while its scene is shown
// (never in the file); reloading the scene restores the stored codes. Every
// per-kind rule skips a negative code.
enum KindMark : int16_t {
  // A Responder that has acted or a Delay that has started: done for the
  // rest of the visit.
  kActed = -1,
  // Inactive hidden objects, masked while a scene refresh evaluates the
  // others; the masks come off after the evaluation.
  kMaskedResponder = -2,
  kMaskedDelay = -3,
  kMaskedMultiTrigger = -4,
  kMaskedConversation = -5,
  kMaskedFlagConjunction = -6,
  // A once-per-visit Flag Conjunction that has acted.
  kActedOnce = -99,
};

// A repeatable Flag Conjunction that has acted wears the Flag Conjunction
// mask: it rests for the rest of this evaluation and comes back when the
// masks are taken off, ready to act again.
constexpr KindMark kActedRearmable = kMaskedFlagConjunction;

// The kind a mask stands for; any other code is returned as it is.
constexpr int16_t Unmasked(int16_t kind) {
  if (kind <= kMaskedResponder && kind >= kMaskedFlagConjunction) {
    return static_cast<int16_t>(kResponder + (kMaskedResponder - kind));
  }
  return kind;
}

}  // namespace qvl::data
