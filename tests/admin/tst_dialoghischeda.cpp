#include "ambientetest.h"
#include "dialogamministrativi.h"
#include "dialogfigli.h"
#include "dialogperiodirapporto.h"
#include "orologio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>

Q_DECLARE_METATYPE(PeriodoRapporto)

// The three dialogs the employee card opens on its working copy: employment
// periods, children and administrative data.
class TestDialoghiScheda : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // employment periods
    void periodiModifiche_data();
    void periodiModifiche();
    void periodiEliminaRicostruisce();
    void periodiAnnullaLasciaIntatto_data();
    void periodiAnnullaLasciaIntatto();
    void periodiDateIllegibili();

    // children
    void figliAggiungi();
    void figliAnnullaNonCambiaNulla();
    void figliModificaTieneIlResto();
    void figliDataIllegibile_data();
    void figliDataIllegibile();
    void figliElimina();

    // administrative data
    void amministrativiSalva();
    void amministrativiChiudi();

private:
    static QList<PeriodoRapporto> tre();
    static void clic(QWidget* w, const char* nome)
    {
        auto* b = w->findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static QWidget* riga(QDialog& d, int i) { return d.findChild<QWidget*>(QStringLiteral("riga%1").arg(i)); }
    // Fills the child form when it opens, then confirms or cancels it.
    static void quandoFormFiglio(std::function<void(QDialog*)> compila, bool conferma);
};

const QDate kOggi(2025, 6, 15);

void TestDialoghiScheda::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(kOggi, QTime(10, 0)));
}

QList<PeriodoRapporto> TestDialoghiScheda::tre()
{
    return {{QStringLiteral("01/01/2010"), QStringLiteral("31/12/2012")},
            {QStringLiteral("01/03/2015"), QStringLiteral("30/06/2018")},
            {QStringLiteral("01/02/2020"), QString()}};
}

