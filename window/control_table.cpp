#include "window/control_table.h"

#include "window/catalogue_rows.h"

#include <array>
#include <cstdlib>

namespace {

using K = ControlKind;
using E = Event;
constexpr ControlId kWindow = ControlId::MainWindow;

// The control's name as the code spells it, written once.
#define C(name) ControlId::name, #name

constexpr ColumnDef kAppListColumns[] = {
    {"ID", 30, false}, {"应用路径", 110, false}, {"包名", 300, false}, {"系统应用", 60, true}};
constexpr ColumnDef kAdbCatalogueColumns[] = {{"ID", 30, false}, {"名称", 220, false}, {"指令", 258, false}};
constexpr ColumnDef kFileListColumns[] = {{"ID", 30, false}, {"类型", 50, false}, {"文件名称", 340, false}};
constexpr ColumnDef kPermissionColumns[] = {
    {"ID", 30, false}, {"八进制", 48, false}, {"权限", 80, false}, {"备注(读、写、执行)", 190, false}};
constexpr ColumnDef kScrcpyCatalogueColumns[] = {{"ID", 30, false}, {"名称", 200, false}, {"指令", 270, false}};

constexpr const char* kMainPages[] = {"APP安装",  "应用列表", "ADB指令集", "文件下载/上传",
                                      "存储文件", "权限解析", "Scrcpy指令"};
constexpr const char* kUploadPages[] = {"本地上传", "内部上传system"};
constexpr const char* kStorageChoices[] = {"外置存储", "内置存储app", "内置存储system"};

// One row per control, in the order of ControlId; kept one line a row for reading.
// clang-format off
const ControlDef kControls[] = {
    // Top-level controls.
    {C(标签11), K::Label, kWindow, -1, 2, 7, 30, 24, "设备", 0, E::None},
    {C(组合框_设备), K::ComboBox, kWindow, -1, 32, 8, 160, 20, "", 0, E::ItemSelected},
    {C(按钮_刷新设备), K::Button, kWindow, -1, 192, 7, 48, 27, "刷新", 0, E::Clicked},
    {C(按钮_投屏显示), K::Button, kWindow, -1, 248, 7, 48, 27, "投屏", 0, E::Clicked},
    {C(分组框1), K::GroupBox, kWindow, -1, 1, 31, 296, 87, "", 0, E::None},
    {C(分组框2), K::GroupBox, kWindow, -1, 0, 127, 296, 81, "快捷操作", 0, E::None},
    {C(高级选择夹1), K::TabControl, kWindow, -1, 299, 6, 536, 202, "", 0, E::None, {}, kMainPages},
    {C(标签3), K::Label, kWindow, -1, 4, 210, 36, 23, "命令：", 0, E::None},
    {C(编辑框_命令), K::Edit, kWindow, -1, 44, 210, 636, 25, "", kGreyBackground, E::EnterPressed},
    {C(按钮_执行执行), K::Button, kWindow, -1, 682, 210, 56, 25, "执行", 0, E::Clicked},
    {C(按钮_清空日志), K::Button, kWindow, -1, 752, 209, 64, 25, "清空日志", 0, E::Clicked},
    {C(编辑框_输出), K::Edit, kWindow, -1, 0, 237, 834, 208, "", kMultiLine | kLogColours, E::None},
    {C(状态条1), K::StatusBar, kWindow, -1, 0, 338, 670, 20, "", 0, E::LeftPressed},
    {C(通用对话框1), K::FileDialog, kWindow, -1, 56, 200, 26, 26, "", kInvisible, E::None},

    // 分组框1: the WiFi connection.
    {C(标签1), K::Label, ControlId::分组框1, -1, 8, 17, 39, 24, "设备IP", 0, E::None},
    {C(IP编辑框1), K::IpAddress, ControlId::分组框1, -1, 47, 14, 152, 28, "192.168.3.250", 0, E::None},
    {C(标签2), K::Label, ControlId::分组框1, -1, 202, 17, 8, 24, ":", 0, E::None},
    {C(编辑框_端口), K::Edit, ControlId::分组框1, -1, 211, 14, 77, 28, "5555", kCentred, E::None},
    {C(按钮_连接设备), K::Button, ControlId::分组框1, -1, 4, 48, 88, 32, "连接设备", 0, E::Clicked},
    {C(按钮_断开连接), K::Button, ControlId::分组框1, -1, 99, 48, 88, 32, "断开连接", 0, E::Clicked},
    {C(按钮_获取设备信息), K::Button, ControlId::分组框1, -1, 197, 48, 90, 32, "获取设备信息", 0, E::Clicked},

    // 分组框2 "快捷操作".
    {C(按钮_重启设备), K::Button, ControlId::分组框2, -1, 4, 14, 80, 28, "重启设备", 0, E::Clicked},
    {C(按钮_获取机器MAC地址), K::Button, ControlId::分组框2, -1, 88, 14, 96, 28, "取机器MAC地址", 0, E::Clicked},
    {C(按钮_重启ADB服务), K::Button, ControlId::分组框2, -1, 192, 14, 96, 28, "重启ADB服务", 0, E::Clicked},
    {C(按钮_切换CMD), K::Button, ControlId::分组框2, -1, 4, 45, 80, 28, "切换CMD", 0, E::Clicked},
    {C(按钮_查ADB版本信息), K::Button, ControlId::分组框2, -1, 88, 46, 96, 28, "查ADB版本信息", 0, E::Clicked},
    {C(按钮_关闭WIFI), K::Button, ControlId::分组框2, -1, 192, 46, 96, 28, "关闭WIFI", 0, E::Clicked},

    // Page 0 "APP安装".
    {C(图片框1), K::Panel, ControlId::高级选择夹1, 0, 3, 24, 530, 175, "", 0, E::None},
    {C(编辑框_apk路径), K::Edit, ControlId::高级选择夹1, 0, 4, 29, 409, 25, "", kReadOnly, E::None},
    {C(按钮_选择APK), K::Button, ControlId::高级选择夹1, 0, 421, 27, 110, 28, "选择APK", 0, E::Clicked},
    {C(标签4), K::Label, ControlId::高级选择夹1, 0, 4, 60, 32, 24, "包名：", 0, E::None},
    {C(编辑框_APK包名), K::Edit, ControlId::高级选择夹1, 0, 37, 59, 248, 25, "", 0, E::None},
    {C(按钮_安装APK), K::Button, ControlId::高级选择夹1, 0, 288, 57, 64, 28, "安装APK", 0, E::Clicked},
    {C(超级按钮_启动APK), K::Button, ControlId::高级选择夹1, 0, 363, 60, 50, 24, "启动APK", 0, E::Clicked},
    {C(超级按钮_关闭APK), K::Button, ControlId::高级选择夹1, 0, 424, 60, 50, 24, "关闭APK", 0, E::Clicked},
    {C(超级按钮_卸载APP), K::Button, ControlId::高级选择夹1, 0, 482, 59, 50, 24, "卸载APP", 0, E::Clicked},
    {C(分组框5), K::GroupBox, ControlId::高级选择夹1, 0, 4, 85, 529, 115, "", 0, E::None},
    {C(超级按钮_显示分区), K::Button, ControlId::分组框5, -1, 6, 12, 85, 30, "显示分区", 0, E::Clicked},
    {C(超级按钮_验证包名是否存在), K::Button, ControlId::分组框5, -1, 99, 12, 117, 30, "验证包名是否存在", 0, E::Clicked},
    {C(超级按钮_读存储路径), K::Button, ControlId::分组框5, -1, 223, 12, 85, 30, "读存储路径", 0, E::Clicked},
    {C(超级按钮_读存储目录文件), K::Button, ControlId::分组框5, -1, 316, 12, 117, 30, "读存储目录文件", 0, E::Clicked},
    {C(超级按钮_删除文件), K::Button, ControlId::分组框5, -1, 439, 12, 85, 30, "删除文件", 0, E::Clicked},
    {C(超级按钮_查APK信息), K::Button, ControlId::分组框5, -1, 6, 45, 85, 30, "查APK信息", 0, E::Clicked},
    {C(超级按钮_读应用安装列表), K::Button, ControlId::分组框5, -1, 99, 45, 117, 30, "读应用列表_带路径", 0, E::Clicked},
    {C(超级按钮_设置文件权限), K::Button, ControlId::分组框5, -1, 223, 45, 85, 30, "设置文件权限", 0, E::Clicked},
    {C(超级按钮_读system目录文件), K::Button, ControlId::分组框5, -1, 316, 45, 117, 30, "读system目录文件", 0, E::Clicked},
    {C(超级按钮_删文件夹), K::Button, ControlId::分组框5, -1, 439, 45, 85, 30, "删文件夹", 0, E::Clicked},
    {C(超级按钮_查APK安装路径), K::Button, ControlId::分组框5, -1, 6, 80, 85, 30, "查APK安装路径", 0, E::Clicked},
    {C(超级按钮_读已安装APK信息), K::Button, ControlId::分组框5, -1, 98, 80, 117, 30, "读已安装APK信息", 0, E::Clicked},
    {C(超级按钮_解锁系统分区), K::Button, ControlId::分组框5, -1, 223, 79, 85, 30, "解锁系统分区", 0, E::Clicked},
    {C(超级按钮_读外置存储路径), K::Button, ControlId::分组框5, -1, 316, 79, 117, 30, "读外置存储路径", 0, E::Clicked},

    // Page 1 "应用列表".
    {C(图片框5), K::Panel, ControlId::高级选择夹1, 1, 3, 24, 530, 175, "", 0, E::None},
    {C(超级列表框_应用列表), K::ListView, ControlId::高级选择夹1, 1, 5, 26, 528, 144, "", 0, E::Clicked, kAppListColumns},
    {C(按钮_获取已安装应用), K::Button, ControlId::高级选择夹1, 1, 5, 171, 96, 28, "获取已安装应用", 0, E::Clicked},
    {C(编辑框_选中应用包名), K::Edit, ControlId::高级选择夹1, 1, 109, 174, 288, 24, "", kReadOnly, E::None},
    {C(选择框_是否系统应用), K::CheckBox, ControlId::高级选择夹1, 1, 403, 174, 24, 24, "", 0, E::None},
    {C(按钮_卸载应用), K::Button, ControlId::高级选择夹1, 1, 432, 171, 80, 28, "卸载应用", 0, E::Clicked},

    // Page 2 "ADB指令集".
    {C(超级列表框1), K::ListView, ControlId::高级选择夹1, 2, 3, 24, 530, 174, "", 0, E::Clicked, kAdbCatalogueColumns, {},
     adbCatalogueRows()},

    // Page 3 "文件下载/上传".
    {C(标签8), K::Label, ControlId::高级选择夹1, 3, 230, 101, 298, 16, "说明：文件命令不能出现中文，否则上传乱码失败", 0, E::None},
    {C(图片框3), K::Panel, ControlId::高级选择夹1, 3, 3, 24, 530, 175, "", 0, E::None},
    {C(分组框3), K::GroupBox, ControlId::图片框3, -1, 0, 3, 530, 71, "文件下载：", 0, E::None},
    {C(高级选择夹2), K::TabControl, ControlId::图片框3, -1, 0, 74, 530, 100, "", 0, E::None, {}, kUploadPages},
    {C(标签5), K::Label, ControlId::分组框3, -1, 8, 13, 56, 24, "远程目录", 0, E::None},
    {C(编辑框_设备目录), K::Edit, ControlId::分组框3, -1, 62, 13, 268, 23, "/sdcard/", 0, E::None},
    {C(标签7), K::Label, ControlId::分组框3, -1, 336, 13, 28, 24, "名称：", 0, E::None},
    {C(编辑框_拷贝文件名), K::Edit, ControlId::分组框3, -1, 370, 13, 152, 23, "handlelog.txt", 0, E::None},
    {C(标签6), K::Label, ControlId::分组框3, -1, 8, 40, 56, 24, "本地目录", 0, E::None},
    {C(编辑框_拷贝文件存放路径), K::Edit, ControlId::分组框3, -1, 62, 43, 348, 23, "", 0, E::None},
    {C(按钮_选择存放路径), K::Button, ControlId::分组框3, -1, 391, 44, 16, 20, ">", 0, E::Clicked},
    {C(按钮_拷贝), K::Button, ControlId::分组框3, -1, 415, 38, 106, 29, "下载文件", 0, E::Clicked},
    {C(图片框7), K::Panel, ControlId::高级选择夹2, 0, 2, 24, 526, 74, "", 0, E::None},
    {C(标签9), K::Label, ControlId::高级选择夹2, 0, 8, 27, 56, 24, "上传目录", 0, E::None},
    {C(组合框_存储选项), K::ComboBox, ControlId::高级选择夹2, 0, 63, 30, 88, 20, "", 0, E::ItemSelected, {}, kStorageChoices},
    {C(编辑框_上传目录), K::Edit, ControlId::高级选择夹2, 0, 156, 28, 366, 23, "/sdcard/", 0, E::None},
    {C(编辑框_上传文件路径), K::Edit, ControlId::高级选择夹2, 0, 10, 65, 402, 30, "", kReadOnly, E::None},
    {C(按钮_选择上传文件), K::Button, ControlId::高级选择夹2, 0, 391, 67, 18, 26, ">", 0, E::Clicked},
    {C(按钮_上传文件), K::Button, ControlId::高级选择夹2, 0, 423, 62, 104, 32, "上传文件", 0, E::Clicked},
    {C(图片框6), K::Panel, ControlId::高级选择夹2, 1, 2, 24, 526, 74, "", 0, E::None},
    {C(标签12), K::Label, ControlId::高级选择夹2, 1, 6, 26, 60, 24, "上传路径：", 0, E::None},
    {C(编辑框_内部上传路径), K::Edit, ControlId::高级选择夹2, 1, 66, 26, 160, 25, "/system/app/", kReadOnly, E::None},
    {C(标签13), K::Label, ControlId::高级选择夹2, 1, 227, 26, 56, 24, "命名文件：", 0, E::None},
    {C(编辑框_内部上传保存文件名), K::Edit, ControlId::高级选择夹2, 1, 283, 26, 245, 25, "", 0, E::None},
    {C(标签14), K::Label, ControlId::高级选择夹2, 1, 6, 54, 58, 24, "文件路径：", 0, E::None},
    {C(编辑框_内部文件路径), K::Edit, ControlId::高级选择夹2, 1, 66, 54, 160, 25, "/sdcard/", 0, E::None},
    {C(标签16), K::Label, ControlId::高级选择夹2, 1, 227, 55, 56, 24, "上传文件：", 0, E::None},
    {C(编辑框_内部上传文件名), K::Edit, ControlId::高级选择夹2, 1, 283, 55, 160, 25, "", 0, E::None},
    {C(按钮_内部文件上传), K::Button, ControlId::高级选择夹2, 1, 445, 54, 80, 35, "移动文件", 0, E::Clicked},
    {C(标签15), K::Label, ControlId::高级选择夹2, 1, 10, 80, 416, 16, "说明：命名文件为空，将已上传文件名称保存", 0, E::None},

    // Page 4 "存储文件".
    {C(图片框4), K::Panel, ControlId::高级选择夹1, 4, 3, 24, 530, 175, "", 0, E::None},
    {C(标签10), K::Label, ControlId::图片框4, -1, 2, 2, 56, 24, "当前路径：", 0, E::None},
    {C(编辑框_外置存储当前路径), K::Edit, ControlId::图片框4, -1, 58, 3, 472, 20, "/sdcard/", kReadOnly, E::None},
    {C(超级列表框_文件列表), K::ListView, ControlId::图片框4, -1, 0, 26, 442, 152, "", 0, E::RightPressed, kFileListColumns},
    {C(按钮_返回目录首页), K::Button, ControlId::图片框4, -1, 446, 26, 80, 32, "返回目录首页", 0, E::Clicked},
    {C(按钮_返回上级目录), K::Button, ControlId::图片框4, -1, 446, 66, 80, 32, "返回上级", 0, E::Clicked},
    {C(标签_目录数量), K::Label, ControlId::图片框4, -1, 446, 150, 80, 24, "数量：", 0, E::None},

    // Page 5 "权限解析".
    {C(超级列表框_权限), K::ListView, ControlId::高级选择夹1, 5, 2, 25, 355, 177, "", 0, E::None, kPermissionColumns, {},
     permissionRows()},
    {C(图片框2), K::PictureBox, ControlId::高级选择夹1, 5, 358, 26, 173, 173, "", 0, E::None},

    // Page 6 "Scrcpy指令".
    {C(超级列表框_Scrcpy指令), K::ListView, ControlId::高级选择夹1, 6, 3, 24, 530, 175, "", 0, E::Clicked,
     kScrcpyCatalogueColumns, {}, scrcpyCatalogueRows()},
};

// clang-format on

#undef C

static_assert(std::size(kControls) == kControlCount - 1, "every control has exactly one row");

constexpr StatusPartDef kStatusParts[] = {{60, "设备状态："}, {120, ""}, {50, "指令名："}, {-1, ""}};

constexpr MenuItemDef kStorageMenu[] = {
    {StorageMenuItem::进入目录, "进入目录"},
    {StorageMenuItem::删除, "删除"},
    {StorageMenuItem::新建文件夹, "新建文件夹"},
    {StorageMenuItem::下载文件, "下载文件"},
};

}  // namespace

