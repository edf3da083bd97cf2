#include "ambientetest.h"
#include "azienda.h"
#include "campimovimento.h"
#include "certificato.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "dipendente.h"
#include "ferie.h"
#include "filesicuri.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"
#include "orologio.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTranslator>
#include <QElapsedTimer>

#include <functional>

using Percorso = std::function<QString()>;
using Scrittura = std::function<bool()>;
using Salvataggio = std::function<bool(QString*)>;
Q_DECLARE_METATYPE(Percorso)
Q_DECLARE_METATYPE(Scrittura)
Q_DECLARE_METATYPE(Salvataggio)


class TestDipendente : public QObject
{
    Q_OBJECT

private:
    static DatiDipendente completo();
    static QStringList righe(const QString& id);

private slots:
    void init() { AmbienteTest::svuota(); }

    void andataRitorno();
    void ordineDelleRighe();
    void fileStorici_data();
    void fileStorici();
    void idFuoriCartella_data();
    void idFuoriCartella();
    void percorsoAssoluto();
    void contiAssurdi();
    void byteCasuali();
    void chiaviIniettate();
    void scritturaFallita_data();
    void scritturaFallita();
    void valoriRifiutati_data();
    void valoriRifiutati();
    void elenco();
    void etichetta_data();
    void etichetta();
    void validaAVS_data();
    void validaAVS();
    void inForza_data();
    void inForza();
    void mesiLavorati_data();
    void mesiLavorati();
    void dataUscita_data();
    void dataUscita();
    void dataAssunzione();
    void idLibero_data();
    void idLibero();
    void idLiberoNomeLungo();
};

DatiDipendente TestDipendente::completo()
{
    DatiDipendente d;
    d.nome = QStringLiteral("Anna Maria");
    d.cognome = QStringLiteral("Rota");
    d.dataNascita = QStringLiteral("12/04/1985");
    d.sesso = QStringLiteral("F");
    d.statoCivile = QStringLiteral("coniugato");
    d.nazionalita = QStringLiteral("Svizzera");
    d.indirizzo = QStringLiteral("Via Nassa 5");
    d.cap = QStringLiteral("6900");
    d.localita = QStringLiteral("Lugano");
    d.cantone = QStringLiteral("TI");
    d.numeroAVS = QStringLiteral("756.1234.5678.97");
    d.permessoLavoro = QStringLiteral("B");
    d.periodi = {{QStringLiteral("01/03/2020"), QStringLiteral("31/12/2022")}, {QStringLiteral("01/02/2023"), QString()}};
    d.tipoContratto = QStringLiteral("indeterminato");
    d.mensilitaAggiuntive = 2;
    d.gradoOccupazione = 80;
    d.professione = QStringLiteral("Contabile");
    d.statoCivileDal = QStringLiteral("01/06/2015");
    d.cellulare = QStringLiteral("079 123 45 67");
    d.email = QStringLiteral("anna@example.ch");
    d.attivitaPrincipaleSecondaria = QStringLiteral("principale");
    d.altriDatori = QStringLiteral("nessuno");
    d.prestazioniAIADINF = QStringLiteral("no");
    d.attivitaIndipendente = QStringLiteral("no");
    d.ccl = QStringLiteral("Commercio");
    d.categoriaCcl = QStringLiteral("B");
    Figlio f;
    f.nome = QStringLiteral("Luca");
    f.cognome = QStringLiteral("Rota");
    f.dataNascita = QStringLiteral("03/09/2012");
    f.sesso = QStringLiteral("M");
    f.viveConDipendente = false;
    f.residenzaSeNonConvive = QStringLiteral("Milano");
    f.parentela = QStringLiteral("FC");
    f.agliStudi = true;
    f.corsoStudi = QStringLiteral("Liceo");
    f.fineCicloStudi = QStringLiteral("2031");
    f.redditoAVS = true;
    Figlio g;
    g.nome = QStringLiteral("Sara");
    g.incapacitaGuadagno = true;
    d.figli = {f, g};
    d.salarioMensile = 6250.5;
    d.lppManuale = 120.25;
    d.pagaOraria = 31.4;
    d.tipoPaga = 1;
    d.modalitaPagamento = QStringLiteral("banca");
    d.iban = QStringLiteral("CH93 0076 2011 6238 5295 7");
    d.intestatarioConto = QStringLiteral("Anna Maria Rota");
    d.banca = QStringLiteral("Banca dello Stato");
    d.bicSwift = QStringLiteral("BSCTCH22");
    d.bancaEstera = true;
    d.extra = {{QStringLiteral("telefono"), QStringLiteral("091 000 00 00")},
               {QStringLiteral("codiceTariffa"), QStringLiteral("B2")},
               {QStringLiteral("tabellaIF"), QStringLiteral("B")}};
    return d;
}

