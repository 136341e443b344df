// COM for the calling thread while the object lives: a single-threaded apartment, as
// the shell's dialogs and the imaging codecs expect. A thread already in COM keeps
// its apartment; only an initialisation made here is undone.
#pragma once

#include <objbase.h>

class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};
