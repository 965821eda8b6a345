// The fields of scene objects by kind, as the text game format names them:
// a Goodie's `gives_item`, a Link's `destination_scene` …, and the raw
// `textN` / `paramN` names every object accepts.
#pragma once

#include <vector>

#include "tools/game_format_fields.h"

namespace qvl::tools::format {

// The named fields of an object kind (empty for an unknown kind), with
// offsets within the object slot.
const std::vector<FieldForm>& ObjectForms(int kind);

// The raw form of every field of an object slot: "kind", "left", "top",
// then "text1" … "text9" and "param1" … "param33".
const std::vector<FieldForm>& RawObjectForms();

}  // namespace qvl::tools::format