QStringList TestDipendente::righe(const QString& id)
{
    return QString::fromUtf8(AmbienteTest::leggi(Dipendente::percorsoFile(id))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestDipendente::andataRitorno()
{
    const DatiDipendente d = completo();
    QVERIFY(Dipendente::salva(d, QStringLiteral("Rota_Anna Maria.txt")));
    DatiDipendente letto;
    letto.nome = QStringLiteral("residuo di un altro");
    QVERIFY(Dipendente::carica(QStringLiteral("Rota_Anna Maria.txt"), letto));
    QVERIFY(letto == d);
}

void TestDipendente::ordineDelleRighe()
{
    QVERIFY(Dipendente::salva(completo(), QStringLiteral("x.txt")));
    const QStringList r = righe(QStringLiteral("x.txt"));
    QStringList chiavi;
    for (const QString& riga : r)
        chiavi << riga.section(QLatin1Char('='), 0, 0);
    QStringList attese = {"nome", "cognome", "dataNascita", "sesso", "statoCivile", "nazionalita", "indirizzo",
                          "cap", "localita", "cantone", "numeroAVS", "permessoLavoro", "nPeriodi",
                          "periodo1_entrata", "periodo1_uscita", "periodo2_entrata", "tipoContratto",
                          "mensilitaAggiuntive", "gradoOccupazione", "professione", "statoCivileDal", "cellulare",
                          "email", "attivitaPrincipaleSecondaria", "altriDatori", "prestazioniAIADINF",
                          "attivitaIndipendente", "ccl", "categoriaCcl", "salarioMensile", "lppManuale",
                          "pagaOraria", "tipoPaga", "modalitaPagamento", "iban", "intestatarioConto", "banca",
                          "bicSwift", "bancaEstera", "figli_count"};
    const QStringList campiFiglio = {"nome", "cognome", "dataNascita", "sesso", "statoCivile", "nazionalita",
                                     "viveConDipendente", "residenzaSeNonConvive", "parentela",
                                     "incapacitaGuadagno", "agliStudi", "corsoStudi", "fineCicloStudi",
                                     "redditoAVS"};
    const QStringList vuotiSara = {"cognome", "dataNascita", "sesso", "statoCivile", "nazionalita",
                                   "residenzaSeNonConvive", "corsoStudi", "fineCicloStudi"};
    const QStringList vuotiLuca = {"statoCivile", "nazionalita"};
    for (int i = 0; i < 2; ++i) {
        for (const QString& c : campiFiglio) {
            if ((i == 0 && vuotiLuca.contains(c)) || (i == 1 && vuotiSara.contains(c)))
                continue;
            attese << QStringLiteral("figlio%1_%2").arg(i).arg(c);
        }
    }
    attese << "codiceTariffa" << "tabellaIF" << "telefono";
    QCOMPARE(chiavi, attese);
    QVERIFY(r.contains(QStringLiteral("salarioMensile=6250.50")));
    QVERIFY(r.contains(QStringLiteral("nPeriodi=2")));
    QVERIFY(r.contains(QStringLiteral("bancaEstera=1")));
}

void TestDipendente::fileStorici_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("periodi");
    QTest::addColumn<QString>("entrata");
    QTest::addColumn<int>("grado");
    QTest::addColumn<QStringList>("righeAttese");
    QTest::addColumn<QStringList>("righeAssenti");
    QTest::addColumn<bool>("valido"); // every number valid for its field

    QTest::newRow("date of hire only")
        << QByteArray("nome=Ugo\r\ndataAssunzione=01/03/2020\r\n") << 1 << "01/03/2020" << 100
        << QStringList{"nPeriodi=1", "periodo1_entrata=01/03/2020"} << QStringList{"dataAssunzione=01/03/2020"}
        << true;
    QTest::newRow("two periods, one present")
        << QByteArray("nPeriodi=2\nperiodo1_entrata=01/01/2021\n") << 2 << "01/01/2021" << 100
        << QStringList{"nPeriodi=2", "periodo1_entrata=01/01/2021"} << QStringList{"periodo2_entrata="} << true;
    QTest::newRow("degree not a number")
        << QByteArray("gradoOccupazione=molto\n") << 0 << "" << 0
        << QStringList{"gradoOccupazione=0"} << QStringList{} << false;
    // A line of no key is reported, never dropped unseen.
    QTest::newRow("malformed lines reported")
        << QByteArray("senza uguale\n=valore\n nome = Ugo\n") << 0 << "" << 100
        << QStringList{"nome= Ugo"} << QStringList{"=valore"} << false;
    // The record writes every key once: one given again is reported.
    QTest::newRow("key given twice")
        << QByteArray("nome=Ugo\ngradoOccupazione=80\nnome=Ugo\n") << 0 << "" << 80 << QStringList{"nome=Ugo"}
        << QStringList{} << false;
    QTest::newRow("BOM before the first key")
        << QByteArray("\xEF\xBB\xBFnome=Ugo\ngradoOccupazione=80 \n") << 0 << "" << 80
        << QStringList{"nome=Ugo", "gradoOccupazione=80"} << QStringList{} << true;
}

void TestDipendente::fileStorici()
{
    QFETCH(QByteArray, file);
    QFETCH(int, periodi);
    QFETCH(QString, entrata);
    QFETCH(int, grado);
    QFETCH(QStringList, righeAttese);
    QFETCH(QStringList, righeAssenti);
    QFETCH(bool, valido);

    AmbienteTest::scrivi(Dipendente::percorsoFile(QStringLiteral("vecchio.txt")), file);
    DatiDipendente d;
    QString errore;
    QCOMPARE(Dipendente::carica(QStringLiteral("vecchio.txt"), d, &errore), valido);
    QCOMPARE(errore.isEmpty(), valido);
    QCOMPARE(d.periodi.size(), periodi);
    QCOMPARE(Dipendente::dataAssunzione(d), entrata);
    QCOMPARE(d.gradoOccupazione, grado);
    QVERIFY(Dipendente::salva(d, QStringLiteral("vecchio.txt")));
    const QStringList r = righe(QStringLiteral("vecchio.txt"));
    for (const QString& attesa : righeAttese)
        QVERIFY2(r.contains(attesa), qPrintable(attesa));
    for (const QString& assente : righeAssenti)
        QVERIFY2(!r.contains(assente), qPrintable(assente));
}

void TestDipendente::idFuoriCartella_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("parent") << "../x.txt";
    QTest::newRow("sub folder") << "a/b.txt";
    QTest::newRow("backslash") << "a\\b.txt";
    QTest::newRow("dot-dot") << "..";
    QTest::newRow("dot") << ".";
    QTest::newRow("empty") << "";
}

