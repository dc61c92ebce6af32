#include "SkinControlPos.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

void CopyCut(char* target, unsigned size, std::string_view text)
{
    const size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(target, text.data(), n);
    target[n] = '\0';
}

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

int32_t Saturate(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// One "%d" conversion: optional blanks, optional sign, at least one digit. Saturates instead
// of overflowing, so an absurd number gives a huge rectangle rather than undefined behaviour.
bool ReadInt(std::string_view& text, int32_t& out)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t digits = i;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{1} << 40);
    if (i == digits) return false;
    out = Saturate(negative ? -value : value);
    text.remove_prefix(i);
    return true;
}

}  // namespace

SkinControlPos ParseButtonPos(std::string_view value)
{
    SkinControlPos pos;
    const size_t comma = value.find(',');
    CopyCut(pos.name, SkinControlPos::kNameSize, value.substr(0, comma));
    if (comma == std::string_view::npos) return pos;
    const std::string_view rest = value.substr(comma + 1);

    // Fields after the first one that cannot be read stay 0, like a scanf that stops early.
    int32_t fields[4] = {};
    std::string_view cursor = rest;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (cursor.empty() || cursor.front() != ',') break;
            cursor.remove_prefix(1);
        }
        if (!ReadInt(cursor, fields[i])) break;
    }
    pos.rect.left = fields[0];
    pos.rect.top = fields[1];
    pos.rect.right = Saturate(int64_t{fields[0]} + fields[2]);
    pos.rect.bottom = Saturate(int64_t{fields[1]} + fields[3]);

    const size_t last = rest.rfind(',');
    CopyCut(pos.tooltip, SkinControlPos::kTooltipSize, Trim(last == std::string_view::npos ? rest : rest.substr(last + 1)));
    return pos;
}
