#include "valute.h"

#include "filesicuri.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

std::int64_t segno(std::int64_t x)
{
    return x < 0 ? -1 : 1;
}

std::int64_t assoluto(std::int64_t x)
{
    return x < 0 ? -x : x;
}

} // namespace

std::int64_t arrotondaA5(std::int64_t importo)
{
    return segno(importo) * ((assoluto(importo) + 2) / 5) * 5;
}

std::int64_t arrotondaA1(std::int64_t importo)
{
    return importo;
}

std::int64_t percentuale(std::int64_t importo, std::int64_t tassoCentesimiPercento)
{
    return segno(importo) * ((assoluto(importo) * tassoCentesimiPercento + 5000) / 10000);
}

std::string inTesto(std::int64_t importo)
{
    const std::int64_t a = assoluto(importo);
    const std::int64_t centesimi = a % 100;
    std::string testo = importo < 0 ? "-" : "";
    testo += std::to_string(a / 100);
    testo += '.';
    if (centesimi < 10)
        testo += '0';
    testo += std::to_string(centesimi);
    return testo;
}

std::vector<Valuta> valuteDiBase()
{
    return {
        {"CHF", "Franco svizzero", "Fr.", 1000000, true},
        {"EUR", "Euro", "EUR", 930000, false},
        {"USD", "Dollaro USA", "USD", 880000, false},
    };
}

std::int64_t converti(std::int64_t importo, const Valuta& da, const Valuta& a)
{
    if (da.codice == a.codice)
        return importo;
    if (a.tasso <= 0)
        return 0;
    const long double risultato = static_cast<long double>(da.tasso) * static_cast<long double>(importo)
                                  / static_cast<long double>(a.tasso);
    return static_cast<std::int64_t>(std::llround(risultato));
}

std::int64_t arrotondaValuta(std::int64_t importo, const Valuta& valuta)
{
    return valuta.arrotonda5 ? arrotondaA5(importo) : arrotondaA1(importo);
}

bool testoValuta(const std::string& testo)
{
    return testo.find_first_of(";\r\n") == std::string::npos;
}

bool salvaValute(const std::vector<Valuta>& valute, const std::string& percorso)
{
    std::string testo;
    for (const Valuta& v : valute) {
        if (!testoValuta(v.codice) || !testoValuta(v.nome) || !testoValuta(v.simbolo))
            return false;
        testo += v.codice + ';' + v.nome + ';' + v.simbolo + ';' + std::to_string(v.tasso) + ';'
                 + (v.arrotonda5 ? '1' : '0') + '\n';
    }
    return FileSicuri::scrivi(QString::fromStdString(percorso),
                              QByteArray(testo.data(), static_cast<int>(testo.size())));
}

namespace {

// Blanks at either end of a field that holds a number or a flag.
std::string senzaSpazi(const std::string& testo)
{
    const std::size_t inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string::npos)
        return std::string();
    const std::size_t fine = testo.find_last_not_of(" \t");
    return testo.substr(inizio, fine - inizio + 1);
}

// A whole number with an optional sign and nothing else, within 64 bits.
bool leggiTasso(const std::string& campo, std::int64_t* tasso)
{
    const std::string testo = senzaSpazi(campo);
    if (testo.empty() || testo.find_first_not_of("+-0123456789") != std::string::npos)
        return false;
    char* dopo = nullptr;
    errno = 0;
    const long long valore = std::strtoll(testo.c_str(), &dopo, 10);
    if (dopo != testo.c_str() + testo.size() || errno == ERANGE)
        return false;
    *tasso = valore;
    return true;
}

} // namespace

std::vector<Valuta> leggiValute(const std::string& percorso, std::vector<ProblemaValute>* problemi)
{
    std::vector<ProblemaValute> trovati;
    std::vector<Valuta> valute;
    QByteArray contenuto;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(QString::fromStdString(percorso), &contenuto);
    if (esito == FileSicuri::Esito::TroppoGrande)
        trovati.push_back({ProblemaValute::TroppoGrande, 0});
    else if (esito == FileSicuri::Esito::Illeggibile)
        trovati.push_back({ProblemaValute::Illeggibile, 0});

    std::string tutto(contenuto.constData(), static_cast<std::size_t>(contenuto.size()));
    if (tutto.compare(0, 3, "\xEF\xBB\xBF") == 0)
        tutto.erase(0, 3);
    std::size_t inizioRiga = 0;
    int numero = 0;
    bool righe = false;
    while (inizioRiga < tutto.size()) {
        std::size_t fineRiga = tutto.find('\n', inizioRiga);
        if (fineRiga == std::string::npos)
            fineRiga = tutto.size();
        std::string riga = tutto.substr(inizioRiga, fineRiga - inizioRiga);
        inizioRiga = fineRiga + 1;
        ++numero;
        // A CR of a CR LF line end and blanks at the end are no part of the
        // last field.
        const std::size_t ultimo = riga.find_last_not_of(" \t\r");
        riga.erase(ultimo == std::string::npos ? 0 : ultimo + 1);
        if (riga.empty())
            continue;
        righe = true;
        if (riga.find('\0') != std::string::npos) {
            trovati.push_back({ProblemaValute::Nul, numero});
            continue;
        }
        std::vector<std::string> campi;
        std::size_t inizio = 0;
        for (;;) {
            const std::size_t fine = riga.find(';', inizio);
            campi.push_back(riga.substr(inizio, fine == std::string::npos ? std::string::npos : fine - inizio));
            if (fine == std::string::npos)
                break;
            inizio = fine + 1;
        }
        Valuta v;
        const std::string flag = campi.size() == 5 ? senzaSpazi(campi[4]) : std::string();
        if (campi.size() < 5 || (campi.size() == 5 && flag.empty()))
            trovati.push_back({ProblemaValute::CampiMancanti, numero});
        else if (campi.size() > 5)
            trovati.push_back({ProblemaValute::CampiInPiu, numero});
        else if (senzaSpazi(campi[0]).empty())
            trovati.push_back({ProblemaValute::CodiceVuoto, numero});
        else if (!leggiTasso(campi[3], &v.tasso))
            trovati.push_back({ProblemaValute::TassoNonValido, numero});
        else if (flag != "0" && flag != "1")
            trovati.push_back({ProblemaValute::FlagNonValido, numero});
        else {
            v.codice = senzaSpazi(campi[0]);
            v.nome = campi[1];
            v.simbolo = campi[2];
            v.arrotonda5 = flag == "1";
            valute.push_back(v);
        }
    }
    if (problemi)
        *problemi = trovati;
    if (!righe && trovati.empty())
        return valuteDiBase();
    return valute;
}
