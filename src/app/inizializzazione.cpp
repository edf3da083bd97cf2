#include "inizializzazione.h"

#include "config.h"
#include "filesicuri.h"
#include "orologio.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kIban = QStringLiteral("CH9300762011623852957");
const QString kBanca = QStringLiteral("Banca Esempio Ticino SA");

Figlio figlio(const DatiDipendente& genitore, const QString& nome, const QString& sesso, const QString& nascita)
{
    Figlio f;
    f.nome = nome;
    f.cognome = genitore.cognome;
    f.dataNascita = nascita;
    f.sesso = sesso;
    f.statoCivile = QStringLiteral("celibe");
    f.nazionalita = genitore.nazionalita;
    f.viveConDipendente = true;
    f.parentela = QStringLiteral("F");
    f.incapacitaGuadagno = false;
    f.redditoAVS = false;
    return f;
}

// What every demonstration employee shares.
DatiDipendente base(const QString& nome, const QString& cognome, const QString& sesso, const QString& nascita,
                    const QString& statoCivile, const QString& nazionalita, const QString& permesso,
                    const QString& avs, double salario, int mensilita)
{
    DatiDipendente d;
    d.nome = nome;
    d.cognome = cognome;
    d.sesso = sesso;
    d.dataNascita = nascita;
    d.statoCivile = statoCivile;
    d.nazionalita = nazionalita;
    d.permessoLavoro = permesso;
    d.numeroAVS = avs;
    d.salarioMensile = salario;
    d.mensilitaAggiuntive = mensilita;
    d.indirizzo = QStringLiteral("Via Esempio 1");
    d.cap = QStringLiteral("6900");
    d.localita = QStringLiteral("Lugano");
    d.cantone = QStringLiteral("TI");
    PeriodoRapporto p;
    p.entrata = QStringLiteral("01/01/2026");
    d.periodi.append(p);
    d.tipoContratto = QStringLiteral("indeterminato");
    d.gradoOccupazione = 100;
    d.modalitaPagamento = QStringLiteral("banca");
    d.iban = kIban;
    d.intestatarioConto = cognome + QLatin1Char(' ') + nome;
    d.banca = kBanca;
    d.bancaEstera = false;
    return d;
}

// The withholding-tax tariff, under both keys the card and the pay count read.
void tariffa(DatiDipendente& d, const QString& codice)
{
    d.extra.insert(QStringLiteral("tabellaIF"), codice);
    d.extra.insert(QStringLiteral("codiceTariffa"), codice);
}

} // namespace

QString Inizializzazione::cartellaBase()
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation) + QStringLiteral("/.vardello_dati");
}

QString Inizializzazione::percorsoMarcatore()
{
    return cartellaBase() + QStringLiteral("/.inizializzato");
}

QStringList Inizializzazione::sottocartelle()
{
    return {QStringLiteral("/aziende"), QStringLiteral("/paghe"),       QStringLiteral("/ferie"),
            QStringLiteral("/banche"),  QStringLiteral("/backup"),      QStringLiteral("/certificati"),
            QStringLiteral("/stipendi")};
}

QString Inizializzazione::fileAziendaDimostrativa()
{
    return QStringLiteral("Alpina_Esempio_SA.txt");
}

DatiAzienda Inizializzazione::aziendaDimostrativa()
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alpina Esempio SA");
    a.indirizzo = QStringLiteral("Via Cantonale 10");
    a.cap = QStringLiteral("6900");
    a.localita = QStringLiteral("Lugano");
    a.cantone = QStringLiteral("TI");
    a.nazione = QStringLiteral("CH");
    a.campi.insert(QStringLiteral("partitaIva"), QStringLiteral("CHE-123.456.789 IVA"));
    a.lainfIPperMille = 6.5;
    a.lainfINPuomoPerMille = 11.2;
    a.lainfINPdonnaPerMille = 9.4;
    a.lainfMassimale = 148200.0;
    a.tredicesimaAutomatica = true;
    return a;
}

