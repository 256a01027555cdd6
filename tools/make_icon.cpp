// Builds the application icon from its text source: one grid of '#' (red) and
// '.' (black) per image, written as a 16-colour .ico with no transparent pixels.
// Usage: make_icon SOURCE.txt OUTPUT.ico
//        make_icon SOURCE.txt OUTPUT.bmp|OUTPUT.png WIDTH HEIGHT SCALE
// The second form draws the largest image, SCALE times enlarged, centred on a
// black WIDTH x HEIGHT picture: the installer's pages show two such BMPs, the
// web site's icons are such PNGs.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Image {
    int size = 0;
    std::vector<std::string> rows;
};

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A 4-bit DIB: header, palette, colour bits bottom-up, then an all-opaque mask.
std::string Encode(const Image& image) {
    const int n = image.size;
    const int colourStride = ((n * 4 + 31) / 32) * 4;
    const int maskStride = ((n + 31) / 32) * 4;
    std::string dib;
    Put32(dib, 40);
    Put32(dib, static_cast<unsigned>(n));
    Put32(dib, static_cast<unsigned>(n * 2));  // colour and mask together
    Put16(dib, 1);
    Put16(dib, 4);
    Put32(dib, 0);
    Put32(dib, static_cast<unsigned>((colourStride + maskStride) * n));
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 16);
    Put32(dib, 0);
    // The standard 16-colour palette; index 0 is black and index 9 bright red.
    const std::uint32_t palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                       0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (std::uint32_t rgb : palette) {
        dib += static_cast<char>(rgb & 0xFF);
        dib += static_cast<char>((rgb >> 8) & 0xFF);
        dib += static_cast<char>((rgb >> 16) & 0xFF);
        dib += '\0';
    }
    for (int y = n - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(colourStride), '\0');
        for (int x = 0; x < n; ++x) {
            const unsigned index = image.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#' ? 9 : 0;
            row[static_cast<std::size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
        }
        dib += row;
    }
    dib.append(static_cast<std::size_t>(maskStride * n), '\0');
    return dib;
}

// The picture: the image SCALE times enlarged, centred on black.
struct Picture {
    const Image& image;
    int width, height, scale;

    bool Red(int x, int y) const {
        const int left = (width - image.size * scale) / 2, top = (height - image.size * scale) / 2;
        const int ix = (x - left) / scale, iy = (y - top) / scale;
        return x >= left && y >= top && ix < image.size && iy < image.size &&
               image.rows[static_cast<std::size_t>(iy)][static_cast<std::size_t>(ix)] == '#';
    }
};

// A 24-bit bottom-up BMP file.
std::string Bmp(const Picture& picture) {
    const int width = picture.width, height = picture.height;
    const int stride = ((width * 3 + 3) / 4) * 4;
    std::string bmp = "BM";
    Put32(bmp, static_cast<unsigned>(14 + 40 + stride * height));
    Put32(bmp, 0);
    Put32(bmp, 14 + 40);
    Put32(bmp, 40);
    Put32(bmp, static_cast<unsigned>(width));
    Put32(bmp, static_cast<unsigned>(height));
    Put16(bmp, 1);
    Put16(bmp, 24);
    Put32(bmp, 0);
    Put32(bmp, static_cast<unsigned>(stride * height));
    for (int i = 0; i < 4; ++i) Put32(bmp, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            if (picture.Red(x, y)) row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(0xFF);  // B, G, R
        }
        bmp += row;
    }
    return bmp;
}

void PutBig32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutChunk(std::string& png, const std::string& type, const std::string& data) {
    PutBig32(png, static_cast<std::uint32_t>(data.size()));
    png += type + data;
    PutBig32(png, Crc32(type + data));
}

