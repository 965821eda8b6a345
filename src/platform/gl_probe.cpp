#include "platform/gl_probe.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/text_numbers.h"

namespace qvl {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool SwitchedOn(const std::string& setting) {
  return !setting.empty() && setting != "0" && !EqualsNoCase(setting, "false");
}

// A render node of the kernel's graphics drivers that this user may use,
// or the device of the one maker's driver that has none.
bool GpuDeviceOpens() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("renderD", 0) == 0 && access(entry.path().c_str(), R_OK | W_OK) == 0) return true;
  }
  return access("/dev/nvidiactl", R_OK | W_OK) == 0;
}

bool HasExtension(Display* display, const char* name) {
  int opcode = 0;
  int event = 0;
  int error = 0;
  return XQueryExtension(display, name, &opcode, &event, &error) != 0;
}

}  // namespace

bool OnlySoftwareOpenGl(const GraphicsFacts& facts) {
  if (SwitchedOn(facts.libgl_always_software)) return true;
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast"}) {
    if (EqualsNoCase(facts.gallium_driver, rasteriser)) return true;
  }
  if (!facts.gpu_device) return true;
  // A server without direct rendering (a virtual one, say) leaves programs
  // the software rasteriser even on a machine with a card.
  if (facts.x11 && !facts.x_direct_rendering) return true;
  return false;
}

GraphicsFacts GatherGraphicsFacts(SDL_Window* window) {
  GraphicsFacts facts;
  facts.libgl_always_software = Env("LIBGL_ALWAYS_SOFTWARE");
  facts.gallium_driver = Env("GALLIUM_DRIVER");
  facts.gpu_device = GpuDeviceOpens();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    facts.x11 = true;
    Display* display = info.info.x11.display;
    facts.x_direct_rendering =
        HasExtension(display, "DRI3") || HasExtension(display, "DRI2") || HasExtension(display, "NV-GLX");
  }
  return facts;
}

bool IsSoftwareRasteriser(const std::string& gl_renderer) {
  for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
    if (LCase(gl_renderer).find(rasteriser) != std::string::npos) return true;
  }
  return false;
}

}  // namespace qvl
