// Start-up and one recalculation of the real program, each against plain Qt doing the same visible
// work, in one run:
// - start-up to the first window shown and quit, as whole processes, and their peak memory: the
//   program against a bare Qt window with the same 45 widgets;
// - one recalculation through the real widgets against writing its eleven texts straight into the
//   same widgets.
// The process runs itself as a child for each start-up measurement (argument "--child program" or
// "--child bare").
#include "calculator/Hauptfenster.h"
#include "framework/Application.h"
#include "framework/PropertyBlob.h"
#include "framework/qt/QtBackend.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// The child processes -----------------------------------------------------------------------------

int runProgramUntilShown(int argc, char** argv)
{
    fw::qt::QuietOffscreenPlatformNotes();
    QApplication application(argc, argv);
    fw::qt::QtBackend backend;
    fw::SetBackend(&backend);
    fw::SetResourceForkProvider(&fw::qt::ApplicationResources);
    QTimer::singleShot(0, [] { fw::Quit(0); });
    int status = startup::run();
    fw::SetBackend(nullptr);
    return status;
}

// The same window by hand: a main window with a menu bar and the same 45 widgets, with the texts,
// fonts and places that the price calculator's layouts give them, set straight on the Qt widgets.
int runBareWindowUntilShown(int argc, char** argv)
{
    fw::qt::QuietOffscreenPlatformNotes();
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tarivo Velnora");
    auto* content = new QWidget(&window);
    content->setFixedSize(637, 446);
    window.setCentralWidget(content);
    for (const char* menu : {"&Datei", "&Bearbeiten", "Fenster"})
        window.menuBar()->addMenu(menu)->addAction("Eintrag");
    for (const fw::ControlBlueprint& row : Hauptfenster::Controls().blueprints()) {
        std::map<fw::Prop, fw::PropValue> values;
        for (fw::LayoutEntry& entry : fw::ReadLayout(row.layout))
            values[entry.prop] = std::move(entry.value);
        auto text = [&](fw::Prop prop) {
            auto found = values.find(prop);
            return found == values.end() ? QString() : QString::fromStdString(std::get<std::string>(found->second));
        };
        QWidget* widget = nullptr;
        const std::string& cls = row.controlClass().name();
        if (cls == "EditField")
            widget = new QLineEdit(content);
        else if (cls == "PushButton")
            widget = new QPushButton(text(fw::Prop::Caption), content);
        else if (cls == "RadioButton")
            widget = new QRadioButton(text(fw::Prop::Caption), content);
        else if (cls == "StaticText")
            widget = new QLabel(text(fw::Prop::Text), content);
        else
            widget = new QWidget(content);
        widget->setGeometry(std::get<std::int32_t>(values[fw::Prop::Left]), std::get<std::int32_t>(values[fw::Prop::Top]),
                            std::get<std::int32_t>(values[fw::Prop::Width]),
                            std::get<std::int32_t>(values[fw::Prop::Height]));
        if (auto size = values.find(fw::Prop::TextSize); size != values.end()) {
            QFont font = QApplication::font();
            font.setStretch(QFont::SemiCondensed);
            font.setPixelSize(std::get<std::int32_t>(size->second));
            font.setBold(std::get<bool>(values[fw::Prop::Bold]));
            widget->setFont(font);
        }
    }
    window.show();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

struct ChildResult {
    double seconds;
    long peakKilobytes;
};

ChildResult runChild(const char* self, const char* mode)
{
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        execl(self, self, "--child", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "child %s failed with status %d\n", mode, status);
    return {seconds, usage.ru_maxrss};
}

std::string selfPath;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The two start-ups alternate, so that the machine's drift touches both alike; the medians compare.
void BM_StartupProgramAgainstBareQt(benchmark::State& state)
{
    constexpr int kPairs = 25;
    std::vector<double> program, bare;
    long programPeak = 0, barePeak = 0;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            ChildResult ours = runChild(selfPath.c_str(), "program");
            ChildResult baseline = runChild(selfPath.c_str(), "bare");
            program.push_back(ours.seconds);
            bare.push_back(baseline.seconds);
            programPeak = std::max(programPeak, ours.peakKilobytes);
            barePeak = std::max(barePeak, baseline.peakKilobytes);
        }
    }
    state.counters["program_ms"] = median(program) * 1000;
    state.counters["bare_ms"] = median(bare) * 1000;
    state.counters["time_ratio"] = median(program) / median(bare);
    state.counters["program_peak_kB"] = static_cast<double>(programPeak);
    state.counters["bare_peak_kB"] = static_cast<double>(barePeak);
    state.counters["memory_ratio"] = static_cast<double>(programPeak) / static_cast<double>(barePeak);
}