void TestDipendente::idFuoriCartella()
{
    QFETCH(QString, id);
    const QString cartella = Config::cartellaDipendenti();
    // A file that a careless path could reach.
    AmbienteTest::scrivi(QFileInfo(cartella).absolutePath() + QStringLiteral("/x.txt"), "nome=Fuori\n");
    const QByteArray prima = AmbienteTest::leggi(QFileInfo(cartella).absolutePath() + QStringLiteral("/x.txt"));

    DatiDipendente d = completo();
    QVERIFY(!Dipendente::salva(d, id));
    QVERIFY(!Dipendente::carica(id, d));
    QCOMPARE(d.nome, completo().nome);
    QVERIFY(!Dipendente::elimina(id));
    QCOMPARE(AmbienteTest::leggi(QFileInfo(cartella).absolutePath() + QStringLiteral("/x.txt")), prima);
    QVERIFY(!QFileInfo::exists(cartella + QStringLiteral("/a")));
}

void TestDipendente::percorsoAssoluto()
{
    const QString percorso = AmbienteTest::home() + QStringLiteral("/altrove/Neri_Pia.txt");
    DatiDipendente d;
    d.nome = QStringLiteral("Pia");
    QVERIFY(Dipendente::salva(d, percorso));
    QCOMPARE(Dipendente::percorsoFile(percorso), percorso);
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(percorso, letto));
    QCOMPARE(letto.nome, QStringLiteral("Pia"));
}

void TestDipendente::contiAssurdi()
{
    AmbienteTest::scrivi(Dipendente::percorsoFile(QStringLiteral("enorme.txt")),
                         "nome=Ugo\nnPeriodi=2000000000\nfigli_count=99999999\nperiodo1_entrata=01/01/2020\n");
    QElapsedTimer t;
    t.start();
    DatiDipendente d;
    QString errore;
    QVERIFY(!Dipendente::carica(QStringLiteral("enorme.txt"), d, &errore));
    QVERIFY(errore.contains(QLatin1String("nPeriodi")) && errore.contains(QLatin1String("figli_count")));
    qInfo("absurd counts read in %lld ms", t.elapsed());
    // No more periods or children than the file has lines; the line after
    // the counts is read.
    QVERIFY(d.periodi.size() <= 5);
    QVERIFY(d.figli.size() <= 5);
    QCOMPARE(d.periodi.first().entrata, QStringLiteral("01/01/2020"));
}

void TestDipendente::byteCasuali()
{
    QByteArray rumore(8192, '\0');
    auto* gen = QRandomGenerator::global();
    for (char& c : rumore)
        c = char(gen->bounded(256));
    // Noise is reported, from its first line of no key on; what did load
    // saves and reads back clean.
    AmbienteTest::scrivi(Dipendente::percorsoFile(QStringLiteral("rumore.txt")), "rumore\n" + rumore);
    DatiDipendente d;
    QString errore;
    QVERIFY(!Dipendente::carica(QStringLiteral("rumore.txt"), d, &errore));
    QVERIFY2(errore.contains(QLatin1String("riga 1: \"rumore\"")), qPrintable(errore));
    QVERIFY(Dipendente::salva(d, QStringLiteral("rumore.txt")));
    DatiDipendente di_nuovo;
    QVERIFY(Dipendente::carica(QStringLiteral("rumore.txt"), di_nuovo));
}

