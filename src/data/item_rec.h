// ItemRec: one inventory item of Quorvel3.dat (its pictures, sounds,
// combination and examine behaviour); the item number is the record number.
#pragma once

#include <cstdint>

#include "data/fixed_text.h"
#include "data/record_codec.h"

namespace qvl::data {

struct ItemRec {
  static constexpr size_t kSize = 209;

  Text15 unused0;
  Text15 IconPicture;
  Text15 HighlightPicture;
  int16_t StartInInventory = 0;
  int16_t Combinable = 0;
  int16_t CombinePartner = 0;
  int16_t CombineResult = 0;
  Text15 RefusalSound;
  int16_t RefusalSoundVol = 0;
  int16_t RefusalSoundPan = 0;
  Text15 ExamineSound;
  int16_t ExamineSoundVol = 0;
  int16_t ExamineSoundPan = 0;
  int16_t HasCloseUp = 0;
  Text30 Caption;
  int16_t CloseUpOption = 0;
  Text15 CloseUpPicture;
  int16_t AllowDuplicates = 0;
  int16_t ExamineTransforms = 0;
  int16_t ExamineNewItem = 0;
  int16_t ExamineAddsLocation = 0;
  int16_t ExamineLocation = 0;
  int16_t ExamineSetsFlag = 0;
  int16_t ExamineFlag = 0;
  int16_t ExamineFlagValue = 0;
  int16_t ExamineFlagMode = 0;
  Text15 PointerPicture;
  Text15 CombineSound;
  Text15 unused188;
  int16_t CombineSoundVol = 0;
  int16_t CombineSoundPan = 0;
  int16_t unused207 = 0;

  static ItemRec Decode(std::string_view bytes) { return data::Decode<ItemRec>(bytes); }
  std::string Encode() const { return data::Encode(*this); }
  bool operator==(const ItemRec&) const = default;

  template <class Self, class V>
  static void Fields(Self& r, V& v) {
    v("unused0", 0, r.unused0);
    v("IconPicture", 0, r.IconPicture);
    v("HighlightPicture", 0, r.HighlightPicture);
    v("StartInInventory", 0, r.StartInInventory);
    v("Combinable", 0, r.Combinable);
    v("CombinePartner", 0, r.CombinePartner);
    v("CombineResult", 0, r.CombineResult);
    v("RefusalSound", 0, r.RefusalSound);
    v("RefusalSoundVol", 0, r.RefusalSoundVol);
    v("RefusalSoundPan", 0, r.RefusalSoundPan);
    v("ExamineSound", 0, r.ExamineSound);
    v("ExamineSoundVol", 0, r.ExamineSoundVol);
    v("ExamineSoundPan", 0, r.ExamineSoundPan);
    v("HasCloseUp", 0, r.HasCloseUp);
    v("Caption", 0, r.Caption);
    v("CloseUpOption", 0, r.CloseUpOption);
    v("CloseUpPicture", 0, r.CloseUpPicture);
    v("AllowDuplicates", 0, r.AllowDuplicates);
    v("ExamineTransforms", 0, r.ExamineTransforms);
    v("ExamineNewItem", 0, r.ExamineNewItem);
    v("ExamineAddsLocation", 0, r.ExamineAddsLocation);
    v("ExamineLocation", 0, r.ExamineLocation);
    v("ExamineSetsFlag", 0, r.ExamineSetsFlag);
    v("ExamineFlag", 0, r.ExamineFlag);
    v("ExamineFlagValue", 0, r.ExamineFlagValue);
    v("ExamineFlagMode", 0, r.ExamineFlagMode);
    v("PointerPicture", 0, r.PointerPicture);
    v("CombineSound", 0, r.CombineSound);
    v("unused188", 0, r.unused188);
    v("CombineSoundVol", 0, r.CombineSoundVol);
    v("CombineSoundPan", 0, r.CombineSoundPan);
    v("unused207", 0, r.unused207);
  }
};

}  // namespace qvl::data
