#include "data/scene_rec.h"

namespace qvl::data {

std::string_view KindName(int kind) {
  switch (kind) {
    case kAmbient: return "Ambient";
    case kLink: return "Link";
    case kGoodie: return "Goodie";
    case kSwitch: return "Switch";
    case kReactor: return "Reactor";
    case kResponder: return "Responder";
    case kDelay: return "Delay";
    case kMultiTrigger: return "Multi-Trigger";
    case kConversation: return "Conversation";
    case kFlagConjunction: return "Flag Conjunction";
    default: return ">>> Unknown <<<";
  }
}

std::vector<FieldInfo> SceneHeaderLayout() {
  SceneRec record;
  codec::LayoutCollector collector;
  SceneRec::HeaderFields(record, collector);
  return collector.fields;
}

}  // namespace qvl::data
