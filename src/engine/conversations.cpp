#include "engine/conversations.h"

#include "data/conv_rec.h"
#include "engine/flags.h"
#include "engine/records.h"
#include "game/error_report.h"
#include "game/notify_log.h"
#include "game/player.h"
#include "game_window/pointers.h"
#include "media/media_kind.h"
#include "media/scene_movie.h"
#include "media/sound_channels.h"

namespace qvl {

namespace {

ConversationLine& Line(Player& p, int i) { return p.conv.Line[static_cast<size_t>(i)]; }

// The colour a line goes back to when the pointer leaves it.
uint32_t RestingColour(Player& p, int i) { return Line(p, i).Clicked ? conv_colour::kClicked : conv_colour::kNormal; }

// The box fits its lines: its bottom edge stays at the bottom of the scene
// and its height follows the lowest line that has text. A box refilled
// while it shows must change its size; one shown afresh is fitted too, so
// that lines of a longer cue card are never cut off by a box left short.
void LayOutBox(Player& p) {
  MainWindow& m = p.windows.main;
  int lowest = 0;
  for (int i = 1; i <= 5; ++i) {
    const ui::Label& line = m.ConvText(i);
    if (!line.caption().empty()) lowest = line.top() + line.height();
  }
  const int height = lowest + 10;
  m.ConvBox.Move(m.ConvBox.left(), MainWindow::kSceneHeight - height, m.ConvBox.width(), height);
}

void ConvTextClick(Player& p, int i) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  ConversationLine& line = Line(p, i);
  line.Clicked = true;
  m.ConvText(i).SetForeColour(conv_colour::kClicked);
  if (const SoundSetting& click = p.gen.ClickSound; !click.file.empty()) {
    PlayWAVQVL(p, click.file, false, channels::kButtons, click.pan, click.vol);
  }
  LogLine(p, "Conversation Box clicked (Line #" + Num(i) + ").");
  if (!line.Media.empty() && line.MediaOn == 1) {
    const std::string kind = MediaKind(line.Media);
    if (kind == "wav") {
      LogLine(p, "Play Wav: '" + line.Media + "'");
      PlayWAVQVL(p, line.Media, false, channels::kDialogue, line.Pan, line.Volume);
    } else if (IsMovieKind(kind)) {
      int16_t level = line.Volume;
      PlayMovie(p, line.Media, level, true, false);
    }
  }
  // The line is read again: the movie's wait may have let the box change.
  const ConversationLine& now = Line(p, i);
  if (now.FlagOn == 1) SetFlag(p, now.Flag, now.Value, now.Mode);
}

void ConvTextMove(Player& p, int i) {
  if (WaitPointerShows(p)) return;
  MainWindow& m = p.windows.main;
  if (const SoundSetting& hover = p.gen.HoverSound; i != p.conv.HoveredLine && !hover.file.empty()) {
    PlayWAVQVL(p, hover.file, false, channels::kButtons, hover.pan, hover.vol);
  }
  p.conv.HoveredLine = static_cast<int16_t>(i);
  ShowPointer(p, pointer::kNormal);
  m.ConvText(i).SetForeColour(conv_colour::kHover);
  for (int other = 1; other <= 5; ++other) {
    if (other != i && m.ConvText(other).fore_colour() == conv_colour::kHover) {
      m.ConvText(other).SetForeColour(RestingColour(p, other));
    }
  }
}

}  // namespace

void ShowConversation(Player& p, int16_t record, int16_t slot) {
  MainWindow& m = p.windows.main;
  if (p.game.ActiveConversation == slot) return;
  LogLine(p, "[Conv Index #" + Str(slot) + "] Show Conversation Box");
  if (record == 0) {
    LogLine(p, "No Cue Card assigned!");
    return;
  }
  if (p.scene.Rec.slot(slot)[data::conversation::kNormalPointer] == 1) ShowPointer(p, pointer::kNormal);
  const auto rec = ReadRecord<data::ConvRec>(p.data.Conv, record);
  for (int i = 1; i <= 5; ++i) {
    m.ConvText(i).SetCaption(rec.LineText(i).Trimmed());
    ConversationLine& line = Line(p, i);
    line.FlagOn = rec.LineFlagOn(i);
    line.Flag = rec.LineFlag(i);
    line.Value = rec.LineValue(i);
    line.Mode = rec.LineMode(i);
    line.MediaOn = rec.LineMediaOn(i);
    line.Media = rec.LineMedia(i).Trimmed();
    line.Volume = rec.LineVolume(i);
    line.Pan = rec.LinePan(i);
  }
  LayOutBox(p);
  for (int i = 1; i <= 5; ++i) {
    Line(p, i).Clicked = false;
    m.ConvText(i).SetForeColour(conv_colour::kNormal);
    m.ConvText(i).SetVisible(!m.ConvText(i).caption().empty());
  }
  if (!m.ConvBox.visible()) m.ConvBox.Show();
  p.conv.HoveredLine = 0;
  p.game.ActiveConversation = slot;
}

void UnhighlightConversationLines(Player& p) {
  MainWindow& m = p.windows.main;
  for (int i = 1; i <= 5; ++i) {
    if (m.ConvText(i).fore_colour() == conv_colour::kHover) m.ConvText(i).SetForeColour(RestingColour(p, i));
  }
}

void WireConversationBox(Player& p) {
  MainWindow& m = p.windows.main;
  for (int i = 1; i <= 5; ++i) {
    m.ConvText(i).on_click = [&p, i](const ui::MouseArgs&) {
      try {
        ConvTextClick(p, i);
      } catch (const RuntimeError& error) {
        ReportUnexpected(p, "ConvText_Click", error);
      }
    };
    m.ConvText(i).on_mouse_move = [&p, i](const ui::MouseArgs&) { ConvTextMove(p, i); };
    // A line the pointer leaves goes back as over the box outside the lines.
    m.ConvText(i).on_mouse_leave = [&p] { UnhighlightConversationLines(p); };
  }
  m.ConvBox.on_mouse_move = [&p](const ui::MouseArgs&) { UnhighlightConversationLines(p); };
}

}  // namespace qvl
