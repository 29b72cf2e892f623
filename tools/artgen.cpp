// Draws Vespin's artwork: the character sheet, the panel background, the calendar page and the icon.
// Regenerate: cmake --build --preset host --target artgen && build/host/artgen res [preview.bmp]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "render/panel.h"

namespace {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator<(const Rgb &o) const
    {
        return (r << 16 | g << 8 | b) < (o.r << 16 | o.g << 8 | o.b);
    }
};

struct Pt {
    double x, y;
};

using Shape = std::function<bool(double, double)>;

// Geometry: every test is made at the pixel's centre.

Shape Ellipse(double cx, double cy, double rx, double ry)
{
    return [=](double x, double y) {
        double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

// An ellipse turned by a (radians), for ribbon loops and limbs.
Shape TiltedEllipse(double cx, double cy, double rx, double ry, double a)
{
    double c = std::cos(a), s = std::sin(a);
    return [=](double x, double y) {
        double u = (x - cx) * c + (y - cy) * s, v = -(x - cx) * s + (y - cy) * c;
        return (u / rx) * (u / rx) + (v / ry) * (v / ry) <= 1.0;
    };
}

Shape Rect(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

bool InPolygon(const std::vector<Pt> &poly, double x, double y)
{
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Pt &a = poly[i], &b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

// Closed Catmull-Rom curve through the points, so outlines come out round.
std::vector<Pt> Smooth(const std::vector<Pt> &pts, int steps = 8)
{
    std::vector<Pt> out;
    size_t n = pts.size();
    for (size_t i = 0; i < n; ++i) {
        const Pt &p0 = pts[(i + n - 1) % n], &p1 = pts[i], &p2 = pts[(i + 1) % n],
                 &p3 = pts[(i + 2) % n];
        for (int k = 0; k < steps; ++k) {
            double t = double(k) / steps, t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                              (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    return out;
}

Shape Poly(const std::vector<Pt> &pts, bool smooth = true)
{
    std::vector<Pt> poly = smooth ? Smooth(pts) : pts;
    return [poly](double x, double y) { return InPolygon(poly, x, y); };
}

std::vector<Pt> Mirror(std::vector<Pt> pts, double axis)
{
    for (Pt &p : pts)
        p.x = 2 * axis - p.x;
    return pts;
}

Shape Union(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

// BMP and ICO files, little-endian.

void Put16(std::vector<uint8_t> &v, unsigned x)
{
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}

void Put32(std::vector<uint8_t> &v, uint32_t x)
{
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

void InfoHeader(std::vector<uint8_t> &v, int w, int h, int bits, uint32_t image, uint32_t used,
                uint32_t ppm = 2835)
{
    Put32(v, 40);
    Put32(v, uint32_t(w));
    Put32(v, uint32_t(h));
    Put16(v, 1);
    Put16(v, unsigned(bits));
    Put32(v, 0);
    Put32(v, image);
    Put32(v, ppm);
    Put32(v, ppm);
    Put32(v, used);
    Put32(v, 0);
}

void WriteFile(const std::string &path, const std::vector<uint8_t> &data)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data.data(), 1, data.size(), f) != data.size()) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(f);
}

// 8-bit bottom-up BMP; pixels are given top row first.
void WriteBmp8(const std::string &path, int w, int h, const std::vector<Rgb> &pal,
               const std::vector<uint8_t> &px)
{
    int stride = (w + 3) & ~3;
    uint32_t offBits = 14 + 40 + 4 * uint32_t(pal.size());
    std::vector<uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Put32(v, offBits + uint32_t(stride * h));
    Put32(v, 0);
    Put32(v, offBits);
    InfoHeader(v, w, h, 8, uint32_t(stride * h), uint32_t(pal.size()));
    for (const Rgb &c : pal) {
        v.push_back(c.b);
        v.push_back(c.g);
        v.push_back(c.r);
        v.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < stride; ++x)
            v.push_back(x < w ? px[size_t(y * w + x)] : 0);
    WriteFile(path, v);
}

void WriteBmp24(const std::string &path, int w, int h, const std::vector<Rgb> &px)
{
    int stride = (w * 3 + 3) & ~3;
    std::vector<uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + uint32_t(stride * h));
    Put32(v, 0);
    Put32(v, 54);
    InfoHeader(v, w, h, 24, uint32_t(stride * h), 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb &c = px[size_t(y * w + x)];
            v.push_back(c.b);
            v.push_back(c.g);
            v.push_back(c.r);
        }
        for (int x = w * 3; x < stride; ++x)
            v.push_back(0);
    }
    WriteFile(path, v);
}

// RGB pictures, turned into 256-colour BMPs at the end.

struct Image {
    int w, h;
    std::vector<Rgb> px;
    Image(int w_, int h_, Rgb c) : w(w_), h(h_), px(size_t(w_ * h_), c) {}
    Rgb &at(int x, int y) { return px[size_t(y * w + x)]; }
    Rgb get(int x, int y) const { return px[size_t(y * w + x)]; }
    void Fill(const Shape &s, Rgb c)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (s(x + 0.5, y + 0.5))
                    at(x, y) = c;
    }
    void Set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h)
            at(x, y) = c;
    }
};

void WritePaletted(const std::string &path, const Image &img)
{
    std::map<Rgb, uint8_t> index;
    std::vector<Rgb> pal;
    for (const Rgb &c : img.px)
        if (!index.count(c)) {
            if (pal.size() == 256) {
                std::fprintf(stderr, "artgen: %s needs more than 256 colours\n", path.c_str());
                std::exit(1);
            }
            index[c] = uint8_t(pal.size());
            pal.push_back(c);
        }
    while (pal.size() < 256)
        pal.push_back({255, 255, 255});
    std::vector<uint8_t> px;
    for (const Rgb &c : img.px)
        px.push_back(index[c]);
    WriteBmp8(path, img.w, img.h, pal, px);
}

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto m = [t](int x, int y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// The character sheet: the picture in columns 0-119, rows 0-151, the eye patches to its right
// (render/sheet.h gives the layout).

enum Colour : uint8_t {
    cLine, cInner, cSkinShade, cSkin, cSkinLight, cBlush, cHairDark, cHair, cHairLight,
    cHairShine, cPupil, cIris, cIrisLight, cWhite, cWhiteShade, cMouth, cTongue, cDressDark,
    cDress, cDressLight, cCollarShade, cBowDark, cBow, cBowLight, cGold, cGoldDark, cShoe,
    cShoeLight, cSockShade, cBrow, cSkinDeep, cNavy, cKey
};

const std::vector<Rgb> kCharaPalette = {
    {40, 20, 34},    {110, 56, 58},   {236, 170, 150}, {255, 218, 196}, {255, 238, 224},
    {250, 160, 164}, {96, 52, 46},    {146, 86, 62},   {192, 124, 82},  {234, 180, 124},
    {36, 28, 74},    {70, 92, 176},   {132, 178, 236}, {255, 255, 255}, {214, 222, 242},
    {176, 60, 78},   {240, 128, 134}, {42, 78, 136},   {68, 122, 190},  {122, 172, 228},
    {188, 198, 224}, {170, 36, 60},   {226, 74, 92},   {255, 140, 146}, {252, 212, 92},
    {210, 150, 48},  {120, 52, 50},   {172, 88, 76},   {226, 228, 240}, {90, 50, 44},
    {212, 138, 126}, {0, 6, 24},      {0, 0, 0},
};

// Parts in drawing order: a part drawn later gets a line where it meets an earlier one.
enum Part : uint8_t {
    pNone, pHairBack, pNeck, pLegs, pShoes, pDress, pArms, pSleeves, pCollar, pChestBow,
    pChestKnot, pFace, pHairSide, pBangs, pHairBow, pHairKnot, pStarClip
};

enum class Eyes { Open, Closed, Half };

struct Figure {
    uint8_t part[kCharacterHeight][kCharacterWidth] = {};
    uint8_t col[kCharacterHeight][kCharacterWidth] = {};

    void Fill(const Shape &s, Part p)
    {
        for (int y = 0; y < kCharacterHeight; ++y)
            for (int x = 0; x < kCharacterWidth; ++x)
                if (s(x + 0.5, y + 0.5))
                    part[y][x] = p;
    }
    Part At(int x, int y) const
    {
        return (x < 0 || y < 0 || x >= kCharacterWidth || y >= kCharacterHeight) ? pNone : Part(part[y][x]);
    }
    void Dot(int x, int y, Colour c)
    {
        if (x >= 0 && y >= 0 && x < kCharacterWidth && y < kCharacterHeight)
            col[y][x] = c;
    }
};

const double kMid = 60.0;  // the figure is symmetric about this column

// Lower edge of the fringe: strands that end in soft points.
double FringeEdge(double x)
{
    struct Strand {
        double cx, tip, half;
    };
    static const Strand strands[] = {{24, 72, 7},  {33, 59, 7},  {43, 55, 7.5}, {53, 51, 6},
                                     {62, 53, 5.5}, {71, 52, 6.5}, {81, 56, 7}, {91, 61, 7},
                                     {98, 72, 7}};
    double edge = 0;
    for (const Strand &s : strands) {
        double d = std::abs(x - s.cx) / s.half;
        edge = std::max(edge, s.tip - 11.0 * std::pow(d, 1.4));
    }
    return edge;
}

void DrawShapes(Figure &f)
{
    // Hair behind the head reaches the shoulders.
    std::vector<Pt> back = {{60, 6},   {88, 11},  {104, 30}, {108, 60}, {106, 92},
                            {100, 110}, {88, 106}, {60, 104}, {32, 106}, {20, 110},
                            {14, 92},  {12, 60},  {16, 30},  {32, 11}};
    f.Fill(Poly(back), pHairBack);
    f.Fill(Rect(54, 88, 66, 104), pNeck);
    f.Fill(Union(Rect(50, 132, 57, 146), Rect(63, 132, 70, 146)), pLegs);
    f.Fill(Union(Ellipse(52.5, 147.5, 6.5, 4), Ellipse(67.5, 147.5, 6.5, 4)), pShoes);
    std::vector<Pt> dress = {{46, 99},  {74, 99},  {80, 108}, {80, 120}, {88, 132},
                             {92, 138}, {76, 141}, {60, 139}, {44, 141}, {28, 138},
                             {32, 132}, {40, 120}, {40, 108}};
    f.Fill(Poly(dress), pDress);
    std::vector<Pt> arm = {{38, 104}, {44, 108}, {40, 119}, {35.5, 129}, {30, 129},
                           {31, 118}};
    f.Fill(Union(Poly(arm), Poly(Mirror(arm, kMid))), pArms);
    f.Fill(Union(Ellipse(32, 132, 4.6, 4.4), Ellipse(88, 132, 4.6, 4.4)), pArms);
    f.Fill(Union(Ellipse(38, 106, 8, 7), Ellipse(82, 106, 8, 7)), pSleeves);
    std::vector<Pt> collar = {{48, 98}, {60, 101}, {72, 98}, {80, 104}, {74, 110},
                              {60, 116}, {46, 110}, {40, 104}};
    f.Fill(Poly(collar), pCollar);
    std::vector<Pt> loop = {{60, 113}, {53, 109}, {49, 112}, {51, 117}};
    f.Fill(Union(Poly(loop), Poly(Mirror(loop, kMid))), pChestBow);
    f.Fill(Ellipse(60, 113.5, 2.6, 2.8), pChestKnot);
    // A round face with soft cheeks and a small chin.
    std::vector<Pt> face = {{60, 30}, {86, 36}, {96, 58}, {94, 75}, {83, 88}, {70, 94},
                            {60, 96}, {50, 94}, {37, 88}, {26, 75}, {24, 58}, {34, 36}};
    f.Fill(Poly(face), pFace);
    std::vector<Pt> lock = {{26, 36}, {34, 52}, {33, 72}, {30, 92}, {26, 108},
                            {20, 100}, {18, 76}, {18, 52}};
    f.Fill(Union(Poly(lock), Poly(Mirror(lock, kMid))), pHairSide);
    Shape crown = Ellipse(60, 50, 43, 43);
    f.Fill([&](double x, double y) { return crown(x, y) && y < FringeEdge(x); }, pBangs);
    // A bow on the right of the head, away from the clock in the top left.
    std::vector<Pt> bowL = {{90, 20}, {80, 10}, {75, 15}, {80, 25}};
    std::vector<Pt> bowR = {{90, 20}, {100, 12}, {106, 18}, {100, 27}};
    f.Fill(Union(Poly(bowL), Poly(bowR)), pHairBow);
    f.Fill(Ellipse(90, 20, 3.4, 3.6), pHairKnot);
    // And a little star clip on the left lock.
    std::vector<Pt> star;
    for (int k = 0; k < 10; ++k) {
        double a = k * M_PI / 5 - M_PI / 2, r = (k % 2) ? 3.4 : 6.8;
        star.push_back({27.5 + r * std::cos(a), 50 + r * std::sin(a)});
    }
    f.Fill(Poly(star, false), pStarClip);
}

// Gaps that the shapes enclose (under an arm, say) would show the room through her: they
// take the rearmost neighbouring part.
void FillHoles(Figure &f)
{
    std::vector<bool> outside(size_t(kCharacterWidth * kCharacterHeight), false);
    std::vector<std::pair<int, int>> todo;
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x)
            if (x == 0 || y == 0 || x == kCharacterWidth - 1 || y == kCharacterHeight - 1)
                todo.push_back({x, y});
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= kCharacterWidth || y >= kCharacterHeight ||
            outside[size_t(y * kCharacterWidth + x)] || f.At(x, y) != pNone)
            continue;
        outside[size_t(y * kCharacterWidth + x)] = true;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (int y = 0; y < kCharacterHeight; ++y)
            for (int x = 0; x < kCharacterWidth; ++x) {
                if (f.At(x, y) != pNone || outside[size_t(y * kCharacterWidth + x)])
                    continue;
                Part rear = pNone;
                for (Part q : {f.At(x + 1, y), f.At(x - 1, y), f.At(x, y + 1), f.At(x, y - 1)})
                    if (q != pNone && (rear == pNone || q < rear))
                        rear = q;
                f.part[y][x] = rear;
                changed = changed || rear != pNone;
            }
    }
}

