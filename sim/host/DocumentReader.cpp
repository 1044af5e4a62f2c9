#include "sim/host/DocumentReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <vector>

namespace hostsim {
namespace {

constexpr const char* kFormatName = "Hueline document";
constexpr int kFormatVersion = 1;
constexpr qint64 kMaximumFileBytes = 16 * 1024 * 1024;
constexpr double kPercent = 100.0;

// Thrown inside the parser; the readers turn it into the error text.
struct Malformed
{
    std::string problem;
};

[[noreturn]] void Fail(const std::string& context, const std::string& problem)
{
    throw Malformed{context.empty() ? problem : context + ": " + problem};
}

std::string Quoted(const QString& text)
{
    return "\"" + text.toStdString() + "\"";
}

using Keys = std::initializer_list<const char*>;

void CheckKeys(const QJsonObject& object, Keys allowed, const std::string& context)
{
    for (auto key = object.begin(); key != object.end(); ++key)
        if (std::none_of(allowed.begin(), allowed.end(), [&](const char* name) { return key.key() == name; }))
            Fail(context, "unknown key " + Quoted(key.key()));
}

QJsonObject Object(const QJsonValue& value, const std::string& context)
{
    if (!value.isObject())
        Fail(context, "must be an object");
    return value.toObject();
}

double Number(const QJsonValue& value, const std::string& context, const char* key)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        Fail(context, std::string(key) + " must be a number");
    return value.toDouble();
}

template <std::size_t N>
std::array<double, N> Numbers(const QJsonValue& value, const std::string& context, const char* key)
{
    const QJsonArray array = value.toArray();
    std::array<double, N> numbers{};
    if (!value.isArray() || array.size() != static_cast<int>(N))
        Fail(context, std::string(key) + " must be " + std::to_string(N) + " numbers");
    for (std::size_t i = 0; i < N; ++i)
        numbers[i] = Number(array[static_cast<int>(i)], context, key);
    return numbers;
}

AIRealPoint Point(const QJsonValue& value, const std::string& context, const char* key)
{
    const auto xy = Numbers<2>(value, context, key);
    return AIRealPoint{xy[0], xy[1]};
}

std::string Text(const QJsonValue& value, const std::string& context, const char* key)
{
    if (!value.isString())
        Fail(context, std::string(key) + " must be a string");
    return value.toString().toStdString();
}

QJsonArray List(const QJsonValue& value, const std::string& context)
{
    if (!value.isUndefined() && !value.isArray())
        Fail(context, "must be a list");
    return value.toArray();
}

ColorModel ReadColorModel(const QJsonValue& value)
{
    if (value == QLatin1String("CMYK"))
        return ColorModel::CMYK;
    if (value == QLatin1String("RGB"))
        return ColorModel::RGB;
    Fail("colorModel", "must be \"CMYK\" or \"RGB\"");
}

Page ReadPage(const QJsonValue& value)
{
    const std::string context = "page";
    const QJsonObject object = Object(value, context);
    CheckKeys(object, {"width", "height", "origin"}, context);
    Page page;
    page.width = Number(object["width"], context, "width");
    page.height = Number(object["height"], context, "height");
    if (!(page.width > 0.0 && page.width <= kCoordinateLimit && page.height > 0.0 && page.height <= kCoordinateLimit))
        Fail(context, "width and height must be above 0 and at most 16383 points");
    if (object.contains("origin"))
        page.origin = Point(object["origin"], context, "origin");
    if (std::fabs(page.origin.h) > kCoordinateLimit || std::fabs(page.origin.v) > kCoordinateLimit)
        Fail(context, "origin lies outside the canvas");
    return page;
}

bool HasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

struct AppearanceRow
{
    const char* key;
    AppearanceSpace space;
    double minimum[3];
    double maximum[3];
    const char* rangeText;
};

constexpr AppearanceRow kAppearances[] = {
    {"rgb", AppearanceSpace::RGB, {0, 0, 0}, {255, 255, 255}, "rgb values must be between 0 and 255"},
    {"lab", AppearanceSpace::Lab, {0, -128, -128}, {100, 127, 127},
     "lab needs L between 0 and 100, a and b between -128 and 127"},
};

void ReadAppearance(const QJsonObject& object, Ink& ink, const std::string& context)
{
    const AppearanceRow* found = nullptr;
    for (const AppearanceRow& row : kAppearances) {
        if (!object.contains(row.key))
            continue;
        if (found)
            Fail(context, "needs exactly one of rgb and lab");
        found = &row;
    }
    if (!found)
        Fail(context, "needs exactly one of rgb and lab");
    ink.space = found->space;
    ink.appearance = Numbers<3>(object[found->key], context, found->key);
    for (std::size_t i = 0; i < 3; ++i)
        if (ink.appearance[i] < found->minimum[i] || ink.appearance[i] > found->maximum[i])
            Fail(context, found->rangeText);
}

void ReadSpotInk(const QJsonValue& value, const std::string& context, DocumentContent& content)
{
    const QJsonObject object = Object(value, context);
    CheckKeys(object, {"name", "rgb", "lab"}, context);
    Ink ink;
    ink.name = Text(object["name"], context, "name");
    if (ink.name.empty() || ink.name.size() > kMaximumInkNameBytes || HasControlCharacter(ink.name))
        Fail(context, "name must be 1 to 255 bytes without control characters");
    const int existing = content.FindInk(ink.name);
    if (existing >= 0)
        Fail(context, "\"" + ink.name + (content.inks[existing].process ? "\" is a process ink" : "\" is named twice"));
    ReadAppearance(object, ink, context);
    content.inks.push_back(std::move(ink));
}

std::vector<HostSimInkTint> ReadPaint(const QJsonValue& value, const DocumentContent& content,
                                      const std::string& context, const char* key)
{
    const QJsonObject object = Object(value, context + ": " + key);
    if (object.isEmpty())
        Fail(context, std::string(key) + " names no ink");
    std::vector<HostSimInkTint> paint;
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        const int ink = content.FindInk(entry.key().toStdString());
        if (ink < 0)
            Fail(context, "unknown ink " + Quoted(entry.key()));
        paint.push_back(HostSimInkTint{ink, Number(entry.value(), context, "a tint") / kPercent});
    }
    return paint;
}

