// PNG resources decoded by the Windows Imaging Component; see win32_resources.h.
#include "platform/win32/win32_resources.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/dib.h"

namespace tikora {
namespace {

using Microsoft::WRL::ComPtr;

constexpr const wchar_t* kPictureType = L"PNG";

// COM for the calling thread while a picture is decoded. The GUI thread has it for the
// program's life already (OLE for the page view), so there this only counts up and down.
class ComForThisThread {
 public:
  ComForThisThread() : uninitialise_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComForThisThread() {
    if (uninitialise_) CoUninitialize();
  }
  ComForThisThread(const ComForThisThread&) = delete;
  ComForThisThread& operator=(const ComForThisThread&) = delete;

 private:
  bool uninitialise_;  // S_FALSE too: every success is balanced
};

}  // namespace

Win32Resources::Win32Resources(HMODULE module)
    : module_(module ? module : GetModuleHandleW(nullptr)) {}

std::optional<Bitmap> Win32Resources::loadBitmap(std::wstring_view name) const {
  if (name.empty()) return std::nullopt;
  const std::wstring resource(name);
  // Resource memory belongs to the module and lives as long as it: nothing to free here.
  HRSRC found = FindResourceW(module_, resource.c_str(), kPictureType);
  if (!found) return std::nullopt;
  const DWORD size = SizeofResource(module_, found);
  HGLOBAL loaded = LoadResource(module_, found);
  if (!loaded || size == 0) return std::nullopt;
  const void* bytes = LockResource(loaded);
  if (!bytes) return std::nullopt;
  return decodeCompressedPicture(std::span(static_cast<const std::uint8_t*>(bytes), size));
}

std::optional<Bitmap> decodeCompressedPicture(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > MAXDWORD) return std::nullopt;
  const ComForThisThread com;
  // The factory is made for each picture: pictures are decoded rarely (at start, and when a
  // style changes), and a factory kept would tie this object to one thread's COM.
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)))
    return std::nullopt;
  if (width == 0 || height == 0 || width > UINT(kMaxDibSide) || height > UINT(kMaxDibSide)) return std::nullopt;
  // Palette and true-colour pictures alike come out as blue, green, red and an unused byte:
  // every decoder converts to that (Wine's cannot turn a 1-bit palette picture into 24 bits).
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  std::vector<std::uint8_t> quads(std::size_t(width) * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(quads.size()), quads.data())))
    return std::nullopt;
  Bitmap picture(static_cast<int>(width), static_cast<int>(height));
  std::uint8_t* to = picture.row(0);  // the rows follow one another without gaps
  for (std::size_t from = 0; from < quads.size(); from += 4, to += 3) std::copy_n(&quads[from], 3, to);
  return picture;
}

GdiObject<HBITMAP> makeDibSection(const Bitmap& picture) {
  if (picture.empty()) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();  // top-down, as the picture's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap.valid() || !bits) return {};
  // DIB rows are padded to whole 4-byte words.
  const std::size_t stride = (std::size_t(picture.width()) * 3 + 3) & ~std::size_t(3);
  auto* to = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < picture.height(); ++y)
    std::copy(picture.row(y), picture.row(y) + picture.stride(), to + stride * std::size_t(y));
  return bitmap;
}

}  // namespace tikora
