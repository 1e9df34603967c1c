// The about window on screen: one window at a time, built alike every time, its texts and logo where
// the layout puts them and readable, the logo read from the resources once, clicks that do nothing,
// and a window the user cannot resize.
#include "GuiTestSupport.h"

#include "resources/VelnoraLogo.h"
#include "about/Welcome.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const char* const kContactLines[] = {
    "Autor:", "Jonas Beispiel", "Velnora Beispiel GmbH", "Musterstraße 1", "12345 Musterstadt", "",
    "Tel. 0000 000000", "Fax 0000 000001", "", "Mail: info@velnora.example"};

const std::string kDescription =
    "Programm zur Preiskalkulation in Apotheken unter Berücksichtigung des Stücknutzen.";

class WelcomeWindow : public testing::Test {
protected:
    void SetUp() override { window = fw::SharedWindow<Welcome>(); }
    void TearDown() override
    {
        guitest::CloseWindow(window);
    }

    QMainWindow* mainWidget() const { return qobject_cast<QMainWindow*>(guitest::WidgetOf(*window)); }
    QString label(const char* name) const { return guitest::WidgetAs<QLabel>(*window, name)->text(); }
    const fw::Picture* logo() const { return fw::ControlNamed<fw::Canvas>(*window, "Canvas1")->backdrop().get(); }
    // Closes the window as the user's click on its close box does, and opens it again.
    void closeAndReopen()
    {
        ASSERT_TRUE(guitest::WidgetOf(*window)->close());
        ASSERT_TRUE(window->isClosed());
        window = fw::SharedWindow<Welcome>();
    }

    fw::Ref<Welcome> window;
};

// The texts every Welcome window shows.
void ExpectWelcomeTexts(const fw::Window& window)
{
    auto text = [&](const char* name) { return guitest::WidgetAs<QLabel>(window, name)->text(); };
    EXPECT_EQ(text("StaticText1"), "Tarivo");
    EXPECT_EQ(text("StaticText2"), "Version: 2.61008");
    QStringList lines;
    for (const char* line : kContactLines)
        lines << QString::fromUtf8(line);
    EXPECT_EQ(text("StaticText3"), lines.join('\n'));
    EXPECT_EQ(text("StaticText4"), QString::fromStdString(kDescription));
}

// Identity ---------------------------------------------------------------------------------------------

TEST_F(WelcomeWindow, OpeningTwiceBuildsOneWindow)
{
    fw::Ref<Welcome> again = fw::SharedWindow<Welcome>();
    EXPECT_EQ(again.get(), window.get());
    int welcomes = 0;
    for (const fw::Ref<fw::Window>& live : fw::LiveWindows())
        welcomes += live->classRecord().name() == Welcome::kClassName ? 1 : 0;
    EXPECT_EQ(welcomes, 1);
    EXPECT_EQ(guitest::WidgetOf(*again), guitest::WidgetOf(*window));
}

TEST_F(WelcomeWindow, ClosedAndOpenedAgainIsANewIdenticalWindow)
{
    guitest::ShowAndActivate(*window);
    const Welcome* first = window.get();
    QWidget* firstWidget = guitest::WidgetOf(*window);
    closeAndReopen();
    EXPECT_NE(window.get(), first);
    EXPECT_NE(guitest::WidgetOf(*window), firstWidget);
    EXPECT_FALSE(window->isClosed());
    ExpectWelcomeTexts(*window);
    EXPECT_EQ(mainWidget()->windowTitle(), "Willkommen");
}

// Texts and layout -----------------------------------------------------------------------------------

TEST_F(WelcomeWindow, ShowsItsTextsAndLogoAtTheirPlaces)
{
    guitest::ShowAndActivate(*window);
    EXPECT_EQ(mainWidget()->windowTitle(), "Willkommen");
    EXPECT_EQ(mainWidget()->centralWidget()->size(), QSize(476, 337));
    ExpectWelcomeTexts(*window);

    struct Place {
        const char* name;
        QRect geometry;
    };
    for (const Place& place :
         {Place{"StaticText1", {31, 14, 117, 28}}, Place{"StaticText2", {31, 47, 182, 20}},
          Place{"StaticText3", {31, 134, 205, 151}}, Place{"StaticText4", {31, 77, 249, 53}},
          Place{"Canvas1", {239, 212, 205, 73}}}) {
        QWidget* widget = guitest::WidgetOf(*window, place.name);
        ASSERT_TRUE(widget) << place.name;
        EXPECT_EQ(widget->geometry(), place.geometry) << place.name;
        EXPECT_TRUE(widget->isVisible()) << place.name;
    }
    const QFont title = guitest::WidgetOf(*window, "StaticText1")->font();
    EXPECT_TRUE(title.bold());
    EXPECT_TRUE(title.underline());
    EXPECT_EQ(title.pixelSize(), 12);
}

TEST_F(WelcomeWindow, ContactBlockIsTenLinesTwoOfThemEmpty)
{
    const std::string& text = fw::ControlNamed<fw::StaticText>(*window, "StaticText3")->text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 9);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const QStringList shown = label("StaticText3").split('\n');
    ASSERT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.count(QString()), 2);
    EXPECT_EQ(shown[3], "Musterstraße 1");
}

TEST_F(WelcomeWindow, DescriptionKeepsItsUmlauts)
{
    const std::string& bytes = fw::ControlNamed<fw::StaticText>(*window, "StaticText4")->text();
    EXPECT_EQ(bytes.size(), 84u);
    EXPECT_EQ(label("StaticText4").size(), 82);
    EXPECT_TRUE(label("StaticText4").contains(QString::fromUtf8("Berücksichtigung")));
    EXPECT_TRUE(label("StaticText4").endsWith(QString::fromUtf8("Stücknutzen.")));
}

