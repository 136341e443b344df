#include "window/catalogues.h"

#include "window/log_pane.h"

namespace {

constexpr int kNameColumn = 1;
constexpr int kCommandColumn = 2;

// The selected row's command into the command box, its name into the hint part when
// asked; a list without a selected row empties them.
void copySelectedCommand(AppContext& app, ControlId list, bool showName) {
  const int row = app.ui.selectedIndex(list);
  if (showName) app.ui.setStatusPart(kCommandHintPart, row < 0 ? "" : app.ui.cell(list, row, kNameColumn));
  app.ui.setText(ControlId::编辑框_命令, row < 0 ? "" : app.ui.cell(list, row, kCommandColumn));
}

}  // namespace

void onAdbCatalogueClicked(AppContext& app, const EventArgs&) {
  copySelectedCommand(app, ControlId::超级列表框1, true);
}

void onScrcpyCatalogueClicked(AppContext& app, const EventArgs&) {
  copySelectedCommand(app, ControlId::超级列表框_Scrcpy指令, false);
}
