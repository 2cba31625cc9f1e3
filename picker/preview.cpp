#include "picker/preview.h"

#include "gfx/image.h"
#include "picker/picker_layout.h"
#include "picker/picture_file.h"

namespace picker {

namespace {

PreviewFacts describe(const PictureFile& file, PictureFormat format, float w, float h) {
    return PreviewFacts{file.size ? sizeText(*file.size) : std::string(), typeText(format), dimensionText(w),
                        dimensionText(h)};
}

// What the header declares, for a file that is not decoded.
PreviewFacts describeUndecoded(const PictureFile& file) {
    if (!file.declared) return describe(file, PictureFormat::Unknown, 0, 0);
    return describe(file, file.declared->format, static_cast<float>(file.declared->width.value_or(0)),
                    static_cast<float>(file.declared->height.value_or(0)));
}

}  // namespace

PreviewFacts drawPictureFile(gfx::Graphics& g, const std::string& path, float boxWidth, float boxHeight) {
    g.clear(0xFFFFFFFF);
    PictureFile file = inspectPictureFile(path);
    if (file.verdict != Verdict::Decode) return describeUndecoded(file);

    gfx::Image image = gfx::Image::fromBytes(file.bytes);
    const PictureFormat format = imageFormat(image);
    if (format == PictureFormat::Unknown) return describe(file, PictureFormat::Unknown, 0, 0);
    const gfx::SizeF natural = image.dimension();
    gfx::RectF source{0, 0, natural.width, natural.height};
    if (isMetafile(format)) {
        if (auto bounds = gfx::metafileBounds(path))
            source = gfx::RectF{static_cast<float>(bounds->x), static_cast<float>(bounds->y),
                                static_cast<float>(bounds->width), static_cast<float>(bounds->height)};
    } else if (!withinPixelLimit(static_cast<std::uint64_t>(natural.width),
                                 static_cast<std::uint64_t>(natural.height))) {
        // GDI+ reads more than the header said: shown, never decoded.
        return describe(file, format, natural.width, natural.height);
    }

    const PreviewPlacement place = placePreview(boxWidth, boxHeight, source.width, source.height);
    if (place.stretched) g.drawImage(image, gfx::RectF{0, 0, boxWidth, boxHeight}, source, gfx::Unit::Pixel);
    else g.drawImage(image, place.x, place.y);
    return describe(file, format, source.width, source.height);
}

}  // namespace picker
