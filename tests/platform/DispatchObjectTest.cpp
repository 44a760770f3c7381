#include <gtest/gtest.h>

#include "Kvtr42C/Exception.h"
#include "platform/DispatchObject.h"

using namespace znp;

namespace {

// An object with one of each kind of member.
class Sample : public DispatchObject {
public:
    int calls = 0;
    int productId = 7;
    std::string limits;

    Sample() {
        Method("GetMessage", 2, [this](std::vector<Variant>& args) -> Variant {
            ++calls;
            return VarToStr(args[0]) + VarToStr(args[1]);
        });
        // Two to three arguments; the second is by reference.
        Method("QueryData", 2, 3, [this](std::vector<Variant>& args) -> Variant {
            ++calls;
            args[1] = "written";
            return true;
        });
        Method("VersionType", 0, [](std::vector<Variant>&) { return Variant(4); });
        Method("Anything", [](std::vector<Variant>& args) { return Variant(static_cast<int>(args.size())); });
        Method("Raise", 0, [](std::vector<Variant>&) -> Variant { throw EConvertError("bad date"); });
        Property("ProductID", [this] { return Variant(productId); },
                 [this](const Variant& v) { productId = v.AsInteger(); });
        Property("BaseLimited", [this] { return Variant(limits); });
    }
};

}  // namespace

TEST(DispatchObject, FindsNamesWithoutRegardToCase) {
    Sample obj;
    for (const char* name : {"GetMessage", "getmessage", "GETMESSAGE", "gEtMeSsAgE"}) {
        std::vector<Variant> args{"E", "000038"};
        EXPECT_EQ(obj.Invoke(name, args), Variant("E000038")) << name;
    }
    EXPECT_EQ(obj.GetProperty("productid"), Variant(7));
    obj.SetProperty("PRODUCTID", 5);
    EXPECT_EQ(obj.productId, 5);
}

TEST(DispatchObject, UnknownNamesRaiseWithThePlatformsText) {
    Sample obj;
    std::vector<Variant> none;
    struct Case {
        std::function<void()> access;
        std::string text;
    } cases[] = {
        {[&] { obj.Invoke("Foo", none); }, "Method 'Foo' not supported by automation object"},
        {[&] { obj.GetProperty("Bar"); }, "Property 'Bar' not supported by automation object"},
        {[&] { obj.SetProperty("Baz", 1); }, "Property 'Baz' not supported by automation object"},
        // A method is not a property that can be written.
        {[&] { obj.SetProperty("GetMessage", 1); }, "Property 'GetMessage' not supported by automation object"},
    };
    for (const auto& c : cases) {
        try {
            c.access();
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const EOleError& e) {
            EXPECT_EQ(std::string(e.what()), c.text);
        }
    }
}

TEST(DispatchObject, WrongArgumentCountRaisesWithoutCalling) {
    Sample obj;
    struct Case {
        const char* name;
        int count;
        bool ok;
    } cases[] = {
        {"GetMessage", 1, false}, {"GetMessage", 2, true}, {"GetMessage", 3, false},
        {"QueryData", 1, false},  {"QueryData", 2, true},  {"QueryData", 3, true},
        {"QueryData", 4, false},  {"VersionType", 1, false}, {"Anything", 5, true},
    };
    for (const auto& c : cases) {
        obj.calls = 0;
        std::vector<Variant> args(c.count, Variant("x"));
        if (c.ok) {
            EXPECT_NO_THROW(obj.Invoke(c.name, args)) << c.name << " " << c.count;
        } else {
            EXPECT_THROW(obj.Invoke(c.name, args), EOleError) << c.name << " " << c.count;
            EXPECT_EQ(obj.calls, 0) << c.name << " was called with " << c.count << " arguments";
        }
    }
}

TEST(DispatchObject, ByReferenceArgumentsComeBackInTheVector) {
    Sample obj;
    std::vector<Variant> args{"ADMMB", Variant()};
    EXPECT_EQ(obj.Invoke("QueryData", args), Variant(true));
    EXPECT_EQ(args[1], Variant("written"));
}

// Late binding does not tell `obj.ProductID` as a read from a call without arguments.
TEST(DispatchObject, PropertiesAndArgumentlessMethodsAnswerEitherWay) {
    Sample obj;
    std::vector<Variant> none;
    EXPECT_EQ(obj.Invoke("ProductID", none), Variant(7));
    EXPECT_EQ(obj.GetProperty("VersionType"), Variant(4));
    std::vector<Variant> one{1};
    EXPECT_THROW(obj.Invoke("ProductID", one), EOleError);
    // A method that needs arguments cannot be read as a property.
    EXPECT_THROW(obj.GetProperty("GetMessage"), EOleError);
}

TEST(DispatchObject, ReadOnlyPropertyRefusesWrites) {
    Sample obj;
    obj.limits = "L";
    try {
        obj.SetProperty("BaseLimited", "X");
        FAIL() << "write accepted";
    } catch (const EOleError& e) {
        EXPECT_EQ(std::string(e.what()), "Property 'BaseLimited' is read-only");
    }
    EXPECT_EQ(obj.GetProperty("BaseLimited"), Variant("L"));
}

TEST(DispatchObject, ErrorsOfAMethodReachTheCallerUnchanged) {
    Sample obj;
    std::vector<Variant> none;
    EXPECT_THROW(obj.Invoke("Raise", none), EConvertError);
}

TEST(DispatchObject, ReRegisteringANameReplacesItWhateverItsCase) {
    class Replaced : public Sample {
    public:
        Replaced() {
            Method("getmessage", [](std::vector<Variant>&) { return Variant("new"); });
        }
    } obj;
    std::vector<Variant> args{"E", "1", "extra"};
    EXPECT_EQ(obj.Invoke("GetMessage", args), Variant("new"));
}
