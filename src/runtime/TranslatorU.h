// The GB <-> Big5 translator: the run-time library "Rirodozada.dll" and its procedures.
//
// The library exports five procedures; only the two text conversions are used. Every text
// procedure has one calling convention, so that no memory crosses the library boundary:
//
//     size_t GBtoBIG5(const char* input, size_t inputLength, char* output, size_t outputSize);
//
// It converts the whole input and returns the length of the whole result; it writes at most
// OutputSize bytes of it to Output (Output may be null when OutputSize is 0). A caller whose
// buffer was too small calls again with one of the returned size.
#pragma once

#include <cstddef>
#include <string>

#include "platform/DynamicLibrary.h"

namespace znp {

using TranslateTextProc = std::size_t (*)(const char* input, std::size_t inputLength, char* output,
                                          std::size_t outputSize);

class TTranslator {
public:
    // The library's name as the system gives it; the dynamic-library service resolves it.
    static constexpr const char* kLibraryName = "Rirodozada.dll";

    // Loads the library and looks up its procedures. Raises Exception "Load Library %s Error!"
    // when the library cannot be loaded and "Get Library Procedure Address Error!" when one of
    // the two text conversions is missing.
    TTranslator();
    explicit TTranslator(const std::string& libraryName);
    ~TTranslator();
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    // A missing procedure passes the text unchanged.
    std::string Big5ToGBText(const std::string& text) const;
    std::string GBToBig5Text(const std::string& text) const;

    LibraryHandle Handle() const { return library_.Handle(); }
    bool HasProcedure(const std::string& name) const;

private:
    static std::string Run(TranslateTextProc proc, const std::string& text);

    DynamicLibrary library_;
    TranslateTextProc gbToBig5_ = nullptr;
    TranslateTextProc big5ToGB_ = nullptr;
    void* getBig5Data_ = nullptr;
    void* getGBData_ = nullptr;
    void* saveOrder_ = nullptr;
};

}  // namespace znp