void TestDipendente::chiaviIniettate()
{
    DatiDipendente d;
    d.nome = QStringLiteral("Ugo\nsalarioMensile=99999");
    d.cognome = QStringLiteral("Neri\r\nbancaEstera=1");
    d.extra.insert(QStringLiteral("nota"), QStringLiteral("riga1\nnome=Falso"));
    d.extra.insert(QStringLiteral("chiave=iniettata"), QStringLiteral("x"));
    d.extra.insert(QStringLiteral("a\nsalarioMensile"), QStringLiteral("5"));
    d.extra.insert(QStringLiteral("nome"), QStringLiteral("Doppione"));
    d.extra.insert(QStringLiteral("nPeriodi"), QStringLiteral("7"));
    d.salarioMensile = 100;
    QVERIFY(Dipendente::salva(d, QStringLiteral("n.txt")));
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(QStringLiteral("n.txt"), letto));
    QCOMPARE(letto.nome, QStringLiteral("Ugo salarioMensile=99999"));
    QCOMPARE(letto.cognome, QStringLiteral("Neri  bancaEstera=1"));
    QCOMPARE(letto.salarioMensile, 100.0);
    QVERIFY(!letto.bancaEstera);
    QCOMPARE(letto.periodi.size(), 0);
    QCOMPARE(letto.extra.value(QStringLiteral("nota")), QStringLiteral("riga1 nome=Falso"));
    QCOMPARE(letto.extra.size(), 1);
}

// A write that cannot be completed is reported by the one write helper and
// by every store, and leaves no half file behind: once with a folder where
// the file goes (refused on opening), once with a file system that takes no
// more bytes (the commit fails; a size limit stands for a full disk and stops
// even a user who may write everywhere).
void TestDipendente::scritturaFallita_data()
{
    QTest::addColumn<Percorso>("percorso");
    QTest::addColumn<Scrittura>("scrivi");

    const QString id = QStringLiteral("r.txt");
    QTest::newRow("write helper") << Percorso([] { return AmbienteTest::home() + QStringLiteral("/dati/f.txt"); })
                                  << Scrittura([] {
                                         return FileSicuri::scrivi(AmbienteTest::home() + QStringLiteral("/dati/f.txt"),
                                                                   "contenuto\n");
                                     });
    QTest::newRow("employee") << Percorso([=] { return Dipendente::percorsoFile(id); })
                              << Scrittura([=] { return Dipendente::salva(completo(), id); });
    QTest::newRow("company") << Percorso([] { return Config::cartellaDati() + QStringLiteral("/Alfa.txt"); })
                             << Scrittura([] {
                                    DatiAzienda a;
                                    a.ragioneSociale = QStringLiteral("Alfa SA");
                                    return Azienda::salva(a, QStringLiteral("Alfa.txt"));
                                });
    QTest::newRow("salary periods") << Percorso([=] { return StoricoStipendi::percorsoFile(id); })
                                    << Scrittura([=] { return StoricoStipendi::salva(id, {PeriodoStipendio()}); });
    QTest::newRow("pay history") << Percorso([=] { return StoricoPaghe::percorsoFile(id, 2026); })
                                 << Scrittura([=] {
                                        StoricoPaghe::PagaMese p;
                                        p.anno = 2026;
                                        p.mese = 1;
                                        p.netto = 4500;
                                        return StoricoPaghe::salvaMese(id, p);
                                    });
    QTest::newRow("monthly variables") << Percorso([=] { return VariabiliMensili::percorsoFile(id, 2026); })
                                       << Scrittura([=] {
                                              return VariabiliMensili::salvaAnno(id, 2026,
                                                                                 VariabiliMensili::caricaAnno(id, 2026));
                                          });
    QTest::newRow("movements") << Percorso([=] { return Movimenti::percorsoFile(id); })
                               << Scrittura([=] { return Movimenti::salva(id, {MovimentoStipendio()}); });
    QTest::newRow("movement fields") << Percorso([] { return CampiMovimento::percorsoUtente(); })
                                     << Scrittura([] {
                                            CampoMovimento c;
                                            c.nome = QStringLiteral("Prestito");
                                            c.tipo = QStringLiteral("rimborso_prestito");
                                            return CampiMovimento::scrivi({c});
                                        });
    QTest::newRow("salary certificate") << Percorso([=] {
        Certificato::DatiCertificato c;
        c.idDipendente = id;
        c.annoValidita = 2026;
        return Certificato::percorsoFile(c);
    }) << Scrittura([=] {
        Certificato::DatiCertificato c;
        c.idDipendente = id;
        c.annoValidita = 2026;
        c.cifra1 = 60000;
        return Certificato::salva(c);
    });
    QTest::newRow("year closing") << Percorso([] { return ChiusuraAnnuale::percorsoStatoAnno(2026); })
                                  << Scrittura([] {
                                         return ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("prova"), QString());
                                     });
    QTest::newRow("data folder setting") << Percorso([] { return Config::percorsoFileConfig(); })
                                         << Scrittura([] { return Config::setCartellaDati(AmbienteTest::home()); });
}

