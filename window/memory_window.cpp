#include "window/memory_window.h"

#include "window/control_table.h"

#include <chrono>

namespace {

int indexOf(ControlId id) { return static_cast<int>(id); }

BoxAnswer defaultAnswer(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return BoxAnswer::Ok;
    case BoxButtons::YesNo:
      return BoxAnswer::No;
    case BoxButtons::YesNoCancel:
      return BoxAnswer::Cancel;
  }
  return BoxAnswer::Ok;
}

template <typename T>
T takeFirst(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T first = std::move(queue.front());
  queue.pop_front();
  return first;
}

}  // namespace

MemoryWindow::MemoryWindow() : controls_(kControlCount) {
  for (const ControlDef& def : controlTable()) {
    State& state = controls_[indexOf(def.id)];
    if (def.kind != ControlKind::ComboBox) state.text = def.caption;
    state.items.assign(def.items.begin(), def.items.end());
    for (const RowDef& row : def.rows) {
      std::vector<std::string> cells;
      for (std::size_t column = 0; column < def.columns.size() && row.cells[column] != nullptr; ++column)
        cells.emplace_back(row.cells[column]);
      state.rows.push_back(std::move(cells));
    }
    if (def.kind == ControlKind::TabControl) pages_[def.id] = 0;
  }
  for (const StatusPartDef& part : statusParts()) statusParts_.emplace_back(part.text);
}

MemoryWindow::State& MemoryWindow::at(ControlId id) { return controls_.at(indexOf(id)); }

void MemoryWindow::dispatch(ControlId id, Event event, const EventArgs& args) {
  EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!at(id).enabled || controlDef(id).event != event) return;
    sink = sink_;
  }
  if (sink != nullptr) sink->controlEvent(id, event, args);
}

void MemoryWindow::open(EventSink& sink) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink_ = &sink;
  }
  sink.windowCreated();
}

void MemoryWindow::close() {
  EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink != nullptr) sink->aboutToBeDestroyed();
  std::lock_guard<std::mutex> lock(mutex_);
  sink_ = nullptr;
}

void MemoryWindow::click(ControlId id) {
  if (controlDef(id).kind == ControlKind::CheckBox) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (at(id).enabled) at(id).checked = !at(id).checked;
  }
  dispatch(id, Event::Clicked, {});
}

void MemoryWindow::choose(ControlId comboBox, int index) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    State& state = at(comboBox);
    if (!state.enabled || index < 0 || index >= static_cast<int>(state.items.size())) return;
    state.selected = index;
    state.text = state.items[index];
  }
  dispatch(comboBox, Event::ItemSelected, {});
}

void MemoryWindow::moveSelection(ControlId listView, int row) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(listView);
  state.selected = row >= 0 && row < static_cast<int>(state.rows.size()) ? row : -1;
}

void MemoryWindow::clickRow(ControlId listView, int row) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!at(listView).enabled) return;
  }
  moveSelection(listView, row);
  dispatch(listView, Event::Clicked, {});
}

void MemoryWindow::rightPress(ControlId listView, int row) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!at(listView).enabled) return;
  }
  moveSelection(listView, row);
  dispatch(listView, Event::RightPressed, {});
}

void MemoryWindow::type(ControlId id, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(id);
  if (state.enabled && (controlDef(id).flags & kReadOnly) == 0) state.text = text;
}

void MemoryWindow::pressEnter(ControlId id) { dispatch(id, Event::EnterPressed, {}); }

void MemoryWindow::pressStatusBar(int x, int y) { dispatch(ControlId::状态条1, Event::LeftPressed, {x, y}); }

void MemoryWindow::selectPage(ControlId tabControl, int page) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (page >= 0 && page < static_cast<int>(controlDef(tabControl).items.size())) pages_[tabControl] = page;
}

bool MemoryWindow::isVisible(ControlId id) {
  if ((controlDef(id).flags & kInvisible) != 0) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  for (const PagePlace& place : pagesOf(id))
    if (pages_[place.tab] != place.page) return false;
  return true;
}

ControlId MemoryWindow::focused() {
  std::lock_guard<std::mutex> lock(mutex_);
  return focused_;
}

int MemoryWindow::selectionFieldHeight(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).fieldHeight;
}

void MemoryWindow::answerNextBox(BoxAnswer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  boxAnswers_.push_back(answer);
}

void MemoryWindow::answerNextOpenFile(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  openFileAnswers_.push_back(path);
}