// Each row: starting periods, the user's actions, the periods after "OK".
// Actions: "+" add a period; "u<i>" toggle "In corso" of row i;
// "x<i>:<dd/MM/yyyy>" set the exit date of row i; "e<i>:<date>" the entry.
void TestDialoghiScheda::periodiModifiche_data()
{
    QTest::addColumn<QList<PeriodoRapporto>>("prima");
    QTest::addColumn<QStringList>("azioni");
    QTest::addColumn<QList<PeriodoRapporto>>("dopo");
    QTest::addColumn<QString>("rifiuto"); // empty: "OK" hands the periods back

    const QString oggi = kOggi.toString(QStringLiteral("dd/MM/yyyy"));
    QTest::newRow("nessun periodo, nessuna azione") << QList<PeriodoRapporto>{} << QStringList{} << QList<PeriodoRapporto>{} << "";
    // Two periods running from today share every day from today on.
    QTest::newRow("aggiungi due volte: due periodi in corso")
        << QList<PeriodoRapporto>{} << QStringList{"+", "+"} << QList<PeriodoRapporto>{}
        << "\"Periodi di rapporto\": i periodi 1 e 2 si sovrappongono: un dipendente ha un solo rapporto alla volta.";
    QTest::newRow("chiude un periodo in corso con oggi")
        << QList<PeriodoRapporto>{{"01/02/2020", ""}} << QStringList{"u0"}
        << QList<PeriodoRapporto>{{"01/02/2020", oggi}} << "";
    QTest::newRow("uscita cambiata mentre in corso non conta")
        << QList<PeriodoRapporto>{{"01/02/2020", ""}} << QStringList{"x0:31/03/2025"}
        << QList<PeriodoRapporto>{{"01/02/2020", ""}} << "";
    QTest::newRow("uscita scelta poi periodo chiuso")
        << QList<PeriodoRapporto>{{"01/02/2020", ""}} << QStringList{"x0:31/03/2025", "u0"}
        << QList<PeriodoRapporto>{{"01/02/2020", "31/03/2025"}} << "";
    QTest::newRow("riaperto e richiuso torna alla vecchia uscita")
        << QList<PeriodoRapporto>{{"01/01/2010", "31/12/2012"}} << QStringList{"u0", "u0"}
        << QList<PeriodoRapporto>{{"01/01/2010", "31/12/2012"}} << "";
    QTest::newRow("riaperto resta aperto")
        << QList<PeriodoRapporto>{{"01/01/2010", "31/12/2012"}} << QStringList{"u0"}
        << QList<PeriodoRapporto>{{"01/01/2010", ""}} << "";
    QTest::newRow("entrata e uscita modificate")
        << tre() << QStringList{"e1:15/03/2015", "x1:31/07/2018"}
        << QList<PeriodoRapporto>{tre().at(0), {"15/03/2015", "31/07/2018"}, tre().at(2)} << "";
    // The third, running, closed on 30/06/2025 before the new one starts.
    QTest::newRow("chiuso il terzo, aggiunto in coda e modificato")
        << tre() << QStringList{"x2:30/06/2025", "u2", "+", "e3:01/07/2025"}
        << QList<PeriodoRapporto>{tre().at(0), tre().at(1), {"01/02/2020", "30/06/2025"}, {"01/07/2025", ""}} << "";
    // The new period runs from 01/07/2025 while the third still runs.
    QTest::newRow("aggiunto in coda, il terzo ancora in corso")
        << tre() << QStringList{"+", "e3:01/07/2025"} << tre()
        << "\"Periodi di rapporto\": i periodi 3 e 4 si sovrappongono: un dipendente ha un solo rapporto alla volta.";
    // 31/12/2012 is a working day of both the first and the moved second.
    QTest::newRow("entrata il giorno dell'uscita precedente")
        << tre() << QStringList{"e1:31/12/2012"} << tre()
        << "\"Periodi di rapporto\": i periodi 1 e 2 si sovrappongono: un dipendente ha un solo rapporto alla volta.";
    QTest::newRow("entrata il giorno dopo l'uscita precedente")
        << tre() << QStringList{"e1:01/01/2013"}
        << QList<PeriodoRapporto>{tre().at(0), {"01/01/2013", "30/06/2018"}, tre().at(2)} << "";
    QTest::newRow("uscita prima dell'entrata")
        << tre() << QStringList{"x1:28/02/2015"} << tre()
        << "\"Periodi di rapporto\": il periodo 2 finisce il 28/02/2015, prima del suo inizio il 01/03/2015.";
}

void TestDialoghiScheda::periodiModifiche()
{
    QFETCH(QList<PeriodoRapporto>, prima);
    QFETCH(QStringList, azioni);
    QFETCH(QList<PeriodoRapporto>, dopo);
    QFETCH(QString, rifiuto);

    RegistroMessaggi registro;
    QList<PeriodoRapporto> scheda = prima;
    DialogPeriodiRapporto d(scheda, nullptr);
    quandoAperto([&] {
        auto chiudi = qScopeGuard([&d] { d.QDialog::reject(); });
        for (const QString& a : azioni) {
            if (a == QLatin1String("+")) {
                clic(&d, "aggiungiPeriodo");
                continue;
            }
            QWidget* r = riga(d, a.mid(1).section(QLatin1Char(':'), 0, 0).toInt());
            QVERIFY2(r, qPrintable(a));
            const QDate data = QDate::fromString(a.section(QLatin1Char(':'), 1), QStringLiteral("dd/MM/yyyy"));
            if (a.startsWith(QLatin1Char('u')))
                QTest::mouseClick(r->findChild<QCheckBox*>(QStringLiteral("inCorso")), Qt::LeftButton);
            else if (a.startsWith(QLatin1Char('x')))
                r->findChild<QDateEdit*>(QStringLiteral("uscita"))->setDate(data);
            else
                r->findChild<QDateEdit*>(QStringLiteral("entrata"))->setDate(data);
            QCOMPARE(scheda, prima); // only the dialog's copy changes meanwhile
        }
        clic(&d, "ok");
        // A refused "OK" leaves the dialog open and the card's periods as they were.
        QCOMPARE(d.isVisible(), !rifiuto.isEmpty());
        if (!rifiuto.isEmpty())
            return;
        chiudi.dismiss();
    });
    QCOMPARE(d.exec(), rifiuto.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(scheda, dopo);
    if (!rifiuto.isEmpty()) {
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QCOMPARE(registro.ultimoTesto(), rifiuto);
        return;
    }
    // The reminder to save only when the periods changed.
    if (dopo == prima) {
        QCOMPARE(registro.richieste.size(), 0);
        return;
    }
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Periodi aggiornati"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Ricordati di premere Salva nella scheda per rendere effettive le modifiche."));
}

