#include "Kvtr42C/Variant.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <algorithm>
#include <string_view>

#include "Kvtr42C/Automation.h"

namespace znp {

namespace {

std::string g_codePage = "936";

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool ParseInteger(std::string_view text, std::int64_t& out) {
    text = Trim(text);
    if (text.empty()) return false;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || ptr != text.data() + text.size()) return false;
    out = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    return true;
}

// Numbers in texts use "." whatever the machine's locale, so that what one machine writes
// another reads.
bool ParseDouble(std::string_view text, double& out) {
    text = Trim(text);
    if (text.empty()) return false;
    if (text.front() == '+') text.remove_prefix(1);
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

std::string FormatDouble(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    std::string s = buf;
    // The platform writes exponents without "+" and leading zeros: 1.5E20, 1E-5.
    auto e = s.find('E');
    if (e != std::string::npos) {
        std::string mantissa = s.substr(0, e);
        std::string exponent = s.substr(e + 1);
        bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
        while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
        s = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return s;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Days between 1970-01-01 and the OLE epoch 1899-12-30.
constexpr std::int64_t kOleEpochOffset = 25569;

std::string FormatDate(double date) {
    double whole = std::floor(date);
    int y, m, d;
    CivilFromDays(static_cast<std::int64_t>(whole) - kOleEpochOffset, y, m, d);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, m, d);
    std::string s = buf;
    double frac = date - whole;
    if (frac > 0) {
        long seconds = std::lround(frac * 86400.0);
        if (seconds >= 86400) seconds = 86399;
        std::snprintf(buf, sizeof buf, " %02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
        s += buf;
    }
    return s;
}

// "yyyy/mm/dd" or "yyyy-mm-dd", optionally followed by "hh:nn[:ss]".
bool ParseDate(std::string_view text, double& out) {
    text = Trim(text);
    int y = 0, m = 0, d = 0, hh = 0, nn = 0, ss = 0;
    std::string s(text);
    char sep1 = 0, sep2 = 0;
    int consumed = 0;
    if (std::sscanf(s.c_str(), "%d%c%d%c%d%n", &y, &sep1, &m, &sep2, &d, &consumed) != 5) return false;
    if (sep1 != sep2 || (sep1 != '/' && sep1 != '-' && sep1 != '.')) return false;
    std::string rest(s.substr(consumed));
    if (!Trim(rest).empty()) {
        int n = std::sscanf(rest.c_str(), " %d:%d:%d", &hh, &nn, &ss);
        if (n < 2) return false;
    }
    if (m < 1 || m > 12 || d < 1 || d > 31 || hh > 23 || nn > 59 || ss > 59) return false;
    std::int64_t days = DaysFromCivil(y, m, d);
    int cy, cm, cd;
    CivilFromDays(days, cy, cm, cd);
    if (cd != d) return false;
    out = static_cast<double>(days + kOleEpochOffset) + (hh * 3600 + nn * 60 + ss) / 86400.0;
    return true;
}

// Round half to even, as the platform rounds a floating value into an integer.
std::int64_t BankersRound(double v) { return static_cast<std::int64_t>(std::nearbyint(v)); }

}  // namespace

void SetVariantCodePage(const std::string& codePage) { g_codePage = codePage; }
std::string VariantCodePage() { return g_codePage; }

Variant::Variant(AutomationRef obj) : type_(VarType::Dispatch), obj_(std::move(obj)) {}

Variant::Variant(const Variant& other)
    : type_(other.type_), int_(other.int_), dbl_(other.dbl_), str_(other.str_), wstr_(other.wstr_), obj_(other.obj_) {
    if (other.arr_) arr_ = std::make_unique<VariantArray>(*other.arr_);
}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant::~Variant() = default;

Variant Variant::Null() {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::FromDate(double date) {
    Variant v;
    v.type_ = VarType::Date;
    v.dbl_ = date;
    return v;
}

Variant Variant::Array(int low, int high) { return Array(std::vector<ArrayBound>{{low, high}}); }

Variant Variant::Array(std::vector<ArrayBound> bounds) {
    if (bounds.empty() || bounds.size() > 2) throw EVariantError("Variant array of 1 or 2 dimensions expected");
    size_t count = 1;
    for (const auto& b : bounds) {
        if (b.High < b.Low - 1) throw EVariantError("Invalid variant array bounds");
        count *= static_cast<size_t>(b.Count());
    }
    Variant v;
    v.type_ = VarType::Array;
    v.arr_ = std::make_unique<VariantArray>();
    v.arr_->Bounds = std::move(bounds);
    v.arr_->Items.resize(count);
    return v;
}

Variant Variant::ArrayOf(std::initializer_list<Variant> items) { return ArrayOf(std::vector<Variant>(items)); }

Variant Variant::ArrayOf(std::vector<Variant> items) {
    Variant v = Array(0, static_cast<int>(items.size()) - 1);
    v.arr_->Items = std::move(items);
    return v;
}

bool Variant::IsNumeric() const {
    switch (type_) {
        case VarType::Integer:
        case VarType::Int64:
        case VarType::Double:
        case VarType::Boolean:
            return true;
        default:
            return false;
    }
}

std::string Variant::TypeName() const {
    switch (type_) {
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::Integer: return "Integer";
        case VarType::Int64: return "Int64";
        case VarType::Double: return "Double";
        case VarType::Date: return "Date";
        case VarType::OleStr: return "OleStr";
        case VarType::Dispatch: return "Dispatch";
        case VarType::Boolean: return "Boolean";
        case VarType::String: return "String";
        case VarType::Array: return "Array Variant";
    }
    return "Unknown";
}

void Variant::CannotConvert(const char* to) const {
    throw EVariantError("Could not convert variant of type (" + TypeName() + ") into type (" + to + ")");
}

std::int64_t Variant::AsInt64() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::Integer:
        case VarType::Int64: return int_;
        case VarType::Boolean: return int_ ? -1 : 0;
        case VarType::Double:
        case VarType::Date: return BankersRound(dbl_);
        case VarType::String:
        case VarType::OleStr: {
            std::string text = AsString();
            std::int64_t i;
            if (ParseInteger(text, i)) return i;
            double d;
            if (ParseDouble(text, d)) return BankersRound(d);
            CannotConvert("Integer");
        }
        default: CannotConvert("Integer");
    }
}

int Variant::AsInteger() const {
    std::int64_t v = AsInt64();
    if (v > INT32_MAX || v < INT32_MIN) throw EVariantError("Overflow while converting variant of type (" + TypeName() + ") into type (Integer)");
    return static_cast<int>(v);
}

double Variant::AsDouble() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::Integer:
        case VarType::Int64: return static_cast<double>(int_);
        case VarType::Boolean: return int_ ? -1 : 0;
        case VarType::Double:
        case VarType::Date: return dbl_;
        case VarType::String:
        case VarType::OleStr: {
            double d;
            if (ParseDouble(AsString(), d)) return d;
            CannotConvert("Double");
        }
        default: CannotConvert("Double");
    }
}

