#include "devices/target.h"

std::string typedAddress(AppContext& app) {
  return app.ui.text(ControlId::IP编辑框1) + ":" + app.ui.text(ControlId::编辑框_端口);
}

std::string targetAddress(AppContext& app) {
  std::string target = app.selectedTarget.get();
  return target.empty() ? typedAddress(app) : target;
}
