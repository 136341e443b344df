// The program's real window on Windows: every control of the control table as a
// standard Windows control, implementing the controls interface.
//
// create() and runMessageLoop() belong to one thread, the window's thread. The
// controls operations may be called from any thread: on another thread they are
// carried out on the window's thread as one step (the caller waits), except message
// boxes and file dialogs, which are shown on the calling thread. After the window has
// been destroyed they do nothing and read back empty values.
#pragma once

#include "window/controls.h"
#include "window/event_sink.h"

#include <memory>
#include <string>
#include <vector>

class Win32Window : public Controls {
 public:
  Win32Window();
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Creates the window and its controls, tells the sink windowCreated() and shows the
  // window. The sink hears every event until the window is destroyed. False when the
  // window could not be created.
  bool create(EventSink& sink);
  // Dispatches the thread's messages until the window has been closed.
  void runMessageLoop();

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

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};