bool IsHair(Part p) { return p == pHairBack || p == pHairSide || p == pBangs; }

// Cel shading: light from the upper left, a rim of shade on the lower right.
void Shade(Figure &f)
{
    auto rimShade = [&](int x, int y, Part p, int d) {
        for (int k = 1; k <= d; ++k)
            if (f.At(x + k, y) != p || f.At(x, y + k) != p)
                return true;
        return false;
    };
    auto rimLight = [&](int x, int y, Part p) {
        return f.At(x - 1, y) != p || f.At(x, y - 1) != p || f.At(x - 2, y - 1) != p;
    };
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x) {
            Part p = f.At(x, y);
            uint8_t c = cKey;
            switch (p) {
            case pNone: break;
            case pHairBack: c = cHairDark; break;
            case pHairSide:
                if (rimShade(x, y, p, 2) || (x > 60 && y > 70))
                    c = cHairDark;
                else if (x < 60 && !rimLight(x, y, p) && f.At(x - 3, y) != p)
                    c = cHairLight;
                else
                    c = cHair;
                break;
            case pBangs: {
                // Projection on the light direction (up and to the left) across the head.
                double u = (-(x - 60.0) * 0.55 - (y - 52.0) * 0.83) / 43.0;
                double dx = (x - 60) / 41.0, dy = (y - 58) / 41.0;
                double r = std::sqrt(dx * dx + dy * dy);
                double wave = 0.025 * std::sin(x * 0.8);
                bool shine = r > 0.70 + wave && r < 0.785 + wave && y < 44 && x > 28 && x < 86;
                if (shine)
                    c = cHairShine;
                else if (rimShade(x, y, p, 2) || u < -0.42)
                    c = cHairDark;
                else if (u > 0.3 && r >= 0.785 + wave)
                    c = cHairLight;
                else
                    c = cHair;
                break;
            }
            case pFace: {
                bool under = false;
                for (int k = 1; k <= 3; ++k)
                    if (IsHair(f.At(x - 1, y - k)) || IsHair(f.At(x, y - k)))
                        under = true;
                c = under || rimShade(x, y, p, 2) ? cSkinShade : cSkin;
                break;
            }
            case pNeck: c = y < 97 ? cSkinDeep : cSkinShade; break;
            case pLegs: c = rimShade(x, y, p, 1) ? cSockShade : cWhite; break;
            case pArms:
                c = rimShade(x, y, p, 2) ? cSkinShade : (rimLight(x, y, p) ? cSkinLight : cSkin);
                break;
            case pStarClip: c = rimShade(x, y, p, 1) ? cGoldDark : cGold; break;
            case pShoes: c = rimLight(x, y, p) ? cShoeLight : cShoe; break;
            case pDress: {
                bool fold = y > 124 && (x == 46 || x == 47 || x == 73 || x == 74 || (x == 60 && y > 128));
                bool hem = f.At(x, y + 3) != p && f.At(x, y + 2) == p;
                if (hem)
                    c = cWhite;
                else if (fold || rimShade(x, y, p, 2))
                    c = cDressDark;
                else if (rimLight(x, y, p) && y > 118)
                    c = cDressLight;
                else
                    c = cDress;
                break;
            }
            case pSleeves:
                if (f.At(x, y + 2) != p && f.At(x, y + 1) == p && f.At(x, y - 1) == p)
                    c = cWhite;
                else
                    c = rimShade(x, y, p, 2) ? cDress : cDressLight;
                break;
            case pCollar: {
                bool stripe = std::abs(114.5 - y - std::abs(x - 60.0) * 0.66) < 0.8;
                c = stripe ? cDress : (rimShade(x, y, p, 1) ? cCollarShade : cWhite);
                break;
            }
            case pChestBow:
            case pHairBow:
            case pChestKnot:
            case pHairKnot:
                c = rimShade(x, y, p, 1) ? cBowDark : (rimLight(x, y, p) ? cBowLight : cBow);
                break;
            }
            f.col[y][x] = c;
        }
}

