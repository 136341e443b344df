// The in-memory window: the same controls as the Win32 window, built from the control
// table, kept as plain state. Tests use it to run the program without a screen: they
// act as the user on their own thread (the "window's thread": click, choose, type,
// press), script the answers of message boxes, dialogs and the popup menu, and read
// every control back. Every operation is safe from any thread; events are dispatched
// on the thread that acts, outside the lock, like a window's message loop would.
#pragma once

#include "window/controls.h"
#include "window/event_sink.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class MemoryWindow : public Controls {
 public:
  struct ShownBox {
    std::string text;
    std::string title;
    BoxButtons buttons;
  };

  MemoryWindow();

  // Opens the window: the created event. Closing runs the about-to-be-destroyed event.
  void open(EventSink& sink);
  void close();

  // The user's actions. Those on a disabled control do nothing, as on a real window.
  void click(ControlId id);
  void choose(ControlId comboBox, int index);       // picks an item of the list
  void clickRow(ControlId listView, int row);       // row -1: the empty area below the rows
  void moveSelection(ControlId listView, int row);  // keyboard: selects without a click
  void rightPress(ControlId listView, int row);
  void type(ControlId id, const std::string& text);  // replaces the text unless read-only
  void pressEnter(ControlId id);
  void pressStatusBar(int x, int y);
  void selectPage(ControlId tabControl, int page);
  bool isVisible(ControlId id);
  ControlId focused();
  int selectionFieldHeight(ControlId id);

  // Scripted answers, taken in order. Without one, a box answers Ok (Cancel when it has
  // a Cancel button, No for Yes/No), a dialog is cancelled, the menu closes unchosen.
  void answerNextBox(BoxAnswer answer);
  void answerNextOpenFile(const std::string& path);
  void answerNextFolder(const std::string& path);
  void answerNextMenu(StorageMenuItem item);
  std::vector<ShownBox> shownBoxes();
  // Waits until at least `count` boxes have been shown, at most `milliseconds`.
  bool waitForBoxes(std::size_t count, int milliseconds);

  // Controls.
  std::string text(ControlId id) override;
  void setText(ControlId id, const std::string& text) override;
  void appendText(ControlId id, const std::string& text) override;
  bool isEnabled(ControlId id) override;
  void setEnabled(ControlId id, bool enabled) override;
  void setFocus(ControlId id) override;
  bool isChecked(ControlId id) override;
  void setChecked(ControlId id, bool checked) override;
  std::vector<std::string> items(ControlId id) override;
  void setItems(ControlId id, const std::vector<std::string>& items) override;
  void addItem(ControlId id, const std::string& item) override;
  void setSelectionFieldHeight(ControlId id, int pixels) override;
  int selectedIndex(ControlId id) override;
  void setSelectedIndex(ControlId id, int index) override;
  int rowCount(ControlId id) override;
  void clearRows(ControlId id) override;
  int addRow(ControlId id, const std::vector<std::string>& cells) override;
  std::string cell(ControlId id, int row, int column) override;
  void setCell(ControlId id, int row, int column, const std::string& text) override;
  std::string statusPart(int index) override;
  void setStatusPart(int index, const std::string& text) override;
  BoxAnswer messageBox(const std::string& text, const std::string& title, BoxButtons buttons) override;
  std::string chooseOpenFile(const std::string& title, const std::string& filter) override;
  std::string chooseFolder(const std::string& title) override;
  StorageMenuItem popupStorageMenu() override;

 private:
  struct State {
    std::string text;
    bool enabled = true;
    bool checked = false;
    int selected = -1;
    int fieldHeight = 0;
    std::vector<std::string> items;
    std::vector<std::vector<std::string>> rows;
  };

  State& at(ControlId id);  // caller holds mutex_
  void dispatch(ControlId id, Event event, const EventArgs& args);

  std::mutex mutex_;
  std::condition_variable boxShown_;
  EventSink* sink_ = nullptr;
  std::vector<State> controls_;
  std::map<ControlId, int> pages_;  // selected page of each tab control
  std::vector<std::string> statusParts_;
  ControlId focused_ = ControlId::MainWindow;
  std::deque<BoxAnswer> boxAnswers_;
  std::deque<std::string> openFileAnswers_;
  std::deque<std::string> folderAnswers_;
  std::deque<StorageMenuItem> menuAnswers_;
  std::vector<ShownBox> shownBoxes_;
};
