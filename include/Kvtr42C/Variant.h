// The platform's variant: the value type of every exchange with the host and the servers.
//
// It follows the OLE variant: empty, null, integers, floating point, date (days since
// 30 December 1899, the fraction being the time of day), Boolean, wide text, byte text (in the
// user-interface code page), an automation object (a shared reference), and arrays of variants
// with one or two dimensions and arbitrary bounds. Arrays have value semantics: copying a variant
// copies its array, as assigning an array variant does on the platform.
//
// Conversions follow the platform's rules: integers become decimal text, Booleans "True" and
// "False", a text that is no number raises EVariantError when a number is asked for, Null raises
// when converted to anything but Null (use VarToStr for the forgiving text form). A conversion
// never wraps: a value beyond the target's range (a text or a double beyond the 64-bit range, a
// date outside the years 1 to 9999, an array larger than MaxArrayElements) raises EVariantError.
// Dates are counted by the platform's calendar (platform/Calendar.h): -1.25 is 29 December 1899,
// 06:00.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Kvtr42C/Exception.h"

namespace znp {

class AutomationObject;
using AutomationRef = std::shared_ptr<AutomationObject>;

enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 3,  // 32-bit
    Double = 5,
    Date = 7,
    OleStr = 8,  // wide text
    Dispatch = 9,
    Boolean = 11,
    Int64 = 20,
    String = 0x100,  // byte text in the UI code page
    Array = 0x2000,
};

struct ArrayBound {
    int Low = 0;
    int High = -1;
    // Counted in 64 bits: bounds anywhere in the int range never overflow.
    std::int64_t Count() const { return static_cast<std::int64_t>(High) - Low + 1; }
};

class Variant;

// The array part of a variant: bounds per dimension and the elements in row-major order
// (the last index varies fastest).
struct VariantArray {
    std::vector<ArrayBound> Bounds;
    std::vector<Variant> Items;
};

class Variant {
public:
    // The most elements an array may hold (all dimensions together); larger bounds raise.
    static constexpr std::int64_t MaxArrayElements = std::int64_t{1} << 24;

    Variant() = default;
    Variant(int v) : type_(VarType::Integer), int_(v) {}
    Variant(std::int64_t v) : type_(VarType::Int64), int_(v) {}
    Variant(double v) : type_(VarType::Double), dbl_(v) {}
    Variant(bool v) : type_(VarType::Boolean), int_(v ? 1 : 0) {}
    Variant(const char* v) : type_(VarType::String), str_(v ? v : "") {}
    Variant(std::string v) : type_(VarType::String), str_(std::move(v)) {}
    Variant(std::u16string v) : type_(VarType::OleStr), wstr_(std::move(v)) {}
    Variant(const char16_t* v) : type_(VarType::OleStr), wstr_(v ? v : u"") {}
    Variant(AutomationRef obj);

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept = default;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept = default;
    ~Variant();

    static Variant Null();
    static Variant FromDate(double date);
    // A one-dimensional array with the given bounds, elements Empty.
    static Variant Array(int low, int high);
    // An array of one or two dimensions with the given bounds, elements Empty.
    static Variant Array(std::vector<ArrayBound> bounds);
    // A zero-based one-dimensional array of the given elements (VarArrayOf).
    static Variant ArrayOf(std::initializer_list<Variant> items);
    static Variant ArrayOf(std::vector<Variant> items);

    VarType Type() const { return type_; }
    bool IsEmpty() const { return type_ == VarType::Empty; }
    bool IsNull() const { return type_ == VarType::Null; }
    bool IsArray() const { return type_ == VarType::Array; }
    bool IsText() const { return type_ == VarType::String || type_ == VarType::OleStr; }
    bool IsNumeric() const;
    bool IsObject() const { return type_ == VarType::Dispatch; }
    // The platform's name of the type, as its conversion messages use it ("String", "Null").
    std::string TypeName() const;

    // Conversions (raise EVariantError where the platform does).
    int AsInteger() const;
    std::int64_t AsInt64() const;
    double AsDouble() const;
    bool AsBoolean() const;
    double AsDate() const;
    std::string AsString() const;     // byte text in the UI code page
    std::u16string AsWide() const;    // wide text
    AutomationRef AsObject() const;   // raises when the variant holds no object

    // Arrays.
    int DimCount() const;
    int LowBound(int dim = 1) const;
    int HighBound(int dim = 1) const;
    Variant& operator[](int index);
    const Variant& operator[](int index) const;
    Variant& At(int i, int j);
    const Variant& At(int i, int j) const;
    // Changes the high bound of the last dimension, keeping the elements (VarArrayRedim).
    void Redim(int high);
    const VariantArray& ArrayData() const;

    // Strict equality of type and value (arrays element by element); for tests and caches.
    bool operator==(const Variant& other) const;
    bool operator!=(const Variant& other) const { return !(*this == other); }

private:
    VarType type_ = VarType::Empty;
    std::int64_t int_ = 0;
    double dbl_ = 0;
    std::string str_;
    std::u16string wstr_;
    AutomationRef obj_;
    std::unique_ptr<VariantArray> arr_;

    void RequireArray() const;
    [[noreturn]] void CannotConvert(const char* to) const;
};

// Text of a variant where Null and Empty give "" (the platform's VarToStr).
std::string VarToStr(const Variant& v);
// Whether a variant is an array (VarIsArray).
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
// Empty, Null or a blank text.
bool VarIsEmptyOrNull(const Variant& v);
// A window handle held in a variant, read as an integer: a whole number from 0 to 0xFFFFFFFF.
// Raises EVariantError for anything else (a negative number, a larger one, a text that is no
// number, Null) rather than wrapping it into some other handle.
std::uintptr_t VarToHandle(const Variant& v);

// The code page in which byte texts of variants are held when converted to and from wide text.
// It is the user-interface code page of the process: "936", "950" or "437". Set once at start-up
// by the application (from the machine's locale) and by tests.
void SetVariantCodePage(const std::string& codePage);
std::string VariantCodePage();

// Wide text to bytes and back in the given code page ("936" GBK, "950" Big5, "437" ...);
// characters that the code page cannot hold become "?".
std::string WideToBytes(const std::u16string& text, const std::string& codePage);
std::u16string BytesToWide(const std::string& text, const std::string& codePage);

}  // namespace znp
