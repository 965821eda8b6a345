// ConvRec: one conversation ("cue card") of Quorvel5.dat: five answer
// lines, each with the flag it sets and the sound or movie it plays.
#pragma once

#include <cstdint>

#include "data/fixed_text.h"
#include "data/one_based.h"
#include "data/record_codec.h"

namespace qvl::data {

struct ConvRec {
  static constexpr size_t kSize = 1712;
  static constexpr int kLineCount = 5;

  Text15 ConvLabel;
  OneBased<Text50, kLineCount> LineText;
  OneBased<int16_t, kLineCount> LineFlagOn;
  OneBased<int16_t, kLineCount> LineFlag;
  OneBased<int16_t, kLineCount> LineValue;
  OneBased<int16_t, kLineCount> LineMode;
  OneBased<int16_t, kLineCount> LineMediaOn;
  OneBased<Text15, kLineCount> LineMedia;
  OneBased<int16_t, kLineCount> LineVolume;
  OneBased<int16_t, kLineCount> LinePan;
  OneBased<Text50, 25> unused410;
  OneBased<int16_t, 25> unused1660;
  int16_t unused1710 = 0;

  static ConvRec Decode(std::string_view bytes) { return data::Decode<ConvRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const ConvRec&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("ConvLabel", 0, r.ConvLabel);
    VisitGroup("LineText", r.LineText, v);
    VisitGroup("LineFlagOn", r.LineFlagOn, v);
    VisitGroup("LineFlag", r.LineFlag, v);
    VisitGroup("LineValue", r.LineValue, v);
    VisitGroup("LineMode", r.LineMode, v);
    VisitGroup("LineMediaOn", r.LineMediaOn, v);
    VisitGroup("LineMedia", r.LineMedia, v);
    VisitGroup("LineVolume", r.LineVolume, v);
    VisitGroup("LinePan", r.LinePan, v);
    VisitGroup("unused410", r.unused410, v);
    VisitGroup("unused1660", r.unused1660, v);
    v("unused1710", 0, r.unused1710);
  }
};

}  // namespace qvl::data
