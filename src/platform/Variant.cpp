#include "Kvtr42C/Variant.h"

#include <cmath>
#include <cstdio>
#include <strings.h>
#include <algorithm>
#include <string_view>

#include "Kvtr42C/Automation.h"
#include "platform/Calendar.h"
#include "platform/NumberText.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

std::string g_codePage = "936";

std::string FormatDate(double date) {
    const auto parts = calendar::SplitDate(date);
    const auto civil = parts ? calendar::CivilDateOf(parts->Day) : std::nullopt;
    if (!civil) throw EVariantError("Could not convert variant of type (Date) into type (String): date out of range");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", civil->Year, civil->Month, civil->Day);
    std::string s = buf;
    if (parts->Millisecond > 0) {
        std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", parts->Hour(), parts->Minute(), parts->Second());
        s += buf;
    }
    return s;
}

// A run of decimal digits at Pos, read as a number of at most MaxDigits digits.
bool ReadDigits(std::string_view text, size_t& pos, size_t maxDigits, std::int64_t& value) {
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (pos - start >= maxDigits) return false;
        value = value * 10 + (text[pos++] - '0');
    }
    return pos > start;
}

// "yyyy/mm/dd", "yyyy-mm-dd" or "yyyy.mm.dd", optionally followed by blanks and "hh:nn[:ss]":
// a real date of the years 1-9999 and a time of the day; false for anything else.
bool ParseDate(std::string_view text, double& out) {
    const std::string trimmed = Trim(text);
    const std::string_view t = trimmed;
    size_t pos = 0;
    std::int64_t y = 0, m = 0, d = 0, hh = 0, nn = 0, ss = 0;
    if (!ReadDigits(t, pos, 4, y) || pos >= t.size()) return false;
    const char sep = t[pos];
    if (sep != '/' && sep != '-' && sep != '.') return false;
    ++pos;
    if (!ReadDigits(t, pos, 2, m) || pos >= t.size() || t[pos] != sep) return false;
    ++pos;
    if (!ReadDigits(t, pos, 2, d)) return false;
    if (pos < t.size()) {
        if (t[pos] != ' ') return false;
        while (pos < t.size() && t[pos] == ' ') ++pos;
        if (!ReadDigits(t, pos, 2, hh) || pos >= t.size() || t[pos] != ':') return false;
        ++pos;
        if (!ReadDigits(t, pos, 2, nn)) return false;
        if (pos < t.size()) {
            if (t[pos] != ':') return false;
            ++pos;
            if (!ReadDigits(t, pos, 2, ss) || pos != t.size()) return false;
        }
    }
    if (hh > 23 || nn > 59 || ss > 59) return false;
    const auto day = calendar::DayNumberOf(y, m, d);
    if (!day) return false;
    out = calendar::JoinDate(*day, (hh * 3600 + nn * 60 + ss) * 1000);
    return true;
}

// Round half to even, as the platform rounds a floating value into an integer; a value whose
// rounding leaves the 64-bit range (both signs kept within 2^63 - 1) raises.
std::int64_t RoundToInt64(double v, const std::string& typeName) {
    const double r = std::nearbyint(v);
    if (!std::isfinite(r) || r >= 9223372036854775808.0 || r <= -9223372036854775808.0)
        throw EVariantError("Overflow while converting variant of type (" + typeName + ") into type (Int64)");
    return static_cast<std::int64_t>(r);
}

void CheckArraySize(std::int64_t count) {
    if (count > Variant::MaxArrayElements) throw EVariantError("Variant array too large");
}

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
    std::int64_t count = 1;
    for (const auto& b : bounds) {
        if (b.Count() < 0) throw EVariantError("Invalid variant array bounds");
        CheckArraySize(b.Count());
        count *= b.Count();
        CheckArraySize(count);
    }
    Variant v;
    v.type_ = VarType::Array;
    v.arr_ = std::make_unique<VariantArray>();
    v.arr_->Bounds = std::move(bounds);
    v.arr_->Items.resize(static_cast<size_t>(count));
    return v;
}

Variant Variant::ArrayOf(std::initializer_list<Variant> items) { return ArrayOf(std::vector<Variant>(items)); }

Variant Variant::ArrayOf(std::vector<Variant> items) {
    CheckArraySize(static_cast<std::int64_t>(items.size()));
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
        case VarType::Date: return RoundToInt64(dbl_, TypeName());
        case VarType::String:
        case VarType::OleStr: {
            std::string text = AsString();
            std::int64_t i;
            if (TryTextToInt64(text, i)) return i;
            double d;
            if (TryTextToFloat(text, d)) return RoundToInt64(d, TypeName());
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
            if (TryTextToFloat(AsString(), d)) return d;
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
            if (TryTextToFloat(text, d)) return d != 0;
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
            if (ParseDate(text, d) || TryTextToFloat(text, d)) return d;
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
        case VarType::Double: return FloatToText(dbl_);
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
    return arr_->Items[static_cast<size_t>(static_cast<std::int64_t>(index) - b.Low)];
}

Variant& Variant::operator[](int index) { return const_cast<Variant&>(std::as_const(*this)[index]); }

const Variant& Variant::At(int i, int j) const {
    RequireArray();
    if (DimCount() != 2) throw EVariantError("Variant array bounds error");
    const ArrayBound& b0 = arr_->Bounds[0];
    const ArrayBound& b1 = arr_->Bounds[1];
    if (i < b0.Low || i > b0.High || j < b1.Low || j > b1.High) throw EVariantError("Variant array index out of bounds");
    const std::int64_t row = static_cast<std::int64_t>(i) - b0.Low, column = static_cast<std::int64_t>(j) - b1.Low;
    return arr_->Items[static_cast<size_t>(row * b1.Count() + column)];
}

Variant& Variant::At(int i, int j) { return const_cast<Variant&>(std::as_const(*this).At(i, j)); }

void Variant::Redim(int high) {
    RequireArray();
    ArrayBound& last = arr_->Bounds.back();
    const ArrayBound newLast{last.Low, high};
    if (newLast.Count() < 0) throw EVariantError("Invalid variant array bounds");
    CheckArraySize(newLast.Count());
    if (DimCount() == 1) {
        arr_->Items.resize(static_cast<size_t>(newLast.Count()));
        last = newLast;
        return;
    }
    // Two dimensions: the last dimension changes, so every row is re-laid.
    const ArrayBound first = arr_->Bounds[0];
    CheckArraySize(first.Count() * newLast.Count());
    const std::int64_t oldCount = last.Count();
    std::vector<Variant> items(static_cast<size_t>(first.Count() * newLast.Count()));
    for (std::int64_t r = 0; r < first.Count(); ++r)
        for (std::int64_t c = 0; c < std::min(oldCount, newLast.Count()); ++c)
            items[static_cast<size_t>(r * newLast.Count() + c)] = std::move(arr_->Items[static_cast<size_t>(r * oldCount + c)]);
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

std::uintptr_t VarToHandle(const Variant& v) {
    const std::int64_t value = v.AsInt64();
    if (value < 0 || value > 0xFFFFFFFFll)
        throw EVariantError("Invalid window handle: " + std::to_string(value));
    return static_cast<std::uintptr_t>(value);
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