// Recalculation in this process ---------------------------------------------------------------

fw::Ref<Hauptfenster> filledWindow()
{
    fw::Ref<Hauptfenster> window = fw::SharedWindow<Hauptfenster>();
    const std::pair<const char*, const char*> inputs[] = {{"AEKField", "10"},     {"AufschlagField", "50"},
                                                          {"AnzahlField", "10"},  {"GHRabattField", "5"},
                                                          {"HerstellerField", "2"}, {"AnderungField", "-10"}};
    for (const auto& [field, text] : inputs)
        fw::ControlNamed<fw::EditField>(*window, field)->setText(text);
    return window;
}

void BM_RecalculationThroughWidgets(benchmark::State& state)
{
    fw::Ref<Hauptfenster> window = filledWindow();
    for (auto _ : state) {
        // The same inputs each time, so every run writes its results anew.
        fw::ControlNamed<fw::EditField>(*window, "AufschlagField")->setText("50");
        window->calcAll();
    }
    window->Close();
}

void BM_ElevenTextsStraightIntoWidgets(benchmark::State& state)
{
    fw::Ref<Hauptfenster> window = filledWindow();
    window->calcAll();
    struct Target {
        QWidget* widget;
        QString text;
    };
    std::vector<Target> targets;
    for (const char* name : {"AEKField", "AEKNettoText", "AufschlagField", "nettoField", "USTField", "AVKField",
                             "AVKNeuField", "AnzahlField", "SpanneField", "RohgewinnField", "RohgewinnNeuField"}) {
        QWidget* widget = fw::qt::QtBackend::widgetOf(*fw::RuntimeWindowControlByName(*window, name));
        QString text = qobject_cast<QLineEdit*>(widget) ? qobject_cast<QLineEdit*>(widget)->text()
                                                        : qobject_cast<QLabel*>(widget)->text();
        targets.push_back({widget, text});
    }
    auto* aufschlag = qobject_cast<QLineEdit*>(targets[2].widget);
    for (auto _ : state) {
        aufschlag->setText("50");
        for (const Target& target : targets) {
            if (auto* field = qobject_cast<QLineEdit*>(target.widget))
                field->setText(target.text);
            else
                qobject_cast<QLabel*>(target.widget)->setText(target.text);
        }
    }
    window->Close();
}


} // namespace

BENCHMARK(BM_StartupProgramAgainstBareQt)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculationThroughWidgets)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ElevenTextsStraightIntoWidgets)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1;
        return std::strcmp(argv[2], "program") == 0 ? runProgramUntilShown(childArgc, argv)
                                                    : runBareWindowUntilShown(childArgc, argv);
    }
    selfPath = argv[0];
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::qt::QuietOffscreenPlatformNotes();
    QApplication application(argc, argv);
    fw::qt::QtBackend backend;
    fw::SetBackend(&backend);
    fw::RuntimeInit();
    startup::initialize();
    RatioReporter reporter;
    RunBenchmarks(&argc, argv, reporter);
    reporter.printTimeRatio("BM_RecalculationThroughWidgets", "BM_ElevenTextsStraightIntoWidgets");
    fw::ReleaseLiveWindows();
    fw::SetBackend(nullptr);
    return 0;
}
