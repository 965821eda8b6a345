#include "ui/embedded_assets.h"

#include <array>

// Each file is placed in the read-only data of this object by the
// assembler, between two symbols. QVL_ASSET_DIR is the absolute assets/
// folder, given by the build (cmake/embedded_assets.cmake), which also
// rebuilds this file when an asset changes.
#define QVL_EMBED(symbol, file)                                  \
  __asm__(".section .rodata\n"                                   \
          ".balign 16\n"                                         \
          ".global " #symbol "_begin\n" #symbol "_begin:\n"      \
          ".incbin \"" QVL_ASSET_DIR "/" file "\"\n"             \
          ".global " #symbol "_end\n" #symbol "_end:\n"          \
          ".byte 0\n"                                            \
          ".previous\n");                                        \
  extern "C" const uint8_t symbol##_begin[];                     \
  extern "C" const uint8_t symbol##_end[];

QVL_EMBED(qvl_asset_font, "DejaVuSans.ttf")
QVL_EMBED(qvl_asset_pointer_up, "builtin/pointer_up.png")
QVL_EMBED(qvl_asset_pointer_down, "builtin/pointer_down.png")
QVL_EMBED(qvl_asset_pointer_left, "builtin/pointer_left.png")
QVL_EMBED(qvl_asset_pointer_right, "builtin/pointer_right.png")
QVL_EMBED(qvl_asset_pointer_up_left, "builtin/pointer_up_left.png")
QVL_EMBED(qvl_asset_pointer_up_right, "builtin/pointer_up_right.png")
QVL_EMBED(qvl_asset_pointer_down_left, "builtin/pointer_down_left.png")
QVL_EMBED(qvl_asset_pointer_down_right, "builtin/pointer_down_right.png")
QVL_EMBED(qvl_asset_pointer_exit, "builtin/pointer_exit.png")
QVL_EMBED(qvl_asset_pointer_hotspot, "builtin/pointer_hotspot.png")
QVL_EMBED(qvl_asset_pointer_goodie, "builtin/pointer_goodie.png")
QVL_EMBED(qvl_asset_pointer_reactor, "builtin/pointer_reactor.png")
QVL_EMBED(qvl_asset_pointer_normal, "builtin/pointer_normal.png")
QVL_EMBED(qvl_asset_pointer_wait, "builtin/pointer_wait.png")
QVL_EMBED(qvl_asset_pointer_buttons, "builtin/pointer_buttons.png")
QVL_EMBED(qvl_asset_fnf, "builtin/fnf.gif")
QVL_EMBED(qvl_asset_anigif1, "builtin/anigif1.gif")
QVL_EMBED(qvl_asset_unknown_object, "builtin/unknown_object.gif")
QVL_EMBED(qvl_asset_nopic, "builtin/nopic.gif")
QVL_EMBED(qvl_asset_map_marker, "builtin/map_marker.gif")
QVL_EMBED(qvl_asset_engine_logo, "builtin/engine_logo.gif")

namespace qvl::ui {
namespace {

struct EmbeddedFile {
  std::string_view name;
  const uint8_t* begin;
  const uint8_t* end;
};

#define QVL_FILE(symbol, name) EmbeddedFile{name, symbol##_begin, symbol##_end}

constexpr std::array kFiles{
    QVL_FILE(qvl_asset_pointer_up, "pointer_up.png"),
    QVL_FILE(qvl_asset_pointer_down, "pointer_down.png"),
    QVL_FILE(qvl_asset_pointer_left, "pointer_left.png"),
    QVL_FILE(qvl_asset_pointer_right, "pointer_right.png"),
    QVL_FILE(qvl_asset_pointer_up_left, "pointer_up_left.png"),
    QVL_FILE(qvl_asset_pointer_up_right, "pointer_up_right.png"),
    QVL_FILE(qvl_asset_pointer_down_left, "pointer_down_left.png"),
    QVL_FILE(qvl_asset_pointer_down_right, "pointer_down_right.png"),
    QVL_FILE(qvl_asset_pointer_exit, "pointer_exit.png"),
    QVL_FILE(qvl_asset_pointer_hotspot, "pointer_hotspot.png"),
    QVL_FILE(qvl_asset_pointer_goodie, "pointer_goodie.png"),
    QVL_FILE(qvl_asset_pointer_reactor, "pointer_reactor.png"),
    QVL_FILE(qvl_asset_pointer_normal, "pointer_normal.png"),
    QVL_FILE(qvl_asset_pointer_wait, "pointer_wait.png"),
    QVL_FILE(qvl_asset_pointer_buttons, "pointer_buttons.png"),
    QVL_FILE(qvl_asset_fnf, "fnf.gif"),
    QVL_FILE(qvl_asset_anigif1, "anigif1.gif"),
    QVL_FILE(qvl_asset_unknown_object, "unknown_object.gif"),
    QVL_FILE(qvl_asset_nopic, "nopic.gif"),
    QVL_FILE(qvl_asset_map_marker, "map_marker.gif"),
    QVL_FILE(qvl_asset_engine_logo, "engine_logo.gif"),
};

}  // namespace

std::span<const uint8_t> EmbeddedFont() {
  return {qvl_asset_font_begin, static_cast<size_t>(qvl_asset_font_end - qvl_asset_font_begin)};
}

std::span<const uint8_t> EmbeddedAsset(std::string_view name) {
  for (const EmbeddedFile& file : kFiles) {
    if (file.name == name) return {file.begin, static_cast<size_t>(file.end - file.begin)};
  }
  return {};
}

}  // namespace qvl::ui
