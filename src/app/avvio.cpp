#include "avvio.h"

#include "backup.h"
#include "azienda.h"
#include "bankprofile.h"
#include "inizializzazione.h"
#include "menuprincipale.h"
#include "messaggi.h"
#include "datoteca.h"
#include "generisalario.h"
#include "impostafonte.h"
#include "nap.h"
#include "nazioni.h"
#include "orologio.h"
#include "rotellaprotetta.h"
#include "ruolo.h"
#include "scegliazienda.h"
#include "sceglibanca.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QGuiApplication>
#include <QScreen>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QSettings impostazioni(const char* ambito)
{
    return QSettings(QStringLiteral("Vardello"), QLatin1String(ambito));
}

// Set only by the start-up bench (VARDELLO_MISURA_AVVIO): each start-up
// prompt is answered at once with its default button, standard output gets
// "finestra" when the main window is first painted and "backup <ms> <ms>"
// when the backup is done (its time since the window, and the longest stall
// of the window's thread meanwhile), then the program ends.
bool misuraAvvio()
{
    static const bool attiva = qEnvironmentVariableIsSet("VARDELLO_MISURA_AVVIO");
    return attiva;
}

void rispondiSubito(QDialog* dialogo)
{
    if (!misuraAvvio())
        return;
    QTimer::singleShot(0, dialogo, [dialogo] {
        for (QPushButton* b : dialogo->findChildren<QPushButton*>()) {
            if (b->isDefault()) {
                b->click();
                return;
            }
        }
        dialogo->accept();
    });
}

class MisuraAvvio : public QObject
{
public:
    explicit MisuraAvvio(QWidget* finestra) : QObject(finestra)
    {
        finestra->installEventFilter(this);
        m_battito.setTimerType(Qt::PreciseTimer);
        m_battito.setInterval(2);
        connect(&m_battito, &QTimer::timeout, this, [this] {
            const qint64 adesso = m_orologio.nsecsElapsed();
            m_stallo = qMax(m_stallo, adesso - m_ultimo);
            m_ultimo = adesso;
        });
    }

    void backupFatto()
    {
        m_backup = m_orologio.isValid() ? m_orologio.nsecsElapsed() : 0;
        m_backupFatto = true;
        concludi();
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !m_orologio.isValid()) {
            std::fputs("finestra\n", stdout);
            std::fflush(stdout);
            m_orologio.start();
            m_battito.start();
            if (m_backupFatto)
                QTimer::singleShot(0, this, [this] { concludi(); });
        }
        return false;
    }

private:
    void concludi()
    {
        if (!m_orologio.isValid() || !m_backupFatto)
            return;
        const qint64 adesso = m_orologio.nsecsElapsed();
        m_stallo = qMax(m_stallo, adesso - m_ultimo);
        std::printf("backup %.1f %.1f\n", m_backup / 1e6, m_stallo / 1e6);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QElapsedTimer m_orologio;
    QTimer m_battito;
    qint64 m_ultimo = 0;
    qint64 m_stallo = 0;
    qint64 m_backup = 0;
    bool m_backupFatto = false;
};

QPointer<MisuraAvvio>& misura()
{
    static QPointer<MisuraAvvio> m;
    return m;
}

} // namespace

bool AltRowFilter::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Polish) {
        if (auto* vista = qobject_cast<QAbstractItemView*>(oggetto))
            vista->setAlternatingRowColors(true);
    }
    return QObject::eventFilter(oggetto, evento);
}

int Avvio::esegui(int argc, char** argv)
{
    QApplication app(argc, argv);
    Avvio avvio;
    return avvio.avvia();
}

Avvio::Avvio() = default;

Avvio::~Avvio()
{
    attendiBackup();
}

QTranslator& Avvio::traduttore()
{
    static QTranslator t;
    return t;
}

int Avvio::avvia()
{
    if (!prepara())
        return 0;
    return QApplication::exec();
}

bool Avvio::prepara()
{
    primoAvvio();
    applicaStile();
    if (!chiediLingua())
        return false;
    installaTraduttori();
    preparaBanche();
    caricaTabelle();
    if (!scegliAzienda())
        return false;
    creaFinestraPrincipale();
    leggiRuolo();
    costruisciMenu();
    mostraTuttiIMenu();
    installaFiltroRighe();
    RotellaProtetta::installa();
    if (misuraAvvio())
        misura() = new MisuraAvvio(m_finestra.get());
    m_finestra->show();
    avviaBackup();
    return true;
}

void Avvio::primoAvvio()
{
    // A restore cut short is completed (or undone) before any data is read.
    QString errore;
    if (!Backup::riprendi(&errore))
        Messaggi::avviso(nullptr, QObject::tr("Ripristino"),
                         QObject::tr("Il ripristino interrotto non è stato completato: %1").arg(errore));
    Inizializzazione::esegui();
}