void TestDipendente::scritturaFallita()
{
    QFETCH(Percorso, percorso);
    QFETCH(Scrittura, scrivi);
    const QString file = percorso();
    QVERIFY(!file.isEmpty());
    QVERIFY(QDir().mkpath(file));
    QVERIFY(!scrivi());
    QVERIFY(QFileInfo(file).isDir());
    QVERIFY(QDir(file).removeRecursively());

#ifdef Q_OS_UNIX
    {
        LimiteFile pieno(0);
        QVERIFY(!scrivi());
    }
    QVERIFY(!QFileInfo::exists(file));
    // No temporary file of the failed write stays beside it.
    const QStringList accanto = QFileInfo(file).dir().entryList(QDir::Files);
    for (const QString& f : accanto)
        QVERIFY2(!f.startsWith(QFileInfo(file).fileName()), qPrintable(f));
#endif

    // With room again the same write succeeds.
    QVERIFY(scrivi());
    QVERIFY(QFileInfo(file).isFile());
}

// A save never writes what its own reader would report: refused with the
// field named, nothing written; the widest amount saved reads back cleanly.
void TestDipendente::valoriRifiutati_data()
{
    QTest::addColumn<Percorso>("percorso");
    QTest::addColumn<Salvataggio>("salva");
    QTest::addColumn<Percorso>("rileggi"); // what the reader reports of the saved file
    QTest::addColumn<QString>("motivo");   // named in the refusal; empty: saved

    const QString id = QStringLiteral("Rota.txt");
    const Percorso dipendente = [=] { return Dipendente::percorsoFile(id); };
    const Percorso azienda = [] { return Config::cartellaDati() + QStringLiteral("/Delta.txt"); };
    const Percorso movimenti = [=] { return Movimenti::percorsoFile(id); };
    const Percorso rileggiDipendente = [=] {
        DatiDipendente d;
        QString errore;
        Dipendente::carica(id, d, &errore);
        return errore;
    };
    const Percorso rileggiAzienda = [] {
        QString errore;
        Azienda::carica(QStringLiteral("Delta.txt"), &errore);
        return errore;
    };
    const Percorso rileggiMovimenti = [=] {
        QString errore;
        Movimenti::carica(id, &errore);
        return errore;
    };
    auto conDipendente = [=](double salario, int grado) {
        return Salvataggio([=](QString* errore) {
            DatiDipendente d = completo();
            d.salarioMensile = salario;
            d.gradoOccupazione = grado;
            return Dipendente::salva(d, id, errore);
        });
    };
    auto conAzienda = [](double premio, double massimale) {
        return Salvataggio([=](QString* errore) {
            DatiAzienda a;
            a.ragioneSociale = QStringLiteral("Delta SA");
            a.lainfIPperMille = premio;
            a.lainfMassimale = massimale;
            return Azienda::salva(a, QStringLiteral("Delta.txt"), errore);
        });
    };
    auto conMovimento = [=](double importo, int categoria, const QString& descrizione) {
        return Salvataggio([=](QString* errore) {
            MovimentoStipendio m;
            m.data = QStringLiteral("2026-03-31");
            m.tipo = QStringLiteral("Gratifica");
            m.importo = importo;
            m.categoriaCertificato = categoria;
            m.descrizione = descrizione;
            return Movimenti::salva(id, {MovimentoStipendio(), m}, errore);
        });
    };
    QTest::newRow("salary below 0") << dipendente << conDipendente(-1850, 100) << rileggiDipendente
                                    << "salarioMensile=-1850.00";
    QTest::newRow("salary above 1e9") << dipendente << conDipendente(1000000000.5, 100) << rileggiDipendente
                                      << "salarioMensile=1000000000.5";
    QTest::newRow("salary not a number") << dipendente << conDipendente(qQNaN(), 100) << rileggiDipendente
                                         << "salarioMensile=nan";
    QTest::newRow("degree above 100") << dipendente << conDipendente(5000, 101) << rileggiDipendente
                                      << "gradoOccupazione=101";
    QTest::newRow("widest salary") << dipendente << conDipendente(1e9, 100) << rileggiDipendente << "";
    QTest::newRow("company rate not a number") << azienda << conAzienda(qQNaN(), 148200) << rileggiAzienda
                                               << "lainfIPperMille";
    QTest::newRow("company ceiling above 1e9") << azienda << conAzienda(6, 1000000000.5) << rileggiAzienda
                                               << "lainfMassimale";
    QTest::newRow("widest company ceiling") << azienda << conAzienda(6, 1e9) << rileggiAzienda << "";
    QTest::newRow("movement amount not a number") << movimenti << conMovimento(qQNaN(), 3, QString())
                                                  << rileggiMovimenti << "movimento 2 (2026-03-31, Gratifica)";
    QTest::newRow("movement amount below -1e9") << movimenti << conMovimento(-1250000000, 3, QString())
                                                << rileggiMovimenti << "importo";
    QTest::newRow("certificate category above 9999") << movimenti << conMovimento(100, 10000, QString())
                                                     << rileggiMovimenti << "categoriaCertificato";
    QTest::newRow("NUL in a description") << movimenti << conMovimento(100, 3, QStringLiteral("a%1b").arg(QChar(0)))
                                          << rileggiMovimenti << "descrizione";
    QTest::newRow("widest movement") << movimenti << conMovimento(1e9, 9999, QString()) << rileggiMovimenti << "";
}

