#include "ambientetest.h"
#include "menuprincipale.h"
#include "nazioni.h"
#include "nuovodipendente.h"

#include <QAction>
#include <QMainWindow>
#include <QScopeGuard>

class TestMenuPrincipale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica()); }
    void init() { AmbienteTest::svuota(); }

    void nuovoDipendente();
};

void TestMenuPrincipale::nuovoDipendente()
{
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QStringLiteral("Prova.txt"), QStringLiteral("it"), false);
    auto* azione = principale.findChild<QAction*>(QStringLiteral("azioneNuovoDipendente"));
    QVERIFY(azione);
    QCOMPARE(azione->text(), QStringLiteral("Nuovo dipendente..."));
    QVERIFY(azione->isEnabled());

    bool aperto = false;
    quandoAperto([&] {
        auto* f = qobject_cast<NuovoDipendente*>(QApplication::activeModalWidget());
        if (!f)
            return;
        auto chiudi = qScopeGuard([f] { f->reject(); });
        aperto = f->parentWidget() == &principale;
    });
    azione->trigger();
    QVERIFY(aperto);
}

VARDELLO_TEST_MAIN(TestMenuPrincipale)
#include "tst_menuprincipale.moc"