void TestDialoghiScheda::periodiEliminaRicostruisce()
{
    RegistroMessaggi registro;
    QList<PeriodoRapporto> scheda = tre();
    DialogPeriodiRapporto d(scheda, nullptr);
    d.show();

    registro.rispondi(QMessageBox::No);
    clic(riga(d, 0), "elimina");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Eliminare il periodo selezionato?"));
    QVERIFY(riga(d, 2));

    registro.rispondi(QMessageBox::Yes);
    clic(riga(d, 0), "elimina");
    QApplication::processEvents();
    QVERIFY(!riga(d, 2));
    QCOMPARE(riga(d, 0)->findChild<QDateEdit*>(QStringLiteral("entrata"))->date(), QDate(2015, 3, 1));
    QVERIFY(riga(d, 1)->findChild<QCheckBox*>(QStringLiteral("inCorso"))->isChecked());
    QVERIFY(!riga(d, 1)->findChild<QDateEdit*>(QStringLiteral("uscita"))->isEnabled());

    // Later edits reach the right periods.
    riga(d, 1)->findChild<QDateEdit*>(QStringLiteral("entrata"))->setDate(QDate(2020, 3, 1));
    riga(d, 0)->findChild<QDateEdit*>(QStringLiteral("uscita"))->setDate(QDate(2019, 12, 31));
    clic(&d, "ok");
    QCOMPARE(scheda, (QList<PeriodoRapporto>{{"01/03/2015", "31/12/2019"}, {"01/03/2020", ""}}));
}

void TestDialoghiScheda::periodiAnnullaLasciaIntatto_data()
{
    QTest::addColumn<bool>("boxChiusura");
    QTest::newRow("Annulla") << false;
    QTest::newRow("chiusura della finestra") << true;
}

void TestDialoghiScheda::periodiAnnullaLasciaIntatto()
{
    QFETCH(bool, boxChiusura);
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Yes);
    registro.rispondi(QMessageBox::Discard); // the close box asks; "Annulla" drops on purpose
    QList<PeriodoRapporto> scheda = tre();
    DialogPeriodiRapporto d(scheda, nullptr);
    quandoAperto([&] {
        auto chiudi = qScopeGuard([&d] { d.QDialog::reject(); });
        clic(&d, "aggiungiPeriodo");
        clic(riga(d, 0), "elimina");
        QTest::mouseClick(riga(d, 0)->findChild<QCheckBox*>(QStringLiteral("inCorso")), Qt::LeftButton);
        riga(d, 1)->findChild<QDateEdit*>(QStringLiteral("entrata"))->setDate(QDate(2021, 1, 1));
        if (boxChiusura)
            d.close();
        else
            clic(&d, "annulla");
    });
    QCOMPARE(d.exec(), int(QDialog::Rejected));
    QCOMPARE(scheda, tre());
    QCOMPARE(registro.contiene(QStringLiteral("modifiche non salvate")), boxChiusura);
}

