#pragma once

// A seeded document of many objects for measuring real-sized artwork: an A4 CMYK page with two
// spot inks, and N items taking turns as a filled rectangle, a filled and stroked ellipse, a
// filled triangle, a stroked open path and a small text item, 2 to 40 points across, placed at
// random; each paint is one or two inks. The same N and seed give the same document.

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

namespace large_document {

constexpr double kPageWidth = 595.276;   // points
constexpr double kPageHeight = 841.89;   // points

// Uniform in [low, high) from the generator's bits, the same on every standard library.
inline double Uniform(std::mt19937_64& random, double low, double high)
{
    return low + (high - low) * static_cast<double>(random() >> 11) / static_cast<double>(std::uint64_t{1} << 53);
}

inline std::string Paint(std::mt19937_64& random)
{
    static const char* const kInks[] = {"Cyan", "Magenta", "Yellow", "Black", "PANTONE 186 C", "PANTONE 349 C"};
    const std::size_t first = random() % 6;
    std::ostringstream paint;
    paint << "{\"" << kInks[first] << "\": " << 1 + random() % 100;
    if (random() % 2)
        paint << ", \"" << kInks[(first + 1 + random() % 5) % 6] << "\": " << 1 + random() % 100;
    paint << "}";
    return paint.str();
}

// The document as its file holds it (docs/documents.md).
inline std::string Json(int objects, std::uint64_t seed)
{
    static const char* const kWords[] = {"Orchard", "Gold", "Batch 7", "250 g", "Best before", "Crème"};
    std::mt19937_64 random(seed);
    std::ostringstream json;
    json.precision(6);
    json << "{\"format\": \"Hueline document\", \"version\": 1, \"colorModel\": \"CMYK\",\n"
         << "\"page\": {\"width\": " << kPageWidth << ", \"height\": " << kPageHeight << "},\n"
         << "\"inks\": [{\"name\": \"PANTONE 186 C\", \"lab\": [43, 68, 38]},"
         << " {\"name\": \"PANTONE 349 C\", \"lab\": [39, -42, 22]}],\n\"artwork\": [\n";
    for (int i = 0; i < objects; ++i) {
        const double size = Uniform(random, 2.0, 40.0);
        const double x = Uniform(random, 0.0, kPageWidth - size);
        const double y = Uniform(random, 0.0, kPageHeight - size);
        json << (i ? ",\n" : "");
        switch (i % 5) {
        case 0:
            json << "{\"type\": \"rectangle\", \"bounds\": [" << x << ", " << y + size << ", " << x + size << ", " << y
                 << "], \"fill\": " << Paint(random) << "}";
            break;
        case 1:
            json << "{\"type\": \"ellipse\", \"bounds\": [" << x << ", " << y + size << ", " << x + size << ", " << y
                 << "], \"fill\": " << Paint(random) << ", \"stroke\": {\"width\": " << Uniform(random, 0.1, 2.0)
                 << ", \"inks\": " << Paint(random) << "}}";
            break;
        case 2:
            json << "{\"type\": \"path\", \"points\": [[" << x << ", " << y << "], [" << x + size << ", " << y << "], ["
                 << x + size / 2 << ", " << y + size << "]], \"fill\": " << Paint(random) << "}";
            break;
        case 3:
            json << "{\"type\": \"path\", \"closed\": false, \"points\": [[" << x << ", " << y << "], [" << x + size
                 << ", " << y + size / 3 << "], [" << x << ", " << y + size << "]], \"stroke\": {\"width\": "
                 << Uniform(random, 0.1, 2.0) << ", \"inks\": " << Paint(random) << "}}";
            break;
        default:
            json << "{\"type\": \"text\", \"at\": [" << x << ", " << y << "], \"size\": " << Uniform(random, 3.0, 12.0)
                 << ", \"text\": \"" << kWords[random() % 6] << "\", \"fill\": " << Paint(random) << "}";
            break;
        }
    }
    json << "\n]}\n";
    return json.str();
}

}  // namespace large_document
