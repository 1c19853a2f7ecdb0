#include "media/menu/pause_menu.h"

#include <algorithm>

#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

constexpr int kVolumeStep = 10;

const char* YesNo(bool on) {
  return on ? "yes" : "no";
}

// Enter or either arrow flips a yes-or-no choice.
bool Flips(MenuKey key) {
  return key == MenuKey::Enter || key == MenuKey::Left || key == MenuKey::Right;
}

}  // namespace

int MenuLayout::RowAt(int x, int y, int rows) {
  if (x < kLeft || x >= kLeft + kWidth || y < kFirstRow) return -1;
  const int row = (y - kFirstRow) / kRowHeight;
  return row < rows ? row : -1;
}

PauseMenu::PauseMenu(WindowSettings& choices, bool inPage, BestGames best)
    : choices_(choices), inPage_(inPage), best_(std::move(best)) {}

void PauseMenu::Open() {
  page_ = Page::Main;
  cursor_ = 0;
  mainCursor_ = 0;
  capturing_ = -1;
  refusal_.clear();
}

MenuOutcome PauseMenu::Go(Page page) {
  // Back on the first page, the cursor is where it was when the page left
  // was chosen.
  if (page_ == Page::Main) mainCursor_ = cursor_;
  cursor_ = page == Page::Main ? mainCursor_ : 0;
  page_ = page;
  refusal_.clear();
  if (page == Page::Best) bestLines_ = best_ ? best_() : decltype(bestLines_){};
  return MenuOutcome::None;
}

MenuOutcome PauseMenu::Press(MenuKey key) {
  if (capturing_ >= 0) {
    if (key == MenuKey::Back) {
      capturing_ = -1;
      return MenuOutcome::None;
    }
    return key == MenuKey::Enter ? EndBinding() : MenuOutcome::None;
  }
  if (key == MenuKey::Quit) return MenuOutcome::Quit;
  if (key == MenuKey::Back) {
    if (page_ == Page::Main) return MenuOutcome::Resume;
    return Go(Page::Main);
  }
  const auto items = Items();
  const int count = static_cast<int>(items.size());
  // A page with nothing on it yet (no best game kept) has only Back.
  if (count == 0) return MenuOutcome::None;
  if (key == MenuKey::Up || key == MenuKey::Down) {
    cursor_ = (cursor_ + (key == MenuKey::Up ? count - 1 : 1)) % count;
    return MenuOutcome::None;
  }
  return items[cursor_].act(key);
}

MenuOutcome PauseMenu::Point(int x, int y, bool click) {
  if (capturing_ >= 0) return MenuOutcome::None;
  const int row = MenuLayout::RowAt(x, y, static_cast<int>(Items().size()));
  if (row < 0) return MenuOutcome::None;
  cursor_ = row;
  return click ? Press(MenuKey::Enter) : MenuOutcome::None;
}

MenuOutcome PauseMenu::StartBinding(int list) {
  capturing_ = list;
  chosen_.clear();
  refusal_.clear();
  return MenuOutcome::None;
}

MenuOutcome PauseMenu::Bind(int code) {
  refusal_.clear();
  const bool pad = Controls::IsPadList(capturing_);
  const int first = pad ? Controls::kKeyLists : 0;
  const int end = pad ? Controls::kLists : Controls::kKeyLists;
  if (!pad && IsPlatformKey(code)) {
    refusal_ = KeyName(code) + " is the menu's";
    return MenuOutcome::None;
  }
  // A key serves one action: taking it from another would leave that one
  // without, unannounced.
  for (int list = first; list < end; ++list) {
    const auto& codes = choices_.controls.lists[list];
    if (list != capturing_ && std::find(codes.begin(), codes.end(), code) != codes.end()) {
      refusal_ = (pad ? ButtonName(code) : KeyName(code)) + " is taken";
      return MenuOutcome::None;
    }
  }
  if (std::find(chosen_.begin(), chosen_.end(), code) == chosen_.end()) chosen_.push_back(code);
  return chosen_.size() == Controls::kMostPerAction ? EndBinding() : MenuOutcome::None;
}

MenuOutcome PauseMenu::EndBinding() {
  const int list = capturing_;
  capturing_ = -1;
  if (chosen_.empty()) return MenuOutcome::None;
  choices_.controls.lists[list] = chosen_;
  return MenuOutcome::Changed;
}

std::vector<PauseMenu::Item> PauseMenu::Items() {
  switch (page_) {
    case Page::Main:
      return MainItems();
    case Page::Keys:
      return ControlItems(0, Controls::kKeyLists, LaptopKeys());
    case Page::Pad:
      return ControlItems(Controls::kKeyLists, Controls::kLists, DefaultControls());
    case Page::Sound:
      return SoundItems();
    case Page::Display:
      return DisplayItems();
    case Page::Best:
      return BestItems();
  }
  return {};
}

std::vector<PauseMenu::Item> PauseMenu::MainItems() {
  auto page = [this](Page to) {
    return [this, to](MenuKey key) { return key == MenuKey::Enter ? Go(to) : MenuOutcome::None; };
  };
  auto on = [](MenuKey key, MenuOutcome outcome) {
    return key == MenuKey::Enter ? outcome : MenuOutcome::None;
  };
  std::vector<Item> items{
      {"Resume", "", [on](MenuKey key) { return on(key, MenuOutcome::Resume); }},
      {"Keys", "", page(Page::Keys)},
      {"Pad buttons", "", page(Page::Pad)},
      {"Sound", "", page(Page::Sound)},
  };
  if (!inPage_) items.push_back({"Display", "", page(Page::Display)});
  items.push_back({"Pause when away", YesNo(choices_.autopause), [this](MenuKey key) {
                     if (!Flips(key)) return MenuOutcome::None;
                     choices_.autopause = !choices_.autopause;
                     return MenuOutcome::Changed;
                   }});
  items.push_back({"Best games", "", page(Page::Best)});
  items.push_back({"Quit", "Q", [on](MenuKey key) { return on(key, MenuOutcome::Quit); }});
  return items;
}