// Outline round the silhouette, inner lines where a part overlaps an earlier one.
void Outline(Figure &f)
{
    uint8_t out[kCharacterHeight][kCharacterWidth];
    std::copy(&f.col[0][0], &f.col[0][0] + kCharacterWidth * kCharacterHeight, &out[0][0]);
    static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x) {
            Part p = f.At(x, y);
            if (p == pNone)
                continue;
            for (int k = 0; k < 4; ++k) {
                Part q = f.At(x + dx[k], y + dy[k]);
                // The bottom of the picture is cut by the frame, so it gets no line.
                if (q == pNone && y + dy[k] < kCharacterHeight)
                    out[y][x] = cLine;
                else if (q != pNone && q < p && !(IsHair(p) && IsHair(q)))
                    out[y][x] = IsHair(p) ? cHairDark : cLine;
            }
        }
    std::copy(&out[0][0], &out[0][0] + kCharacterWidth * kCharacterHeight, &f.col[0][0]);
}

// One eye, cx/cy its centre; the lid comes down as the eye closes.
void DrawEye(Figure &f, double cx, double cy, Eyes eyes, bool right)
{
    const double rx = 8.5, ry = 10;
    auto top = [&](double x) { double d = (x - cx) / rx; return cy - ry + 2.5 * d * d; };
    auto bottom = [&](double x) { double d = (x - cx) / rx; return cy + ry - 3.0 * d * d; };
    // The lid is the upper rim moved down, so a half-closed eye keeps its round top.
    const double drop = eyes == Eyes::Half ? 9.0 : 0.0;
    auto lidAt = [&](double x) {
        double d = std::clamp((x - cx) / rx, -1.0, 1.0);
        return std::min(cy - ry + 2.5 * d * d + drop, cy + ry - 3.0 * d * d);
    };
    double outer = right ? 1 : -1;
    if (eyes == Eyes::Closed) {
        // A soft downward curve with a flick at the outer corner.
        for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
            double d = (x + 0.5 - cx) / rx;
            int y = int(std::lround(cy + 3 + 3.0 * (1 - d * d)));
            f.Dot(x, y, cLine);
            f.Dot(x, y - 1, cLine);
        }
        int ox = int(cx + outer * (rx + 1)), oy = int(cy + 3);
        f.Dot(ox, oy, cLine);
        f.Dot(ox + int(outer), oy - 1, cLine);
        return;
    }
    for (int y = int(cy - ry - 2); y <= int(cy + ry + 1); ++y)
        for (int x = int(cx - rx - 1); x <= int(cx + rx + 1); ++x) {
            double px = x + 0.5, py = y + 0.5;
            double t = top(px), b = bottom(px);
            if (std::abs(px - cx) > rx || py < t || py > b)
                continue;
            double lidY = lidAt(px);
            if (py < lidY)
                continue;  // the face as shaded shows through the lid
            double ix = (px - cx) / 6.2, iy = (py - cy - 1) / 8.6;
            double ir = ix * ix + iy * iy;
            Colour c = cWhite;
            if (ir <= 1.0) {
                double ppx = (px - cx) / 2.6, ppy = (py - cy) / 4.2;
                if (ppx * ppx + ppy * ppy <= 1.0)
                    c = cNavy;
                else if (ir > 0.72)
                    c = cPupil;
                else if (py > cy + 3)
                    c = cIrisLight;
                else
                    c = cIris;
            }
            if (c == cWhite && py < lidY + 2.2)
                c = cWhiteShade;
            f.Dot(x, y, c);
        }
    // Catchlights.
    if (eyes == Eyes::Open) {
        f.Dot(int(cx - 3), int(cy - 4), cWhite);
        f.Dot(int(cx - 2), int(cy - 4), cWhite);
        f.Dot(int(cx - 3), int(cy - 3), cWhite);
        f.Dot(int(cx - 2), int(cy - 3), cWhite);
        f.Dot(int(cx - 3), int(cy - 2), cWhite);
        f.Dot(int(cx + 2), int(cy + 4), cWhite);
    } else {
        f.Dot(int(cx - 3), int(cy + 1), cWhite);
        f.Dot(int(cx - 2), int(cy + 1), cWhite);
    }
    // Upper lash line, thick, with a flick at the outer corner.
    for (int x = int(cx - rx - 1); x <= int(cx + rx + 1); ++x) {
        double px = x + 0.5;
        int y = int(std::floor(lidAt(px)));
        f.Dot(x, y, cLine);
        f.Dot(x, y - 1, cLine);
        if ((px - cx) * outer > rx * 0.3)
            f.Dot(x, y - 2, cLine);
    }
    int ox = int(cx + outer * (rx + 2)), oy = int(std::floor(lidAt(cx + outer * rx)));
    f.Dot(ox, oy - 1, cLine);
    f.Dot(ox, oy, cLine);
    f.Dot(ox + int(outer), oy - 2, cLine);
    // A light lower lash on the outer half.
    for (int x = int(cx - rx * 0.2); x <= int(cx + rx * 0.2); ++x) {
        int xx = right ? x + 3 : x - 3;
        double d = (xx + 0.5 - cx) / rx;
        f.Dot(xx, int(std::lround(cy + ry - 3.0 * d * d)), cInner);
    }
}

