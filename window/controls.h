// The controls interface: the only way feature code reads and writes the window.
//
// Every operation may be called from any thread (the window's thread or a worker)
// and acts as one whole step: a text set or appended by one thread is never cut by
// another. All texts are code page 936. Two implementations: the Win32 window
// (win32_window.cpp) and the in-memory window of the tests (memory_window.h).
#pragma once

#include "window/control_ids.h"

#include <string>
#include <vector>

enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

inline constexpr char kDefaultBoxTitle[] = "信息：";

class Controls {
 public:
  virtual ~Controls() = default;

  // Caption or content: edit boxes, labels, buttons, the edit field of a combo box,
  // the dotted address of an IP address box.
  virtual std::string text(ControlId id) = 0;
  virtual void setText(ControlId id, const std::string& text) = 0;
  // Inserts the text whole at the very end, caret after it and scrolled into view,
  // whatever the user selected or typed before.
  virtual void appendText(ControlId id, const std::string& text) = 0;

  virtual bool isEnabled(ControlId id) = 0;
  virtual void setEnabled(ControlId id, bool enabled) = 0;
  virtual void setFocus(ControlId id) = 0;
  virtual bool isChecked(ControlId id) = 0;
  virtual void setChecked(ControlId id, bool checked) = 0;

  // Items of a combo box's list. setItems replaces all of them in one step.
  virtual std::vector<std::string> items(ControlId id) = 0;
  virtual void setItems(ControlId id, const std::vector<std::string>& items) = 0;
  virtual void addItem(ControlId id, const std::string& item) = 0;
  // The height of a combo box's selection field, in pixels.
  virtual void setSelectionFieldHeight(ControlId id, int pixels) = 0;

  // The chosen item of a combo box or the selected row of a list view; -1 for none.
  virtual int selectedIndex(ControlId id) = 0;
  virtual void setSelectedIndex(ControlId id, int index) = 0;

  // Rows of a list view.
  virtual int rowCount(ControlId id) = 0;
  virtual void clearRows(ControlId id) = 0;
  virtual int addRow(ControlId id, const std::vector<std::string>& cells) = 0;  // its index
  virtual std::string cell(ControlId id, int row, int column) = 0;
  virtual void setCell(ControlId id, int row, int column, const std::string& text) = 0;

  // Parts of the status bar 状态条1; an index outside 0 to 3 is ignored.
  virtual std::string statusPart(int index) = 0;
  virtual void setStatusPart(int index, const std::string& text) = 0;

  // A message box modal to the application and without owner; the calling thread
  // waits until it is closed. Closing a box with Cancel available answers Cancel.
  virtual BoxAnswer messageBox(const std::string& text, const std::string& title, BoxButtons buttons) = 0;
  BoxAnswer inform(const std::string& text) { return messageBox(text, kDefaultBoxTitle, BoxButtons::Ok); }

  // The open-file dialog: the chosen file's path, empty when cancelled. `filter` is
  // the Windows form: description "|" pattern pairs, for example "APK|*.apk".
  virtual std::string chooseOpenFile(const std::string& title, const std::string& filter) = 0;
  // The folder-choosing dialog: the chosen folder, empty when cancelled.
  virtual std::string chooseFolder(const std::string& title) = 0;
  // Shows the popup menu "存储菜单" at the pointer and returns the chosen item, or
  // StorageMenuItem::Count when none was chosen.
  virtual StorageMenuItem popupStorageMenu() = 0;
};
