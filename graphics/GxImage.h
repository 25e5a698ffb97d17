#pragma once
// Owning wrappers of GDI+ pictures. A picture decoded from bytes keeps the memory stream
// it was read from for as long as it lives, because GDI+ may read the stream lazily.
#include "graphics/GxCore.h"
#include "graphics/GxMemoryStream.h"

#include <cstdint>
#include <vector>

class GxImage : public GxObject<Gdiplus::GpImage, Gdiplus::DllExports::GdipDisposeImage> {
public:
    GxImage() = default;
    ~GxImage() { FreePicture(); }
    GxImage(GxImage&& other) noexcept = default;
    GxImage& operator=(GxImage&& other) noexcept;

    // Takes ownership of a picture created elsewhere (one that needs no stream of ours).
    void SetNativeObject(Gdiplus::GpImage* picture) noexcept {
        if (picture != GetNativeObject()) AdoptPicture(picture, GxMemoryStream());
    }

    // Disposes the picture, then the stream it was read from.
    bool DisposeImage();

    bool LoadImageFromFile(const char* path, bool useIcm = false);
    bool LoadImageFromFileW(const wchar_t* path, bool useIcm = false);
    // Copies the bytes: the caller may free its own copy as soon as this returns.
    bool LoadImageFromStream(const void* bytes, size_t size, bool useIcm = false);
    bool LoadImageFromStream(const std::vector<std::uint8_t>& bytes, bool useIcm = false) {
        return LoadImageFromStream(bytes.data(), bytes.size(), useIcm);
    }
    bool CloneImage(GxImage& clone) const;

    // Encodes the picture in the format named by its GUID text (GxPngFormat for PNG);
    // returns the encoded bytes, empty on failure.
    std::vector<std::uint8_t> SaveImageToStream(const char* format,
                                                const Gdiplus::EncoderParameters* parameters = nullptr) const;
    bool SaveImageToFile(const char* path, const char* format,
                         const Gdiplus::EncoderParameters* parameters = nullptr) const;
    bool SaveImageToFileW(const wchar_t* path, const char* format,
                          const Gdiplus::EncoderParameters* parameters = nullptr) const;

    // Getters: the value GDI+ reports, or 0 on failure.
    UINT GetImageWidth() const;
    UINT GetImageHeight() const;
    // The pixels as 32-bit ARGB, top row first, when the picture is a bitmap; false otherwise.
    bool ReadArgbPixels(std::vector<std::uint32_t>& pixels) const;
    float GetImageHorizontalResolution() const;
    float GetImageVerticalResolution() const;
    Gdiplus::PixelFormat GetImagePixelFormat() const;

    bool ImageRotateFlip(Gdiplus::RotateFlipType type);
    // Frames along the time dimension (animated pictures); 0 on failure.
    UINT ImageGetFrameCount() const;
    bool ImageSelectActiveFrame(UINT index);
    // Delays of an animated picture's frames in hundredths of a second; empty when absent.
    std::vector<UINT> GetFrameDelays() const;

protected:
    // Frees the picture before its stream; GDI+ may still read the stream until then.
    void FreePicture() noexcept;
    // Takes a decoded picture together with the stream it came from.
    void AdoptPicture(Gdiplus::GpImage* picture, GxMemoryStream&& stream) noexcept;

private:
    GxMemoryStream stream_;
};

class GxBitmap : public GxImage {
public:
    bool CreateBitmapFromFile(const char* path, bool useIcm = false);
    bool CreateBitmapFromStream(const void* bytes, size_t size, bool useIcm = false);
    bool CreateBitmapFromStream(const std::vector<std::uint8_t>& bytes, bool useIcm = false) {
        return CreateBitmapFromStream(bytes.data(), bytes.size(), useIcm);
    }
    // An empty width × height picture (stride 0, no caller memory).
    bool CreateBitmap(int width, int height, Gdiplus::PixelFormat format = PixelFormat32bppARGB);
    bool CreateBitmapFromScan0(int width, int height, int stride, Gdiplus::PixelFormat format, BYTE* scan0);
    bool CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool CreateBitmapFromHICON(HICON icon);

    // A new GDI bitmap of the picture over the given background; the caller deletes it.
    // Null on failure.
    HBITMAP CreateHBITMAPFromBitmap(Gdiplus::ARGB background) const;
    // A new icon of the picture; the caller destroys it. Null on failure.
    HICON CreateHICONFromBitmap() const;

    // The pixel's ARGB value, 0 on failure (outside the picture, for example).
    Gdiplus::ARGB BitmapGetPixel(int x, int y) const;
    bool BitmapSetPixel(int x, int y, Gdiplus::ARGB colour);
    bool BitmapSetResolution(float dpiX, float dpiY);

private:
    Gdiplus::GpBitmap* Bitmap() const { return static_cast<Gdiplus::GpBitmap*>(GetNativeObject()); }
};