bool Variant::AsBoolean() const {
    switch (type_) {
        case VarType::Empty: return false;
        case VarType::Integer:
        case VarType::Int64:
        case VarType::Boolean: return int_ != 0;
        case VarType::Double:
        case VarType::Date: return dbl_ != 0;
        case VarType::String:
        case VarType::OleStr: {
            std::string text(Trim(AsString()));
            if (strcasecmp(text.c_str(), "true") == 0) return true;
            if (strcasecmp(text.c_str(), "false") == 0) return false;
            double d;
            if (ParseDouble(text, d)) return d != 0;
            CannotConvert("Boolean");
        }
        default: CannotConvert("Boolean");
    }
}

double Variant::AsDate() const {
    switch (type_) {
        case VarType::String:
        case VarType::OleStr: {
            double d;
            std::string text = AsString();
            if (ParseDate(text, d) || ParseDouble(text, d)) return d;
            CannotConvert("Date");
        }
        default: return AsDouble();
    }
}

std::string Variant::AsString() const {
    switch (type_) {
        case VarType::Empty: return "";
        case VarType::Integer:
        case VarType::Int64: return std::to_string(int_);
        case VarType::Boolean: return int_ ? "True" : "False";
        case VarType::Double: return FormatDouble(dbl_);
        case VarType::Date: return FormatDate(dbl_);
        case VarType::String: return str_;
        case VarType::OleStr: return WideToBytes(wstr_, g_codePage);
        default: CannotConvert("String");
    }
}

std::u16string Variant::AsWide() const {
    if (type_ == VarType::OleStr) return wstr_;
    return BytesToWide(AsString(), g_codePage);
}

