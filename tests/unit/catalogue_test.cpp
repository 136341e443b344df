#include "tests/unit/app_fixture.h"
#include "window/catalogue_rows.h"
#include "window/log_pane.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The rows as the window's description gives them, name and command; the ID cell is
// the row number.
struct WrittenRow {
  const char* name;
  const char* command;
};

struct PermissionRow {
  const char* octal;
  const char* permission;
  const char* note;
};

const WrittenRow kAdbWritten[] = {
    {"获取序列号", "adb get-serialno"},
    {"查看连接计算机的设备：", "adb devices"},
    {"重启机器", "adb reboot"},
    {"重启到bootloader，即刷机模式", "adb reboot bootloader"},
    {"重启到recovery，即恢复模式：", "adb reboot recovery"},
    {"查看log", "adb logcat"},
    {"终止adb服务进程", "adb kill-server"},
    {"重启adb服务进程", "adb start-server"},
    {"获取机器MAC地址", "adb shell  cat /sys/class/net/wlan0/address"},
    {"获取CPU序列号：", "adb shell cat /proc/cpuinfo"},
    {"安装APK：", "adb install <apkfile> //比如：adb install baidu.apk"},
    {"保留数据和缓存文件，重新安装apk：", "adb install -r <apkfile> //比如：adb install -r baidu.apk"},
    {"安装apk到sd卡：", "adb install -s <apkfile> // 比如：adb install -s baidu.apk"},
    {"卸载APK：", "adb uninstall <package> //比如：adb uninstall com.baidu.search"},
    {"卸载app但保留数据和缓存文件", "adb uninstall -k <package> //比如：adb uninstall -k com.baidu.search"},
    {"启动应用", "adb shell am start -n <package_name>/.<activity_class_name> "},
    {"查看设备cpu和内存占用情况", "adb shell top"},
    {"查看占用内存前6的app", "adb shell top -m 6"},
    {"刷新一次内存信息，然后返回", "adb shell top -n 1"},
    {"查询各进程内存使用情况", "adb shell procrank"},
    {"杀死一个进程", "adb shell kill [pid] "},
    {"查看进程列表", "adb shell ps"},
    {"查看指定进程状态", "adb shell ps -x [PID] "},
    {"查看后台services信息", "adb shell service list "},
    {"查看当前内存占用", "adb shell cat /proc/meminfo"},
    {"查看IO内存分区", "adb shell cat /proc/iomem"},
    {"将system分区重新挂载为可读写分区", "adb remount"},
    {"从本地复制文件到设备", "adb push <local> <remote> "},
    {"从设备复制文件到本地", "adb pull <remote> <local> "},
    {"列出目录下的文件和文件夹，等同于dos中的dir命令", "adb shell ls"},
    {"进入文件夹，等同于dos中的cd 命令", "adb shell cd <folder> "},
    {"重命名文件", "adb shell rename path/oldfilename path/newfilename "},
    {"删除system/avi.apk（-f 强制删除文件不需要确认、-r 递归删除文件夹内文件、-i 删除文件前需要确认）",
     "adb shell rm /system/avi.apk"},
    {"删除文件夹及其下面所有文件", "adb shell rm -r <folder> "},
    {"移动文件", "adb shell mv path/file newpath/file"},
    {"设置文件权限", "adb shell chmod 777 /system/fonts/DroidSansFallback.ttf"},
    {"新建文件夹", "adb shell mkdir path/foldelname"},
    {"查看文件内容", "adb shell cat <file> "},
    {"查看wifi密码：", "adb shell cat /data/misc/wifi/*.conf "},
    {"清除log缓存", "adb logcat -c"},
    {"查看bug报告", "adb bugreport"},
    {"获取设备名称", "adb shell cat /system/build.prop"},
    {"查看ADB帮助", "adb help"},
    {"跑monkey", "adb shell monkey -v -p your.package.name 500 "},
    {"查询关联应用", "adb shell pm list packages | grep tencent"},
    {"拷贝facepass.db数据库",
     "adb pull /data/data/com.vorn.pellicant/cache/facepass.db C:\\Users\\Administrator\\Desktop\\adbs"},
    {"拷贝外置存储handleLog.txt",
     "adb pull /storage/emulated/0/vorn/LogDir/handleLog.txt C:\\Users\\Administrator\\Desktop\\adbs"},
    {"拷贝crashlog.txt",
     "adb pull /storage/emulated/0/vorn/LogDir/crashlog.txt C:\\Users\\Administrator\\Desktop\\adbs"},
    {"拷贝文件电脑到安卓手机>要root",
     "adb root -s 192.168.8.143:5555 push libwebviewchromium.so /system/app/webview/lib/arm"},
    {"日志导出到手机储存卡", "adb logcat -f /sdcard/1.txt"},
    {"把1.txt拷贝到电脑上。", "adb pull /sdcard/1.txt"},
    {"查看手机上所有的包名", "adb shell cd data/data ; ls"},
    {"申请 toot 权限", "adb shell su"},
    {"解锁系统分区", "adb shell mount -o rw,remount,rw /system"},
    {"关闭wifi", "adb shell svc wifi disable"},
    {"打开wifi", "adb shell svc wifi enable"},
    {"取当前包名和页面", "adb -s 可用设备 shell dumpsys activity | findstr mFocusedActivity"},
    {"将从外置存储空间的APK拷贝替换system目录下的指定文件",
     "cp /storage/udisk/kuwo.apk /system/app/kwplay_cr_4.3.2.2_qirui_T1E_morvel_2020-09-08.apk"},
};

