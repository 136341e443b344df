#include "window/picture_win32.h"

#include "window/com_apartment_win32.h"
#include "window/picture_scale.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>
#include <optional>

using Microsoft::WRL::ComPtr;

namespace {

struct StoredBytes {
  const BYTE* data;
  DWORD size;
};

std::optional<StoredBytes> resourceBytes(int resourceId) {
  HMODULE program = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(program, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  return StoredBytes{static_cast<const BYTE*>(data), SizeofResource(program, found)};
}

// The PNG's pixels as blue, green, red rows without padding.
std::optional<PixelImage> decodePng(const StoredBytes& png) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data), png.size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return std::nullopt;
  PixelImage image{{static_cast<int>(width), static_cast<int>(height)}, 3, {}};
  image.bytes.resize(static_cast<std::size_t>(width) * height * 3);
  if (FAILED(converter->CopyPixels(nullptr, width * 3, static_cast<UINT>(image.bytes.size()), image.bytes.data()))) {
    return std::nullopt;
  }
  return image;
}

HBITMAP toBitmap(const PixelImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.size.width;
  info.bmiHeader.biHeight = -image.size.height;  // top-down rows, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  const std::size_t rowBytes = static_cast<std::size_t>(image.size.width) * 3;
  const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
  for (int y = 0; y < image.size.height; ++y) {
    std::memcpy(static_cast<BYTE*>(bits) + y * stride, &image.bytes[y * rowBytes], rowBytes);
  }
  return bitmap;
}

}  // namespace

HBITMAP loadFittedPicture(int resourceId, int boxWidth, int boxHeight) {
  const std::optional<StoredBytes> png = resourceBytes(resourceId);
  if (!png) return nullptr;
  std::optional<PixelImage> picture;
  {
    ComApartment com;
    picture = decodePng(*png);
  }
  if (!picture) return nullptr;
  return toBitmap(resample(*picture, fitInside(picture->size, {boxWidth, boxHeight})));
}
