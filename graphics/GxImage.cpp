#include "graphics/GxImage.h"

#include "graphics/GxCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// The time dimension of multi-frame pictures (animated GIF frames).
const GUID kFrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};

// Finds the installed encoder whose format GUID, written as text, is the given one.
Status FindEncoder(const char* format, CLSID* clsid) {
    if (!format || !clsid) return InvalidParameter;
    UINT count = 0, bytes = 0;
    Status status = GdipGetImageEncodersSize(&count, &bytes);
    if (status != Ok) return status;
    if (count == 0 || bytes == 0) return UnknownImageFormat;
    std::vector<ImageCodecInfo> codecs((bytes + sizeof(ImageCodecInfo) - 1) / sizeof(ImageCodecInfo));
    status = GdipGetImageEncoders(count, bytes, codecs.data());
    if (status != Ok) return status;
    std::wstring wanted = GxAnsiToWide(format);
    for (UINT i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        if (StringFromGUID2(codecs[i].FormatID, text, 64) > 0 && lstrcmpiW(text, wanted.c_str()) == 0) {
            *clsid = codecs[i].Clsid;
            return Ok;
        }
    }
    return UnknownImageFormat;
}

// Decodes a picture from a copy of the bytes; the stream comes back with the picture.
Status DecodeFromBytes(const void* bytes, size_t size, bool useIcm, bool asBitmap, GpImage** picture,
                       GxMemoryStream& stream) {
    if (!bytes || size == 0) return InvalidParameter;
    IStream* source = stream.CreateFromBytes(bytes, size);
    if (!source) return OutOfMemory;
    Status status;
    if (asBitmap) {
        GpBitmap* bitmap = nullptr;
        status = useIcm ? GdipCreateBitmapFromStreamICM(source, &bitmap) : GdipCreateBitmapFromStream(source, &bitmap);
        *picture = bitmap;
    } else {
        status = useIcm ? GdipLoadImageFromStreamICM(source, picture) : GdipLoadImageFromStream(source, picture);
    }
    if (status != Ok) stream.ReleaseStream();
    return status;
}

}  // namespace

GxImage& GxImage::operator=(GxImage&& other) noexcept {
    if (this != &other) {
        FreePicture();
        GxObject::operator=(std::move(other));
        stream_ = std::move(other.stream_);
    }
    return *this;
}

void GxImage::FreePicture() noexcept {
    FreeQuietly();
    stream_.ReleaseStream();
}

void GxImage::AdoptPicture(GpImage* picture, GxMemoryStream&& stream) noexcept {
    FreePicture();
    GxObject::SetNativeObject(picture);
    stream_ = std::move(stream);
}

bool GxImage::DisposeImage() {
    if (IsEmpty()) return false;
    bool ok = DeleteNative();
    stream_.ReleaseStream();
    return ok;
}

bool GxImage::LoadImageFromFile(const char* path, bool useIcm) {
    return LoadImageFromFileW(GxAnsiToWide(path).c_str(), useIcm);
}

bool GxImage::LoadImageFromFileW(const wchar_t* path, bool useIcm) {
    GpImage* picture = nullptr;
    Status status = useIcm ? GdipLoadImageFromFileICM(path, &picture) : GdipLoadImageFromFile(path, &picture);
    if (!GxStore(status)) return false;
    AdoptPicture(picture, GxMemoryStream());
    return true;
}

bool GxImage::LoadImageFromStream(const void* bytes, size_t size, bool useIcm) {
    GxMemoryStream stream;
    GpImage* picture = nullptr;
    if (!GxStore(DecodeFromBytes(bytes, size, useIcm, false, &picture, stream))) return false;
    AdoptPicture(picture, std::move(stream));
    return true;
}

bool GxImage::CloneImage(GxImage& clone) const {
    GpImage* copy = nullptr;
    if (!GxStore(GdipCloneImage(GetNativeObject(), &copy))) return false;
    // A clone is decoded already and does not need the source stream.
    clone.AdoptPicture(copy, GxMemoryStream());
    return true;
}

std::vector<std::uint8_t> GxImage::SaveImageToStream(const char* format, const EncoderParameters* parameters) const {
    CLSID encoder;
    if (!GxStore(FindEncoder(format, &encoder))) return {};
    GxMemoryStream target;
    if (!target.CreateFromBytes(nullptr, 0)) {
        GxStore(OutOfMemory);
        return {};
    }
    if (!GxStore(GdipSaveImageToStream(GetNativeObject(), target.GetStream(), &encoder, parameters))) return {};
    return target.GetBytes();
}

bool GxImage::SaveImageToFile(const char* path, const char* format, const EncoderParameters* parameters) const {
    return SaveImageToFileW(GxAnsiToWide(path).c_str(), format, parameters);
}

bool GxImage::SaveImageToFileW(const wchar_t* path, const char* format, const EncoderParameters* parameters) const {
    CLSID encoder;
    if (!GxStore(FindEncoder(format, &encoder))) return false;
    return GxStore(GdipSaveImageToFile(GetNativeObject(), path, &encoder, parameters));
}