void DrawFace(Figure &f, Eyes eyes)
{
    // Brows sit under the fringe; only their ends peek out.
    for (int x = 38; x <= 50; ++x) {
        int y = 47 - (x > 41 && x < 48);
        if (f.At(x, y) == pFace) f.Dot(x, y, cBrow);
        if (f.At(119 - x, y) == pFace) f.Dot(119 - x, y, cBrow);
    }
    DrawEye(f, 44, 63, eyes, false);
    DrawEye(f, 76, 63, eyes, true);
    // Blush with three little strokes.
    for (double cx : {37.0, 83.0}) {
        for (int y = 74; y <= 78; ++y)
            for (int x = int(cx - 7); x <= int(cx + 7); ++x) {
                double dx = (x + 0.5 - cx) / 7, dy = (y + 0.5 - 76) / 2.4;
                if (dx * dx + dy * dy <= 1 && f.At(x, y) == pFace)
                    f.Dot(x, y, cBlush);
            }
        for (int k = -1; k <= 1; ++k) {
            int x = int(cx) + 3 * k;
            f.Dot(x + 1, 75, cSkinDeep);
            f.Dot(x, 76, cSkinDeep);
        }
    }
    // Nose and a small open smile.
    f.Dot(61, 76, cSkinDeep);
    for (int y = 82; y <= 87; ++y)
        for (int x = 54; x <= 66; ++x) {
            double dx = (x + 0.5 - 60) / 5.0, dy = (y + 0.5 - 82.5) / 4.0;
            if (dx * dx + dy * dy > 1 || y < 83)
                continue;
            double edge = (x + 0.5 - 60) * (x + 0.5 - 60) / 16.0 + (y + 0.5 - 82.5) * (y + 0.5 - 82.5) / 9.0;
            f.Dot(x, y, edge > 0.75 || y == 83 ? cLine : (y >= 85 ? cTongue : cMouth));
        }
}

