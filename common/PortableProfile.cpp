#include "PortableProfile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "DebugLog.h"

namespace {

// Profile files are a few kilobytes; anything this large is not one of ours and is refused
// rather than read into memory.
constexpr std::uintmax_t kMaxFileSize = 64u << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Integers are read through a text buffer of this size, as the Windows function does.
constexpr uint32_t kIntBuffer = 30;

bool IsProfileSpace(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x1A;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::string_view TrimLeft(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && IsProfileSpace(static_cast<unsigned char>(s[i]))) ++i;
    return s.substr(i);
}

std::string_view TrimRight(std::string_view s)
{
    size_t n = s.size();
    while (n > 0 && IsProfileSpace(static_cast<unsigned char>(s[n - 1]))) --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

// Names and values end at an embedded NUL, as C strings do.
std::string UpToNul(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

struct Entry {
    std::string name;
    bool hasValue = false;  // false for a line without '='
    std::string value;
};

struct Section {
    std::string name;  // empty for the lines before the first header (never written as a header)
    std::vector<Entry> entries;
};

enum class LoadResult { Loaded, Missing, Failed };

// The whole file as the private-profile functions see it: every non-blank line kept in order,
// blank lines dropped, names and values trimmed.
class ProfileText {
public:
    LoadResult Load(const char* path)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::path p(path);
        fs::file_status st = fs::status(p, ec);
        if (!fs::exists(st)) {
            // A missing file in an existing folder is an empty profile; a missing folder is
            // an error, which makes reads return the default untouched.
            fs::path parent = p.parent_path();
            if (parent.empty() || fs::is_directory(parent, ec)) return LoadResult::Missing;
            return LoadResult::Failed;
        }
        if (fs::is_directory(st)) return LoadResult::Failed;
        std::uintmax_t size = fs::file_size(p, ec);
        if (ec || size > kMaxFileSize) {
            DebugLog("PortableProfile: %s is too large or unreadable, ignored\n", path);
            return LoadResult::Failed;
        }
        std::ifstream in(p, std::ios::binary);
        if (!in) return LoadResult::Failed;
        std::string bytes(static_cast<size_t>(size), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(in.gcount()));
        if (bytes.size() >= 2 && (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0)) {
            DebugLog("PortableProfile: %s is UTF-16 text, not supported\n", path);
            return LoadResult::Failed;
        }
        Parse(bytes);
        return LoadResult::Loaded;
    }

    bool Save(const char* path) const
    {
        std::string out;
        if (m_bom) out += kUtf8Bom;
        for (const Section& s : m_sections) {
            if (!s.name.empty()) out += "[" + s.name + "]\r\n";
            for (const Entry& e : s.entries) {
                out += e.name;
                if (e.hasValue) out += "=" + e.value;
                out += "\r\n";
            }
        }
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (!file) {
            DebugLog("PortableProfile: cannot write %s\n", path);
            return false;
        }
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        return static_cast<bool>(file.flush());
    }

    // The first section with the given name, then the first entry with the given key in it;
    // both are compared trimmed and without regard to ASCII case.
    Entry* Find(std::string_view section, std::string_view key)
    {
        Section* s = FindSection(section);
        if (!s) return nullptr;
        for (Entry& e : s->entries)
            if (SameName(e.name, Trim(key))) return &e;
        return nullptr;
    }

    // Like Find, but adds the section at the end of the file or the key at the end of its
    // section when missing; new names keep their trailing blanks, as the Windows functions do.
    Entry& FindOrAdd(std::string_view section, std::string_view key)
    {
        Section* s = FindSection(section);
        if (!s) {
            m_sections.push_back(Section{std::string(TrimLeft(section)), {}});
            s = &m_sections.back();
        }
        for (Entry& e : s->entries)
            if (SameName(e.name, Trim(key))) return e;
        s->entries.push_back(Entry{std::string(TrimLeft(key)), false, {}});
        return s->entries.back();
    }

private:
    Section* FindSection(std::string_view name)
    {
        for (Section& s : m_sections)
            if (SameName(s.name, Trim(name))) return &s;
        return nullptr;
    }

    void Parse(std::string_view bytes)
    {
        m_bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
        if (m_bom) bytes.remove_prefix(kUtf8Bom.size());
        m_sections.assign(1, Section{});
        bool afterNameless = false;  // the last entry kept in this section has no name
        size_t pos = 0;
        while (pos < bytes.size()) {
            size_t end = bytes.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) end = bytes.size();
            std::string_view line = Trim(bytes.substr(pos, end - pos));
            pos = end + 1;
            if (line.empty()) continue;
            if (line[0] == '[') {
                size_t close = line.rfind(']');
                if (close != std::string_view::npos && close > 0) {
                    m_sections.push_back(Section{UpToNul(Trim(line.substr(1, close - 1))), {}});
                    afterNameless = false;
                    continue;
                }
            }
            Entry e;
            std::string_view name = line;
            size_t eq = line.find('=');
            if (eq != std::string_view::npos) {
                name = TrimRight(line.substr(0, eq));
                e.hasValue = true;
                e.value = UpToNul(TrimLeft(line.substr(eq + 1)));
            }
            // Runs of nameless entries collapse into the first one.
            if (name.empty() && afterNameless) continue;
            e.name = UpToNul(name);
            afterNameless = e.name.empty();
            m_sections.back().entries.push_back(std::move(e));
        }
    }

    std::vector<Section> m_sections;
    bool m_bom = false;
};

// Copies text into buffer (size > 0), dropping one pair of matching quotes around it the way
// the Windows functions do, including their odd cut when the buffer is just big enough.
uint32_t CopyEntry(std::string_view text, char* buffer, uint32_t size)
{
    bool quoted = text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0];
    if (quoted) text.remove_prefix(1);
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    if (quoted && size >= text.size() && n > 0) --n;
    buffer[n] = '\0';
    return static_cast<uint32_t>(n);
}

