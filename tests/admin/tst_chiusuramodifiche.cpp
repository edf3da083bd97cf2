#include "ambientetest.h"
#include "config.h"
#include "dialogamministrativi.h"
#include "dialogperiodirapporto.h"
#include "dipendente.h"
#include "gestionemovimenti.h"
#include "gestionestipendi.h"
#include "gestionevariabili.h"
#include "movimenti.h"
#include "nap.h"
#include "nazioni.h"
#include "nuovaazienda.h"
#include "nuovodipendente.h"
#include "orologio.h"
#include "schedadipendente.h"
#include "schedavariabilidipendente.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

// Every window that edits data asks before its unsaved edits are dropped,
// whatever closes it: its "Chiudi" button, the close box or Esc.
namespace {

const QString kId = QStringLiteral("Rota_Anna.txt");
const QString kAVS = QStringLiteral("756.1234.5678.97");

void digita(QWidget& w, const char* nome, const QString& testo)
{
    auto* e = w.findChild<QLineEdit*>(QLatin1String(nome));
    QVERIFY2(e, nome);
    e->clear();
    QTest::keyClicks(e, testo);
}

void clic(QWidget& w, const char* nome) { w.findChild<QPushButton*>(QLatin1String(nome))->click(); }

// One window under test: how to edit it as a user does and whether the edit
// reached its file (or, for the card's dialogs, the record they write into).
struct Caso
{
    std::unique_ptr<QDialog> finestra;
    std::function<void(QDialog&)> modifica;
    std::function<bool()> salvato;
};

std::function<bool()> esiste(const QString& percorso)
{
    return [percorso] { return QFileInfo::exists(percorso); };
}

Caso crea(const QString& nome)
{
    Caso c;
    if (nome == QLatin1String("NuovoDipendente")) {
        c.finestra = std::make_unique<NuovoDipendente>();
        c.modifica = [](QDialog& f) {
            digita(f, "nome", QStringLiteral("Mario"));
            digita(f, "cognome", QStringLiteral("Rossi"));
            digita(f, "uid", kAVS);
            QTest::keyClicks(f.findChild<QDateEdit*>(QStringLiteral("dataNascita")), QStringLiteral("12041985"));
        };
        c.salvato = esiste(Dipendente::percorsoFile(QStringLiteral("Rossi_Mario.txt")));
    } else if (nome == QLatin1String("NuovaAzienda")) {
        c.finestra = std::make_unique<NuovaAzienda>();
        c.modifica = [](QDialog& f) { digita(f, "ragioneSociale", QStringLiteral("Beta Test SA")); };
        c.salvato = esiste(Config::cartellaDati() + QStringLiteral("/Beta_Test_SA.txt"));
    } else if (nome == QLatin1String("SchedaDipendente")) {
        c.finestra = std::make_unique<SchedaDipendente>(kId);
        c.modifica = [](QDialog& f) { digita(f, "salarioMensile", QStringLiteral("7'250.50")); };
        c.salvato = [] {
            DatiDipendente d;
            return Dipendente::carica(kId, d) && qRound(d.salarioMensile * 100) == 725050;
        };
    } else if (nome == QLatin1String("GestioneVariabili")) {
        c.finestra = std::make_unique<GestioneVariabili>(kId, 2026);
        c.modifica = [](QDialog& f) { f.findChild<QTableWidget*>(QStringLiteral("griglia"))->item(11, 1)->setText("250"); };
        c.salvato = [] {
            return VariabiliMensili::caricaAnno(kId, 2026).size() == 12
                && AmbienteTest::leggi(VariabiliMensili::percorsoFile(kId, 2026)).contains("250");
        };
    } else if (nome == QLatin1String("GestioneMovimenti")) {
        c.finestra = std::make_unique<GestioneMovimenti>(kId, kId);
        c.modifica = [](QDialog& f) { clic(f, "aggiungi"); };
        c.salvato = [] { return Movimenti::carica(kId).size() == 1; };
    } else if (nome == QLatin1String("GestioneStipendi")) {
        c.finestra = std::make_unique<GestioneStipendi>(kId);
        c.modifica = [](QDialog& f) { clic(f, "aggiungiPeriodo"); };
        c.salvato = [] {
            QVector<PeriodoStipendio> v;
            return StoricoStipendi::carica(kId, v) && v.size() == 1;
        };
    } else if (nome == QLatin1String("SchedaVariabiliDipendente")) {
        c.finestra = std::make_unique<SchedaVariabiliDipendente>(kId);
        c.modifica = [](QDialog& f) { f.findChild<QDoubleSpinBox*>(QStringLiteral("importiImponibili"))->setValue(480); };
        c.salvato = [] { return AmbienteTest::leggi(VariabiliMensili::percorsoFile(kId, 2026)).contains("480"); };
    } else if (nome == QLatin1String("DialogAmministrativi")) {
        auto dati = std::make_shared<DatiDipendente>();
        c.finestra = std::make_unique<DialogAmministrativi>(*dati, nullptr);
        c.modifica = [](QDialog& f) { digita(f, "professione", QStringLiteral("Cuoca")); };
        c.salvato = [dati] { return dati->professione == QLatin1String("Cuoca"); };
    } else if (nome == QLatin1String("DialogPeriodiRapporto")) {
        auto periodi = std::make_shared<QList<PeriodoRapporto>>();
        c.finestra = std::make_unique<DialogPeriodiRapporto>(*periodi, nullptr);
        c.modifica = [](QDialog& f) { clic(f, "aggiungiPeriodo"); };
        c.salvato = [periodi] { return periodi->size() == 1; };
    }
    return c;
}

} // namespace