const WindowDef kMainWindowDef = {
    "Velmora     在手机端安装：Tessaro.apk （修改system目录需先执行：adb root 然后执行：adb remount 再修改或上传）",
    50,
    50,
    843,
    492,
    "SimSun"};

const char kStorageMenuCaption[] = "存储菜单";

std::span<const ControlDef> controlTable() { return kControls; }

const ControlDef& controlDef(ControlId id) {
  const int index = static_cast<int>(id) - 1;
  if (index < 0 || index >= static_cast<int>(std::size(kControls)) || kControls[index].id != id) std::abort();
  return kControls[index];
}

std::span<const StatusPartDef> statusParts() { return kStatusParts; }
std::span<const MenuItemDef> storageMenu() { return kStorageMenu; }

std::vector<PagePlace> pagesOf(ControlId id) {
  std::vector<PagePlace> pages;
  for (ControlId at = id; at != kWindow;) {
    const ControlDef& def = controlDef(at);
    if (def.page >= 0) pages.push_back({def.container, def.page});
    at = def.container;
  }
  return pages;
}

Place placeInWindow(ControlId id) {
  Place place{0, 0};
  for (ControlId at = id; at != kWindow;) {
    const ControlDef& def = controlDef(at);
    place.x += def.x;
    place.y += def.y;
    at = def.container;
  }
  return place;
}
