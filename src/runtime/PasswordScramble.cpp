#include "runtime/PasswordScramble.h"

#include "Kvtr42C/Exception.h"
#include "runtime/Logs.h"

namespace znp {

const char* const EmptyPasswordText = "EV_Azp_TpAqcrPnug_AajVeejEyhtDzDreev";
const char* const BadPasswordText = "AV_Mso_Auyvoder_Vxxpt";

namespace {

unsigned char RotateLeft(unsigned char b, unsigned n) {
    n %= 8;
    return n == 0 ? b : static_cast<unsigned char>((b << n) | (b >> (8 - n)));
}

unsigned char RotateRight(unsigned char b, unsigned n) {
    n %= 8;
    return n == 0 ? b : static_cast<unsigned char>((b >> n) | (b << (8 - n)));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ScramblePassword(const std::string& password) {
    static const char digits[] = "0123456789abcdef";
    const std::string plain = password.empty() ? EmptyPasswordText : password;
    std::string out;
    out.reserve(plain.size() * 2);
    for (size_t i = 0; i < plain.size(); ++i) {
        unsigned char b = RotateRight(static_cast<unsigned char>(plain[i]), static_cast<unsigned>(i + 1));
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

bool TryUnscramblePassword(const std::string& stored, std::string& password, std::string& badPair) {
    std::string result;
    for (size_t i = 0; i + 1 < stored.size(); i += 2) {
        int high = HexDigit(stored[i]), low = HexDigit(stored[i + 1]);
        if (high < 0 || low < 0) {
            badPair = stored.substr(i, 2);
            return false;
        }
        result += static_cast<char>(RotateLeft(static_cast<unsigned char>(high * 16 + low), static_cast<unsigned>(i / 2 + 1)));
    }
    password = result == EmptyPasswordText ? std::string() : result;
    return true;
}

std::string UnscramblePassword(const std::string& stored) {
    std::string password, badPair;
    if (TryUnscramblePassword(stored, password, badPair)) return password;
    const EConvertError failure("'$" + badPair + "' is not a valid integer value");
    ReportError(&failure, ScramblePassword("DecodeSQLSa"), "解析 Sa 时发生错误!");
    return BadPasswordText;
}

}  // namespace znp
