#include "SkinGenerator.h"

#include "BmpWriter.h"
#include "CIniFile.h"
#include "DebugLog.h"
#include "FileBytes.h"
#include "JpegWriter.h"
#include "LayoutParser.h"
#include "SkinPainter.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr SkinState kStates[4] = {SkinState::Normal, SkinState::Over, SkinState::Down, SkinState::Disable};
constexpr const char* kScreenKeys[5] = {"Mask", "Normal", "Over", "Down", "Disable"};
constexpr const char* kRecordStates[3] = {"normal", "over", "down"};

std::string Join(const std::string& dir, const std::string& name) { return (fs::path(dir) / name).string(); }

// The names of every file a layout writes, for the check that no two layouts collide.
std::vector<std::string> OutputNames(const SkinLayout& l)
{
    std::vector<std::string> names = SkinGenerator::ScreenPictures(l);
    names.push_back(l.iniName);
    for (const ExtraPicture& e : l.extras) {
        if (e.kind == ExtraKind::RecordStart || e.kind == ExtraKind::RecordStop) {
            for (const char* s : kRecordStates) names.push_back(e.file + "_" + s + ".jpg");
        } else {
            names.push_back(e.file);
        }
    }
    return names;
}

bool WriteExtra(const SkinLayout& l, const ExtraPicture& e, const std::string& outDir)
{
    switch (e.kind) {
    case ExtraKind::ThumbDown:
    case ExtraKind::ThumbUp:
        return BmpWriter::Write(SkinPainter::PaintThumb(e.kind == ExtraKind::ThumbDown), Join(outDir, e.file));
    case ExtraKind::RowMask: {
        const SkinRect& r = l.Find(e.key)->rect;
        return BmpWriter::Write(SkinPainter::PaintRowMask(r.w, r.h), Join(outDir, e.file));
    }
    case ExtraKind::RecordStart:
    case ExtraKind::RecordStop: {
        const SkinControl* c = l.Find(e.key);
        const std::string& label = e.label.empty() ? c->label : e.label;
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            RgbImage image = SkinPainter::PaintRecordButton(c->rect.w, c->rect.h, label,
                                                            e.kind == ExtraKind::RecordStop, kStates[i]);
            ok = JpegWriter::Write(image, Join(outDir, e.file + "_" + kRecordStates[i] + ".jpg"),
                                   SkinGenerator::kJpegQuality) && ok;
        }
        return ok;
    }
    }
    return false;
}

}  // namespace

std::string SkinGenerator::ButtonPosValue(const SkinControl& c)
{
    const SkinRect r = c.kind == ControlKind::Hidden ? SkinRect{} : c.rect;
    return c.name + "," + std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.w) +
           "," + std::to_string(r.h) + "," + c.tooltip;
}

std::vector<std::string> SkinGenerator::ScreenPictures(const SkinLayout& l)
{
    const std::string& p = l.picturePrefix;
    const std::string ext = l.lossless ? ".bmp" : ".jpg";
    return {p + "_mask.bmp", p + "_normal" + ext, p + "_over" + ext, p + "_down" + ext, p + "_disable" + ext};
}

bool SkinGenerator::Generate(const SkinLayout& l, const std::string& outDir)
{
    const std::vector<std::string> pictures = ScreenPictures(l);
    bool ok = BmpWriter::Write(SkinPainter::PaintMask(l), Join(outDir, pictures[0]));
    for (int i = 0; i < 4; ++i) {
        const RgbImage image = SkinPainter::Paint(l, kStates[i]);
        const std::string path = Join(outDir, pictures[i + 1]);
        ok = (l.lossless ? BmpWriter::Write(image, path) : JpegWriter::Write(image, path, kJpegQuality)) && ok;
    }
    for (const ExtraPicture& e : l.extras) ok = WriteExtra(l, e, outDir) && ok;

    // Written key by key through the same INI functions the program reads them with, so the
    // file has exactly their form.
    const std::string iniPath = Join(outDir, l.iniName);
    std::error_code ec;
    fs::remove(iniPath, ec);
    const CIniFile ini(iniPath);
    for (int i = 0; i < 5; ++i) ok = ini.SetString("SCREEN", kScreenKeys[i], pictures[i].c_str()) && ok;
    for (const SkinControl& c : l.controls)
        ok = ini.SetString("BUTTONPOS", std::to_string(c.key).c_str(), ButtonPosValue(c).c_str()) && ok;
    if (!ok) DebugLog("skingen: writing the skin of %s failed\n", l.source.c_str());
    return ok;
}

bool SkinGenerator::GenerateAll(const std::string& layoutDir, const std::string& outDir,
                                std::vector<std::string>& errors)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(layoutDir, ec))
        if (entry.path().extension() == ".layout") files.push_back(entry.path());
    if (ec || files.empty()) {
        errors.push_back(layoutDir + ": no layout files (" + (ec ? ec.message() : "none found") + ")");
        return false;
    }
    std::sort(files.begin(), files.end());

    std::vector<SkinLayout> layouts;
    std::map<std::string, std::string> writtenBy;
    for (const fs::path& file : files) {
        std::string text;
        if (!FileBytes::ReadText(file.string(), text)) {
            errors.push_back(file.filename().string() + ": cannot be read");
            continue;
        }
        LayoutParseResult parsed = LayoutParser::Parse(text, file.filename().string());
        errors.insert(errors.end(), parsed.errors.begin(), parsed.errors.end());
        if (!parsed.Ok()) continue;
        for (const std::string& name : OutputNames(parsed.layout)) {
            auto [it, fresh] = writtenBy.emplace(name, parsed.layout.source);
            if (!fresh) errors.push_back(parsed.layout.source + ": writes " + name + ", as " + it->second + " does");
        }
        layouts.push_back(std::move(parsed.layout));
    }
    if (!errors.empty()) return false;

    fs::create_directories(outDir, ec);
    if (ec) {
        errors.push_back(outDir + ": " + ec.message());
        return false;
    }
    bool ok = true;
    for (const SkinLayout& l : layouts) {
        if (!Generate(l, outDir)) {
            errors.push_back(l.source + ": writing into " + outDir + " failed");
            ok = false;
        }
    }
    return ok;
}