void ReadStroke(const QJsonValue& value, const DocumentContent& content, const std::string& context, ArtworkItem& item)
{
    const QJsonObject object = Object(value, context + ": stroke");
    CheckKeys(object, {"width", "inks"}, context + ": stroke");
    item.strokeWidth = Number(object["width"], context, "stroke width");
    item.stroke = ReadPaint(object["inks"], content, context, "stroke inks");
}

void ReadShape(const QJsonObject& object, const std::string& context, ArtworkItem& item)
{
    const auto bounds = Numbers<4>(object["bounds"], context, "bounds");
    item.bounds = AIRealRect{bounds[0], bounds[1], bounds[2], bounds[3]};
}

void ReadPath(const QJsonObject& object, const std::string& context, ArtworkItem& item)
{
    const QJsonValue points = object["points"];
    if (!points.isArray())
        Fail(context, "points must be a list of [x, y] pairs");
    for (const QJsonValue& point : points.toArray())
        item.points.push_back(Point(point, context, "each point"));
    const QJsonValue closed = object["closed"];
    if (!closed.isUndefined() && !closed.isBool())
        Fail(context, "closed must be true or false");
    item.closed = closed.toBool(true);
}

void ReadText(const QJsonObject& object, const std::string& context, ArtworkItem& item)
{
    item.baseline = Point(object["at"], context, "at");
    item.fontSize = Number(object["size"], context, "size");
    item.text = Text(object["text"], context, "text");
    item.font = object.contains("font") ? Text(object["font"], context, "font") : "DejaVu Sans";
}

struct KindRow
{
    const char* type;
    ArtworkKind kind;
    Keys keys;
    void (*read)(const QJsonObject&, const std::string&, ArtworkItem&);
};

const KindRow kKinds[] = {
    {"rectangle", ArtworkKind::Rectangle, {"type", "bounds", "fill", "stroke"}, ReadShape},
    {"ellipse", ArtworkKind::Ellipse, {"type", "bounds", "fill", "stroke"}, ReadShape},
    {"path", ArtworkKind::Path, {"type", "points", "closed", "fill", "stroke"}, ReadPath},
    {"text", ArtworkKind::Text, {"type", "at", "size", "font", "text", "fill"}, ReadText},
};

ArtworkItem ReadArtwork(const QJsonValue& value, const std::string& context, const DocumentContent& content)
{
    const QJsonObject object = Object(value, context);
    const QJsonValue type = object["type"];
    const auto row = std::find_if(std::begin(kKinds), std::end(kKinds),
                                  [&](const KindRow& candidate) { return type == QLatin1String(candidate.type); });
    if (row == std::end(kKinds))
        Fail(context, type.isString() ? "unknown type " + Quoted(type.toString())
                                      : std::string("type must be rectangle, ellipse, path or text"));
    CheckKeys(object, row->keys, context);
    ArtworkItem item;
    item.kind = row->kind;
    row->read(object, context, item);
    if (object.contains("fill"))
        item.fill = ReadPaint(object["fill"], content, context, "fill");
    if (object.contains("stroke"))
        ReadStroke(object["stroke"], content, context, item);
    const std::string problem = ArtworkProblem(item, static_cast<int>(content.inks.size()));
    if (!problem.empty())
        Fail(context, problem);
    return item;
}

