#include "game/data_file_check.h"

#include <filesystem>

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/record_file.h"
#include "data/scene_rec.h"
#include "game/error_report.h"
#include "game/player.h"

namespace qvl {

namespace {

struct DataFileSize {
  const char* name;
  size_t record_length;
  bool exactly_one;  // the settings file holds one record or is ignored
};

constexpr DataFileSize kDataFiles[] = {
    {data::kGenFileName, data::GenRec::kSize, true},     {data::kLocFileName, data::LocRec::kSize, false},
    {data::kItemFileName, data::ItemRec::kSize, false},  {data::kSceneFileName, data::SceneRec::kSize, false},
    {data::kConvFileName, data::ConvRec::kSize, false},
};

}  // namespace

std::vector<std::string> DamagedDataFiles(Player& p) {
  std::vector<std::string> damaged;
  for (const DataFileSize& file : kDataFiles) {
    const std::string name = std::string("resource/") + file.name;
    auto found = p.files.Find(p.AppPath() + name);
    std::error_code ec;
    if (!found || !std::filesystem::is_regular_file(*found, ec)) {
      damaged.push_back(name + " is missing.");
      continue;
    }
    const uintmax_t length = std::filesystem::file_size(*found, ec);
    if (ec) {
      damaged.push_back(name + " cannot be read.");
      continue;
    }
    const bool sound = file.exactly_one ? (length == 0 || length == file.record_length)
                                        : length % file.record_length == 0;
    if (sound) continue;
    damaged.push_back(name + " is " + std::to_string(length) + " bytes long, not a whole number of " +
                      std::to_string(file.record_length) + "-byte records" +
                      (file.exactly_one ? ": the game's settings are ignored." : "."));
  }
  return damaged;
}

void CheckDataFiles(Player& p) {
  for (const std::string& line : DamagedDataFiles(p)) {
    p.runtime().WriteErrorLine(std::string(kAppTitle) + ": damaged data file: " + p.AppPath() + line);
  }
}

}  // namespace qvl