// Partings between the strands of the fringe, running up towards the crown.
void DrawStrands(Figure &f)
{
    for (int x = 18; x < 102; ++x) {
        double e = FringeEdge(x + 0.5);
        if (!(e < FringeEdge(x - 0.5) && e <= FringeEdge(x + 1.5)))
            continue;
        double tx = 60 + (x - 60) * 0.35, ty = 12, len = 14;
        double dx = tx - x, dy = ty - e, n = std::sqrt(dx * dx + dy * dy);
        for (double t = 0; t < len; t += 0.5) {
            int px = int(std::floor(x + 0.5 + dx / n * t)), py = int(std::floor(e - 1 + dy / n * t));
            if (f.At(px, py) == pBangs)
                f.Dot(px, py, cHairDark);
        }
    }
}

std::vector<uint8_t> RenderCharacter(Eyes eyes)
{
    Figure f;
    DrawShapes(f);
    FillHoles(f);
    Shade(f);
    Outline(f);
    DrawStrands(f);
    DrawFace(f, eyes);
    std::vector<uint8_t> out;
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x)
            out.push_back(f.col[y][x]);
    return out;
}

std::vector<uint8_t> BuildSheet()
{
    std::vector<uint8_t> sheet(size_t(kSheetWidth * kSheetHeight), cKey);
    std::vector<uint8_t> open = RenderCharacter(Eyes::Open);
    std::vector<uint8_t> pictures[3] = {open, RenderCharacter(Eyes::Closed),
                                        RenderCharacter(Eyes::Half)};
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x) {
            sheet[size_t(y * kSheetWidth + x)] = open[size_t(y * kCharacterWidth + x)];
            bool inPatch =
                x >= kEyesLeft && x < kEyesLeft + kPatchWidth && y >= kEyesTop && y < kEyesTop + kPatchHeight;
            // A blink that changed anything outside the patch could never be shown.
            for (const std::vector<uint8_t> &p : pictures)
                if (!inPatch && p[size_t(y * kCharacterWidth + x)] != open[size_t(y * kCharacterWidth + x)]) {
                    std::fprintf(stderr, "artgen: the eyes reach outside the patch at %d,%d\n", x, y);
                    std::exit(1);
                }
        }
    for (int i = 0; i < 3; ++i)
        for (int y = 0; y < kPatchHeight; ++y)
            for (int x = 0; x < kPatchWidth; ++x)
                sheet[size_t((kPatchTop[i] + y) * kSheetWidth + kPatchLeft + x)] =
                    pictures[i][size_t((kEyesTop + y) * kCharacterWidth + kEyesLeft + x)];
    return sheet;
}

