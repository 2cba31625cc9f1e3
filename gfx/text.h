#pragma once
// Fonts, font families and the layout rules of drawn text.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class StringFormat {
public:
    StringFormat() = default;

    static StringFormat create(int flags = 0, LANGID language = 0);

    GpStringFormat* handle() const { return format_.get(); }
    explicit operator bool() const { return format_.get() != nullptr; }
    bool dispose() { return format_.dispose(); }

    bool setFlags(int flags);  // StringFormatFlags bits
    bool setAlignment(StringAlignment alignment);
    bool setLineAlignment(StringAlignment alignment);
    bool setTrimming(StringTrimming trimming);

private:
    detail::Native<GpStringFormat, detail::deleteStringFormat> format_;
};

class FontFamily;

// A set of font families.  The default object (handle 0) stands for the
// installed fonts wherever a family is looked up by name.
class FontCollection {
public:
    FontCollection() = default;
    // The installed fonts as a collection that can be listed.  GDI+ owns it.
    static FontCollection installed();

    GpFontCollection* handle() const { return collection_; }

    int familyCount() const;
    // Up to `count` families of the collection, each its own object.  A
    // count below 1 fails with InvalidParameter.
    std::vector<FontFamily> families(int count) const;

private:
    GpFontCollection* collection_ = nullptr;
};

class FontFamily {
public:
    FontFamily() = default;

    // The family of that name (system code page or UTF-16) in the
    // collection, the installed fonts when none is given.  A name that is
    // not installed fails with FontFamilyNotFound.
    static FontFamily fromName(std::string_view name, const FontCollection* collection = nullptr);
    static FontFamily fromName(std::wstring_view name, const FontCollection* collection = nullptr);

    GpFontFamily* handle() const { return family_.get(); }
    explicit operator bool() const { return family_.get() != nullptr; }
    bool dispose() { return family_.dispose(); }

    // The family's name in the system code page; empty on failure.
    std::string name() const;

private:
    friend class Font;
    friend class FontCollection;
    detail::Native<GpFontFamily, detail::deleteFontFamily> family_;
};

class Font {
public:
    Font() = default;

    static Font fromFamily(const FontFamily& family, float size, int style, Unit unit);
    // Through a temporary family of that name among the installed fonts,
    // released whatever happens.  A name that is not installed fails with
    // FontFamilyNotFound.
    static Font fromFamilyName(std::string_view name, float size, int style = FontStyleRegular,
                               Unit unit = Unit::World);
    static Font fromFamilyName(std::wstring_view name, float size, int style = FontStyleRegular,
                               Unit unit = Unit::World);
    // The GDI font `font` as it would be drawn on the device context; the
    // font selected into the context when no font is given or its LOGFONT
    // cannot be read (not a font handle).
    static Font fromDc(HDC dc, HFONT font = nullptr);

    GpFont* handle() const { return font_.get(); }
    explicit operator bool() const { return font_.get() != nullptr; }
    bool dispose() { return font_.dispose(); }

    // A new family object of the font's family; empty on failure.
    FontFamily family() const;
    int style() const;   // FontStyle bits
    float size() const;  // em size in the font's unit
    Unit unit() const;

private:
    detail::Native<GpFont, detail::deleteFont> font_;
};

}  // namespace gfx