QList<QPair<QString, DatiDipendente>> Inizializzazione::dipendentiDimostrativi()
{
    // Social-insurance numbers with valid EAN-13 check digits.
    QList<DatiDipendente> d;
    d << base(QStringLiteral("Luca"), QStringLiteral("Bernasconi"), QStringLiteral("M"), QStringLiteral("14/04/1988"),
              QStringLiteral("celibe"), QStringLiteral("CH"), QString(), QStringLiteral("756.1111.2222.39"), 6200, 1);

    DatiDipendente d2 = base(QStringLiteral("Chiara"), QStringLiteral("Pedrazzini"), QStringLiteral("F"),
                             QStringLiteral("22/09/1982"), QStringLiteral("coniugato"), QStringLiteral("CH"), QString(),
                             QStringLiteral("756.2222.3333.40"), 5400, 1);
    d2.figli << figlio(d2, QStringLiteral("Tommaso"), QStringLiteral("M"), QStringLiteral("10/05/2014"));
    Figlio studente = figlio(d2, QStringLiteral("Giulia"), QStringLiteral("F"), QStringLiteral("03/11/2008"));
    studente.agliStudi = true;
    studente.corsoStudi = QStringLiteral("Liceo");
    studente.fineCicloStudi = QStringLiteral("06/2027");
    d2.figli << studente;
    d << d2;

    DatiDipendente d3 = base(QStringLiteral("Joao"), QStringLiteral("Ferreira"), QStringLiteral("M"),
                             QStringLiteral("05/03/1985"), QStringLiteral("coniugato"), QStringLiteral("PT"),
                             QStringLiteral("B"), QStringLiteral("756.3333.4444.51"), 5800, 1);
    tariffa(d3, QStringLiteral("B2"));
    d3.extra.insert(QStringLiteral("coniugeLavora"), QStringLiteral("no"));
    d3.figli << figlio(d3, QStringLiteral("Miguel"), QStringLiteral("M"), QStringLiteral("12/02/2016"));
    d3.figli << figlio(d3, QStringLiteral("Ana"), QStringLiteral("F"), QStringLiteral("19/08/2019"));
    d << d3;

    DatiDipendente d4 = base(QStringLiteral("Thomas"), QStringLiteral("Keller"), QStringLiteral("M"),
                             QStringLiteral("30/07/1979"), QStringLiteral("divorziato"), QStringLiteral("DE"),
                             QStringLiteral("C"), QStringLiteral("756.4444.5555.62"), 7100, 0);
    d4.statoCivileDal = QStringLiteral("10/02/2021");
    d4.figli << figlio(d4, QStringLiteral("Lena"), QStringLiteral("F"), QStringLiteral("18/04/2015"));
    d << d4;

    DatiDipendente d5 = base(QStringLiteral("Sara"), QStringLiteral("Colombo"), QStringLiteral("F"),
                             QStringLiteral("11/12/1991"), QStringLiteral("celibe"), QStringLiteral("IT"),
                             QStringLiteral("G"), QStringLiteral("756.5555.6666.73"), 4900, 1);
    d5.indirizzo = QStringLiteral("Via Milano 18");
    d5.cap = QStringLiteral("22100");
    d5.localita = QStringLiteral("Como");
    tariffa(d5, QStringLiteral("A0"));
    d << d5;

    DatiDipendente d6 = base(QStringLiteral("Giorgio"), QStringLiteral("Fontana"), QStringLiteral("M"),
                             QStringLiteral("08/01/1968"), QStringLiteral("vedovo"), QStringLiteral("CH"), QString(),
                             QStringLiteral("756.6666.7777.84"), 6500, 1);
    d6.statoCivileDal = QStringLiteral("04/09/2020");
    d << d6;

    DatiDipendente d7 = base(QStringLiteral("Davide"), QStringLiteral("Moretti"), QStringLiteral("M"),
                             QStringLiteral("19/06/1995"), QStringLiteral("celibe"), QStringLiteral("CH"), QString(),
                             QStringLiteral("756.7777.8888.95"), 0, 1);
    d7.pagaOraria = 34.5;
    d7.tipoPaga = 1;
    d << d7;

    QList<QPair<QString, DatiDipendente>> elenco;
    for (const DatiDipendente& x : qAsConst(d))
        elenco.append({x.cognome + QLatin1Char('_') + x.nome + QStringLiteral(".txt"), x});
    return elenco;
}

void Inizializzazione::esegui()
{
    const QString base = cartellaBase();
    QDir().mkpath(base);
    for (const QString& sotto : sottocartelle())
        QDir().mkpath(base + sotto);

    if (QFileInfo::exists(percorsoMarcatore()))
        return;

    // Never stops the start: a record not saved is one line in the log.
    QString motivo;
    if (!Azienda::salva(aziendaDimostrativa(), fileAziendaDimostrativa(), &motivo))
        qWarning().noquote() << "Azienda dimostrativa non salvata:" << motivo;
    if (Config::aziendaCorrente().isEmpty())
        Config::setAziendaCorrente(fileAziendaDimostrativa());
    const auto dipendenti = dipendentiDimostrativi();
    for (const auto& d : dipendenti) {
        if (!Dipendente::salva(d.second, d.first, &motivo))
            qWarning().noquote() << "Dipendente dimostrativo non salvato:" << d.first << motivo;
    }

    const QString testo = QStringLiteral("Inizializzato il ") + Orologio::adesso().toString(Qt::ISODate)
        + QLatin1Char('\n');
    FileSicuri::scrivi(percorsoMarcatore(), testo.toUtf8());
}
