// libFuzzer target over the text utilities that read untrusted text: the token functions, the
// date and number readers and the password unscrambling. Each input is split at its first
// NUL byte into a text and a second argument (separator, mask or date type), so that the fuzzer
// varies both; every function must return without crashing, hanging or raising where it is
// documented to answer a value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/SystemInfo.h"
#include "runtime/LibStrs.h"
#include "runtime/PasswordScramble.h"

using namespace znp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto nul = input.find('\0');
    const std::string text = input.substr(0, nul);
    const std::string other = nul == std::string::npos ? std::string(";") : input.substr(nul + 1);
    const char* const codePages[] = {"936", "950", "437"};
    const std::string codePage = codePages[size % 3];

    // Tokens and searches.
    const std::string separator = other.empty() ? std::string(";") : other.substr(0, 4);
    const int count = CountTokens(text, separator, codePage);
    for (int n = 0; n <= count + 1 && n < 64; ++n) (void)GetToken(text, separator, n, codePage);
    std::string rest = text;
    for (int i = 0; i < 64 && !rest.empty(); ++i) (void)SplitFirst(rest, separator, codePage);
    (void)ReplaceText(text, separator, other.substr(0, 8), true);
    (void)PadRight(text, static_cast<int>(size % 300));

    // Dates.
    const int dateType = other.empty() ? 1 : static_cast<unsigned char>(other[0]) % 7;
    (void)ParseDateByType(text, dateType, other.size() > 1 ? other.substr(1, 1) : "/");
    (void)ParseYYYYMMDD(text);
    (void)IsValidYYYYMMDD(text);
    (void)AddToDate(Variant(text), other.substr(0, 1), static_cast<int>(size) - 100);
    (void)StrToFloatDef(text, 0);

    // Passwords as a settings file may hold them.
    std::string password, badPair;
    (void)TryUnscramblePassword(text, password, badPair);
    return 0;
}