void TestDialoghiScheda::periodiDateIllegibili()
{
    // Dates that are no "dd/MM/yyyy" dates stay as stored unless the user
    // sets them.
    RegistroMessaggi registro;
    QList<PeriodoRapporto> scheda{{QStringLiteral("1.2.2020"), QStringLiteral("31-12-2022")},
                                  {QStringLiteral("??"), QStringLiteral("fine")}};
    DialogPeriodiRapporto d(scheda, nullptr);
    d.show();
    QCheckBox* corso = riga(d, 0)->findChild<QCheckBox*>(QStringLiteral("inCorso"));
    QVERIFY(!corso->isChecked());
    QTest::mouseClick(corso, Qt::LeftButton);
    QTest::mouseClick(corso, Qt::LeftButton);
    riga(d, 1)->findChild<QDateEdit*>(QStringLiteral("entrata"))->setDate(QDate(2023, 4, 1));
    clic(&d, "ok");
    QCOMPARE(scheda, (QList<PeriodoRapporto>{{"1.2.2020", "31-12-2022"}, {"01/04/2023", "fine"}}));
}

void TestDialoghiScheda::quandoFormFiglio(std::function<void(QDialog*)> compila, bool conferma)
{
    quandoAperto([compila, conferma] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(form);
        auto chiudi = qScopeGuard([form] { form->reject(); });
        QCOMPARE(form->objectName(), QStringLiteral("formFiglio"));
        compila(form);
        chiudi.dismiss();
        auto* pulsanti = form->findChild<QDialogButtonBox*>();
        QTest::mouseClick(pulsanti->button(conferma ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    });
}

void TestDialoghiScheda::figliAggiungi()
{
    QList<Figlio> figli;
    DialogFigli d(figli, nullptr);
    d.show();

    // Defaults confirmed as they are.
    quandoFormFiglio([](QDialog* f) {
        QCOMPARE(f->windowTitle(), QStringLiteral("Nuovo figlio"));
        QCOMPARE(f->findChild<QDateEdit*>()->date(), kOggi);
    }, true);
    clic(&d, "aggiungi");
    QCOMPARE(figli.size(), 1);
    Figlio atteso;
    atteso.dataNascita = QStringLiteral("15/06/2025");
    QCOMPARE(figli.at(0), atteso);
    QTableWidget* t = d.findChild<QTableWidget*>();
    QCOMPARE(t->item(0, 0)->text(), QStringLiteral(" "));
    QCOMPARE(t->item(0, 2)->text(), QStringLiteral("F (Figlio)"));
    QCOMPARE(t->item(0, 3)->text(), QStringLiteral("No"));
    QCOMPARE(t->item(0, 4)->text(), QStringLiteral("Si"));

    // A child typed in, appended at the end.
    quandoFormFiglio([](QDialog* f) {
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("nome")), QStringLiteral(" Lia"));
        QTest::keyClicks(f->findChild<QLineEdit*>(QStringLiteral("cognome")), QStringLiteral("Rota"));
        f->findChild<QDateEdit*>()->setDate(QDate(2012, 9, 3));
        f->findChild<QComboBox*>()->setCurrentIndex(2);
        QTest::mouseClick(f->findChild<QCheckBox*>(QStringLiteral("viveConDipendente")), Qt::LeftButton);
        QTest::mouseClick(f->findChild<QCheckBox*>(QStringLiteral("agliStudi")), Qt::LeftButton);
        QTest::mouseClick(f->findChild<QCheckBox*>(QStringLiteral("incapacitaGuadagno")), Qt::LeftButton);
    }, true);
    clic(&d, "aggiungi");
    QCOMPARE(figli.size(), 2);
    const Figlio& lia = figli.at(1);
    QCOMPARE(lia.nome, QStringLiteral(" Lia")); // as typed
    QCOMPARE(lia.cognome, QStringLiteral("Rota"));
    QCOMPARE(lia.dataNascita, QStringLiteral("03/09/2012"));
    QCOMPARE(lia.parentela, QStringLiteral("F/S"));
    QVERIFY(!lia.viveConDipendente);
    QVERIFY(lia.agliStudi);
    QVERIFY(lia.incapacitaGuadagno);
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->item(1, 0)->text(), QStringLiteral(" Lia Rota"));
    QCOMPARE(t->item(1, 1)->text(), QStringLiteral("03/09/2012"));
    QCOMPARE(t->item(1, 3)->text(), QStringLiteral("Si"));
    QCOMPARE(t->item(1, 4)->text(), QStringLiteral("No"));
}