void TestDipendente::valoriRifiutati()
{
    QFETCH(Percorso, percorso);
    QFETCH(Salvataggio, salva);
    QFETCH(Percorso, rileggi);
    QFETCH(QString, motivo);
    QString errore;
    QCOMPARE(salva(&errore), motivo.isEmpty());
    if (!motivo.isEmpty()) {
        QVERIFY2(errore.contains(motivo), qPrintable(errore));
        QVERIFY(!QFileInfo::exists(percorso()));
        return;
    }
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QCOMPARE(rileggi(), QString());
}

void TestDipendente::elenco()
{
    const QString c = Config::cartellaDipendenti();
    for (const char* nome : {"Zeta_A.txt", "beta_B.txt", "_modello.txt", "Alfa_C.TXT", "note.csv", ".nascosto.txt"})
        AmbienteTest::scrivi(c + QLatin1Char('/') + QLatin1String(nome), "nome=x\n");
    QDir().mkpath(c + QStringLiteral("/cartella.txt"));
    const QStringList attesi = {"Alfa_C.TXT", "beta_B.txt", "Zeta_A.txt"};
    QCOMPARE(Dipendente::elencoDipendenti(false), attesi);
    QCOMPARE(Dipendente::elencoDipendenti(true), attesi);
}

void TestDipendente::etichetta_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("avs");
    QTest::addColumn<QString>("entrata");
    QTest::addColumn<QString>("uscita");
    QTest::addColumn<QString>("attesa");
    QTest::newRow("in service") << "it" << "" << "01/01/2020" << "" << "Rossi Mario";
    QTest::newRow("former, with AVS") << "it" << "756.0000.0000.02" << "01/01/2020" << "31/12/2025"
                                      << "756.0000.0000.02 - Rossi Mario (cessato)";
    QTest::newRow("future hire") << "it" << "" << "01/09/2026" << "" << "Rossi Mario (entrata futura)";
    QTest::newRow("future hire, German") << "de" << "" << "01/09/2026" << ""
                                         << "Rossi Mario (Eintritt folgt)";
    QTest::newRow("former, German") << "de" << "" << "01/01/2020" << "31/12/2025" << "Rossi Mario (ausgetreten)";
}

void TestDipendente::etichetta()
{
    QFETCH(QString, lingua);
    QFETCH(QString, avs);
    QFETCH(QString, entrata);
    QFETCH(QString, uscita);
    QFETCH(QString, attesa);
    QTranslator traduzione;
    if (lingua != QLatin1String("it")) {
        QVERIFY(traduzione.load(QStringLiteral(VARDELLO_TRADUZIONI "/vardello_") + lingua));
        QCoreApplication::installTranslator(&traduzione);
    }
    Orologio::imposta(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.numeroAVS = avs;
    d.periodi = {{entrata, uscita}};
    QVERIFY(Dipendente::salva(d, QStringLiteral("Rossi_Mario.txt")));
    QCOMPARE(Dipendente::etichetta(QStringLiteral("Rossi_Mario.txt")), attesa);
    QCOMPARE(Dipendente::etichetta(QStringLiteral("Manca_Del_Tutto.txt")), QStringLiteral("Manca_Del_Tutto"));
}

void TestDipendente::validaAVS_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("valido");
    QTest::newRow("valid") << "756.9217.0769.85" << true;
    QTest::newRow("valid, blanks and dots anywhere") << " 756 92.17.0769 85 " << true;
    QTest::newRow("wrong check digit") << "756.9217.0769.84" << false;
    QTest::newRow("example of the card") << "756.1111.2222.33" << false;
    QTest::newRow("valid, 1111-2222") << "756.1111.2222.39" << true;
    QTest::newRow("12 digits") << "756.9217.0769.8" << false;
    QTest::newRow("14 digits") << "756.9217.0769.851" << false;
    QTest::newRow("letter") << "756.9217.0769.8A" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٧٥٦٩٢١٧٠٧٦٩٨٥") << true;
}

void TestDipendente::validaAVS()
{
    QFETCH(QString, numero);
    QFETCH(bool, valido);
    QCOMPARE(Dipendente::validaAVS(numero), valido);
}

void TestDipendente::inForza_data()
{
    QTest::addColumn<QString>("entrata");
    QTest::addColumn<QString>("uscita");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<bool>("attesa");
    QTest::newRow("last day") << "01/01/2024" << "31/03/2024" << QDate(2024, 3, 31) << true;
    QTest::newRow("day after") << "01/01/2024" << "31/03/2024" << QDate(2024, 4, 1) << false;
    QTest::newRow("before entry") << "01/01/2024" << "" << QDate(2023, 12, 31) << false;
    QTest::newRow("exit not a date") << "01/01/2024" << "presto" << QDate(2030, 1, 1) << true;
    QTest::newRow("entry not a date") << "1.1.2024" << "" << QDate(2025, 1, 1) << false;
}

