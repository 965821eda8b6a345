#include "data/scene_rec.h"

namespace qvl::data {

std::string_view KindName(int kind) {
  if (kind < 0 || kind >= kKindCount) return ">>> Unknown <<<";
  return kKindNames[static_cast<size_t>(kind)];
}

std::vector<FieldInfo> SceneHeaderLayout() {
  SceneRec record;
  codec::LayoutCollector collector;
  SceneRec::HeaderFields(record, collector);
  return collector.fields;
}

}  // namespace qvl::data