void TestDialoghiScheda::figliAnnullaNonCambiaNulla()
{
    Figlio f;
    f.nome = QStringLiteral("Ugo");
    f.dataNascita = QStringLiteral("01/01/2015");
    QList<Figlio> figli{f};
    const QList<Figlio> prima = figli;
    DialogFigli d(figli, nullptr);
    d.show();
    auto compila = [](QDialog* form) {
        QTest::keyClicks(form->findChild<QLineEdit*>(QStringLiteral("nome")), QStringLiteral("XYZ"));
        form->findChild<QDateEdit*>()->setDate(QDate(2001, 1, 1));
        QTest::mouseClick(form->findChild<QCheckBox*>(QStringLiteral("agliStudi")), Qt::LeftButton);
    };
    quandoFormFiglio(compila, false);
    clic(&d, "aggiungi");
    d.findChild<QTableWidget*>()->setCurrentCell(0, 0);
    quandoFormFiglio(compila, false);
    clic(&d, "modifica");
    QCOMPARE(figli, prima);
}

void TestDialoghiScheda::figliModificaTieneIlResto()
{
    Figlio f;
    f.nome = QStringLiteral("Ugo");
    f.cognome = QStringLiteral("Rota");
    f.dataNascita = QStringLiteral("01/01/2015");
    f.parentela = QStringLiteral("f"); // no such code: no entry chosen
    f.sesso = QStringLiteral("M");
    f.statoCivile = QStringLiteral("celibe");
    f.nazionalita = QStringLiteral("CH");
    f.residenzaSeNonConvive = QStringLiteral("Bellinzona");
    f.corsoStudi = QStringLiteral("Liceo");
    f.fineCicloStudi = QStringLiteral("30/06/2033");
    f.redditoAVS = true;
    Figlio altro;
    altro.nome = QStringLiteral("Ada");
    QList<Figlio> figli{altro, f};
    DialogFigli d(figli, nullptr);
    d.show();

    quandoFormFiglio([](QDialog* form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Modifica figlio"));
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("nome"))->text(), QStringLiteral("Ugo"));
        QCOMPARE(form->findChild<QComboBox*>()->currentIndex(), -1);
        QCOMPARE(form->findChild<QDateEdit*>()->date(), QDate(2015, 1, 1));
        QTest::mouseClick(form->findChild<QCheckBox*>(QStringLiteral("agliStudi")), Qt::LeftButton);
    }, true);
    // A double click on any column edits that row's child.
    emit d.findChild<QTableWidget*>()->cellDoubleClicked(1, 4);

    Figlio atteso = f;
    atteso.parentela.clear();
    atteso.agliStudi = true;
    QCOMPARE(figli.at(1), atteso);
    QCOMPARE(figli.at(0), altro);
}

void TestDialoghiScheda::figliDataIllegibile_data()
{
    QTest::addColumn<QString>("salvata");
    QTest::addColumn<bool>("cambiata");
    QTest::addColumn<QString>("dopo");

    QTest::newRow("vuota, non toccata") << "" << false << "";
    QTest::newRow("altro formato, non toccata") << "3.9.2012" << false << "3.9.2012";
    QTest::newRow("altro formato, cambiata") << "3.9.2012" << true << "03/09/2012";
    QTest::newRow("valida, non toccata") << "03/09/2012" << false << "03/09/2012";
}

void TestDialoghiScheda::figliDataIllegibile()
{
    QFETCH(QString, salvata);
    QFETCH(bool, cambiata);
    QFETCH(QString, dopo);
    Figlio f;
    f.dataNascita = salvata;
    QList<Figlio> figli{f};
    DialogFigli d(figli, nullptr);
    d.show();
    d.findChild<QTableWidget*>()->setCurrentCell(0, 1);
    quandoFormFiglio([cambiata](QDialog* form) {
        if (cambiata)
            form->findChild<QDateEdit*>()->setDate(QDate(2012, 9, 3));
    }, true);
    clic(&d, "modifica");
    QCOMPARE(figli.at(0).dataNascita, dopo);
}