// The panel background: a small room in a wooden frame.

Image DrawBackground()
{
    const Rgb wallA{252, 238, 222}, wallB{246, 226, 208}, wallDot{240, 206, 196};
    const Rgb wainA{196, 222, 206}, wainB{176, 206, 190}, rail{250, 250, 244}, railShade{206, 196, 184};
    const Rgb floorA{206, 150, 102}, floorB{188, 132, 88}, floorLine{150, 98, 66}, floorShine{222, 170, 122};
    const Rgb rug{250, 196, 204}, rugEdge{236, 156, 172}, rugDot{255, 236, 238};
    const Rgb frameDark{92, 54, 36}, frame{142, 90, 56}, frameLight{190, 132, 86}, frameShine{226, 176, 120};
    const Rgb skyTop{132, 190, 240}, skyLow{200, 230, 250}, cloud{255, 255, 255}, cloudShade{226, 236, 248};
    const Rgb sash{255, 252, 246}, sashShade{214, 206, 196}, curtain{250, 190, 180}, curtainDark{228, 150, 146};
    const Rgb leaf{110, 176, 96}, leafDark{70, 130, 72}, leafLight{160, 206, 120}, pot{216, 120, 86}, potDark{170, 84, 62};
    const Rgb book3{220, 110, 120}, bear{214, 160, 108}, bearLight{240, 206, 160};

    Image img(120, 160, wallA);
    // Wallpaper: soft stripes with small dots.
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x) {
            Rgb c = ((x / 6) % 2) ? wallB : wallA;
            if ((x % 12 == 3) && (y % 10 == 4))
                c = wallDot;
            img.at(x, y) = c;
        }
    // A wide window: sky shows round her head, the clock sits on the sky.
    img.Fill(Rect(8, 9, 112, 78), sash);
    const Rgb sky[4] = {skyTop, Mix(skyTop, skyLow, 0.33), Mix(skyTop, skyLow, 0.66), skyLow};
    for (int y = 12; y < 74; ++y)
        for (int x = 11; x < 109; ++x)
            img.at(x, y) = sky[std::min(3, (y - 12) / 16)];
    auto puff = [&](double cx, double cy, double s) {
        img.Fill(Union(Union(Ellipse(cx - 6 * s, cy + 1, 5 * s, 3.5 * s), Ellipse(cx, cy - 1, 6 * s, 5 * s)),
                       Ellipse(cx + 6 * s, cy + 1, 5 * s, 3.5 * s)),
                 cloud);
        img.Fill(Rect(cx - 10 * s, cy + 2.5 * s, cx + 10 * s, cy + 4.2 * s), cloudShade);
    };
    puff(22, 58, 1.0);
    puff(96, 50, 1.1);
    puff(40, 20, 0.7);
    img.Fill(Union(Rect(59, 12, 61, 74), Rect(11, 42, 109, 44)), sash);
    img.Fill(Rect(8, 74, 112, 76), sashShade);
    img.Fill(Rect(6, 76, 114, 80), sash);
    img.Fill(Rect(6, 79, 114, 80), sashShade);
    // Curtains gathered at both sides, on a rod.
    std::vector<Pt> cl = {{3, 6}, {14, 6}, {11, 30}, {7, 50}, {11, 84}, {3, 86}};
    img.Fill(Poly(cl), curtain);
    img.Fill(Poly(Mirror(cl, 60)), curtain);
    for (int y = 6; y < 90; ++y)
        for (int x : {5, 8, 111, 114})
            if (img.get(x, y) == curtain)
                img.at(x, y) = curtainDark;
    img.Fill(TiltedEllipse(7, 52, 4.5, 1.8, 0.2), curtainDark);
    img.Fill(TiltedEllipse(113, 52, 4.5, 1.8, -0.2), curtainDark);
    img.Fill(Rect(3, 4, 117, 7), frameLight);
    img.Fill(Rect(3, 6, 117, 7), frame);
    // Wainscot, rail and floor.
    for (int y = 100; y < 124; ++y)
        for (int x = 0; x < 120; ++x)
            img.at(x, y) = (x % 10 == 0) ? wainB : wainA;
    img.Fill(Rect(0, 98, 120, 101), rail);
    img.Fill(Rect(0, 101, 120, 102), railShade);
    img.Fill(Rect(0, 122, 120, 124), rail);
    for (int y = 124; y < 160; ++y)
        for (int x = 0; x < 120; ++x) {
            int plank = (y - 124) / 7;
            Rgb c = (plank % 2) ? floorB : floorA;
            if ((y - 124) % 7 == 6)
                c = floorLine;
            else if ((x + plank * 37) % 40 == 0)
                c = floorLine;
            else if ((y - 124) % 7 == 0 && (x + plank * 11) % 23 < 9)
                c = floorShine;
            img.at(x, y) = c;
        }
    // A rug under her feet.
    img.Fill(Ellipse(60, 146, 48, 9), rugEdge);
    img.Fill(Ellipse(60, 146, 45, 7.5), rug);
    for (int x = 20; x < 100; x += 6)
        img.Set(x, 146, rugDot);
    // A teddy bear sitting on the floor to the left.
    img.Fill(Union(Ellipse(10, 103, 3, 3), Ellipse(22, 103, 3, 3)), bear);
    img.Fill(Ellipse(16, 109, 7.5, 6.5), bear);
    img.Fill(Ellipse(16, 124, 8.5, 9), bear);
    img.Fill(Union(Ellipse(9, 133, 4, 3), Ellipse(23, 133, 4, 3)), bear);
    img.Fill(Union(Ellipse(10, 103, 1.5, 1.5), Ellipse(22, 103, 1.5, 1.5)), bearLight);
    img.Fill(Ellipse(16, 112, 3.5, 2.5), bearLight);
    img.Fill(Ellipse(16, 125, 5, 5.5), bearLight);
    img.Set(13, 108, frameDark);
    img.Set(19, 108, frameDark);
    img.Fill(Rect(15, 111, 17, 112), frameDark);
    img.Fill(Union(TiltedEllipse(12.5, 116, 3, 1.5, 0.4), TiltedEllipse(19.5, 116, 3, 1.5, -0.4)), book3);
    // Potted plant in the right corner.
    std::vector<Pt> potPts = {{96, 118}, {114, 118}, {112, 138}, {98, 138}};
    img.Fill(Poly(potPts, false), pot);
    img.Fill(Rect(109, 118, 114, 138), potDark);
    img.Fill(Rect(95, 116, 115, 120), potDark);
    img.Fill(TiltedEllipse(99, 104, 8, 3.5, -0.9), leafDark);
    img.Fill(TiltedEllipse(110, 102, 8, 3.5, 0.9), leafDark);
    img.Fill(TiltedEllipse(104, 98, 9, 3.5, 1.4), leaf);
    img.Fill(TiltedEllipse(97, 110, 7, 3, -0.4), leaf);
    img.Fill(TiltedEllipse(111, 110, 7, 3, 0.4), leaf);
    img.Fill(TiltedEllipse(103, 96, 4, 1.2, 1.4), leafLight);
    img.Fill(TiltedEllipse(96, 108, 3.5, 1, -0.4), leafLight);
    // The frame: three rows round the sides and top, eight at the bottom.
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x) {
            int d = std::min({x, y, 119 - x});
            bool bottom = y >= 152;
            if (d >= 3 && !bottom)
                continue;
            Rgb c = frame;
            if (bottom) {
                int r = y - 152;
                c = r == 0 ? frameDark : r == 1 ? frameShine : r == 7 ? frameDark : frame;
                if (r >= 3 && r <= 5 && x >= 48 && x < 72)
                    c = (r == 4) ? frameShine : frameLight;
            } else {
                c = d == 0 ? frameDark : d == 1 ? frameLight : frameDark;
            }
            if (x == 0 || x == 119 || y == 0 || y == 159)
                c = frameDark;
            img.at(x, y) = c;
        }
    return img;
}

