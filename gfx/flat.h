#pragma once
// The flat functions of gdiplus.dll that the library calls, declared with
// our own handle types.  Private to gfx/*.cpp: the public headers never
// include it, so callers cannot reach around the objects.
#include <windows.h>

#include "gfx/types.h"

struct IStream;

namespace gfx::flat {

using GpStatus = int;

struct StartupInput {
    UINT32 version = 1;
    void* debugEventCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
};

// One entry of the encoder list, laid out as the native ImageCodecInfo.
struct ImageCodecInfo {
    CLSID clsid;
    GUID formatId;
    const WCHAR* codecName;
    const WCHAR* dllName;
    const WCHAR* formatDescription;
    const WCHAR* filenameExtension;
    const WCHAR* mimeType;
    DWORD flags;
    DWORD version;
    DWORD sigCount;
    DWORD sigSize;
    const BYTE* sigPattern;
    const BYTE* sigMask;
};

// The native MetafileHeader is 140 bytes; its bounds are four ints at 24.
struct MetafileHeaderBytes {
    BYTE bytes[140];
};

extern "C" {

GpStatus WINAPI GdiplusStartup(ULONG_PTR* token, const StartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);

// Images and bitmaps
GpStatus WINAPI GdipDisposeImage(GpImage* image);
GpStatus WINAPI GdipLoadImageFromFile(const WCHAR* name, GpImage** image);
GpStatus WINAPI GdipLoadImageFromFileICM(const WCHAR* name, GpImage** image);
GpStatus WINAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
GpStatus WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatus WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus WINAPI GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus WINAPI GdipGetImageDimension(GpImage* image, float* width, float* height);
GpStatus WINAPI GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatus WINAPI GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
// The kind of picture: 1 a raster bitmap, 2 a metafile.
GpStatus WINAPI GdipGetImageType(GpImage* image, UINT* type);
GpStatus WINAPI GdipGetImageEncodersSize(UINT* count, UINT* size);
GpStatus WINAPI GdipGetImageEncoders(UINT count, UINT size, ImageCodecInfo* encoders);
GpStatus WINAPI GdipSaveImageToFile(GpImage* image, const WCHAR* name, const CLSID* encoder, const void* params);
GpStatus WINAPI GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* encoder, const void* params);
GpStatus WINAPI GdipGetMetafileHeaderFromFile(const WCHAR* name, MetafileHeaderBytes* header);

GpStatus WINAPI GdipCreateBitmapFromFile(const WCHAR* name, GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromFileICM(const WCHAR* name, GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromStream(IStream* stream, GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                          GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromHICON(HICON icon, GpImage** bitmap);
GpStatus WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette, GpImage** result);
GpStatus WINAPI GdipCreateHBITMAPFromBitmap(GpImage* bitmap, HBITMAP* result, ARGB background);
GpStatus WINAPI GdipBitmapGetPixel(GpImage* bitmap, INT x, INT y, ARGB* colour);
GpStatus WINAPI GdipBitmapSetPixel(GpImage* bitmap, INT x, INT y, ARGB colour);

// Graphics
GpStatus WINAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHDC2(HDC dc, HANDLE device, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHWND(HWND window, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHWNDICM(HWND window, GpGraphics** graphics);
GpStatus WINAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus WINAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WINAPI GdipSetCompositingMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipSetCompositingQuality(GpGraphics* graphics, int quality);
GpStatus WINAPI GdipSetSmoothingMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipGetSmoothingMode(GpGraphics* graphics, int* mode);
GpStatus WINAPI GdipSetInterpolationMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipSetPixelOffsetMode(GpGraphics* graphics, int mode);
GpStatus WINAPI GdipSetTextRenderingHint(GpGraphics* graphics, int hint);
GpStatus WINAPI GdipGraphicsClear(GpGraphics* graphics, ARGB colour);
GpStatus WINAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2);
GpStatus WINAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
GpStatus WINAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height);
GpStatus WINAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
GpStatus WINAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height);
GpStatus WINAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus WINAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus WINAPI GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region);
GpStatus WINAPI GdipDrawString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                               const RectF* layout, const GpStringFormat* format, const GpBrush* brush);
GpStatus WINAPI GdipMeasureString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                                  const RectF* layout, const GpStringFormat* format, RectF* box, INT* codepointsFitted,
                                  INT* linesFilled);
GpStatus WINAPI GdipDrawImage(GpGraphics* graphics, GpImage* image, float x, float y);
GpStatus WINAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dstX, float dstY, float dstWidth,
                                      float dstHeight, float srcX, float srcY, float srcWidth, float srcHeight,
                                      int srcUnit, const void* attributes, void* abortCallback, void* callbackData);
GpStatus WINAPI GdipSetClipPath(GpGraphics* graphics, GpPath* path, int mode);
GpStatus WINAPI GdipSetClipRect(GpGraphics* graphics, float x, float y, float width, float height, int mode);
GpStatus WINAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, int mode);
GpStatus WINAPI GdipResetClip(GpGraphics* graphics);

// Pens
GpStatus WINAPI GdipCreatePen1(ARGB colour, float width, int unit, GpPen** pen);
GpStatus WINAPI GdipCreatePen2(GpBrush* brush, float width, int unit, GpPen** pen);
GpStatus WINAPI GdipDeletePen(GpPen* pen);
GpStatus WINAPI GdipGetPenWidth(GpPen* pen, float* width);

