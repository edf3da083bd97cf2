#include "bloccoindirizzo.h"

#include "datoteca.h"
#include "inputsvizzero.h"
#include "messaggi.h"
#include "modifichenonsalvate.h"
#include "nap.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kSvizzera = QStringLiteral("CH");

// The employee card shows only the VAT fields of the country; recognised by
// the file's key and label, so the same in every language.
bool campoIva(const Nazioni::CampoIdentificativo& c)
{
    return c.chiave.contains(QLatin1String("iva"), Qt::CaseInsensitive)
        || c.etichettaFile.contains(QLatin1String("IVA"), Qt::CaseInsensitive);
}

// The Swiss row the new-employee form checks as social-insurance number.
bool campoAVS(const Nazioni::CampoIdentificativo& c)
{
    return c.chiave.contains(QLatin1String("avs"), Qt::CaseInsensitive)
        || c.chiave.contains(QLatin1String("uid"), Qt::CaseInsensitive);
}

// Sets a flag for the lifetime of the object and clears it afterwards.
class Flag
{
public:
    explicit Flag(bool& f) : m_f(f) { m_f = true; }
    ~Flag() { m_f = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& m_f;
};

} // namespace

BloccoIndirizzo::BloccoIndirizzo(Modulo modulo, const Widget& widget, QDialog* finestra, std::function<void()> salva)
    : QObject(finestra)
    , m_modulo(modulo)
    , m_w(widget)
    , m_finestra(finestra)
    , m_salva(std::move(salva))
{
}

BloccoIndirizzo::RigheIndirizzo BloccoIndirizzo::creaRigheIndirizzo(Modulo modulo, QFormLayout* form,
                                                                    QWidget* genitore)
{
    const bool azienda = modulo == Modulo::NuovaAzienda || modulo == Modulo::GestioneAzienda;
    auto campo = [genitore](const char* nome) {
        auto* e = new QLineEdit(genitore);
        e->setObjectName(QLatin1String(nome));
        return e;
    };
    RigheIndirizzo r;
    r.indirizzo = campo("indirizzo");
    form->addRow(tr("Indirizzo"), r.indirizzo);
    r.cap = campo("cap");
    form->addRow(tr("CAP"), r.cap);
    r.localita = campo("localita");
    form->addRow(tr("Località"), r.localita);
    r.cantone = campo("cantone");
    if (azienda)
        r.cantone->setMaxLength(2);
    r.etichettaCantone = new QLabel(azienda ? tr("Cantone (sigla)") : tr("Cantone"), genitore);
    form->addRow(r.etichettaCantone, r.cantone);
    return r;
}

QComboBox* BloccoIndirizzo::creaNazione(Modulo modulo, QWidget* genitore)
{
    auto* c = new QComboBox(genitore);
    c->setObjectName(QStringLiteral("nazione"));
    if (modulo == Modulo::NuovaAzienda || modulo == Modulo::GestioneAzienda) {
        c->addItem(tr("Svizzera"), QStringLiteral("CH"));
        c->addItem(tr("Italia"), QStringLiteral("IT"));
        c->addItem(tr("Francia"), QStringLiteral("FR"));
        c->addItem(tr("Germania"), QStringLiteral("DE"));
        c->addItem(tr("Spagna"), QStringLiteral("ES"));
    } else {
        for (const QString& codice : Nazioni::codiciDisponibili())
            c->addItem(Nazioni::nomeTradotto(codice), codice);
    }
    return c;
}

QString BloccoIndirizzo::codiceNazione() const
{
    return m_w.nazione ? m_w.nazione->currentData().toString() : QString();
}

bool BloccoIndirizzo::svizzera() const
{
    return codiceNazione() == kSvizzera;
}

void BloccoIndirizzo::scrivi(QLineEdit* campo, const QString& testo)
{
    if (campo)
        campo->setText(testo);
}

void BloccoIndirizzo::segnaModificheDi(QLineEdit* campo)
{
    connect(campo, &QLineEdit::textChanged, this, [this] {
        if (!m_inAggiornamento)
            m_modificato = true;
    });
}