const WrittenRow kScrcpyWritten[] = {
    {"关闭手机屏幕", "scrcpy -S"},
    {"限制画面分辨率", "scrcpy -m 1024 (比如限制为 1024)"},
    {"修改视频码率", "scrcpy -b 4M (默认 8Mbps，改成 4Mbps)"},
    {"裁剪画面", "scrcpy -c 1224:1440:0:0 表示分辨率 1224x1440 并且偏移坐标为 (0,0)"},
    {"多设备切换", "scrcpy -s 设备ID (使用 adb devices 命令查看设备ID)"},
    {"窗口置顶", "scrcpy -T"},
    {"显示触摸点击", "scrcpy -t 在演示或录制教程时，可在画面上对应显示出点击动作"},
    {"全屏显示", "scrcpy -f"},
    {"文件传输默认路径", "scrcpy --push-target /你的/目录 将文件拖放到 scrcpy 可以传输文件，此命令指定默认保存目录"},
    {"只读模式(仅显示不控制)", "scrcpy -n"},
    {"屏幕录像", "scrcpy -r 视频文件名.mp4 或 .mkv"},
    {"屏幕录像 (禁用电脑显示)", "scrcpy -Nr 文件名.mkv"},
    {"设置窗口标题", "scrcpy --window-title '异次元好棒！'"},
    {"同步传输声音", "可借助 USBaudio 这个开源项目实现，但仅支持 Linux 系统"},
    {"投屏并录屏", "scrcpy -r file.mp4"},
    {"不投屏只录屏", "scrcpy -Nr file.mp4"},
    {"启用 adb TCP/IP 连接", "adb tcpip 5555，其中 5555 为端口号"},
    {"通过 WiFi 进行连接", "adb connect 设备IP地址:5555"},
    {"WiFi 较慢，可以调整码率", "scrcpy -b 3M -m 800"},
    {"切换回 USB 模式", "adb usb"},
};

const PermissionRow kPermissionWritten[] = {
    {"0644", "rw-r-r", "所有者110，用户组100，其它100"},   {"0755", "rwxr-xr-x", "所有者111，用户组101，其它101"},
    {"0771", "rwxrwx-x", "所有者111，用户组111，其它001"}, {"0666", "rw-rw-rw", "所有者110，用户组110，其它110"},
    {"0700", "rwx----", "所有者111，用户组000，其它000"},  {"0660", "rw-rw----", "所有者110，用户组110，其它000"},
    {"0600", "rw------", "所有者110，用户组000，其它000"},
};

constexpr char kRootNote[] = "需要切换root权限，adb root; adb remount";

template <std::size_t N>
void expectCommandRows(MemoryWindow& window, ControlId list, const WrittenRow (&written)[N]) {
  ASSERT_EQ(window.rowCount(list), static_cast<int>(N));
  for (std::size_t i = 0; i < N; ++i) {
    const int row = static_cast<int>(i);
    EXPECT_EQ(window.cell(list, row, 0), std::to_string(i + 1));
    EXPECT_EQ(window.cell(list, row, 1), written[i].name) << "row " << i + 1;
    EXPECT_EQ(window.cell(list, row, 2), written[i].command) << "row " << i + 1;
    EXPECT_EQ(window.cell(list, row, 3), "") << "row " << i + 1;  // no fourth column
  }
}