void TestDipendente::inForza()
{
    QFETCH(QString, entrata);
    QFETCH(QString, uscita);
    QFETCH(QDate, data);
    QFETCH(bool, attesa);
    DatiDipendente d;
    QVERIFY(!Dipendente::inForza(d, data));
    d.periodi = {{entrata, uscita}};
    QCOMPARE(Dipendente::inForza(d, data), attesa);
}

void TestDipendente::mesiLavorati_data()
{
    QTest::addColumn<QStringList>("periodi"); // entrata,uscita pairs
    QTest::addColumn<int>("mesi");
    QTest::newRow("no periods") << QStringList{} << 12;
    QTest::newRow("mid March to mid May") << QStringList{"15/03/2024", "10/05/2024"} << 3;
    QTest::newRow("entered the year before") << QStringList{"20/12/2023", ""} << 12;
    QTest::newRow("same months twice: each once")
        << QStringList{"01/01/2024", "30/09/2024", "01/01/2024", "30/09/2024"} << 9;
    QTest::newRow("overlap: March once") << QStringList{"01/01/2024", "31/03/2024", "01/03/2024", "30/04/2024"} << 4;
    QTest::newRow("rehired within April") << QStringList{"01/01/2024", "10/04/2024", "21/04/2024", "30/09/2024"} << 9;
    QTest::newRow("rehired in July") << QStringList{"01/01/2024", "31/03/2024", "01/07/2024", ""} << 9;
    QTest::newRow("left on 1 March: March counts") << QStringList{"01/01/2024", "01/03/2024"} << 3;
    QTest::newRow("left before the year") << QStringList{"01/01/2020", "31/12/2023"} << 0;
    QTest::newRow("enters after the year") << QStringList{"01/01/2025", ""} << 0;
    QTest::newRow("exit that is no date: still employed") << QStringList{"15/03/2024", "31/02/2024"} << 10;
    QTest::newRow("exit in another form: still employed") << QStringList{"15/03/2024", "10.05.2024"} << 10;
    QTest::newRow("entry that is no date: no month") << QStringList{"", "10/05/2024", "1/03/2024", ""} << 0;
}

void TestDipendente::mesiLavorati()
{
    QFETCH(QStringList, periodi);
    QFETCH(int, mesi);
    DatiDipendente d;
    for (int i = 0; i + 1 < periodi.size(); i += 2)
        d.periodi.append({periodi.at(i), periodi.at(i + 1)});
    QCOMPARE(Dipendente::mesiLavorati(d, 2024), mesi);
}

void TestDipendente::dataUscita_data()
{
    QTest::addColumn<QStringList>("periodi"); // entrata,uscita pairs
    QTest::addColumn<QString>("uscita");      // of 2026
    QTest::newRow("no periods") << QStringList{} << "";
    QTest::newRow("open") << QStringList{"01/01/2020", ""} << "";
    QTest::newRow("leaves 31 December") << QStringList{"01/01/2020", "31/12/2026"} << "31/12/2026";
    QTest::newRow("leaves, a contract from 1 January")
        << QStringList{"01/01/2020", "30/09/2026", "01/01/2027", ""} << "30/09/2026";
    QTest::newRow("leaves 31 December, a contract from 1 January")
        << QStringList{"01/01/2020", "31/12/2026", "01/01/2027", "30/06/2027"} << "31/12/2026";
    QTest::newRow("rehired within the year, open") << QStringList{"01/01/2020", "31/03/2026", "01/06/2026", ""} << "";
    QTest::newRow("rehired within the year, leaves again")
        << QStringList{"01/06/2026", "30/09/2026", "01/01/2020", "31/03/2026"} << "30/09/2026";
    QTest::newRow("next period from the next day, into the next year")
        << QStringList{"01/01/2020", "30/09/2026", "01/10/2026", "31/03/2027"} << "";
    QTest::newRow("left the year before") << QStringList{"01/01/2020", "31/12/2025", "01/01/2027", ""} << "";
}

void TestDipendente::dataUscita()
{
    QFETCH(QStringList, periodi);
    DatiDipendente d;
    for (int i = 0; i + 1 < periodi.size(); i += 2)
        d.periodi.append({periodi.at(i), periodi.at(i + 1)});
    QTEST(Dipendente::dataUscita(d, 2026), "uscita");
}

void TestDipendente::dataAssunzione()
{
    DatiDipendente d;
    QCOMPARE(Dipendente::dataAssunzione(d), QString());
    Dipendente::setDataAssunzione(d, QStringLiteral("01/05/2022"));
    QCOMPARE(d.periodi.size(), 1);
    QCOMPARE(d.periodi.first().uscita, QString());
    d.periodi.append({QStringLiteral("01/01/2024"), QString()});
    Dipendente::setDataAssunzione(d, QStringLiteral("02/05/2022"));
    QCOMPARE(d.periodi.size(), 2);
    QCOMPARE(Dipendente::dataAssunzione(d), QStringLiteral("02/05/2022"));
}

