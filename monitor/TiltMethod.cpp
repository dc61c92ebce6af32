#include "TiltMethod.h"

#include <cstring>

namespace {

struct ClassMethod {
    const char* ClassName;
    TiltMethod Method;
};

constexpr ClassMethod kMethods[] = {
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
};

bool Is(const char* className, const char* name) { return className && std::strcmp(className, name) == 0; }

}  // namespace

TiltMethod TiltMethodOf(const char* className)
{
    for (const ClassMethod& m : kMethods)
        if (Is(className, m.ClassName)) return m.Method;
    return TiltMethod::Default;
}

bool ScrollsBarOwner(TiltMethod method) { return method != TiltMethod::Default && method != TiltMethod::ArrowClicks; }

bool IsArrowKeyClass(const char* className) { return Is(className, "MozillaWindowClass"); }
bool IsScrollBarClass(const char* className) { return Is(className, "ScrollBar"); }
bool IsAnyScrollBarClass(const char* className) { return Is(className, "ScrollBar") || Is(className, "NUIScrollbar"); }