void BloccoIndirizzo::cambiaNazione(int index)
{
    if (index < 0)
        return;
    if (m_modulo == Modulo::NuovoDipendente) {
        {
            Flag f(m_inAggiornamento);
            scrivi(m_w.cap, QString());
            scrivi(m_w.localita, QString());
            scrivi(m_w.cantone, QString());
        }
        m_modificato = true;
    }
    const QString codice = m_w.nazione->itemData(index).toString();
    const bool ch = codice == kSvizzera;
    for (QWidget* w : qAsConst(m_w.soloSvizzera))
        w->setVisible(ch);
    for (QWidget* w : qAsConst(m_w.soloEstero))
        w->setVisible(!ch);

    const Nazioni::InfoNazione info = Nazioni::info(codice);
    if (m_modulo == Modulo::NuovaAzienda) {
        if (m_w.valuta)
            m_w.valuta->setCurrentIndex(m_w.valuta->findData(info.valuta));
        if (m_w.lingua && !info.lingue.contains(m_w.lingua->currentData().toString())) {
            m_w.lingua->setCurrentIndex(info.lingue.isEmpty() ? 0 : m_w.lingua->findData(info.lingue.first()));
        }
    }
    creaCampiDinamici(info);
}

void BloccoIndirizzo::creaCampiDinamici(const Nazioni::InfoNazione& info)
{
    // The previous rows go, label and entry together.
    for (QLabel* etichetta : qAsConst(m_etichette)) {
        int riga = -1;
        QFormLayout::ItemRole ruolo;
        m_w.form->getWidgetPosition(etichetta, &riga, &ruolo);
        if (riga >= 0)
            m_w.form->removeRow(riga);
        else
            delete etichetta;
    }
    m_etichette.clear();
    m_campi.clear();
    m_info = Nazioni::InfoNazione();
    m_info.codice = info.codice;

    QWidget* genitore = m_w.form->parentWidget();
    for (const Nazioni::CampoIdentificativo& c : info.campi) {
        if (m_modulo == Modulo::SchedaDipendente && !campoIva(c))
            continue;
        QString testo = c.etichetta;
        QString segnaposto = c.placeholder;
        // For a Swiss employee the row is the AVS number, not a company's UID.
        if (m_modulo == Modulo::NuovoDipendente && info.codice == kSvizzera && campoAVS(c)) {
            testo = QCoreApplication::translate("NuovoDipendente", "Numero AVS");
            segnaposto = QStringLiteral("756.1234.5678.97");
        }
        // The bank rows of a new employee are the employee's own account.
        if (m_modulo == Modulo::NuovoDipendente && c.chiave.compare(QLatin1String("iban"), Qt::CaseInsensitive) == 0)
            testo = QCoreApplication::translate("NuovoDipendente", "IBAN");
        if (m_modulo == Modulo::NuovoDipendente && c.chiave.compare(QLatin1String("bic"), Qt::CaseInsensitive) == 0)
            testo = QCoreApplication::translate("NuovoDipendente", "BIC");
        auto* etichetta = new QLabel(testo, genitore);
        etichetta->setTextFormat(Qt::PlainText);
        auto* campo = new QLineEdit(genitore);
        campo->setObjectName(c.chiave);
        campo->setPlaceholderText(segnaposto);
        if (m_modulo == Modulo::SchedaDipendente)
            campo->setText(m_valori.value(c.chiave));
        m_w.form->addRow(etichetta, campo);
        m_etichette.append(etichetta);
        m_campi.append(campo);
        m_info.campi.append(c);
        if (moduloDipendente())
            connect(campo, &QLineEdit::textChanged, this, [this] { m_modificato = true; });
    }
}

void BloccoIndirizzo::scriviIdentificativi(QMap<QString, QString>& mappa) const
{
    for (int i = 0; i < m_campi.size() && i < m_info.campi.size(); ++i)
        mappa.insert(m_info.campi.at(i).chiave, m_campi.at(i)->text().trimmed());
}

