#include "SpinMath.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace SpinMath {

namespace {

int Saturate(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int Limit(int64_t v, int minimum, int maximum) { return Saturate(std::max<int64_t>(std::min<int64_t>(v, maximum), minimum)); }

// atoi without its undefined overflow: sign, digits, stop at the first other character.
int ReadDecimal(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{1} << 40);
    return Saturate(negative ? -value : value);
}

}  // namespace

int Snap(int a, int step)
{
    if (step <= 0) return a;
    return Saturate(int64_t{step} * ((int64_t{a} + step / 2) / step));
}

int DigitLimit(int minimum, int maximum)
{
    int digits = 1;
    for (int64_t m = std::abs(int64_t{maximum}); m >= 10; m /= 10) ++digits;
    return digits + (minimum < 0 ? 1 : 0);
}

int ReadNumber(std::string_view text)
{
    const size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? 0 : ReadDecimal(text.substr(start));
}

int ReadNumberOnReturn(std::string_view text)
{
    const size_t start = text.find_first_of("-+123456789");
    return start == std::string_view::npos ? 0 : ReadDecimal(text.substr(start));
}

EditOutcome OnEditChange(std::string_view text, int step, int minimum, int maximum)
{
    const int a = ReadNumber(text);
    const int value = Limit(Snap(a, step), minimum, maximum);
    return {value, value != a ? std::optional<int>(value) : std::nullopt};
}

std::optional<int> EditUp(int current, int step, int minimum, int maximum)
{
    if (current > maximum) return std::nullopt;
    const int64_t a = std::max<int64_t>(std::min<int64_t>(int64_t{current} + step, maximum), minimum);
    return Snap(Saturate(a), step);
}

std::optional<int> EditDown(int current, int step, int minimum, int maximum)
{
    if (current < minimum) return std::nullopt;
    const int64_t a = std::min<int64_t>(std::max<int64_t>(int64_t{current} - step, minimum), maximum);
    return Snap(Saturate(a), step);
}

bool IsNumberFilterKey(unsigned vk)
{
    return (vk >= '0' && vk <= '9') || vk == 8 || vk == 13 || vk == 35 || vk == 36 || vk == 37 || vk == 39 ||
           vk == 46 || vk == 188 || vk == 190;
}

std::string KeepNumberCharacters(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if ((c >= '0' && c <= '9') || c == ',' || c == '.') kept += c;
    return kept;
}

}  // namespace SpinMath
