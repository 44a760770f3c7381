#include "controls/ExtPageControl.h"

namespace znp {

const ClassInfo& TExtPageControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TExtPageControl", &TPageControl::StaticClass());
        c.Creatable<TExtPageControl>();
        return c;
    }();
    return info;
}

}  // namespace znp