// Paths
GpStatus WINAPI GdipCreatePath(int fillMode, GpPath** path);
GpStatus WINAPI GdipDeletePath(GpPath* path);
GpStatus WINAPI GdipResetPath(GpPath* path);
GpStatus WINAPI GdipStartPathFigure(GpPath* path);
GpStatus WINAPI GdipClosePathFigure(GpPath* path);
GpStatus WINAPI GdipAddPathLine(GpPath* path, float x1, float y1, float x2, float y2);
GpStatus WINAPI GdipAddPathArc(GpPath* path, float x, float y, float width, float height, float startAngle,
                               float sweepAngle);
GpStatus WINAPI GdipAddPathRectangle(GpPath* path, float x, float y, float width, float height);
GpStatus WINAPI GdipAddPathEllipse(GpPath* path, float x, float y, float width, float height);
GpStatus WINAPI GdipGetPointCount(GpPath* path, INT* count);
GpStatus WINAPI GdipGetPathWorldBounds(GpPath* path, RectF* bounds, const void* matrix, const GpPen* pen);
GpStatus WINAPI GdipIsVisiblePathPoint(GpPath* path, float x, float y, GpGraphics* graphics, BOOL* result);

// Brushes
GpStatus WINAPI GdipDeleteBrush(GpBrush* brush);
GpStatus WINAPI GdipCreateSolidFill(ARGB colour, GpBrush** brush);
GpStatus WINAPI GdipSetSolidFillColor(GpBrush* brush, ARGB colour);
GpStatus WINAPI GdipGetSolidFillColor(GpBrush* brush, ARGB* colour);
GpStatus WINAPI GdipCreateLineBrush(const PointF* point1, const PointF* point2, ARGB colour1, ARGB colour2,
                                    int wrapMode, GpBrush** brush);
GpStatus WINAPI GdipSetLinePresetBlend(GpBrush* brush, const ARGB* colours, const float* positions, INT count);
GpStatus WINAPI GdipSetLineLinearBlend(GpBrush* brush, float focus, float scale);
GpStatus WINAPI GdipCreatePathGradientFromPath(const GpPath* path, GpBrush** brush);
GpStatus WINAPI GdipSetPathGradientCenterColor(GpBrush* brush, ARGB colour);
GpStatus WINAPI GdipGetPathGradientCenterColor(GpBrush* brush, ARGB* colour);
GpStatus WINAPI GdipSetPathGradientSurroundColorsWithCount(GpBrush* brush, const ARGB* colours, INT* count);
GpStatus WINAPI GdipSetPathGradientFocusScales(GpBrush* brush, float xScale, float yScale);
GpStatus WINAPI GdipCreateTexture(GpImage* image, int wrapMode, GpBrush** brush);

// Text
GpStatus WINAPI GdipCreateStringFormat(INT flags, LANGID language, GpStringFormat** format);
GpStatus WINAPI GdipDeleteStringFormat(GpStringFormat* format);
GpStatus WINAPI GdipSetStringFormatFlags(GpStringFormat* format, INT flags);
GpStatus WINAPI GdipSetStringFormatAlign(GpStringFormat* format, int alignment);
GpStatus WINAPI GdipSetStringFormatLineAlign(GpStringFormat* format, int alignment);
GpStatus WINAPI GdipSetStringFormatTrimming(GpStringFormat* format, int trimming);

GpStatus WINAPI GdipCreateFont(const GpFontFamily* family, float size, INT style, int unit, GpFont** font);
GpStatus WINAPI GdipDeleteFont(GpFont* font);
GpStatus WINAPI GdipCreateFontFromDC(HDC dc, GpFont** font);
GpStatus WINAPI GdipCreateFontFromLogfontA(HDC dc, const LOGFONTA* logfont, GpFont** font);
GpStatus WINAPI GdipGetFamily(GpFont* font, GpFontFamily** family);
GpStatus WINAPI GdipGetFontStyle(GpFont* font, INT* style);
GpStatus WINAPI GdipGetFontSize(GpFont* font, float* size);
GpStatus WINAPI GdipGetFontUnit(GpFont* font, int* unit);

GpStatus WINAPI GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection, GpFontFamily** family);
GpStatus WINAPI GdipDeleteFontFamily(GpFontFamily* family);
GpStatus WINAPI GdipCloneFontFamily(GpFontFamily* family, GpFontFamily** clone);
GpStatus WINAPI GdipGetFamilyName(const GpFontFamily* family, WCHAR* name, LANGID language);

GpStatus WINAPI GdipNewInstalledFontCollection(GpFontCollection** collection);
GpStatus WINAPI GdipGetFontCollectionFamilyCount(GpFontCollection* collection, INT* count);
GpStatus WINAPI GdipGetFontCollectionFamilyList(GpFontCollection* collection, INT wanted, GpFontFamily** families,
                                                INT* found);

// Regions
GpStatus WINAPI GdipCreateRegion(GpRegion** region);
GpStatus WINAPI GdipCreateRegionRect(const RectF* rect, GpRegion** region);
GpStatus WINAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
GpStatus WINAPI GdipDeleteRegion(GpRegion* region);
GpStatus WINAPI GdipCombineRegionRect(GpRegion* region, const RectF* rect, int mode);
GpStatus WINAPI GdipCombineRegionPath(GpRegion* region, GpPath* path, int mode);
GpStatus WINAPI GdipCombineRegionRegion(GpRegion* region, GpRegion* other, int mode);
GpStatus WINAPI GdipIsVisibleRegionPoint(GpRegion* region, float x, float y, GpGraphics* graphics, BOOL* result);
GpStatus WINAPI GdipIsEmptyRegion(GpRegion* region, GpGraphics* graphics, BOOL* result);
GpStatus WINAPI GdipGetRegionBounds(GpRegion* region, GpGraphics* graphics, RectF* bounds);

}  // extern "C"

}  // namespace gfx::flat