std::vector<PauseMenu::Item> PauseMenu::ControlItems(int first, int end, const Controls& other) {
  static const char* const kLabels[Controls::kLists] = {"Left", "Right", "Jump",
                                                        "Fire", "Jump",  "Fire"};
  std::vector<Item> items;
  for (int list = first; list < end; ++list) {
    const auto& codes = list == capturing_ ? chosen_ : choices_.controls.lists[list];
    std::string value = Controls::IsPadList(list) ? ButtonNames(codes) : KeyNames(codes);
    if (list == capturing_) value = value.empty() ? "press..." : value + ", or Enter";
    items.push_back({kLabels[list], value, [this, list](MenuKey key) {
                       if (key != MenuKey::Enter) return MenuOutcome::None;
                       return StartBinding(list);
                     }});
  }
  auto setAll = [this, first, end](const Controls& from) {
    return [this, first, end, from](MenuKey key) {
      if (key != MenuKey::Enter) return MenuOutcome::None;
      for (int list = first; list < end; ++list) choices_.controls.lists[list] = from.lists[list];
      return MenuOutcome::Changed;
    };
  };
  items.push_back({"Defaults", "", setAll(DefaultControls())});
  // The keyboard's page offers the laptop's keys; the pad has only its defaults.
  if (first == 0) items.push_back({"Laptop keys", "A D W J K", setAll(other)});
  return items;
}

std::vector<PauseMenu::Item> PauseMenu::SoundItems() {
  return {
      {"Volume", std::to_string(choices_.volume),
       [this](MenuKey key) {
         const int step = key == MenuKey::Left    ? -kVolumeStep
                          : key == MenuKey::Right ? kVolumeStep
                                                  : 0;
         const int volume = std::clamp(choices_.volume + step, 0, 100);
         if (volume == choices_.volume) return MenuOutcome::None;
         choices_.volume = volume;
         return MenuOutcome::Changed;
       }},
      {"Mute", YesNo(choices_.muted),
       [this](MenuKey key) {
         if (!Flips(key)) return MenuOutcome::None;
         choices_.muted = !choices_.muted;
         return MenuOutcome::Changed;
       }},
  };
}

std::vector<PauseMenu::Item> PauseMenu::DisplayItems() {
  return {
      {"Full screen", YesNo(!choices_.windowed),
       [this](MenuKey key) {
         if (!Flips(key)) return MenuOutcome::None;
         choices_.windowed = !choices_.windowed;
         return MenuOutcome::Changed;
       }},
      {"Window scale", choices_.scale == 0 ? "largest" : std::to_string(choices_.scale) + "x",
       [this](MenuKey key) {
         const long step = key == MenuKey::Left                             ? -1
                           : key == MenuKey::Right || key == MenuKey::Enter ? 1
                                                                            : 0;
         const long scale = (choices_.scale + step + kLargestScale + 1) % (kLargestScale + 1);
         if (step == 0) return MenuOutcome::None;
         choices_.scale = scale;
         return MenuOutcome::Changed;
       }},
  };
}

std::vector<PauseMenu::Item> PauseMenu::BestItems() {
  std::vector<Item> items;
  for (std::size_t i = 0; i < bestLines_.size(); ++i) {
    items.push_back({bestLines_[i].first, bestLines_[i].second,
                     [this, rank = static_cast<int>(i) + 1](MenuKey key) {
                       const bool sends = key == MenuKey::Submit && !inPage_;
                       if (key != MenuKey::Enter && !sends) return MenuOutcome::None;
                       rankChosen_ = rank;
                       return sends ? MenuOutcome::Submit : MenuOutcome::Watch;
                     }});
  }
  return items;
}

MenuView PauseMenu::View() {
  static const char* const kTitles[] = {"PAUSED", "KEYS",    "PAD BUTTONS",
                                        "SOUND",  "DISPLAY", "BEST GAMES"};
  MenuView view;
  view.title = kTitles[static_cast<int>(page_)];
  const auto items = Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    view.rows.push_back({items[i].label, items[i].value, static_cast<int>(i) == cursor_});
  }
  if (!refusal_.empty()) {
    view.hint = refusal_ + ": choose another";
  } else if (capturing_ >= 0) {
    view.hint = std::string(WantsButton() ? "Press a pad button" : "Press a key") +
                "   Esc keeps the old ones";
  } else if (page_ == Page::Best && items.empty()) {
    view.hint = "No game kept yet   Esc back";
  } else if (page_ == Page::Main) {
    view.hint = "Enter choose   Esc resume   Q quit";
  } else if (page_ == Page::Keys || page_ == Page::Pad) {
    view.hint = "Enter choose anew   Esc back";
  } else if (page_ == Page::Best) {
    view.hint = inPage_ ? "Enter watch   Esc back" : "Enter watch   S send to board   Esc back";
  } else {
    view.hint = "Left/Right change   Esc back";
  }
  return view;
}

}  // namespace ridgeline