bool GxImage::ReadArgbPixels(std::vector<std::uint32_t>& pixels) const {
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    if (!GxStore(GdipGetImageType(GetNativeObject(), &type)) || type != Gdiplus::ImageTypeBitmap) return false;
    const UINT width = GetImageWidth();
    const UINT height = GetImageHeight();
    if (width == 0 || height == 0) return false;
    pixels.assign(static_cast<std::size_t>(width) * height, 0);
    Gdiplus::BitmapData data = {};
    data.Width = width;
    data.Height = height;
    data.Stride = static_cast<INT>(width * 4);
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = pixels.data();
    const Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(GetNativeObject());
    if (!GxStore(GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                    PixelFormat32bppARGB, &data))) {
        return false;
    }
    return GxStore(GdipBitmapUnlockBits(bitmap, &data));
}

UINT GxImage::GetImageWidth() const { return GxGetValue(GdipGetImageWidth, GetNativeObject()); }

UINT GxImage::GetImageHeight() const { return GxGetValue(GdipGetImageHeight, GetNativeObject()); }

float GxImage::GetImageHorizontalResolution() const {
    return GxGetValue(GdipGetImageHorizontalResolution, GetNativeObject());
}

float GxImage::GetImageVerticalResolution() const {
    return GxGetValue(GdipGetImageVerticalResolution, GetNativeObject());
}

PixelFormat GxImage::GetImagePixelFormat() const { return GxGetValue(GdipGetImagePixelFormat, GetNativeObject()); }

bool GxImage::ImageRotateFlip(RotateFlipType type) { return GxStore(GdipImageRotateFlip(GetNativeObject(), type)); }

UINT GxImage::ImageGetFrameCount() const {
    UINT count = 0;
    if (!GxStore(GdipImageGetFrameCount(GetNativeObject(), &kFrameDimensionTime, &count))) return 0;
    return count;
}

bool GxImage::ImageSelectActiveFrame(UINT index) {
    return GxStore(GdipImageSelectActiveFrame(GetNativeObject(), &kFrameDimensionTime, index));
}

std::vector<UINT> GxImage::GetFrameDelays() const {
    UINT size = 0;
    if (!GxStore(GdipGetPropertyItemSize(GetNativeObject(), PropertyTagFrameDelay, &size)) ||
        size < sizeof(PropertyItem))
        return {};
    // PropertyItem points into the same block, so the buffer must be suitably aligned.
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* item = reinterpret_cast<PropertyItem*>(buffer.data());
    if (!GxStore(GdipGetPropertyItem(GetNativeObject(), PropertyTagFrameDelay, size, item))) return {};
    if (!item->value || item->type != PropertyTagTypeLong) return {};
    const UINT* values = static_cast<const UINT*>(item->value);
    return std::vector<UINT>(values, values + item->length / sizeof(UINT));
}

bool GxBitmap::CreateBitmapFromFile(const char* path, bool useIcm) {
    std::wstring wide = GxAnsiToWide(path);
    GpBitmap* bitmap = nullptr;
    Status status =
        useIcm ? GdipCreateBitmapFromFileICM(wide.c_str(), &bitmap) : GdipCreateBitmapFromFile(wide.c_str(), &bitmap);
    if (!GxStore(status)) return false;
    AdoptPicture(bitmap, GxMemoryStream());
    return true;
}

bool GxBitmap::CreateBitmapFromStream(const void* bytes, size_t size, bool useIcm) {
    GxMemoryStream stream;
    GpImage* picture = nullptr;
    if (!GxStore(DecodeFromBytes(bytes, size, useIcm, true, &picture, stream))) return false;
    AdoptPicture(picture, std::move(stream));
    return true;
}

bool GxBitmap::CreateBitmap(int width, int height, PixelFormat format) {
    return CreateBitmapFromScan0(width, height, 0, format, nullptr);
}

bool GxBitmap::CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, BYTE* scan0) {
    GpBitmap* bitmap = nullptr;
    if (!GxStore(GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap))) return false;
    AdoptPicture(bitmap, GxMemoryStream());
    return true;
}

bool GxBitmap::CreateBitmapFromHBITMAP(HBITMAP source, HPALETTE palette) {
    GpBitmap* bitmap = nullptr;
    if (!GxStore(GdipCreateBitmapFromHBITMAP(source, palette, &bitmap))) return false;
    AdoptPicture(bitmap, GxMemoryStream());
    return true;
}

bool GxBitmap::CreateBitmapFromHICON(HICON icon) {
    GpBitmap* bitmap = nullptr;
    if (!GxStore(GdipCreateBitmapFromHICON(icon, &bitmap))) return false;
    AdoptPicture(bitmap, GxMemoryStream());
    return true;
}

HBITMAP GxBitmap::CreateHBITMAPFromBitmap(ARGB background) const {
    HBITMAP result = nullptr;
    if (!GxStore(GdipCreateHBITMAPFromBitmap(Bitmap(), &result, background))) return nullptr;
    return result;
}

HICON GxBitmap::CreateHICONFromBitmap() const {
    HICON result = nullptr;
    if (!GxStore(GdipCreateHICONFromBitmap(Bitmap(), &result))) return nullptr;
    return result;
}

ARGB GxBitmap::BitmapGetPixel(int x, int y) const {
    ARGB colour = 0;
    if (!GxStore(GdipBitmapGetPixel(Bitmap(), x, y, &colour))) return 0;
    return colour;
}

bool GxBitmap::BitmapSetPixel(int x, int y, ARGB colour) { return GxStore(GdipBitmapSetPixel(Bitmap(), x, y, colour)); }

bool GxBitmap::BitmapSetResolution(float dpiX, float dpiY) {
    return GxStore(GdipBitmapSetResolution(Bitmap(), dpiX, dpiY));
}