namespace {

// Under the style sheet the toolkit draws placeholder examples in the text
// colour, so an empty field looks filled in: every line edit gets a faded
// placeholder colour when it is first shown (after the style's own palette).
class SegnapostoSbiadito : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Show) {
            auto* riga = qobject_cast<QLineEdit*>(oggetto);
            if (riga && riga->palette().color(QPalette::PlaceholderText).alpha() == 255) {
                QPalette p = riga->palette();
                QColor colore = p.color(QPalette::Text);
                colore.setAlpha(110);
                p.setColor(QPalette::PlaceholderText, colore);
                riga->setPalette(p);
            }
        }
        return false;
    }
};

} // namespace

void Avvio::applicaStile()
{
    QFile foglio(QStringLiteral(":/risorse/stile_chiaro.qss"));
    if (!foglio.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    qApp->setStyleSheet(QString::fromUtf8(foglio.readAll()));
    static SegnapostoSbiadito* segnaposto = nullptr;
    if (!segnaposto) {
        segnaposto = new SegnapostoSbiadito(qApp);
        qApp->installEventFilter(segnaposto);
    }
}

QStringList Avvio::nomiLingue()
{
    return {QStringLiteral("Italiano"), QStringLiteral("Deutsch"), QStringLiteral("Français"),
            QStringLiteral("English"), QStringLiteral("Español")};
}

QStringList Avvio::codiciLingue()
{
    return {QStringLiteral("it"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("en"),
            QStringLiteral("es")};
}

int Avvio::posizionePreselezionata(const QString& linguaSalvata, const QString& nomeLocaleSistema)
{
    const QString codice = linguaSalvata.isEmpty() ? nomeLocaleSistema.left(2) : linguaSalvata;
    return qMax(0, codiciLingue().indexOf(codice));
}

bool Avvio::chiediLingua()
{
    QSettings s = impostazioni("Lingua");
    const QString salvata = s.value(QStringLiteral("lingua")).toString();
    const int preselezionata = posizionePreselezionata(salvata, QLocale::system().name());

    // Neither the prompt nor the language names are translated: the user
    // has not chosen a language yet.
    const QStringList nomi = nomiLingue();
    QInputDialog prompt;
    prompt.setObjectName(QStringLiteral("lingua"));
    prompt.setWindowTitle(QStringLiteral("Lingua / Sprache / Langue / Language / Idioma"));
    prompt.setLabelText(
        QStringLiteral("Scegli la lingua / Sprache wählen / Choisir la langue / Choose language / Elegir idioma"));
    prompt.setInputMode(QInputDialog::TextInput);
    prompt.setComboBoxItems(nomi);
    prompt.setComboBoxEditable(false);
    // The toolkit's own button texts would be English here.
    prompt.setOkButtonText(QStringLiteral("OK"));
    prompt.setCancelButtonText(QStringLiteral("Annulla / Abbrechen / Annuler / Cancel / Cancelar"));
    prompt.setTextValue(nomi.at(preselezionata));
    rispondiSubito(&prompt);
    if (prompt.exec() != QDialog::Accepted)
        return false;

    const int scelta = qMax(0, nomi.indexOf(prompt.textValue()));
    m_lingua = codiciLingue().at(scelta);
    s.setValue(QStringLiteral("lingua"), m_lingua);
    s.sync();
    return true;
}

void Avvio::installaTraduttori()
{
    // The toolkit's own texts, from the running toolkit's translations.
    const QString cartellaQt = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!m_traduttoreQt.load(QStringLiteral("qtbase_") + m_lingua, cartellaQt))
        m_traduttoreQt.load(QStringLiteral("qtbase_it"), cartellaQt);
    QCoreApplication::installTranslator(&m_traduttoreQt);

    // The program's texts are written in Italian.
    QTranslator& t = traduttore();
    QCoreApplication::removeTranslator(&t);
    if (m_lingua == QLatin1String("it"))
        return;
    const QString cartella = QCoreApplication::applicationDirPath();
    const QString nome = QStringLiteral("vardello_") + m_lingua;
    if (t.load(nome, cartella + QStringLiteral("/translations")) || t.load(nome, cartella))
        QCoreApplication::installTranslator(&t);
}

QString Avvio::cartellaBanchePredefinite()
{
    const QDir programma(QCoreApplication::applicationDirPath());
    const QString accanto = programma.filePath(QStringLiteral("data/banche"));
    if (QFileInfo(accanto).isDir())
        return accanto;
    return QDir::cleanPath(programma.filePath(QStringLiteral("../data/banche")));
}

void Avvio::preparaBanche()
{
    const QString cartella = BankProfile::cartellaProfili();
    QDir().mkpath(cartella);
    BankProfile::copiaPredefiniti(cartellaBanchePredefinite(), cartella);

    QSettings s = impostazioni("Banca");
    if (!s.value(QStringLiteral("id")).toString().isEmpty())
        return;
    ScegliBanca scelta;
    if (scelta.exec() == QDialog::Accepted) {
        s.setValue(QStringLiteral("id"), scelta.bancaSelezionata().id);
        s.sync();
    }
}

void Avvio::caricaTabelle()
{
    // In this order: countries, salary types, contribution parameters of the
    // current year, withholding-tax tariffs, postcodes. A table without data
    // leaves it empty; start-up goes on.
    Nazioni::carica();
    GeneriSalario::carica();
    Datoteca::carica(0);
    ImpostaFonte::carica();
    // A tariff file whose end is missing, or whose closing record counts
    // other records than it holds, is reported by canton and file.
    const QStringList avvisi = ImpostaFonte::avvisi();
    if (!avvisi.isEmpty())
        Messaggi::avviso(nullptr, QObject::tr("Tariffe imposta alla fonte"), avvisi.join(QLatin1Char('\n')));
    NAP::carica();
}

bool Avvio::scegliAzienda()
{
    ScegliAzienda scelta;
    rispondiSubito(&scelta);
    if (scelta.exec() != QDialog::Accepted)
        return false;
    m_aziendaAvvio = scelta.aziendaSelezionata();
    return true;
}

QString Avvio::titoloFinestra(const QString& nomeFileAzienda)
{
    // Who works with two companies sees at once which one is open.
    QString nome = Azienda::carica(nomeFileAzienda).ragioneSociale.trimmed();
    if (nome.isEmpty())
        nome = QFileInfo(nomeFileAzienda).completeBaseName();
    return nome.isEmpty() ? QStringLiteral("Vardello") : QStringLiteral("Vardello - ") + nome;
}

void Avvio::creaFinestraPrincipale()
{
    m_finestra = std::make_unique<QMainWindow>();
    m_finestra->setObjectName(QStringLiteral("finestraPrincipale"));
    m_finestra->resize(900, 600);
    m_finestra->setWindowTitle(titoloFinestra(m_aziendaAvvio));

    auto* centro = new QWidget(m_finestra.get());
    auto* layout = new QVBoxLayout(centro);
    auto* area = new QLabel(QObject::tr("Area di lavoro"), centro);
    area->setObjectName(QStringLiteral("areaDiLavoro"));
    area->setAlignment(Qt::AlignCenter);
    layout->addWidget(area);
    layout->addStretch();
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    auto* esci = new QPushButton(QObject::tr("ESCI"), centro);
    esci->setObjectName(QStringLiteral("esci"));
    riga->addWidget(esci);
    layout->addLayout(riga);
    m_finestra->setCentralWidget(centro);

    QObject::connect(esci, &QPushButton::clicked, m_finestra.get(), &QWidget::close);
}

void Avvio::leggiRuolo()
{
    m_amministratore = Ruolo::leggi().amministratore();
}

void Avvio::costruisciMenu()
{
    MenuPrincipale::costruisci(m_finestra.get(), m_aziendaAvvio, m_lingua, m_amministratore);
}

void Avvio::backupAutomatico()
{
    // Never stops the start: a failure is one line in the log.
    QString errore;
    if (Backup::esegui(&errore) == Backup::Esito::Fallito)
        qWarning().noquote() << "Backup automatico non riuscito:" << errore;
}

void Avvio::avviaBackup()
{
    attendiBackup();
    // Everything the worker needs is read here; it touches no widget and no
    // shared table, and hands its outcome back to the window's thread.
    const QList<Backup::Radice> radici = Backup::radici();
    const QString cartella = Backup::cartellaBackup();
    const QDateTime momento = Orologio::adesso();
    const QPointer<QMainWindow> finestra = m_finestra.get();
    m_backup.reset(QThread::create([radici, cartella, momento, finestra] {
        QString errore;
        QStringList collegamenti;
        const Backup::Esito esito = Backup::eseguiIn(radici, cartella, momento, &errore, nullptr, &collegamenti);
        if (esito == Backup::Esito::Fallito)
            qWarning().noquote() << "Backup automatico non riuscito:" << errore;
        QMetaObject::invokeMethod(
            qApp,
            [finestra, esito, errore, collegamenti] {
                if (finestra)
                    MenuPrincipale::mostraEsitoBackup(finestra, int(esito), errore, collegamenti);
                if (misura())
                    misura()->backupFatto();
            },
            Qt::QueuedConnection);
    }));
    m_backup->start();
}

void Avvio::attendiBackup()
{
    if (m_backup) {
        m_backup->wait();
        m_backup.reset();
    }
}

void Avvio::mostraTuttiIMenu()
{
    // With a large system font the titles need more than the start width:
    // the window starts wider (within the screen), so no menu hides behind
    // the bar's extension button.
    QMenuBar* barra = m_finestra->menuBar();
    int necessaria = 0;
    for (QAction* a : barra->actions())
        necessaria += barra->fontMetrics().horizontalAdvance(a->text().remove(QLatin1Char('&')));
    necessaria = qMax(necessaria, barra->sizeHint().width());
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        necessaria = qMin(necessaria, schermo->availableGeometry().width());
    if (necessaria > m_finestra->width())
        m_finestra->resize(necessaria, m_finestra->height());
}

void Avvio::installaFiltroRighe()
{
    static AltRowFilter* filtro = nullptr;
    if (!filtro) {
        filtro = new AltRowFilter(qApp);
        qApp->installEventFilter(filtro);
    }
}
