// The order of the VAT converter's arithmetic, seen in the shown texts: (price / 116) * 119 and
// (price / 119) * 116, dividing first; not multiplying first, nor by the ratio 119 / 116 or dividing by
// 116 / 119. No whole-cent price at 19 % lands on a
// half cent after the conversion (119 has no factor 2 or 5), so the backward row uses one that does.
#include "vat/UST.h"

#include "framework/Application.h"
#include "framework/NumberLocale.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using fw::ControlNamed;
using fw::EditField;

#define EURO "\xE2\x82\xAC"

struct VatOrderRow {
    const char* name;
    const char* source;
    const char* destination;
    const char* typed;
    const char* shown;
};

void PrintTo(const VatOrderRow& row, std::ostream* os) { *os << row.name; }

const VatOrderRow kVatOrderRows[] = {
    {"From16", "EditPreis16", "EditPreis19", "0.58", "0.59 " EURO},
    {"From19", "EditPreis19", "EditPreis16", "15.32125", "14.94 " EURO},
};

class VatOrder : public ::testing::TestWithParam<VatOrderRow> {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        fw::SetNumberLocale(fw::NumberLocale::c());
    }
    void TearDown() override
    {
        fw::ReleaseLiveWindows();
        fw::SetNumberLocale(saved_);
    }

private:
    fw::NumberLocale saved_ = fw::CurrentNumberLocale();
};

TEST_P(VatOrder, DividesBeforeItMultiplies)
{
    const VatOrderRow& row = GetParam();
    fw::Ref<UST> w = fw::SharedWindow<UST>();
    fw::Ref<EditField> source = ControlNamed<EditField>(*w, row.source);
    source->raiseEvent("GotFocus");
    source->userChangedText(row.typed);
    source->raiseEvent("TextChange");
    EXPECT_EQ(ControlNamed<EditField>(*w, row.destination)->text(), row.shown);
}

INSTANTIATE_TEST_SUITE_P(VatConverter, VatOrder, ::testing::ValuesIn(kVatOrderRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