void TestDialoghiScheda::figliElimina()
{
    RegistroMessaggi registro;
    Figlio a, b;
    a.nome = QStringLiteral("A");
    b.nome = QStringLiteral("B");
    QList<Figlio> figli{a, b};
    DialogFigli d(figli, nullptr);
    d.show();
    QTableWidget* t = d.findChild<QTableWidget*>();

    t->setCurrentCell(0, 0);
    registro.rispondi(QMessageBox::No);
    clic(&d, "elimina");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Eliminare questo figlio?"));
    QCOMPARE(figli.size(), 2);

    registro.rispondi(QMessageBox::Yes);
    clic(&d, "elimina");
    QCOMPARE(figli, QList<Figlio>{b});
    QCOMPARE(t->item(0, 0)->text(), QStringLiteral("B "));

    t->setCurrentCell(0, 0);
    registro.rispondi(QMessageBox::Yes);
    clic(&d, "elimina");
    QVERIFY(figli.isEmpty());
    QCOMPARE(t->rowCount(), 0);

    // Without children "Elimina" does nothing and "Modifica" asks for a row.
    const int messaggi = registro.richieste.size();
    clic(&d, "elimina");
    QCOMPARE(registro.richieste.size(), messaggi);
    clic(&d, "modifica");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Modifica"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Seleziona prima un figlio nella tabella."));

    clic(&d, "chiudi");
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TestDialoghiScheda::amministrativiSalva()
{
    DatiDipendente dip;
    dip.professione = QStringLiteral("Cuoco");
    dip.email = QStringLiteral("a@b.ch");
    dip.altriDatori = QStringLiteral("Hotel Lago");
    dip.nome = QStringLiteral("Anna");
    DialogAmministrativi d(dip, nullptr);
    quandoAperto([&d] {
        auto chiudi = qScopeGuard([&d] { d.reject(); });
        QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("professione"))->text(), QStringLiteral("Cuoco"));
        d.findChild<QLineEdit*>(QStringLiteral("email"))->clear();
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("cellulare")), QStringLiteral("  079 123 45 67 "));
        auto* altri = d.findChild<QPlainTextEdit*>(QStringLiteral("altriDatori"));
        altri->setPlainText(QStringLiteral("\n  Hotel Lago\nRistorante Sole  \n\n"));
        chiudi.dismiss();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("salva")), Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(dip.professione, QStringLiteral("Cuoco"));
    QCOMPARE(dip.email, QString());
    QCOMPARE(dip.cellulare, QStringLiteral("079 123 45 67"));
    QCOMPARE(dip.altriDatori, QStringLiteral("Hotel Lago\nRistorante Sole"));
    QCOMPARE(dip.nome, QStringLiteral("Anna"));
}

void TestDialoghiScheda::amministrativiChiudi()
{
    DatiDipendente dip;
    dip.professione = QStringLiteral("Cuoco");
    const DatiDipendente prima = dip;
    for (bool boxChiusura : {false, true}) {
        // Both ask first; "Non salvare" leaves the record as it was.
        RegistroMessaggi registro;
        registro.rispondi(QMessageBox::Discard);
        DialogAmministrativi d(dip, nullptr);
        quandoAperto([&d, boxChiusura] {
            QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("professione")), QStringLiteral(" capo"));
            d.findChild<QPlainTextEdit*>(QStringLiteral("prestazioniAIADINF"))->setPlainText(QStringLiteral("AI"));
            if (boxChiusura)
                d.close();
            else
                QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("chiudi")), Qt::LeftButton);
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
        QCOMPARE(dip, prima);
    }
}

VARDELLO_TEST_MAIN(TestDialoghiScheda)
#include "tst_dialoghischeda.moc"