class TestChiusuraModifiche : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica() && NAP::carica()); }
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        Config::setAziendaCorrente(QStringLiteral("Prova_SA.txt"));
        DatiDipendente d;
        d.nome = QStringLiteral("Anna");
        d.cognome = QStringLiteral("Rota");
        d.salarioMensile = 5000;
        d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
        QVERIFY(Dipendente::salva(d, kId));
    }

    void chiusura_data();
    void chiusura();
};

void TestChiusuraModifiche::chiusura_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("via");   // "chiudi", "x" (close box), "esc"
    QTest::addColumn<int>("risposta");  // the answer to the question
    QTest::addColumn<bool>("modifica"); // whether anything was edited

    const QStringList finestre = {"NuovoDipendente",   "NuovaAzienda",     "SchedaDipendente",
                                  "GestioneVariabili", "GestioneMovimenti", "GestioneStipendi",
                                  "SchedaVariabiliDipendente", "DialogAmministrativi", "DialogPeriodiRapporto"};
    const QList<QPair<const char*, QMessageBox::StandardButton>> risposte = {
        {"Annulla", QMessageBox::Cancel}, {"Non salvare", QMessageBox::Discard}, {"Salva", QMessageBox::Save}};
    for (const QString& f : finestre) {
        // The periods dialog has "OK" and "Annulla", which drops on purpose.
        const QStringList vie = f == QLatin1String("DialogPeriodiRapporto") ? QStringList{"x", "esc"}
                                                                             : QStringList{"chiudi", "x", "esc"};
        for (const QString& via : vie) {
            for (const auto& r : risposte)
                QTest::addRow("%s, %s, %s", qPrintable(f), qPrintable(via), r.first) << f << via << int(r.second) << true;
        }
        // NuovoDipendente opens modified (its country is applied at start).
        if (f != QLatin1String("NuovoDipendente"))
            QTest::addRow("%s, untouched", qPrintable(f)) << f << QStringLiteral("esc") << int(QMessageBox::Cancel) << false;
    }
}

void TestChiusuraModifiche::chiusura()
{
    QFETCH(QString, finestra);
    QFETCH(QString, via);
    QFETCH(int, risposta);
    QFETCH(bool, modifica);

    Caso c = crea(finestra);
    QVERIFY(c.finestra);
    QDialog* f = c.finestra.get();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    if (modifica)
        c.modifica(*f);
    QVERIFY(!c.salvato());

    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::StandardButton(risposta));
    if (via == QLatin1String("chiudi"))
        clic(*f, "chiudi");
    else if (via == QLatin1String("x"))
        f->close();
    else
        QTest::keyClick(f, Qt::Key_Escape);

    if (!modifica) {
        QVERIFY(registro.richieste.isEmpty());
        QVERIFY(!f->isVisible());
        return;
    }
    QVERIFY(!registro.richieste.isEmpty());
    QCOMPARE(registro.richieste.first().titolo, QStringLiteral("Chiudere?"));
    QCOMPARE(registro.richieste.first().testo, QStringLiteral("Ci sono modifiche non salvate.\nSalvare prima di chiudere?"));
    const bool annulla = risposta == QMessageBox::Cancel;
    QCOMPARE(f->isVisible(), annulla);
    QCOMPARE(c.salvato(), risposta == QMessageBox::Save);
    // Forms whose save ends them end accepted; the others stay as what
    // closed them says ("Chiudi" accepts, the close box and Esc reject).
    const bool salvaChiude = finestra.startsWith(QLatin1String("Dialog")) || finestra.startsWith(QLatin1String("Nuov"))
        || finestra == QLatin1String("SchedaDipendente");
    if (risposta == QMessageBox::Save)
        QCOMPARE(f->result(), int(salvaChiude || via == QLatin1String("chiudi") ? QDialog::Accepted : QDialog::Rejected));
    if (annulla) {
        // The edits are still there: closing again asks again.
        registro.rispondi(QMessageBox::Discard);
        f->close();
        QCOMPARE(registro.richieste.size(), 2);
        QVERIFY(!f->isVisible());
        QVERIFY(!c.salvato());
    }
}

VARDELLO_TEST_MAIN(TestChiusuraModifiche)
#include "tst_chiusuramodifiche.moc"
