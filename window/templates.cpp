#include "window/templates.h"

#include "devices/target.h"
#include "host/interpreter_quote.h"
#include "host/program_launcher.h"
#include "window/log_pane.h"

namespace {

constexpr char kPackageMissing[] = "请输入包名，再操作";
constexpr char kFileNameHint[] = "文件名必须一致才可以，区分大小写";

// What a template does to status part 3 after writing the command.
constexpr const char* kHintUntouched = nullptr;
constexpr char kHintEmptied[] = "";

struct CommandTemplate {
  ControlId button;
  bool addressed;       // begins with "adb -s " and the target
  bool needsPackage;    // ends with the package name, which must not be empty
  const char* command;  // what follows the target, or the whole command when not addressed
  const char* hint;     // the text, kHintEmptied or kHintUntouched
};

using Id = ControlId;

constexpr CommandTemplate kTemplates[] = {
    {Id::超级按钮_启动APK, true, true, " shell am start ", "输入包名，启动APK"},
    {Id::超级按钮_关闭APK, true, true, " shell am force-stop ", "输入包名，关闭APK"},
    {Id::超级按钮_卸载APP, true, true, " uninstall ", kHintEmptied},
    {Id::超级按钮_验证包名是否存在, true, false, " shell pm list packages | find \"com.android.settings\"",
     "验证包名是否已存在，存在说明APK已安装"},
    {Id::超级按钮_读已安装APK信息, true, false, " shell pm list packages", kHintUntouched},
    {Id::超级按钮_读应用安装列表, true, false, " shell pm list packages -f", kHintUntouched},
    {Id::超级按钮_查APK安装路径, true, false, " shell pm path 包名", kHintUntouched},
    {Id::超级按钮_查APK信息, true, false, " shell dumpsys package com.android_sync.service", "查询系统安装APK信息"},
    {Id::超级按钮_设置文件权限, true, false,
     " shell chmod 0644 /system/app/kwplay_cr_4.3.2.2_qirui_T1E_morvel_2020-09-08.apk", kHintUntouched},
    {Id::超级按钮_读system目录文件, true, false, " shell ls -la /system/app/", kHintEmptied},
    {Id::超级按钮_读外置存储路径, true, false, " shell ls /storage/", kHintEmptied},
    {Id::超级按钮_读存储路径, true, false, " shell echo $EXTERNAL_STORAGE", kHintUntouched},
    {Id::超级按钮_读存储目录文件, true, false, " shell ls -la /storage/emulated/0",
     "列出外置存储路径下的文件夹/文件名称+权限"},
    {Id::超级按钮_显示分区, true, false, " shell df", kHintUntouched},
    {Id::超级按钮_删文件夹, true, false, " shell rm -r /sdcard/123", kFileNameHint},
    {Id::超级按钮_删除文件, true, false, " shell rm /system/app/avi.apk", kFileNameHint},
    {Id::按钮_重启设备, true, false, " reboot", kHintUntouched},
    {Id::按钮_获取机器MAC地址, true, false, " shell  cat /sys/class/net/wlan0/address", kHintUntouched},
    {Id::按钮_查ADB版本信息, true, false, " version", kHintUntouched},
    {Id::按钮_关闭WIFI, true, false, " shell svc wifi disable", "切换root权限# adb root; adb remount"},
    {Id::按钮_重启ADB服务, false, false, "adb start-server", kHintUntouched},
};

const CommandTemplate* templateOf(ControlId button) {
  for (const CommandTemplate& entry : kTemplates)
    if (entry.button == button) return &entry;
  return nullptr;
}

}  // namespace

// A device address the console could not be trusted to run as one word.
constexpr char kAddressUnquotable[] = "设备地址含有命令行无法安全写出的字符（\" 或 %），请选择其他设备或改写地址";

void writeTemplateCommand(AppContext& app, ControlId button) {
  const CommandTemplate* found = templateOf(button);
  if (found == nullptr) return;
  const CommandTemplate& entry = *found;
  std::string package;
  if (entry.needsPackage) {
    package = app.ui.text(ControlId::编辑框_APK包名);
    if (package.empty()) {
      app.ui.inform(kPackageMissing);
      app.ui.setFocus(ControlId::编辑框_APK包名);
      return;
    }
  }
  const std::string address = entry.addressed ? targetAddress(app) : std::string();
  if (!quotableForInterpreter(address)) {
    app.ui.inform(kAddressUnquotable);
    return;
  }
  const std::string target = entry.addressed ? "adb -s " + quoteForInterpreter(address) : std::string();
  app.ui.setText(ControlId::编辑框_命令, target + entry.command + package);
  if (entry.hint != kHintUntouched) app.ui.setStatusPart(kCommandHintPart, entry.hint);
}

void onOpenCommandPromptClicked(AppContext& app, const EventArgs&) { openCommandPrompt(app.runDirectory); }
