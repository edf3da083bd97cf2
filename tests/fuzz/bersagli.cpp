#include "bersagli.h"

#include "assegnifamiliari.h"
#include "azienda.h"
#include "campimovimento.h"
#include "ccl.h"
#include "certificato.h"
#include "bankprofile.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "csvdipendenti.h"
#include "datoteca.h"
#include "dipendente.h"
#include "ferie.h"
#include "fileini.h"
#include "generisalario.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "nap.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "valute.h"
#include "variabilimensili.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cstdlib>
#include <cstring>

namespace Bersagli {

namespace {

const QString kId = QStringLiteral("fuzz.txt");
constexpr int kAnno = 2026;

QString g_home;

// A home folder of our own, made once per process: the readers find their
// files below it.
void prepara()
{
    if (!g_home.isEmpty())
        return;
    QByteArray modello = QDir::tempPath().toLocal8Bit() + "/vardello_fuzz_XXXXXX";
    const char* home = mkdtemp(modello.data());
    if (!home)
        std::abort();
    g_home = QString::fromLocal8Bit(home);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", QByteArray(home) + "/.config");
    qputenv("XDG_DATA_HOME", QByteArray(home) + "/.local/share");
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));
    // The readers' warnings about rejected rows would flood the output.
    QLoggingCategory::setFilterRules(QStringLiteral("*.warning=false\n*.info=false\n*.debug=false"));
}

QByteArray bytes(const uint8_t* dati, size_t n)
{
    return QByteArray(reinterpret_cast<const char*>(dati), int(n));
}

// Writes the bytes as the file (no flush to disk: speed matters here).
void scrivi(const QString& percorso, const uint8_t* dati, size_t n)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char*>(dati), qint64(n));
}

QList<Figlio> treFigli()
{
    QList<Figlio> figli;
    for (const char* nascita : {"12/03/2010", "01/09/2004", "30/06/2019"}) {
        Figlio f;
        f.dataNascita = QLatin1String(nascita);
        f.agliStudi = true;
        figli.append(f);
    }
    return figli;
}

} // namespace

int dipendente(const uint8_t* dati, size_t n)
{
    prepara();
    const DatiDipendente d = Dipendente::deserializza(bytes(dati, n));
    const DatiDipendente riletto = Dipendente::deserializza(Dipendente::serializza(d));
    Dipendente::inForza(riletto, QDate(kAnno, 5, 1));
    Dipendente::mesiLavorati(riletto, kAnno);
    return 0;
}

int azienda(const uint8_t* dati, size_t n)
{
    prepara();
    Azienda::deserializza(Azienda::serializza(Azienda::deserializza(bytes(dati, n))));
    return 0;
}

int paghe(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(StoricoPaghe::percorsoFile(kId, kAnno), dati, n);
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(kId, kAnno, mesi);
    StoricoPaghe::calcolaYtd(mesi);
    // The closing's refusals beside it share the file's form.
    scrivi(StoricoPaghe::percorsoRifiuti(kId, kAnno), dati, n);
    StoricoPaghe::caricaRifiuti(kId, kAnno);
    return 0;
}

int variabili(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(VariabiliMensili::percorsoFile(kId, kAnno), dati, n);
    VariabiliMensili::caricaAnno(kId, kAnno);
    FileIni::leggi(FileIni::leggi(bytes(dati, n)).scrivi());
    return 0;
}

int stipendi(const uint8_t* dati, size_t n)
{
    prepara();
    StoricoStipendi::deserializza(StoricoStipendi::serializza(StoricoStipendi::deserializza(bytes(dati, n))));
    return 0;
}

int movimenti(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(Movimenti::percorsoFile(QStringLiteral("fuzz")), dati, n);
    Movimenti::carica(QStringLiteral("fuzz"));
    return 0;
}

int stato(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(ChiusuraAnnuale::percorsoStatoAnno(kAnno), dati, n);
    ChiusuraAnnuale::isAnnoChiuso(kAnno);
    return 0;
}

int parametri(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/datoteca_2026.ini"), dati, n);
    Datoteca::carica(kAnno + 1); // another year first, so the file is read again
    Datoteca::carica(kAnno);
    Datoteca::codiciContributi();
    Datoteca::aliquotaLPP(40);
    return 0;
}

int assegni(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/assegni_familiari.ini"), dati, n);
    for (const char* cantone : {"TI", "ZH", "GE"})
        AssegniFamiliari::calcola(QLatin1String(cantone), treFigli(), 5000.0, QDate(kAnno, 5, 31));
    return 0;
}

int tariffe(const uint8_t* dati, size_t n)
{
    prepara();
    const QString cartella = QDir::homePath() + QStringLiteral("/dati_afc");
    scrivi(cartella + QStringLiteral("/tar26ti.txt"), dati, n);
    ImpostaFonte::caricaDa(cartella);
    ImpostaFonte::avvisi();
    for (const char* codice : {"A0", "A0N", "B1", "C2Y"}) {
        ImpostaFonte::calcolaMensile(5000.0, QStringLiteral("TI"), QLatin1String(codice));
        ImpostaFonte::calcolaAnnuale(80000.0, QStringLiteral("TI"), QLatin1String(codice));
    }
    ImpostaFonte::calcolaCategoriaFissa(5000.0, QStringLiteral("TI"), QStringLiteral("HEN"));
    ImpostaFonte::cantoniDisponibili();
    return 0;
}

