// The field namespaces of object_fields.h under their short names, for the
// code that reads scene objects field by field (the scene engine, the game
// window, the text format, lint). A source file says
// `using namespace data::object_kinds;` and then reads
// `slot[link::kDestinationScene]`.
#pragma once

#include "data/object_fields.h"

namespace qvl::data::object_kinds {

namespace ambient = data::ambient;
namespace link = data::link;
namespace goodie = data::goodie;
namespace switch_ = data::switch_;
namespace reactor = data::reactor;
namespace responder = data::responder;
namespace delay = data::delay;
namespace multi_trigger = data::multi_trigger;
namespace conversation = data::conversation;
namespace flag_conjunction = data::flag_conjunction;
namespace flag_op = data::flag_op;
namespace flag_mode = data::flag_mode;
namespace show_mode = data::show_mode;
namespace animation_mode = data::animation_mode;

}  // namespace qvl::data::object_kinds