AutomationRef Variant::AsObject() const {
    if (type_ != VarType::Dispatch || !obj_) CannotConvert("Dispatch");
    return obj_;
}

void Variant::RequireArray() const {
    if (type_ != VarType::Array) throw EVariantError("Variant is not an array");
}

int Variant::DimCount() const { return type_ == VarType::Array ? static_cast<int>(arr_->Bounds.size()) : 0; }

int Variant::LowBound(int dim) const {
    RequireArray();
    if (dim < 1 || dim > DimCount()) throw EVariantError("Variant array bounds error");
    return arr_->Bounds[dim - 1].Low;
}

int Variant::HighBound(int dim) const {
    RequireArray();
    if (dim < 1 || dim > DimCount()) throw EVariantError("Variant array bounds error");
    return arr_->Bounds[dim - 1].High;
}

const Variant& Variant::operator[](int index) const {
    RequireArray();
    if (DimCount() != 1) throw EVariantError("Variant array bounds error");
    const ArrayBound& b = arr_->Bounds[0];
    if (index < b.Low || index > b.High) throw EVariantError("Variant array index out of bounds");
    return arr_->Items[index - b.Low];
}

Variant& Variant::operator[](int index) { return const_cast<Variant&>(std::as_const(*this)[index]); }

const Variant& Variant::At(int i, int j) const {
    RequireArray();
    if (DimCount() != 2) throw EVariantError("Variant array bounds error");
    const ArrayBound& b0 = arr_->Bounds[0];
    const ArrayBound& b1 = arr_->Bounds[1];
    if (i < b0.Low || i > b0.High || j < b1.Low || j > b1.High) throw EVariantError("Variant array index out of bounds");
    return arr_->Items[static_cast<size_t>(i - b0.Low) * b1.Count() + (j - b1.Low)];
}

Variant& Variant::At(int i, int j) { return const_cast<Variant&>(std::as_const(*this).At(i, j)); }

void Variant::Redim(int high) {
    RequireArray();
    ArrayBound& last = arr_->Bounds.back();
    if (high < last.Low - 1) throw EVariantError("Invalid variant array bounds");
    if (DimCount() == 1) {
        last.High = high;
        arr_->Items.resize(last.Count());
        return;
    }
    // Two dimensions: the last dimension changes, so every row is re-laid.
    const ArrayBound first = arr_->Bounds[0];
    const int oldCount = last.Count();
    ArrayBound newLast{last.Low, high};
    std::vector<Variant> items(static_cast<size_t>(first.Count()) * newLast.Count());
    for (int r = 0; r < first.Count(); ++r)
        for (int c = 0; c < std::min(oldCount, newLast.Count()); ++c)
            items[static_cast<size_t>(r) * newLast.Count() + c] = std::move(arr_->Items[static_cast<size_t>(r) * oldCount + c]);
    last = newLast;
    arr_->Items = std::move(items);
}

const VariantArray& Variant::ArrayData() const {
    RequireArray();
    return *arr_;
}

bool Variant::operator==(const Variant& other) const {
    if (type_ != other.type_) return false;
    switch (type_) {
        case VarType::Empty:
        case VarType::Null: return true;
        case VarType::Integer:
        case VarType::Int64:
        case VarType::Boolean: return int_ == other.int_;
        case VarType::Double:
        case VarType::Date: return dbl_ == other.dbl_;
        case VarType::String: return str_ == other.str_;
        case VarType::OleStr: return wstr_ == other.wstr_;
        case VarType::Dispatch: return obj_ == other.obj_;
        case VarType::Array: {
            const auto& a = *arr_;
            const auto& b = *other.arr_;
            if (a.Bounds.size() != b.Bounds.size()) return false;
            for (size_t i = 0; i < a.Bounds.size(); ++i)
                if (a.Bounds[i].Low != b.Bounds[i].Low || a.Bounds[i].High != b.Bounds[i].High) return false;
            return a.Items == b.Items;
        }
    }
    return false;
}

std::string VarToStr(const Variant& v) {
    if (v.IsNull() || v.IsEmpty()) return "";
    return v.AsString();
}

bool VarIsEmptyOrNull(const Variant& v) {
    if (v.IsNull() || v.IsEmpty()) return true;
    if (v.IsText()) return Trim(v.AsString()).empty();
    return false;
}

}  // namespace znp
