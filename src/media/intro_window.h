// The intro window `IntroFrm`, where the intro movie (or picture) plays,
// and the hidden `Mp3Form` whose timer keeps the MP3 soundtrack looping.
#pragma once

#include "media/movie_control.h"
#include "ui/animated_picture.h"
#include "ui/simple_controls.h"
#include "ui/windows.h"

namespace qvl {

class IntroWindow {
 public:
  explicit IntroWindow(ui::Windows& windows);

  ui::Window& window;
  MovieControl& UserIntroMovie;
  ui::AnimatedPicture& UserIntro;
  ui::Button& Command1;
  ui::TimerControl& MovieTimer;
  ui::TimerControl& UserIntroTimer;
};

class Mp3FormWindow {
 public:
  explicit Mp3FormWindow(ui::Windows& windows);

  ui::Window& window;
  ui::TimerControl& Mp3Timer;
};

}  // namespace qvl