int nap(const uint8_t* dati, size_t n)
{
    prepara();
    const QString percorso = QDir::homePath() + QStringLiteral("/nap.csv");
    scrivi(percorso, dati, n);
    NAP::caricaDa(percorso);
    NAP::localitaPerNap(QStringLiteral("6900"));
    NAP::napPerLocalita(QStringLiteral("Lugano"));
    NAP::cantonePerNap(QStringLiteral("8001"));
    return 0;
}

int banche(const uint8_t* dati, size_t n)
{
    prepara();
    const QString percorso = QDir::homePath() + QStringLiteral("/banca.json");
    scrivi(percorso, dati, n);
    bool ok = false;
    BankProfile::caricaDaFile(percorso, &ok);
    return 0;
}

int ferie(const uint8_t* dati, size_t n)
{
    prepara();
    const Ferie f(QStringLiteral("fuzz"));
    scrivi(f.percorsoFile(), dati, n);
    f.leggiAnno(kAnno);
    f.proRataLegali(200);
    return 0;
}

// The employees CSV of the import: every accepted row becomes an employee
// of the current company, whose folder is emptied before each input.
int csv(const uint8_t* dati, size_t n)
{
    prepara();
    Config::setAziendaCorrente(QStringLiteral("Fuzz.txt"));
    QDir(Config::cartellaDipendenti()).removeRecursively();
    const QString percorso = g_home + QStringLiteral("/dipendenti.csv");
    scrivi(percorso, dati, n);
    int importati = 0;
    int saltati = 0;
    CsvDipendenti::importa(percorso, &importati, &saltati);
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        Dipendente::carica(id, d);
    }
    return 0;
}

// A salary certificate as the certificate manager opens it; one that reads
// cleanly is saved and read again.
int certificato(const uint8_t* dati, size_t n)
{
    prepara();
    Certificato::DatiCertificato c;
    c.idDipendente = kId;
    c.annoValidita = kAnno;
    const QString percorso = Certificato::percorsoFile(c);
    scrivi(percorso, dati, n);
    QString errore;
    if (Certificato::carica(c, percorso, &errore) && Certificato::salva(c))
        Certificato::carica(c, Certificato::percorsoFile(c), &errore);
    return 0;
}

// The user's salary types as the salary types window loads and saves them.
int generi(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(GeneriSalario::percorsoFileUtente(), dati, n);
    GeneriSalario::azzera();
    GeneriSalario::carica();
    for (const QString& codice : GeneriSalario::codiciDisponibili())
        GeneriSalario::info(codice);
    if (GeneriSalario::problemiCaricamento().isEmpty() && GeneriSalario::salva()) {
        GeneriSalario::azzera();
        GeneriSalario::carica();
    }
    return 0;
}

// The movement kinds catalogue as its window loads and saves it.
int campi(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(CampiMovimento::percorsoUtente(), dati, n);
    const QList<CampoMovimento> letti = CampiMovimento::tutti();
    CampiMovimento::perTipo(QStringLiteral("voce_salariale"));
    if (CampiMovimento::scrivi(letti))
        CampiMovimento::tutti();
    return 0;
}

// The collective-agreement minimums as the card checks them.
int ccl(const uint8_t* dati, size_t n)
{
    prepara();
    scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini"), dati, n);
    CCL::verifica(QStringLiteral("Edilizia_principale"), QStringLiteral("Manovale"), 4700.0);
    CCL::verifica(QStringLiteral("Pulizie"), QStringLiteral("Con_AFC_ora"), 25.0);
    CCL::verifica(QStringLiteral("General"), QString(), 1.0);
    return 0;
}

// The currency file: what read is saved and read back the same.
int valute(const uint8_t* dati, size_t n)
{
    prepara();
    const QString percorso = g_home + QStringLiteral("/valute.txt");
    scrivi(percorso, dati, n);
    std::vector<ProblemaValute> problemi;
    const std::vector<Valuta> lette = leggiValute(percorso.toStdString(), &problemi);
    if (!problemi.empty() || !salvaValute(lette, percorso.toStdString()))
        return 0;
    if (leggiValute(percorso.toStdString(), &problemi) != lette || !problemi.empty())
        std::abort();
    for (const Valuta& v : lette)
        arrotondaValuta(converti(12345, v, lette.front()), v);
    return 0;
}

void pulisci()
{
    if (!g_home.isEmpty())
        QDir(g_home).removeRecursively();
}

Funzione trova(const char* nome)
{
    static const struct
    {
        const char* nome;
        Funzione funzione;
    } tabella[] = {
        {"dipendente", dipendente}, {"azienda", azienda},     {"paghe", paghe},   {"variabili", variabili},
        {"stipendi", stipendi},     {"movimenti", movimenti}, {"stato", stato},   {"parametri", parametri},
        {"assegni", assegni},       {"tariffe", tariffe},     {"nap", nap},       {"banche", banche},
        {"ferie", ferie},           {"csv", csv},
        {"certificato", certificato}, {"generi", generi}, {"campi", campi}, {"ccl", ccl},
        {"valute", valute},
    };
    for (const auto& voce : tabella) {
        if (std::strcmp(voce.nome, nome) == 0)
            return voce.funzione;
    }
    return nullptr;
}

} // namespace Bersagli
