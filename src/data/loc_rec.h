// LocRec: one map location of Quorvel2.dat (its marker on the map window,
// the scene it leads to, the sound or movie it plays).
#pragma once

#include <cstdint>

#include "data/fixed_text.h"
#include "data/record_codec.h"

namespace qvl::data {

struct LocRec {
  static constexpr size_t kSize = 112;

  Text15 LocName;
  Text15 MarkerPicture;  // "(None)": built-in marker; "Del" or empty: skipped
  int16_t MarkerLeft = 0;
  int16_t MarkerTop = 0;
  int16_t unused34 = 0;
  int16_t LocScene = 0;
  int16_t VisibleAtStart = 0;
  int16_t PlaysMedia = 0;
  Text15 LocMedia;
  int16_t LocMediaVol = 0;
  int16_t LocMediaPan = 0;
  Text15 MapPicture;  // read from location 1 only
  Text15 unused76;
  Text15 unused91;
  int16_t unused106 = 0;
  int16_t unused108 = 0;
  int16_t unused110 = 0;

  static LocRec Decode(std::string_view bytes) { return data::Decode<LocRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const LocRec&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("LocName", 0, r.LocName);
    v("MarkerPicture", 0, r.MarkerPicture);
    v("MarkerLeft", 0, r.MarkerLeft);
    v("MarkerTop", 0, r.MarkerTop);
    v("unused34", 0, r.unused34);
    v("LocScene", 0, r.LocScene);
    v("VisibleAtStart", 0, r.VisibleAtStart);
    v("PlaysMedia", 0, r.PlaysMedia);
    v("LocMedia", 0, r.LocMedia);
    v("LocMediaVol", 0, r.LocMediaVol);
    v("LocMediaPan", 0, r.LocMediaPan);
    v("MapPicture", 0, r.MapPicture);
    v("unused76", 0, r.unused76);
    v("unused91", 0, r.unused91);
    v("unused106", 0, r.unused106);
    v("unused108", 0, r.unused108);
    v("unused110", 0, r.unused110);
  }
};

}  // namespace qvl::data
