// The names of the main window's controls, as the features address them. The control
// table (control_table.cpp) describes each one exactly once.
#pragma once

enum class ControlId {
  MainWindow,  // the window's client area: the container of the top-level controls

  标签11,
  组合框_设备,
  按钮_刷新设备,
  按钮_投屏显示,
  分组框1,
  分组框2,
  高级选择夹1,
  标签3,
  编辑框_命令,
  按钮_执行执行,
  按钮_清空日志,
  编辑框_输出,
  状态条1,
  通用对话框1,

  // In 分组框1: the WiFi connection.
  标签1,
  IP编辑框1,
  标签2,
  编辑框_端口,
  按钮_连接设备,
  按钮_断开连接,
  按钮_获取设备信息,

  // In 分组框2: quick operations.
  按钮_重启设备,
  按钮_获取机器MAC地址,
  按钮_重启ADB服务,
  按钮_切换CMD,
  按钮_查ADB版本信息,
  按钮_关闭WIFI,

  // Page 0 "APP安装".
  图片框1,
  编辑框_apk路径,
  按钮_选择APK,
  标签4,
  编辑框_APK包名,
  按钮_安装APK,
  超级按钮_启动APK,
  超级按钮_关闭APK,
  超级按钮_卸载APP,
  分组框5,
  超级按钮_显示分区,
  超级按钮_验证包名是否存在,
  超级按钮_读存储路径,
  超级按钮_读存储目录文件,
  超级按钮_删除文件,
  超级按钮_查APK信息,
  超级按钮_读应用安装列表,
  超级按钮_设置文件权限,
  超级按钮_读system目录文件,
  超级按钮_删文件夹,
  超级按钮_查APK安装路径,
  超级按钮_读已安装APK信息,
  超级按钮_解锁系统分区,
  超级按钮_读外置存储路径,

  // Page 1 "应用列表".
  图片框5,
  超级列表框_应用列表,
  按钮_获取已安装应用,
  编辑框_选中应用包名,
  选择框_是否系统应用,
  按钮_卸载应用,

  // Page 2 "ADB指令集".
  超级列表框1,

  // Page 3 "文件下载/上传".
  标签8,
  图片框3,
  分组框3,
  高级选择夹2,
  标签5,
  编辑框_设备目录,
  标签7,
  编辑框_拷贝文件名,
  标签6,
  编辑框_拷贝文件存放路径,
  按钮_选择存放路径,
  按钮_拷贝,
  图片框7,
  标签9,
  组合框_存储选项,
  编辑框_上传目录,
  编辑框_上传文件路径,
  按钮_选择上传文件,
  按钮_上传文件,
  图片框6,
  标签12,
  编辑框_内部上传路径,
  标签13,
  编辑框_内部上传保存文件名,
  标签14,
  编辑框_内部文件路径,
  标签16,
  编辑框_内部上传文件名,
  按钮_内部文件上传,
  标签15,

  // Page 4 "存储文件".
  图片框4,
  标签10,
  编辑框_外置存储当前路径,
  超级列表框_文件列表,
  按钮_返回目录首页,
  按钮_返回上级目录,
  标签_目录数量,

  // Page 5 "权限解析".
  超级列表框_权限,
  图片框2,

  // Page 6 "Scrcpy指令".
  超级列表框_Scrcpy指令,

  Count
};

constexpr int kControlCount = static_cast<int>(ControlId::Count);

// Items of the popup menu "存储菜单", in order.
enum class StorageMenuItem { 进入目录, 删除, 新建文件夹, 下载文件, Count };
