#include "ButtonPicture.h"

ButtonPicture ChooseButtonPicture(const ButtonState& s)
{
    if (s.toggle) {
        if (s.disabled) return ButtonPicture::Disable;
        if (s.checked) return ButtonPicture::Down;
        if (s.hover) return ButtonPicture::Over;
        return ButtonPicture::Normal;
    }
    // A checked push button looks pressed, unless it is disabled.
    if (s.checked && !s.disabled) return ButtonPicture::Down;
    if (s.selected) return ButtonPicture::Down;
    if (s.hover) return ButtonPicture::Over;
    if (s.disabled) return ButtonPicture::Disable;
    return ButtonPicture::Normal;
}
