// Whether this machine draws OpenGL on a graphics card or only with the
// processor (a software rasteriser). The window chooses how it shows the
// game from that, without loading any OpenGL library to find out: a
// rasteriser's library costs tens of megabytes and more processor time
// than copying the changed pixels to the window itself.
#pragma once

#include <string>

struct SDL_Window;

namespace qvl {

// What the machine tells about its graphics, gathered without OpenGL.
struct GraphicsFacts {
  std::string libgl_always_software;  // the LIBGL_ALWAYS_SOFTWARE setting ("" when unset)
  std::string gallium_driver;         // the GALLIUM_DRIVER setting ("" when unset)
  bool gpu_device = false;            // a graphics card's device can be opened
  bool x11 = false;                   // the window is on an X server …
  bool x_direct_rendering = false;    // … that lets programs draw on the card (DRI2, DRI3, NV-GLX)
};

// True when OpenGL can only come from a software rasteriser here.
bool OnlySoftwareOpenGl(const GraphicsFacts& facts);

// The facts for `window` (its display server is asked, the environment and
// the device folder read).
GraphicsFacts GatherGraphicsFacts(SDL_Window* window);

// Whether an OpenGL renderer name is one of the software rasterisers.
bool IsSoftwareRasteriser(const std::string& gl_renderer);

}  // namespace qvl