// The calendar page: one sheet of a tear-off pad.

Image DrawCalendar()
{
    const Rgb paper{255, 253, 246}, paperTint{255, 246, 236}, timeTint{240, 246, 255};
    const Rgb binder{150, 40, 56}, binderLight{196, 74, 86}, binderDark{100, 24, 40}, staple{214, 214, 222};
    const Rgb rule{232, 196, 190}, ruleBlue{196, 212, 236}, edge{214, 204, 190}, stack{236, 228, 214};
    const Rgb flower{250, 176, 190}, flowerMid{250, 214, 110}, leafC{170, 210, 150};
    Image img(120, 160, paper);
    img.Fill(Rect(1, 4, 119, 38), paperTint);
    img.Fill(Rect(1, 136, 119, 157), timeTint);
    // Binding strip with two staples; the torn stub of the last sheet under it.
    img.Fill(Rect(0, 0, 120, 4), binder);
    img.Fill(Rect(0, 0, 120, 1), binderLight);
    img.Fill(Rect(0, 3, 120, 4), binderDark);
    img.Fill(Union(Rect(28, 1, 36, 3), Rect(84, 1, 92, 3)), staple);
    // Dotted rules between the fields.
    for (int x = 8; x < 112; x += 3) {
        img.Set(x, 37, rule);
        img.Set(x, 124, ruleBlue);
    }
    // Little flowers in the corners of the header.
    for (double cx : {11.0, 109.0}) {
        for (int k = 0; k < 5; ++k) {
            double a = k * 2 * M_PI / 5 - M_PI / 2;
            img.Fill(Ellipse(cx + 4 * std::cos(a), 21 + 4 * std::sin(a), 2.4, 2.4), flower);
        }
        img.Fill(Ellipse(cx, 21, 2, 2), flowerMid);
        img.Fill(TiltedEllipse(cx + (cx < 60 ? 5 : -5), 29, 3.5, 1.5, cx < 60 ? 0.6 : -0.6), leafC);
    }
    // A small clock face beside the time.
    img.Fill(Ellipse(12, 148, 6.5, 6.5), ruleBlue);
    img.Fill(Ellipse(12, 148, 5, 5), paper);
    img.Fill(Union(Rect(11.5, 144, 12.5, 148.5), Rect(11.5, 147.5, 15, 148.5)), Rgb{120, 140, 180});
    // Page edge and the sheets below it.
    for (int y = 4; y < 160; ++y) {
        img.at(0, y) = edge;
        img.at(119, y) = edge;
    }
    img.Fill(Rect(0, 157, 120, 158), edge);
    img.Fill(Rect(1, 158, 119, 159), stack);
    img.Fill(Rect(0, 159, 120, 160), edge);
    return img;
}

// The icon: a tear-off calendar with a round clock, in the 16 standard colours.

