#include "window/control_table.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool isContainer(ControlId id) {
  if (id == ControlId::MainWindow) return true;
  const ControlKind kind = controlDef(id).kind;
  return kind == ControlKind::GroupBox || kind == ControlKind::Panel || kind == ControlKind::TabControl;
}

TEST(ControlTable, DescribesEveryControlOnceInItsOwnSlot) {
  std::set<std::string> names;
  int index = 1;
  for (const ControlDef& def : controlTable()) {
    EXPECT_EQ(static_cast<int>(def.id), index++) << def.name;
    EXPECT_TRUE(names.insert(def.name).second) << def.name;
  }
  EXPECT_EQ(index, kControlCount);
}

TEST(ControlTable, ContainersAndPagesAreConsistent) {
  for (const ControlDef& def : controlTable()) {
    EXPECT_TRUE(isContainer(def.container)) << def.name;
    const bool onTab =
        def.container != ControlId::MainWindow && controlDef(def.container).kind == ControlKind::TabControl;
    if (onTab) {
      EXPECT_GE(def.page, 0) << def.name;
      EXPECT_LT(def.page, static_cast<int>(controlDef(def.container).items.size())) << def.name;
    } else {
      EXPECT_EQ(def.page, -1) << def.name;
    }
    if (def.kind == ControlKind::ListView) {
      EXPECT_FALSE(def.columns.empty()) << def.name;
    }
  }
}

TEST(ControlTable, PlacesAddUpThroughNestedContainers) {
  struct Case {
    ControlId id;
    Place place;
  };
  const Case cases[] = {
      {ControlId::标签11, {2, 7}},
      {ControlId::编辑框_端口, {1 + 211, 31 + 14}},
      {ControlId::超级按钮_显示分区, {299 + 4 + 6, 6 + 85 + 12}},
      {ControlId::标签9, {299 + 3 + 0 + 8, 6 + 24 + 74 + 27}},
      {ControlId::按钮_拷贝, {299 + 3 + 0 + 415, 6 + 24 + 3 + 38}},
  };
  for (const Case& c : cases) {
    const Place place = placeInWindow(c.id);
    EXPECT_EQ(place.x, c.place.x) << controlDef(c.id).name;
    EXPECT_EQ(place.y, c.place.y) << controlDef(c.id).name;
  }
}

TEST(ControlTable, PagesOfAControlListEveryTabItDependsOnInnermostFirst) {
  const std::vector<PagePlace> upload = pagesOf(ControlId::编辑框_上传目录);
  ASSERT_EQ(upload.size(), 2u);
  EXPECT_EQ(upload[0].tab, ControlId::高级选择夹2);
  EXPECT_EQ(upload[0].page, 0);
  EXPECT_EQ(upload[1].tab, ControlId::高级选择夹1);
  EXPECT_EQ(upload[1].page, 3);

  const std::vector<PagePlace> browser = pagesOf(ControlId::按钮_返回上级目录);
  ASSERT_EQ(browser.size(), 1u);
  EXPECT_EQ(browser[0].page, 4);

  EXPECT_TRUE(pagesOf(ControlId::按钮_连接设备).empty());
}

TEST(ControlTable, StatusBarAndMenu) {
  const auto parts = statusParts();
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0].width, 60);
  EXPECT_STREQ(parts[0].text, "设备状态：");
  EXPECT_EQ(parts[1].width, 120);
  EXPECT_EQ(parts[2].width, 50);
  EXPECT_STREQ(parts[2].text, "指令名：");
  EXPECT_EQ(parts[3].width, -1);

  const auto menu = storageMenu();
  ASSERT_EQ(menu.size(), 4u);
  EXPECT_STREQ(menu[0].caption, "进入目录");
  EXPECT_STREQ(menu[3].caption, "下载文件");
}

TEST(ControlTable, EveryBindingAnswersAnEventTheTableNames) {
  std::set<ControlId> bound;
  for (const Binding& binding : eventBindings()) {
    EXPECT_NE(controlDef(binding.control).event, Event::None) << controlDef(binding.control).name;
    EXPECT_TRUE(bound.insert(binding.control).second) << controlDef(binding.control).name;
  }
}

}  // namespace
