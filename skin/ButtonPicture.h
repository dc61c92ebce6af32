// Which of its four pictures a skinned button shows.
#pragma once

enum class ButtonPicture { Normal, Over, Down, Disable };

struct ButtonState {
    bool toggle;
    bool checked;
    bool selected;  // held down
    bool hover;
    bool disabled;
};

ButtonPicture ChooseButtonPicture(const ButtonState& state);
