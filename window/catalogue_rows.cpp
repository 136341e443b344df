#include "window/catalogue_rows.h"

std::span<const RowDef> adbCatalogueRows() { return {}; }
std::span<const RowDef> scrcpyCatalogueRows() { return {}; }
std::span<const RowDef> permissionRows() { return {}; }
