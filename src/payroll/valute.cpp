#include "valute.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::int64_t segno(std::int64_t x)
{
    return x < 0 ? -1 : 1;
}

std::int64_t assoluto(std::int64_t x)
{
    return x < 0 ? -x : x;
}

std::filesystem::path percorsoDa(const std::string& utf8)
{
#if defined(__cpp_char8_t)
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return std::filesystem::u8path(utf8);
#endif
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
    for (const Valuta& v : valute) {
        if (!testoValuta(v.codice) || !testoValuta(v.nome) || !testoValuta(v.simbolo))
            return false;
    }
    const std::filesystem::path finale = percorsoDa(percorso);
    std::filesystem::path temporaneo = finale;
    temporaneo += ".tmp";
    {
        std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (const Valuta& v : valute) {
            out << v.codice << ';' << v.nome << ';' << v.simbolo << ';' << v.tasso << ';'
                << (v.arrotonda5 ? '1' : '0') << '\n';
        }
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignora;
            std::filesystem::remove(temporaneo, ignora);
            return false;
        }
    }
    std::error_code errore;
    std::filesystem::rename(temporaneo, finale, errore);
    if (errore) {
        std::error_code ignora;
        std::filesystem::remove(temporaneo, ignora);
        return false;
    }
    return true;
}

std::vector<Valuta> leggiValute(const std::string& percorso)
{
    std::vector<Valuta> valute;
    std::ifstream in(percorsoDa(percorso), std::ios::binary);
    std::string riga;
    while (in && std::getline(in, riga)) {
        std::string campi[5];
        std::size_t inizio = 0;
        bool completa = true;
        for (int i = 0; i < 4; ++i) {
            const std::size_t fine = riga.find(';', inizio);
            if (fine == std::string::npos) {
                completa = false;
                break;
            }
            campi[i] = riga.substr(inizio, fine - inizio);
            inizio = fine + 1;
        }
        // The fifth field must begin before the end of the line.
        if (!completa || inizio >= riga.size())
            continue;
        const std::size_t fine = riga.find(';', inizio);
        campi[4] = riga.substr(inizio, fine == std::string::npos ? std::string::npos : fine - inizio);

        const char* testo = campi[3].c_str();
        char* dopo = nullptr;
        errno = 0;
        const long long tasso = std::strtoll(testo, &dopo, 10);
        if (dopo == testo || errno == ERANGE)
            continue;

        Valuta v;
        v.codice = campi[0];
        v.nome = campi[1];
        v.simbolo = campi[2];
        v.tasso = tasso;
        v.arrotonda5 = campi[4] == "1";
        valute.push_back(v);
    }
    if (valute.empty())
        return valuteDiBase();
    return valute;
}