void TestDipendente::idLibero_data()
{
    QTest::addColumn<QStringList>("presenti"); // files made first: "<store>:<id>"
    QTest::addColumn<QString>("desiderato");
    QTest::addColumn<QString>("atteso");

    const QString rota = QStringLiteral("Rota_Anna.txt");
    QTest::newRow("free") << QStringList() << rota << rota;
    QTest::newRow("other employee of the company") << QStringList{"dipendente:Verdi_Ugo.txt"} << rota << rota;
    QTest::newRow("same company") << QStringList{"dipendente:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("another company") << QStringList{"altra:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("letter case") << QStringList{"altra:ROTA_anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("flat folder of older versions") << QStringList{"piatta:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("pay history, blanks become _")
        << QStringList{"paghe:Rota Bianchi_Anna.txt"} << "Rota_Bianchi Anna.txt" << "Rota_Bianchi Anna_1.txt";
    QTest::newRow("variables") << QStringList{"variabili:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("movements") << QStringList{"movimenti:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("salary history") << QStringList{"stipendi:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("holidays") << QStringList{"ferie:Rota_Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("certificate") << QStringList{"certificato:Rota Anna.txt"} << rota << "Rota_Anna_1.txt";
    QTest::newRow("first two taken")
        << QStringList{"dipendente:Rota_Anna.txt", "paghe:Rota_Anna_1.txt"} << rota << "Rota_Anna_2.txt";
    QTest::newRow("without extension") << QStringList{"dipendente:Rota_Anna.txt"} << "Rota_Anna" << "Rota_Anna_1";
    QTest::newRow("only the prefix is alike") << QStringList{"dipendente:Rota_Annabella.txt"} << rota << rota;
}

void TestDipendente::idLibero()
{
    QFETCH(QStringList, presenti);
    QFETCH(QString, desiderato);
    QFETCH(QString, atteso);

    Config::setAziendaCorrente(QStringLiteral("Alfa_SA.txt"));
    const QString dati = Config::cartellaDati();
    for (const QString& voce : presenti) {
        const QString tipo = voce.section(QLatin1Char(':'), 0, 0);
        const QString id = voce.section(QLatin1Char(':'), 1);
        const QString base = QFileInfo(id).completeBaseName();
        QString percorso;
        if (tipo == QLatin1String("dipendente"))
            percorso = Dipendente::percorsoFile(id);
        else if (tipo == QLatin1String("altra"))
            percorso = dati + QStringLiteral("/aziende/Beta_SA/dipendenti/") + id;
        else if (tipo == QLatin1String("piatta"))
            percorso = dati + QStringLiteral("/dipendenti/") + id;
        else if (tipo == QLatin1String("paghe"))
            percorso = StoricoPaghe::percorsoFile(id, 2026);
        else if (tipo == QLatin1String("variabili"))
            percorso = VariabiliMensili::percorsoFile(id, 2026);
        else if (tipo == QLatin1String("movimenti"))
            percorso = Movimenti::percorsoFile(id);
        else if (tipo == QLatin1String("stipendi"))
            percorso = StoricoStipendi::percorsoFile(id);
        else if (tipo == QLatin1String("ferie"))
            percorso = Ferie::cartellaFerie() + QLatin1Char('/') + base + QStringLiteral(".ini");
        else if (tipo == QLatin1String("certificato"))
            percorso = Config::cartellaDatiPredefinita() + QStringLiteral("/certificati/certificato_")
                + QString(base).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral("_2025.txt");
        QVERIFY2(!percorso.isEmpty(), qPrintable(voce));
        AmbienteTest::scrivi(percorso, "x=1\n");
    }
    QCOMPARE(Dipendente::idLibero(desiderato), atteso);
}

void TestDipendente::idLiberoNomeLungo()
{
    // A surname too long for a file name: the name is shortened, stays
    // unique, and every store can write the employee's files.
    const QString lungo = QString(300, QChar(0x00E8)) + QStringLiteral("_Anna.txt"); // "è", two bytes each
    const QString primo = Dipendente::idLibero(lungo);
    QVERIFY(primo.endsWith(QLatin1String(".txt")));
    QVERIFY(primo.toUtf8().size() <= 130);
    DatiDipendente d;
    d.cognome = QString(300, QChar(0x00E8));
    QVERIFY(Dipendente::salva(d, primo));
    QVERIFY(Movimenti::salva(primo, {}));
    QVERIFY(VariabiliMensili::salvaAnno(primo, 2026, VariabiliMensili::caricaAnno(primo, 2026)));
    StoricoPaghe::PagaMese p;
    p.anno = 2026;
    p.mese = 12;
    QVERIFY(StoricoPaghe::salvaMese(primo, p));
    const QString secondo = Dipendente::idLibero(lungo);
    QVERIFY(secondo != primo);
    QVERIFY(secondo.endsWith(QLatin1String("_1.txt")));
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(primo, letto));
    QCOMPARE(letto.cognome, d.cognome);
}

VARDELLO_TEST_MAIN(TestDipendente)
#include "tst_dipendente.moc"