const Rgb kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                      {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                      {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                      {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

struct Icon {
    uint8_t px[32][32] = {};
    bool opaque[32][32] = {};
    void Fill(const Shape &s, uint8_t c)
    {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (s(x + 0.5, y + 0.5)) {
                    px[y][x] = c;
                    opaque[y][x] = true;
                }
    }
};

Icon DrawIcon()
{
    Icon ic;
    ic.Fill(Rect(3, 4, 26, 28), 0);
    ic.Fill(Rect(4, 5, 25, 27), 15);
    ic.Fill(Rect(4, 5, 25, 11), 9);
    ic.Fill(Rect(4, 10, 25, 11), 1);
    ic.Fill(Rect(24, 11, 25, 27), 7);
    ic.Fill(Rect(4, 26, 25, 27), 7);
    for (int x : {8, 19}) {
        ic.Fill(Rect(x, 2, x + 2, 8), 8);
        ic.Fill(Rect(x, 2, x + 1, 7), 7);
    }
    // A big "1" on the page.
    ic.Fill(Rect(12, 13, 15, 24), 9);
    ic.Fill(Rect(10, 14, 12, 16), 9);
    ic.Fill(Rect(10, 23, 17, 25), 9);
    // The clock in front, lower right.
    ic.Fill(Ellipse(23, 23, 8.6, 8.6), 0);
    ic.Fill(Ellipse(23, 23, 7.6, 7.6), 11);
    ic.Fill(Ellipse(23, 23, 6, 6), 15);
    for (Pt p : std::vector<Pt>{{23, 18}, {28, 23}, {23, 28}, {18, 23}})
        ic.Fill(Rect(p.x - 0.5, p.y - 0.5, p.x + 0.5, p.y + 0.5), 8);
    ic.Fill(Rect(22.5, 19.5, 23.5, 23.5), 0);
    ic.Fill(Rect(22.5, 22.5, 26.5, 23.5), 0);
    ic.Fill(Rect(22.5, 22.5, 23.5, 23.5), 12);
    return ic;
}

void WriteIcon(const std::string &path, const Icon &ic)
{
    std::vector<uint8_t> v;
    Put16(v, 0);
    Put16(v, 1);
    Put16(v, 1);
    const uint32_t bytes = 40 + 16 * 4 + 32 * 16 + 32 * 4;
    v.push_back(32);
    v.push_back(32);
    v.push_back(16);
    v.push_back(0);
    Put16(v, 1);
    Put16(v, 4);
    Put32(v, bytes);
    Put32(v, 22);
    InfoHeader(v, 32, 64, 4, 32 * 16 + 32 * 4, 0, 0);
    for (const Rgb &c : kVga) {
        v.push_back(c.b);
        v.push_back(c.g);
        v.push_back(c.r);
        v.push_back(0);
    }
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 2) {
            uint8_t a = ic.opaque[y][x] ? ic.px[y][x] : 0, b = ic.opaque[y][x + 1] ? ic.px[y][x + 1] : 0;
            v.push_back(uint8_t(a << 4 | b));
        }
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 8) {
            uint8_t m = 0;
            for (int k = 0; k < 8; ++k)
                if (!ic.opaque[y][x + k])
                    m |= uint8_t(0x80 >> k);
            v.push_back(m);
        }
    WriteFile(path, v);
}

// Preview: the blink as the panel shows it (steps 0 to 4), the calendar page and the icon.

void Preview(const std::string &path, const std::vector<uint8_t> &sheet, const Image &back,
             const Image &cal, const Icon &ic)
{
    const int pageX = 4 + 5 * 124 + 8, iconX = pageX + 128;
    Image out(iconX + 68, 168, {64, 64, 72});
    // Each panel copies its patch into the sheet and keys the picture on black, as the program does.
    for (int step = 0; step < kBlinkSteps; ++step) {
        std::vector<uint8_t> s = sheet;
        const int py = kPatchTop[kPatchOfStep[step]];
        for (int y = 0; y < kPatchHeight; ++y)
            for (int x = 0; x < kPatchWidth; ++x)
                s[size_t((kEyesTop + y) * kSheetWidth + kEyesLeft + x)] =
                    s[size_t((py + y) * kSheetWidth + kPatchLeft + x)];
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 120; ++x) {
                uint8_t i = s[size_t(y * kSheetWidth + x)];
                out.at(4 + step * 124 + x, 4 + y) =
                    (y < kCharacterHeight && i != cKey) ? kCharaPalette[i] : back.get(x, y);
            }
    }
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x)
            out.at(pageX + x, 4 + y) = cal.get(x, y);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (ic.opaque[y / 2][x / 2])
                out.at(iconX + x, 4 + y) = kVga[ic.px[y / 2][x / 2]];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (ic.opaque[y][x])
                out.at(iconX + x, 76 + y) = kVga[ic.px[y][x]];
    WriteBmp24(path, out.w, out.h, out.px);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen RESDIR [PREVIEW.bmp]\n");
        return 2;
    }
    std::string dir = argv[1];
    std::vector<uint8_t> sheet = BuildSheet();
    WriteBmp8(dir + "/chara.bmp", kSheetWidth, kSheetHeight, kCharaPalette, sheet);
    Image back = DrawBackground();
    WritePaletted(dir + "/back.bmp", back);
    Image cal = DrawCalendar();
    WritePaletted(dir + "/calendar.bmp", cal);
    Icon ic = DrawIcon();
    WriteIcon(dir + "/vespin.ico", ic);
    if (argc > 2)
        Preview(argv[2], sheet, back, cal, ic);
    return 0;
}