// A two-colour PNG (black and red), its rows in stored deflate blocks: the
// pictures are small enough not to need compressing.
std::string Png(const Picture& picture) {
    std::string rows;
    for (int y = 0; y < picture.height; ++y) {
        std::string row(static_cast<std::size_t>(1 + (picture.width + 7) / 8), '\0');  // filter 0, then bits
        for (int x = 0; x < picture.width; ++x) {
            if (picture.Red(x, y)) row[static_cast<std::size_t>(1 + x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        rows += row;
    }
    std::string zlib = "\x78\x01";
    for (std::size_t at = 0; at < rows.size() || at == 0; at += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, rows.size() - at);
        zlib += static_cast<char>(at + length == rows.size() ? 1 : 0);
        Put16(zlib, static_cast<unsigned>(length));
        Put16(zlib, static_cast<unsigned>(~length & 0xFFFF));
        zlib += rows.substr(at, length);
    }
    std::uint32_t a = 1, b = 0;
    for (const unsigned char byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(zlib, b << 16 | a);
    std::string header;
    PutBig32(header, static_cast<std::uint32_t>(picture.width));
    PutBig32(header, static_cast<std::uint32_t>(picture.height));
    header += std::string("\x01\x03\x00\x00\x00", 5);  // 1 bit, palette, deflate, filter 0, not interlaced
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "PLTE", std::string("\x00\x00\x00\xFF\x00\x00", 6));
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");
    return png;
}

bool Parse(std::istream& in, std::vector<Image>& images, std::string& error) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line.rfind("# ", 0) == 0) continue;  // blank or comment
        if (line.rfind("size ", 0) == 0) {
            images.push_back(Image{std::stoi(line.substr(5)), {}});
            continue;
        }
        if (images.empty() || line.size() != static_cast<std::size_t>(images.back().size) ||
            line.find_first_not_of("#.") != std::string::npos) {
            error = "line " + std::to_string(lineNumber) + ": not a row of the current grid";
            return false;
        }
        images.back().rows.push_back(line);
    }
    for (const Image& image : images) {
        if (image.rows.size() != static_cast<std::size_t>(image.size)) {
            error = "a " + std::to_string(image.size) + "-pixel grid has " +
                    std::to_string(image.rows.size()) + " rows";
            return false;
        }
    }
    if (images.empty()) error = "no images";
    return !images.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 6) {
        std::cerr << "usage: make_icon SOURCE.txt OUTPUT.ico\n"
                     "       make_icon SOURCE.txt OUTPUT.bmp|OUTPUT.png WIDTH HEIGHT SCALE\n";
        return 2;
    }
    std::ifstream source(argv[1]);
    std::vector<Image> images;
    std::string error;
    if (!source || !Parse(source, images, error)) {
        std::cerr << argv[1] << ": " << (source ? error : "cannot be read") << '\n';
        return 1;
    }
    if (argc == 6) {
        const Image& largest = *std::max_element(images.begin(), images.end(),
                                                 [](const Image& a, const Image& b) { return a.size < b.size; });
        const int width = std::atoi(argv[3]), height = std::atoi(argv[4]), scale = std::atoi(argv[5]);
        if (scale < 1 || largest.size * scale > width || largest.size * scale > height) {
            std::cerr << "the image does not fit the picture\n";
            return 2;
        }
        const std::string name = argv[2];
        const Picture picture{largest, width, height, scale};
        std::ofstream out(name, std::ios::binary);
        out << (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0 ? Png(picture) : Bmp(picture));
        return out ? 0 : 1;
    }
    std::string directory, data;
    Put16(directory, 0);
    Put16(directory, 1);  // icon
    Put16(directory, static_cast<unsigned>(images.size()));
    unsigned offset = static_cast<unsigned>(6 + 16 * images.size());
    for (const Image& image : images) {
        const std::string dib = Encode(image);
        directory += static_cast<char>(image.size);
        directory += static_cast<char>(image.size);
        directory += static_cast<char>(16);  // colours
        directory += '\0';
        Put16(directory, 1);
        Put16(directory, 4);
        Put32(directory, static_cast<unsigned>(dib.size()));
        Put32(directory, offset);
        offset += static_cast<unsigned>(dib.size());
        data += dib;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << directory << data;
    return out ? 0 : 1;
}
