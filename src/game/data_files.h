// The five open data files of the game and their record counts.
#pragma once

#include <cstdint>
#include <optional>

#include "data/record_file.h"

namespace qvl {

struct DataFiles {
  std::optional<data::RecordFile> Gen;    // Quorvel4.dat, one record
  std::optional<data::RecordFile> Loc;    // Quorvel2.dat
  std::optional<data::RecordFile> Item;   // Quorvel3.dat
  std::optional<data::RecordFile> Scene;  // Quorvel1.dat
  std::optional<data::RecordFile> Conv;   // Quorvel5.dat
  int16_t SceneCount = 0;
  int16_t LocCount = 0;
  int16_t ItemCount = 0;
  int16_t ConvCount = 0;

  // Closes every file, conversations first and the general settings last.
  void CloseAll() {
    Conv.reset();
    Scene.reset();
    Loc.reset();
    Item.reset();
    Gen.reset();
  }
};

}  // namespace qvl