TEST(CatalogueRows, TheListsHoldTheRowsAsWritten) {
  AppFixture fixture(".");
  expectCommandRows(fixture.window, ControlId::超级列表框1, kAdbWritten);
  expectCommandRows(fixture.window, ControlId::超级列表框_Scrcpy指令, kScrcpyWritten);

  const ControlId permissions = ControlId::超级列表框_权限;
  ASSERT_EQ(fixture.window.rowCount(permissions), 7);
  for (int row = 0; row < 7; ++row) {
    EXPECT_EQ(fixture.window.cell(permissions, row, 0), std::to_string(row + 1));
    EXPECT_EQ(fixture.window.cell(permissions, row, 1), kPermissionWritten[row].octal);
    EXPECT_EQ(fixture.window.cell(permissions, row, 2), kPermissionWritten[row].permission);
    EXPECT_EQ(fixture.window.cell(permissions, row, 3), kPermissionWritten[row].note);
  }
}

TEST(CatalogueRows, OnlyTheTwoWifiRowsCarryTheHiddenRootNote) {
  const auto rows = adbCatalogueRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool wifiRow = i + 1 == 55 || i + 1 == 56;
    if (wifiRow) {
      EXPECT_STREQ(rows[i].cells[3], kRootNote);
      EXPECT_EQ(rows[i].cells[4], nullptr);
    } else {
      EXPECT_EQ(rows[i].cells[3], nullptr) << "row " << i + 1;
    }
  }
}

TEST(CatalogueRows, KeepsTheTextsThatAreEasyToGetWrong) {
  const auto adb = adbCatalogueRows();
  EXPECT_STREQ(adb[8].cells[2], "adb shell  cat /sys/class/net/wlan0/address");  // two spaces
  EXPECT_STREQ(adb[15].cells[2], "adb shell am start -n <package_name>/.<activity_class_name> ");
  for (std::size_t row = 45; row <= 47; ++row) {
    const std::string pull = adb[row].cells[2];
    EXPECT_TRUE(pull.ends_with(" C:\\Users\\Administrator\\Desktop\\adbs")) << pull;
    EXPECT_EQ(pull.find("\\\\"), std::string::npos) << pull;  // single backslashes
  }
}

class CatalogueClicks : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture.open();
    fixture.window.setText(ControlId::编辑框_命令, "typed");
    fixture.window.setStatusPart(kCommandHintPart, "hint");
  }

  std::string command() { return fixture.window.text(ControlId::编辑框_命令); }
  std::string hint() { return fixture.window.statusPart(kCommandHintPart); }

  AppFixture fixture{"."};
};

TEST_F(CatalogueClicks, AnAdbRowGivesItsNameAndItsCommand) {
  fixture.window.clickRow(ControlId::超级列表框1, 1);
  EXPECT_EQ(hint(), "查看连接计算机的设备：");
  EXPECT_EQ(command(), "adb devices");

  for (int row = 0; row < 58; ++row) {
    fixture.window.clickRow(ControlId::超级列表框1, row);
    EXPECT_EQ(hint(), kAdbWritten[row].name);
    EXPECT_EQ(command(), kAdbWritten[row].command);  // trailing spaces and placeholders kept
  }
}

TEST_F(CatalogueClicks, TheEmptyAreaBelowTheRowsEmptiesBoth) {
  fixture.window.clickRow(ControlId::超级列表框1, 15);
  fixture.window.clickRow(ControlId::超级列表框1, -1);
  EXPECT_EQ(hint(), "");
  EXPECT_EQ(command(), "");
}

TEST_F(CatalogueClicks, AScrcpyRowGivesOnlyItsCommand) {
  fixture.window.clickRow(ControlId::超级列表框_Scrcpy指令, 13);
  EXPECT_EQ(command(), "可借助 USBaudio 这个开源项目实现，但仅支持 Linux 系统");
  EXPECT_EQ(hint(), "hint");

  for (int row = 0; row < 20; ++row) {
    fixture.window.clickRow(ControlId::超级列表框_Scrcpy指令, row);
    EXPECT_EQ(command(), kScrcpyWritten[row].command);
  }
  fixture.window.clickRow(ControlId::超级列表框_Scrcpy指令, -1);
  EXPECT_EQ(command(), "");
  EXPECT_EQ(hint(), "hint");
}

TEST_F(CatalogueClicks, KeyboardMovesAndThePermissionListChangeNothing) {
  fixture.window.moveSelection(ControlId::超级列表框1, 2);
  fixture.window.moveSelection(ControlId::超级列表框_Scrcpy指令, 2);
  fixture.window.clickRow(ControlId::超级列表框_权限, 2);
  fixture.window.clickRow(ControlId::超级列表框_权限, -1);
  EXPECT_EQ(command(), "typed");
  EXPECT_EQ(hint(), "hint");
}

}  // namespace
