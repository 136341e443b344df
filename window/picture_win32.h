// The window's stored picture, decoded by the platform's imaging codecs.
#pragma once

#include <windows.h>

// The PNG stored as RCDATA resource `resourceId` of the program, scaled to fit in a
// box of `boxWidth` × `boxHeight` keeping its proportions, as a 24-bit bitmap the
// caller deletes; nullptr when the resource is missing or cannot be decoded. Call on
// a thread that may enter a single-threaded COM apartment.
HBITMAP loadFittedPicture(int resourceId, int boxWidth, int boxHeight);