void MemoryWindow::answerNextFolder(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  folderAnswers_.push_back(path);
}

void MemoryWindow::answerNextMenu(StorageMenuItem item) {
  std::lock_guard<std::mutex> lock(mutex_);
  menuAnswers_.push_back(item);
}

std::vector<MemoryWindow::ShownBox> MemoryWindow::shownBoxes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return shownBoxes_;
}

bool MemoryWindow::waitForBoxes(std::size_t count, int milliseconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  return boxShown_.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return shownBoxes_.size() >= count; });
}

std::string MemoryWindow::text(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).text;
}

void MemoryWindow::setText(ControlId id, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).text = text;
}

void MemoryWindow::appendText(ControlId id, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).text += text;
}

bool MemoryWindow::isEnabled(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).enabled;
}

void MemoryWindow::setEnabled(ControlId id, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).enabled = enabled;
}

void MemoryWindow::setFocus(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  focused_ = id;
}

bool MemoryWindow::isChecked(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).checked;
}

void MemoryWindow::setChecked(ControlId id, bool checked) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).checked = checked;
}

std::vector<std::string> MemoryWindow::items(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).items;
}

void MemoryWindow::setItems(ControlId id, const std::vector<std::string>& items) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(id);
  state.items = items;
  state.selected = -1;
}

void MemoryWindow::addItem(ControlId id, const std::string& item) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).items.push_back(item);
}

void MemoryWindow::setSelectionFieldHeight(ControlId id, int pixels) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).fieldHeight = pixels;
}

int MemoryWindow::selectedIndex(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return at(id).selected;
}

void MemoryWindow::setSelectedIndex(ControlId id, int index) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(id);
  const bool isCombo = controlDef(id).kind == ControlKind::ComboBox;
  const int count = static_cast<int>(isCombo ? state.items.size() : state.rows.size());
  state.selected = index >= 0 && index < count ? index : -1;
  if (isCombo && state.selected >= 0) state.text = state.items[state.selected];
}

int MemoryWindow::rowCount(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(at(id).rows.size());
}

void MemoryWindow::clearRows(ControlId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  at(id).rows.clear();
  at(id).selected = -1;
}

int MemoryWindow::addRow(ControlId id, const std::vector<std::string>& cells) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(id);
  state.rows.push_back(cells);
  state.rows.back().resize(controlDef(id).columns.size());
  return static_cast<int>(state.rows.size()) - 1;
}

std::string MemoryWindow::cell(ControlId id, int row, int column) {
  std::lock_guard<std::mutex> lock(mutex_);
  const State& state = at(id);
  if (row < 0 || row >= static_cast<int>(state.rows.size())) return {};
  const std::vector<std::string>& cells = state.rows[row];
  return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : std::string();
}

void MemoryWindow::setCell(ControlId id, int row, int column, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  State& state = at(id);
  if (row < 0 || row >= static_cast<int>(state.rows.size())) return;
  std::vector<std::string>& cells = state.rows[row];
  if (column >= 0 && column < static_cast<int>(cells.size())) cells[column] = text;
}

std::string MemoryWindow::statusPart(int index) {
  std::lock_guard<std::mutex> lock(mutex_);
  return index >= 0 && index < static_cast<int>(statusParts_.size()) ? statusParts_[index] : std::string();
}

void MemoryWindow::setStatusPart(int index, const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (index >= 0 && index < static_cast<int>(statusParts_.size())) statusParts_[index] = text;
}

BoxAnswer MemoryWindow::messageBox(const std::string& text, const std::string& title, BoxButtons buttons) {
  std::lock_guard<std::mutex> lock(mutex_);
  shownBoxes_.push_back({text, title, buttons});
  boxShown_.notify_all();
  return takeFirst(boxAnswers_, defaultAnswer(buttons));
}

std::string MemoryWindow::chooseOpenFile(const std::string&, const std::string&) {
  std::lock_guard<std::mutex> lock(mutex_);
  return takeFirst(openFileAnswers_, std::string());
}

std::string MemoryWindow::chooseFolder(const std::string&) {
  std::lock_guard<std::mutex> lock(mutex_);
  return takeFirst(folderAnswers_, std::string());
}

StorageMenuItem MemoryWindow::popupStorageMenu() {
  std::lock_guard<std::mutex> lock(mutex_);
  return takeFirst(menuAnswers_, StorageMenuItem::Count);
}
