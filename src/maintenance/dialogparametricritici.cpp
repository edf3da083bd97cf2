#include "dialogparametricritici.h"

#include "config.h"
#include "datoteca.h"
#include "filesicuri.h"
#include "inputsvizzero.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "orologio.h"

#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>


namespace {

// A group at least as wide as its title where the style sheet draws it (set
// in from the frame's left edge), with the same room after it, so the frame's
// right edge shows too.
void titoloIntero(QGroupBox* gruppo)
{
    gruppo->ensurePolished();
    QStyleOptionGroupBox opzione;
    opzione.initFrom(gruppo);
    opzione.rect = QRect(0, 0, 4000, gruppo->sizeHint().height());
    opzione.text = gruppo->title();
    opzione.textAlignment = gruppo->alignment();
    opzione.lineWidth = 1;
    opzione.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect titolo = gruppo->style()->subControlRect(QStyle::CC_GroupBox, &opzione, QStyle::SC_GroupBoxLabel, gruppo);
    gruppo->setMinimumWidth(qMax(gruppo->minimumSizeHint().width(), titolo.right() + 1 + titolo.left()));
}

enum Casella {
    AvsDipendente, AvsDatore, AdDipendente, AdDatore, AdMassimale, CafDipendente, CafDatore,
    LainfDipendente, LainfDatore, LainfMassimale, LppSoglia, LppDeduzione, LppSalarioMassimo, Igm, NumeroCaselle
};

struct Definizione
{
    const char* nome;
    const char* gruppo;      // starts a new group box when not null
    const char* etichetta;
    int decimali;
    double massimo;
    const char* copia;       // label of the copied text
    const char* unita;
};

const Definizione kCaselle[NumeroCaselle] = {
    {"avsDipendente", QT_TRANSLATE_NOOP("DialogParametriCritici", "AVS/AI/IPG"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota dipendente (%)"), 3, 20, "AVS aliquota dipendente: ", " %"},
    {"avsDatore", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota datore (%)"), 3, 20,
     "AVS aliquota datore    : ", " %"},
    {"adDipendente", QT_TRANSLATE_NOOP("DialogParametriCritici", "Assicurazione disoccupazione"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota dipendente (%)"), 3, 20, "AD  aliquota dipendente: ", " %"},
    {"adDatore", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota datore (%)"), 3, 20,
     "AD  aliquota datore    : ", " %"},
    {"adMassimale", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Massimale (CHF)"), 2, 500000,
     "AD  massimale          : ", " CHF"},
    {"cafDipendente", QT_TRANSLATE_NOOP("DialogParametriCritici", "Contributo famiglie"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota dipendente (%)"), 3, 10, "CAF aliquota dipendente: ", " %"},
    {"cafDatore", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota datore (%)"), 3, 10,
     "CAF aliquota datore    : ", " %"},
    {"lainfDipendente", QT_TRANSLATE_NOOP("DialogParametriCritici",
                                         "LAINF / SUVA: valori iniziali delle nuove aziende"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota dipendente (%)"), 3, 20, "LAINF aliquota dip.    : ", " %"},
    {"lainfDatore", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Aliquota datore (%)"), 3, 20,
     "LAINF aliquota datore  : ", " %"},
    {"lainfMassimale", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Massimale (CHF)"), 2, 500000,
     "LAINF massimale        : ", " CHF"},
    {"lppSoglia", QT_TRANSLATE_NOOP("DialogParametriCritici", "LPP"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Soglia entrata (CHF)"), 2, 500000, "LPP soglia entrata     : ", " CHF"},
    {"lppDeduzione", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Deduzione coordinamento (CHF)"), 2, 500000,
     "LPP ded. coordinamento : ", " CHF"},
    {"lppSalarioMassimo", nullptr, QT_TRANSLATE_NOOP("DialogParametriCritici", "Salario massimo (CHF)"), 2, 1000000,
     "LPP salario massimo    : ", " CHF"},
    {"igm", QT_TRANSLATE_NOOP("DialogParametriCritici", "IGM"),
     QT_TRANSLATE_NOOP("DialogParametriCritici", "Guadagno massimo (CHF)"), 2, 500000, "IGM guadagno massimo   : ",
     " CHF"},
};

// The values of the loaded year, in the order of the boxes.
QList<double> valoriCaricati()
{
    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));
    const Datoteca::ParametriLPP lpp = Datoteca::lpp();
    return {avs.aliquotaDipendente,   avs.aliquotaDatore,   ad.aliquotaDipendente, ad.aliquotaDatore,
            ad.massimale,             caf.aliquotaDipendente, caf.aliquotaDatore,  lainf.aliquotaDipendente,
            lainf.aliquotaDatore,     lainf.massimale,      lpp.sogliaEntrata,     lpp.deduzioneCoordinamento,
            lpp.salarioMassimo,       Datoteca::guadagnoMassimo()};
}

} // namespace

QString DialogParametriCritici::percorsoLog()
{
    return Config::cartellaDatiPredefinita() + QStringLiteral("/log_parametri_critici.csv");
}

DialogParametriCritici::DialogParametriCritici(QWidget* parent, bool senzaAvviso)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DialogParametriCritici"));
    setWindowTitle(tr("Parametri annuali AVS / SUVA / LPP"));
    Datoteca::carica(0);

    if (!senzaAvviso) {
        // Shown before this window exists on screen: over the window that
        // opens it, not in a corner of the screen.
        Messaggi::avviso(parent ? parent : this, tr("Attenzione"),
                         tr("Attenzione: si sta accedendo alla modifica di dati importantissimi.\n"
                            "Chiudendo questo messaggio si accetta di essere responsabili per\n"
                            "quanto si modifichera'."));
        // The opening is logged only where the data folder already exists.
        if (QDir(Config::cartellaDatiPredefinita()).exists()) {
            const QString riga = Orologio::adesso().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                                 + QLatin1Char(',') + QDir(QDir::homePath()).dirName()
                                 + QStringLiteral(",apertura_parametri_critici,,\n");
            FileSicuri::aggiungi(percorsoLog(), riga.toUtf8());
        }
    }

    auto* layout = new QVBoxLayout(this);
    auto* rigaAnno = new QHBoxLayout;
    rigaAnno->addWidget(new QLabel(tr("Anno tabella parametri:"), this));
    spinAnno = new QSpinBox(this);
    spinAnno->setObjectName(QStringLiteral("anno"));
    spinAnno->setRange(2020, 2100);
    rigaAnno->addWidget(spinAnno);
    rigaAnno->addStretch();
    layout->addLayout(rigaAnno);

    auto* scorrimento = new QScrollArea(this);
    scorrimento->setWidgetResizable(true);
    auto* contenuto = new QWidget(scorrimento);
    auto* colonna = new QVBoxLayout(contenuto);
    QFormLayout* form = nullptr;
    for (const Definizione& d : kCaselle) {
        if (d.gruppo) {
            auto* gruppo = new QGroupBox(tr(d.gruppo), contenuto);
            form = new QFormLayout(gruppo);
            colonna->addWidget(gruppo);
            titoloIntero(gruppo);
        }
        auto* casella = new QDoubleSpinBox(contenuto);
        casella->setObjectName(QLatin1String(d.nome));
        casella->setDecimals(d.decimali);
        casella->setRange(0, d.massimo);
        form->addRow(tr(d.etichetta), casella);
        caselle.append(casella);
    }
    colonna->addStretch();
    scorrimento->setWidget(contenuto);
    // As wide as the widest group title and row in the user's language: the
    // titles are read whole and the window never scrolls sideways.
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setMinimumWidth(contenuto->minimumSizeHint().width()
                                 + scorrimento->verticalScrollBar()->sizeHint().width()
                                 + 2 * scorrimento->frameWidth());
    layout->addWidget(scorrimento);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto pulsante = [this, pulsanti](const QString& testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        pulsanti->addWidget(p);
        return p;
    };
    QPushButton* btnCopia = pulsante(tr("Copia"), "copia");
    QPushButton* btnSalva = pulsante(tr("Salva"), "salva");
    QPushButton* btnChiudi = pulsante(tr("Chiudi"), "chiudi");
    layout->addLayout(pulsanti);

    riempi();
    spinAnno->setValue(Datoteca::annoCorrente());
    avvisaProblemi();
    connect(spinAnno, QOverload<int>::of(&QSpinBox::valueChanged), this, &DialogParametriCritici::cambiaAnno);
    for (QDoubleSpinBox* c : qAsConst(caselle)) {
        connect(c, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this] {
            if (!m_riempimento)
                m_modificato = true;
        });
    }
    connect(btnCopia, &QPushButton::clicked, this, &DialogParametriCritici::copia);
    connect(btnSalva, &QPushButton::clicked, this, &DialogParametriCritici::salva);
    connect(btnChiudi, &QPushButton::clicked, this, &DialogParametriCritici::reject);
}

void DialogParametriCritici::riempi()
{
    m_riempimento = true;
    caricati = valoriCaricati();
    mostrati.clear();
    for (int i = 0; i < caselle.size(); ++i)
        mostrati.append(InputSvizzero::mostraInCasella(caselle.at(i), caricati.at(i), kCaselle[i].massimo));
    m_riempimento = false;
    m_modificato = false;
}

bool DialogParametriCritici::toccata(int casella) const
{
    return caselle.at(casella)->value() != mostrati.at(casella);
}

double DialogParametriCritici::valore(int casella) const
{
    return toccata(casella) ? caselle.at(casella)->value() : caricati.at(casella);
}

void DialogParametriCritici::cambiaAnno(int anno)
{
    // Values typed for the year shown are saved or dropped as the user says
    // before another year replaces them; "Annulla" keeps the year.
    const int mostrato = Datoteca::annoCorrente();
    if (m_modificato && anno != mostrato) {
        const QSignalBlocker blocco(spinAnno);
        spinAnno->setValue(mostrato);
        if (!ModificheNonSalvate::puoChiudere(this, m_modificato, [this] { return salvaDati(); }))
            return;
        spinAnno->setValue(anno);
    }
    Datoteca::carica(anno);
    riempi();
    avvisaProblemi();
}

QString DialogParametriCritici::problemi() const
{
    const QStringList elenco = Datoteca::problemiCaricamento();
    if (elenco.isEmpty())
        return QString();
    return tr("I parametri dell'anno %1 non si sono letti correttamente:\n%2")
        .arg(Datoteca::annoCorrente())
        .arg(elenco.join(QLatin1Char('\n')));
}

// A value that did not read shows as 0: the window says so as it shows it.
void DialogParametriCritici::avvisaProblemi()
{
    const QString testo = problemi();
    if (!testo.isEmpty())
        Messaggi::avviso(this, tr("Errore"),
                         testo + QStringLiteral("\n\n") + tr("I valori mostrati non si possono salvare finché il file non è corretto."));
}

void DialogParametriCritici::salva()
{
    if (salvaDati())
        accept();
}

bool DialogParametriCritici::salvaDati()
{
    // The year's file is rewritten whole: one that did not read cleanly
    // would lose what could not be read.
    const QString illeggibile = problemi();
    if (!illeggibile.isEmpty()) {
        Messaggi::avviso(this, tr("Errore"),
                         illeggibile + QStringLiteral("\n\n") + tr("I parametri non vengono salvati: correggere il file prima di salvare."));
        return false;
    }
    // What is typed stays within what a box takes; a value the user did not
    // touch is saved back as it was loaded, whatever its decimals or size.
    for (int i = 0; i < caselle.size(); ++i) {
        if (!toccata(i))
            continue;
        QDoubleSpinBox* c = caselle.at(i);
        int g = i;
        while (g > 0 && !kCaselle[g].gruppo)
            --g;
        const QString campo = tr(kCaselle[g].gruppo) + QStringLiteral(" - ") + tr(kCaselle[i].etichetta);
        if (!InputSvizzero::nelLimiteOppureAvviso(this, campo, c->value(), 0.0, kCaselle[i].massimo)) {
            c->setFocus();
            return false;
        }
    }
    if (Messaggi::domanda(this, tr("Conferma"), tr("Stai per sovrascrivere i parametri AVS/SUVA/LPP. Confermi?"))
        != QMessageBox::Yes)
        return false;

    auto voce = [this](const QString& codice, const QString& descrizione, int dipendente, int datore, int massimale) {
        Datoteca::VoceContributo v;
        v.codice = codice;
        v.descrizione = descrizione;
        v.aliquotaDipendente = valore(dipendente);
        v.aliquotaDatore = valore(datore);
        v.massimale = massimale >= 0 ? valore(massimale) : 0.0;
        return v;
    };
    QMap<QString, Datoteca::VoceContributo> contributi;
    contributi.insert(QStringLiteral("AVS"), voce(QStringLiteral("AVS"), QStringLiteral("AVS/AI/IPG"), AvsDipendente, AvsDatore, -1));
    contributi.insert(QStringLiteral("AD"), voce(QStringLiteral("AD"), QStringLiteral("Assicurazione disoccupazione"),
                                                 AdDipendente, AdDatore, AdMassimale));
    contributi.insert(QStringLiteral("CAF"), voce(QStringLiteral("CAF"), QStringLiteral("Contributo famiglie"), CafDipendente, CafDatore, -1));
    contributi.insert(QStringLiteral("LAINF"), voce(QStringLiteral("LAINF"), QStringLiteral("Assicurazione infortuni (SUVA)"),
                                                    LainfDipendente, LainfDatore, LainfMassimale));

    // The coordinated minimum and maximum are not shown: they keep the
    // values of the loaded year.
    Datoteca::ParametriLPP lpp = Datoteca::lpp();
    lpp.sogliaEntrata = valore(LppSoglia);
    lpp.deduzioneCoordinamento = valore(LppDeduzione);
    lpp.salarioMassimo = valore(LppSalarioMassimo);

    bool logScritto = true;
    if (!Datoteca::salvaCon(contributi, lpp, valore(Igm), spinAnno->value(), &logScritto)) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare i parametri. Controlla i log."));
        return false;
    }
    if (!logScritto)
        Messaggi::avviso(this, tr("Registro modifiche"),
                         tr("I parametri sono stati salvati, ma il registro delle modifiche non si e' potuto scrivere."));
    // The boxes show what is stored now.
    riempi();
    return true;
}

void DialogParametriCritici::copia()
{
    QString testo = QStringLiteral("Parametri AVS/SUVA/LPP ") + QString::number(spinAnno->value()) + QLatin1Char('\n');
    testo += QString(28, QLatin1Char('-')) + QLatin1Char('\n');
    for (int i = 0; i < caselle.size(); ++i) {
        testo += QLatin1String(kCaselle[i].copia) + QString::number(caselle.at(i)->value(), 'g', 6)
                 + QLatin1String(kCaselle[i].unita) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(testo);
    Messaggi::informazione(this, tr("Copia"), tr("Valori copiati negli appunti."));
}

void DialogParametriCritici::reject()
{
    if (ModificheNonSalvate::puoChiudere(this, m_modificato, [this] { return salvaDati(); }))
        QDialog::reject();
}
