// SaveRec: the one record of a saved game (*.sav): description, date and
// time, soundtrack, scene, flags, delays, inventory and map state.
#pragma once

#include <cstdint>

#include "data/fixed_text.h"
#include "data/one_based.h"
#include "data/record_codec.h"

namespace qvl::data {

struct SaveRec {
  static constexpr size_t kSize = 1113;

  FixedText<50> Description;
  FixedText<10> SaveDate;  // mm-dd-yyyy
  FixedText<10> SaveTime;  // hh:mm AM / PM
  Text15 SavedSoundtrack;
  int32_t SavedSoundtrackVol = 0;
  int16_t SavedScene = 0;
  OneBased<int16_t, 255> SavedFlags;
  OneBased<int16_t, 20> SavedDelayOn;
  OneBased<int16_t, 20> SavedDelaySecs;
  OneBased<int16_t, 20> SavedDelayP6;
  OneBased<int16_t, 20> SavedDelayP7;
  OneBased<int16_t, 20> SavedDelayP8;
  OneBased<int16_t, 16> SavedInventory;
  OneBased<int16_t, 20> SavedMapLocations;
  OneBased<Text20, 10> unused873;    // carried from the last loaded save
  OneBased<int16_t, 20> unused1073;  // likewise

  static SaveRec Decode(std::string_view bytes) { return data::Decode<SaveRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const SaveRec&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("Description", 0, r.Description);
    v("SaveDate", 0, r.SaveDate);
    v("SaveTime", 0, r.SaveTime);
    v("SavedSoundtrack", 0, r.SavedSoundtrack);
    v("SavedSoundtrackVol", 0, r.SavedSoundtrackVol);
    v("SavedScene", 0, r.SavedScene);
    VisitGroup("SavedFlags", r.SavedFlags, v);
    VisitGroup("SavedDelayOn", r.SavedDelayOn, v);
    VisitGroup("SavedDelaySecs", r.SavedDelaySecs, v);
    VisitGroup("SavedDelayP6", r.SavedDelayP6, v);
    VisitGroup("SavedDelayP7", r.SavedDelayP7, v);
    VisitGroup("SavedDelayP8", r.SavedDelayP8, v);
    VisitGroup("SavedInventory", r.SavedInventory, v);
    VisitGroup("SavedMapLocations", r.SavedMapLocations, v);
    VisitGroup("unused873", r.unused873, v);
    VisitGroup("unused1073", r.unused1073, v);
  }
};

}  // namespace qvl::data
