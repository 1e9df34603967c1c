// The pricing calculation. The arithmetic follows the order written here to the last operation, without
// intermediate rounding: only the display formatting rounds, and values pass from one run to the next
// solely as the formatted texts of the controls.
#include "Hauptfenster.h"
#include "PricePatterns.h"
#include "VatRate.h"

#include "framework/CDbl.h"
#include "framework/Format.h"
#include "framework/ToInt32.h"

using fw::CDbl;
using fw::Format;

using patterns::kCount;
using patterns::kMargin;
using patterns::kMarkup;
using patterns::kMoney;
using patterns::kProfit;
using patterns::kProfitChange;

void Hauptfenster::calcAll()
{
    double AEK = CDbl(fieldText("AEKField"));
    double Aufschlag = CDbl(fieldText("AufschlagField"));
    double AVK = CDbl(fieldText("AVKField"));
    std::int32_t Anzahl = fw::ToInt32(CDbl(fieldText("AnzahlField")));
    double Spanne = CDbl(fieldText("SpanneField"));
    double Anderung = CDbl(fieldText("AnderungField"));
    calculateOTC(AEK, Aufschlag, AVK, Anzahl, Spanne, Anderung);
}

bool Hauptfenster::calculateOTC(double AEK, double Aufschlag, double AVK, std::int32_t Anzahl, double Spanne,
                                double /*Anderung: the change is read from its field*/)
{
    if (Anzahl == 0)
        Anzahl = 1;
    double Netto = 0.0;
    double GHRabattBetrag = 0.0;
    double HerstellerRabattBetrag = 0.0;

    if (0.0 < AEK) {
        Netto = AEK + ((AEK / 100.0) * Aufschlag);
        GHRabattBetrag = (AEK / 100.0) * CDbl(fieldText("GHRabattField"));
        if (GHRabattBetrag < 0.0)
            GHRabattBetrag = 0.0;
        HerstellerRabattBetrag = (AEK / 100.0) * CDbl(fieldText("HerstellerField"));
        if (HerstellerRabattBetrag < 0.0)
            HerstellerRabattBetrag = 0.0;
    } else if (0.0 < AVK) {
        const VatRate& rate = selectedVatRate();
        double USTAnteil = (AVK / rate.divisor) * rate.share;
        Netto = AVK - USTAnteil;
        AEK = getAEK2003(Netto);
        Aufschlag = ((Netto - AEK) * 100.0) / AEK;
    }

    double USTBetrag = Netto * selectedVatRate().factor;
    double AEKNetto = (AEK - GHRabattBetrag) - HerstellerRabattBetrag;
    AVK = Netto + USTBetrag;
    Spanne = calcSpanne(Netto, AEKNetto);
    double Rohgewinn = static_cast<double>(Anzahl) * (Netto - AEKNetto);
    double AnderungBetrag = (AVK / 100.0) * CDbl(fieldText("AnderungField"));
    const VatRate& rate = selectedVatRate();
    double AnderungNetto = AnderungBetrag - ((AnderungBetrag / rate.divisor) * rate.share);
    double RohgewinnNeu = static_cast<double>(Anzahl) * ((Netto - AEKNetto) + AnderungNetto);
    double AVKNeu = AVK + AnderungBetrag;

    setFieldText("AEKField", Format(AEK, kMoney));
    setLabelText("AEKNettoText", Format(AEKNetto, kMoney));
    setFieldText("AufschlagField", Format(Aufschlag, kMarkup));
    setFieldText("nettoField", Format(Netto, kMoney));
    setFieldText("USTField", Format(USTBetrag, kMoney));
    setFieldText("AVKField", Format(AVK, kMoney));
    setFieldText("AVKNeuField", Format(AVKNeu, kMoney));
    setFieldText("AnzahlField", Format(static_cast<double>(Anzahl), kCount));
    setFieldText("SpanneField", Format(Spanne, kMargin));
    setFieldText("RohgewinnField", Format(Rohgewinn, kProfit));
    setFieldText("RohgewinnNeuField", Format(RohgewinnNeu, kProfit));

    if (0.0 < RohgewinnNeu) {
        double RohgewinnAnderung = ((1.0 - (RohgewinnNeu / Rohgewinn)) * 100.0) * -1.0;
        setLabelText("RohgewinnAnderungText", Format(RohgewinnAnderung, kProfitChange));
        if (Rohgewinn != RohgewinnNeu) {
            double PariAnzahl = static_cast<double>(Anzahl) * (Rohgewinn / RohgewinnNeu);
            std::string sentence = "Sie müssen ";
            sentence += Format(PariAnzahl, kMoney);
            sentence += " Packungen anstelle von ";
            sentence += Format(static_cast<double>(Anzahl), kCount);
            sentence += " Packungen verkaufen, um den alten Rohgewinn von ";
            sentence += Format(Rohgewinn, kProfit);
            sentence += "€ zu erreichen";
            setLabelText("PariText", std::move(sentence));
        }
    } else {
        std::string sentence =
            "Ihr Ertag ist negativ. Sie erwirtschaften nur noch Miese. Sie können mir die";
        sentence += Format(RohgewinnNeu, kProfit);
        sentence += "€ direkt überweisen ;-)";
        setLabelText("PariText", std::move(sentence));
    }
    return true;
}

double Hauptfenster::calcSpanne(double netto, double aekNetto)
{
    if (0.0 < netto)
        return ((netto - aekNetto) / netto) * 100.0;
    return 0.0;
}

const VatRate& Hauptfenster::selectedVatRate() const
{
    // Only 19 % and 16 % are asked; any other state counts as 7 %.
    if (radioSelected("radioUst19"))
        return kVat19;
    if (radioSelected("radioUst16"))
        return kVat16;
    return kVat7;
}

std::string Hauptfenster::fieldText(std::string_view field) const
{
    return fw::ControlNamed<fw::EditField>(*this, field)->text();
}

void Hauptfenster::setFieldText(std::string_view field, std::string text)
{
    fw::ControlNamed<fw::EditField>(*this, field)->setText(std::move(text));
}

void Hauptfenster::setLabelText(std::string_view label, std::string text)
{
    fw::ControlNamed<fw::StaticText>(*this, label)->setText(std::move(text));
}

bool Hauptfenster::radioSelected(std::string_view radio) const
{
    return fw::ControlNamed<fw::RadioButton>(*this, radio)->value();
}
