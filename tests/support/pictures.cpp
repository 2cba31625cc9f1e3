#include "tests/support/pictures.h"

#include <cstdio>
#include <cstring>

#include "gfx/graphics.h"
#include "gfx/image.h"

namespace pictures {

namespace {

void le16(Bytes& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
}
void le32(Bytes& b, std::uint32_t v) {
    le16(b, v & 0xFFFF);
    le16(b, v >> 16);
}
void be32(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<unsigned char>(v >> shift));
}
void text(Bytes& b, const char* s) { b.insert(b.end(), s, s + std::strlen(s)); }

std::uint32_t crc32(const unsigned char* p, size_t n) {
    std::uint32_t c = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

void pngChunk(Bytes& b, const char* type, const Bytes& data) {
    be32(b, static_cast<std::uint32_t>(data.size()));
    const size_t start = b.size();
    text(b, type);
    b.insert(b.end(), data.begin(), data.end());
    be32(b, crc32(b.data() + start, b.size() - start));
}

// Codes of 3 bits with a clear code before every two pixels, so that the
// code table never grows: the data of a picture of palette indices.
Bytes gifPixels(const std::vector<unsigned char>& indices) {
    Bytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            packed.push_back(static_cast<unsigned char>(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) put(4);  // clear
        put(indices[i]);
    }
    put(5);  // end
    if (count > 0) packed.push_back(static_cast<unsigned char>(bits));
    Bytes blocks{2};  // minimum code size
    for (size_t at = 0; at < packed.size(); at += 255) {
        const size_t n = std::min<size_t>(255, packed.size() - at);
        blocks.push_back(static_cast<unsigned char>(n));
        blocks.insert(blocks.end(), packed.begin() + static_cast<long>(at), packed.begin() + static_cast<long>(at + n));
    }
    blocks.push_back(0);
    return blocks;
}

Bytes readBack(const std::string& path) {
    Bytes bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    DeleteFileA(path.c_str());
    return bytes;
}

std::string scratchFile(const char* extension) {
    char folder[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "lmf", 0, name);
    DeleteFileA(name);
    return std::string(name) + extension;
}

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(folder + name + "\\");
            else DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

Bytes flat(int width, int height, COLORREF colour, const char* format) {
    gfx::Bitmap bitmap = gfx::Bitmap::create(width, height, gfx::PixelFormat24bppRGB);
    {
        gfx::Graphics g = gfx::Graphics::fromImage(bitmap);
        g.clear(0xFF000000 | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
    }
    return bitmap.saveToBytes(format);
}

Bytes pngDeclaring(std::uint32_t width, std::uint32_t height) {
    Bytes b;
    text(b, "\x89PNG\r\n\x1a\n");
    Bytes header;
    be32(header, width);
    be32(header, height);
    for (unsigned char c : {8, 2, 0, 0, 0}) header.push_back(c);
    pngChunk(b, "IHDR", header);
    pngChunk(b, "IDAT", Bytes{0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
    pngChunk(b, "IEND", {});
    return b;
}

Bytes bmpDeclaring(std::int32_t width, std::int32_t height) {
    Bytes b;
    text(b, "BM");
    le32(b, 54);
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, static_cast<std::uint32_t>(width));
    le32(b, static_cast<std::uint32_t>(height));
    le16(b, 1);
    le16(b, 24);
    for (int i = 0; i < 6; ++i) le32(b, 0);
    return b;
}

Bytes animatedGif(int width, int height, COLORREF first, COLORREF second) {
    Bytes b;
    text(b, "GIF89a");
    le16(b, static_cast<unsigned>(width));
    le16(b, static_cast<unsigned>(height));
    for (unsigned char c : {0xF1, 0, 0}) b.push_back(c);  // a global table of 4 colours
    for (COLORREF c : {first, second, COLORREF(0), COLORREF(0)})
        for (BYTE v : {GetRValue(c), GetGValue(c), GetBValue(c)}) b.push_back(v);
    text(b, "\x21\xFF\x0BNETSCAPE2.0");
    for (unsigned char c : {3, 1, 0, 0, 0}) b.push_back(c);
    for (unsigned char index : {0, 1}) {
        for (unsigned char c : {0x21, 0xF9, 4, 0, 10, 0, 0, 0}) b.push_back(c);  // 0.1 s per frame
        b.push_back(0x2C);
        le16(b, 0);
        le16(b, 0);
        le16(b, static_cast<unsigned>(width));
        le16(b, static_cast<unsigned>(height));
        b.push_back(0);
        Bytes data = gifPixels(std::vector<unsigned char>(static_cast<size_t>(width * height), index));
        b.insert(b.end(), data.begin(), data.end());
    }
    b.push_back(0x3B);
    return b;
}

Bytes icon(int size, COLORREF colour) {
    const auto n = static_cast<std::uint32_t>(size);
    const std::uint32_t maskRow = ((n + 31) / 32) * 4;
    const std::uint32_t imageBytes = 40 + n * n * 4 + maskRow * n;
    Bytes b;
    le16(b, 0);
    le16(b, 1);
    le16(b, 1);
    b.push_back(static_cast<unsigned char>(size));
    b.push_back(static_cast<unsigned char>(size));
    b.push_back(0);
    b.push_back(0);
    le16(b, 1);
    le16(b, 32);
    le32(b, imageBytes);
    le32(b, 22);
    le32(b, 40);
    le32(b, n);
    le32(b, n * 2);  // the image and its mask
    le16(b, 1);
    le16(b, 32);
    for (int i = 0; i < 6; ++i) le32(b, 0);
    for (std::uint32_t i = 0; i < n * n; ++i)
        for (BYTE v : {GetBValue(colour), GetGValue(colour), GetRValue(colour), BYTE(255)}) b.push_back(v);
    b.insert(b.end(), maskRow * n, 0);
    return b;
}

Bytes enhancedMetafile(int width, int height, COLORREF colour) {
    const std::string path = scratchFile(".emf");
    HDC screen = GetDC(nullptr);
    // The frame in hundredths of a millimetre, for the screen's resolution.
    const int mmX = GetDeviceCaps(screen, HORZSIZE) * 100, mmY = GetDeviceCaps(screen, VERTSIZE) * 100;
    const int pxX = GetDeviceCaps(screen, HORZRES), pxY = GetDeviceCaps(screen, VERTRES);
    RECT frame{0, 0, width * mmX / pxX, height * mmY / pxY};
    HDC dc = CreateEnhMetaFileA(screen, path.c_str(), &frame, nullptr);
    ReleaseDC(nullptr, screen);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
    return readBack(path);
}

Bytes plainMetafile(int width, int height, COLORREF colour) {
    const std::string path = scratchFile(".wmf");
    HDC dc = CreateMetaFileA(path.c_str());
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, width, height, nullptr);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, width + 1, height + 1);
    SelectObject(dc, old);
    DeleteMetaFile(CloseMetaFile(dc));
    DeleteObject(brush);
    return readBack(path);
}

Bytes placeableMetafile(int width, int height, COLORREF colour) {
    const std::uint16_t header[10] = {
        0xCDD7, 0x9AC6, 0, 0, 0, static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), 96, 0, 0};
    std::uint16_t sum = 0;
    for (std::uint16_t word : header) sum ^= word;
    Bytes b;
    for (std::uint16_t word : header) le16(b, word);
    le16(b, sum);
    Bytes body = plainMetafile(width, height, colour);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

bool write(const std::string& path, const Bytes& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
    CloseHandle(file);
    return ok;
}

Folder::Folder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "\\";
    removeTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

Folder::~Folder() { removeTree(path_); }

std::string Folder::add(const std::string& name, const Bytes& bytes) const {
    write(file(name), bytes);
    return file(name);
}

}  // namespace pictures