DocumentContent ReadContent(const QJsonObject& root)
{
    if (root["format"] != QLatin1String(kFormatName))
        Fail({}, std::string("not a ") + kFormatName + " (\"format\" must be \"" + kFormatName + "\")");
    if (root["version"] != kFormatVersion)
        Fail({}, "unsupported version (this host reads version 1)");
    CheckKeys(root, {"format", "version", "colorModel", "page", "inks", "artwork"}, {});

    DocumentContent content;
    content.colorModel = ReadColorModel(root["colorModel"]);
    content.page = ReadPage(root["page"]);
    content.inks = ProcessInks(content.colorModel);
    const QJsonArray inks = List(root["inks"], "inks");
    for (int i = 0; i < inks.size(); ++i)
        ReadSpotInk(inks[i], "ink " + std::to_string(i + 1), content);
    const QJsonArray artwork = List(root["artwork"], "artwork");
    for (int i = 0; i < artwork.size(); ++i)
        content.artwork.push_back(ReadArtwork(artwork[i], "artwork " + std::to_string(i + 1), content));
    return content;
}

// "line L, column C" of a byte offset into the text.
std::string Position(const std::string& text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
    const std::size_t lineStart = offset == 0 ? std::string::npos : text.rfind('\n', offset - 1);
    const std::size_t column = lineStart == std::string::npos ? offset + 1 : offset - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string SyntaxError(const std::string& text, const QJsonParseError& parse)
{
    return Position(text, static_cast<std::size_t>(std::max(parse.offset, 0))) + ": " + parse.errorString().toStdString();
}

// Deeper than Qt's parser nests; it refuses such text itself.
constexpr std::size_t kDeepestNesting = 1024;

struct Nesting
{
    bool object;
    bool expectingKey;
    std::set<QString> keys;
};

// A quoted key as its text, escapes resolved.
QString KeyName(const std::string& quoted)
{
    if (quoted.find('\\') == std::string::npos)
        return QString::fromStdString(quoted.substr(1, quoted.size() - 2));
    const QJsonArray decoded = QJsonDocument::fromJson(QByteArray::fromStdString("[" + quoted + "]")).array();
    return decoded.isEmpty() ? QString::fromStdString(quoted) : decoded.first().toString();
}

// Qt's parser keeps only the last value of a key an object names twice (and leaks the others), so
// the text is checked before Qt reads it. Throws with the position of the second naming.
void RefuseRepeatedKeys(const std::string& text)
{
    std::vector<Nesting> levels;
    for (std::size_t i = 0; i < text.size() && levels.size() <= kDeepestNesting; ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t start = i;
            for (++i; i < text.size() && text[i] != '"'; ++i)
                i += text[i] == '\\' ? 1 : 0;
            if (levels.empty() || !levels.back().expectingKey)
                continue;
            levels.back().expectingKey = false;
            const QString key = KeyName(text.substr(start, i + 1 - start));
            if (!levels.back().keys.insert(key).second)
                Fail({}, Position(text, start) + ": " + Quoted(key) + " is given twice");
        } else if (c == '{' || c == '[') {
            levels.push_back(Nesting{c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().expectingKey = levels.back().object;
        }
    }
}

}  // namespace

std::optional<DocumentContent> ParseDocument(const std::string& text, const std::string& fileName, std::string& error)
{
    try {
        RefuseRepeatedKeys(text);
        QJsonParseError parse{};
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parse);
        if (parse.error != QJsonParseError::NoError)
            Fail({}, SyntaxError(text, parse));
        if (!json.isObject())
            Fail({}, std::string("not a ") + kFormatName + " (the file must hold one JSON object)");
        return ReadContent(json.object());
    } catch (const Malformed& malformed) {
        error = fileName + ": " + malformed.problem;
        return std::nullopt;
    }
}

std::optional<DocumentContent> ReadDocument(const std::string& path, std::string& error)
{
    const std::string fileName = std::filesystem::path(path).filename().string();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = fileName + ": cannot be opened (" + file.errorString().toStdString() + ")";
        return std::nullopt;
    }
    if (file.size() > kMaximumFileBytes) {
        error = fileName + ": larger than 16 MB";
        return std::nullopt;
    }
    return ParseDocument(file.readAll().toStdString(), fileName, error);
}

}  // namespace hostsim
