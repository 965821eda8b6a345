// The lines of a game text on which each record, object and field is
// written, so that lint can name the line of a fault.
#pragma once

#include <map>
#include <string_view>
#include <tuple>

#include "tools/lint_diagnostics.h"

namespace qvl::tools::lint {

class SourceMap {
 public:
  SourceMap() = default;

  // Reads the places of a game text that `qvl build` accepts.
  static SourceMap FromToml(std::string_view toml_text, std::string_view file_name);

  // The line of the field when it is written, else of its object, else of
  // its record; 0 when none of them is in the text.
  int LineOf(const Place& place) const;

 private:
  using Key = std::tuple<int, int, int, size_t>;  // section, record, slot, offset
  void Note(Section section, int record, int slot, size_t offset, int line);
  std::map<Key, int> lines_;
};

}  // namespace qvl::tools::lint
