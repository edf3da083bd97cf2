#include "ambientetest.h"
#include "config.h"
#include "dipendente.h"
#include "orologio.h"
#include "sceglidipendente.h"

#include <QLineEdit>
#include <QScopeGuard>
#include <QPushButton>
#include <QTableWidget>

// Employees of the test company, in the order the chooser lists them.
//   Bianchi_Luca.txt   active
//   neri.txt           no surname, no employment period (ceased)
//   Rossi_Maria.txt    left in 2020 (ceased)
//   Verdi_Paolo.txt    enters in 2026 (not yet in service)
class TestScegliDipendente : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void righe_data();
    void righe();
    void filtro_data();
    void filtro();
    void singoloConferma();
    void singoloSenzaRigaVisibile();
    void singoloDoppioClic();
    void multiRigheNascosteContano();
    void multiNessunaSpunta();
    void selezionaTutti();
    void nessunDipendente();
    void invioDaTastiera();
    void annulla();

private:
    static void dipendente(const QString& id, const QString& nome, const QString& cognome, const QString& avs,
                           const QList<PeriodoRapporto>& periodi);
    static QTableWidget* tabella(ScegliDipendente& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
    static void clic(ScegliDipendente& f, const char* nome)
    {
        QTest::mouseClick(f.findChild<QPushButton*>(QLatin1String(nome)), Qt::LeftButton);
    }
    static void cerca(ScegliDipendente& f, const QString& testo)
    {
        auto* e = f.findChild<QLineEdit*>(QStringLiteral("cerca"));
        e->clear();
        QTest::keyClicks(e, testo);
    }
    static QStringList righeVisibili(ScegliDipendente& f, int colonna);
};

void TestScegliDipendente::dipendente(const QString& id, const QString& nome, const QString& cognome,
                                      const QString& avs, const QList<PeriodoRapporto>& periodi)
{
    DatiDipendente d;
    d.nome = nome;
    d.cognome = cognome;
    d.numeroAVS = avs;
    d.periodi = periodi;
    QVERIFY(Dipendente::salva(d, id));
}

void TestScegliDipendente::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2025, 6, 15), QTime(9, 0)));
    Config::setAziendaCorrente(QStringLiteral("Prova SA.txt"));
    dipendente(QStringLiteral("Verdi_Paolo.txt"), QStringLiteral("Paolo"), QStringLiteral("Verdi"),
               QStringLiteral("756.1234.5678.97"), {{QStringLiteral("01/02/2026"), QString()}});
    dipendente(QStringLiteral("Rossi_Maria.txt"), QStringLiteral("Maria"), QStringLiteral("Rossi"), QString(),
               {{QStringLiteral("01/01/2015"), QStringLiteral("31/12/2020")}});
    dipendente(QStringLiteral("Bianchi_Luca.txt"), QStringLiteral("Luca"), QStringLiteral("Bianchi"),
               QStringLiteral("756.9217.0769.85"), {{QStringLiteral("01/01/2010"), QString()}});
    dipendente(QStringLiteral("neri.txt"), QStringLiteral("Neri"), QString(), QString(), {});
    // Files beginning with "_" are not employees.
    dipendente(QStringLiteral("_modello.txt"), QStringLiteral("X"), QStringLiteral("Modello"), QString(), {});
}

QStringList TestScegliDipendente::righeVisibili(ScegliDipendente& f, int colonna)
{
    QStringList r;
    QTableWidget* t = tabella(f);
    for (int i = 0; i < t->rowCount(); ++i) {
        if (!t->isRowHidden(i))
            r << t->item(i, colonna)->text();
    }
    return r;
}

void TestScegliDipendente::righe_data()
{
    QTest::addColumn<bool>("multi");
    QTest::newRow("multipla") << true;
    QTest::newRow("singola") << false;
}

