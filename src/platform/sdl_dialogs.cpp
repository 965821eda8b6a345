#include "platform/sdl_dialogs.h"

#include <cstdio>
#include <vector>

#include "platform/message_box_text.h"
#include "platform/sdl_handles.h"

namespace qvl {
namespace {

struct ButtonSet {
  std::vector<MsgAnswer> answers;
  size_t escape;  // the button Escape (or closing the box) presses
};

ButtonSet ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::kOK: return {{MsgAnswer::kOK}, 0};
    case MsgButtons::kOKCancel: return {{MsgAnswer::kOK, MsgAnswer::kCancel}, 1};
    case MsgButtons::kYesNo: return {{MsgAnswer::kYes, MsgAnswer::kNo}, 1};
    case MsgButtons::kYesNoCancel: return {{MsgAnswer::kYes, MsgAnswer::kNo, MsgAnswer::kCancel}, 2};
    case MsgButtons::kRetryCancel: return {{MsgAnswer::kRetry, MsgAnswer::kCancel}, 1};
  }
  return {{MsgAnswer::kOK}, 0};
}

const char* Caption(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::kOK: return "OK";
    case MsgAnswer::kCancel: return "Cancel";
    case MsgAnswer::kYes: return "Yes";
    case MsgAnswer::kNo: return "No";
    case MsgAnswer::kRetry: return "Retry";
  }
  return "OK";
}

uint32_t IconFlags(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::kCritical: return SDL_MESSAGEBOX_ERROR;
    case MsgIcon::kExclamation: return SDL_MESSAGEBOX_WARNING;
    case MsgIcon::kQuestion:
    case MsgIcon::kInformation: return SDL_MESSAGEBOX_INFORMATION;
    case MsgIcon::kNone: return 0;
  }
  return 0;
}

}  // namespace

SdlMessageBoxes::SdlMessageBoxes(SDL_Window* parent)
    : parent_(parent), video_(std::make_unique<sdl::VideoGuard>()) {}

SdlMessageBoxes::~SdlMessageBoxes() = default;

MsgAnswer SdlMessageBoxes::Show(const std::string& title, const std::string& text, MsgIcon icon,
                                MsgButtons buttons) {
  const ButtonSet set = ButtonsOf(buttons);
  // Game texts break lines with CR, LF or both and may hold a long path:
  // the box gets them as lines that fit the screen.
  const std::string shown_title = AsUtf8(title);
  const std::string shown_text = MessageBoxText(AsUtf8(text));
  std::vector<SDL_MessageBoxButtonData> data;
  for (size_t i = 0; i < set.answers.size(); ++i) {
    uint32_t flags = 0;
    if (i == 0) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (i == set.escape) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    data.push_back(SDL_MessageBoxButtonData{flags, static_cast<int>(i), Caption(set.answers[i])});
  }
  const SDL_MessageBoxData box{IconFlags(icon) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                               parent_,
                               shown_title.c_str(),
                               shown_text.c_str(),
                               static_cast<int>(data.size()),
                               data.data(),
                               nullptr};
  int pressed = -1;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) {
    std::fprintf(stderr, "%s | %s -> %s\n", title.c_str(), text.c_str(), Caption(set.answers[0]));
    return set.answers[0];
  }
  // Closing the box without a button counts as Escape.
  if (pressed < 0 || static_cast<size_t>(pressed) >= set.answers.size()) return set.answers[set.escape];
  return set.answers[static_cast<size_t>(pressed)];
}

SdlClipboard::SdlClipboard() : video_(std::make_unique<sdl::VideoGuard>()) {}

SdlClipboard::~SdlClipboard() = default;

void SdlClipboard::SetText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

std::string SdlClipboard::GetText() const {
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string copy(text);
  SDL_free(text);
  return copy;
}

}  // namespace qvl