void BloccoIndirizzo::aggiornaDaCap()
{
    const bool cascata = m_inAggiornamento;
    if (cascata && m_modulo != Modulo::NuovaAzienda)
        return;
    if (!svizzera())
        return;
    if (!NAP::carica() && moduloAzienda())
        return;
    const QString cap = m_w.cap->text().trimmed();
    if (cap.size() != 4)
        return;

    if (m_modulo == Modulo::GestioneAzienda) {
        const QStringList localita = NAP::localitaPerNap(cap);
        if (localita.isEmpty())
            return;
        const QString cantone = NAP::cantonePerNap(cap);
        Flag f(m_inAggiornamento);
        if (localita.first() != m_w.localita->text().trimmed())
            scrivi(m_w.localita, localita.first());
        if (!cantone.isEmpty() && cantone != m_w.cantone->text().trimmed().toUpper())
            scrivi(m_w.cantone, cantone);
        return;
    }

    const QString cantone = NAP::cantonePerNap(cap);
    if (cantone.isEmpty())
        return; // the warning is verificaCap's
    const QStringList localita = NAP::localitaPerNap(cap);
    if (m_modulo == Modulo::NuovaAzienda) {
        // This form's fills call each other. The postcode that the fill from
        // the locality writes must not replace the locality the user is
        // typing: then only the canton follows.
        m_inAggiornamento = true;
        if (!localita.isEmpty() && !cascata)
            scrivi(m_w.localita, localita.first());
        scrivi(m_w.cantone, cantone);
        m_inAggiornamento = cascata;
        return;
    }
    Flag f(m_inAggiornamento);
    scrivi(m_w.cantone, cantone);
    if (!localita.isEmpty())
        scrivi(m_w.localita, localita.first());
}

void BloccoIndirizzo::aggiornaDaLocalita()
{
    if (m_inAggiornamento && m_modulo != Modulo::NuovaAzienda)
        return;
    if (!svizzera())
        return;
    if (!NAP::carica() && moduloAzienda())
        return;
    const QString localita = m_w.localita->text().trimmed();

    if (moduloAzienda()) {
        if (localita.isEmpty())
            return;
        const QStringList caps = NAP::napPerLocalita(localita);
        if (caps.isEmpty())
            return;
        if (m_modulo == Modulo::NuovaAzienda) {
            if (caps.contains(m_w.cap->text().trimmed()))
                return;
            const bool esterno = m_inAggiornamento;
            m_inAggiornamento = true;
            scrivi(m_w.cap, caps.first());
            m_inAggiornamento = esterno;
            return;
        }
        const QString cantone = NAP::cantonePerNap(caps.first());
        Flag f(m_inAggiornamento);
        if (caps.first() != m_w.cap->text().trimmed())
            scrivi(m_w.cap, caps.first());
        if (!cantone.isEmpty() && cantone != m_w.cantone->text().trimmed().toUpper())
            scrivi(m_w.cantone, cantone);
        return;
    }

    if (localita.size() < 3)
        return;
    const QStringList caps = NAP::napPerLocalita(localita);
    if (caps.isEmpty())
        return;
    Flag f(m_inAggiornamento);
    scrivi(m_w.cap, caps.first());
    const QString cantone = NAP::cantonePerNap(caps.first());
    if (!cantone.isEmpty())
        scrivi(m_w.cantone, cantone);
}

void BloccoIndirizzo::verificaCap()
{
    if (!svizzera())
        return;
    const QString cap = m_w.cap->text().trimmed();
    if (cap.size() != 4)
        return;
    if (NAP::cantonePerNap(cap).isEmpty())
        Messaggi::avviso(m_finestra, tr("CAP inesistente"),
                         tr("Il CAP %1 non corrisponde a nessuna localita svizzera.").arg(cap));
}

void BloccoIndirizzo::verificaLocalita()
{
    if (!svizzera())
        return;
    const QString localita = m_w.localita->text().trimmed();
    if (localita.size() < 3)
        return;
    if (NAP::napPerLocalita(localita).isEmpty())
        Messaggi::avviso(m_finestra, tr("Citta inesistente"),
                         tr("La localita \"%1\" non corrisponde a nessun CAP svizzero.").arg(localita));
}

void BloccoIndirizzo::chiudiConControllo()
{
    // The form's save closes the form itself (accepted) or clears the flag
    // when it succeeds; either way nothing is left to ask about.
    bool chiusa = false;
    const bool puo = ModificheNonSalvate::puoChiudere(m_finestra, m_modificato, [this, &chiusa] {
        m_finestra->setResult(QDialog::Rejected);
        if (m_salva)
            m_salva();
        chiusa = m_finestra->result() == QDialog::Accepted;
        return chiusa || !m_modificato;
    });
    // The window's own reject() may lead here: the dialog's base one closes.
    if (puo && !chiusa)
        m_finestra->QDialog::reject();
}

