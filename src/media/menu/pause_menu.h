#pragma once

#include <functional>
#include <string>
#include <vector>

#include "media/sdl/sdl_platform.h"

namespace ridgeline {

// What the player does in the menu, whatever the device.
enum class MenuKey { Up, Down, Left, Right, Enter, Back, Quit, Submit };

// What the window has to do after the menu took a key.
enum class MenuOutcome {
  None,     // the menu changed only itself
  Resume,   // closed: the game goes on
  Quit,     // the game is handed an Escape
  Watch,    // as Quit, then the chosen best game is watched
  Submit,   // the chosen best game is sent to the score board
  Changed,  // a setting changed: apply and keep it
};

// One row of a menu page as it is drawn: a label, the value beside it, and
// whether the cursor is on it.
struct MenuRow {
  std::string label;
  std::string value;
  bool selected = false;
};

// A page of the menu as it is drawn.
struct MenuView {
  std::string title;
  std::vector<MenuRow> rows;
  std::string hint;  // the line under the rows: what the keys do here
};

// Where the rows sit in the 640 x 480 picture, for drawing them and for
// finding the one under the pointer.
struct MenuLayout {
  static constexpr int kLeft = 150;
  static constexpr int kWidth = 340;
  static constexpr int kFirstRow = 130;
  static constexpr int kRowHeight = 24;
  // The row under (x, y) in the picture, or -1.
  static int RowAt(int x, int y, int rows);
};

// The pause menu's pages and cursor, without any device or drawing: keys in,
// settings and outcomes out. The settings it changes are `choices`.
class PauseMenu {
 public:
  using BestGames = std::function<std::vector<std::pair<std::string, std::string>>()>;
  // `inPage`: a web page, where the display's items make no sense and the
  // page's own buttons send games to a board. `best` lists the best games
  // kept, best first, as a label and a value each.
  PauseMenu(WindowSettings& choices, bool inPage, BestGames best = {});

  // Back to the first page, cursor on Resume.
  void Open();
  MenuOutcome Press(MenuKey key);
  // The pointer at (x, y) in the picture; `click`: pressed there.
  MenuOutcome Point(int x, int y, bool click);
  // Whether the next key, or pad button, is taken as a binding.
  bool WantsKey() const { return capturing_ >= 0 && !Controls::IsPadList(capturing_); }
  bool WantsButton() const { return capturing_ >= 0 && Controls::IsPadList(capturing_); }
  // A key or button for the binding being chosen; Enter (`done`) keeps what
  // is chosen so far.
  MenuOutcome Bind(int code);
  MenuOutcome EndBinding();

  // The page as it is to be drawn now.
  MenuView View();
  // The best game chosen to watch or send, 1 for the best (after Watch or
  // Submit).
  int RankChosen() const { return rankChosen_; }

 private:
  enum class Page { Main, Keys, Pad, Sound, Display, Best };
  struct Item {
    std::string label;
    std::string value;
    std::function<MenuOutcome(MenuKey)> act;
  };
  std::vector<Item> Items();
  std::vector<Item> MainItems();
  std::vector<Item> ControlItems(int first, int end, const Controls& other);
  std::vector<Item> SoundItems();
  std::vector<Item> DisplayItems();
  std::vector<Item> BestItems();
  MenuOutcome Go(Page page);
  MenuOutcome StartBinding(int list);

  WindowSettings& choices_;
  bool inPage_;
  BestGames best_;
  std::vector<std::pair<std::string, std::string>> bestLines_;  // as read when the page opened
  Page page_ = Page::Main;
  int cursor_ = 0;
  int mainCursor_ = 0;       // the first page's cursor, kept while another is open
  int capturing_ = -1;       // the list of Controls being chosen, or -1
  std::vector<int> chosen_;  // its keys chosen so far
  std::string refusal_;      // why the last key was not taken
  int rankChosen_ = 0;
};

}  // namespace ridgeline
