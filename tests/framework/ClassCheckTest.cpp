// Look-ups whose result is checked where it is made: a class whose registration leaves no record, and
// a window class that makes something other than its window, raise the framework's exception naming
// the class instead of using what is not there.
#include "framework/Application.h"
#include "framework/ClassRecord.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace fw;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// A registration that registers nothing.
struct Unregistered : Object {
    static constexpr std::string_view kClassName = "Unregistered.Unregistered";
    static void ctblinit() {}
};

// A registration under another name than the class's own.
struct Misnamed : Object {
    static constexpr std::string_view kClassName = "Misnamed.Misnamed";
    static void ctblinit() { ClassBuilder("Misnamed.Other", &ObjectClassRecord()).registerClass(); }
};

// Window classes whose factory makes something else.
template <class Made, const char* Name>
class MakesOther : public Window {
public:
    static constexpr std::string_view kClassName = Name;
    static void ctblinit()
    {
        ClassBuilder(std::string(kClassName), &LookupClass<Window>())
            .factory([] { return Ref<Object>(MakeRef<Made>()); })
            .registerClass();
    }
    const ClassRecord& classRecord() const override { return LookupClass<MakesOther>(); }
};

class PlainWindow : public Window {
public:
    static constexpr std::string_view kClassName = "PlainWindow.PlainWindow";
    static void ctblinit() { ClassBuilder(std::string(kClassName), &LookupClass<Window>()).registerClass(); }
    const ClassRecord& classRecord() const override { return LookupClass<PlainWindow>(); }
};

constexpr char kMakesObject[] = "MakesObject.MakesObject";
constexpr char kMakesOtherWindow[] = "MakesOtherWindow.MakesOtherWindow";
constexpr char kMakesImpostor[] = "MakesImpostor.MakesImpostor";
using MakesObject = MakesOther<Object, kMakesObject>;
using MakesOtherWindow = MakesOther<PlainWindow, kMakesOtherWindow>;

// A window that claims the record of a class it is not.
class Impostor : public Window {
public:
    const ClassRecord& classRecord() const override;
};
using MakesImpostor = MakesOther<Impostor, kMakesImpostor>;
const ClassRecord& Impostor::classRecord() const { return LookupClass<MakesImpostor>(); }

struct CheckRow {
    const char* name;
    std::function<void()> lookUp;
    const char* exception;
    std::string_view className;
};

void PrintTo(const CheckRow& row, std::ostream* out) { *out << row.name; }

class CheckedLookups : public testing::TestWithParam<CheckRow> {};

TEST_P(CheckedLookups, RaiseTheFrameworksExceptionNamingTheClassAndLeaveNoWindow)
{
    std::exception_ptr raised;
    try {
        GetParam().lookUp();
    } catch (...) {
        raised = std::current_exception();
    }
    ASSERT_TRUE(raised) << "nothing raised";
    EXPECT_THAT(DescribeException(raised),
                AllOf(StartsWith(GetParam().exception), HasSubstr(std::string(GetParam().className))));
    EXPECT_TRUE(LiveWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    , CheckedLookups,
    testing::Values(
        CheckRow{"ClassThatRegistersNothing", [] { LookupClass<Unregistered>(); }, "NilObjectException",
                 Unregistered::kClassName},
        CheckRow{"ClassThatRegistersAnotherName", [] { LookupClass<Misnamed>(); }, "NilObjectException",
                 Misnamed::kClassName},
        CheckRow{"WindowClassThatMakesAPlainObject", [] { SharedWindow<MakesObject>(); },
                 "IllegalCastException", MakesObject::kClassName},
        CheckRow{"WindowClassThatMakesAnotherWindow", [] { SharedWindow<MakesOtherWindow>(); },
                 "IllegalCastException", MakesOtherWindow::kClassName},
        CheckRow{"WindowClassThatMakesAnImpostor", [] { SharedWindow<MakesImpostor>(); },
                 "IllegalCastException", MakesImpostor::kClassName}),
    [](const testing::TestParamInfo<CheckRow>& row) { return std::string(row.param.name); });

} // namespace