namespace {

// A rate or ceiling as the user reads and types it: no exponent, no
// trailing zeros, every stored decimal kept.
QString testoNumero(double v)
{
    QString t = QString::number(v, 'f', 6);
    while (t.contains(QLatin1Char('.')) && (t.endsWith(QLatin1Char('0')) || t.endsWith(QLatin1Char('.'))))
        t.chop(1);
    return t;
}

} // namespace

CampiInfortuni::CampiInfortuni(QWidget* genitore)
    : QObject(genitore)
{
    m_gruppo = new QGroupBox(tr("Assicurazione infortuni (LAINF)"), genitore);
    m_gruppo->setObjectName(QStringLiteral("infortuni"));
    auto* form = new QFormLayout(m_gruppo);
    auto campo = [&](const char* nome, const QString& etichetta) {
        auto* e = new QLineEdit(m_gruppo);
        e->setObjectName(QLatin1String(nome));
        form->addRow(etichetta, e);
        return e;
    };
    m_ip = campo("lainfIPperMille", tr("Premio infortuni professionali (‰)"));
    m_inpUomo = campo("lainfINPuomoPerMille", tr("Premio infortuni non professionali, uomini (‰)"));
    m_inpDonna = campo("lainfINPdonnaPerMille", tr("Premio infortuni non professionali, donne (‰)"));
    m_massimale = campo("lainfMassimale", tr("Massimale annuo (CHF)"));
}

QList<QLineEdit*> CampiInfortuni::campi() const
{
    return {m_ip, m_inpUomo, m_inpDonna, m_massimale};
}

void CampiInfortuni::mostra(const DatiAzienda& a)
{
    m_ip->setText(testoNumero(a.lainfIPperMille));
    m_inpUomo->setText(testoNumero(a.lainfINPuomoPerMille));
    m_inpDonna->setText(testoNumero(a.lainfINPdonnaPerMille));
    m_massimale->setText(testoNumero(a.lainfMassimale));
}

QString CampiInfortuni::leggi(DatiAzienda& a) const
{
    struct Voce
    {
        QLineEdit* campo;
        double* valore;
        double massimo;
    };
    DatiAzienda letti = a;
    const Voce voci[] = {{m_ip, &letti.lainfIPperMille, kPremioMassimo},
                         {m_inpUomo, &letti.lainfINPuomoPerMille, kPremioMassimo},
                         {m_inpDonna, &letti.lainfINPdonnaPerMille, kPremioMassimo},
                         {m_massimale, &letti.lainfMassimale, kMassimaleMassimo}};
    for (const Voce& v : voci) {
        double valore = 0.0;
        QString etichetta;
        if (auto* form = qobject_cast<QFormLayout*>(m_gruppo->layout())) {
            if (auto* l = qobject_cast<QLabel*>(form->labelForField(v.campo)))
                etichetta = l->text();
        }
        // The premiums are rates per mille, read as typed; the ceiling is
        // francs, kept to the centime.
        const bool letto = v.valore == &letti.lainfMassimale
            ? InputSvizzero::leggiImporto(v.campo->text(), &valore, false)
            : InputSvizzero::leggiNumero(v.campo->text(), &valore, false);
        if (!letto)
            return tr("Il valore \"%1\" in \"%2\" non e' un numero valido.").arg(v.campo->text().trimmed(), etichetta);
        if (valore < 0 || valore > v.massimo)
            return tr("Il valore in \"%1\" deve essere tra 0 e %2.").arg(etichetta, testoNumero(v.massimo));
        *v.valore = valore;
    }
    a = letti;
    return QString();
}

void CampiInfortuni::predefiniti(DatiAzienda& a)
{
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));
    a.lainfIPperMille = lainf.aliquotaDatore * 10.0;
    a.lainfINPuomoPerMille = lainf.aliquotaDipendente * 10.0;
    a.lainfINPdonnaPerMille = lainf.aliquotaDipendente * 10.0;
    if (lainf.massimale > 0)
        a.lainfMassimale = lainf.massimale;
}
