// icongen: draws the panel program's icons and cursors and writes them as
// .ico / .cur files (32 x 32, 32 bits with alpha, plus the AND mask).
//
//   icongen OUTDIR
//
// qor.ico (program, 107), tray.ico (tray, 108), normal.cur (132),
// pressed.cur (135), move.cur (136).  The output is the same byte for byte on
// every run.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int N = 32;

struct Image {
    std::uint32_t px[N][N] = {};  // 0xAARRGGBB; alpha 0 is transparent
    void Set(int x, int y, std::uint32_t c) {
        if (x >= 0 && x < N && y >= 0 && y < N) px[y][x] = c;
    }
    void Fill(int x0, int y0, int x1, int y1, std::uint32_t c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) Set(x, y, c);
    }
};

void Put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// One image in the icon-file layout; for a cursor the two words after the
// colour count are the hot spot instead of planes and bit count.
std::vector<std::uint8_t> IconFile(const Image& img, bool cursor, int hotX, int hotY) {
    std::vector<std::uint8_t> dib;
    Put32(dib, 40);
    Put32(dib, N);
    Put32(dib, N * 2);  // colour and mask halves
    Put16(dib, 1);
    Put16(dib, 32);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    for (int y = N - 1; y >= 0; --y)
        for (int x = 0; x < N; ++x) Put32(dib, img.px[y][x]);
    for (int y = N - 1; y >= 0; --y) {
        for (int byte = 0; byte < N / 8; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if ((img.px[y][byte * 8 + bit] >> 24) == 0) bits |= 0x80u >> bit;
            dib.push_back(static_cast<std::uint8_t>(bits));
        }
    }
    std::vector<std::uint8_t> f;
    Put16(f, 0);
    Put16(f, cursor ? 2 : 1);
    Put16(f, 1);
    f.push_back(N);
    f.push_back(N);
    f.push_back(0);
    f.push_back(0);
    Put16(f, cursor ? hotX : 1);
    Put16(f, cursor ? hotY : 32);
    Put32(f, static_cast<unsigned>(dib.size()));
    Put32(f, 6 + 16);
    f.insert(f.end(), dib.begin(), dib.end());
    return f;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

constexpr std::uint32_t kBlack = 0xFF101418, kWhite = 0xFFFFFFFF, kBody = 0xFF2B3440, kEdge = 0xFF8894A4,
                        kLcd = 0xFF9FD8A0, kRed = 0xFFD83A3A, kBlue = 0xFF3A7AD8, kGreen = 0xFF3AB85A;

// A small remote control: dark body, green LCD, coloured keys.
Image Remote() {
    Image i;
    i.Fill(9, 1, 22, 30, kEdge);
    i.Fill(10, 2, 21, 29, kBody);
    i.Fill(12, 4, 19, 9, kLcd);
    i.Fill(13, 6, 14, 7, kBlack);
    i.Fill(16, 6, 17, 7, kBlack);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) i.Fill(12 + c * 3, 12 + r * 3, 13 + c * 3, 13 + r * 3, kEdge);
    i.Fill(12, 25, 13, 26, kRed);
    i.Fill(15, 25, 16, 26, kGreen);
    i.Fill(18, 25, 19, 26, kBlue);
    return i;
}

// The tray picture: a television with an antenna.
Image Television() {
    Image i;
    for (int k = 0; k < 6; ++k) {
        i.Set(10 + k, 2 + k, kEdge);
        i.Set(21 - k, 2 + k, kEdge);
    }
    i.Fill(3, 8, 28, 27, kEdge);
    i.Fill(4, 9, 27, 26, kBody);
    i.Fill(6, 11, 22, 24, 0xFF4FA3E0);
    i.Fill(24, 12, 26, 14, kRed);
    i.Fill(24, 17, 26, 19, kGreen);
    i.Fill(8, 28, 11, 29, kEdge);
    i.Fill(20, 28, 23, 29, kEdge);
    return i;
}

// Arrow pointer, outlined.
Image Arrow() {
    Image i;
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x <= y && x < 12; ++x) i.Set(x, y, (x == 0 || x == y || x == 11) ? kBlack : kWhite);
    }
    for (int x = 0; x < 12; ++x) i.Set(x, 17, kBlack);
    for (int k = 0; k < 6; ++k) {
        i.Set(5 + k / 2, 17 + k, kBlack);
        i.Set(8 + k / 2, 17 + k, kBlack);
        i.Set(6 + k / 2, 17 + k, kWhite);
        i.Set(7 + k / 2, 17 + k, kWhite);
    }
    return i;
}

// A pointing hand pressing down.
Image Hand() {
    Image i;
    i.Fill(8, 2, 11, 14, kBlack);
    i.Fill(9, 3, 10, 14, kWhite);
    i.Fill(5, 12, 22, 26, kBlack);
    i.Fill(6, 13, 21, 25, kWhite);
    for (int x = 12; x <= 21; x += 3) i.Fill(x, 13, x, 18, kBlack);
    i.Fill(4, 14, 5, 20, kBlack);
    return i;
}

// Four-way move arrows.
Image Move() {
    Image i;
    i.Fill(15, 3, 16, 28, kBlack);
    i.Fill(3, 15, 28, 16, kBlack);
    for (int k = 0; k < 5; ++k) {
        i.Fill(15 - k, 3 + k, 16 + k, 3 + k, kBlack);
        i.Fill(15 - k, 28 - k, 16 + k, 28 - k, kBlack);
        i.Fill(3 + k, 15 - k, 3 + k, 16 + k, kBlack);
        i.Fill(28 - k, 15 - k, 28 - k, 16 + k, kBlack);
    }
    return i;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = Write(dir + "/qor.ico", IconFile(Remote(), false, 0, 0)) &&
                    Write(dir + "/tray.ico", IconFile(Television(), false, 0, 0)) &&
                    Write(dir + "/normal.cur", IconFile(Arrow(), true, 0, 0)) &&
                    Write(dir + "/pressed.cur", IconFile(Hand(), true, 9, 2)) &&
                    Write(dir + "/move.cur", IconFile(Move(), true, 15, 15));
    if (!ok) std::fprintf(stderr, "icongen: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
