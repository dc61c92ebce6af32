#include <gtest/gtest.h>

#include "ButtonPicture.h"

namespace {

TEST(ButtonPicture, TableOfStates)
{
    using P = ButtonPicture;
    struct Case {
        ButtonState state;  // toggle, checked, selected, hover, disabled
        P picture;
    };
    const Case cases[] = {
        {{false, false, false, false, false}, P::Normal},
        {{false, false, false, true, false}, P::Over},
        {{false, false, true, true, false}, P::Down},
        {{false, true, false, false, false}, P::Down},     // checked push button, mouse elsewhere
        {{false, true, false, false, true}, P::Disable},   // checked and disabled
        {{false, false, false, false, true}, P::Disable},
        {{false, false, false, true, true}, P::Over},      // hover is tried before disabled
        {{true, true, false, false, true}, P::Disable},    // disabled toggle, whatever its state
        {{true, false, false, true, false}, P::Over},
        {{true, true, false, true, false}, P::Down},       // hovering a checked toggle
        {{true, false, true, false, false}, P::Normal},    // a held toggle shows its state only
        {{true, false, false, false, false}, P::Normal},
    };
    for (const Case& c : cases) {
        const ButtonState& s = c.state;
        SCOPED_TRACE(testing::Message() << "toggle " << s.toggle << " checked " << s.checked << " selected "
                                        << s.selected << " hover " << s.hover << " disabled " << s.disabled);
        EXPECT_EQ(ChooseButtonPicture(s), c.picture);
    }
}

}  // namespace
