#include "gfx/text.h"

#include "gfx/flat.h"
#include "gfx/wide.h"

namespace gfx {

// ---- StringFormat ----

StringFormat StringFormat::create(int flags, LANGID language) {
    StringFormat format;
    detail::record(flat::GdipCreateStringFormat(flags, language, format.format_.out()));
    return format;
}

bool StringFormat::setFlags(int flags) { return detail::record(flat::GdipSetStringFormatFlags(handle(), flags)); }

bool StringFormat::setAlignment(StringAlignment alignment) {
    return detail::record(flat::GdipSetStringFormatAlign(handle(), static_cast<int>(alignment)));
}

bool StringFormat::setLineAlignment(StringAlignment alignment) {
    return detail::record(flat::GdipSetStringFormatLineAlign(handle(), static_cast<int>(alignment)));
}

bool StringFormat::setTrimming(StringTrimming trimming) {
    return detail::record(flat::GdipSetStringFormatTrimming(handle(), static_cast<int>(trimming)));
}

// ---- FontCollection ----

FontCollection FontCollection::installed() {
    FontCollection collection;
    detail::record(flat::GdipNewInstalledFontCollection(&collection.collection_));
    return collection;
}

int FontCollection::familyCount() const {
    INT n = 0;
    return detail::record(flat::GdipGetFontCollectionFamilyCount(collection_, &n)) ? n : 0;
}

std::vector<FontFamily> FontCollection::families(int count) const {
    if (count < 1) {
        detail::record(Status::InvalidParameter);
        return {};
    }
    // The list holds the collection's own objects; each kept one is cloned.
    std::vector<GpFontFamily*> found(static_cast<size_t>(count), nullptr);
    INT n = 0;
    if (!detail::record(flat::GdipGetFontCollectionFamilyList(collection_, count, found.data(), &n))) return {};
    std::vector<FontFamily> result;
    for (INT i = 0; i < n && i < count; ++i) {
        FontFamily family;
        if (detail::record(flat::GdipCloneFontFamily(found[static_cast<size_t>(i)], family.family_.out())))
            result.push_back(std::move(family));
    }
    return result;
}

// ---- FontFamily ----

FontFamily FontFamily::fromName(std::string_view name, const FontCollection* collection) {
    return fromName(std::wstring_view(detail::widen(name)), collection);
}

FontFamily FontFamily::fromName(std::wstring_view name, const FontCollection* collection) {
    FontFamily family;
    std::wstring text(name);
    detail::record(flat::GdipCreateFontFamilyFromName(text.c_str(), collection ? collection->handle() : nullptr,
                                                      family.family_.out()));
    return family;
}

std::string FontFamily::name() const {
    WCHAR buffer[LF_FACESIZE] = {};
    if (!detail::record(flat::GdipGetFamilyName(handle(), buffer, 0))) return {};
    buffer[LF_FACESIZE - 1] = L'\0';
    return detail::narrow(buffer);
}

// ---- Font ----

Font Font::fromFamily(const FontFamily& family, float size, int style, Unit unit) {
    Font font;
    detail::record(flat::GdipCreateFont(family.handle(), size, style, static_cast<int>(unit), font.font_.out()));
    return font;
}

Font Font::fromFamilyName(std::string_view name, float size, int style, Unit unit) {
    return fromFamilyName(std::wstring_view(detail::widen(name)), size, style, unit);
}

Font Font::fromFamilyName(std::wstring_view name, float size, int style, Unit unit) {
    FontFamily family = FontFamily::fromName(name);
    if (!family) return {};  // lastStatus says why (FontFamilyNotFound)
    Font font = fromFamily(family, size, style, unit);
    // Keep the status of the creation, not of releasing the family.
    Status created = lastStatus();
    family.dispose();
    detail::record(created);
    return font;
}

Font Font::fromDc(HDC dc, HFONT font) {
    Font result;
    LOGFONTA logfont{};
    // Only a real font handle describes a font: GetObjectA also succeeds on
    // other GDI objects, filling a shorter record.
    if (font && GetObjectType(font) == OBJ_FONT && GetObjectA(font, sizeof logfont, &logfont) == sizeof logfont) {
        detail::record(flat::GdipCreateFontFromLogfontA(dc, &logfont, result.font_.out()));
    } else {
        detail::record(flat::GdipCreateFontFromDC(dc, result.font_.out()));
    }
    return result;
}

FontFamily Font::family() const {
    FontFamily family;
    detail::record(flat::GdipGetFamily(handle(), family.family_.out()));
    return family;
}

int Font::style() const {
    INT s = 0;
    return detail::record(flat::GdipGetFontStyle(handle(), &s)) ? s : 0;
}

float Font::size() const {
    float s = 0;
    return detail::record(flat::GdipGetFontSize(handle(), &s)) ? s : 0.0f;
}

Unit Font::unit() const {
    int u = 0;
    return detail::record(flat::GdipGetFontUnit(handle(), &u)) ? static_cast<Unit>(u) : Unit::World;
}

}  // namespace gfx
