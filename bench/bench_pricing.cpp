// One run of the price calculator (calcAll on the headless window, filled with AEK 10, markup 50 %,
// 10 packs, 5 % and 2 % discount, change -10 %) against the same arithmetic on plain doubles whose
// eleven results are formatted into strings with the same patterns. The difference is what reading and
// writing controls by name and parsing the inputs cost. After the run the ratio is printed
// (how many times longer the window's run takes than the baseline).
#include "calculator/Hauptfenster.h"

#include "framework/Application.h"
#include "framework/Format.h"
#include "framework/NumberLocale.h"
#include "framework/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

void fill(Hauptfenster& window)
{
    const std::pair<const char*, const char*> typed[] = {{"AEKField", "10"},      {"AufschlagField", "50"},
                                                         {"AnzahlField", "10"},   {"GHRabattField", "5"},
                                                         {"HerstellerField", "2"}, {"AnderungField", "-10"}};
    for (const auto& [field, text] : typed)
        fw::ControlNamed<fw::EditField>(window, field)->setText(text);
}

void calcAllOnWindow(benchmark::State& state)
{
    fw::RuntimeInit();
    fw::LookupClass<Hauptfenster>();
    fw::SetNumberLocale(fw::NumberLocale::c());
    fw::Ref<Hauptfenster> window = fw::SharedWindow<Hauptfenster>();
    fill(*window);
    // The run writes back what it read, so every iteration computes the same example.
    for (auto _ : state)
        window->calcAll();
    if (fw::ControlNamed<fw::EditField>(*window, "AVKNeuField")->text() != "16.07")
        state.SkipWithError("the window computed something else");
    window->Close();
}

struct Inputs {
    double aek, aufschlag, gh, hersteller, anderung;
    std::int32_t anzahl;
};

void plainArithmetic(benchmark::State& state)
{
    fw::SetNumberLocale(fw::NumberLocale::c());
    Inputs in{10, 50, 5, 2, -10, 10};
    std::array<std::string, 11> shown;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        double Netto = in.aek + ((in.aek / 100.0) * in.aufschlag);
        double GH = (in.aek / 100.0) * in.gh;
        if (GH < 0.0)
            GH = 0.0;
        double HR = (in.aek / 100.0) * in.hersteller;
        if (HR < 0.0)
            HR = 0.0;
        double USTBetrag = Netto * 0.19;
        double AEKNetto = (in.aek - GH) - HR;
        double AVK = Netto + USTBetrag;
        double Spanne = 0.0 < Netto ? ((Netto - AEKNetto) / Netto) * 100.0 : 0.0;
        double Rohgewinn = static_cast<double>(in.anzahl) * (Netto - AEKNetto);
        double AnderungBetrag = (AVK / 100.0) * in.anderung;
        double AnderungNetto = AnderungBetrag - ((AnderungBetrag / 119.0) * 19.0);
        double RohgewinnNeu = static_cast<double>(in.anzahl) * ((Netto - AEKNetto) + AnderungNetto);
        double AVKNeu = AVK + AnderungBetrag;
        shown[0] = fw::Format(in.aek, "######.00");
        shown[1] = fw::Format(AEKNetto, "######.00");
        shown[2] = fw::Format(in.aufschlag, "######.00\\%;-######.00\\%");
        shown[3] = fw::Format(Netto, "######.00");
        shown[4] = fw::Format(USTBetrag, "######.00");
        shown[5] = fw::Format(AVK, "######.00");
        shown[6] = fw::Format(AVKNeu, "######.00");
        shown[7] = fw::Format(static_cast<double>(in.anzahl), "######");
        shown[8] = fw::Format(Spanne, "#####.00\\%;-######.00\\%");
        shown[9] = fw::Format(Rohgewinn, "#####.00;-#####.00");
        shown[10] = fw::Format(RohgewinnNeu, "#####.00;-#####.00");
        benchmark::DoNotOptimize(shown);
    }
    if (shown[6] != "16.07")
        state.SkipWithError("the baseline computed something else");
}

BENCHMARK(calcAllOnWindow);
BENCHMARK(plainArithmetic);

} // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    if (!RunBenchmarks(&argc, argv, reporter))
        return 1;
    reporter.printTimeRatio("calcAllOnWindow", "plainArithmetic");
    return 0;
}