void TestScegliDipendente::righe()
{
    QFETCH(bool, multi);
    ScegliDipendente f(nullptr, false, multi);
    QTableWidget* t = tabella(f);
    const int c = multi ? 1 : 0;
    QCOMPARE(f.windowTitle(), multi ? QStringLiteral("Seleziona uno o piu' dipendenti") : QStringLiteral("Scegli dipendente"));
    QCOMPARE(t->columnCount(), multi ? 5 : 4);
    QCOMPARE(t->horizontalHeaderItem(c)->text(), QStringLiteral("Numero AVS"));
    QCOMPARE(t->rowCount(), 4);

    const QStringList avs{QStringLiteral("756.9217.0769.85"), QString(), QString(), QStringLiteral("756.1234.5678.97")};
    const QStringList cognomi{QStringLiteral("Bianchi"), QStringLiteral("neri.txt"), QStringLiteral("Rossi"), QStringLiteral("Verdi")};
    const QStringList stati{QStringLiteral("Attivo"), QStringLiteral("Cessato"), QStringLiteral("Cessato"),
                            QStringLiteral("Entrata futura")};
    const QStringList ids{QStringLiteral("Bianchi_Luca.txt"), QStringLiteral("neri.txt"), QStringLiteral("Rossi_Maria.txt"), QStringLiteral("Verdi_Paolo.txt")};
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(t->item(r, c)->text(), avs.at(r));
        QCOMPARE(t->item(r, c)->data(Qt::UserRole).toString(), ids.at(r));
        QCOMPARE(t->item(r, c + 1)->text(), cognomi.at(r));
        QCOMPARE(t->item(r, c + 3)->text(), stati.at(r));
        if (multi) {
            QCOMPARE(t->item(r, 0)->checkState(), Qt::Unchecked);
            QCOMPARE(t->item(r, 0)->data(Qt::UserRole).toString(), ids.at(r));
            QVERIFY(t->item(r, 0)->text().isEmpty());
        }
    }
    QCOMPARE(t->currentRow(), 0);
}

void TestScegliDipendente::filtro_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("cognomi");

    const QStringList tutti{QStringLiteral("Bianchi"), QStringLiteral("neri.txt"), QStringLiteral("Rossi"), QStringLiteral("Verdi")};
    QTest::newRow("vuoto") << "" << tutti;
    QTest::newRow("solo spazi") << "   " << tutti;
    QTest::newRow("stato cessato") << "cess" << QStringList{QStringLiteral("neri.txt"), QStringLiteral("Rossi")};
    QTest::newRow("maiuscole ignorate") << "ROSS" << QStringList{QStringLiteral("Rossi")};
    QTest::newRow("nome") << "luca" << QStringList{QStringLiteral("Bianchi")};
    QTest::newRow("numero AVS con spazi") << " 756.1234 " << QStringList{QStringLiteral("Verdi")};
    QTest::newRow("nessuno") << "zzz" << QStringList{};
}

void TestScegliDipendente::filtro()
{
    QFETCH(QString, testo);
    QFETCH(QStringList, cognomi);
    for (bool multi : {false, true}) {
        ScegliDipendente f(nullptr, false, multi);
        cerca(f, testo);
        QCOMPARE(righeVisibili(f, multi ? 2 : 1), cognomi);
        QTableWidget* t = tabella(f);
        if (cognomi.isEmpty()) {
            QVERIFY(t->selectedItems().isEmpty());
        } else {
            QVERIFY(!t->isRowHidden(t->currentRow()));
            QCOMPARE(t->item(t->currentRow(), multi ? 2 : 1)->text(), cognomi.first());
        }
    }
}

void TestScegliDipendente::singoloConferma()
{
    ScegliDipendente f(nullptr, false, false);
    f.show();
    cerca(f, QStringLiteral("verdi"));
    clic(f, "ok");
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.idSelezionato(), QStringLiteral("Verdi_Paolo.txt"));
    QCOMPARE(f.idsSelezionati(), QStringList{QStringLiteral("Verdi_Paolo.txt")});
}

void TestScegliDipendente::singoloSenzaRigaVisibile()
{
    RegistroMessaggi registro;
    ScegliDipendente f(nullptr, false, false);
    f.show();
    cerca(f, QStringLiteral("nessuno"));
    clic(f, "ok");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Nessuna selezione"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Seleziona un dipendente."));
    QVERIFY(f.isVisible());
    QVERIFY(f.idSelezionato().isEmpty());
}

void TestScegliDipendente::singoloDoppioClic()
{
    ScegliDipendente f(nullptr, false, false);
    f.show();
    QTableWidget* t = tabella(f);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QPoint punto = t->visualItemRect(t->item(2, 3)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, punto);
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.idSelezionato(), QStringLiteral("Rossi_Maria.txt"));
}