TEST_F(WelcomeWindow, NothingOverlapsAndEveryTextFits)
{
    guitest::ShowAndActivate(*window);
    const QRect content(QPoint(0, 0), mainWidget()->centralWidget()->size());
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect a = fw::qt::QtBackend::widgetOf(*controls[i])->geometry();
        EXPECT_TRUE(content.contains(a)) << controls[i]->name();
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(a.intersects(fw::qt::QtBackend::widgetOf(*controls[j])->geometry()))
                << controls[i]->name() << " and " << controls[j]->name();
    }
    for (const char* name : {"StaticText1", "StaticText2", "StaticText3", "StaticText4"}) {
        auto* text = guitest::WidgetAs<QLabel>(*window, name);
        const int needed = text->wordWrap() ? text->heightForWidth(text->width()) : text->sizeHint().height();
        EXPECT_LE(needed, text->height()) << name;
        if (!text->wordWrap()) {
            EXPECT_LE(text->sizeHint().width(), text->width()) << name;
        }
    }
    // The logo sits beside the contact block, both ending at 285.
    const QRect contact = guitest::WidgetOf(*window, "StaticText3")->geometry();
    const QRect canvas = guitest::WidgetOf(*window, "Canvas1")->geometry();
    EXPECT_LT(contact.right(), canvas.left());
    EXPECT_EQ(contact.bottom() + 1, 285);
    EXPECT_EQ(canvas.bottom() + 1, 285);
}

// Window frame ---------------------------------------------------------------------------------------

TEST_F(WelcomeWindow, CannotBeResizedOrMaximised)
{
    guitest::ShowAndActivate(*window);
    QMainWindow* main = mainWidget();
    EXPECT_EQ(main->layout()->sizeConstraint(), QLayout::SetFixedSize);
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize before = main->size();
    main->resize(before + QSize(200, 150));
    QApplication::processEvents();
    EXPECT_EQ(main->size(), before);
    EXPECT_EQ(main->centralWidget()->size(), QSize(476, 337));
}

TEST_F(WelcomeWindow, ClicksOnTextsAndLogoRunNothing)
{
    guitest::ShowAndActivate(*window);
    const std::size_t liveWindows = fw::LiveWindows().size();
    const fw::Picture* shownLogo = logo();
    for (const char* name : {"StaticText1", "StaticText2", "StaticText3", "StaticText4", "Canvas1"}) {
        QWidget* widget = guitest::WidgetOf(*window, name);
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(guitest::Backend().takePendingException()) << name;
    }
    ExpectWelcomeTexts(*window);
    EXPECT_EQ(logo(), shownLogo);
    EXPECT_EQ(fw::LiveWindows().size(), liveWindows);
    EXPECT_EQ(fw::GetImplicitWindow(Welcome::kClassName).get(), window.get());
    EXPECT_TRUE(mainWidget()->isVisible());
}

// The logo -------------------------------------------------------------------------------------------

// Counts the pictures read from the application's resources.
class CountingResources : public fw::ResourceFork {
public:
    explicit CountingResources(int& reads) : reads_(reads) {}
    fw::Ref<fw::Picture> GetPicture(int id) override
    {
        ++reads_;
        return fw::qt::ApplicationResources()->GetPicture(id);
    }

private:
    int& reads_;
};

class WelcomeLogo : public WelcomeWindow {
protected:
    void SetUp() override
    {
        // These tests watch the first read, so the logo kept from earlier windows goes.
        VelnoraLogo::Release();
        fw::SetResourceForkProvider([this] { return fw::Ref<fw::ResourceFork>(fw::MakeRef<CountingResources>(reads)); });
        WelcomeWindow::SetUp();
    }
    void TearDown() override
    {
        WelcomeWindow::TearDown();
        fw::SetResourceForkProvider(&fw::qt::ApplicationResources);
    }
    int reads = 0;
};

TEST_F(WelcomeLogo, IsReadFromTheResourcesOnce)
{
    EXPECT_TRUE(VelnoraLogo::IsLoaded());
    EXPECT_EQ(reads, 1);
    const fw::Picture* first = logo();
    ASSERT_TRUE(first);

    closeAndReopen();
    EXPECT_EQ(logo(), first) << "the second window shows the same picture object";
    closeAndReopen();
    EXPECT_EQ(logo(), first);
    EXPECT_EQ(reads, 1);
}

TEST_F(WelcomeLogo, CanvasShowsPicture168)
{
    guitest::ShowAndActivate(*window);
    QImage expected(205, 73, QImage::Format_ARGB32_Premultiplied);
    expected.fill(mainWidget()->centralWidget()->palette().color(QPalette::Window));
    QPainter painter(&expected);
    painter.drawImage(0, 0, QImage(":/pictures/168.png"));
    painter.end();

    const QImage shown = guitest::WidgetOf(*window, "Canvas1")->grab().toImage().convertToFormat(expected.format());
    ASSERT_EQ(shown.size(), expected.size());
    int different = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y);
            const QColor b = expected.pixelColor(x, y);
            different += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 6;
        }
    EXPECT_EQ(different, 0);
}

// Picture ----------------------------------------------------------------------------------------------

TEST_F(WelcomeWindow, Picture)
{
    guitest::ShowAndActivate(*window);
    QString path = guitest::SavePicture(*window, "welcome.png");
    EXPECT_FALSE(QPixmap(path).isNull());
}

} // namespace