// The default loses its trailing spaces (never its first character).
std::string_view TrimDefault(const char* def)
{
    std::string_view d = def ? def : "";
    size_t n = d.size();
    while (n > 1 && d[n - 1] == ' ') --n;
    return d.substr(0, n);
}

// Decimal, or binary/octal/hex after a lower-case "0b"/"0o"/"0x"; wraps modulo 2^32 and stops
// at the first character that is no digit of the base.
uint32_t ParseInteger(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool minus = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
    uint32_t base = 10;
    if (s.size() - i >= 2 && s[i] == '0') {
        char p = s[i + 1];
        base = p == 'b' ? 2 : p == 'o' ? 8 : p == 'x' ? 16 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int digit = (c >= '0' && c <= '9') ? c - '0'
                    : (c >= 'A' && c <= 'Z') ? c - 'A' + 10
                    : (c >= 'a' && c <= 'z') ? c - 'a' + 10
                                             : -1;
        if (digit < 0 || static_cast<uint32_t>(digit) >= base) break;
        total = total * base + static_cast<uint32_t>(digit);
    }
    return minus ? 0u - total : total;
}

// A struct digit: any ASCII letter or digit, letters counting from 10 (so 'G' is 16).
int StructDigit(char c)
{
    c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
}

bool StructPair(std::string_view v, size_t at, uint8_t& out)
{
    int hi = StructDigit(v[at]), lo = StructDigit(v[at + 1]);
    if (hi < 0 || lo < 0) return false;
    out = static_cast<uint8_t>(hi * 16 + lo);
    return true;
}

bool SetValue(const char* section, const char* key, std::string_view value, const char* path)
{
    ProfileText text;
    if (text.Load(path) == LoadResult::Failed) return false;
    Entry& e = text.FindOrAdd(section, key);
    value = TrimLeft(value);
    if (e.hasValue && e.value == value) return true;  // unchanged: the file is not rewritten
    e.hasValue = true;
    e.value = UpToNul(value);
    return text.Save(path);
}

}  // namespace

uint32_t PortableProfile::GetString(const char* section, const char* key, const char* def,
                                    char* buffer, uint32_t size, const char* path)
{
    if (!buffer || size == 0) return 0;
    std::string_view d = TrimDefault(def);
    if (!section || !key || !path) return CopyEntry(d, buffer, size);
    ProfileText text;
    LoadResult loaded = text.Load(path);
    if (loaded == LoadResult::Failed) {
        // A file that cannot be opened at all gives the default as is, quotes included.
        size_t n = d.size() < size - 1 ? d.size() : size - 1;
        std::memcpy(buffer, d.data(), n);
        buffer[n] = '\0';
        return static_cast<uint32_t>(n);
    }
    const Entry* e = text.Find(section, key);
    return CopyEntry(e && e->hasValue ? std::string_view(e->value) : d, buffer, size);
}

bool PortableProfile::WriteString(const char* section, const char* key, const char* value,
                                  const char* path)
{
    if (!section || !key || !value || !path) return false;
    return SetValue(section, key, value, path);
}

uint32_t PortableProfile::GetInt(const char* section, const char* key, int def, const char* path)
{
    char buffer[kIntBuffer];
    uint32_t n = GetString(section, key, "", buffer, kIntBuffer, path);
    if (n == 0) return static_cast<uint32_t>(def);
    return ParseInteger(std::string_view(buffer, n));
}

bool PortableProfile::GetStruct(const char* section, const char* key, void* buffer, uint32_t size,
                                const char* path)
{
    if (!section || !key || !path || (!buffer && size > 0)) return false;
    ProfileText text;
    if (text.Load(path) != LoadResult::Loaded) return false;
    const Entry* e = text.Find(section, key);
    if (!e || !e->hasValue) return false;
    std::string_view v = e->value;
    if (v.size() < 2 * static_cast<uint64_t>(size) + 2) {
        DebugLog("PortableProfile: [%s] %s has %lu digits, %lu bytes expected\n", section, key,
                 static_cast<unsigned long>(v.size()), static_cast<unsigned long>(size));
        return false;
    }
    // Bytes are stored as they are decoded, so a bad digit or checksum leaves the bytes
    // before it in the buffer, like the Windows function.
    auto* out = static_cast<uint8_t*>(buffer);
    uint8_t sum = 0, stored = 0;
    for (uint32_t i = 0; i < size; ++i) {
        if (!StructPair(v, 2 * size_t{i}, out[i])) {
            DebugLog("PortableProfile: [%s] %s has a bad digit\n", section, key);
            return false;
        }
        sum = static_cast<uint8_t>(sum + out[i]);
    }
    if (!StructPair(v, 2 * size_t{size}, stored) || stored != sum) {
        DebugLog("PortableProfile: [%s] %s fails its checksum\n", section, key);
        return false;
    }
    return true;
}

bool PortableProfile::WriteStruct(const char* section, const char* key, const void* buffer,
                                  uint32_t size, const char* path)
{
    if (!section || !key || !path || (!buffer && size > 0)) return false;
    static const char kHex[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * size_t{size} + 2);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    uint8_t sum = 0;
    auto put = [&](uint8_t b) {
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
    };
    for (uint32_t i = 0; i < size; ++i) {
        put(bytes[i]);
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    put(sum);
    return SetValue(section, key, hex, path);
}
