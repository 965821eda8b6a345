// The start window: the "Loading" caption, the engine splash with its
// version, the author's opening logo (picture or movie) and the timers of
// the start-up stages.
#pragma once

#include "media/movie_control.h"
#include "ui/animated_picture.h"
#include "ui/builtin_pictures.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class StartForm {
 public:
  StartForm(ui::Windows& windows, const ui::BuiltinPictures& builtins);

  ui::Window& window;
  ui::AnimatedPicture& QVLGIFLogo;
  ui::Label& QVLPVersion;
  ui::Label& QuorvelURL;
  ui::Label& Label1;
  ui::AnimatedPicture& UserAnimLogo;
  MovieControl& UserAVILogo;
  ui::TimerControl& Timer1;
  ui::TimerControl& Timer2;
  ui::TimerControl& UserLogoTimer;
  ui::TimerControl& MovieTimer;
};

}  // namespace qvl
