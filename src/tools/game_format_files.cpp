#include "tools/game_format_files.h"

#include "data/conv_rec.h"
#include "data/gen_rec.h"
#include "data/item_rec.h"
#include "data/loc_rec.h"
#include "data/record_file.h"
#include "data/scene_rec.h"

namespace qvl::tools::format {

const std::vector<DataFile>& DataFiles() {
  static const std::vector<DataFile> kFiles = {
      {data::kGenFileName, "general", "general", data::GenRec::kSize, &GameData::general,
       RecordForms(data::Layout<data::GenRec>()), data::GenRec().Encode()},
      {data::kItemFileName, "item", "items", data::ItemRec::kSize, &GameData::items,
       RecordForms(data::Layout<data::ItemRec>()), data::ItemRec().Encode()},
      {data::kLocFileName, "location", "locations", data::LocRec::kSize, &GameData::locations,
       RecordForms(data::Layout<data::LocRec>()), data::LocRec().Encode()},
      {data::kSceneFileName, "scene", "scenes", data::SceneRec::kSize, &GameData::scenes,
       RecordForms(data::SceneHeaderLayout()), data::SceneRec().Encode()},
      {data::kConvFileName, "conversation", "conversations", data::ConvRec::kSize, &GameData::conversations,
       RecordForms(data::Layout<data::ConvRec>()), data::ConvRec().Encode()},
  };
  return kFiles;
}

}  // namespace qvl::tools::format
