// The controls' font: the design's face where it is installed, else an installed
// Chinese face, so the texts never show as empty boxes.
#pragma once

#include <windows.h>

#include <string>

// `wanted` when installed; else the first installed of NSimSun, Microsoft YaHei and
// WenQuanYi Micro Hei; else any face with the GB2312 character set; else `wanted`.
std::wstring installedChineseFace(const std::wstring& wanted);

// The 9-point font of that face for `dpi`; the caller deletes it.
HFONT createControlFont(const std::wstring& face, int dpi);
