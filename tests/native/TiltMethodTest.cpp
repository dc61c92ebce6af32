#include "TiltMethod.h"

#include <gtest/gtest.h>

TEST(TiltMethod, ByExactClassName)
{
    struct Case {
        const char* ClassName;
        TiltMethod Method;
    };
    const Case cases[] = {
        {"_WwG", TiltMethod::OwnerScroll1},
        {"paneClassDC", TiltMethod::OwnerScroll3},
        {"VISIOG", TiltMethod::OwnerScroll4},
        {"PSViewC", TiltMethod::OwnerScroll4},
        {"EditControl", TiltMethod::OwnerScroll4},
        {"FrontPageEditorDocumentView", TiltMethod::OwnerScroll5},
        {"EXCEL7", TiltMethod::ArrowClicks},
        {"AVL_AVView", TiltMethod::OwnerScroll1},
        {"OGrid", TiltMethod::OwnerScroll6},
        {"OFormSub", TiltMethod::OwnerScroll6},
        {"OPrtPrevPage", TiltMethod::OwnerScroll6},
        {"excel7", TiltMethod::Default},
        {"EXCEL", TiltMethod::Default},
        {"MozillaWindowClass", TiltMethod::Default},
        {"SysListView32", TiltMethod::Default},
        {"", TiltMethod::Default},
        {nullptr, TiltMethod::Default},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ClassName ? c.ClassName : "(null)");
        EXPECT_EQ(c.Method, TiltMethodOf(c.ClassName));
    }
}

TEST(TiltMethod, ClassPredicates)
{
    EXPECT_TRUE(IsArrowKeyClass("MozillaWindowClass"));
    EXPECT_FALSE(IsArrowKeyClass("mozillawindowclass"));
    EXPECT_TRUE(IsScrollBarClass("ScrollBar"));
    EXPECT_FALSE(IsScrollBarClass("NUIScrollbar"));
    EXPECT_TRUE(IsAnyScrollBarClass("NUIScrollbar"));
    EXPECT_TRUE(IsAnyScrollBarClass("ScrollBar"));
    EXPECT_FALSE(IsAnyScrollBarClass("scrollbar"));
    EXPECT_FALSE(IsAnyScrollBarClass(nullptr));
}