void TestScegliDipendente::multiRigheNascosteContano()
{
    ScegliDipendente f(nullptr, false, true);
    f.show();
    QTableWidget* t = tabella(f);
    // Ticked in reverse order: the result follows the rows. A double click
    // flips a box.
    t->item(3, 0)->setCheckState(Qt::Checked);
    emit t->cellDoubleClicked(0, 3);
    emit t->cellDoubleClicked(1, 2);
    emit t->cellDoubleClicked(1, 4);
    cerca(f, QStringLiteral("verdi"));
    QVERIFY(t->isRowHidden(0));
    clic(f, "ok");
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.idsSelezionati(), (QStringList{QStringLiteral("Bianchi_Luca.txt"), QStringLiteral("Verdi_Paolo.txt")}));
    QCOMPARE(f.idSelezionato(), QStringLiteral("Bianchi_Luca.txt"));
}

void TestScegliDipendente::multiNessunaSpunta()
{
    RegistroMessaggi registro;
    ScegliDipendente f(nullptr, false, true);
    f.show();
    clic(f, "ok"); // a selected row is not a checked row
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Spunta almeno un dipendente."));
    QVERIFY(f.isVisible());
    QVERIFY(f.idsSelezionati().isEmpty());
}

void TestScegliDipendente::selezionaTutti()
{
    ScegliDipendente f(nullptr, false, true);
    QTableWidget* t = tabella(f);
    auto* pulsante = f.findChild<QPushButton*>(QStringLiteral("selezionaTutti"));
    auto spunte = [t] {
        QString s;
        for (int r = 0; r < t->rowCount(); ++r)
            s += t->item(r, 0)->checkState() == Qt::Checked ? QLatin1Char('x') : QLatin1Char('.');
        return s;
    };

    t->item(1, 0)->setCheckState(Qt::Checked);
    QCOMPARE(pulsante->text(), QStringLiteral("Seleziona tutti")); // ticking by hand keeps the caption
    cerca(f, QStringLiteral("cess")); // rows 1 and 2 shown
    clic(f, "selezionaTutti");
    QCOMPARE(spunte(), QStringLiteral(".xx."));
    QCOMPARE(pulsante->text(), QStringLiteral("Deseleziona tutti"));
    clic(f, "selezionaTutti");
    QCOMPARE(spunte(), QStringLiteral("...."));
    QCOMPARE(pulsante->text(), QStringLiteral("Seleziona tutti"));

    t->item(0, 0)->setCheckState(Qt::Checked);
    cerca(f, QStringLiteral("zzz"));
    clic(f, "selezionaTutti");
    QCOMPARE(spunte(), QStringLiteral("x..."));
    QCOMPARE(pulsante->text(), QStringLiteral("Seleziona tutti"));

    cerca(f, QString());
    clic(f, "selezionaTutti");
    QCOMPARE(spunte(), QStringLiteral("xxxx"));
    clic(f, "ok");
    QCOMPARE(f.idsSelezionati().size(), 4);
}

void TestScegliDipendente::nessunDipendente()
{
    QDir(Config::cartellaDipendenti()).removeRecursively();
    RegistroMessaggi registro;
    for (bool multi : {false, true}) {
        ScegliDipendente f(nullptr, false, multi);
        f.show();
        QTableWidget* t = tabella(f);
        QCOMPARE(t->rowCount(), 0);
        QVERIFY(!t->isEnabled());
        clic(f, "ok");
        QVERIFY(f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Rejected));
    }
    QVERIFY(registro.richieste.isEmpty());
}

void TestScegliDipendente::invioDaTastiera()
{
    // The user types in the search line and presses Enter: "OK" is the default.
    ScegliDipendente f(nullptr, false, false);
    quandoAperto([&f] {
        auto chiudi = qScopeGuard([&f] { f.reject(); });
        auto* e = f.findChild<QLineEdit*>(QStringLiteral("cerca"));
        QCOMPARE(f.focusWidget(), e);
        QTest::keyClicks(e, QStringLiteral("bian"));
        QTest::keyClick(e, Qt::Key_Return);
        chiudi.dismiss();
    });
    QCOMPARE(f.exec(), int(QDialog::Accepted));
    QCOMPARE(f.idSelezionato(), QStringLiteral("Bianchi_Luca.txt"));
}

void TestScegliDipendente::annulla()
{
    ScegliDipendente f(nullptr, false, true);
    quandoAperto([&f] {
        tabella(f)->item(0, 0)->setCheckState(Qt::Checked);
        clic(f, "annulla");
    });
    QCOMPARE(f.exec(), int(QDialog::Rejected));
    QVERIFY(f.idsSelezionati().isEmpty());
    QVERIFY(f.idSelezionato().isEmpty());
}

VARDELLO_TEST_MAIN(TestScegliDipendente)
#include "tst_sceglidipendente.moc"
