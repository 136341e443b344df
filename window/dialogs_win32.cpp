#include "window/dialogs_win32.h"

#include "window/com_apartment_win32.h"
#include "window/wide_text_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace {

constexpr DWORD kPathChars = 32768;  // the longest path Windows knows

UINT boxStyle(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return MB_OK;
    case BoxButtons::YesNo:
      return MB_YESNO;
    case BoxButtons::YesNoCancel:
      return MB_YESNOCANCEL;
  }
  return MB_OK;
}

BoxAnswer answerOf(int result) {
  switch (result) {
    case IDYES:
      return BoxAnswer::Yes;
    case IDNO:
      return BoxAnswer::No;
    case IDCANCEL:
      return BoxAnswer::Cancel;
    default:
      return BoxAnswer::Ok;
  }
}

// "APK|*.apk" becomes "APK\0*.apk\0\0", the form the dialog reads.
std::wstring dialogFilter(const std::string& filter) {
  std::wstring result = toWide(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

}  // namespace

BoxAnswer showMessageBox(const std::string& text, const std::string& title, BoxButtons buttons) {
  return answerOf(MessageBoxW(nullptr, toWide(text).c_str(), toWide(title).c_str(), MB_TASKMODAL | boxStyle(buttons)));
}

std::string askOpenFile(HWND owner, const std::string& title, const std::string& filter) {
  const std::wstring wideTitle = toWide(title);
  const std::wstring wideFilter = dialogFilter(filter);
  std::vector<wchar_t> path(kPathChars, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = wideFilter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathChars;
  dialog.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
  // The tools are found in the current directory: the dialog must not move it.
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (!GetOpenFileNameW(&dialog)) return {};
  return fromWide(path.data());
}

std::string askFolder(HWND owner, const std::string& title) {
  ComApartment com;
  const std::wstring wideTitle = toWide(title);
  BROWSEINFOW dialog{};
  dialog.hwndOwner = owner;
  dialog.lpszTitle = wideTitle.c_str();
  dialog.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&dialog);
  if (chosen == nullptr) return {};
  wchar_t path[MAX_PATH] = {};  // the size SHGetPathFromIDListW writes into
  const bool isFolder = SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  return isFolder ? fromWide(path) : std::string();
}
