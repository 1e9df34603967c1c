// Which convention the environment asks for, and the current convention that Format and CDbl use when
// given none.
#include "framework/NumberLocale.h"
#include "framework/CDbl.h"
#include "framework/Format.h"
#include "tests/support/ProgramPatterns.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using fw::CDbl;
using fw::Format;
using fw::NumberLocale;

const NumberLocale kC = NumberLocale::c();
const NumberLocale kGerman = NumberLocale::german();

// Pins the process-wide convention and the locale variables for a test and restores them afterwards.
class NumberLocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables)
            if (const char* value = std::getenv(name))
                saved_.emplace_back(name, value);
    }
    void TearDown() override
    {
        for (const char* name : kVariables)
            unsetenv(name);
        for (const auto& [name, value] : saved_)
            setenv(name.c_str(), value.c_str(), 1);
        fw::SetNumberLocale(locale_);
    }
    // nullptr unsets the variable.
    static void setVariables(const char* all, const char* numeric, const char* lang)
    {
        const char* values[] = {all, numeric, lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(kVariables[i], values[i], 1) : unsetenv(kVariables[i]);
    }
    static bool isGerman(const NumberLocale& locale)
    {
        return locale.decimalSeparator == ',' && locale.groupingSeparator == '.';
    }
    static bool isC(const NumberLocale& locale)
    {
        return locale.decimalSeparator == '.' && locale.groupingSeparator == ',';
    }
    static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::pair<std::string, std::string>> saved_;
    NumberLocale locale_ = fw::CurrentNumberLocale();
};

struct Environment {
    const char* all;
    const char* numeric;
    const char* lang;
    bool german;
};

std::ostream& operator<<(std::ostream& out, const Environment& e)
{
    auto show = [&](const char* name, const char* value) {
        out << name << '=' << (value ? std::string("\"") + value + '"' : std::string("unset")) << ' ';
    };
    show("LC_ALL", e.all);
    show("LC_NUMERIC", e.numeric);
    show("LANG", e.lang);
    return out;
}

// The program speaks German: an environment that names no language gets German numbers.
TEST_F(NumberLocaleTest, FirstSetVariableDecidesAndNoLanguageMeansGerman)
{
    const Environment rows[] = {
        {nullptr, nullptr, nullptr, true},
        {"", "", "", true},
        {nullptr, nullptr, "C", true},
        {nullptr, nullptr, "POSIX", true},
        {nullptr, nullptr, "C.UTF-8", true},
        {nullptr, nullptr, "C.utf8", true},
        {nullptr, nullptr, "de_DE.UTF-8", true},
        {nullptr, nullptr, "de_AT.UTF-8", true},
        {nullptr, nullptr, "de_DE@euro", true},
        {nullptr, nullptr, "de", true},
        {nullptr, nullptr, "en_US.UTF-8", false},
        {nullptr, nullptr, "tr_TR.UTF-8", false},
        {nullptr, nullptr, "dsb_DE.UTF-8", false}, // Lower Sorbian, spoken in Germany: not German
        {nullptr, "de_DE.UTF-8", "C", true},
        {"C", nullptr, "de_DE.UTF-8", true},
        {"C", nullptr, "en_US.UTF-8", true},
        {"de_DE.UTF-8", "C", "C", true},
        {"", "de_AT", "C", true},
        {nullptr, "en_US.UTF-8", "de_DE", false},
        {"en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", false},
        {"", "", "en_GB.UTF-8", false},
        {nullptr, "C.UTF-8", "en_US.UTF-8", true},
    };
    for (const Environment& row : rows) {
        setVariables(row.all, row.numeric, row.lang);
        const NumberLocale locale = NumberLocale::fromEnvironment();
        EXPECT_TRUE(row.german ? isGerman(locale) : isC(locale)) << row;
    }
}

TEST_F(NumberLocaleTest, OverloadsWithoutALocaleUseTheCurrentOne)
{
    fw::SetNumberLocale(kGerman);
    EXPECT_EQ(Format(1266.426, kEuroPattern), "1.266,43 €");
    EXPECT_EQ(CDbl("1.266,43 €"), 1266.43);
    EXPECT_EQ(CDbl("1.234"), 1234);
    fw::SetNumberLocale(kC);
    EXPECT_EQ(Format(1266.426, kEuroPattern), "1,266.43 €");
    EXPECT_EQ(CDbl("1.266,43 €"), 1266.43);
    EXPECT_EQ(CDbl("1.234"), 1.234);
}

} // namespace
