// The arithmetic of the two spin boxes and the number filter of the skinned edit box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace SpinMath {

// step * ((a + step / 2) / step), truncating toward zero; a step of 0 or less leaves a.
int Snap(int a, int step);
// Characters the number box needs: the digits of the maximum, one more for a negative minimum.
int DigitLimit(int minimum, int maximum);
// The box text read as a decimal number after its leading blanks; 0 when there is none.
int ReadNumber(std::string_view text);
// The Return rule: everything before the first of "-+123456789" dropped, the rest read.
int ReadNumberOnReturn(std::string_view text);

// What a change of the spin edit's box leads to: the value to post, and the text the box
// must show instead when the snapped and limited value differs from what was typed.
struct EditOutcome {
    int value;
    std::optional<int> show;
};
EditOutcome OnEditChange(std::string_view text, int step, int minimum, int maximum);
// Up and down arrows of the spin edit: the value the box shows next, or nothing.
std::optional<int> EditUp(int current, int step, int minimum, int maximum);
std::optional<int> EditDown(int current, int step, int minimum, int maximum);

// Virtual keys the number filter lets through: main-keyboard digits, BackSpace, Return,
// End, Home, Left, Right, Delete, comma and period.
bool IsNumberFilterKey(unsigned virtualKey);
// Only digits, "," and "." in their order.
std::string KeepNumberCharacters(std::string_view text);

}  // namespace SpinMath
