#include "window/main_window.h"

#include "bridge/device_report.h"
#include "devices/connection.h"
#include "devices/device_list.h"
#include "devices/mirroring.h"
#include "host/shutdown_cleanup.h"
#include "window/catalogues.h"
#include "window/console.h"
#include "window/log_pane.h"
#include "window/startup.h"
#include "window/templates.h"

namespace {

// Which routine answers which control; the control table names the event.
const Binding kBindings[] = {
    {ControlId::按钮_执行执行, onExecuteClicked},
    {ControlId::编辑框_命令, onCommandEnterPressed},
    {ControlId::按钮_清空日志, onClearLogClicked},
    // Devices.
    {ControlId::按钮_刷新设备, onRefreshClicked},
    {ControlId::组合框_设备, onDeviceChosen},
    {ControlId::按钮_连接设备, onConnectClicked},
    {ControlId::按钮_断开连接, onDisconnectClicked},
    {ControlId::状态条1, onStatusBarPressed},
    {ControlId::按钮_投屏显示, onMirrorClicked},
    {ControlId::按钮_获取设备信息, onDeviceInfoClicked},
    // Catalogues and templates.
    {ControlId::超级列表框1, onAdbCatalogueClicked},
    {ControlId::超级列表框_Scrcpy指令, onScrcpyCatalogueClicked},
    {ControlId::超级按钮_启动APK, onTemplateClicked<ControlId::超级按钮_启动APK>},
    {ControlId::超级按钮_关闭APK, onTemplateClicked<ControlId::超级按钮_关闭APK>},
    {ControlId::超级按钮_卸载APP, onTemplateClicked<ControlId::超级按钮_卸载APP>},
    {ControlId::超级按钮_验证包名是否存在, onTemplateClicked<ControlId::超级按钮_验证包名是否存在>},
    {ControlId::超级按钮_读已安装APK信息, onTemplateClicked<ControlId::超级按钮_读已安装APK信息>},
    {ControlId::超级按钮_读应用安装列表, onTemplateClicked<ControlId::超级按钮_读应用安装列表>},
    {ControlId::超级按钮_查APK安装路径, onTemplateClicked<ControlId::超级按钮_查APK安装路径>},
    {ControlId::超级按钮_查APK信息, onTemplateClicked<ControlId::超级按钮_查APK信息>},
    {ControlId::超级按钮_设置文件权限, onTemplateClicked<ControlId::超级按钮_设置文件权限>},
    {ControlId::超级按钮_读system目录文件, onTemplateClicked<ControlId::超级按钮_读system目录文件>},
    {ControlId::超级按钮_读外置存储路径, onTemplateClicked<ControlId::超级按钮_读外置存储路径>},
    {ControlId::超级按钮_读存储路径, onTemplateClicked<ControlId::超级按钮_读存储路径>},
    {ControlId::超级按钮_读存储目录文件, onTemplateClicked<ControlId::超级按钮_读存储目录文件>},
    {ControlId::超级按钮_显示分区, onTemplateClicked<ControlId::超级按钮_显示分区>},
    {ControlId::超级按钮_删文件夹, onTemplateClicked<ControlId::超级按钮_删文件夹>},
    {ControlId::超级按钮_删除文件, onTemplateClicked<ControlId::超级按钮_删除文件>},
    {ControlId::按钮_重启设备, onTemplateClicked<ControlId::按钮_重启设备>},
    {ControlId::按钮_获取机器MAC地址, onTemplateClicked<ControlId::按钮_获取机器MAC地址>},
    {ControlId::按钮_查ADB版本信息, onTemplateClicked<ControlId::按钮_查ADB版本信息>},
    {ControlId::按钮_关闭WIFI, onTemplateClicked<ControlId::按钮_关闭WIFI>},
    {ControlId::按钮_重启ADB服务, onTemplateClicked<ControlId::按钮_重启ADB服务>},
    {ControlId::按钮_切换CMD, onOpenCommandPromptClicked},
};

}  // namespace

std::span<const Binding> eventBindings() { return kBindings; }

void MainWindow::windowCreated() { ::windowCreated(app_); }

void MainWindow::controlEvent(ControlId id, Event event, const EventArgs& args) {
  if (event == Event::None || controlDef(id).event != event) return;
  for (const Binding& binding : kBindings) {
    if (binding.control == id) {
      binding.handler(app_, args);
      return;
    }
  }
}

void MainWindow::aboutToBeDestroyed() { shutdownCleanup(); }
