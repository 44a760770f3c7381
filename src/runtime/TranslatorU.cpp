#include "runtime/TranslatorU.h"

#include <algorithm>

#include "Kvtr42C/Exception.h"

namespace znp {

TTranslator::TTranslator() : TTranslator(kLibraryName) {}

TTranslator::TTranslator(const std::string& libraryName) : library_(libraryName) {
    if (!library_.Loaded()) throw Exception("Load Library " + libraryName + " Error!");
    gbToBig5_ = library_.Function<TranslateTextProc>("GBtoBIG5");
    big5ToGB_ = library_.Function<TranslateTextProc>("BIG5toGB");
    getBig5Data_ = library_.Symbol("GetBIG5Data");
    getGBData_ = library_.Symbol("GetGBData");
    saveOrder_ = library_.Symbol("SaveOrder");
    if (!gbToBig5_ || !big5ToGB_) throw Exception("Get Library Procedure Address Error!");
}

TTranslator::~TTranslator() = default;

bool TTranslator::HasProcedure(const std::string& name) const {
    if (name == "GBtoBIG5") return gbToBig5_ != nullptr;
    if (name == "BIG5toGB") return big5ToGB_ != nullptr;
    if (name == "GetBIG5Data") return getBig5Data_ != nullptr;
    if (name == "GetGBData") return getGBData_ != nullptr;
    if (name == "SaveOrder") return saveOrder_ != nullptr;
    return false;
}

std::string TTranslator::Run(TranslateTextProc proc, const std::string& text) {
    if (!proc || text.empty()) return text;
    // Conversions keep the number of characters, so the input's size nearly always suffices.
    std::string out(text.size() + 16, '\0');
    std::size_t needed = proc(text.data(), text.size(), out.data(), out.size());
    if (needed > out.size()) {
        out.assign(needed, '\0');
        needed = proc(text.data(), text.size(), out.data(), out.size());
    }
    out.resize(std::min(needed, out.size()));
    return out;
}

std::string TTranslator::Big5ToGBText(const std::string& text) const { return Run(big5ToGB_, text); }
std::string TTranslator::GBToBig5Text(const std::string& text) const { return Run(gbToBig5_, text); }

}  // namespace znp
