// The price calculator's two links when the system cannot open them: the user reads which address
// could not be opened. When the system opens them, nothing else comes up.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"

#include <QGuiApplication>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

struct Link {
    const char* name;
    const char* control;
    const char* address;
};

void PrintTo(const Link& row, std::ostream* out) { *out << row.name; }

class Links : public testing::TestWithParam<Link> {
protected:
    void SetUp() override
    {
        window = fw::SharedWindow<Hauptfenster>();
        guitest::ShowAndActivate(*window);
    }
    void TearDown() override { guitest::CloseWindow(window); }
    void click() { QTest::mouseClick(guitest::WidgetOf(*window, GetParam().control), Qt::LeftButton); }

    fw::Ref<Hauptfenster> window;
};

TEST_P(Links, AnAddressNothingCanOpenIsNamedInAMessage)
{
    // The offscreen platform has no program for any address, like a desktop without mail program or
    // browser; elsewhere the click could open a real one.
    if (QGuiApplication::platformName() != "offscreen")
        GTEST_SKIP() << "only the offscreen platform is sure to open nothing";
    guitest::MessageBoxCloser boxes;
    click();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_THAT(boxes.texts.front().toStdString(),
                HasSubstr("Die Adresse „" + std::string(GetParam().address) + "“ konnte nicht geöffnet werden."));
}

TEST_P(Links, AnAddressTheSystemOpensBringsUpNoMessage)
{
    guitest::UrlCatcher system;
    guitest::MessageBoxCloser boxes;
    click();
    EXPECT_EQ(system.urls, QStringList{GetParam().address});
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(, Links,
                         testing::Values(Link{"AuthorMail", "StaticText5", "mailto:autor@velnora.example"},
                                         Link{"MakerSite", "StaticText6", "http://www.velnora.example"}),
                         [](const testing::TestParamInfo<Link>& row) { return std::string(row.param.name); });

} // namespace
